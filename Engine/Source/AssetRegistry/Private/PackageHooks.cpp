#include "PackageHooks.h"

#include "AssetFile.h"
#include "AssetRegistryHost.h"
#include "AssetRegistryImpl.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	/** A caller may name the engine's file ("Foo.uasset"); the stand-in keeps that package in "Foo.uasset.json". */
	FString ToAssetFilename(const FString& Filename)
	{
		if (Filename.EndsWith(TEXT(".json")))
		{
			return Filename;
		}
		if (Filename.EndsWith(TEXT(".uasset")) || Filename.EndsWith(TEXT(".umap")))
		{
			return Filename + TEXT(".json");
		}
		return FString();
	}
}

void AssetPackageHooks::Install()
{
	static bool bInstalled = false;
	if (bInstalled)
	{
		return;
	}
	bInstalled = true;

	UE::ObjectHost::SetPackageLoadHook([](const FString& LongPackageName) -> UPackage* {
		return UE::AssetRegistryHost::LoadPackageFromAssetFile(LongPackageName);
	});

	UE::ObjectHost::SetPackageSaveHook([](UPackage* Package, UObject* Asset, const FString& Filename) -> bool {
		const FString AssetFilename = ToAssetFilename(Filename);
		if (AssetFilename.IsEmpty())
		{
			return UE::AssetRegistryHost::SavePackageToAssetFile(Package);
		}
		if (!AssetFile::SavePackage(Package, AssetFilename))
		{
			return false;
		}
		if (Asset != nullptr)
		{
			FAssetRegistryImpl::GetInstance().AssetSaved(FAssetData(Asset));
		}
		return true;
	});
}
