#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Modules/ModuleInterface.h"

/** The module "AssetRegistry"; owns nothing but gives access to the registry singleton. */
class ASSETREGISTRY_API FAssetRegistryModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** The registry. */
	virtual IAssetRegistry& Get() const
	{
		return IAssetRegistry::GetChecked();
	}

	static IAssetRegistry& GetRegistry()
	{
		return IAssetRegistry::GetChecked();
	}

	/** Tells the registry about an asset created in memory. */
	static void AssetCreated(UObject* NewAsset)
	{
		IAssetRegistry::GetChecked().AssetCreated(NewAsset);
	}

	/** Tells the registry that an asset was deleted. */
	static void AssetDeleted(UObject* DeletedAsset)
	{
		IAssetRegistry::GetChecked().AssetDeleted(DeletedAsset);
	}
};
