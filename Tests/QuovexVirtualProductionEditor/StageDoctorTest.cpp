// The stage doctor: what it finds for each way a stage breaks, that what it predicts is what the module then does,
// and that looking changes nothing.

#include "VPEditorSubsystemTestFixture.h"

#include "ConsoleLines.h"
#include "Framework/Docking/TabManager.h"
#include "HAL/IConsoleManager.h"
#include "Kismet/GameplayStatics.h"
#include "LevelEditor.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/Paths.h"
#include "QuovexLensCalSequenceGenerator.h"
#include "QuovexStageDoctor.h"
#include "QuovexTabManager.h"
#include "QuovexVirtualProductionSettings.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Docking/SDockTab.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <map>

inline void PrintTo(const FQuovexDoctorFinding& Finding, std::ostream* Os)
{
	*Os << TCHAR_TO_UTF8(FQuovexStageDoctor::SeverityName(Finding.Severity)) << " | " << TCHAR_TO_UTF8(FQuovexStageDoctor::AreaName(Finding.Area))
		<< " | " << TCHAR_TO_UTF8(*Finding.Subject) << " | " << TCHAR_TO_UTF8(*Finding.What) << " | " << TCHAR_TO_UTF8(*Finding.ToDo);
}

using namespace QuovexTest;

namespace
{
	using ESeverity = EQuovexDoctorSeverity;
	using EArea = EQuovexDoctorArea;

	/** Tag lists in the stand-in asset form, escaped for the JSON of a map file. */
	const std::string CameraTag = R"(\"QuovexCamera\")";
	const std::string SpawnedTags = R"(\"QuovexCamera\",\"QuovexSequenceSpawned\")";

	class StageDoctorTest : public FVPSubsystemTest
	{
	protected:
		/** Boots the demo stage; its preset reaches LiveLink at the end of the first frame. */
		void BootStage()
		{
			ASSERT_TRUE(Boot());
			EndFrame();
		}

		/** An actor entry; Subject null for no controller, "" for a controller that follows nothing. */
		static std::string CameraJson(const std::string& Name, const std::string& Tags, const char* Subject, const std::string& Class = "/Script/QuovexVirtualProduction.QuovexCamera")
		{
			std::string Json = ActorJson(Name, Name, Tags, Class);
			if (Subject == nullptr)
			{
				return Json;
			}
			const std::string Properties = *Subject == '\0' ? "" : R"J(, "Properties": { "SubjectRepresentation": "(Subject=(Name=\")J" + std::string(Subject) + R"J(\"))" })J";
			Json.pop_back();
			return Json + R"(, "Subobjects": [ { "Name": "TrackerController", "Class": "/Script/QuovexTracking.QuovexLiveLinkComponentController")" + Properties + " } ] }";
		}

		/** The findings about Subject in Area, in the order the doctor gives them. */
		static TArray<FQuovexDoctorFinding> About(const TArray<FQuovexDoctorFinding>& Findings, EArea Area, const TCHAR* Subject)
		{
			return Findings.FilterByPredicate([&](const FQuovexDoctorFinding& Finding) { return Finding.Area == Area && Finding.Subject == Subject; });
		}

		/** The one finding about Subject; a default (OK, empty) finding and a failure when there is not exactly one. */
		static FQuovexDoctorFinding One(const TArray<FQuovexDoctorFinding>& Findings, EArea Area, const TCHAR* Subject)
		{
			const TArray<FQuovexDoctorFinding> Found = About(Findings, Area, Subject);
			if (Found.Num() != 1)
			{
				ADD_FAILURE() << Found.Num() << " findings about " << TCHAR_TO_UTF8(Subject);
				return FQuovexDoctorFinding();
			}
			return Found[0];
		}

		static TArray<FQuovexDoctorFinding> NotOK(const TArray<FQuovexDoctorFinding>& Findings)
		{
			return Findings.FilterByPredicate([](const FQuovexDoctorFinding& Finding) { return Finding.Severity != ESeverity::OK; });
		}

		bool RunLine(const FString& Line)
		{
			return FEditorHost::Exec(Line, Console);
		}

		static TSharedPtr<FTabManager> LevelEditorTabs()
		{
			return FModuleManager::GetModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
		}
	};

	MATCHER_P2(IsFinding, Severity, Text, "")
	{
		return arg.Severity == Severity && (arg.What.Contains(Text) || arg.ToDo.Contains(Text));
	}
}

