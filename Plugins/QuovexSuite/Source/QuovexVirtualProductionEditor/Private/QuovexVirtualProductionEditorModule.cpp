// Copyright Quovex. All Rights Reserved.

#include "QuovexVirtualProductionEditorModule.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "AssetToolsModule.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/Engine.h"
#include "FileHelpers.h"
#include "Framework/Commands/UICommandList.h"
#include "IAssetTools.h"
#include "LevelEditor.h"
#include "LevelEditorViewport.h"
#include "LiveLinkPreset.h"
#include "Misc/App.h"
#include "Misc/CString.h"
#include "Misc/CoreMisc.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "QuovexCommands.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexTabManager.h"
#include "QuovexVirtualProductionSettings.h"
#include "QuovexVirtualProductionStyle.h"
#include "Settings/EditorLoadingSavingSettings.h"
#include "Subsystems/UnrealEditorSubsystem.h"
#include "UObject/Package.h"

DEFINE_LOG_CATEGORY(LogQuovexVirtualProductionEditor);

namespace QuovexVirtualProductionEditor
{
	static const FName RuntimeModuleName(TEXT("QuovexVirtualProduction"));
	static const FName LevelEditorModuleName(TEXT("LevelEditor"));

	/** Keeps the runtime module loaded whenever the level editor swaps its map. */
	static void OnLevelEditorMapChanged(UWorld* /*World*/, EMapChangeType /*ChangeType*/)
	{
		FModuleManager::LoadModuleChecked<IModuleInterface>(RuntimeModuleName);
	}
}

FQuovexVirtualProductionEditorModule::FQuovexVirtualProductionEditorModule()
	: PluginCommands(MakeShared<FUICommandList>())
{
}

FQuovexVirtualProductionEditorModule::~FQuovexVirtualProductionEditorModule()
{
	PlacementModeItemIds.Empty();
	PluginCommands.Reset();
}

void FQuovexVirtualProductionEditorModule::StartupModule()
{
	FQuovexCommands::Register();
	FQuovexVirtualProductionStyle::Register();

	// Registered even in a game run: a game launched from the editor still picks up the stage's preset. The registry
	// is up before any plugin module starts.
	IAssetRegistry* AssetRegistry = IAssetRegistry::Get();
	check(AssetRegistry);
	AssetRegistry->OnFilesLoaded().AddRaw(this, &FQuovexVirtualProductionEditorModule::OnFilesLoaded);

	if (IsRunningGame())
	{
		return;
	}

	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(QuovexVirtualProductionEditor::LevelEditorModuleName);
	LevelEditorModule.OnMapChanged().AddStatic(&QuovexVirtualProductionEditor::OnLevelEditorMapChanged);

	FQuovexTabManager::Get().Setup();

	RegisterToolbarButton();
	RegisterWindowMenuExtension();
	RegisterPlacementModeItems();

	// Every start puts the plugin's layouts back, so a layout the operator broke is restored.
	ResetLayoutsDirectory();

	DisableEditorAutoSave();
}

void FQuovexVirtualProductionEditorModule::PreUnloadCallback()
{
}

void FQuovexVirtualProductionEditorModule::PostLoadCallback()
{
}

void FQuovexVirtualProductionEditorModule::ShutdownModule()
{
	FQuovexCommands::Unregister();
	FQuovexVirtualProductionStyle::Unregister();

	if (IsRunningGame())
	{
		return;
	}

	// Menus, spawners and hooks stay with the editor, which is tearing down; the category would outlive us.
	UnregisterPlacementModeCategory();
}

bool FQuovexVirtualProductionEditorModule::SupportsDynamicReloading()
{
	return true;
}

bool FQuovexVirtualProductionEditorModule::SupportsAutomaticShutdown()
{
	return true;
}

bool FQuovexVirtualProductionEditorModule::IsGameModule() const
{
	return false;
}

