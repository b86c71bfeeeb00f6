// Which LiveLink subject each camera follows, and the lens readouts of the active camera.

#include "VPEditorSubsystemTestFixture.h"

#include "Features/IModularFeatures.h"
#include "ILiveLinkClient.h"
#include "LiveLinkHostSource.h"
#include "LiveLinkSubjectSettings.h"
#include "QuovexLiveLinkRole.h"
#include "QuovexLiveLinkSubjectSettings.h"
#include "UObject/Package.h"

using namespace QuovexTest;

namespace
{
	class VPLiveLinkBindingTest : public FVPSubsystemTest
	{
	protected:
		void SetUp() override
		{
			FVPSubsystemTest::SetUp();
			// Two cameras whose controllers follow nothing yet, and one that follows a subject of its own.
			const std::string Tag = "\\\"" + HostTest::Utf8(QuovexTags::TAG_CAMERA.ToString()) + "\\\"";
			WriteMap("Unbound", CameraWithController("First", Tag, "") + "," + CameraWithController("Second", Tag, "") + "," + CameraWithController("Own", Tag, "Handheld"));
		}

		static std::string CameraWithController(const std::string& Name, const std::string& Tags, const std::string& Subject)
		{
			std::string Json = ActorJson(Name, Name, Tags);
			Json.pop_back();
			const std::string Representation = Subject.empty() ? "" : ", \"Properties\": { \"SubjectRepresentation\": \"(Subject=(Name=\\\"" + Subject + "\\\"))\" }";
			return Json + ", \"Subobjects\": [ { \"Name\": \"TrackerController\", \"Class\": \"/Script/QuovexTracking.QuovexLiveLinkComponentController\"" + Representation + " } ] }";
		}

		void BootStage()
		{
			BootAndWatch();
			// The demo's preset reaches the client at the end of the first frame.
			EndFrame();
			ASSERT_EQ(Client().GetSources().Num(), 1);
		}

		static ILiveLinkClient& Client()
		{
			return IModularFeatures::Get().GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
		}

		static FGuid AddSource(const TCHAR* Machine)
		{
			return Client().AddSource(MakeShared<FLiveLinkHostSource>(FText::FromString(TEXT("Tracker")), FText::FromString(Machine)));
		}

		static void AddSubject(const FGuid& Source, const TCHAR* Name, UClass* SettingsClass = UQuovexLiveLinkSubjectSettings::StaticClass())
		{
			FLiveLinkSubjectPreset Preset;
			Preset.Key = FLiveLinkSubjectKey(Source, FName(Name));
			Preset.Role = UQuovexLiveLinkRole::StaticClass();
			Preset.bEnabled = true;
			Preset.Settings = NewObject<ULiveLinkSubjectSettings>(GetTransientPackage(), SettingsClass);
			Preset.Settings->Role = Preset.Role;
			ASSERT_TRUE(Client().CreateSubject(Preset));
		}

		static void RemoveAllSources()
		{
			for (const FGuid& Source : Client().GetSources())
			{
				Client().RemoveSource(Source);
			}
		}

		static AQuovexCamera* CameraLabelled(const TCHAR* Name)
		{
			return Subsystem()->GetQuovexCamera(Name).Get();
		}

		/** Feeds the active subject a tracker frame through the console, as a tracker source would. */
		void Push(const TCHAR* Subject, int32 Zoom, int32 Focus)
		{
			ASSERT_TRUE(FEditorHost::Exec(FString::Printf(TEXT("livelink push %s RawZoom=%d RawFocus=%d"), Subject, Zoom, Focus), Console));
		}
	};
}

TEST_F(VPLiveLinkBindingTest, APlacedCameraFollowsTheFirstSubjectOfTheOnlySource)
{
	BootStage();
	AQuovexCamera* Placed = Place(TEXT("Camera C"), {}, true);
	EXPECT_EQ(SubjectOf(Placed), TEXT("CamA"));
	EXPECT_EQ(ControllerOf(Placed)->SubjectRepresentation.Role.Get(), UQuovexLiveLinkRole::StaticClass());

	// A controller that already follows a subject keeps it; a camera without a controller is left alone.
	AQuovexCamera* Bound = Place(TEXT("Camera D"), {}, true, TEXT("Handheld"));
	EXPECT_EQ(SubjectOf(Bound), TEXT("Handheld"));
	AQuovexCamera* Bare = Place(TEXT("Camera E"));
	EXPECT_EQ(Subsystem()->GetActiveCamera(), Bare);
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Camera A"))), TEXT("CamA"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Camera B"))), TEXT("CamB"));
}