TEST_F(StageDoctorTest, TheDemoStageAsShippedHasNoProblemAndOnlyItsSequenceRatesDisagree)
{
	BootStage();
	ASSERT_TRUE(RunLine(TEXT("livelink push CamA RawZoom=1 RawFocus=1")));
	ASSERT_TRUE(RunLine(TEXT("livelink push CamB RawZoom=1 RawFocus=1")));
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();

	const TArray<FQuovexDoctorFinding> Flagged = NotOK(Findings);
	ASSERT_EQ(Flagged.Num(), 2) << ::testing::PrintToString(Flagged);
	EXPECT_EQ(Flagged[0].Subject, TEXT("LevelSequence.DefaultDisplayRate"));
	EXPECT_THAT(Flagged[0], IsFinding(ESeverity::Warning, TEXT("It is 30fps, but the project's 25/1 timecode gives 25fps")));
	EXPECT_EQ(Flagged[1].Subject, TEXT("LevelSequence.DefaultTickResolution"));

	// Every area was looked at; every panel and the output viewport are there.
	for (EArea Area : { EArea::Editor, EArea::LiveLink, EArea::Cameras, EArea::Preset, EArea::Panels, EArea::Layouts, EArea::Timecode, EArea::LensCalibration })
	{
		EXPECT_TRUE(Findings.ContainsByPredicate([Area](const FQuovexDoctorFinding& Finding) { return Finding.Area == Area; })) << TCHAR_TO_UTF8(FQuovexStageDoctor::AreaName(Area));
	}
	for (const FQuovexTabDescriptor& Tab : FQuovexTabManager::Get().GetTabs())
	{
		EXPECT_THAT(One(Findings, EArea::Panels, *Tab.TabId.ToString()), IsFinding(ESeverity::OK, TEXT("tab spawner registered, closed")));
	}
	EXPECT_THAT(One(Findings, EArea::Panels, TEXT("QuovexFOutputViewport")), IsFinding(ESeverity::OK, TEXT("spawner is registered")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Camera A")), IsFinding(ESeverity::OK, TEXT("position 0, following CamA, which sends frames")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Active camera")), IsFinding(ESeverity::OK, TEXT("Camera A at position 0")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next camera")), IsFinding(ESeverity::OK, TEXT("gets CamA")));
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("StageOrigin")), IsFinding(ESeverity::OK, TEXT("not a tracker subject")));
	EXPECT_THAT(One(Findings, EArea::Preset, TEXT("/Game/LiveLink/StagePreset.StagePreset")), IsFinding(ESeverity::OK, TEXT("Applied at start-up: its source is in LiveLink.")));
	EXPECT_THAT(One(Findings, EArea::LensCalibration, TEXT("Config/DefaultQuovexLensCalSequenceSettings.ini")), IsFinding(ESeverity::OK, TEXT("Not saved yet")));
}

TEST_F(StageDoctorTest, WithTwoSourcesAPlacedCameraGetsNothingAsTheDoctorSaysAndALaterSubjectReachesIt)
{
	BootStage();
	ASSERT_TRUE(RunLine(TEXT("livelink add-source Mocap mocap-01")));
	TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("Sources")), IsFinding(ESeverity::Warning, TEXT("2 sources (Quovex Tracker on tracker-01.stage.local, Mocap on mocap-01)")));
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("CamA")), IsFinding(ESeverity::OK, TEXT("not offered now, because LiveLink has 2 sources")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next camera")), IsFinding(ESeverity::Warning, TEXT("gets no subject, because LiveLink has 2 sources")));

	AQuovexCamera* Placed = Place(TEXT("Camera C"), {}, true);
	EXPECT_EQ(SubjectOf(Placed), TEXT("None"));
	Findings = FQuovexStageDoctor::Examine();
	const FQuovexDoctorFinding Unbound = One(Findings, EArea::Cameras, TEXT("Camera C"));
	EXPECT_THAT(Unbound, IsFinding(ESeverity::Problem, TEXT("follows no LiveLink subject, so it is not tracked; nothing binds it now because LiveLink has 2 sources")));
	EXPECT_EQ(Unbound.ToDo, TEXT("Remove the extra LiveLink sources so that one is left."));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next subject")), IsFinding(ESeverity::OK, TEXT("still without one: Camera C.")));

	// What the doctor said a new subject would do, it does.
	ASSERT_TRUE(RunLine(TEXT("livelink add-subject 1 Handheld QuovexLiveLinkRole QuovexLiveLinkSubjectSettings")));
	EXPECT_EQ(SubjectOf(Placed), TEXT("Handheld"));
}

TEST_F(StageDoctorTest, WithoutASourceNothingCanBeFollowedAndBoundCamerasPointAtMissingSubjects)
{
	BootStage();
	ASSERT_TRUE(RunLine(TEXT("livelink remove-source 0")));
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("Sources")), IsFinding(ESeverity::Problem, TEXT("LiveLink has no source")));
	EXPECT_TRUE(About(Findings, EArea::LiveLink, TEXT("CamA")).IsEmpty());
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Camera A")), IsFinding(ESeverity::Problem, TEXT("It follows the subject CamA, which LiveLink does not have")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next camera")), IsFinding(ESeverity::Warning, TEXT("LiveLink has 0 sources")));
	// The preset was applied at start-up; LiveLink has since lost its source.
	EXPECT_THAT(One(Findings, EArea::Preset, TEXT("/Game/LiveLink/StagePreset.StagePreset")), IsFinding(ESeverity::Warning, TEXT("LiveLink no longer has its source Quovex Tracker.")));
}

