// Copyright Quovex. All Rights Reserved.

// Output viewport tabs: level viewports laid out for the stage's video output, opened from the Window menu.

#include "QuovexTabManager.h"

#include "AssetEditorViewportLayout.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "LevelViewportTabContent.h"
#include "Modules/ModuleManager.h"
#include "QuovexVirtualProductionStyle.h"
#include "SLevelViewport.h"
#include "Textures/SlateIcon.h"
#include "Widgets/Docking/SDockTab.h"
#include "WorkspaceMenuStructure.h"
#include "WorkspaceMenuStructureModule.h"

#define LOCTEXT_NAMESPACE "QuovexOutputTabs"

namespace QuovexOutputTabs
{
	static const FName SpawnerId(TEXT("QuovexFOutputViewport"));
	static const FName LayoutName(TEXT("Quovex Output"));
}

void FQuovexTabManager::RegisterOutputViewportTabSpawner()
{
	const IWorkspaceMenuStructure& MenuStructure = WorkspaceMenu::GetMenuStructure();

	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const TSharedPtr<FTabManager> LevelEditorTabManager = LevelEditorModule.GetLevelEditorTabManager();
	if (LevelEditorTabManager->HasTabSpawner(QuovexOutputTabs::SpawnerId))
	{
		return;
	}

	const FText Label = LOCTEXT("QuovexOutputViewport", "Output");
	LevelEditorTabManager->RegisterTabSpawner(QuovexOutputTabs::SpawnerId, FOnSpawnTab::CreateStatic(&FQuovexTabManager::SpawnQuovexOutputTab, Label, QuovexOutputTabs::LayoutName))
		.SetDisplayName(Label)
		.SetTooltipText(NSLOCTEXT("QuovexLevelEditorTabs", "QuovexLevelEditorViewportTooltip", "Open a Quovex output viewport tab."))
		.SetGroup(MenuStructure.GetLevelEditorViewportsCategory())
		.SetIcon(FSlateIcon(FQuovexVirtualProductionStyle::GetStyleSetName(), FQuovexVirtualProductionStyle::IconSmallName));
}

TSharedRef<SDockTab> FQuovexTabManager::SpawnQuovexOutputTab(const FSpawnTabArgs& SpawnTabArgs, FText Label, FName LayoutName)
{
	// clang-format off
	TSharedRef<SDockTab> OutputTab = SNew(SDockTab)
		.Label(Label)
		.OnTabClosed(SDockTab::FOnTabClosedCallback::CreateStatic(&FQuovexTabManager::ViewportTabClosed, LayoutName));
	// clang-format on

	TSharedPtr<FLevelViewportTabContent> TabContent = MakeShareable(new FLevelViewportTabContent());

	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const AssetEditorViewportFactoryFunction MakeViewport = [&LevelEditorModule](const FAssetEditorViewportConstructionArgs& ConstructionArgs) -> TSharedRef<SEditorViewport> {
		return SNew(SLevelViewport, ConstructionArgs)
			.ParentLevelEditor(LevelEditorModule.GetLevelEditorInstance());
	};

	// The tab content lays the viewports out under the layout's name; we keep no reference to it.
	TabContent->Initialize(MakeViewport, OutputTab, LayoutName.ToString());
	return OutputTab;
}

void FQuovexTabManager::ViewportTabClosed(TSharedRef<SDockTab> Tab, FName LayoutName)
{
}

#undef LOCTEXT_NAMESPACE
