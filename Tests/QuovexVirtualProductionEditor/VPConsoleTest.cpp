// The VP subsystem from the editor's console: spawning tracked cameras, feeding frames, calling its functions,
// and what every malformed line says without changing the stage.

#include "VPEditorSubsystemTestFixture.h"

#include "EngineUtils.h"

using namespace QuovexTest;

namespace
{
	class VPConsoleTest : public FVPSubsystemTest
	{
	protected:
		bool Run(const TCHAR* Line)
		{
			Console.Clear();
			return FEditorHost::Exec(Line, Console);
		}

		bool Said(const TCHAR* Text) const
		{
			return Console.Contains(Text);
		}

		int32 ActorCount() const
		{
			int32 Count = 0;
			for (FActorIterator It(World()); It; ++It)
			{
				++Count;
			}
			return Count;
		}
	};
}

TEST_F(VPConsoleTest, SpawnPlacesACameraWithItsControllerBeforeTheSubsystemHearsOfIt)
{
	BootAndWatch();
	EndFrame();
	ASSERT_TRUE(Run(TEXT("spawn QuovexCamera \"Camera C\" controller=QuovexLiveLinkComponentController")));
	EXPECT_TRUE(Said(TEXT("Spawned Camera C [QuovexCamera] tags: QuovexCamera subject: CamA")));
	ExpectNotified({ TEXT("Camera C") });

	ASSERT_TRUE(Run(TEXT("spawn /Script/QuovexVirtualProduction.QuovexCamera Take\\ Cam QuovexCamera,QuovexSequenceSpawned controller=UQuovexLiveLinkComponentController subject=Old")));
	EXPECT_EQ(SubjectOf(Subsystem()->GetActiveCamera()), TEXT("Old"));
	EXPECT_EQ(Label(Subsystem()->GetActiveCamera()), TEXT("Take Cam"));
	EXPECT_TRUE(Subsystem()->GetActiveCamera()->ActorHasTag(QuovexTags::TAG_SEQUENCE_SPAWNED));

	ASSERT_TRUE(Run(TEXT("Quovex.Cameras")));
	EXPECT_EQ(Console.GetLines()[0], TEXT("4 camera actors in /Game/Maps/Stage; active: Take Cam (index 3)"));
	EXPECT_EQ(Console.GetLines()[4], TEXT("  [3] Take Cam (active) (sequence spawned) | controller: QuovexLiveLinkComponentController, subject Old"));
}

TEST_F(VPConsoleTest, MalformedSpawnsSayWhatIsWrongAndPlaceNothing)
{
	BootAndWatch();
	const int32 Before = ActorCount();
	const TCHAR* const Lines[] = {
		TEXT("spawn"),
		TEXT("spawn NoSuchClass"),
		TEXT("spawn QuovexLiveLinkComponentController"),
		TEXT("spawn QuovexCamera A B C D"),
		TEXT("spawn QuovexCamera \"Open"),
		TEXT("spawn QuovexCamera Trailing\\"),
		TEXT("spawn QuovexCamera X controller=QuovexCamera"),
		TEXT("spawn QuovexCamera X controller=LiveLinkControllerBase"),
		TEXT("spawn QuovexCamera X subject=CamA"),
		TEXT("spawn QuovexCamera X controller=SceneComponent subject=CamA"),
	};
	for (const TCHAR* Line : Lines)
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
		EXPECT_EQ(Console.GetLines().Num(), 1) << TCHAR_TO_UTF8(Line);
	}
	EXPECT_TRUE(Run(TEXT("spawn QuovexCamera \"\"")));
	EXPECT_EQ(ActorCount(), Before + 1);
	// Unlabelled when the subsystem heard of it; the listing then gave it the editor's default label.
	ExpectNotified({ TEXT("") });
	EXPECT_TRUE(Label(Subsystem()->GetActiveCamera()).StartsWith(TEXT("QuovexCamera"))) << TCHAR_TO_UTF8(*Label(Subsystem()->GetActiveCamera()));
}

