// Copyright Quovex. All Rights Reserved.

// Play-In-Editor control, the operator events and the async actions the subsystem keeps alive.

#include "QuovexVPEditorSubsystem.h"

#include "Editor.h"
#include "Editor/UnrealEdEngine.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "Kismet2/DebuggerCommands.h"
#include "Misc/CoreMisc.h"
#include "QuovexVirtualProductionEditorModule.h"
#include "UnrealEdGlobals.h"

void UQuovexVPEditorSubsystem::Play()
{
	if (IsRunningGame())
	{
		return;
	}
	if (GUnrealEd->PlayWorld == nullptr)
	{
		FPlayWorldCommandCallbacks::StartPlayFromHere();
		return;
	}
	UE_LOG(LogQuovexVirtualProductionEditor, Warning, TEXT("A PIE session already running"));
}

void UQuovexVPEditorSubsystem::Stop()
{
	if (IsRunningGame())
	{
		return;
	}
	if (FPlayWorldCommandCallbacks::HasPlayWorld())
	{
		GEditor->RequestEndPlayMap();
		return;
	}
	UE_LOG(LogQuovexVirtualProductionEditor, Warning, TEXT("There is no PIE session to stop"));
}

void UQuovexVPEditorSubsystem::TriggerOpenTakeRecorder() const
{
	OpenTakeRecorderEvent.Broadcast();
}

void UQuovexVPEditorSubsystem::TriggerResetTakeRecorder() const
{
	ResetTakeRecorderEvent.Broadcast();
}

void UQuovexVPEditorSubsystem::TriggerReconnectToSwitcher() const
{
	ReconnectToSwitcherEvent.Broadcast();
}

void UQuovexVPEditorSubsystem::TriggerReconnectToKeyer() const
{
	ReconnectToKeyerEvent.Broadcast();
}

void UQuovexVPEditorSubsystem::RegisterBlueprintAsyncAction(UBlueprintAsyncActionBase* Action)
{
	if (Action)
	{
		ReferencedAsyncActions.AddUnique(Action);
	}
}

void UQuovexVPEditorSubsystem::UnregisterBlueprintAsyncAction(UBlueprintAsyncActionBase* Action)
{
	const int32 Index = ReferencedAsyncActions.IndexOfByKey(Action);
	if (Index != INDEX_NONE)
	{
		ReferencedAsyncActions.RemoveAtSwap(Index, 1, true);
	}
}

void UQuovexVPEditorSubsystem::OnEnginePreExit()
{
	ReferencedAsyncActions.Empty();
}
