#include "AssetToolsModule.h"

#include "AssetToolsImpl.h"
#include "UObject/Package.h"

void FAssetToolsModule::StartupModule()
{
	UAssetToolsImpl* Impl = NewObject<UAssetToolsImpl>(GetTransientPackage(), FName(TEXT("AssetTools")));
	Impl->AddToRoot();
	AssetToolsObject = Impl;
}

void FAssetToolsModule::ShutdownModule()
{
	if (AssetToolsObject)
	{
		AssetToolsObject->RemoveFromRoot();
		AssetToolsObject->MarkAsGarbage();
		AssetToolsObject = nullptr;
	}
}

IAssetTools& FAssetToolsModule::Get() const
{
	checkf(AssetToolsObject, TEXT("The AssetTools module is not started"));
	return *static_cast<UAssetToolsImpl*>(AssetToolsObject);
}

IAssetTools& IAssetTools::Get()
{
	return FAssetToolsModule::GetModule().Get();
}

IMPLEMENT_MODULE(FAssetToolsModule, AssetTools);
