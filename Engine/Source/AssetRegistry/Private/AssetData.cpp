#include "AssetRegistry/AssetData.h"

#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	/** "/Game/A/B" -> "/Game/A"; a root-level package keeps its root. */
	FString PackagePathOf(const FString& LongPackageName)
	{
		int32 SlashIndex = INDEX_NONE;
		if (LongPackageName.FindLastChar(TEXT('/'), SlashIndex) && SlashIndex > 0)
		{
			return LongPackageName.Left(SlashIndex);
		}
		return LongPackageName;
	}
}

FAssetData::FAssetData(FName InPackageName, FName InPackagePath, FName InAssetName, FTopLevelAssetPath InAssetClassPathName)
	: PackageName(InPackageName)
	, PackagePath(InPackagePath)
	, AssetName(InAssetName)
	, AssetClassPath(InAssetClassPathName)
{
}

FAssetData::FAssetData(const FString& InLongPackageName, const FString& InObjectPath, FTopLevelAssetPath InAssetClassPathName)
	: PackageName(*InLongPackageName)
	, PackagePath(*PackagePathOf(InLongPackageName))
	, AssetClassPath(InAssetClassPathName)
{
	// The asset name is what follows the package in "/Game/A/B.B".
	int32 DotIndex = INDEX_NONE;
	AssetName = InObjectPath.FindLastChar(TEXT('.'), DotIndex) ? FName(*InObjectPath.Mid(DotIndex + 1)) : FName(*InObjectPath);
}

FAssetData::FAssetData(const UObject* InAsset)
{
	if (InAsset == nullptr)
	{
		return;
	}
	const FString LongPackageName = InAsset->GetOutermost()->GetName();
	PackageName = FName(*LongPackageName);
	PackagePath = FName(*PackagePathOf(LongPackageName));
	AssetName = InAsset->GetFName();
	AssetClassPath = InAsset->GetClass()->GetClassPathName();
}

bool FAssetData::operator==(const FAssetData& Other) const
{
	return PackageName == Other.PackageName && AssetName == Other.AssetName;
}

FString FAssetData::GetObjectPathString() const
{
	if (!IsValid())
	{
		return FString();
	}
	return PackageName.ToString() + TEXT(".") + AssetName.ToString();
}

FSoftObjectPath FAssetData::GetSoftObjectPath() const
{
	return IsValid() ? FSoftObjectPath(GetObjectPathString()) : FSoftObjectPath();
}

FString FAssetData::GetFullName() const
{
	return AssetClassPath.GetAssetName().ToString() + TEXT(" ") + GetObjectPathString();
}

FString FAssetData::GetExportTextName() const
{
	return AssetClassPath.ToString() + TEXT("'") + GetObjectPathString() + TEXT("'");
}

bool FAssetData::IsAssetLoaded() const
{
	return FastGetAsset(false) != nullptr;
}

UObject* FAssetData::GetAsset(const TSet<FName>& LoadTags) const
{
	return FastGetAsset(true, LoadTags);
}

UObject* FAssetData::FastGetAsset(bool bLoad, const TSet<FName>& LoadTags) const
{
	checkf(LoadTags.Num() == 0, TEXT("Asset load tags are not implemented in the stand-in"));
	if (!IsValid())
	{
		return nullptr;
	}
	const FString ObjectPath = GetObjectPathString();
	UObject* Asset = FindObject<UObject>(nullptr, *ObjectPath);
	if (Asset == nullptr && bLoad)
	{
		Asset = LoadObject<UObject>(nullptr, *ObjectPath);
	}
	return Asset;
}

UPackage* FAssetData::GetPackage() const
{
	return IsValid() ? FindObject<UPackage>(nullptr, *PackageName.ToString()) : nullptr;
}

UClass* FAssetData::GetClass(EResolveClass ResolveClass) const
{
	if (!AssetClassPath.IsValid())
	{
		return nullptr;
	}
	const FString ClassPath = AssetClassPath.ToString();
	UClass* Class = FindObject<UClass>(nullptr, *ClassPath);
	// Native classes are always in memory; only a Blueprint class would need loading.
	checkf(Class != nullptr || ResolveClass == EResolveClass::No || ClassPath.StartsWith(TEXT("/Script/")),
		TEXT("Loading asset classes is not implemented in the stand-in (%s)"), *ClassPath);
	return Class;
}

bool FAssetData::IsInstanceOf(const UClass* BaseClass) const
{
	const UClass* Class = GetClass();
	return Class != nullptr && BaseClass != nullptr && Class->IsChildOf(BaseClass);
}
