// Long package names ("/Game/Maps/Stage") and the content folders they are mounted on.

#pragma once

#include "CoreMinimal.h"

class COREUOBJECT_API FPackageName
{
public:
	/** Mounts a root ("/Game/") on a content folder; the asset registry does this for each content root. */
	static void RegisterMountPoint(const FString& RootPath, const FString& ContentPath);
	static void UnRegisterMountPoint(const FString& RootPath, const FString& ContentPath);
	static bool MountPointExists(const FString& RootPath);

	/** "/Root/Path/Name" under a mounted root (or /Script, /Temp, /Engine), no dots or doubled slashes. */
	static bool IsValidLongPackageName(const FString& InLongPackageName, bool bIncludeReadOnlyRoots = false, FText* OutReason = nullptr);

	/** "<Content>/Maps/Stage.umap" -> "/Game/Maps/Stage". */
	static bool TryConvertFilenameToLongPackageName(const FString& InFilename, FString& OutPackageName, FString* OutFailureReason = nullptr);

	/** "/Game/Maps/Stage" -> "<Content>/Maps/Stage" + Extension. */
	static FString LongPackageNameToFilename(const FString& InLongPackageName, const FString& InExtension = FString());
	static bool TryConvertLongPackageNameToFilename(const FString& InLongPackageName, FString& OutFilename, const FString& InExtension = FString());

	/** The last path element ("/Game/Maps/Stage" -> "Stage"); object paths lose their ".Object" part. */
	static FString GetShortName(const FString& LongName);
	static FString GetLongPackagePath(const FString& InLongPackageName);
	static FString ObjectPathToPackageName(const FString& InObjectPath);

	static const FString& GetAssetPackageExtension();
	static const FString& GetMapPackageExtension();

	/** Whether a file of the package exists under its mount point (the stand-in's asset files
	 *  "<Name>.uasset.json" / "<Name>.umap.json" count, as do real .uasset/.umap files). */
	static bool DoesPackageExist(const FString& LongPackageName, FString* OutFilename = nullptr);
};
