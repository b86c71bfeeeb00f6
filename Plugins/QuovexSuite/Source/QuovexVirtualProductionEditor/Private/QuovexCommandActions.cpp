// Copyright Quovex. All Rights Reserved.

// What each command does: panels open through the tab manager, operator requests go to the VP subsystem,
// and two commands act on the editor itself (layout files, level viewports).

#include "QuovexVirtualProductionEditorModule.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorViewportClient.h"
#include "Framework/Commands/UICommandList.h"
#include "LevelEditorViewport.h"
#include "LevelViewportActions.h"
#include "QuovexCommands.h"
#include "QuovexTabManager.h"
#include "QuovexVPEditorSubsystem.h"
#include "SEditorViewport.h"

TSharedRef<FUICommandList> FQuovexVirtualProductionEditorModule::GetCommandList()
{
	const FQuovexCommands& Commands = FQuovexCommands::Get();
	FUICommandList& List = *PluginCommands;
	typedef FQuovexVirtualProductionEditorModule FModule;

	// Mapping again replaces each action, so every call leaves one action per command.
	List.MapAction(Commands.OpenOrvaneView, FExecuteAction::CreateRaw(this, &FModule::OpenOrvaneView), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.ResetTakeRecorder, FExecuteAction::CreateRaw(this, &FModule::ResetTakeRecorder), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenTakeRecorder, FExecuteAction::CreateRaw(this, &FModule::OpenTakeRecorder), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenTakeLog, FExecuteAction::CreateRaw(this, &FModule::OpenTakeLog), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenTakeImporter, FExecuteAction::CreateRaw(this, &FModule::OpenTakeImporter), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenVideoController, FExecuteAction::CreateRaw(this, &FModule::OpenVideoController), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenKeyer, FExecuteAction::CreateRaw(this, &FModule::OpenKeyer), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenCameraMonitor, FExecuteAction::CreateRaw(this, &FModule::OpenCameraMonitor), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenExternalRecorderMonitor, FExecuteAction::CreateRaw(this, &FModule::OpenExternalRecorderMonitor), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenBeamInManager, FExecuteAction::CreateRaw(this, &FModule::OpenBeamInManager), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.ResetLayoutsDirectory, FExecuteAction::CreateRaw(this, &FModule::ResetLayoutsDirectory), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.ResetViewports, FExecuteAction::CreateRaw(this, &FModule::ResetViewports), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenLensTweaker, FExecuteAction::CreateRaw(this, &FModule::OpenLensTweaker), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenFocalDistanceWizard, FExecuteAction::CreateRaw(this, &FModule::OpenFocDistWiz), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenNearWideGraph, FExecuteAction::CreateRaw(this, &FModule::OpenNearWideTweakGraph), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenStatus, FExecuteAction::CreateRaw(this, &FModule::OpenStatus), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.ReconnectToSwitcher, FExecuteAction::CreateRaw(this, &FModule::ReconnectToSwitcher), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.ReconnectToKeyer, FExecuteAction::CreateRaw(this, &FModule::ReconnectToKeyer), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenStageManager, FExecuteAction::CreateRaw(this, &FModule::OpenStageManager), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenAnimationControl, FExecuteAction::CreateRaw(this, &FModule::OpenAnimationControl), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenCaldraManager, FExecuteAction::CreateRaw(this, &FModule::OpenCaldraManager), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenMeshBuilder, FExecuteAction::CreateRaw(this, &FModule::OpenMeshBuilder), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenXRController, FExecuteAction::CreateRaw(this, &FModule::OpenXRController), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenXRMultiCam, FExecuteAction::CreateRaw(this, &FModule::OpenXRMultiCam), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);
	List.MapAction(Commands.OpenXRColorTransfer, FExecuteAction::CreateRaw(this, &FModule::OpenXRColorTransfer), FCanExecuteAction(), EUIActionRepeatMode::RepeatDisabled);

	return PluginCommands.ToSharedRef();
}

