#include "EditorUtilitySubsystem.h"

#include "BlutilityPrivate.h"
#include "EditorUtilityWidget.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "IBlutilityModule.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "Widgets/Docking/SDockTab.h"

#define LOCTEXT_NAMESPACE "EditorUtilitySubsystem"

UEditorUtilitySubsystem::UEditorUtilitySubsystem()
{
}

void UEditorUtilitySubsystem::Initialize(FSubsystemCollectionBase& Collection)
{
	Super::Initialize(Collection);
}

void UEditorUtilitySubsystem::Deinitialize()
{
	RegisteredTabs.Empty();
	LoadedUIs.Empty();
	Super::Deinitialize();
}

TSharedPtr<FTabManager> UEditorUtilitySubsystem::GetLevelEditorTabManager() const
{
	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	return LevelEditorModule.GetLevelEditorTabManager();
}

bool UEditorUtilitySubsystem::SpawnRegisteredTabByID(FName NewTabID)
{
	UEditorUtilityWidgetBlueprint* const* Found = RegisteredTabs.Find(NewTabID);
	if (Found == nullptr || *Found == nullptr)
	{
		return false;
	}
	TSharedPtr<FTabManager> TabManager = GetLevelEditorTabManager();
	if (!TabManager.IsValid() || !TabManager->HasTabSpawner(NewTabID))
	{
		return false;
	}

	// Spawns the tab, or brings forward the one already open.
	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(NewTabID), false);
	if (!Tab.IsValid())
	{
		return false;
	}
	FModuleManager::LoadModuleChecked<IBlutilityModule>(TEXT("Blutility")).AddLoadedScriptUI(*Found);
	return true;
}

bool UEditorUtilitySubsystem::DoesTabExist(FName NewTabID)
{
	TSharedPtr<FTabManager> TabManager = GetLevelEditorTabManager();
	return TabManager.IsValid() && TabManager->FindExistingLiveTab(FTabId(NewTabID)).IsValid();
}

bool UEditorUtilitySubsystem::CloseTabByID(FName NewTabID)
{
	TSharedPtr<FTabManager> TabManager = GetLevelEditorTabManager();
	if (!TabManager.IsValid())
	{
		return false;
	}
	TSharedPtr<SDockTab> Tab = TabManager->FindExistingLiveTab(FTabId(NewTabID));
	if (!Tab.IsValid())
	{
		return false;
	}
	// Closed as the user closes it, so the tab's on-closed callback runs.
	Tab->RequestCloseTab();
	return true;
}

void UEditorUtilitySubsystem::RegisterTabAndGetID(UEditorUtilityWidgetBlueprint* InBlueprint, FName& NewTabID)
{
	if (InBlueprint == nullptr)
	{
		return;
	}
	NewTabID = FName(*(InBlueprint->GetPathName() + LOCTEXT("ActiveTabSuffix", "_ActiveTab").ToString()));

	TSharedPtr<FTabManager> TabManager = GetLevelEditorTabManager();
	if (!TabManager.IsValid())
	{
		UE_LOG(LogEditorUtilityBlueprint, Warning, TEXT("Cannot register a tab for %s: the level editor has no tab manager yet"), *InBlueprint->GetPathName());
		return;
	}
	if (!TabManager->HasTabSpawner(NewTabID))
	{
		TWeakObjectPtr<UEditorUtilityWidgetBlueprint> WeakBlueprint(InBlueprint);
		FTabSpawnerEntry& Spawner = TabManager->RegisterTabSpawner(NewTabID, FOnSpawnTab::CreateLambda([WeakBlueprint](const FSpawnTabArgs& SpawnTabArgs) {
			UEditorUtilityWidgetBlueprint* Blueprint = WeakBlueprint.Get();
			return Blueprint != nullptr ? Blueprint->SpawnEditorUITab(SpawnTabArgs) : SNew(SDockTab);
		}));
		Spawner.SetDisplayName(FText::FromString(InBlueprint->GetName()));
		IBlutilityModule& BlutilityModule = FModuleManager::LoadModuleChecked<IBlutilityModule>(TEXT("Blutility"));
		if (BlutilityModule.GetMenuGroup().IsValid())
		{
			Spawner.SetGroup(BlutilityModule.GetMenuGroup().ToSharedRef());
		}
	}
	InBlueprint->SetRegistrationName(NewTabID);
	RegisteredTabs.Add(NewTabID, InBlueprint);
}

UEditorUtilityWidget* UEditorUtilitySubsystem::SpawnAndRegisterTabAndGetID(UEditorUtilityWidgetBlueprint* InBlueprint, FName& NewTabID)
{
	RegisterTabAndGetID(InBlueprint, NewTabID);
	if (InBlueprint == nullptr || !SpawnRegisteredTabByID(NewTabID))
	{
		return nullptr;
	}
	return InBlueprint->GetCreatedWidget();
}

UEditorUtilityWidget* UEditorUtilitySubsystem::SpawnAndRegisterTab(UEditorUtilityWidgetBlueprint* InBlueprint)
{
	FName TabID;
	return SpawnAndRegisterTabAndGetID(InBlueprint, TabID);
}

UEditorUtilityWidget* UEditorUtilitySubsystem::FindUtilityWidgetFromBlueprint(UEditorUtilityWidgetBlueprint* InBlueprint)
{
	if (InBlueprint == nullptr || !InBlueprint->GetCreatedTab().IsValid())
	{
		return nullptr;
	}
	return InBlueprint->GetCreatedWidget();
}

#undef LOCTEXT_NAMESPACE
