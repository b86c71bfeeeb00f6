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

	struct FSection
	{
		FText Heading;
		TArray<TSharedPtr<FUICommandInfo>> Commands;
	};
	// Sync is reserved for the timecode and genlock tools and has no entries yet.
	const FSection Sections[] = {
		{ LOCTEXT("Tracking", "Tracking"), { Commands.OpenOrvaneView, Commands.ResetTakeRecorder, Commands.OpenTakeRecorder, Commands.OpenTakeLog, Commands.OpenTakeImporter } },
		{ LOCTEXT("Video", "Video"), { Commands.OpenVideoController, Commands.OpenKeyer, Commands.OpenCameraMonitor, Commands.OpenExternalRecorderMonitor, Commands.OpenBeamInManager } },
		{ LOCTEXT("Sync", "Sync"), {} },
		{ LOCTEXT("XR", "XR"), { Commands.OpenXRController, Commands.OpenMeshBuilder, Commands.OpenXRMultiCam, Commands.OpenXRCameraPPSettings, Commands.OpenXRColorTransfer } },
		{ LOCTEXT("Misc", "Misc"), { Commands.ResetLayoutsDirectory, Commands.ResetViewports, Commands.OpenCaldraManager, Commands.OpenStatus, Commands.OpenStageManager, Commands.OpenAnimationControl, Commands.ReconnectToSwitcher, Commands.ReconnectToKeyer, Commands.OpenLensTweaker } },
	};

	FMenuBuilder MenuBuilder(true, CommandList, nullptr, false, &FAppStyle::Get(), true, NAME_None, true);
	for (const FSection& Section : Sections)
	{
		MenuBuilder.BeginSection(NAME_None, Section.Heading);
		for (const TSharedPtr<FUICommandInfo>& Command : Section.Commands)
		{
			MenuBuilder.AddMenuEntry(Command);
		}
		MenuBuilder.EndSection();
	}
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

	struct FPanel
	{
		TSharedPtr<FUICommandInfo> Command;
		FText Label;
	};
	// The panels under names of their own; each keeps its command's tooltip.
	const FPanel Panels[] = {
		{ Commands.OpenOrvaneView, LOCTEXT("OrvaneView", "Orvane View") },
		{ Commands.OpenVideoController, LOCTEXT("VideoController", "Video Controller") },
		{ Commands.OpenKeyer, LOCTEXT("Keyer", "Keyer") },
		{ Commands.OpenCaldraManager, LOCTEXT("ZUZCaldra", "Caldra") },
		{ Commands.OpenStatus, LOCTEXT("Status", "Status") },
		{ Commands.OpenCameraMonitor, LOCTEXT("CameraMonitor", "Camera Monitor") },
		{ Commands.OpenExternalRecorderMonitor, LOCTEXT("ExternalRecorderMonitor", "External Recorder Monitor") },
		{ Commands.OpenAnimationControl, LOCTEXT("AnimationManager", "Animation Control") },
		{ Commands.OpenTakeLog, LOCTEXT("TakeLog", "Take Log") },
		{ Commands.OpenTakeImporter, LOCTEXT("TakeImporter", "Take Importer") },
		{ Commands.OpenStageManager, LOCTEXT("StageManager", "Stage Manager") },
		{ Commands.OpenLensTweaker, LOCTEXT("LensTweaker", "Lens Tweaker") },
		{ Commands.OpenFocalDistanceWizard, LOCTEXT("FocalDistanceWizard", "Focal Distance Wizard") },
		{ Commands.OpenBeamInManager, LOCTEXT("BeamInManager", "Beam In Manager") },
	};

	MenuBuilder.BeginSection(NAME_None, LOCTEXT("QuovexPanels", "Quovex Panels"));
	for (const FPanel& Panel : Panels)
	{
		MenuBuilder.AddMenuEntry(Panel.Command, NAME_None, Panel.Label, TAttribute<FText>(), PanelIcon);
	}
	MenuBuilder.EndSection();
}

#undef LOCTEXT_NAMESPACE
