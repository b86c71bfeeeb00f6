// Copyright Quovex. All Rights Reserved.

#include "QuovexTabManager.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorUtilitySubsystem.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Docking/TabManager.h"
#include "IBlutilityModule.h"
#include "LevelEditor.h"
#include "Misc/CoreMisc.h"
#include "Modules/ModuleManager.h"
#include "QuovexPluginUtils.h"
#include "QuovexTabManagerInterface.h"
#include "QuovexVirtualProductionStyle.h"
#include "Textures/SlateIcon.h"
#include "Widgets/Docking/SDockTab.h"

#define LOCTEXT_NAMESPACE "QuovexTabManager"

FQuovexTabDescriptor::FQuovexTabDescriptor(FName InTabId, const FText& InDisplayName)
	: TabId(InTabId)
	, DisplayName(InDisplayName)
{
}

FQuovexTabDescriptor FQuovexTabManager::TakeLogTab(FName(TEXT("QuovexTakeLog")), LOCTEXT("TakeLogTabDisplayName", "Take Log"));
FQuovexTabDescriptor FQuovexTabManager::TakeImporterTab(FName(TEXT("QuovexTakeImporter")), LOCTEXT("TakeImporterTabDisplayName", "Take Importer"));
FQuovexTabDescriptor FQuovexTabManager::StatusTab(FName(TEXT("QuovexStatus")), LOCTEXT("StatusTabDisplayName", "Status"));
FQuovexTabDescriptor FQuovexTabManager::StageManagerTab(FName(TEXT("QuovexStageManager")), LOCTEXT("StageManagerTabDisplayName", "Stage Manager"));
FQuovexTabDescriptor FQuovexTabManager::OrvaneViewTab(FName(TEXT("QuovexOrvaneView")), LOCTEXT("OrvaneViewDisplayName", "Orvanes"));
FQuovexTabDescriptor FQuovexTabManager::VideoControllerTab(FName(TEXT("QuovexVideoController")), LOCTEXT("VideoControllerTabDisplayName", "Video Controller"));
FQuovexTabDescriptor FQuovexTabManager::BeamInManagerTab(FName(TEXT("QuovexBeamInManager")), LOCTEXT("BeamInManagerTabDisplayName", "Beam In Manager"));
FQuovexTabDescriptor FQuovexTabManager::ArriControllerTab(FName(TEXT("QuovexArriController")), LOCTEXT("ArriControllerTabDisplayName", "Arri Control"));
FQuovexTabDescriptor FQuovexTabManager::SonyControllerTab(FName(TEXT("QuovexSonyController")), LOCTEXT("SonyControllerTabDisplayName", "Sony Control"));
FQuovexTabDescriptor FQuovexTabManager::RedControllerTab(FName(TEXT("QuovexRedController")), LOCTEXT("RedControllerTabDisplayName", "Red Control"));
FQuovexTabDescriptor FQuovexTabManager::CameraMonitorTab(FName(TEXT("QuovexCameraMonitor")), LOCTEXT("CameraMonitorTabDisplayName", "Camera Monitor"));
FQuovexTabDescriptor FQuovexTabManager::HyperdeckControllerTab(FName(TEXT("QuovexHyperdeckController")), LOCTEXT("HyperdeckControllerTabDisplayName", "Hyperdeck Control"));
FQuovexTabDescriptor FQuovexTabManager::ExternalRecorderMonitorTab(FName(TEXT("QuovexExternalRecorderMonitor")), LOCTEXT("ExternalRecorderMonitorTabDisplayName", "External Recorder Monitor"));
FQuovexTabDescriptor FQuovexTabManager::AnimationControlTab(FName(TEXT("QuovexAnimationControl")), LOCTEXT("AnimationControlTabDisplayName", "Animation Control"));
FQuovexTabDescriptor FQuovexTabManager::CaldraManagerTab(FName(TEXT("ZUZCaldraManager")), LOCTEXT("CaldraManagerTabDisplayName", "Caldra"));
FQuovexTabDescriptor FQuovexTabManager::LensCalSequenceGeneratorTab(FName(TEXT("QuovexLensCalSequenceGenerator")), LOCTEXT("LensCalSequenceGeneratorTabDisplayName", "Lens Cal Sequence"));
FQuovexTabDescriptor FQuovexTabManager::KeyerTab(FName(TEXT("QuovexKeyer")), LOCTEXT("KeyerTabDisplayName", "Keyer"));
FQuovexTabDescriptor FQuovexTabManager::LensTweakerTab(FName(TEXT("QuovexLensTweaker")), LOCTEXT("LensTweakerTabDisplayName", "Lens Tweaker"));
FQuovexTabDescriptor FQuovexTabManager::OpenFocalDistanceWizTab(FName(TEXT("QuovexFocalDistanceWizard")), LOCTEXT("FocalDisWizDisplayName", "Focal Distance Wizard"));
FQuovexTabDescriptor FQuovexTabManager::OpenNearWideTweakGraphTab(FName(TEXT("QuovexNearWideGraph")), LOCTEXT("QuovexNearWideGraphDisplayName", "Near Wide Graph"));
FQuovexTabDescriptor FQuovexTabManager::MeshBuilderTab(FName(TEXT("QuovexMeshBuilder")), LOCTEXT("MeshBuilderTabDisplayName", "Mesh Builder"));
FQuovexTabDescriptor FQuovexTabManager::XRControllerTab(FName(TEXT("QuovexXRController")), LOCTEXT("XRControllerTabDisplayName", "XR Controller"));
FQuovexTabDescriptor FQuovexTabManager::XRMultiCamTab(FName(TEXT("QuovexXRMultiCam")), LOCTEXT("QuovexXRMultiCamDisplayName", "XR Multi Cam"));
FQuovexTabDescriptor FQuovexTabManager::XRColorTransferTab(FName(TEXT("QuovexColorTransfer")), LOCTEXT("QuovexColorTransferDisplayName", "XR Color Transfer"));

