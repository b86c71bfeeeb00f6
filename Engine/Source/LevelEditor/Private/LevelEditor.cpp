#include "LevelEditor.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/Docking/TabManager.h"
#include "LevelViewportActions.h"
#include "Modules/ModuleManager.h"
#include "SLevelEditor.h"
#include "SLevelViewport.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ToolMenus.h"
#include "Widgets/Docking/SDockTab.h"

#define LOCTEXT_NAMESPACE "LevelEditor"

IMPLEMENT_MODULE(FLevelEditorModule, LevelEditor);

const FName FLevelEditorModule::LevelEditorTabName(TEXT("LevelEditor"));

void FLevelEditorModule::StartupModule()
{
	MenuExtensibilityManager = MakeShared<FExtensibilityManager>();
	ToolBarExtensibilityManager = MakeShared<FExtensibilityManager>();
	GlobalLevelEditorActions = MakeShared<FUICommandList>();
	FLevelViewportCommands::Register();

	// The main frame invokes this spawner when the editor UI comes up.
	// clang-format off
	FGlobalTabmanager::Get()->RegisterNomadTabSpawner(LevelEditorTabName, FOnSpawnTab::CreateRaw(this, &FLevelEditorModule::SpawnLevelEditor))
		.SetDisplayName(LOCTEXT("LevelEditorTab", "Level Editor"))
		.SetMenuType(ETabSpawnerMenuType::Hidden);
	// clang-format on

	ToolMenusStartupHandle = UToolMenus::RegisterStartupCallback(FSimpleMulticastDelegate::FDelegate::CreateRaw(this, &FLevelEditorModule::RegisterMenus));
}

void FLevelEditorModule::ShutdownModule()
{
	UToolMenus::UnRegisterStartupCallback(ToolMenusStartupHandle);
	UToolMenus::UnregisterOwner(this);

	FGlobalTabmanager::Get()->UnregisterNomadTabSpawner(LevelEditorTabName);
	if (LevelEditorTabManager.IsValid())
	{
		LevelEditorTabManager->CloseAllAreas();
		LevelEditorTabManager->UnregisterAllTabSpawners();
		LevelEditorTabManager.Reset();
	}
	if (TSharedPtr<SDockTab> Tab = LevelEditorTab.Pin())
	{
		Tab->SetOnTabClosed(SDockTab::FOnTabClosedCallback());
		Tab->RequestCloseTab();
	}
	LevelEditorInstance.Reset();
	FLevelViewportCommands::Unregister();
	MenuExtensibilityManager.Reset();
	ToolBarExtensibilityManager.Reset();
}

TSharedRef<SDockTab> FLevelEditorModule::SpawnLevelEditor(const FSpawnTabArgs& InArgs)
{
	// clang-format off
	TSharedRef<SDockTab> MajorTab = SNew(SDockTab)
		.TabRole(ETabRole::MajorTab)
		.Label(LOCTEXT("LevelEditorTabLabel", "Level Editor"));
	// clang-format on
	LevelEditorTab = MajorTab;

	// The level editor and its viewport exist before anyone hears of the new tab manager.
	TSharedRef<SLevelEditor> LevelEditor = SNew(SLevelEditor);
	MajorTab->SetContent(LevelEditor);
	LevelEditorInstance = LevelEditor;

	// The tab is put in its window after this returns; the tab manager finds the window through the tab later.
	SetLevelEditorTabManager(MajorTab);
	return MajorTab;
}

TSharedPtr<FTabManager> FLevelEditorModule::GetLevelEditorTabManager() const
{
	return LevelEditorTabManager;
}

void FLevelEditorModule::SetLevelEditorTabManager(const TSharedPtr<SDockTab>& OwnerTab)
{
	if (LevelEditorTabManager.IsValid())
	{
		LevelEditorTabManager->CloseAllAreas();
		LevelEditorTabManager->UnregisterAllTabSpawners();
	}
	LevelEditorTabManager = FGlobalTabmanager::Get()->NewTabManager(OwnerTab.ToSharedRef());
	TabManagerChangedEvent.Broadcast();
}

void FLevelEditorModule::BroadcastMapChanged(UWorld* World, EMapChangeType MapChangeType)
{
	MapChangedEvent.Broadcast(World, MapChangeType);
}

TSharedPtr<SLevelViewport> FLevelEditorModule::GetFirstActiveLevelViewport()
{
	const TSharedPtr<ILevelEditor> LevelEditor = LevelEditorInstance.Pin();
	return LevelEditor.IsValid() ? LevelEditor->GetActiveViewportInterface() : nullptr;
}

TSharedPtr<IAssetViewport> FLevelEditorModule::GetFirstActiveViewport()
{
	return GetFirstActiveLevelViewport();
}

TWeakPtr<ILevelEditor> FLevelEditorModule::GetLevelEditorInstance() const
{
	return LevelEditorInstance;
}

TSharedPtr<ILevelEditor> FLevelEditorModule::GetFirstLevelEditor() const
{
	return LevelEditorInstance.Pin();
}

const TSharedRef<FUICommandList> FLevelEditorModule::GetGlobalLevelEditorActions() const
{
	checkf(GlobalLevelEditorActions.IsValid(), TEXT("FLevelEditorModule: the level editor's actions exist only between start-up and shut-down"));
	return GlobalLevelEditorActions.ToSharedRef();
}

#undef LOCTEXT_NAMESPACE
