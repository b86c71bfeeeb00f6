// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "IPlacementModeModule.h"
#include "Modules/ModuleInterface.h"
#include "QuovexVPEditorSubsystem.h"
#include "UObject/ObjectPtr.h"

class FMenuBuilder;
class FUICommandList;
class SWidget;
class UObject;
class UWorld;

DECLARE_LOG_CATEGORY_EXTERN(LogQuovexVirtualProductionEditor, Log, All);

/**
 * The editor module: wires the plugin into the level editor at start-up and offers editor-only services
 * to the rest of the plugin through the module manager ("QuovexVirtualProductionEditor").
 */
class FQuovexVirtualProductionEditorModule : public IModuleInterface
{
public:
	FQuovexVirtualProductionEditorModule();
	virtual ~FQuovexVirtualProductionEditorModule();

	virtual void StartupModule() override;
	virtual void PreUnloadCallback() override;
	virtual void PostLoadCallback() override;
	virtual void ShutdownModule() override;
	virtual bool SupportsDynamicReloading() override;
	virtual bool SupportsAutomaticShutdown() override;
	virtual bool IsGameModule() const override;

	/** Sets the level sequence default display rate and tick resolution from the project's timecode rate. */
	virtual void SetLevelSequenceDefaultRates();

	/** Lays the tracker read-out (status, location, rotation) over the first active level viewport, collapsed. */
	virtual void AddTrackerViewOverlay();

	/** Override point for builds that drive output hardware: called when the output viewports were rebuilt. */
	virtual void RefreshOutputHardware();

	/** Whether the actor named ActorName is the one piloted in the first level viewport that pilots any actor. */
	virtual bool IsActorLockedToViewport(FName ActorName);

	/** Duplicates Source as AssetName in PackagePath through the asset tools; returns the copy or null. */
	virtual TObjectPtr<UObject> DuplicateAsset(FString AssetName, FString PackagePath, TObjectPtr<UObject> Source);

	/** Saves the package of Asset; a null Asset is reported under AssetName. */
	virtual void SaveAsset(TObjectPtr<UObject> Asset, FString AssetName);

	/** Location and rotation of the level viewport camera; false without an editor subsystem to ask. */
	virtual bool GetLevelViewportCameraInfo(FVector& OutLocation, FRotator& OutRotation);

	/** Opens the near/wide tweak graph panel. */
	virtual void OpenNearWideTweakGraph();

	/** Opens the focal distance wizard panel. */
	virtual void OpenFocDistWiz();

	/** Closes the focal distance wizard panel. */
	virtual void CloseFocDistWiz();

	/** Lists Object in the plugin's Place Actors category; nothing happens in a game run or without the category. */
	virtual void AddPlacementModeItem(UObject* Object);

	/** Takes the item last registered for Object out of the Place Actors category again. */
	virtual void RemovePlacementModeItem(UObject* Object);

	/** Override point for builds that drive output hardware: whether an output card is streaming. */
	virtual bool IsOutputHardwareStreaming();

	/** Override point for builds that drive output hardware: release the cards before a level switch. */
	virtual void ReleaseOutputHardware();

	/** Override point for builds that drive output hardware: the card driver's version, empty without one. */
	virtual FString GetOutputHardwareVersion();

	/** The play world while Play-In-Editor runs, else the edited world. */
	virtual UWorld* GetCurrentWorld();

	/** Whether a Play-In-Editor session is running. */
	virtual bool IsPlaying();

	/** Adds a native handler of the VP subsystem's active-camera event; nothing happens without the subsystem. */
	virtual void AddActiveCameraChangedHandler(const UQuovexVPEditorSubsystem::FOnActiveCameraChangedEvent::FDelegate& Handler);

	/** Maps every command's action on the plugin's command list and returns the list. */
	virtual TSharedRef<FUICommandList> GetCommandList();

	/** Copies the plugin's layout files over the editor's user layout directory. */
	void ResetLayoutsDirectory();

private:
	/** Adds the "Quovex Actions" combo to the user area of the level editor toolbar. */
	void RegisterToolbarButton();

	/** The combo's drop-down, built each time it opens. */
	TSharedRef<SWidget> GenerateMenuContent();

	/** Adds the "Quovex Panels" section to the level editor's Window menu. */
	void RegisterWindowMenuExtension();

	/** Fills the Window menu's panels section each time the menu opens. */
	void FillPanelsMenu(FMenuBuilder& MenuBuilder);

	/** Registers the plugin's Place Actors category and its actor classes. */
	void RegisterPlacementModeItems();

	/** Removes the category, and with it every item listed there. */
	void UnregisterPlacementModeCategory();

	// Command handlers: panels open through the tab manager, operator requests go to the VP subsystem.
	void OpenOrvaneView();
	void OpenTakeLog();
	void OpenTakeImporter();
	void OpenVideoController();
	void OpenKeyer();
	void OpenCameraMonitor();
	void OpenExternalRecorderMonitor();
	void OpenBeamInManager();
	void OpenLensTweaker();
	void OpenStatus();
	void OpenStageManager();
	void OpenAnimationControl();
	void OpenCaldraManager();
	void OpenMeshBuilder();
	void OpenXRController();
	void OpenXRMultiCam();
	void OpenXRColorTransfer();
	void ResetTakeRecorder();
	void OpenTakeRecorder();
	void ReconnectToSwitcher();
	void ReconnectToKeyer();
	void ResetViewports();

	/** Applies the LiveLink preset named in the project settings once the asset registry knows every asset. */
	void OnFilesLoaded();

	/** Opens a panel tab; a failure is logged with the tab's identifier. */
	static void OpenTabOrLog(FName TabId);

	/** Clears the loading/saving setting that must stay off on a stage machine and writes it back. */
	static void DisableEditorAutoSave();

	TSharedPtr<FUICommandList> PluginCommands;

	/** Placement ids of the listed classes and objects, as the engine returned them (unset when it refused). */
	TMap<UObject*, TOptional<FPlacementModeID>> PlacementModeItemIds;
};
