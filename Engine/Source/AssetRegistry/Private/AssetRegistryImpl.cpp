#include "AssetRegistryImpl.h"

#include "AssetFile.h"
#include "AssetRegistryLog.h"
#include "AssetRegistryHost.h"
#include "Misc/PackageName.h"
#include "StringConversion.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

DEFINE_LOG_CATEGORY(LogAssetRegistry);

namespace
{
	std::unique_ptr<FAssetRegistryImpl> GRegistry;

	FString NormalizeRoot(const FString& RootPath)
	{
		FString Root = RootPath;
		while (Root.EndsWith(TEXT("/")))
		{
			Root.LeftChopInline(1);
		}
		return Root;
	}

	bool EndsWithExtension(const std::string& FileName, const TCHAR* Extension, std::string& OutStem)
	{
		const std::string Ext = AssetStrings::ToUtf8(Extension);
		if (FileName.size() > Ext.size() && FileName.compare(FileName.size() - Ext.size(), Ext.size(), Ext) == 0)
		{
			OutStem = FileName.substr(0, FileName.size() - Ext.size());
			return true;
		}
		return false;
	}

	/** Resolves a class path to a class in memory, or null. */
	UClass* FindClass(const FTopLevelAssetPath& ClassPath)
	{
		return ClassPath.IsValid() ? FindObject<UClass>(nullptr, *ClassPath.ToString()) : nullptr;
	}

	bool IsSameOrChildClass(const FAssetData& Data, const FTopLevelAssetPath& ClassPath, bool bRecursive)
	{
		if (Data.AssetClassPath == ClassPath)
		{
			return true;
		}
		if (!bRecursive)
		{
			return false;
		}
		const UClass* BaseClass = FindClass(ClassPath);
		const UClass* AssetClass = FindClass(Data.AssetClassPath);
		return BaseClass != nullptr && AssetClass != nullptr && AssetClass->IsChildOf(BaseClass);
	}

	bool IsInFolder(FName PackagePath, const FString& Folder, bool bRecursive)
	{
		const FString Path = PackagePath.ToString();
		if (Path.Equals(Folder, ESearchCase::IgnoreCase))
		{
			return true;
		}
		return bRecursive && Path.StartsWith(Folder + TEXT("/"), ESearchCase::IgnoreCase);
	}
}

FAssetRegistryImpl& FAssetRegistryImpl::GetInstance()
{
	if (!GRegistry)
	{
		GRegistry = std::make_unique<FAssetRegistryImpl>();
	}
	return *GRegistry;
}

void FAssetRegistryImpl::DestroyInstance()
{
	GRegistry.reset();
}

FAssetRegistryImpl::~FAssetRegistryImpl()
{
	for (const FMount& Mount : Mounts)
	{
		FPackageName::UnRegisterMountPoint(Mount.RootPath + TEXT("/"), Mount.ContentDir);
	}
}

IAssetRegistry* IAssetRegistry::Get()
{
	return &FAssetRegistryImpl::GetInstance();
}

IAssetRegistry& IAssetRegistry::GetChecked()
{
	return FAssetRegistryImpl::GetInstance();
}

bool FAssetRegistryImpl::GetAssetsByClass(FTopLevelAssetPath ClassPathName, TArray<FAssetData>& OutAssetData, bool bSearchSubClasses) const
{
	FARFilter Filter;
	Filter.ClassPaths.Add(ClassPathName);
	Filter.bRecursiveClasses = bSearchSubClasses;
	return GetAssets(Filter, OutAssetData);
}

bool FAssetRegistryImpl::GetAssetsByPath(FName PackagePath, TArray<FAssetData>& OutAssetData, bool bRecursive, bool bIncludeOnlyOnDiskAssets) const
{
	FARFilter Filter;
	Filter.PackagePaths.Add(PackagePath);
	Filter.bRecursivePaths = bRecursive;
	Filter.bIncludeOnlyOnDiskAssets = bIncludeOnlyOnDiskAssets;
	return GetAssets(Filter, OutAssetData);
}

bool FAssetRegistryImpl::GetAssetsByPackageName(FName PackageName, TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets, bool bSkipARFilteredAssets) const
{
	FARFilter Filter;
	Filter.PackageNames.Add(PackageName);
	Filter.bIncludeOnlyOnDiskAssets = bIncludeOnlyOnDiskAssets;
	return GetAssets(Filter, OutAssetData, bSkipARFilteredAssets);
}

