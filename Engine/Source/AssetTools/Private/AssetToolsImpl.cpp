#include "AssetToolsImpl.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/PackageName.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogAssetTools, Log, All);

namespace
{
	bool IsValidAssetName(const FString& AssetName)
	{
		if (AssetName.IsEmpty())
		{
			return false;
		}
		for (const TCHAR* Invalid = INVALID_OBJECTNAME_CHARACTERS; *Invalid; ++Invalid)
		{
			int32 Index = INDEX_NONE;
			if (AssetName.FindChar(*Invalid, Index))
			{
				return false;
			}
		}
		return true;
	}
}

UObject* UAssetToolsImpl::DuplicateAsset(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject)
{
	if (!IsValid(OriginalObject))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: there is no object to duplicate"));
		return nullptr;
	}
	if (!IsValidAssetName(AssetName))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: '%s' is not a valid asset name"), *AssetName);
		return nullptr;
	}

	FString Path = PackagePath;
	Path.RemoveFromEnd(TEXT("/"));
	const FString NewPackageName = Path + TEXT("/") + AssetName;
	FText Reason;
	if (!FPackageName::IsValidLongPackageName(NewPackageName, false, &Reason))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: '%s' is not a valid package path: %s"), *PackagePath, *Reason.ToString());
		return nullptr;
	}
	// Each argument may fit a name while the two together do not; the package's name would fail the name check.
	if (NewPackageName.Len() >= NAME_SIZE)
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: the package name %s... would be %d characters long; names take up to %d"), *NewPackageName.Left(32), NewPackageName.Len(), NAME_SIZE - 1);
		return nullptr;
	}

	// An asset already at the destination, in memory or on disk, is never overwritten.
	TArray<FAssetData> Existing;
	IAssetRegistry::GetChecked().GetAssetsByPackageName(FName(*NewPackageName), Existing);
	UPackage* InMemory = FindPackage(nullptr, *NewPackageName);
	if (Existing.Num() > 0 || (InMemory && FindObject<UObject>(InMemory, *AssetName)))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: an asset already exists at %s"), *NewPackageName);
		return nullptr;
	}

	UPackage* NewPackage = InMemory ? InMemory : CreatePackage(*NewPackageName);
	UObject* NewObject = StaticDuplicateObject(OriginalObject, NewPackage, FName(*AssetName));
	if (NewObject == nullptr)
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: could not duplicate %s"), *OriginalObject->GetPathName());
		return nullptr;
	}
	NewObject->SetFlags(RF_Public | RF_Standalone);
	NewObject->ClearFlags(RF_Transient);
	NewPackage->MarkPackageDirty();
	FAssetRegistryModule::AssetCreated(NewObject);
	return NewObject;
}

UObject* UAssetToolsImpl::DuplicateAssetWithDialog(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject)
{
	return DuplicateAssetWithDialogAndTitle(AssetName, PackagePath, OriginalObject, FText::FromString(TEXT("Duplicate Asset")));
}

UObject* UAssetToolsImpl::DuplicateAssetWithDialogAndTitle(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject, FText DialogTitle)
{
	// The dialog only appears on a name clash; with no user to answer it the clash is a refusal.
	return DuplicateAsset(AssetName, PackagePath, OriginalObject);
}