TEST_F(StageDoctorTest, ASubjectWithForeignSettingsIsNamedAndTheNextCameraGetsTheFirstOfferedOne)
{
	BootStage();
	ASSERT_TRUE(RunLine(TEXT("livelink add-subject 0 CamC QuovexLiveLinkRole LiveLinkSubjectSettings")));
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("CamC")), IsFinding(ESeverity::Warning, TEXT("Role QuovexLiveLinkRole, settings LiveLinkSubjectSettings: a tracker subject whose settings are not Quovex")));
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("CamB")), IsFinding(ESeverity::OK, TEXT("offered to cameras that have no subject")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next camera")), IsFinding(ESeverity::OK, TEXT("gets CamA")));
	EXPECT_EQ(SubjectOf(Place(TEXT("Camera C"), {}, true)), TEXT("CamA"));

	// With only foreign subjects nothing is offered, and the doctor says why.
	ASSERT_TRUE(RunLine(TEXT("livelink remove-source 0")));
	ASSERT_TRUE(RunLine(TEXT("livelink add-source Mocap mocap-01")));
	ASSERT_TRUE(RunLine(TEXT("livelink add-subject 0 Body LiveLinkTransformRole LiveLinkSubjectSettings")));
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::Cameras, TEXT("Next camera")), IsFinding(ESeverity::Warning, TEXT("no LiveLink subject has Quovex LiveLink subject settings")));
	EXPECT_EQ(SubjectOf(Place(TEXT("Camera D"), {}, true)), TEXT("None"));
}

TEST_F(StageDoctorTest, EachCameraThatCannotBeTrackedIsNamedWithItsReason)
{
	// clang-format off
	WriteMap("Faults", CameraJson("Bare", CameraTag, nullptr) + "," + CameraJson("Stale", CameraTag, "CamZ") + ","
		+ CameraJson("TakeCam", SpawnedTags, "") + "," + CameraJson("TakeCamBound", SpawnedTags, "CamB") + ","
		+ CameraJson("Prop", CameraTag, "CamA", "/Script/Engine.Actor") + "," + CameraJson("Waiting", CameraTag, ""));
	// clang-format on
	BootStage();
	OpenMap(TEXT("Faults"));
	ASSERT_TRUE(RunLine(TEXT("livelink push CamA RawZoom=1 RawFocus=1")));
	ASSERT_TRUE(RunLine(TEXT("livelink push CamB RawZoom=1 RawFocus=1")));
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();

	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Bare")), IsFinding(ESeverity::Problem, TEXT("It has no Quovex LiveLink controller, so it is never tracked.")));
	const FQuovexDoctorFinding Stale = One(Findings, EArea::Cameras, TEXT("Stale"));
	EXPECT_THAT(Stale, IsFinding(ESeverity::Problem, TEXT("follows the subject CamZ, which LiveLink does not have")));
	EXPECT_THAT(Stale, IsFinding(ESeverity::Problem, TEXT("(offered now: CamA, CamB)")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("TakeCam")), IsFinding(ESeverity::Problem, TEXT("It was spawned by a level sequence and follows no LiveLink subject")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("TakeCamBound")), IsFinding(ESeverity::OK, TEXT("position 3, spawned by a level sequence, following CamB")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Prop")), IsFinding(ESeverity::Warning, TEXT("is a Actor, not a Quovex camera")));
	const FQuovexDoctorFinding Waiting = One(Findings, EArea::Cameras, TEXT("Waiting"));
	EXPECT_THAT(Waiting, IsFinding(ESeverity::Problem, TEXT("only a placed camera or the first camera of an opened map is bound automatically")));
	EXPECT_EQ(Waiting.ToDo, TEXT("Set its controller's subject to one of: CamA, CamB."));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next subject")), IsFinding(ESeverity::OK, TEXT("still without one: TakeCam, Waiting.")));
	// The map's first camera became active; it is a Quovex camera at its stored position.
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Active camera")), IsFinding(ESeverity::OK, TEXT("Bare at position 0.")));
}

TEST_F(StageDoctorTest, AWorldWithoutCamerasIsAProblemAndTheOldActiveCameraIsReportedGone)
{
	BootStage();
	OpenMap(TEXT("Empty"));
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("World")), IsFinding(ESeverity::Problem, TEXT("No actor of /Game/Maps/Empty carries the QuovexCamera tag")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Active camera")), IsFinding(ESeverity::Warning, TEXT("The active camera was destroyed")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next subject")), IsFinding(ESeverity::OK, TEXT("goes to no camera")));
}

TEST_F(StageDoctorTest, APendingReResolutionIsPredictedAsTheNextReadResolvesIt)
{
	BootStage();
	Subsystem()->SetActiveCameraIndex(1);
	ASSERT_TRUE(RunLine(TEXT("pie start")));
	ASSERT_TRUE(RunLine(TEXT("pie stop")));
	ASSERT_TRUE(Subsystem()->bNeedsCameraUpdate);
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::Cameras, TEXT("Active camera")), IsFinding(ESeverity::OK, TEXT("the next read makes Camera B at position 1 active")));
	EXPECT_EQ(Label(Subsystem()->GetQuovexCamera().Get()), TEXT("Camera B"));
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::Cameras, TEXT("Active camera")), IsFinding(ESeverity::OK, TEXT("Camera B at position 1.")));
}