FAssetData FAssetRegistryImpl::GetAssetByObjectPath(const FSoftObjectPath& ObjectPath, bool bIncludeOnlyOnDiskAssets, bool bSkipARFilteredAssets) const
{
	const FString Wanted = ObjectPath.ToString();
	for (const FEntry& Entry : Entries)
	{
		if ((Entry.bOnDisk || !bIncludeOnlyOnDiskAssets) && Entry.Data.GetObjectPathString().Equals(Wanted, ESearchCase::IgnoreCase))
		{
			return Entry.Data;
		}
	}
	return FAssetData();
}

bool FAssetRegistryImpl::GetAssets(const FARFilter& Filter, TArray<FAssetData>& OutAssetData, bool bSkipARFilteredAssets) const
{
	checkf(Filter.TagsAndValues.Num() == 0, TEXT("Asset registry tag filters are not implemented in the stand-in"));
	for (const FEntry& Entry : Entries)
	{
		if (PassesFilter(Entry, Filter))
		{
			OutAssetData.Add(Entry.Data);
		}
	}
	return true;
}

bool FAssetRegistryImpl::GetAllAssets(TArray<FAssetData>& OutAssetData, bool bIncludeOnlyOnDiskAssets) const
{
	FARFilter Filter;
	Filter.bIncludeOnlyOnDiskAssets = bIncludeOnlyOnDiskAssets;
	return GetAssets(Filter, OutAssetData);
}

bool FAssetRegistryImpl::PassesFilter(const FEntry& Entry, const FARFilter& Filter) const
{
	const FAssetData& Data = Entry.Data;
	if (Filter.bIncludeOnlyOnDiskAssets && !Entry.bOnDisk)
	{
		return false;
	}
	if (Filter.PackageNames.Num() > 0 && !Filter.PackageNames.Contains(Data.PackageName))
	{
		return false;
	}
	if (Filter.PackagePaths.Num() > 0)
	{
		bool bInAnyFolder = false;
		for (FName Folder : Filter.PackagePaths)
		{
			bInAnyFolder = bInAnyFolder || IsInFolder(Data.PackagePath, NormalizeRoot(Folder.ToString()), Filter.bRecursivePaths);
		}
		if (!bInAnyFolder)
		{
			return false;
		}
	}
	if (Filter.SoftObjectPaths.Num() > 0)
	{
		const FString ObjectPath = Data.GetObjectPathString();
		bool bListed = false;
		for (const FSoftObjectPath& Path : Filter.SoftObjectPaths)
		{
			bListed = bListed || Path.ToString().Equals(ObjectPath, ESearchCase::IgnoreCase);
		}
		if (!bListed)
		{
			return false;
		}
	}
	if (Filter.ClassPaths.Num() > 0)
	{
		bool bClassMatches = false;
		for (const FTopLevelAssetPath& ClassPath : Filter.ClassPaths)
		{
			bClassMatches = bClassMatches || IsSameOrChildClass(Data, ClassPath, Filter.bRecursiveClasses);
		}
		if (!bClassMatches)
		{
			return false;
		}
	}
	for (const FTopLevelAssetPath& Excluded : Filter.RecursiveClassPathsExclusionSet)
	{
		if (IsSameOrChildClass(Data, Excluded, Filter.bRecursiveClasses))
		{
			return false;
		}
	}
	return true;
}

bool FAssetRegistryImpl::IsLoadingAssets() const
{
	return !bScanCompleted;
}

void FAssetRegistryImpl::AssetCreated(UObject* NewAsset)
{
	if (NewAsset == nullptr)
	{
		return;
	}
	const FAssetData Data(NewAsset);
	if (FindEntry(Data.PackageName) == INDEX_NONE)
	{
		AddEntry(Data, false);
	}
}

void FAssetRegistryImpl::AssetDeleted(UObject* DeletedAsset)
{
	if (DeletedAsset == nullptr)
	{
		return;
	}
	const int32 Index = FindEntry(DeletedAsset->GetOutermost()->GetFName());
	if (Index != INDEX_NONE)
	{
		const FAssetData Removed = Entries[Index].Data;
		Entries.RemoveAt(Index);
		AssetRemovedEvent.Broadcast(Removed);
	}
}

void FAssetRegistryImpl::AssetSaved(const FAssetData& AssetData)
{
	const int32 Index = FindEntry(AssetData.PackageName);
	if (Index == INDEX_NONE)
	{
		AddEntry(AssetData, true);
	}
	else
	{
		Entries[Index].bOnDisk = true;
	}
}

