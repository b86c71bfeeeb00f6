// Copyright Quovex. All Rights Reserved.

// Console access to the module's operations, so a stage technician (or a script) can reach them without a panel.

#include "HAL/IConsoleManager.h"
#include "Misc/OutputDevice.h"
#include "QuovexConsoleWords.h"
#include "Modules/ModuleManager.h"
#include "QuovexVirtualProductionEditorModule.h"
#include "UObject/Object.h"
#include "UObject/UObjectGlobals.h"
#include "Engine/World.h"

namespace QuovexEditorConsole
{
	static FQuovexVirtualProductionEditorModule* FindModule(FOutputDevice& Ar)
	{
		FQuovexVirtualProductionEditorModule* Module = FModuleManager::GetModulePtr<FQuovexVirtualProductionEditorModule>(TEXT("QuovexVirtualProductionEditor"));
		if (!Module)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("The QuovexVirtualProductionEditor module is not loaded"));
		}
		return Module;
	}

	static bool ExpectArgs(const TArray<FString>& Args, int32 Count, const TCHAR* Usage, FOutputDevice& Ar)
	{
		if (Args.Num() != Count)
		{
			Ar.Logf(ELogVerbosity::Error, TEXT("Usage: %s"), Usage);
			return false;
		}
		// Every argument here becomes a name or an object path, and the engine fails a check on a longer name.
		for (const FString& Arg : Args)
		{
			if (Arg.Len() >= NAME_SIZE)
			{
				Ar.Logf(ELogVerbosity::Error, TEXT("An argument is %d characters long; names and paths take up to %d. Usage: %s"), Arg.Len(), NAME_SIZE - 1, Usage);
				return false;
			}
		}
		return true;
	}

	static void IsActorLockedToViewport(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (!ExpectArgs(Args, 1, TEXT("Quovex.IsActorLockedToViewport <ActorName>"), Ar))
		{
			return;
		}
		if (FQuovexVirtualProductionEditorModule* Module = FindModule(Ar))
		{
			Ar.Logf(TEXT("%s"), Module->IsActorLockedToViewport(FName(*Args[0])) ? TEXT("true") : TEXT("false"));
		}
	}

	static void SaveAsset(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (!ExpectArgs(Args, 1, TEXT("Quovex.SaveAsset <ObjectPath>"), Ar))
		{
			return;
		}
		if (FQuovexVirtualProductionEditorModule* Module = FindModule(Ar))
		{
			UObject* Asset = StaticLoadObject(UObject::StaticClass(), nullptr, *Args[0]);
			Module->SaveAsset(Asset, Args[0]);
		}
	}

	static void DuplicateAsset(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (!ExpectArgs(Args, 3, TEXT("Quovex.DuplicateAsset <SourceObjectPath> <PackagePath> <AssetName>"), Ar))
		{
			return;
		}
		FQuovexVirtualProductionEditorModule* Module = FindModule(Ar);
		if (!Module)
		{
			return;
		}
		UObject* Source = StaticLoadObject(UObject::StaticClass(), nullptr, *Args[0]);
		if (!Source)
		{
			Ar.Logf(ELogVerbosity::Error, TEXT("No asset %s to duplicate"), *Args[0]);
			return;
		}
		UObject* Copy = Module->DuplicateAsset(Args[2], Args[1], Source);
		if (!Copy)
		{
			// Asset tools log why (a name taken, a path not valid); the command still has to fail.
			Ar.Logf(ELogVerbosity::Error, TEXT("Could not duplicate %s as %s in %s"), *Args[0], *Args[2], *Args[1]);
			return;
		}
		Ar.Logf(TEXT("%s"), *Copy->GetPathName());
	}

	static void GetLevelViewportCameraInfo(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (!ExpectArgs(Args, 0, TEXT("Quovex.GetLevelViewportCameraInfo"), Ar))
		{
			return;
		}
		if (FQuovexVirtualProductionEditorModule* Module = FindModule(Ar))
		{
			FVector Location = FVector::ZeroVector;
			FRotator Rotation = FRotator::ZeroRotator;
			const bool bFound = Module->GetLevelViewportCameraInfo(Location, Rotation);
			Ar.Logf(TEXT("%s Location=(%s) Rotation=(%s)"), bFound ? TEXT("true") : TEXT("false"), *Location.ToString(), *Rotation.ToString());
		}
	}

	static void IsPlaying(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (!ExpectArgs(Args, 0, TEXT("Quovex.IsPlaying"), Ar))
		{
			return;
		}
		if (FQuovexVirtualProductionEditorModule* Module = FindModule(Ar))
		{
			Ar.Logf(TEXT("%s"), Module->IsPlaying() ? TEXT("true") : TEXT("false"));
		}
	}

	/** Runs a module operation that takes nothing and returns nothing. */
	template<void (FQuovexVirtualProductionEditorModule::*Operation)()>
	static void RunOperation(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (Args.Num() != 0)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("This command takes no arguments"));
			return;
		}
		if (FQuovexVirtualProductionEditorModule* Module = FindModule(Ar))
		{
			(Module->*Operation)();
		}
	}

	static void GetCurrentWorld(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (!ExpectArgs(Args, 0, TEXT("Quovex.GetCurrentWorld"), Ar))
		{
			return;
		}
		if (FQuovexVirtualProductionEditorModule* Module = FindModule(Ar))
		{
			UWorld* World = Module->GetCurrentWorld();
			Ar.Logf(TEXT("%s"), World ? *World->GetPathName() : TEXT("None"));
		}
	}

	/** Lists or unlists an object (an asset, or a class by its path) in the plugin's Place Actors category. */
	template<void (FQuovexVirtualProductionEditorModule::*Operation)(UObject*)>
	static void RunPlacementOperation(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (!ExpectArgs(Args, 1, TEXT("Quovex.AddPlacementModeItem|Quovex.RemovePlacementModeItem <ObjectPath>"), Ar))
		{
			return;
		}
		FQuovexVirtualProductionEditorModule* Module = FindModule(Ar);
		if (!Module)
		{
			return;
		}
		UObject* Object = StaticLoadObject(UObject::StaticClass(), nullptr, *Args[0]);
		if (!Object)
		{
			Ar.Logf(ELogVerbosity::Error, TEXT("No object %s"), *Args[0]);
			return;
		}
		(Module->*Operation)(Object);
	}

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice AddTrackerViewOverlayCommand(
		TEXT("Quovex.AddTrackerViewOverlay"),
		TEXT("Lays the tracker read-out over the first active level viewport, collapsed"),
		QuovexConsoleWords::InWords(TEXT("Quovex.AddTrackerViewOverlay"), &RunOperation<&FQuovexVirtualProductionEditorModule::AddTrackerViewOverlay>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice ResetLayoutsDirectoryCommand(
		TEXT("Quovex.ResetLayoutsDirectory"),
		TEXT("Copies the plugin's layout files over the editor's user layout directory"),
		QuovexConsoleWords::InWords(TEXT("Quovex.ResetLayoutsDirectory"), &RunOperation<&FQuovexVirtualProductionEditorModule::ResetLayoutsDirectory>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice AddPlacementModeItemCommand(
		TEXT("Quovex.AddPlacementModeItem"),
		TEXT("<ObjectPath>: lists an object in the Quovex category of the Place Actors panel"),
		QuovexConsoleWords::InWords(TEXT("Quovex.AddPlacementModeItem"), &RunPlacementOperation<&FQuovexVirtualProductionEditorModule::AddPlacementModeItem>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice RemovePlacementModeItemCommand(
		TEXT("Quovex.RemovePlacementModeItem"),
		TEXT("<ObjectPath>: takes the object's last listed item out of the Quovex category again"),
		QuovexConsoleWords::InWords(TEXT("Quovex.RemovePlacementModeItem"), &RunPlacementOperation<&FQuovexVirtualProductionEditorModule::RemovePlacementModeItem>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice OpenNearWideTweakGraphCommand(
		TEXT("Quovex.OpenNearWideTweakGraph"),
		TEXT("Opens the near/wide tweak graph panel"),
		QuovexConsoleWords::InWords(TEXT("Quovex.OpenNearWideTweakGraph"), &RunOperation<&FQuovexVirtualProductionEditorModule::OpenNearWideTweakGraph>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice OpenFocDistWizCommand(
		TEXT("Quovex.OpenFocDistWiz"),
		TEXT("Opens the focal distance wizard panel"),
		QuovexConsoleWords::InWords(TEXT("Quovex.OpenFocDistWiz"), &RunOperation<&FQuovexVirtualProductionEditorModule::OpenFocDistWiz>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice CloseFocDistWizCommand(
		TEXT("Quovex.CloseFocDistWiz"),
		TEXT("Closes the focal distance wizard panel"),
		QuovexConsoleWords::InWords(TEXT("Quovex.CloseFocDistWiz"), &RunOperation<&FQuovexVirtualProductionEditorModule::CloseFocDistWiz>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice GetCurrentWorldCommand(
		TEXT("Quovex.GetCurrentWorld"),
		TEXT("Prints the current world: the play world during Play-In-Editor, else the edited world"),
		QuovexConsoleWords::InWords(TEXT("Quovex.GetCurrentWorld"), &GetCurrentWorld));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice SetLevelSequenceDefaultRatesCommand(
		TEXT("Quovex.SetLevelSequenceDefaultRates"),
		TEXT("Sets the level sequence default display rate and tick resolution from the project's timecode rate"),
		QuovexConsoleWords::InWords(TEXT("Quovex.SetLevelSequenceDefaultRates"), &RunOperation<&FQuovexVirtualProductionEditorModule::SetLevelSequenceDefaultRates>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice IsActorLockedToViewportCommand(
		TEXT("Quovex.IsActorLockedToViewport"),
		TEXT("<ActorName>: whether the actor is piloted in the first level viewport that pilots one"),
		QuovexConsoleWords::InWords(TEXT("Quovex.IsActorLockedToViewport"), &IsActorLockedToViewport));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice SaveAssetCommand(
		TEXT("Quovex.SaveAsset"),
		TEXT("<ObjectPath>: saves the asset's package"),
		QuovexConsoleWords::InWords(TEXT("Quovex.SaveAsset"), &SaveAsset));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice DuplicateAssetCommand(
		TEXT("Quovex.DuplicateAsset"),
		TEXT("<SourceObjectPath> <PackagePath> <AssetName>: duplicates an asset and prints the copy's path"),
		QuovexConsoleWords::InWords(TEXT("Quovex.DuplicateAsset"), &DuplicateAsset));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice GetLevelViewportCameraInfoCommand(
		TEXT("Quovex.GetLevelViewportCameraInfo"),
		TEXT("Prints the level viewport camera's location and rotation"),
		QuovexConsoleWords::InWords(TEXT("Quovex.GetLevelViewportCameraInfo"), &GetLevelViewportCameraInfo));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice IsPlayingCommand(
		TEXT("Quovex.IsPlaying"),
		TEXT("Whether a Play-In-Editor session is running"),
		QuovexConsoleWords::InWords(TEXT("Quovex.IsPlaying"), &IsPlaying));
}
