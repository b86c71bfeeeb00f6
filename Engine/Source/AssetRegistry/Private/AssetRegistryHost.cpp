#include "AssetRegistryHost.h"

#include "AssetFile.h"
#include "AssetRegistryImpl.h"
#include "AssetRegistryLog.h"
#include "PackageHooks.h"
#include "StringConversion.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"
#include "UObject/UObjectHash.h"

#include <filesystem>

void UE::AssetRegistryHost::MountContent(const FString& RootPath, const FString& ContentDir)
{
	// Mounting is what makes package files loadable, so the loader goes in with the first mount.
	AssetPackageHooks::Install();
	FAssetRegistryImpl::GetInstance().Mount(RootPath, ContentDir);
}

void UE::AssetRegistryHost::UnmountContent(const FString& RootPath)
{
	FAssetRegistryImpl::GetInstance().Unmount(RootPath);
}

void UE::AssetRegistryHost::StartAssetScan()
{
	FAssetRegistryImpl::GetInstance().StartScan();
}

void UE::AssetRegistryHost::CompleteAssetScan()
{
	FAssetRegistryImpl::GetInstance().CompleteScan();
}

void UE::AssetRegistryHost::Reset()
{
	FAssetRegistryImpl::DestroyInstance();
}

bool UE::AssetRegistryHost::TryConvertPackageNameToFilename(const FString& LongPackageName, FString& OutFilename)
{
	return FAssetRegistryImpl::GetInstance().PackageNameToFilename(LongPackageName, OutFilename);
}

UPackage* UE::AssetRegistryHost::LoadPackageFromAssetFile(const FString& LongPackageName)
{
	FString Filename;
	if (!FAssetRegistryImpl::GetInstance().PackageNameToFilename(LongPackageName, Filename))
	{
		return nullptr;
	}
	std::error_code Error;
	if (!std::filesystem::exists(AssetStrings::ToUtf8(Filename), Error))
	{
		// Not an asset of ours: the caller reports the missing package as the engine does.
		return nullptr;
	}
	return AssetFile::LoadPackage(LongPackageName, Filename);
}

bool UE::AssetRegistryHost::SavePackageToAssetFile(UPackage* Package)
{
	if (Package == nullptr)
	{
		return false;
	}
	TArray<UObject*> TopLevel;
	GetObjectsWithOuter(Package, TopLevel, false);
	const bool bIsMap = TopLevel.Num() > 0 && TopLevel[0] != nullptr && TopLevel[0]->GetClass()->GetName() == TEXT("World");

	FString Filename;
	if (!FAssetRegistryImpl::GetInstance().PackageNameToFilename(Package->GetName(), Filename, bIsMap))
	{
		UE_LOG(LogAssetRegistry, Error, TEXT("Could not save %s: it is not under a mounted content root"), *Package->GetName());
		return false;
	}
	if (!AssetFile::SavePackage(Package, Filename))
	{
		return false;
	}
	for (UObject* Object : TopLevel)
	{
		if (Object != nullptr && !Object->HasAnyFlags(RF_Transient))
		{
			FAssetRegistryImpl::GetInstance().AssetSaved(FAssetData(Object));
		}
	}
	return true;
}