void FQuovexVirtualProductionEditorModule::DisableEditorAutoSave()
{
	// An autosave mid-take hitches the render thread; stage machines save by hand between takes.
	UEditorLoadingSavingSettings* Settings = GetMutableDefault<UEditorLoadingSavingSettings>();
	Settings->bAutoSaveEnable = false;
	Settings->PostEditChange();
	Settings->SaveConfig(CPF_Config, nullptr, GConfig, true);
}

void FQuovexVirtualProductionEditorModule::OnFilesLoaded()
{
	TArray<FAssetData> PresetAssets;
	// Called by the registry, which is therefore up.
	IAssetRegistry::Get()->GetAssetsByClass(ULiveLinkPreset::StaticClass()->GetClassPathName(), PresetAssets, false);

	const UQuovexVirtualProductionSettings* Settings = GetDefault<UQuovexVirtualProductionSettings>();
	if (!Settings)
	{
		return;
	}
	const FString& PresetName = Settings->LiveLinkPresetName;
	if (PresetName.Equals(TEXT(""), ESearchCase::IgnoreCase))
	{
		return;
	}

	for (const FAssetData& AssetData : PresetAssets)
	{
		UObject* Asset = AssetData.FastGetAsset(true);
		if (!Asset)
		{
			continue;
		}

		FString PackagePath;
		FString ObjectName;
		FString SubObjectName;
		FPaths::Split(Asset->GetPathName(), PackagePath, ObjectName, SubObjectName);
		if (!ObjectName.Equals(PresetName, ESearchCase::IgnoreCase))
		{
			continue;
		}

		if (ULiveLinkPreset* Preset = Cast<ULiveLinkPreset>(Asset))
		{
			Preset->ApplyToClientLatent(TFunction<void(bool)>());
		}
		return;
	}
}

void FQuovexVirtualProductionEditorModule::SetLevelSequenceDefaultRates()
{
	const FFrameRate TimecodeRate = FApp::GetTimecodeFrameRate();
	const int32 Numerator = TimecodeRate.Numerator;
	const int32 Denominator = TimecodeRate.Denominator;
	if (Denominator <= 0)
	{
		return;
	}

	FString DisplayText;
	FString TickText;
	if (Denominator != 1001)
	{
		const int32 FrameRate = static_cast<int32>(static_cast<double>(Numerator) / static_cast<double>(Denominator));
		DisplayText = FString::FromInt(FrameRate);
		TickText = FString::FromInt(FrameRate * 1000);
	}
	else
	{
		// NTSC rates show two decimals; the tick resolution is derived from that rounded text, in float,
		// so 24000/1001 gives 23.98fps and 23980fps.
		DisplayText = FString::Printf(TEXT("%.02f"), Numerator * 0.000999000999000999);
		const float DisplayRate = static_cast<float>(FCString::Atod(*DisplayText));
		const float TickRate = DisplayRate * 1000.0f;
		TickText = FString::FromInt(static_cast<int32>(TickRate));
	}

	const FString DisplayRateCommand = FString::Printf(TEXT("LevelSequence.DefaultDisplayRate \"%sfps\""), *DisplayText);
	const FString TickResolutionCommand = FString::Printf(TEXT("LevelSequence.DefaultTickResolution \"%sfps\""), *TickText);
	if (GEngine)
	{
		GEngine->Exec(nullptr, *DisplayRateCommand, *GLog);
		GEngine->Exec(nullptr, *TickResolutionCommand, *GLog);
	}
}

void FQuovexVirtualProductionEditorModule::RefreshOutputHardware()
{
}

bool FQuovexVirtualProductionEditorModule::IsActorLockedToViewport(FName ActorName)
{
	if (!GEditor)
	{
		return false;
	}

	for (FLevelEditorViewportClient* ViewportClient : GEditor->GetLevelViewportClients())
	{
		if (!ViewportClient)
		{
			continue;
		}
		// A cinematic lock takes precedence, so a viewport under one pilots nothing of the operator's.
		const TWeakObjectPtr<AActor> LockedActor = ViewportClient->GetActiveActorLock();
		if (LockedActor.IsValid())
		{
			return LockedActor->GetFName() == ActorName;
		}
	}
	return false;
}