void FAssetRegistryImpl::ScanPathsSynchronous(const TArray<FString>& InPaths, bool bForceRescan, bool bIgnoreDenyListScanFilters)
{
	for (const FString& Path : InPaths)
	{
		FString Relative;
		const FMount* Mount = FindMount(NormalizeRoot(Path), Relative);
		if (Mount == nullptr)
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("ScanPathsSynchronous: %s is not under a mounted content root"), *Path);
			continue;
		}
		ScanFolder(*Mount, Relative.IsEmpty() ? Mount->ContentDir : Mount->ContentDir / Relative);
	}
}

IAssetRegistry::FFilesLoadedEvent& FAssetRegistryImpl::OnFilesLoaded()
{
	return FilesLoadedEvent;
}

IAssetRegistry::FAssetAddedEvent& FAssetRegistryImpl::OnAssetAdded()
{
	return AssetAddedEvent;
}

IAssetRegistry::FAssetRemovedEvent& FAssetRegistryImpl::OnAssetRemoved()
{
	return AssetRemovedEvent;
}

void FAssetRegistryImpl::Mount(const FString& RootPath, const FString& ContentDir)
{
	const FString Root = NormalizeRoot(RootPath);
	checkf(Root.StartsWith(TEXT("/")) && Root.Len() > 1, TEXT("Content root %s must look like /Name/"), *RootPath);
	for (const FMount& Existing : Mounts)
	{
		if (Existing.RootPath.Equals(Root, ESearchCase::IgnoreCase))
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Content root %s/ is already mounted on %s"), *Root, *Existing.ContentDir);
			return;
		}
	}
	Mounts.Add(FMount{ Root, ContentDir });
	// The object system's package names resolve through the same roots.
	FPackageName::RegisterMountPoint(Root + TEXT("/"), ContentDir);
	if (bScanStarted)
	{
		ScanFolder(Mounts.Last(), ContentDir);
	}
}

void FAssetRegistryImpl::Unmount(const FString& RootPath)
{
	const FString Root = NormalizeRoot(RootPath);
	for (int32 Index = Entries.Num() - 1; Index >= 0; --Index)
	{
		if (IsInFolder(Entries[Index].Data.PackagePath, Root, true))
		{
			const FAssetData Removed = Entries[Index].Data;
			Entries.RemoveAt(Index);
			AssetRemovedEvent.Broadcast(Removed);
		}
	}
	for (int32 Index = 0; Index < Mounts.Num(); ++Index)
	{
		if (Mounts[Index].RootPath.Equals(Root, ESearchCase::IgnoreCase))
		{
			FPackageName::UnRegisterMountPoint(Mounts[Index].RootPath + TEXT("/"), Mounts[Index].ContentDir);
			Mounts.RemoveAt(Index);
			break;
		}
	}
}

void FAssetRegistryImpl::StartScan()
{
	if (bScanStarted)
	{
		return;
	}
	bScanStarted = true;
	for (int32 Index = 0; Index < Mounts.Num(); ++Index)
	{
		ScanFolder(Mounts[Index], Mounts[Index].ContentDir);
	}
}

void FAssetRegistryImpl::CompleteScan()
{
	if (bScanCompleted)
	{
		return;
	}
	StartScan();
	bScanCompleted = true;
	UE_LOG(LogAssetRegistry, Log, TEXT("Asset discovery complete: %d assets"), Entries.Num());
	FilesLoadedEvent.Broadcast();
}