FQuovexTabManager& FQuovexTabManager::Get()
{
	static FQuovexTabManager Instance;
	return Instance;
}

FQuovexTabManager::FQuovexTabManager()
{
	const FQuovexTabDescriptor* const Statics[] = {
		&TakeLogTab,
		&TakeImporterTab,
		&StatusTab,
		&StageManagerTab,
		&OrvaneViewTab,
		&VideoControllerTab,
		&BeamInManagerTab,
		&ArriControllerTab,
		&SonyControllerTab,
		&RedControllerTab,
		&CameraMonitorTab,
		&HyperdeckControllerTab,
		&ExternalRecorderMonitorTab,
		&AnimationControlTab,
		&CaldraManagerTab,
		&LensCalSequenceGeneratorTab,
		&KeyerTab,
		&LensTweakerTab,
		&OpenFocalDistanceWizTab,
		&OpenNearWideTweakGraphTab,
		&MeshBuilderTab,
		&XRControllerTab,
		&XRMultiCamTab,
		&XRColorTransferTab,
	};
	Tabs.Reserve(UE_ARRAY_COUNT(Statics));
	for (const FQuovexTabDescriptor* Static : Statics)
	{
		Tabs.Add(*Static);
	}

	// The panel Blueprint of a tab is the asset named as the tab, in a package of the same name.
	for (FQuovexTabDescriptor& Tab : Tabs)
	{
		const FString TabName = Tab.TabId.ToString();
		Tab.WidgetPath = FSoftObjectPath(FString::Printf(TEXT("%s/%s.%s"), *QuovexPluginUtils::GetEditorPath(), *TabName, *TabName));
	}
}

FQuovexTabDescriptor* FQuovexTabManager::FindTabByName(FName TabName)
{
	for (FQuovexTabDescriptor& Tab : Tabs)
	{
		if (Tab.TabId == TabName)
		{
			return &Tab;
		}
	}
	return nullptr;
}

void FQuovexTabManager::Setup()
{
	if (IsRunningGame())
	{
		return;
	}

	for (FQuovexTabDescriptor& Tab : Tabs)
	{
		if (!Tab.bIsSetUp)
		{
			SetupTabSpawner(Tab.TabId);
			Tab.bIsSetUp = true;
		}
	}
}