TEST_F(StageDoctorTest, APresetNameThatMatchesNothingIsAProblemThatNamesThePresetsThereAre)
{
	WriteGameIni("[/Script/QuovexVirtualProduction.QuovexVirtualProductionSettings]\nLiveLinkPresetName=StagePreset_v2\n");
	BootStage();
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	const FQuovexDoctorFinding Unmatched = One(Findings, EArea::Preset, TEXT("LiveLinkPresetName"));
	EXPECT_THAT(Unmatched, IsFinding(ESeverity::Problem, TEXT("name the preset \"StagePreset_v2\", but no LiveLink preset has that name (presets: StagePreset)")));
	EXPECT_THAT(Unmatched, IsFinding(ESeverity::Problem, TEXT("in Config/DefaultGame.ini to one of: StagePreset.")));
	// What follows from it is said where it shows.
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("Sources")), IsFinding(ESeverity::Problem, TEXT("LiveLink has no source")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Camera A")), IsFinding(ESeverity::Problem, TEXT("CamA, which LiveLink does not have")));
}

TEST_F(StageDoctorTest, OfTwoPresetNamesDifferingInCaseTheDoctorNamesTheOneApplied)
{
	// Registry order follows the content folders: A/ is found before B/.
	const std::string Rig = R"J({ "Class": "/Script/LiveLink.LiveLinkPreset", "Properties": { "Sources": "((Guid=0A1B2C3D4E5F60718293A4B5C6D7E8F9,SourceType=INVTEXT(\"Rig\")))" } })J";
	WriteContent("LiveLink/A/RigPreset", Rig);
	WriteContent("LiveLink/B/rigpreset", Rig);
	WriteGameIni("[/Script/QuovexVirtualProduction.QuovexVirtualProductionSettings]\nLiveLinkPresetName=RIGPRESET\n");
	BootStage();
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	const FQuovexDoctorFinding Twice = One(Findings, EArea::Preset, TEXT("LiveLinkPresetName"));
	EXPECT_THAT(Twice, IsFinding(ESeverity::Warning, TEXT("\"RIGPRESET\" matches 2 presets whose names differ only in case")));
	EXPECT_THAT(Twice, IsFinding(ESeverity::Warning, TEXT("the first in registry order, /Game/LiveLink/A/RigPreset.RigPreset, is the one applied.")));
	EXPECT_THAT(One(Findings, EArea::Preset, TEXT("/Game/LiveLink/A/RigPreset.RigPreset")), IsFinding(ESeverity::OK, TEXT("Applied at start-up: its source is in LiveLink.")));
	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("Sources")), IsFinding(ESeverity::OK, TEXT("One source (Rig)")));
}

TEST_F(StageDoctorTest, APanelBlueprintMissingOrOfTheWrongClassIsAProblemAndAForeignParentAWarning)
{
	std::filesystem::remove(PanelAsset("QuovexTakeLog"));
	HostTest::WriteFile(PanelAsset("QuovexStatus"), R"({ "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "\"/Script/CoreUObject.Object\"" } })");
	HostTest::WriteFile(PanelAsset("QuovexKeyer"), R"({ "Class": "/Script/Blutility.EditorUtilityWidgetBlueprint", "Properties": { "ParentClass": "\"/Script/Blutility.EditorUtilityWidget\"" } })");
	BootStage();
	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexStageManager")));
	EXPECT_FALSE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")));
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();

	const FQuovexDoctorFinding Missing = One(Findings, EArea::Panels, TEXT("QuovexTakeLog"));
	EXPECT_THAT(Missing, IsFinding(ESeverity::Problem, TEXT("Its Blueprint /QuovexSuite/Editor/Panels/QuovexTakeLog.QuovexTakeLog is missing")));
	EXPECT_EQ(Missing.ToDo, TEXT("Put QuovexTakeLog.uasset back in the plugin's Content/Editor/Panels folder and restart the editor."));
	EXPECT_THAT(One(Findings, EArea::Panels, TEXT("QuovexStatus")), IsFinding(ESeverity::Problem, TEXT("is a /Script/Engine.Blueprint, not an editor utility widget Blueprint")));
	EXPECT_THAT(One(Findings, EArea::Panels, TEXT("QuovexKeyer")), IsFinding(ESeverity::Warning, TEXT("(parent EditorUtilityWidget), tab spawner registered, closed; the parent is not a Quovex editor utility widget")));
	EXPECT_THAT(One(Findings, EArea::Panels, TEXT("QuovexStageManager")), IsFinding(ESeverity::OK, TEXT("tab spawner registered, open.")));
	EXPECT_EQ(NotOK(Findings.FilterByPredicate([](const FQuovexDoctorFinding& Finding) { return Finding.Area == EArea::Panels; })).Num(), 3);
}