void FAssetRegistryImpl::ScanFolder(const FMount& Mount, const FString& Folder)
{
	namespace fs = std::filesystem;
	const fs::path Base(AssetStrings::ToUtf8(Mount.ContentDir));
	const fs::path Start(AssetStrings::ToUtf8(Folder));
	std::error_code Error;
	if (!fs::is_directory(Start, Error))
	{
		UE_LOG(LogAssetRegistry, Verbose, TEXT("Content folder %s of %s/ does not exist"), *Folder, *Mount.RootPath);
		return;
	}

	// Package name -> file, sorted by package name so the registry order does not depend on the file system.
	std::vector<std::pair<std::string, fs::path>> Found;
	for (fs::recursive_directory_iterator It(Start, fs::directory_options::skip_permission_denied, Error), End; !Error && It != End; It.increment(Error))
	{
		if (!It->is_regular_file(Error))
		{
			continue;
		}
		const std::string FileName = It->path().filename().string();
		std::string Stem;
		if (!EndsWithExtension(FileName, AssetFile::AssetExtension, Stem) && !EndsWithExtension(FileName, AssetFile::MapExtension, Stem))
		{
			continue;
		}
		const fs::path Relative = It->path().parent_path().lexically_relative(Base);
		std::string PackageName = AssetStrings::ToUtf8(Mount.RootPath);
		for (const fs::path& Part : Relative)
		{
			if (Part != ".")
			{
				PackageName += "/" + Part.string();
			}
		}
		PackageName += "/" + Stem;
		Found.emplace_back(PackageName, It->path());
	}
	std::sort(Found.begin(), Found.end(), [](const auto& A, const auto& B) { return A.first < B.first; });

	for (const auto& [PackageNameUtf8, FilePath] : Found)
	{
		const FString PackageName = AssetStrings::FromUtf8(PackageNameUtf8);
		const FString Filename = AssetStrings::FromUtf8(FilePath.string());
		// Folders nested deep enough make a package name no FName can hold; the rest of the content still registers.
		if (PackageName.Len() >= NAME_SIZE)
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Skipping %s: its package name is %d characters long; names take up to %d"), *Filename, PackageName.Len(), NAME_SIZE - 1);
			continue;
		}
		const int32 Existing = FindEntry(FName(*PackageName));
		if (Existing != INDEX_NONE)
		{
			// Package names compare without case, as on the engine's file systems.
			if (!Entries[Existing].Data.PackageName.ToString().Equals(PackageName, ESearchCase::CaseSensitive))
			{
				UE_LOG(LogAssetRegistry, Warning, TEXT("Skipping %s: package %s is already known as %s"), *Filename, *PackageName, *Entries[Existing].Data.PackageName.ToString());
			}
			continue;
		}
		int32 SlashIndex = INDEX_NONE;
		PackageName.FindLastChar(TEXT('/'), SlashIndex);
		FString ClassPath;
		FString AssetName = PackageName.Mid(SlashIndex + 1);
		if (!AssetFile::ReadAssetHeader(Filename, ClassPath, AssetName))
		{
			continue;
		}
		const FTopLevelAssetPath AssetClassPath(ClassPath);
		if (!AssetClassPath.IsValid())
		{
			UE_LOG(LogAssetRegistry, Warning, TEXT("Skipping %s: \"%s\" is not a class path"), *Filename, *ClassPath);
			continue;
		}
		AddEntry(FAssetData(FName(*PackageName), FName(*PackageName.Left(SlashIndex)), FName(*AssetName), AssetClassPath), true);
	}
}

void FAssetRegistryImpl::AddEntry(const FAssetData& Data, bool bOnDisk)
{
	Entries.Add(FEntry{ Data, bOnDisk });
	AssetAddedEvent.Broadcast(Data);
}

int32 FAssetRegistryImpl::FindEntry(FName PackageName) const
{
	for (int32 Index = 0; Index < Entries.Num(); ++Index)
	{
		if (Entries[Index].Data.PackageName == PackageName)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

const FAssetRegistryImpl::FMount* FAssetRegistryImpl::FindMount(const FString& LongPackageName, FString& OutRelativePath) const
{
	for (const FMount& Mount : Mounts)
	{
		if (LongPackageName.Equals(Mount.RootPath, ESearchCase::IgnoreCase))
		{
			OutRelativePath.Empty();
			return &Mount;
		}
		if (LongPackageName.StartsWith(Mount.RootPath + TEXT("/"), ESearchCase::IgnoreCase))
		{
			OutRelativePath = LongPackageName.Mid(Mount.RootPath.Len() + 1);
			return &Mount;
		}
	}
	return nullptr;
}

bool FAssetRegistryImpl::PackageNameToFilename(const FString& LongPackageName, FString& OutFilename, bool bIsMap) const
{
	// The file system reads "/Game//A" and "/Game/A/" as "/Game/A": such a spelling would load the file a second time,
	// as another package that nothing unloads. The engine refuses these names too.
	if (LongPackageName.Contains(TEXT("//")) || LongPackageName.EndsWith(TEXT("/")))
	{
		return false;
	}
	FString Relative;
	const FMount* Mount = FindMount(LongPackageName, Relative);
	if (Mount == nullptr || Relative.IsEmpty())
	{
		return false;
	}
	const FString Base = Mount->ContentDir / Relative;
	const FString AsAsset = Base + AssetFile::AssetExtension;
	const FString AsMap = Base + AssetFile::MapExtension;
	std::error_code Error;
	if (std::filesystem::exists(AssetStrings::ToUtf8(AsAsset), Error))
	{
		OutFilename = AsAsset;
	}
	else if (std::filesystem::exists(AssetStrings::ToUtf8(AsMap), Error))
	{
		OutFilename = AsMap;
	}
	else
	{
		OutFilename = bIsMap ? AsMap : AsAsset;
	}
	return true;
}
