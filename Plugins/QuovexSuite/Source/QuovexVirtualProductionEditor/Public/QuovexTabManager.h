// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectPtr.h"
#include "UObject/SoftObjectPath.h"

class UEditorUtilityWidgetBlueprint;
class UObject;

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

	/** The registry's entries in registry order. */
	const TArray<FQuovexTabDescriptor>& GetTabs() const { return Tabs; }

	FQuovexTabManager(const FQuovexTabManager&) = delete;
	FQuovexTabManager& operator=(const FQuovexTabManager&) = delete;

private:
	FQuovexTabManager();

	/** First entry whose identifier is TabName, or null. */
	FQuovexTabDescriptor* FindTabByName(FName TabName);

	/** Objects told about tab events. */
	TArray<TObjectPtr<UObject>> Subscribers;

	/** Copies of the statics, in registry order. */
	TArray<FQuovexTabDescriptor> Tabs;
};