void FQuovexTabManager::SetupTabSpawner(FName TabId)
{
	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const TSharedPtr<FTabManager> LevelEditorTabManager = LevelEditorModule.GetLevelEditorTabManager();
	if (!LevelEditorTabManager.IsValid())
	{
		// The level editor builds its UI after plugins load; register once its tab manager exists, and again
		// whenever it is rebuilt, so the panels survive a layout reset.
		LevelEditorModule.OnTabManagerChanged().AddLambda([this, TabId]() {
			RegisterTabSpawner(TabId);
		});
		return;
	}
	RegisterTabSpawner(TabId);
}

void FQuovexTabManager::RegisterTabSpawner(FName TabId)
{
	FQuovexTabDescriptor* Tab = FindTabByName(TabId);
	if (!Tab || !LoadTabBlueprint(*Tab))
	{
		return;
	}

	const FSlateIcon TabIcon(FQuovexVirtualProductionStyle::GetStyleSetName(), FQuovexVirtualProductionStyle::IconSmallName);
	const FText ActiveTabSuffix = LOCTEXT("ActiveTabSuffix", "_ActiveTab");
	Tab->RegistrationName = FName(*(Tab->Blueprint->GetPathName() + ActiveTabSuffix.ToString()));

	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const TSharedPtr<FTabManager> LevelEditorTabManager = LevelEditorModule.GetLevelEditorTabManager();
	check(LevelEditorTabManager.IsValid());

	if (!LevelEditorTabManager->HasTabSpawner(Tab->RegistrationName))
	{
		IBlutilityModule* BlutilityModule = FModuleManager::GetModulePtr<IBlutilityModule>(TEXT("Blutility"));

		FTabSpawnerEntry& Spawner = LevelEditorTabManager->RegisterTabSpawner(
			Tab->RegistrationName,
			FOnSpawnTab::CreateStatic(&FQuovexTabManager::SpawnEditorUITab, Tab));
		Spawner.SetDisplayName(Tab->DisplayName);
		Spawner.SetIcon(TabIcon);
		Spawner.SetMenuType(ETabSpawnerMenuType::Hidden);
		if (BlutilityModule)
		{
			Spawner.SetGroup(BlutilityModule->GetMenuGroup().ToSharedRef());
		}

		Tab->Blueprint->SetRegistrationName(Tab->RegistrationName);
		if (UEditorUtilitySubsystem* EditorUtilitySubsystem = GEditor ? GEditor->GetEditorSubsystem<UEditorUtilitySubsystem>() : nullptr)
		{
			EditorUtilitySubsystem->RegisteredTabs.Add(Tab->RegistrationName, Tab->Blueprint);
		}
		if (BlutilityModule)
		{
			BlutilityModule->AddLoadedScriptUI(Tab->Blueprint);
		}
	}

	// Output viewport tabs come with the first panel that registers.
	RegisterOutputViewportTabSpawner();
}

bool FQuovexTabManager::LoadTabBlueprint(FQuovexTabDescriptor& Tab)
{
	if (Tab.Blueprint)
	{
		return true;
	}
	if (Tab.WidgetPath.IsNull())
	{
		return false;
	}

	UObject* Loaded = Tab.WidgetPath.TryLoad();
	Tab.Blueprint = Cast<UEditorUtilityWidgetBlueprint>(Loaded);
	return Tab.Blueprint != nullptr;
}

TSharedRef<SDockTab> FQuovexTabManager::SpawnEditorUITab(const FSpawnTabArgs& SpawnTabArgs, FQuovexTabDescriptor* Tab)
{
	TSharedRef<SDockTab> DockTab = SNew(SDockTab);
	if (!Tab || !Tab->Blueprint)
	{
		return DockTab;
	}

	DockTab = Tab->Blueprint->SpawnEditorUITab(SpawnTabArgs);
	DockTab->SetOnTabClosed(SDockTab::FOnTabClosedCallback::CreateStatic(&FQuovexTabManager::TabClosed, Tab->Blueprint));
	return DockTab;
}

void FQuovexTabManager::TabClosed(TSharedRef<SDockTab> Tab, UEditorUtilityWidgetBlueprint* Blueprint)
{
	Get().NotifyTabClosed(Blueprint);
}

