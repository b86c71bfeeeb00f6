// The tab registry: the 24 panels, their identifiers, labels and Blueprint paths.

#include "QuovexEditorTestFixture.h"

#include "QuovexPluginUtils.h"
#include "QuovexTabManager.h"

using namespace QuovexTest;

namespace
{
	struct FExpectedTab
	{
		const FQuovexTabDescriptor* Static;
		const char* TabId;
		const char* Label;
		const char* Key;
	};

	const FExpectedTab ExpectedTabs[] = {
		{ &FQuovexTabManager::TakeLogTab, "QuovexTakeLog", "Take Log", "TakeLogTabDisplayName" },
		{ &FQuovexTabManager::TakeImporterTab, "QuovexTakeImporter", "Take Importer", nullptr },
		{ &FQuovexTabManager::StatusTab, "QuovexStatus", "Status", "StatusTabDisplayName" },
		{ &FQuovexTabManager::StageManagerTab, "QuovexStageManager", "Stage Manager", "StageManagerTabDisplayName" },
		{ &FQuovexTabManager::OrvaneViewTab, "QuovexOrvaneView", "Orvanes", "OrvaneViewDisplayName" },
		{ &FQuovexTabManager::VideoControllerTab, "QuovexVideoController", "Video Controller", "VideoControllerTabDisplayName" },
		{ &FQuovexTabManager::BeamInManagerTab, "QuovexBeamInManager", "Beam In Manager", "BeamInManagerTabDisplayName" },
		{ &FQuovexTabManager::ArriControllerTab, "QuovexArriController", "Arri Control", "ArriControllerTabDisplayName" },
		{ &FQuovexTabManager::SonyControllerTab, "QuovexSonyController", "Sony Control", "SonyControllerTabDisplayName" },
		{ &FQuovexTabManager::RedControllerTab, "QuovexRedController", "Red Control", "RedControllerTabDisplayName" },
		{ &FQuovexTabManager::CameraMonitorTab, "QuovexCameraMonitor", "Camera Monitor", "CameraMonitorTabDisplayName" },
		{ &FQuovexTabManager::HyperdeckControllerTab, "QuovexHyperdeckController", "Hyperdeck Control", "HyperdeckControllerTabDisplayName" },
		{ &FQuovexTabManager::ExternalRecorderMonitorTab, "QuovexExternalRecorderMonitor", "External Recorder Monitor", "ExternalRecorderMonitorTabDisplayName" },
		{ &FQuovexTabManager::AnimationControlTab, "QuovexAnimationControl", "Animation Control", "AnimationControlTabDisplayName" },
		{ &FQuovexTabManager::CaldraManagerTab, "ZUZCaldraManager", "Caldra", "CaldraManagerTabDisplayName" },
		{ &FQuovexTabManager::LensCalSequenceGeneratorTab, "QuovexLensCalSequenceGenerator", "Lens Cal Sequence", "LensCalSequenceGeneratorTabDisplayName" },
		{ &FQuovexTabManager::KeyerTab, "QuovexKeyer", "Keyer", "KeyerTabDisplayName" },
		{ &FQuovexTabManager::LensTweakerTab, "QuovexLensTweaker", "Lens Tweaker", "LensTweakerTabDisplayName" },
		{ &FQuovexTabManager::OpenFocalDistanceWizTab, "QuovexFocalDistanceWizard", "Focal Distance Wizard", "FocalDisWizDisplayName" },
		{ &FQuovexTabManager::OpenNearWideTweakGraphTab, "QuovexNearWideGraph", "Near Wide Graph", "QuovexNearWideGraphDisplayName" },
		{ &FQuovexTabManager::MeshBuilderTab, "QuovexMeshBuilder", "Mesh Builder", "MeshBuilderTabDisplayName" },
		{ &FQuovexTabManager::XRControllerTab, "QuovexXRController", "XR Controller", "XRControllerTabDisplayName" },
		{ &FQuovexTabManager::XRMultiCamTab, "QuovexXRMultiCam", "XR Multi Cam", "QuovexXRMultiCamDisplayName" },
		{ &FQuovexTabManager::XRColorTransferTab, "QuovexColorTransfer", "XR Color Transfer", "QuovexColorTransferDisplayName" },
	};

	class TabRegistryTest : public FQuovexEditorTest
	{
	};
}

TEST_F(TabRegistryTest, HoldsTheTwentyFourPanelsInOrderWithTheirPaths)
{
	ASSERT_TRUE(Boot());
	const TArray<FQuovexTabDescriptor>& Tabs = FQuovexTabManager::Get().GetTabs();
	ASSERT_EQ(Tabs.Num(), int32(UE_ARRAY_COUNT(ExpectedTabs)));

	const std::string EditorPath = HostTest::Utf8(QuovexPluginUtils::GetEditorPath());
	EXPECT_EQ(EditorPath, "/QuovexSuite/Editor/Panels");

	TSet<FName> Identifiers;
	for (int32 Index = 0; Index < Tabs.Num(); ++Index)
	{
		const FExpectedTab& Expected = ExpectedTabs[Index];
		const FQuovexTabDescriptor& Tab = Tabs[Index];
		SCOPED_TRACE(Expected.TabId);
		EXPECT_EQ(HostTest::Utf8(Tab.TabId.ToString()), Expected.TabId);
		EXPECT_EQ(HostTest::Utf8(Tab.DisplayName.ToString()), Expected.Label);
		EXPECT_EQ(HostTest::Utf8(FTextInspector::GetNamespace(Tab.DisplayName).Get(FString())), "QuovexTabManager");
		if (Expected.Key)
		{
			EXPECT_EQ(HostTest::Utf8(FTextInspector::GetKey(Tab.DisplayName).Get(FString())), Expected.Key);
		}
		EXPECT_EQ(HostTest::Utf8(Tab.WidgetPath.ToString()), EditorPath + "/" + Expected.TabId + "." + Expected.TabId);
		EXPECT_FALSE(Identifiers.Contains(Tab.TabId));
		Identifiers.Add(Tab.TabId);
	}

	// The Take Importer label's key is its own within the namespace.
	const FString TakeImporterKey = FTextInspector::GetKey(Tabs[1].DisplayName).Get(FString());
	for (int32 Index = 0; Index < Tabs.Num(); ++Index)
	{
		if (Index != 1)
		{
			EXPECT_NE(FTextInspector::GetKey(Tabs[Index].DisplayName).Get(FString()), TakeImporterKey);
		}
	}
}

TEST_F(TabRegistryTest, TheStaticsKeepTheirEmptyPathAndBlueprint)
{
	ASSERT_TRUE(Boot());
	FQuovexTabManager::Get();
	for (const FExpectedTab& Expected : ExpectedTabs)
	{
		SCOPED_TRACE(Expected.TabId);
		EXPECT_EQ(HostTest::Utf8(Expected.Static->TabId.ToString()), Expected.TabId);
		EXPECT_TRUE(Expected.Static->WidgetPath.IsNull());
		EXPECT_EQ(Expected.Static->Blueprint, nullptr);
		EXPECT_TRUE(Expected.Static->RegistrationName.IsNone());
		EXPECT_FALSE(Expected.Static->bIsSetUp);
	}
}
