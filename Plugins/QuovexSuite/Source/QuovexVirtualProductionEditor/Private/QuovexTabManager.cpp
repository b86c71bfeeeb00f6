// Copyright Quovex. All Rights Reserved.

#include "QuovexTabManager.h"

#include "QuovexPluginUtils.h"

#define LOCTEXT_NAMESPACE "QuovexTabManager"

FQuovexTabDescriptor::FQuovexTabDescriptor(FName InTabId, const FText& InDisplayName)
	: TabId(InTabId)
	, DisplayName(InDisplayName)
{
}

FQuovexTabDescriptor FQuovexTabManager::TakeLogTab(FName(TEXT("QuovexTakeLog"), FNAME_Add), LOCTEXT("TakeLogTabDisplayName", "Take Log"));
FQuovexTabDescriptor FQuovexTabManager::TakeImporterTab(FName(TEXT("QuovexTakeImporter"), FNAME_Add), LOCTEXT("TakeImporterTabDisplayName", "Take Importer"));
FQuovexTabDescriptor FQuovexTabManager::StatusTab(FName(TEXT("QuovexStatus"), FNAME_Add), LOCTEXT("StatusTabDisplayName", "Status"));
FQuovexTabDescriptor FQuovexTabManager::StageManagerTab(FName(TEXT("QuovexStageManager"), FNAME_Add), LOCTEXT("StageManagerTabDisplayName", "Stage Manager"));
FQuovexTabDescriptor FQuovexTabManager::OrvaneViewTab(FName(TEXT("QuovexOrvaneView"), FNAME_Add), LOCTEXT("OrvaneViewDisplayName", "Orvanes"));
FQuovexTabDescriptor FQuovexTabManager::VideoControllerTab(FName(TEXT("QuovexVideoController"), FNAME_Add), LOCTEXT("VideoControllerTabDisplayName", "Video Controller"));
FQuovexTabDescriptor FQuovexTabManager::BeamInManagerTab(FName(TEXT("QuovexBeamInManager"), FNAME_Add), LOCTEXT("BeamInManagerTabDisplayName", "Beam In Manager"));
FQuovexTabDescriptor FQuovexTabManager::ArriControllerTab(FName(TEXT("QuovexArriController"), FNAME_Add), LOCTEXT("ArriControllerTabDisplayName", "Arri Control"));
FQuovexTabDescriptor FQuovexTabManager::SonyControllerTab(FName(TEXT("QuovexSonyController"), FNAME_Add), LOCTEXT("SonyControllerTabDisplayName", "Sony Control"));
FQuovexTabDescriptor FQuovexTabManager::RedControllerTab(FName(TEXT("QuovexRedController"), FNAME_Add), LOCTEXT("RedControllerTabDisplayName", "Red Control"));
FQuovexTabDescriptor FQuovexTabManager::CameraMonitorTab(FName(TEXT("QuovexCameraMonitor"), FNAME_Add), LOCTEXT("CameraMonitorTabDisplayName", "Camera Monitor"));
FQuovexTabDescriptor FQuovexTabManager::HyperdeckControllerTab(FName(TEXT("QuovexHyperdeckController"), FNAME_Add), LOCTEXT("HyperdeckControllerTabDisplayName", "Hyperdeck Control"));
FQuovexTabDescriptor FQuovexTabManager::ExternalRecorderMonitorTab(FName(TEXT("QuovexExternalRecorderMonitor"), FNAME_Add), LOCTEXT("ExternalRecorderMonitorTabDisplayName", "External Recorder Monitor"));
FQuovexTabDescriptor FQuovexTabManager::AnimationControlTab(FName(TEXT("QuovexAnimationControl"), FNAME_Add), LOCTEXT("AnimationControlTabDisplayName", "Animation Control"));
FQuovexTabDescriptor FQuovexTabManager::CaldraManagerTab(FName(TEXT("ZUZCaldraManager"), FNAME_Add), LOCTEXT("CaldraManagerTabDisplayName", "Caldra"));
FQuovexTabDescriptor FQuovexTabManager::LensCalSequenceGeneratorTab(FName(TEXT("QuovexLensCalSequenceGenerator"), FNAME_Add), LOCTEXT("LensCalSequenceGeneratorTabDisplayName", "Lens Cal Sequence"));
FQuovexTabDescriptor FQuovexTabManager::KeyerTab(FName(TEXT("QuovexKeyer"), FNAME_Add), LOCTEXT("KeyerTabDisplayName", "Keyer"));
FQuovexTabDescriptor FQuovexTabManager::LensTweakerTab(FName(TEXT("QuovexLensTweaker"), FNAME_Add), LOCTEXT("LensTweakerTabDisplayName", "Lens Tweaker"));
FQuovexTabDescriptor FQuovexTabManager::OpenFocalDistanceWizTab(FName(TEXT("QuovexFocalDistanceWizard"), FNAME_Add), LOCTEXT("FocalDisWizDisplayName", "Focal Distance Wizard"));
FQuovexTabDescriptor FQuovexTabManager::OpenNearWideTweakGraphTab(FName(TEXT("QuovexNearWideGraph"), FNAME_Add), LOCTEXT("QuovexNearWideGraphDisplayName", "Near Wide Graph"));
FQuovexTabDescriptor FQuovexTabManager::MeshBuilderTab(FName(TEXT("QuovexMeshBuilder"), FNAME_Add), LOCTEXT("MeshBuilderTabDisplayName", "Mesh Builder"));
FQuovexTabDescriptor FQuovexTabManager::XRControllerTab(FName(TEXT("QuovexXRController"), FNAME_Add), LOCTEXT("XRControllerTabDisplayName", "XR Controller"));
FQuovexTabDescriptor FQuovexTabManager::XRMultiCamTab(FName(TEXT("QuovexXRMultiCam"), FNAME_Add), LOCTEXT("QuovexXRMultiCamDisplayName", "XR Multi Cam"));
FQuovexTabDescriptor FQuovexTabManager::XRColorTransferTab(FName(TEXT("QuovexColorTransfer"), FNAME_Add), LOCTEXT("QuovexColorTransferDisplayName", "XR Color Transfer"));

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

#undef LOCTEXT_NAMESPACE
