#include "FileHelpers.h"

#include "Editor.h"
#include "Engine/World.h"
#include "Misc/PackageName.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogFileHelpers, Log, All);

namespace
{
	/** The object a package is saved for: the world of a map, else the object named after the package. */
	UObject* FindPackageAsset(UPackage* Package)
	{
		TArray<UObject*> Inner;
		GetObjectsWithOuter(Package, Inner, false);
		for (UObject* Object : Inner)
		{
			if (Object->IsA(UWorld::StaticClass()))
			{
				return Object;
			}
		}
		const FString AssetName = FPackageName::GetShortName(Package->GetName());
		for (UObject* Object : Inner)
		{
			if (Object->GetName() == AssetName)
			{
				return Object;
			}
		}
		return nullptr;
	}

	bool IsTransientPackage(const UPackage* Package)
	{
		return Package == GetTransientPackage() || Package->HasAnyFlags(RF_Transient) || Package->HasAnyPackageFlags(PKG_PlayInEditor) || Package->GetName().StartsWith(TEXT("/Temp/"));
	}
}

bool FEditorFileUtils::LoadMap(const FString& Filename, bool bLoadAsTemplate, bool bShowProgress)
{
	if (GEditor == nullptr)
	{
		UE_LOG(LogFileHelpers, Warning, TEXT("LoadMap: there is no editor to open %s in"), *Filename);
		return false;
	}
	if (GEditor->PlayWorld)
	{
		UE_LOG(LogFileHelpers, Warning, TEXT("LoadMap: cannot open %s while a play session runs"), *Filename);
		return false;
	}

	FString PackageName = Filename;
	if (!FPackageName::IsValidLongPackageName(PackageName) && !FPackageName::TryConvertFilenameToLongPackageName(Filename, PackageName))
	{
		UE_LOG(LogFileHelpers, Warning, TEXT("LoadMap: %s is neither a map package name nor a file in a mounted content folder"), *Filename);
		return false;
	}

	const FString ObjectPath = PackageName + TEXT(".") + FPackageName::GetShortName(PackageName);
	UWorld* World = LoadObject<UWorld>(nullptr, *ObjectPath);
	if (World == nullptr)
	{
		UE_LOG(LogFileHelpers, Warning, TEXT("LoadMap: failed to load map %s"), *Filename);
		return false;
	}

	GEditor->SetEditorWorld(World);
	FEditorDelegates::OnMapOpened.Broadcast(Filename, bLoadAsTemplate);
	return true;
}

bool UEditorLoadingAndSavingUtils::SavePackages(const TArray<UPackage*>& PackagesToSave, bool bOnlyDirty)
{
	bool bAllSaved = true;
	for (UPackage* Package : PackagesToSave)
	{
		if (Package == nullptr)
		{
			bAllSaved = false;
			continue;
		}
		if (bOnlyDirty && !Package->IsDirty())
		{
			continue;
		}
		if (IsTransientPackage(Package))
		{
			UE_LOG(LogFileHelpers, Warning, TEXT("Cannot save %s: it is a transient package"), *Package->GetName());
			bAllSaved = false;
			continue;
		}

		UObject* Asset = FindPackageAsset(Package);
		const bool bIsMap = Asset && Asset->IsA(UWorld::StaticClass());
		FString Filename;
		if (!FPackageName::TryConvertLongPackageNameToFilename(Package->GetName(), Filename, bIsMap ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension()))
		{
			UE_LOG(LogFileHelpers, Error, TEXT("Cannot save %s: it is not under a mounted content folder"), *Package->GetName());
			bAllSaved = false;
			continue;
		}

		FSavePackageArgs SaveArgs;
		SaveArgs.TopLevelFlags = RF_Public | RF_Standalone;
		if (UPackage::Save(Package, Asset, *Filename, SaveArgs).IsSuccessful())
		{
			Package->SetDirtyFlag(false);
		}
		else
		{
			UE_LOG(LogFileHelpers, Error, TEXT("Failed to save %s"), *Package->GetName());
			bAllSaved = false;
		}
	}
	return bAllSaved;
}

UWorld* UEditorLoadingAndSavingUtils::LoadMap(const FString& Filename)
{
	if (FEditorFileUtils::LoadMap(Filename, false, true))
	{
		return GEditor->GetEditorWorldContext().World();
	}
	return nullptr;
}
