#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"

/**
 * A query of the asset registry. Components are ANDed together; the entries of one component
 * are ORed. An empty filter matches every asset.
 */
struct FARFilter
{
	/** Packages to include ("/Game/Cameras/Preset"). */
	TArray<FName> PackageNames;
	/** Folders to include ("/Game/Cameras"). */
	TArray<FName> PackagePaths;
	/** Object paths to include. */
	TArray<FSoftObjectPath> SoftObjectPaths;
	/** Classes to include. */
	TArray<FTopLevelAssetPath> ClassPaths;
	/** Tag filters; the stand-in asset form has no tags, so a non-empty map is refused. */
	TMultiMap<FName, TOptional<FString>> TagsAndValues;
	/** Classes (and with bRecursiveClasses their subclasses) to leave out. */
	TSet<FTopLevelAssetPath> RecursiveClassPathsExclusionSet;
	/** Also match assets in subfolders of PackagePaths. */
	bool bRecursivePaths = false;
	/** Also match subclasses of ClassPaths. */
	bool bRecursiveClasses = false;
	/** Skip assets that exist only in memory. */
	bool bIncludeOnlyOnDiskAssets = false;

	bool IsEmpty() const
	{
		return PackageNames.Num() == 0 && PackagePaths.Num() == 0 && SoftObjectPaths.Num() == 0 && ClassPaths.Num() == 0
			&& TagsAndValues.Num() == 0 && RecursiveClassPathsExclusionSet.Num() == 0;
	}

	void Clear()
	{
		*this = FARFilter();
	}
};
