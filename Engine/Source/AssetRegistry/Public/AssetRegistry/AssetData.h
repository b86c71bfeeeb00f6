#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/TopLevelAssetPath.h"

class UClass;
class UObject;
class UPackage;

/** Whether FAssetData::GetClass may look beyond classes that are already in memory. */
enum class EResolveClass : uint8
{
	No,
	Yes,
};

/** What the asset registry knows about one asset without loading it. */
struct ASSETREGISTRY_API FAssetData
{
	/** The package holding the asset, "/Game/Cameras/Preset". */
	FName PackageName;
	/** The folder of the package, "/Game/Cameras". */
	FName PackagePath;
	/** The object name of the asset, "Preset". */
	FName AssetName;
	/** The asset's class, "/Script/LiveLink.LiveLinkPreset". */
	FTopLevelAssetPath AssetClassPath;
	/** Package flags as saved; the stand-in asset form has none. */
	uint32 PackageFlags = 0;

	FAssetData() = default;
	FAssetData(FName InPackageName, FName InPackagePath, FName InAssetName, FTopLevelAssetPath InAssetClassPathName);
	FAssetData(const FString& InLongPackageName, const FString& InObjectPath, FTopLevelAssetPath InAssetClassPathName);
	/** Describes an object that is in memory (a top-level asset of its package). */
	explicit FAssetData(const UObject* InAsset);

	bool operator==(const FAssetData& Other) const;
	bool operator!=(const FAssetData& Other) const
	{
		return !(*this == Other);
	}

	/** True when the data names an asset. */
	bool IsValid() const
	{
		return !AssetName.IsNone();
	}

	/** "/Game/Cameras/Preset.Preset". */
	FString GetObjectPathString() const;
	FSoftObjectPath GetSoftObjectPath() const;
	/** "LiveLinkPreset /Game/Cameras/Preset.Preset". */
	FString GetFullName() const;
	/** "/Script/LiveLink.LiveLinkPreset'/Game/Cameras/Preset.Preset'". */
	FString GetExportTextName() const;

	/** True when the asset's object is in memory. */
	bool IsAssetLoaded() const;
	/** The asset, loaded if it is not in memory yet. LoadTags are not supported by the stand-in. */
	UObject* GetAsset(const TSet<FName>& LoadTags = {}) const;
	/** The asset if in memory; with bLoad, loads it otherwise. Does not follow redirectors. */
	UObject* FastGetAsset(bool bLoad = false, const TSet<FName>& LoadTags = {}) const;
	/** The package if it is in memory. */
	UPackage* GetPackage() const;
	/** The asset's class if it is in memory (native classes always are). */
	UClass* GetClass(EResolveClass ResolveClass = EResolveClass::No) const;
	/** True when the asset's class is BaseClass or derives from it. */
	bool IsInstanceOf(const UClass* BaseClass) const;
};
