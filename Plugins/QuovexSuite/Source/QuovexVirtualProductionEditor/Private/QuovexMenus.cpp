// Copyright Quovex. All Rights Reserved.

// The operator's two ways in: the "Quovex Actions" combo of the level editor toolbar, listing every
// command, and the Window menu's "Quovex Panels" section, listing the panels.

#include "QuovexVirtualProductionEditorModule.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "QuovexCommands.h"
#include "QuovexVirtualProductionStyle.h"
#include "Styling/AppStyle.h"
#include "Textures/SlateIcon.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ToolMenus.h"

#define LOCTEXT_NAMESPACE "QuovexVirtualProductionEditorModule"

void FQuovexVirtualProductionEditorModule::RegisterToolbarButton()
{
	FToolMenuOwnerScoped OwnerScoped(this);

	const FSlateIcon ComboIcon(FQuovexVirtualProductionStyle::GetStyleSetName(), FQuovexVirtualProductionStyle::IconMediumName, NAME_None, NAME_None);

	UToolMenu* ToolbarMenu = UToolMenus::Get()->ExtendMenu(TEXT("LevelEditor.LevelEditorToolBar.User"));
	FToolMenuSection& Section = ToolbarMenu->FindOrAddSection(TEXT("Quovex"));

	// The button itself does nothing; everything is in its drop-down.
	FToolMenuEntry ComboEntry = FToolMenuEntry::InitComboButton(
		TEXT("Quovex Actions"),
		FUIAction(FExecuteAction::CreateLambda([]() {}), FCanExecuteAction::CreateLambda([]() { return true; })),
		FOnGetContent::CreateRaw(this, &FQuovexVirtualProductionEditorModule::GenerateMenuContent),
		LOCTEXT("QuovexActions_Label", "Quovex"),
		LOCTEXT("QuovexActions_ToolTip", "Quovex actions and settings"),
		ComboIcon,
		false,
		NAME_None);
	ComboEntry.StyleNameOverride = TEXT("AssetEditorToolbar");
	Section.AddEntry(ComboEntry);
}

TSharedRef<SWidget> FQuovexVirtualProductionEditorModule::GenerateMenuContent()
{
	const TSharedRef<FUICommandList> CommandList = GetCommandList();
	const FQuovexCommands& Commands = FQuovexCommands::Get();

	FMenuBuilder MenuBuilder(true, CommandList, nullptr, false, &FAppStyle::Get(), true, NAME_None, true);

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("Tracking", "Tracking"));
	MenuBuilder.AddMenuEntry(Commands.OpenOrvaneView);
	MenuBuilder.AddMenuEntry(Commands.ResetTakeRecorder);
	MenuBuilder.AddMenuEntry(Commands.OpenTakeRecorder);
	MenuBuilder.AddMenuEntry(Commands.OpenTakeLog);
	MenuBuilder.AddMenuEntry(Commands.OpenTakeImporter);
	MenuBuilder.EndSection();

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("Video", "Video"));
	MenuBuilder.AddMenuEntry(Commands.OpenVideoController);
	MenuBuilder.AddMenuEntry(Commands.OpenKeyer);
	MenuBuilder.AddMenuEntry(Commands.OpenCameraMonitor);
	MenuBuilder.AddMenuEntry(Commands.OpenExternalRecorderMonitor);
	MenuBuilder.AddMenuEntry(Commands.OpenBeamInManager);
	MenuBuilder.EndSection();

	// Reserved for the timecode and genlock tools.
	MenuBuilder.BeginSection(NAME_None, LOCTEXT("Sync", "Sync"));
	MenuBuilder.EndSection();

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("XR", "XR"));
	MenuBuilder.AddMenuEntry(Commands.OpenXRController);
	MenuBuilder.AddMenuEntry(Commands.OpenMeshBuilder);
	MenuBuilder.AddMenuEntry(Commands.OpenXRMultiCam);
	MenuBuilder.AddMenuEntry(Commands.OpenXRCameraPPSettings);
	MenuBuilder.AddMenuEntry(Commands.OpenXRColorTransfer);
	MenuBuilder.EndSection();

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("Misc", "Misc"));
	MenuBuilder.AddMenuEntry(Commands.ResetLayoutsDirectory);
	MenuBuilder.AddMenuEntry(Commands.ResetViewports);
	MenuBuilder.AddMenuEntry(Commands.OpenCaldraManager);
	MenuBuilder.AddMenuEntry(Commands.OpenStatus);
	MenuBuilder.AddMenuEntry(Commands.OpenStageManager);
	MenuBuilder.AddMenuEntry(Commands.OpenAnimationControl);
	MenuBuilder.AddMenuEntry(Commands.ReconnectToSwitcher);
	MenuBuilder.AddMenuEntry(Commands.ReconnectToKeyer);
	MenuBuilder.AddMenuEntry(Commands.OpenLensTweaker);
	MenuBuilder.EndSection();

	return MenuBuilder.MakeWidget();
}

void FQuovexVirtualProductionEditorModule::RegisterWindowMenuExtension()
{
	TSharedPtr<FExtender> MenuExtender = MakeShared<FExtender>();
	MenuExtender->AddMenuExtension(TEXT("WindowLayout"), EExtensionHook::Before, GetCommandList(),
		FMenuExtensionDelegate::CreateRaw(this, &FQuovexVirtualProductionEditorModule::FillPanelsMenu));

	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	LevelEditorModule.GetMenuExtensibilityManager()->AddExtender(MenuExtender);
}

void FQuovexVirtualProductionEditorModule::FillPanelsMenu(FMenuBuilder& MenuBuilder)
{
	const FQuovexCommands& Commands = FQuovexCommands::Get();
	const FSlateIcon PanelIcon(FQuovexVirtualProductionStyle::GetStyleSetName(), FQuovexVirtualProductionStyle::IconSmallName, NAME_None, NAME_None);
	const TAttribute<FText> CommandToolTip;

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("QuovexPanels", "Quovex Panels"));
	MenuBuilder.AddMenuEntry(Commands.OpenOrvaneView, NAME_None, LOCTEXT("OrvaneView", "Orvane View"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenVideoController, NAME_None, LOCTEXT("VideoController", "Video Controller"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenKeyer, NAME_None, LOCTEXT("Keyer", "Keyer"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenCaldraManager, NAME_None, LOCTEXT("ZUZCaldra", "Caldra"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenStatus, NAME_None, LOCTEXT("Status", "Status"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenCameraMonitor, NAME_None, LOCTEXT("CameraMonitor", "Camera Monitor"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenExternalRecorderMonitor, NAME_None, LOCTEXT("ExternalRecorderMonitor", "External Recorder Monitor"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenAnimationControl, NAME_None, LOCTEXT("AnimationManager", "Animation Control"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenTakeLog, NAME_None, LOCTEXT("TakeLog", "Take Log"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenTakeImporter, NAME_None, LOCTEXT("TakeImporter", "Take Importer"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenStageManager, NAME_None, LOCTEXT("StageManager", "Stage Manager"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenLensTweaker, NAME_None, LOCTEXT("LensTweaker", "Lens Tweaker"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenFocalDistanceWizard, NAME_None, LOCTEXT("FocalDistanceWizard", "Focal Distance Wizard"), CommandToolTip, PanelIcon);
	MenuBuilder.AddMenuEntry(Commands.OpenBeamInManager, NAME_None, LOCTEXT("BeamInManager", "Beam In Manager"), CommandToolTip, PanelIcon);
	MenuBuilder.EndSection();
}

#undef LOCTEXT_NAMESPACE
