// The level editor module: its tab manager (made when the level editor's major tab is spawned)
// and the events other modules hook.

#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "UnrealEdMisc.h"

class FExtensibilityManager;
class FTabManager;
class FUICommandList;
class IAssetViewport;
class ILevelEditor;
class SDockTab;
class SLevelViewport;
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

	/** The level editor's active level viewport; null before the level editor's UI exists. */
	virtual TSharedPtr<SLevelViewport> GetFirstActiveLevelViewport();

	/** The same viewport, as an asset viewport. */
	virtual TSharedPtr<IAssetViewport> GetFirstActiveViewport();

	/** The level editor widget, while it exists. */
	virtual TWeakPtr<ILevelEditor> GetLevelEditorInstance() const;
	virtual TSharedPtr<ILevelEditor> GetFirstLevelEditor() const;

	/** Where other modules leave extenders of the level editor's menus (the main menu and its Window menu). */
	virtual TSharedPtr<FExtensibilityManager> GetMenuExtensibilityManager()
	{
		return MenuExtensibilityManager;
	}

	/** Where other modules leave extenders of the level editor's toolbar. */
	virtual TSharedPtr<FExtensibilityManager> GetToolBarExtensibilityManager()
	{
		return ToolBarExtensibilityManager;
	}

	/** The level editor's own command list, which its menus are built over. */
	const TSharedRef<FUICommandList> GetGlobalLevelEditorActions() const;

private:
	TSharedRef<SDockTab> SpawnLevelEditor(const class FSpawnTabArgs& InArgs);

	/** Registers the level editor's tool menus once the tool menus exist. */
	void RegisterMenus();

	TSharedPtr<FExtensibilityManager> MenuExtensibilityManager;
	TSharedPtr<FExtensibilityManager> ToolBarExtensibilityManager;
	TSharedPtr<FUICommandList> GlobalLevelEditorActions;
	TWeakPtr<ILevelEditor> LevelEditorInstance;
	FDelegateHandle ToolMenusStartupHandle;

	TSharedPtr<FTabManager> LevelEditorTabManager;
	TWeakPtr<SDockTab> LevelEditorTab;
	FTabManagerChangedEvent TabManagerChangedEvent;
	FMapChangedEvent MapChangedEvent;
};
