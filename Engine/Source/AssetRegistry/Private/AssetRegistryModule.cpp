#include "AssetRegistry/AssetRegistryModule.h"

#include "Modules/ModuleManager.h"
#include "PackageHooks.h"

void FAssetRegistryModule::StartupModule()
{
	AssetPackageHooks::Install();
}

void FAssetRegistryModule::ShutdownModule()
{
}

IMPLEMENT_MODULE(FAssetRegistryModule, AssetRegistry);