TEST_F(VPConsoleTest, CallsReachTheSubsystemAndBadCallsChangeNothing)
{
	BootAndWatch();
	EndFrame();
	ASSERT_TRUE(Run(TEXT("livelink push CamA RawZoom=13107 RawFocus=65535")));
	ASSERT_TRUE(Run(TEXT("call QuovexVPEditorSubsystem.GetCurrentQuovexCameraZoomFocusPercent")));
	EXPECT_EQ(Console.GetLines(), (TArray<FString>{ TEXT("ReturnValue=True"), TEXT("Zoom=20.0"), TEXT("Focus=100.0") }));
	ASSERT_TRUE(Run(TEXT("call QuovexVPEditorSubsystem.HasQuovexCamera")));
	EXPECT_EQ(Console.GetLines(), TArray<FString>{ TEXT("ReturnValue=True") });

	const TCHAR* const Bad[] = {
		TEXT("call QuovexVPEditorSubsystem.Fly"),
		TEXT("call QuovexVPEditorSubsystem.SetActiveCameraIndex CameraIndex=one"),
		TEXT("call QuovexVPEditorSubsystem.SetActiveCameraIndex Index=1"),
		TEXT("call QuovexVPEditorSubsystem.SetActiveCamera CameraActor=/Game/Maps/Stage.Stage:PersistentLevel.Nobody"),
		TEXT("livelink push CamA RawZoom=wide"),
		TEXT("livelink push CamA Zoom=1"),
		TEXT("livelink push Nobody RawZoom=1"),
		TEXT("livelink push \"CamA RawZoom=1"),
		TEXT("livelink push"),
	};
	for (const TCHAR* Line : Bad)
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
		EXPECT_FALSE(Console.GetLines().IsEmpty()) << TCHAR_TO_UTF8(Line);
	}
	ExpectNotified({});
	int32 Zoom = 0;
	int32 Focus = 0;
	ASSERT_TRUE(Subsystem()->GetCurrentQuovexCameraZoomFocus(Zoom, Focus));
	EXPECT_EQ(Zoom, 13107);
	EXPECT_EQ(Focus, 65535);
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);
}

TEST_F(VPConsoleTest, CameraCommandsNameWhatTheyCannotFind)
{
	BootAndWatch();
	ASSERT_TRUE(Run(TEXT("Quovex.FindCamera camera b")));
	EXPECT_EQ(Console.GetLines(), TArray<FString>{ TEXT("Camera B: /Game/Maps/Stage.Stage:PersistentLevel.CamB") });
	EXPECT_FALSE(Run(TEXT("Quovex.FindCamera Dolly")));
	EXPECT_TRUE(Said(TEXT("No Quovex camera named Dolly in the current world")));
	EXPECT_FALSE(Run(TEXT("Quovex.FindCamera")));
	EXPECT_FALSE(Run(TEXT("Quovex.Cameras all")));
	EXPECT_FALSE(Run(TEXT("Quovex.ActiveCamera now")));
	EXPECT_FALSE(Run(TEXT("Quovex.WatchEvents loudly")));
	EXPECT_FALSE(Run(TEXT("Quovex.TriggerActiveCameraChanged Dolly")));
	ExpectNotified({});

	ASSERT_TRUE(Run(TEXT("Quovex.TriggerActiveCameraChanged Camera B")));
	EXPECT_EQ(TakeNative(), TArray<FString>{ TEXT("Camera B") });
	EXPECT_EQ(TakeBlueprint(), 0);
}

TEST_F(VPConsoleTest, TickAndPlayCommandsRefuseWhatTheyCannotDo)
{
	BootAndWatch();
	EXPECT_TRUE(Run(TEXT("tick")));
	EXPECT_TRUE(Run(TEXT("tick 3")));
	EXPECT_EQ(Console.GetLines(), TArray<FString>{ TEXT("Ticked 3 frames") });
	for (const TCHAR* Line : { TEXT("tick 0"), TEXT("tick -2"), TEXT("tick many"), TEXT("tick 1 2"), TEXT("tick 99999999999") })
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
	}
	EXPECT_FALSE(Run(TEXT("pie stop")));
	EXPECT_TRUE(Run(TEXT("pie start")));
	UWorld* PlayWorld = GEditor->PlayWorld;
	EXPECT_FALSE(Run(TEXT("pie start")));
	EXPECT_EQ(GEditor->PlayWorld, PlayWorld);
	// The subsystem's Stop ends the session at the next frame, which the console runs after the call.
	EXPECT_TRUE(Run(TEXT("call QuovexVPEditorSubsystem.Stop")));
	EXPECT_EQ(GEditor->PlayWorld, nullptr);
}

TEST_F(VPConsoleTest, NamedArgumentsSplitLikeEveryOtherCommand)
{
	BootAndWatch();
	// A label with a space is one quoted word; unquoted it is two words and refused, with nothing deleted.
	EXPECT_FALSE(Run(TEXT("delete Camera B")));
	EXPECT_FALSE(Run(TEXT("delete \"Camera B")));
	EXPECT_TRUE(Subsystem()->GetQuovexCamera(TEXT("Camera B")).IsValid());
	EXPECT_TRUE(Run(TEXT("delete \"Camera B\"")));
	EXPECT_FALSE(Subsystem()->GetQuovexCamera(TEXT("Camera B")).IsValid());
	EXPECT_FALSE(Run(TEXT("map /Game/Maps/Stage extra")));
	EXPECT_FALSE(Run(TEXT("log LogQuovexVirtualProductionEditor \"Verbose")));
	EXPECT_TRUE(Run(TEXT("log \"LogQuovexVirtualProductionEditor\" Verbose")));
}
