#pragma once

// Host control of the asset registry and of the stand-in asset files (boot, tests and the
// headless editor only; plugin code never uses this header).
//
// Stand-in asset form: one JSON file per package, "<Content>/Sub/Name.uasset.json" (maps:
// "Name.umap.json") for the package "/<Root>/Sub/Name", holding one top-level object named
// after the package:
//   { "Class": "/Script/Module.Class",
//     "Properties": { "PropertyName": "<value in the engine's text form>", ... },
//     "Subobjects": [ { "Name": "...", "Class": "...", "Properties": {...}, "Subobjects": [...] } ] }
// Properties missing from the file keep their class defaults.

#include "CoreMinimal.h"

class UPackage;

namespace UE::AssetRegistryHost
{
	/** Mounts a content root ("/Game/") on a folder; a root mounted after the scan started is scanned at once. */
	ASSETREGISTRY_API void MountContent(const FString& RootPath, const FString& ContentDir);

	/** Removes a content root and forgets its assets. */
	ASSETREGISTRY_API void UnmountContent(const FString& RootPath);

	/** Scans every mounted root; assets become queryable, the files-loaded event is not broadcast yet. */
	ASSETREGISTRY_API void StartAssetScan();

	/** Ends the initial scan and broadcasts the files-loaded event (once per registry). */
	ASSETREGISTRY_API void CompleteAssetScan();

	/** Drops the registry (mounts, assets, handlers) so that the next use starts afresh. */
	ASSETREGISTRY_API void Reset();

	/** The asset file of a package ("/Game/A/B" -> "<Content>/A/B.uasset.json"), existing or not. */
	ASSETREGISTRY_API bool TryConvertPackageNameToFilename(const FString& LongPackageName, FString& OutFilename);

	/** Loads a package from its asset file; null (with a logged reason) when it cannot. */
	ASSETREGISTRY_API UPackage* LoadPackageFromAssetFile(const FString& LongPackageName);

	/** Writes a package's objects to its asset file; false (with a logged reason) on failure. */
	ASSETREGISTRY_API bool SavePackageToAssetFile(UPackage* Package);
}
