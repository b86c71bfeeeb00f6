// Copyright Quovex. All Rights Reserved.

#include "QuovexCommands.h"

#include "Styling/AppStyle.h"

#define LOCTEXT_NAMESPACE "QuovexTools"

FQuovexCommands::FQuovexCommands()
	: TCommands<FQuovexCommands>(
		TEXT("QuovexCommands"),
		FText::FromString(TEXT("Quovex Commands")),
		NAME_None,
		FAppStyle::GetAppStyleSetName())
{
}

void FQuovexCommands::RegisterCommands()
{
	UI_COMMAND(OpenOrvaneView, "Orvane Panel", "Open the Orvane management panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(ReconnectToSwitcher, "Reconnect to Switcher", "Reconnect to the Switcher", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(ResetTakeRecorder, "Reset Take Recorder", "Reset the Take Recorder settings", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenTakeRecorder, "Take Recorder", "Open the Take Recorder panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenTakeLog, "Take Log", "Open the Take Log panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenTakeImporter, "Take Importer", "Open the Take Importer panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(ReconnectToKeyer, "Reconnect Keyer", "Reconnect to the Keyer", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenVideoController, "Video Controller", "Open Video Controller", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenBeamInManager, "Beam In Manager", "Open Beam In Manager", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenStatus, "Status", "Open Status", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(ResetLayoutsDirectory, "Reset Layouts Directory", "Reset Layouts Directory", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(ResetViewports, "Reset Viewports", "Reset all open Viewports to default settings", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenCameraMonitor, "Camera Monitor", "Open Camera Monitor", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenExternalRecorderMonitor, "External Recorder Monitor", "Open External Recorder Monitor", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenAnimationControl, "Animation Control", "Open Animation Control", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenStageManager, "Stage Manager Panel", "Open the Quovex Stage management panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenCaldraManager, "Caldra", "Open Caldra panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenLensCalSequenceGenerator, "Lens Cal Sequence Generator", "Open Lens Cal Sequence Generator", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenMeshBuilder, "Mesh Builder", "Open the tracking based mesh builder", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenLensTweaker, "Lens Tweaker", "Open Lens Tweaker Pannel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenFocalDistanceWizard, "Focal Distance Wizard", "Open Focal Distance Wizard", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenNearWideGraph, "Near Wide Tweak Graph", "Open Near Wide Tweak Graph", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenKeyer, "Quovex Keyer", "Open Keyer", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(ToggleQuovexFillViewportCommand, "Quovex Output", "A viewport layout tailored to Quovex VP SDI output", EUserInterfaceActionType::RadioButton, FInputChord());
	UI_COMMAND(OpenXRController, "XR Controller", "Open the XR controller panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenXRMultiCam, "XR Multi Cam", "Open the XR Multi Cam panel", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenXRCameraPPSettings, "XR Camera Settings", "Open XR Camera Post Process Settings details view", EUserInterfaceActionType::Button, FInputChord());
	UI_COMMAND(OpenXRColorTransfer, "XR Color Transfer", "Open the XR Color Transfer panel", EUserInterfaceActionType::Button, FInputChord());
}

#undef LOCTEXT_NAMESPACE
