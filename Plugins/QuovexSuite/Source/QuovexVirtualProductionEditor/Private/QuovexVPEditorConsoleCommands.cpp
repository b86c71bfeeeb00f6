// Copyright Quovex. All Rights Reserved.

// Console access to the VP subsystem's native side (cameras, events, kept async actions), for stage technicians and scripts.

#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "HAL/IConsoleManager.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "Kismet/GameplayStatics.h"
#include "LiveLinkComponentController.h"
#include "Misc/OutputDevice.h"
#include "QuovexConsoleWords.h"
#include "QuovexCamera.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexEventWatcher.h"
#include "QuovexTags.h"
#include "QuovexVPEditorSubsystem.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UnrealType.h"

namespace QuovexVPEditorConsole
{
	static UQuovexVPEditorSubsystem* FindSubsystem(FOutputDevice& Ar)
	{
		UQuovexVPEditorSubsystem* Subsystem = UQuovexVPEditorSubsystem::Get();
		if (!Subsystem)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("The VP editor subsystem is not available: the editor is not running"));
		}
		return Subsystem;
	}

	/** A name argument: labels hold spaces ("Camera B"), so unquoted words are joined again. */
	static FString JoinName(const TArray<FString>& Words)
	{
		return FString::Join(Words, TEXT(" "));
	}

	static FString DisplayName(const AActor* Actor)
	{
		if (!Actor)
		{
			return TEXT("none");
		}
		const FString Label = Actor->GetActorLabel(false);
		return Label.IsEmpty() ? Actor->GetName() : Label;
	}

	static bool ExpectNoArgs(const TArray<FString>& Args, const TCHAR* Command, FOutputDevice& Ar)
	{
		if (Args.Num() != 0)
		{
			Ar.Logf(ELogVerbosity::Error, TEXT("%s takes no arguments"), Command);
			return false;
		}
		return true;
	}

	static void WatchEvents(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		const bool bOff = Args.Num() == 1 && Args[0].Equals(TEXT("off"), ESearchCase::IgnoreCase);
		const bool bOn = Args.Num() == 0 || (Args.Num() == 1 && Args[0].Equals(TEXT("on"), ESearchCase::IgnoreCase));
		if (!bOn && !bOff)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("Usage: Quovex.WatchEvents [on|off]"));
			return;
		}
		if (bOff)
		{
			UQuovexEventWatcher::Get()->Unwatch();
			Ar.Log(TEXT("No longer watching the VP subsystem's events"));
			return;
		}
		if (UQuovexVPEditorSubsystem* Subsystem = FindSubsystem(Ar))
		{
			UQuovexEventWatcher::Get()->Watch(Subsystem);
			Ar.Log(TEXT("Watching the VP subsystem's events"));
		}
	}

	static void ListCameras(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		UQuovexVPEditorSubsystem* Subsystem = ExpectNoArgs(Args, TEXT("Quovex.Cameras"), Ar) ? FindSubsystem(Ar) : nullptr;
		if (!Subsystem)
		{
			return;
		}
		UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
		if (!World)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("There is no current world"));
			return;
		}
		TArray<AActor*> Cameras;
		UGameplayStatics::GetAllActorsWithTag(World, QuovexTags::TAG_CAMERA, Cameras);
		const AActor* Active = Subsystem->GetActiveCamera();
		Ar.Logf(TEXT("%d camera actors in %s; active: %s (index %d)%s"), Cameras.Num(), *World->GetOutermost()->GetName(), *DisplayName(Subsystem->ActiveCamera.Get()),
			Subsystem->GetActiveCameraIndex(), Subsystem->bNeedsCameraUpdate ? TEXT(", re-resolution pending") : TEXT(""));
		for (int32 Index = 0; Index < Cameras.Num(); ++Index)
		{
			const AActor* Camera = Cameras[Index];
			const ULiveLinkComponentController* Controller = Camera->GetComponentByClass<ULiveLinkComponentController>();
			Ar.Logf(TEXT("  [%d] %s%s%s%s | controller: %s"), Index, *DisplayName(Camera),
				Camera == Active ? TEXT(" (active)") : TEXT(""),
				Camera->IsA<AQuovexCamera>() ? TEXT("") : TEXT(" (not a Quovex camera)"),
				Camera->ActorHasTag(QuovexTags::TAG_SEQUENCE_SPAWNED) ? TEXT(" (sequence spawned)") : TEXT(""),
				Controller ? *FString::Printf(TEXT("%s, subject %s"), *Controller->GetClass()->GetName(), *Controller->SubjectRepresentation.Subject.ToString()) : TEXT("none"));
		}
	}

	static void ActiveCamera(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		UQuovexVPEditorSubsystem* Subsystem = ExpectNoArgs(Args, TEXT("Quovex.ActiveCamera"), Ar) ? FindSubsystem(Ar) : nullptr;
		if (Subsystem)
		{
			const TWeakObjectPtr<AQuovexCamera> Camera = Subsystem->GetQuovexCamera();
			Ar.Logf(TEXT("%s (index %d)"), *DisplayName(Camera.Get()), Subsystem->GetActiveCameraIndex());
		}
	}

	static void FindCamera(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (Args.Num() == 0)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("Usage: Quovex.FindCamera <Label or Name>"));
			return;
		}
		if (UQuovexVPEditorSubsystem* Subsystem = FindSubsystem(Ar))
		{
			const FString Name = JoinName(Args);
			const TWeakObjectPtr<AQuovexCamera> Camera = Subsystem->GetQuovexCamera(Name);
			if (!Camera.IsValid())
			{
				Ar.Logf(ELogVerbosity::Error, TEXT("No Quovex camera named %s in the current world"), *Name);
				return;
			}
			Ar.Logf(TEXT("%s: %s"), *DisplayName(Camera.Get()), *Camera->GetPathName());
		}
	}

	static void TriggerActiveCameraChanged(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		UQuovexVPEditorSubsystem* Subsystem = FindSubsystem(Ar);
		if (!Subsystem)
		{
			return;
		}
		TWeakObjectPtr<AActor> Camera = Subsystem->ActiveCamera;
		if (Args.Num() > 0)
		{
			const FString Name = JoinName(Args);
			Camera = Subsystem->GetQuovexCamera(Name);
			if (!Camera.IsValid())
			{
				Ar.Logf(ELogVerbosity::Error, TEXT("No Quovex camera named %s in the current world"), *Name);
				return;
			}
		}
		Subsystem->TriggerActiveCameraChanged(Camera);
	}

	/** Runs one of the subsystem's operator-event broadcasts. */
	template<void (UQuovexVPEditorSubsystem::*Trigger)() const>
	static void RunTrigger(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		if (Args.Num() != 0)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("This command takes no arguments"));
			return;
		}
		if (const UQuovexVPEditorSubsystem* Subsystem = FindSubsystem(Ar))
		{
			(Subsystem->*Trigger)();
		}
	}

	static void AsyncActions(const TArray<FString>& Args, UWorld*, FOutputDevice& Ar)
	{
		const TCHAR* const Usage = TEXT("Usage: Quovex.AsyncActions [register <Name> | unregister <Name>]");
		UQuovexVPEditorSubsystem* Subsystem = FindSubsystem(Ar);
		if (!Subsystem)
		{
			return;
		}
		if (Args.Num() == 2)
		{
			const bool bRegister = Args[0].Equals(TEXT("register"), ESearchCase::IgnoreCase);
			const bool bUnregister = Args[0].Equals(TEXT("unregister"), ESearchCase::IgnoreCase);
			// The engine fails a check on a name this long rather than refuse it.
			if (Args[1].Len() >= NAME_SIZE)
			{
				Ar.Logf(ELogVerbosity::Error, TEXT("An action name takes up to %d characters, not %d. %s"), NAME_SIZE - 1, Args[1].Len(), Usage);
				return;
			}
			const FName ActionName(*Args[1]);
			if ((!bRegister && !bUnregister) || ActionName.IsNone())
			{
				Ar.Log(ELogVerbosity::Error, Usage);
				return;
			}
			// Actions are named objects of the transient package, as a Blueprint node's action would be.
			UBlueprintAsyncActionBase* Action = FindObject<UBlueprintAsyncActionBase>(GetTransientPackage(), *ActionName.ToString());
			if (bRegister)
			{
				if (!Action)
				{
					Action = NewObject<UBlueprintAsyncActionBase>(GetTransientPackage(), ActionName, RF_Transient);
				}
				Subsystem->RegisterBlueprintAsyncAction(Action);
			}
			else
			{
				if (!Action)
				{
					Ar.Logf(ELogVerbosity::Error, TEXT("No async action named %s"), *Args[1]);
					return;
				}
				Subsystem->UnregisterBlueprintAsyncAction(Action);
			}
		}
		else if (Args.Num() != 0)
		{
			Ar.Log(ELogVerbosity::Error, Usage);
			return;
		}
		// The list is private to the subsystem; its reflected property is how tools see it.
		const FArrayProperty* Property = CastField<FArrayProperty>(UQuovexVPEditorSubsystem::StaticClass()->FindPropertyByName(TEXT("ReferencedAsyncActions")));
		FString Listed;
		if (Property)
		{
			Property->ExportTextItem_Direct(Listed, Property->ContainerPtrToValuePtr<void>(Subsystem), nullptr, nullptr, PPF_None);
		}
		Ar.Logf(TEXT("Kept async actions: %s"), Listed.IsEmpty() ? TEXT("()") : *Listed);
	}

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice WatchEventsCommand(
		TEXT("Quovex.WatchEvents"),
		TEXT("[on|off]: logs every broadcast of the VP subsystem's camera and operator events"),
		QuovexConsoleWords::InWords(TEXT("Quovex.WatchEvents"), &WatchEvents));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice CamerasCommand(
		TEXT("Quovex.Cameras"),
		TEXT("Lists the current world's camera actors in the order the VP subsystem counts them, with the active one"),
		QuovexConsoleWords::InWords(TEXT("Quovex.Cameras"), &ListCameras));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice ActiveCameraCommand(
		TEXT("Quovex.ActiveCamera"),
		TEXT("Prints the active camera, resolving it again first when that is pending"),
		QuovexConsoleWords::InWords(TEXT("Quovex.ActiveCamera"), &ActiveCamera));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice FindCameraCommand(
		TEXT("Quovex.FindCamera"),
		TEXT("<Label or Name>: the Quovex camera of that label (else object name), case ignored"),
		QuovexConsoleWords::InWords(TEXT("Quovex.FindCamera"), &FindCamera));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice TriggerActiveCameraChangedCommand(
		TEXT("Quovex.TriggerActiveCameraChanged"),
		TEXT("[Label or Name]: tells the native listeners of a camera change (the active camera when none is named)"),
		QuovexConsoleWords::InWords(TEXT("Quovex.TriggerActiveCameraChanged"), &TriggerActiveCameraChanged));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice TriggerOpenTakeRecorderCommand(
		TEXT("Quovex.TriggerOpenTakeRecorder"),
		TEXT("Asks the listening panel to open the take recorder"),
		QuovexConsoleWords::InWords(TEXT("Quovex.TriggerOpenTakeRecorder"), &RunTrigger<&UQuovexVPEditorSubsystem::TriggerOpenTakeRecorder>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice TriggerResetTakeRecorderCommand(
		TEXT("Quovex.TriggerResetTakeRecorder"),
		TEXT("Asks the listening panel to reset the take recorder"),
		QuovexConsoleWords::InWords(TEXT("Quovex.TriggerResetTakeRecorder"), &RunTrigger<&UQuovexVPEditorSubsystem::TriggerResetTakeRecorder>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice TriggerReconnectToSwitcherCommand(
		TEXT("Quovex.TriggerReconnectToSwitcher"),
		TEXT("Asks the listening panel to reconnect to the video switcher"),
		QuovexConsoleWords::InWords(TEXT("Quovex.TriggerReconnectToSwitcher"), &RunTrigger<&UQuovexVPEditorSubsystem::TriggerReconnectToSwitcher>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice TriggerReconnectToKeyerCommand(
		TEXT("Quovex.TriggerReconnectToKeyer"),
		TEXT("Asks the listening panel to reconnect to the keyer"),
		QuovexConsoleWords::InWords(TEXT("Quovex.TriggerReconnectToKeyer"), &RunTrigger<&UQuovexVPEditorSubsystem::TriggerReconnectToKeyer>));

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice AsyncActionsCommand(
		TEXT("Quovex.AsyncActions"),
		TEXT("[register <Name> | unregister <Name>]: the Blueprint async actions the VP subsystem keeps alive"),
		QuovexConsoleWords::InWords(TEXT("Quovex.AsyncActions"), &AsyncActions));
}