TEST_F(VPLiveLinkBindingTest, WithTwoSourcesOrNoneNothingIsOfferedButNewSubjectsAreStillGiven)
{
	BootStage();
	const FGuid Second = AddSource(TEXT("tracker-02"));
	AQuovexCamera* WithTwo = Place(TEXT("Camera C"), {}, true);
	EXPECT_EQ(SubjectOf(WithTwo), TEXT("None"));

	// A new subject goes to every controller still without one, whatever its source or settings.
	AddSubject(Second, TEXT("CamC"), ULiveLinkSubjectSettings::StaticClass());
	EXPECT_EQ(SubjectOf(WithTwo), TEXT("CamC"));
	EXPECT_EQ(ControllerOf(WithTwo)->SubjectRepresentation.Role.Get(), UQuovexLiveLinkRole::StaticClass());
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Camera A"))), TEXT("CamA"));

	RemoveAllSources();
	AQuovexCamera* WithNone = Place(TEXT("Camera D"), {}, true);
	EXPECT_EQ(SubjectOf(WithNone), TEXT("None"));
}

TEST_F(VPLiveLinkBindingTest, SubjectsWithForeignSettingsAreNeverOffered)
{
	BootStage();
	RemoveAllSources();
	const FGuid Source = AddSource(TEXT("tracker-03"));
	AddSubject(Source, TEXT("Mocap"), ULiveLinkSubjectSettings::StaticClass());
	AQuovexCamera* OnlyForeign = Place(TEXT("Camera C"), {}, true);
	EXPECT_EQ(SubjectOf(OnlyForeign), TEXT("None"));

	// The later plugin subject reaches the waiting controller, and is what the next camera is offered.
	AddSubject(Source, TEXT("CamZ"));
	EXPECT_EQ(SubjectOf(OnlyForeign), TEXT("CamZ"));
	AQuovexCamera* Next = Place(TEXT("Camera D"), {}, true);
	EXPECT_EQ(SubjectOf(Next), TEXT("CamZ"));
}

TEST_F(VPLiveLinkBindingTest, SequenceSpawnedCamerasAreSkippedWhenPlacedButNotWhenSubjectsArrive)
{
	BootStage();
	AQuovexCamera* Spawned = PlaceSequenceSpawned(TEXT("Take Cam"), true);
	EXPECT_EQ(Subsystem()->GetActiveCamera(), Spawned);
	EXPECT_EQ(SubjectOf(Spawned), TEXT("None"));
	AddSubject(Client().GetSources()[0], TEXT("CamD"));
	EXPECT_EQ(SubjectOf(Spawned), TEXT("CamD"));
}