void FQuovexVirtualProductionEditorModule::OpenOrvaneView()
{
	OpenTabOrLog(FQuovexTabManager::OrvaneViewTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenTakeLog()
{
	OpenTabOrLog(FQuovexTabManager::TakeLogTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenTakeImporter()
{
	OpenTabOrLog(FQuovexTabManager::TakeImporterTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenVideoController()
{
	OpenTabOrLog(FQuovexTabManager::VideoControllerTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenKeyer()
{
	OpenTabOrLog(FQuovexTabManager::KeyerTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenCameraMonitor()
{
	OpenTabOrLog(FQuovexTabManager::CameraMonitorTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenExternalRecorderMonitor()
{
	OpenTabOrLog(FQuovexTabManager::ExternalRecorderMonitorTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenBeamInManager()
{
	OpenTabOrLog(FQuovexTabManager::BeamInManagerTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenLensTweaker()
{
	OpenTabOrLog(FQuovexTabManager::LensTweakerTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenStatus()
{
	OpenTabOrLog(FQuovexTabManager::StatusTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenStageManager()
{
	OpenTabOrLog(FQuovexTabManager::StageManagerTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenAnimationControl()
{
	OpenTabOrLog(FQuovexTabManager::AnimationControlTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenCaldraManager()
{
	OpenTabOrLog(FQuovexTabManager::CaldraManagerTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenMeshBuilder()
{
	OpenTabOrLog(FQuovexTabManager::MeshBuilderTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenXRController()
{
	OpenTabOrLog(FQuovexTabManager::XRControllerTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenXRMultiCam()
{
	OpenTabOrLog(FQuovexTabManager::XRMultiCamTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenXRColorTransfer()
{
	OpenTabOrLog(FQuovexTabManager::XRColorTransferTab.TabId);
}

namespace QuovexCommandActions
{
	/** Passes an operator request to the VP subsystem's listeners; without the subsystem nobody is told. */
	static void TriggerOnSubsystem(void (UQuovexVPEditorSubsystem::*Trigger)() const)
	{
		if (UQuovexVPEditorSubsystem* Subsystem = UQuovexVPEditorSubsystem::Get())
		{
			(Subsystem->*Trigger)();
		}
	}
}

void FQuovexVirtualProductionEditorModule::ResetTakeRecorder()
{
	QuovexCommandActions::TriggerOnSubsystem(&UQuovexVPEditorSubsystem::TriggerResetTakeRecorder);
}

void FQuovexVirtualProductionEditorModule::OpenTakeRecorder()
{
	QuovexCommandActions::TriggerOnSubsystem(&UQuovexVPEditorSubsystem::TriggerOpenTakeRecorder);
}

void FQuovexVirtualProductionEditorModule::ReconnectToSwitcher()
{
	QuovexCommandActions::TriggerOnSubsystem(&UQuovexVPEditorSubsystem::TriggerReconnectToSwitcher);
}

void FQuovexVirtualProductionEditorModule::ReconnectToKeyer()
{
	QuovexCommandActions::TriggerOnSubsystem(&UQuovexVPEditorSubsystem::TriggerReconnectToKeyer);
}

void FQuovexVirtualProductionEditorModule::ResetViewports()
{
	if (!GEditor)
	{
		return;
	}

	// A copy: a viewport may open or close while the commands run.
	const TArray<FLevelEditorViewportClient*> ViewportClients = GEditor->GetLevelViewportClients();
	for (FLevelEditorViewportClient* ViewportClient : ViewportClients)
	{
		if (!ViewportClient)
		{
			continue;
		}
		const TSharedPtr<SEditorViewport> ViewportWidget = ViewportClient->GetEditorViewportWidget();
		if (!ViewportWidget.IsValid())
		{
			continue;
		}
		// The viewport binds the command itself; whether it runs is the viewport's business.
		ViewportWidget->GetCommandList()->TryExecuteAction(FLevelViewportCommands::Get().UseDefaultShowFlags.ToSharedRef());
	}
}
