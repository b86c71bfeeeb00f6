#pragma once

#include "CoreMinimal.h"

class UPackage;

/**
 * Reads and writes the stand-in asset files (see AssetRegistryHost.h for the form). The file
 * header is read for the registry without creating objects; loading creates the objects.
 */
namespace AssetFile
{
	/** ".uasset.json" / ".umap.json". */
	extern const TCHAR* const AssetExtension;
	extern const TCHAR* const MapExtension;

	/** Reads the "Class" (and the "Name", when the file has one) of an asset file; false (after logging a warning naming the file) when unreadable. */
	bool ReadAssetHeader(const FString& Filename, FString& OutClassPath, FString& InOutAssetName);

	/** Creates the package's objects from the file; null (after logging why) on failure. */
	UPackage* LoadPackage(const FString& LongPackageName, const FString& Filename);

	/** Writes the package's asset to the file; false (after logging why) on failure. */
	bool SavePackage(UPackage* Package, const FString& Filename);
}
