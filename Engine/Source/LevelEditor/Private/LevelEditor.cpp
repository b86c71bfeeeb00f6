#include "LevelEditor.h"

#include "Framework/Docking/TabManager.h"
#include "Modules/ModuleManager.h"
#include "Widgets/Docking/SDockTab.h"

#define LOCTEXT_NAMESPACE "LevelEditor"

IMPLEMENT_MODULE(FLevelEditorModule, LevelEditor);

const FName FLevelEditorModule::LevelEditorTabName(TEXT("LevelEditor"));

void FLevelEditorModule::StartupModule()
{
	// The main frame invokes this spawner when the editor UI comes up.
	FGlobalTabmanager::Get()->RegisterNomadTabSpawner(LevelEditorTabName, FOnSpawnTab::CreateRaw(this, &FLevelEditorModule::SpawnLevelEditor))
		.SetDisplayName(LOCTEXT("LevelEditorTab", "Level Editor"))
		.SetMenuType(ETabSpawnerMenuType::Hidden);
}

void FLevelEditorModule::ShutdownModule()
{
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
}

TSharedRef<SDockTab> FLevelEditorModule::SpawnLevelEditor(const FSpawnTabArgs& InArgs)
{
	TSharedRef<SDockTab> MajorTab = SNew(SDockTab)
		.TabRole(ETabRole::MajorTab)
		.Label(LOCTEXT("LevelEditorTabLabel", "Level Editor"));
	LevelEditorTab = MajorTab;
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

#undef LOCTEXT_NAMESPACE
