// FTopLevelAssetPath: package name plus asset name ("/Script/Engine" + "Actor").

#pragma once

#include "CoreMinimal.h"

class UObject;

struct COREUOBJECT_API FTopLevelAssetPath
{
	FTopLevelAssetPath() = default;
	FTopLevelAssetPath(FName InPackageName, FName InAssetName)
		: PackageName(InPackageName)
		, AssetName(InAssetName)
	{
	}
	/** From "/Package/Path.Asset"; stays null when the text is not of that form. */
	explicit FTopLevelAssetPath(const FString& Path)
	{
		TrySetPath(Path);
	}
	explicit FTopLevelAssetPath(const TCHAR* Path)
	{
		TrySetPath(FString(Path));
	}
	explicit FTopLevelAssetPath(const UObject* InObject);

	bool TrySetPath(const FString& Path);

	FName GetPackageName() const
	{
		return PackageName;
	}

	FName GetAssetName() const
	{
		return AssetName;
	}

	FString ToString() const;

	bool IsValid() const
	{
		return !PackageName.IsNone();
	}

	bool IsNull() const
	{
		return PackageName.IsNone() && AssetName.IsNone();
	}

	void Reset()
	{
		PackageName = NAME_None;
		AssetName = NAME_None;
	}

	bool operator==(const FTopLevelAssetPath& Other) const
	{
		return PackageName == Other.PackageName && AssetName == Other.AssetName;
	}

	bool operator!=(const FTopLevelAssetPath& Other) const
	{
		return !(*this == Other);
	}

	friend uint32 GetTypeHash(const FTopLevelAssetPath& Path)
	{
		return HashCombine(GetTypeHash(Path.PackageName), GetTypeHash(Path.AssetName));
	}

private:
	FName PackageName;
	FName AssetName;
};