TEST_F(StageDoctorTest, WithoutAnyPanelBlueprintTheOutputViewportIsMissingToo)
{
	std::filesystem::remove_all(Temp.Path("Plugins/QuovexSuite/Content/Editor/Panels"));
	BootStage();
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	EXPECT_THAT(One(Findings, EArea::Panels, TEXT("QuovexFOutputViewport")), IsFinding(ESeverity::Problem, TEXT("comes with the first panel whose Blueprint loads and none did")));
	EXPECT_EQ(FQuovexStageDoctor::Count(Findings, ESeverity::Problem), 25);
}

TEST_F(StageDoctorTest, LayoutsWithoutAFolderAreAProblemAndOnesMissingFromTheUserFolderAWarning)
{
	BootStage();
	const FString Destination = FPaths::EngineUserLayoutDir();
	ASSERT_TRUE(std::filesystem::remove(HostTest::Utf8(Destination + TEXT("QuovexOutputLayout.ini"))));
	FQuovexDoctorFinding Layouts = One(FQuovexStageDoctor::Examine(), EArea::Layouts, TEXT("Layouts"));
	EXPECT_THAT(Layouts, IsFinding(ESeverity::Warning, TEXT("1 of its 2 files are not in")));
	EXPECT_THAT(Layouts, IsFinding(ESeverity::Warning, TEXT("(QuovexOutputLayout.ini)")));

	// What the doctor says to do puts it right.
	ASSERT_TRUE(RunLine(TEXT("Quovex.ResetLayoutsDirectory")));
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::Layouts, TEXT("Layouts")), IsFinding(ESeverity::OK, TEXT("2 layout files come from the project's plugin folder")));
	FEditorHost::Shutdown();

	std::filesystem::remove_all(Temp.Path("Demo/Plugins"));
	BootStage();
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::Layouts, TEXT("Layouts")), IsFinding(ESeverity::Problem, TEXT("so start-up logged \"Could not find the plugins Layouts directory\"")));
}

TEST_F(StageDoctorTest, SequenceRatesThatDisagreeWithTheTimecodeAreWhatSetLevelSequenceDefaultRatesWouldSet)
{
	BootStage();
	for (const TCHAR* Rate : { TEXT("25/1"), TEXT("24000/1001"), TEXT("60000/1001"), TEXT("49/2") })
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Rate));
		ASSERT_TRUE(RunLine(FString::Printf(TEXT("timecode %s"), Rate)));
		ASSERT_TRUE(RunLine(TEXT("LevelSequence.DefaultDisplayRate 30fps")));
		const TArray<FQuovexDoctorFinding> Before = FQuovexStageDoctor::Examine();
		EXPECT_THAT(One(Before, EArea::Timecode, TEXT("LevelSequence.DefaultDisplayRate")), IsFinding(ESeverity::Warning, TEXT("Run Quovex.SetLevelSequenceDefaultRates")));

		// The module's own computation agrees with the doctor's: after it, both variables are what the doctor expected.
		ASSERT_TRUE(RunLine(TEXT("Quovex.SetLevelSequenceDefaultRates")));
		const TArray<FQuovexDoctorFinding> After = FQuovexStageDoctor::Examine();
		for (const TCHAR* Variable : { TEXT("LevelSequence.DefaultDisplayRate"), TEXT("LevelSequence.DefaultTickResolution") })
		{
			const FString Value = IConsoleManager::Get().FindConsoleVariable(Variable)->GetString();
			EXPECT_THAT(One(After, EArea::Timecode, Variable), IsFinding(ESeverity::OK, *FString::Printf(TEXT("%s, as the project's %s timecode gives."), *Value, Rate)));
		}
	}
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::Timecode, TEXT("LevelSequence.DefaultTickResolution")), IsFinding(ESeverity::OK, TEXT("24000fps")));
}

TEST_F(StageDoctorTest, TheLensCalibrationFileIsReadAsThePanelWouldReadIt)
{
	BootStage();
	const std::filesystem::path File = Temp.Path("Demo/Config/DefaultQuovexLensCalSequenceSettings.ini");
	const TCHAR* const Subject = TEXT("Config/DefaultQuovexLensCalSequenceSettings.ini");
	ASSERT_TRUE(RunLine(TEXT("call QuovexLensCalSequenceGenerator.SaveSettings settings=(NumFocusPos=12,NumZoomPos=3,FramesPerSecond=25,CalibratorName=\"Jo\")")));
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::LensCalibration, Subject), IsFinding(ESeverity::OK, TEXT("by Jo: 12 focus and 3 zoom positions at 25.0 fps.")));

	HostTest::WriteFile(File, "[/Script/QuovexVirtualProductionEditor.QuovexLensCalSequenceGenerator]\nSequenceSettings=(NumFocusPos=twelve)\n");
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::LensCalibration, Subject), IsFinding(ESeverity::Problem, TEXT("Its SequenceSettings do not parse")));

	HostTest::WriteFile(File, "[/Script/QuovexVirtualProductionEditor.QuovexLensCalSequenceGenerator]\n; nothing saved\n");
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::LensCalibration, Subject), IsFinding(ESeverity::Warning, TEXT("The file has no SequenceSettings")));

	HostTest::WriteFile(File, std::string("\xff\xfe\x00garbage", 10));
	EXPECT_THAT(One(FQuovexStageDoctor::Examine(), EArea::LensCalibration, Subject), IsFinding(ESeverity::Warning, TEXT("The file has no SequenceSettings")));
}