TEST_F(VPLiveLinkBindingTest, OpeningAMapGivesOnlyItsFirstCameraASubjectAndBoundCamerasKeepTheirs)
{
	BootStage();
	OpenMap(TEXT("Unbound"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("First"))), TEXT("CamA"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Second"))), TEXT("None"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Own"))), TEXT("Handheld"));

	AddSubject(Client().GetSources()[0], TEXT("CamE"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("First"))), TEXT("CamA"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Second"))), TEXT("CamE"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Own"))), TEXT("Handheld"));

	// Back on the stage, its cameras follow what the map gave them.
	OpenMap(TEXT("Stage"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Camera A"))), TEXT("CamA"));
	EXPECT_EQ(SubjectOf(CameraLabelled(TEXT("Camera B"))), TEXT("CamB"));
}

TEST_F(VPLiveLinkBindingTest, WithoutAnActiveCameraOrControllerTheReadoutsFailAndLeaveTheirOutputs)
{
	BootStage();
	Subsystem()->GetActiveCamera()->Destroy();
	int32 RawZoom = 7;
	int32 RawFocus = 8;
	float Zoom = 7.5f;
	float Focus = 8.5f;
	FString TextZoom = TEXT("kept");
	FString TextFocus = TEXT("kept too");
	EXPECT_EQ(Subsystem()->GetCurrentQuovexCameraLiveLink(), nullptr);
	EXPECT_FALSE(Subsystem()->GetCurrentQuovexCameraZoomFocus(RawZoom, RawFocus));
	EXPECT_FALSE(Subsystem()->GetCurrentQuovexCameraZoomFocusPercent(Zoom, Focus));
	EXPECT_FALSE(Subsystem()->GetCurrentQuovexCameraZoomFocusPercentString(TextZoom, TextFocus));
	EXPECT_EQ(RawZoom, 7);
	EXPECT_EQ(RawFocus, 8);
	EXPECT_EQ(Zoom, 7.5f);
	EXPECT_EQ(Focus, 8.5f);
	EXPECT_EQ(TextZoom, TEXT("kept"));
	EXPECT_EQ(TextFocus, TEXT("kept too"));

	Place(TEXT("No Controller"));
	EXPECT_FALSE(Subsystem()->GetCurrentQuovexCameraZoomFocus(RawZoom, RawFocus));
	EXPECT_EQ(RawZoom, 7);
}

TEST_F(VPLiveLinkBindingTest, TheReadoutsFollowTheActiveCamerasLatestTrackerFrame)
{
	BootStage();
	int32 Zoom = -1;
	int32 Focus = -1;
	// A subject that has sent nothing reads as the encoders' rest position.
	ASSERT_TRUE(Subsystem()->GetCurrentQuovexCameraZoomFocus(Zoom, Focus));
	EXPECT_EQ(Zoom, 0);
	EXPECT_EQ(Focus, 0);

	Push(TEXT("CamA"), 1200, 34000);
	Push(TEXT("CamB"), 5, 6);
	ASSERT_TRUE(Subsystem()->GetCurrentQuovexCameraZoomFocus(Zoom, Focus));
	EXPECT_EQ(Zoom, 1200);
	EXPECT_EQ(Focus, 34000);
	EXPECT_EQ(Subsystem()->GetCurrentQuovexCameraLiveLink(), ControllerOf(CameraLabelled(TEXT("Camera A"))));

	Subsystem()->SetActiveCameraIndex(1);
	ASSERT_TRUE(Subsystem()->GetCurrentQuovexCameraZoomFocus(Zoom, Focus));
	EXPECT_EQ(Zoom, 5);
	EXPECT_EQ(Focus, 6);
	Push(TEXT("CamB"), 65535, 0);
	float ZoomPercent = 0.0f;
	float FocusPercent = -1.0f;
	ASSERT_TRUE(Subsystem()->GetCurrentQuovexCameraZoomFocusPercent(ZoomPercent, FocusPercent));
	EXPECT_EQ(ZoomPercent, 100.0f);
	EXPECT_EQ(FocusPercent, 0.0f);
}

TEST_F(VPLiveLinkBindingTest, PercentTextsCutTwoDecimalsFromTheSingleFloatPercentage)
{
	BootStage();
	const TPair<int32, const TCHAR*> Table[] = {
		{ 0, TEXT("0.0%") },
		{ 1, TEXT("0.00%") },
		{ 1000, TEXT("1.52%") },
		{ 13107, TEXT("20.0%") },
		{ 32767, TEXT("49.99%") },
		{ 32768, TEXT("50.00%") },
		{ 65535, TEXT("100.0%") },
		{ 65536, TEXT("100.00%") },
		{ -655, TEXT("-0.99%") },
	};
	for (const TPair<int32, const TCHAR*>& Row : Table)
	{
		// Zoom and focus are read apart: a different focus value shows each comes from its own field.
		Push(TEXT("CamA"), Row.Key, 13107);
		FString Zoom;
		FString Focus;
		ASSERT_TRUE(Subsystem()->GetCurrentQuovexCameraZoomFocusPercentString(Zoom, Focus));
		EXPECT_EQ(Zoom, Row.Value) << Row.Key;
		EXPECT_EQ(Focus, TEXT("20.0%"));
		float ZoomPercent = 0.0f;
		float FocusPercent = 0.0f;
		ASSERT_TRUE(Subsystem()->GetCurrentQuovexCameraZoomFocusPercent(ZoomPercent, FocusPercent));
		EXPECT_EQ(ZoomPercent, static_cast<float>(Row.Key) * 0.0015259022f) << Row.Key;
	}

	// The same through the console, as a panel's Blueprint call comes in.
	Push(TEXT("CamA"), 32767, 1000);
	Console.Clear();
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexVPEditorSubsystem.GetCurrentQuovexCameraZoomFocusPercentString"), Console));
	EXPECT_EQ(Console.GetLines(), (TArray<FString>{ TEXT("ReturnValue=True"), TEXT("sZoom=49.99%"), TEXT("sFocus=1.52%") }));
}
