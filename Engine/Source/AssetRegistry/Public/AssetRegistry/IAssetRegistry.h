#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/ARFilter.h"
#include "AssetRegistry/AssetData.h"
#include "Delegates/Delegate.h"

/**
 * The asset registry: what assets exist under the mounted content roots, found by scanning
 * without loading them. Queries return assets in registry order: roots in mount order, then,
 * within a root, packages in ordinal order of their names.
 */
class ASSETREGISTRY_API IAssetRegistry
{
public:
	DECLARE_EVENT(IAssetRegistry, FFilesLoadedEvent);
	DECLARE_EVENT_OneParam(IAssetRegistry, FAssetAddedEvent, const FAssetData&);
	DECLARE_EVENT_OneParam(IAssetRegistry, FAssetRemovedEvent, const FAssetData&);

	virtual ~IAssetRegistry() = default;

	/** The registry singleton; null before the registry exists. */
	static IAssetRegistry* Get();
	/** The registry singleton; asserts that it exists. */
	static IAssetRegistry& GetChecked();

	/** Assets of the class (and with bSearchSubClasses of its subclasses), in registry order. */
	virtual bool GetAssetsByClass(FTopLevelAssetPath ClassPathName, TArray<FAssetData>& OutAssetData, bool bSearchSubClasses = false) const = 0;
	/** Assets in the folder (and with bRecursive in its subfolders), in registry order. */
	virtual bool GetAssetsByPath(FName PackagePath, TArray<FAssetData>& OutAssetData, bool bRecursive = false, bool bIncludeOnlyOnDiskAssets = false) const = 0;
	/** Assets in the package. */
	virtual bool GetAssetsByPackageName(FName PackageName, TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const = 0;
	/** The asset at the object path, or an invalid FAssetData. */
	virtual FAssetData GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const = 0;
	/** Assets that pass the filter, in registry order. */
	virtual bool GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets = true) const = 0;
	/** Every known asset, in registry order. */
	virtual bool GetAllAssets(TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false) const = 0;
	/** True while the initial scan has not completed. */
	virtual bool IsLoadingAssets() const = 0;
	/** Tells the registry about an asset created in memory (a new or duplicated asset). */
	virtual void AssetCreated(UObject* NewAsset) = 0;
	/** Tells the registry that an asset was deleted. */
	virtual void AssetDeleted(UObject* DeletedAsset) = 0;
	/** Scans the folders (long package paths or content folders) now. */
	virtual void ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan = false, bool bIgnoreDenyListScanFilters = false) = 0;

	/** Broadcast once, when the initial scan has found every asset. */
	virtual FFilesLoadedEvent& OnFilesLoaded() = 0;
	virtual FAssetAddedEvent& OnAssetAdded() = 0;
	virtual FAssetRemovedEvent& OnAssetRemoved() = 0;
};