void FQuovexTabManager::NotifyTabClosed(UEditorUtilityWidgetBlueprint* Blueprint)
{
	if (!Blueprint)
	{
		return;
	}

	const FName TabName = Blueprint->GetFName();
	// Walk a copy: a subscriber may subscribe or unsubscribe from inside its handler.
	const TArray<TWeakObjectPtr<UObject>> Recipients = SubscriberLifetimes;
	for (const TWeakObjectPtr<UObject>& Recipient : Recipients)
	{
		UObject* Subscriber = Recipient.Get();
		if (!Subscriber || !Subscriber->IsValidLowLevel())
		{
			continue;
		}
		if (!Subscriber->GetClass()->ImplementsInterface(UQuovexTabManagerInterface::StaticClass()))
		{
			continue;
		}
		IQuovexTabManagerInterface::Execute_OnTabClosed(Subscriber, TabName);
	}
}

UEditorUtilitySubsystem* FQuovexTabManager::FindRegisteredTab(FName TabId, FName& OutRegistrationName)
{
	FQuovexTabDescriptor* Tab = FindTabByName(TabId);
	if (!Tab || !Tab->Blueprint || IsRunningCommandlet())
	{
		return nullptr;
	}
	OutRegistrationName = Tab->RegistrationName;
	return GEditor ? GEditor->GetEditorSubsystem<UEditorUtilitySubsystem>() : nullptr;
}

bool FQuovexTabManager::OpenTab(FName TabId)
{
	FName RegistrationName;
	UEditorUtilitySubsystem* EditorUtilitySubsystem = FindRegisteredTab(TabId, RegistrationName);
	return EditorUtilitySubsystem && EditorUtilitySubsystem->SpawnRegisteredTabByID(RegistrationName);
}

bool FQuovexTabManager::CloseTab(FName TabId)
{
	FName RegistrationName;
	UEditorUtilitySubsystem* EditorUtilitySubsystem = FindRegisteredTab(TabId, RegistrationName);
	return EditorUtilitySubsystem && EditorUtilitySubsystem->CloseTabByID(RegistrationName);
}

bool FQuovexTabManager::SubscribeEvents(UObject* Object)
{
	if (IsSubscribed(Object))
	{
		return false;
	}
	if (!Object)
	{
		return false;
	}
	if (!Object->GetClass()->ImplementsInterface(UQuovexTabManagerInterface::StaticClass()))
	{
		return false;
	}
	Subscribers.Add(Object);
	SubscriberLifetimes.Add(Object);
	return true;
}

bool FQuovexTabManager::UnsubscribeEvents(UObject* Object)
{
	if (!IsSubscribed(Object))
	{
		return false;
	}

	int32 Removed = 0;
	for (int32 Index = Subscribers.Num() - 1; Index >= 0; --Index)
	{
		if (IsSubscriberEntry(Index, Object))
		{
			Subscribers.RemoveAt(Index);
			SubscriberLifetimes.RemoveAt(Index);
			++Removed;
		}
	}
	return Removed == 1;
}

bool FQuovexTabManager::IsSubscribed(UObject* Object) const
{
	for (int32 Index = 0; Index < Subscribers.Num(); ++Index)
	{
		if (IsSubscriberEntry(Index, Object))
		{
			return true;
		}
	}
	return false;
}

bool FQuovexTabManager::IsSubscriberEntry(int32 Index, const UObject* Object) const
{
	// Nothing clears an entry whose object was destroyed, and a new object may be given the same address:
	// the entry stands for Object only while its weak twin still leads to it (marked as garbage or not).
	return Object && Subscribers[Index] == Object && SubscriberLifetimes[Index].Get(true) == Object;
}

bool UQuovexTabManager::TabManagerSubscribeEvents(UObject* Delegate)
{
	return FQuovexTabManager::Get().SubscribeEvents(Delegate);
}

bool UQuovexTabManager::TabManagerUnsubscribeEvents(UObject* Delegate)
{
	return FQuovexTabManager::Get().UnsubscribeEvents(Delegate);
}

#undef LOCTEXT_NAMESPACE
