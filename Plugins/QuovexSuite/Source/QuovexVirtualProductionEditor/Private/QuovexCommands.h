// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/Commands.h"

class FUICommandInfo;

/** The operator's commands, reached from the toolbar combo and the Window menu. */
class FQuovexCommands : public TCommands<FQuovexCommands>
{
public:
	FQuovexCommands();

	virtual void RegisterCommands() override;

	TSharedPtr<FUICommandInfo> OpenOrvaneView;
	TSharedPtr<FUICommandInfo> ReconnectToSwitcher;
	TSharedPtr<FUICommandInfo> ResetTakeRecorder;
	TSharedPtr<FUICommandInfo> OpenTakeRecorder;
	TSharedPtr<FUICommandInfo> OpenTakeLog;
	TSharedPtr<FUICommandInfo> OpenTakeImporter;
	TSharedPtr<FUICommandInfo> ReconnectToKeyer;
	TSharedPtr<FUICommandInfo> OpenVideoController;
	TSharedPtr<FUICommandInfo> OpenBeamInManager;
	TSharedPtr<FUICommandInfo> OpenStatus;
	TSharedPtr<FUICommandInfo> ResetLayoutsDirectory;
	TSharedPtr<FUICommandInfo> ResetViewports;
	TSharedPtr<FUICommandInfo> OpenCameraMonitor;
	TSharedPtr<FUICommandInfo> OpenExternalRecorderMonitor;
	TSharedPtr<FUICommandInfo> OpenAnimationControl;
	TSharedPtr<FUICommandInfo> OpenStageManager;
	TSharedPtr<FUICommandInfo> OpenCaldraManager;
	TSharedPtr<FUICommandInfo> OpenLensCalSequenceGenerator;
	TSharedPtr<FUICommandInfo> OpenLensTweaker;
	TSharedPtr<FUICommandInfo> OpenFocalDistanceWizard;
	TSharedPtr<FUICommandInfo> OpenNearWideGraph;
	TSharedPtr<FUICommandInfo> OpenKeyer;
	TSharedPtr<FUICommandInfo> ToggleQuovexFillViewportCommand;
	TSharedPtr<FUICommandInfo> OpenXRCameraPPSettings;
	TSharedPtr<FUICommandInfo> OpenMeshBuilder;
	TSharedPtr<FUICommandInfo> OpenXRController;
	TSharedPtr<FUICommandInfo> OpenXRMultiCam;
	TSharedPtr<FUICommandInfo> OpenXRColorTransfer;
};
