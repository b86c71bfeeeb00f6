#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/IAssetRegistry.h"

/** The registry singleton behind IAssetRegistry and the host functions. */
class FAssetRegistryImpl final : public IAssetRegistry
{
public:
	/** The singleton, created on first use. */
	static FAssetRegistryImpl& GetInstance();
	/** Destroys the singleton; the next use creates a fresh one. */
	static void DestroyInstance();

	virtual ~FAssetRegistryImpl();

	// IAssetRegistry
	virtual bool GetAssetsByClass(FTopLevelAssetPath ClassPathName, TArray<FAssetData>& OutAssetData, bool bSearchSubClasses = false) const override;
	virtual bool GetAssetsByPath(FName PackagePath, TArray<FAssetData>& OutAssetData, bool bRecursive = false, bool bIncludeOnlyOnDiskAssets = false) const override;
	virtual bool GetAssetsByPackageName(FName PackageName, TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const override;
	virtual FAssetData GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets = false, bool bSkipARFilteredAssets = true) const override;
	virtual bool GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets = true) const override;
	virtual bool GetAllAssets(TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets = false) const override;
	virtual bool IsLoadingAssets() const override;
	virtual void AssetCreated(UObject* NewAsset) override;
	virtual void AssetDeleted(UObject* DeletedAsset) override;
	virtual void ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan = false, bool bIgnoreDenyListScanFilters = false) override;
	virtual FFilesLoadedEvent& OnFilesLoaded() override;
	virtual FAssetAddedEvent& OnAssetAdded() override;
	virtual FAssetRemovedEvent& OnAssetRemoved() override;

	// Host control
	void Mount(const FString& RootPath, const FString& ContentDir);
	void Unmount(const FString& RootPath);
	void StartScan();
	void CompleteScan();
	/** The asset file of a package; prefers an existing file, else the form's default extension. */
	bool PackageNameToFilename(const FString& LongPackageName, FString& OutFilename, bool bIsMap = false) const;
	/** Records an asset that was just written to disk. */
	void AssetSaved(const FAssetData& AssetData);

private:
	struct FMount
	{
		/** "/Game", without the trailing slash. */
		FString RootPath;
		FString ContentDir;
	};

	struct FEntry
	{
		FAssetData Data;
		/** False for assets known only in memory (created and not saved yet). */
		bool bOnDisk = true;
	};

	/** Finds the asset files below Folder (a mounted folder or one of its subfolders) and adds the new ones. */
	void ScanFolder(const FMount& Mount, const FString& Folder);
	void AddEntry(const FAssetData& Data, bool bOnDisk);
	int32 FindEntry(FName PackageName) const;
	bool PassesFilter(const FEntry& Entry, const FARFilter& Filter) const;
	const FMount* FindMount(const FString& LongPackageName, FString& OutRelativePath) const;

	TArray<FMount> Mounts;
	/** Registry order: discovery order. */
	TArray<FEntry> Entries;
	bool bScanStarted = false;
	bool bScanCompleted = false;
	FFilesLoadedEvent FilesLoadedEvent;
	FAssetAddedEvent AssetAddedEvent;
	FAssetRemovedEvent AssetRemovedEvent;
};
