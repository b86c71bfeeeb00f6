// The level editor module: its tab manager (made when the level editor's major tab is spawned)
// and the events other modules hook.

#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "UnrealEdMisc.h"

class FTabManager;
class SDockTab;
class UWorld;

class LEVELEDITOR_API FLevelEditorModule : public IModuleInterface
{
public:
	/** Name of the level editor's major tab spawner in the global tab manager. */
	static const FName LevelEditorTabName;

	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** The level editor's tab manager; null until the level editor's tab has been spawned. */
	virtual TSharedPtr<FTabManager> GetLevelEditorTabManager() const;

	/** Makes a new tab manager for the level editor hosted by OwnerTab and broadcasts OnTabManagerChanged. */
	virtual void SetLevelEditorTabManager(const TSharedPtr<SDockTab>& OwnerTab);

	DECLARE_EVENT(FLevelEditorModule, FTabManagerChangedEvent);
	virtual FTabManagerChangedEvent& OnTabManagerChanged()
	{
		return TabManagerChangedEvent;
	}

	DECLARE_EVENT_TwoParams(FLevelEditorModule, FMapChangedEvent, UWorld*, EMapChangeType);
	virtual FMapChangedEvent& OnMapChanged()
	{
		return MapChangedEvent;
	}

	/** Tells listeners a map was loaded, saved, created or torn down. */
	virtual void BroadcastMapChanged(UWorld* World, EMapChangeType MapChangeType);

private:
	TSharedRef<SDockTab> SpawnLevelEditor(const class FSpawnTabArgs& InArgs);

	TSharedPtr<FTabManager> LevelEditorTabManager;
	TWeakPtr<SDockTab> LevelEditorTab;
	FTabManagerChangedEvent TabManagerChangedEvent;
	FMapChangedEvent MapChangedEvent;
};