TEST_F(StageDoctorTest, WhenLiveLinkGoesAwayTheDoctorSaysSoAndNothingBreaks)
{
	BootStage();
	// The plugin enables LiveLink, so it can only go away while the editor runs (its module shut down).
	IModularFeatures& Features = IModularFeatures::Get();
	ILiveLinkClient* Client = &Features.GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
	Features.UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, Client);
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	Features.RegisterModularFeature(ILiveLinkClient::ModularFeatureName, Client);

	EXPECT_THAT(One(Findings, EArea::LiveLink, TEXT("LiveLink client")), IsFinding(ESeverity::Problem, TEXT("LiveLink is not running")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Camera A")), IsFinding(ESeverity::Problem, TEXT("It follows CamA, but LiveLink is not running")));
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Next camera")), IsFinding(ESeverity::Warning, TEXT("holds a LiveLink client that is no longer the running one")));
	EXPECT_THAT(One(Findings, EArea::Preset, TEXT("/Game/LiveLink/StagePreset.StagePreset")), IsFinding(ESeverity::Warning, TEXT("no longer has its source Quovex Tracker")));
}

TEST_F(StageDoctorTest, InAGameRunThereAreNoPanelsOrLayoutsToExamine)
{
	ASSERT_TRUE(Boot(true));
	EndFrame();
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	EXPECT_THAT(One(Findings, EArea::Editor, TEXT("Game run")), IsFinding(ESeverity::Warning, TEXT("no panels, menus, layouts or VP subsystem")));
	EXPECT_FALSE(Findings.ContainsByPredicate([](const FQuovexDoctorFinding& Finding) { return Finding.Area == EArea::Panels || Finding.Area == EArea::Layouts; }));
	// The game world's cameras are still looked at; with no subsystem there is no active or next camera to tell of.
	EXPECT_THAT(One(Findings, EArea::Cameras, TEXT("Camera A")), IsFinding(ESeverity::Warning, TEXT("CamA, which has sent no tracker frame yet")));
	EXPECT_TRUE(About(Findings, EArea::Cameras, TEXT("Active camera")).IsEmpty());
	EXPECT_EQ(FQuovexStageDoctor::Count(Findings, ESeverity::Problem), 0) << ::testing::PrintToString(NotOK(Findings));
}

TEST_F(StageDoctorTest, TheReportGroupsByAreaWithProblemsFirstAndTheJsonSaysTheSame)
{
	std::filesystem::remove(PanelAsset("QuovexTakeLog"));
	BootStage();
	const TArray<FQuovexDoctorFinding> Sorted = FQuovexStageDoctor::SortForReport(FQuovexStageDoctor::Examine());
	ASSERT_FALSE(Sorted.IsEmpty());
	// Panels hold the only Problem, so they come first, the Problem at their head; each area is one run.
	EXPECT_EQ(Sorted[0].Area, EArea::Panels);
	EXPECT_EQ(Sorted[0].Severity, ESeverity::Problem);
	TArray<EArea> Seen;
	for (int32 Index = 0; Index < Sorted.Num(); ++Index)
	{
		if (Index == 0 || Sorted[Index].Area != Sorted[Index - 1].Area)
		{
			EXPECT_FALSE(Seen.Contains(Sorted[Index].Area)) << TCHAR_TO_UTF8(FQuovexStageDoctor::AreaName(Sorted[Index].Area));
			Seen.Add(Sorted[Index].Area);
		}
		else
		{
			EXPECT_LE(Sorted[Index].Severity, Sorted[Index - 1].Severity);
		}
	}

	FConsoleLines Lines;
	EXPECT_FALSE(Lines.Run(TEXT("Quovex.Doctor \"json\"")));
	ASSERT_EQ(Lines.Lines.Num(), 2) << ::testing::PrintToString(Lines.Lines);
	const nlohmann::json Json = nlohmann::json::parse(HostTest::Utf8(Lines.Lines[0]));
	EXPECT_EQ(Json["problems"], 1);
	EXPECT_EQ(Json["warnings"], FQuovexStageDoctor::Count(Sorted, ESeverity::Warning));
	ASSERT_EQ(Json["findings"].size(), static_cast<size_t>(Sorted.Num()));
	EXPECT_EQ(Json["findings"][0]["severity"], "Problem");
	EXPECT_EQ(Json["findings"][0]["area"], "Panels");
	EXPECT_EQ(Json["findings"][0]["subject"], "QuovexTakeLog");
	EXPECT_EQ(Json["findings"][0]["what"], HostTest::Utf8(Sorted[0].What));
	EXPECT_EQ(Lines.Lines[1], TEXT("ERROR Stage doctor: 1 problem (Panels: QuovexTakeLog), 4 warnings"));

	// The text report: a heading per area, one line a finding, the summary last.
	EXPECT_FALSE(Lines.Run(TEXT("Quovex.Doctor")));
	EXPECT_EQ(Lines.Lines[0], TEXT("[Panels]"));
	EXPECT_TRUE(Lines.Lines[1].StartsWith(TEXT("  Problem | QuovexTakeLog | Its Blueprint /QuovexSuite/Editor/Panels/QuovexTakeLog.QuovexTakeLog is missing")));
	EXPECT_TRUE(Lines.Lines.Contains(TEXT("  OK | Timecode rate | The project's timecode runs at 25/1. | -")));
	EXPECT_EQ(Lines.Lines.Last(), TEXT("ERROR Stage doctor: 1 problem (Panels: QuovexTakeLog), 4 warnings"));
}

TEST_F(StageDoctorTest, TheCommandTakesOnlyJsonAndNamesAnyOtherWord)
{
	BootStage();
	FConsoleLines Lines;
	const std::map<FString, FString> BadInputs = {
		{ TEXT("Quovex.Doctor jsn"), TEXT("ERROR Quovex.Doctor: unexpected argument 'jsn'. Usage: Quovex.Doctor [json]") },
		{ TEXT("Quovex.Doctor json now"), TEXT("ERROR Quovex.Doctor: unexpected argument 'now'. Usage: Quovex.Doctor [json]") },
		{ TEXT("Quovex.Doctor json json"), TEXT("ERROR Quovex.Doctor: unexpected argument 'json'. Usage: Quovex.Doctor [json]") },
		{ TEXT("Quovex.Doctor \"json now\""), TEXT("ERROR Quovex.Doctor: unexpected argument 'json now'. Usage: Quovex.Doctor [json]") },
		{ TEXT("Quovex.Doctor \"json"), TEXT("ERROR Quovex.Doctor: a quote is left open") },
	};
	for (const auto& [Line, Expected] : BadInputs)
	{
		SCOPED_TRACE(HostTest::Utf8(Line));
		EXPECT_FALSE(Lines.Run(Line));
		EXPECT_EQ(Lines.Lines, TArray<FString>({ Expected }));
	}
	EXPECT_TRUE(Lines.Run(TEXT("Quovex.Doctor JSON")));
	EXPECT_TRUE(Lines.Lines[0].StartsWith(TEXT("{\"problems\":0,")));
	EXPECT_EQ(Lines.Lines.Last(), TEXT("Stage doctor: no problem, 4 warnings"));
}

namespace
{
	/** What the doctor must leave as it found: the editor state an operator relies on, and every file of the stage. */
	struct FStageSnapshot
	{
		AActor* ActiveCamera = nullptr;
		int32 ActiveCameraIndex = 0;
		bool bNeedsCameraUpdate = false;
		TArray<FString> LiveLink;
		TArray<FString> Controllers;
		TArray<FString> Tabs;
		TArray<FString> Settings;
		int32 LiveObjects = 0;
		std::map<std::string, std::string> Files;

		bool operator==(const FStageSnapshot& Other) const = default;
	};

	void PrintTo(const FStageSnapshot& Snapshot, std::ostream* Os)
	{
		*Os << "active " << Snapshot.ActiveCamera << " #" << Snapshot.ActiveCameraIndex << (Snapshot.bNeedsCameraUpdate ? " pending" : "") << ", " << Snapshot.LiveObjects << " objects";
		for (const TArray<FString>* Part : { &Snapshot.LiveLink, &Snapshot.Controllers, &Snapshot.Tabs, &Snapshot.Settings })
		{
			*Os << ", [" << TCHAR_TO_UTF8(*FString::Join(*Part, TEXT(", "))) << "]";
		}
		*Os << ", " << Snapshot.Files.size() << " files";
	}

	FStageSnapshot TakeSnapshot(const std::filesystem::path& Root)
	{
		FStageSnapshot Snapshot;
		UQuovexVPEditorSubsystem* Subsystem = UQuovexVPEditorSubsystem::Get();
		Snapshot.ActiveCamera = Subsystem->ActiveCamera.Get();
		Snapshot.ActiveCameraIndex = Subsystem->ActiveCameraIndex;
		Snapshot.bNeedsCameraUpdate = Subsystem->bNeedsCameraUpdate;

		ILiveLinkClient& Client = IModularFeatures::Get().GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
		for (const FGuid& Source : Client.GetSources())
		{
			Snapshot.LiveLink.Add(Source.ToString());
		}
		for (const FLiveLinkSubjectKey& Key : Client.GetSubjects(true, true))
		{
			Snapshot.LiveLink.Add(Key.SubjectName.ToString() + (Client.IsSubjectEnabled(Key, false) ? TEXT(" on") : TEXT(" off")));
		}
		TArray<AActor*> Cameras;
		UGameplayStatics::GetAllActorsWithTag(UQuovexEditorFunctionLibrary::GetCurrentWorld(), QuovexTags::TAG_CAMERA, Cameras);
		for (const AActor* Camera : Cameras)
		{
			const UQuovexLiveLinkComponentController* Controller = Camera->GetComponentByClass<UQuovexLiveLinkComponentController>();
			Snapshot.Controllers.Add(Camera->GetName() + TEXT(":") + (Controller ? Controller->SubjectRepresentation.Subject.ToString() + TEXT("/") + (Controller->SubjectRepresentation.Role.Get() ? Controller->SubjectRepresentation.Role->GetName() : FString(TEXT("None"))) : FString(TEXT("-"))));
		}

		TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
		TArray<TSharedRef<SDockTab>> LiveTabs;
		const TSharedPtr<FTabManager> TabManager = FModuleManager::GetModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
		TabManager->GetTabSpawnerEntries(Spawners);
		TabManager->GetLiveTabs(LiveTabs);
		for (const TSharedRef<FTabSpawnerEntry>& Spawner : Spawners)
		{
			Snapshot.Tabs.Add(Spawner->GetTabType().ToString());
		}
		for (const TSharedRef<SDockTab>& Tab : LiveTabs)
		{
			Snapshot.Tabs.Add(TEXT("open ") + Tab->GetLayoutIdentifier().ToString());
		}

		for (const TCHAR* Variable : { TEXT("LevelSequence.DefaultDisplayRate"), TEXT("LevelSequence.DefaultTickResolution") })
		{
			Snapshot.Settings.Add(IConsoleManager::Get().FindConsoleVariable(Variable)->GetString());
		}
		Snapshot.Settings.Add(GetDefault<UQuovexVirtualProductionSettings>()->LiveLinkPresetName);
		Snapshot.Settings.Add(UQuovexLensCalSequenceGenerator::StaticClass()->GetDefaultObject(false) ? TEXT("lens settings loaded") : TEXT("lens settings not loaded"));
		Snapshot.Settings.Add(GConfig->IsFileLoaded(FPaths::ProjectConfigDir() + TEXT("DefaultQuovexLensCalSequenceSettings.ini")) ? TEXT("lens file cached") : TEXT("lens file not cached"));
		Snapshot.LiveObjects = UE::ObjectHost::GetNumLiveObjects();

		for (const std::filesystem::directory_entry& Entry : std::filesystem::recursive_directory_iterator(Root))
		{
			if (Entry.is_regular_file())
			{
				Snapshot.Files[Entry.path().generic_string()] = std::to_string(Entry.last_write_time().time_since_epoch().count()) + ":" + HostTest::ReadFile(Entry.path());
			}
		}
		return Snapshot;
	}
}

TEST_F(StageDoctorTest, LookingChangesNothingEvenOnABrokenStage)
{
	// A stage with something wrong in every area the doctor reads, and a camera re-resolution pending.
	WriteMap("Faults", CameraJson("Bare", CameraTag, nullptr) + "," + CameraJson("Stale", CameraTag, "CamZ") + "," + CameraJson("TakeCam", SpawnedTags, "") + "," + CameraJson("Waiting", CameraTag, ""));
	std::filesystem::remove(PanelAsset("QuovexTakeLog"));
	HostTest::WriteFile(Temp.Path("Demo/Config/DefaultQuovexLensCalSequenceSettings.ini"), "[/Script/QuovexVirtualProductionEditor.QuovexLensCalSequenceGenerator]\nSequenceSettings=(NumFocusPos=\n");
	BootAndWatch();
	EndFrame();
	OpenMap(TEXT("Faults"));
	ASSERT_TRUE(RunLine(TEXT("livelink add-source Mocap mocap-01")));
	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexStageManager")));
	Subsystem()->SetActiveCameraIndex(3);
	ASSERT_TRUE(RunLine(TEXT("pie start")));
	ASSERT_TRUE(RunLine(TEXT("pie stop")));
	ASSERT_TRUE(Subsystem()->bNeedsCameraUpdate);
	std::filesystem::remove(HostTest::Utf8(FPaths::EngineUserLayoutDir() + TEXT("QuovexOutputLayout.ini")));
	Native.Empty();
	Log.Clear();

	const FStageSnapshot Before = TakeSnapshot(Temp.Path());
	FConsoleLines Lines;
	EXPECT_FALSE(Lines.Run(TEXT("Quovex.Doctor")));
	EXPECT_FALSE(Lines.Run(TEXT("Quovex.Doctor json")));
	const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
	EXPECT_EQ(TakeSnapshot(Temp.Path()), Before);

	// Nobody heard of a camera change, and the doctor did find what it was given.
	EXPECT_TRUE(Native.IsEmpty());
	EXPECT_EQ(TakeBlueprint(), 0);
	for (EArea Area : { EArea::LiveLink, EArea::Cameras, EArea::Panels, EArea::Layouts, EArea::Timecode, EArea::LensCalibration })
	{
		EXPECT_TRUE(NotOK(Findings).ContainsByPredicate([Area](const FQuovexDoctorFinding& Finding) { return Finding.Area == Area; })) << TCHAR_TO_UTF8(FQuovexStageDoctor::AreaName(Area));
	}
}
