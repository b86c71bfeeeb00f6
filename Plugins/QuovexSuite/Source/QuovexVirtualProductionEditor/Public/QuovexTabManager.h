// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/WeakObjectPtr.h"

#include "QuovexTabManager.generated.h"

class FSpawnTabArgs;
class SDockTab;
class UEditorUtilitySubsystem;
class UEditorUtilityWidgetBlueprint;

/** One panel tab of the plugin: its identifier, label and the editor utility widget Blueprint that fills it. */
struct QUOVEXVIRTUALPRODUCTIONEDITOR_API FQuovexTabDescriptor
{
	/** Identifier of the tab; also the object and package name of the panel's Blueprint asset. */
	FName TabId;

	/** Label of the tab. */
	FText DisplayName;

	/** The panel's Blueprint asset. */
	FSoftObjectPath WidgetPath;

	/** The loaded Blueprint; null until the tab's spawner is set up. */
	UEditorUtilityWidgetBlueprint* Blueprint = nullptr;

	/** Identifier under which the tab spawner is registered. */
	FName RegistrationName;

	/** Whether set-up has handled this entry. */
	bool bIsSetUp = false;

	FQuovexTabDescriptor() = default;
	FQuovexTabDescriptor(FName InTabId, const FText& InDisplayName);
};

/**
 * Registry of the plugin's panel tabs. The statics name every panel once; the singleton keeps its own copies
 * of them, which it completes with their asset paths and spawns from.
 */
class QUOVEXVIRTUALPRODUCTIONEDITOR_API FQuovexTabManager
{
public:
	static FQuovexTabDescriptor TakeLogTab;
	static FQuovexTabDescriptor TakeImporterTab;
	static FQuovexTabDescriptor StatusTab;
	static FQuovexTabDescriptor StageManagerTab;
	static FQuovexTabDescriptor OrvaneViewTab;
	static FQuovexTabDescriptor VideoControllerTab;
	static FQuovexTabDescriptor BeamInManagerTab;
	static FQuovexTabDescriptor ArriControllerTab;
	static FQuovexTabDescriptor SonyControllerTab;
	static FQuovexTabDescriptor RedControllerTab;
	static FQuovexTabDescriptor CameraMonitorTab;
	static FQuovexTabDescriptor HyperdeckControllerTab;
	static FQuovexTabDescriptor ExternalRecorderMonitorTab;
	static FQuovexTabDescriptor AnimationControlTab;
	static FQuovexTabDescriptor CaldraManagerTab;
	static FQuovexTabDescriptor LensCalSequenceGeneratorTab;
	static FQuovexTabDescriptor KeyerTab;
	static FQuovexTabDescriptor LensTweakerTab;
	static FQuovexTabDescriptor OpenFocalDistanceWizTab;
	static FQuovexTabDescriptor OpenNearWideTweakGraphTab;
	static FQuovexTabDescriptor MeshBuilderTab;
	static FQuovexTabDescriptor XRControllerTab;
	static FQuovexTabDescriptor XRMultiCamTab;
	static FQuovexTabDescriptor XRColorTransferTab;

	/** The registry, built on first use. */
	static FQuovexTabManager& Get();

	/** Registers a hidden tab spawner for every panel whose Blueprint loads, now or once the level editor's tab manager exists. */
	void Setup();

	/** Opens (spawns or brings forward) the panel tab TabId; false when it is unknown, unloaded or refused. */
	bool OpenTab(FName TabId);

	/** Closes the panel tab TabId; false when it is unknown, unloaded or not open. */
	bool CloseTab(FName TabId);

	/** Adds an object that implements the tab manager interface to the objects told about tab events. */
	bool SubscribeEvents(UObject* Object);

	/** Removes a subscribed object. */
	bool UnsubscribeEvents(UObject* Object);

	/** Whether the object is subscribed. */
	bool IsSubscribed(UObject* Object) const;

	/** The registry's entries in registry order. */
	const TArray<FQuovexTabDescriptor>& GetTabs() const { return Tabs; }

	FQuovexTabManager(const FQuovexTabManager&) = delete;
	FQuovexTabManager& operator=(const FQuovexTabManager&) = delete;

private:
	FQuovexTabManager();

	/** First entry whose identifier is TabName, or null. */
	FQuovexTabDescriptor* FindTabByName(FName TabName);

	/** The editor utility subsystem that knows the loaded, registered tab TabId; null when there is none to ask. */
	UEditorUtilitySubsystem* FindRegisteredTab(FName TabId, FName& OutRegistrationName);

	/** Sets up the spawner of one entry now, or whenever the level editor (re)creates its tab manager. */
	void SetupTabSpawner(FName TabId);

	/** Loads, registers and records the spawner of one entry; needs the level editor's tab manager. */
	void RegisterTabSpawner(FName TabId);

	/** Loads the entry's panel Blueprint once; false when it is missing or not an editor utility widget Blueprint. */
	bool LoadTabBlueprint(FQuovexTabDescriptor& Tab);

	/** Spawn callback of every panel spawner. */
	static TSharedRef<SDockTab> SpawnEditorUITab(const FSpawnTabArgs& SpawnTabArgs, FQuovexTabDescriptor* Tab);

	/** On-closed callback of every spawned panel tab. */
	static void TabClosed(TSharedRef<SDockTab> Tab, UEditorUtilityWidgetBlueprint* Blueprint);

	/** Registers the output viewport spawner in the level editor's tab manager unless it has one already. */
	void RegisterOutputViewportTabSpawner();

	/** Spawn callback of the output viewport spawner: a tab of level viewports laid out under LayoutName. */
	static TSharedRef<SDockTab> SpawnQuovexOutputTab(const FSpawnTabArgs& SpawnTabArgs, FText Label, FName LayoutName);

	/** On-closed callback of every output viewport tab. */
	static void ViewportTabClosed(TSharedRef<SDockTab> Tab, FName LayoutName);

	/** Tells every live subscriber that implements the interface that the panel of Blueprint closed. */
	void NotifyTabClosed(UEditorUtilityWidgetBlueprint* Blueprint);

	/** Whether the subscriber entry at Index is Object itself, not a destroyed subscriber that had its address. */
	bool IsSubscriberEntry(int32 Index, const UObject* Object) const;

	/**
	 * Objects told about tab events, in subscription order. The manager is not a reflected object, so it cannot
	 * keep them alive; the weak twin of each entry lets delivery skip destroyed subscribers safely.
	 */
	TArray<TObjectPtr<UObject>> Subscribers;
	TArray<TWeakObjectPtr<UObject>> SubscriberLifetimes;

	/** Copies of the statics, in registry order. */
	TArray<FQuovexTabDescriptor> Tabs;
};

/** Blueprint access to the tab manager's event subscription. */
UCLASS(BlueprintType, ClassGroup = "Quovex")
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexTabManager : public UObject
{
	GENERATED_BODY()

public:
	/** Subscribes an object that implements the Quovex tab manager interface to tab events. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static bool TabManagerSubscribeEvents(UObject* Delegate);

	/** Unsubscribes an object from tab events. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static bool TabManagerUnsubscribeEvents(UObject* Delegate);
};