TObjectPtr<UObject> FQuovexVirtualProductionEditorModule::DuplicateAsset(FString AssetName, FString PackagePath, TObjectPtr<UObject> Source)
{
	FAssetToolsModule& AssetToolsModule = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools"));
	return AssetToolsModule.Get().DuplicateAsset(AssetName, PackagePath, Source);
}

void FQuovexVirtualProductionEditorModule::SaveAsset(TObjectPtr<UObject> Asset, FString AssetName)
{
	if (!Asset)
	{
		UE_LOG(LogQuovexVirtualProductionEditor, Error, TEXT("Could not save asset %s"), *AssetName);
		return;
	}

	TArray<UPackage*> Packages;
	Packages.Add(Asset->GetOutermost());
	UEditorLoadingAndSavingUtils::SavePackages(Packages, false);
}

bool FQuovexVirtualProductionEditorModule::GetLevelViewportCameraInfo(FVector& OutLocation, FRotator& OutRotation)
{
	UUnrealEditorSubsystem* EditorSubsystem = GEditor ? GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>() : nullptr;
	if (!EditorSubsystem)
	{
		return false;
	}
	return EditorSubsystem->GetLevelViewportCameraInfo(OutLocation, OutRotation);
}

void FQuovexVirtualProductionEditorModule::OpenTabOrLog(FName TabId)
{
	if (!FQuovexTabManager::Get().OpenTab(TabId))
	{
		UE_LOG(LogQuovexVirtualProductionEditor, Error, TEXT("Could not open tab %s"), *TabId.ToString());
	}
}

void FQuovexVirtualProductionEditorModule::OpenNearWideTweakGraph()
{
	OpenTabOrLog(FQuovexTabManager::OpenNearWideTweakGraphTab.TabId);
}

void FQuovexVirtualProductionEditorModule::OpenFocDistWiz()
{
	OpenTabOrLog(FQuovexTabManager::OpenFocalDistanceWizTab.TabId);
}

void FQuovexVirtualProductionEditorModule::CloseFocDistWiz()
{
	const FName TabId = FQuovexTabManager::OpenFocalDistanceWizTab.TabId;
	if (!FQuovexTabManager::Get().CloseTab(TabId))
	{
		UE_LOG(LogQuovexVirtualProductionEditor, Error, TEXT("Could not close tab %s"), *TabId.ToString());
	}
}

bool FQuovexVirtualProductionEditorModule::IsOutputHardwareStreaming()
{
	return false;
}

void FQuovexVirtualProductionEditorModule::ReleaseOutputHardware()
{
}

FString FQuovexVirtualProductionEditorModule::GetOutputHardwareVersion()
{
	return FString();
}

UWorld* FQuovexVirtualProductionEditorModule::GetCurrentWorld()
{
	return UQuovexEditorFunctionLibrary::GetCurrentWorld();
}

bool FQuovexVirtualProductionEditorModule::IsPlaying()
{
	if (!GEditor)
	{
		return false;
	}
	return GEditor->PlayWorld != nullptr || GIsPlayInEditorWorld;
}

void FQuovexVirtualProductionEditorModule::AddActiveCameraChangedHandler(const UQuovexVPEditorSubsystem::FOnActiveCameraChangedEvent::FDelegate& Handler)
{
	if (UQuovexVPEditorSubsystem* Subsystem = UQuovexVPEditorSubsystem::Get())
	{
		Subsystem->OnActiveCameraChanged().Add(Handler);
	}
}

IMPLEMENT_MODULE(FQuovexVirtualProductionEditorModule, QuovexVirtualProductionEditor)
