// The active camera as panels see it: every change of the level, of play sessions and of the operator's choice,
// with what each native listener and Blueprint listener hears.

#include "VPEditorSubsystemTestFixture.h"

#include "Kismet/GameplayStatics.h"
#include "UObject/Package.h"

using namespace QuovexTest;

namespace
{
	class VPCameraRegistryTest : public FVPSubsystemTest
	{
	protected:
		void SetUp() override
		{
			FVPSubsystemTest::SetUp();
			const std::string Camera = HostTest::Utf8(QuovexTags::TAG_CAMERA.ToString());
			const std::string Spawned = HostTest::Utf8(QuovexTags::TAG_SEQUENCE_SPAWNED.ToString());
			// clang-format off
			WriteMap("Take", ActorJson("S", "Spawned", "\\\"" + Camera + "\\\",\\\"" + Spawned + "\\\"") + ","
				+ ActorJson("A", "Cam A", "\\\"" + Camera + "\\\"") + ","
				+ ActorJson("B", "Cam B", "\\\"" + Camera + "\\\"") + ","
				+ ActorJson("C", "Cam C", "\\\"" + Camera + "\\\""));
			WriteMap("Mixed", ActorJson("Crane", "Crane", "\\\"" + Camera + "\\\"", "/Script/Engine.Actor") + ","
				+ ActorJson("Main", "Main", "\\\"" + Camera + "\\\"") + ","
				+ ActorJson("Spare", "", "\\\"" + Camera + "\\\""));
			// clang-format on
		}

		static AActor* CameraInList(int32 Index)
		{
			TArray<AActor*> Cameras;
			UGameplayStatics::GetAllActorsWithTag(World(), QuovexTags::TAG_CAMERA, Cameras);
			return Cameras.IsValidIndex(Index) ? Cameras[Index] : nullptr;
		}
	};
}

TEST_F(VPCameraRegistryTest, OpeningAMapActivatesItsFirstCameraAndTellsEveryCamera)
{
	BootAndWatch();
	OpenMap(TEXT("Take"));
	ExpectNotified({ TEXT("Spawned") });
	EXPECT_EQ(Label(Subsystem()->GetActiveCamera()), TEXT("Spawned"));
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);

	TArray<TWeakObjectPtr<AQuovexCamera>> Cameras;
	Subsystem()->GetQuovexCameras(Cameras);
	ASSERT_EQ(Cameras.Num(), 4);
	for (const TWeakObjectPtr<AQuovexCamera>& Camera : Cameras)
	{
		EXPECT_EQ(Camera->MapsOpened, 1) << TCHAR_TO_UTF8(*Label(Camera.Get()));
		EXPECT_EQ(Camera->IsActiveCamera(), Camera == Cameras[0]) << TCHAR_TO_UTF8(*Label(Camera.Get()));
	}
}

TEST_F(VPCameraRegistryTest, AFirstCameraThatIsNotAQuovexCameraIsActiveButNotActivated)
{
	BootAndWatch();
	OpenMap(TEXT("Mixed"));
	// Any camera-tagged actor counts in the list; only Quovex cameras are activated and told of the map.
	ExpectNotified({ TEXT("Crane") });
	EXPECT_TRUE(Subsystem()->HasQuovexCamera());
	EXPECT_EQ(Subsystem()->GetActiveCamera(), nullptr);
	EXPECT_FALSE(Subsystem()->GetQuovexCamera().IsValid());
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);
	TArray<TWeakObjectPtr<AQuovexCamera>> Cameras;
	Subsystem()->GetQuovexCameras(Cameras);
	ASSERT_EQ(Cameras.Num(), 2);
	EXPECT_FALSE(Cameras[0]->IsActiveCamera());
	EXPECT_EQ(Cameras[0]->MapsOpened, 1);
	EXPECT_EQ(Cameras[1]->MapsOpened, 1);

	// Of two camera-tagged actors where only the second is a Quovex camera, the index still counts both.
	Subsystem()->SetActiveCameraIndex(1);
	ExpectNotified({ TEXT("Main") });
	EXPECT_EQ(Label(Subsystem()->GetActiveCamera()), TEXT("Main"));
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 1);
}

TEST_F(VPCameraRegistryTest, AMapWithoutCamerasLeavesTheStaleCameraAndCallsNoMapOpened)
{
	BootAndWatch();
	Subsystem()->SetActiveCameraIndex(1);
	ExpectNotified({ TEXT("Camera B") });
	OpenMap(TEXT("Empty"));
	ExpectNotified({});
	// The previous map's camera died with its world; nothing replaced it.
	EXPECT_FALSE(Subsystem()->HasQuovexCamera());
	EXPECT_EQ(Subsystem()->GetActiveCamera(), nullptr);
	EXPECT_FALSE(Subsystem()->GetQuovexCamera().IsValid());
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 1);
	ExpectNotified({});
}

TEST_F(VPCameraRegistryTest, PlacingACameraMakesItActiveWhileOtherActorsChangeNothing)
{
	BootAndWatch();
	AQuovexCamera* Placed = Place(TEXT("Camera C"));
	ExpectNotified({ TEXT("Camera C") });
	EXPECT_EQ(Subsystem()->GetActiveCamera(), Placed);
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 2);

	// A camera-tagged actor of another class is counted but not made active; an untagged one is not counted.
	Place<AActor>(TEXT("Crane"), { QuovexTags::TAG_CAMERA });
	Place<AActor>(TEXT("Prop"));
	ExpectNotified({});
	EXPECT_EQ(Subsystem()->GetActiveCamera(), Placed);
	EXPECT_EQ(CameraInList(3)->GetActorLabel(), TEXT("Crane"));
}

TEST_F(VPCameraRegistryTest, DeletingTheActiveCameraClearsItAndDeletingAnotherFiresNothing)
{
	BootAndWatch();
	AActor* CameraA = CameraInList(0);
	AActor* CameraB = CameraInList(1);
	ASSERT_EQ(Subsystem()->GetActiveCamera(), CameraA);

	CameraB->Destroy();
	ExpectNotified({});
	EXPECT_EQ(Subsystem()->GetActiveCamera(), CameraA);

	CameraA->Destroy();
	ExpectNotified({ TEXT("none") });
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), -1);
	EXPECT_FALSE(Subsystem()->HasQuovexCamera());
	// Nothing is pending: asking again resolves nothing and fires nothing.
	EXPECT_FALSE(Subsystem()->GetQuovexCamera().IsValid());
	ExpectNotified({});
}

TEST_F(VPCameraRegistryTest, DeletingASequenceSpawnedCameraDefersTheChoiceToTheStoredIndex)
{
	BootAndWatch();
	OpenMap(TEXT("Take"));
	Subsystem()->SetActiveCameraIndex(2);
	ExpectNotified({ TEXT("Spawned"), TEXT("Cam B") });

	// S, A, B, C with B at 2: after S goes, position 2 holds C.
	CameraInList(0)->Destroy();
	ExpectNotified({});
	EXPECT_TRUE(Subsystem()->bNeedsCameraUpdate);
	EXPECT_EQ(Label(Subsystem()->GetActiveCamera()), TEXT("Cam B"));
	EXPECT_EQ(Label(Subsystem()->GetQuovexCamera().Get()), TEXT("Cam C"));
	ExpectNotified({ TEXT("Cam C") });
	EXPECT_FALSE(Subsystem()->bNeedsCameraUpdate);
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 2);

	// A second call has nothing pending.
	EXPECT_EQ(Label(Subsystem()->GetQuovexCamera().Get()), TEXT("Cam C"));
	ExpectNotified({});
}

TEST_F(VPCameraRegistryTest, DeletingASequenceSpawnedCameraFallsBackToTheFirstWhenTheIndexIsGone)
{
	BootAndWatch();
	OpenMap(TEXT("Take"));
	CameraInList(3)->Destroy();
	Subsystem()->SetActiveCameraIndex(2);
	ExpectNotified({ TEXT("Spawned"), TEXT("Cam B") });

	// S, A, B with B at 2: after S goes, position 2 no longer exists.
	CameraInList(0)->Destroy();
	EXPECT_EQ(Label(Subsystem()->GetQuovexCamera().Get()), TEXT("Cam A"));
	ExpectNotified({ TEXT("Cam A") });
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);
}

TEST_F(VPCameraRegistryTest, DeletingTheActiveSequenceSpawnedCameraClearsItAndLeavesAChoicePending)
{
	BootAndWatch();
	OpenMap(TEXT("Take"));
	ExpectNotified({ TEXT("Spawned") });
	CameraInList(0)->Destroy();
	ExpectNotified({ TEXT("none") });
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), -1);
	// -1 is no usable index: the first camera is chosen.
	EXPECT_EQ(Label(Subsystem()->GetQuovexCamera().Get()), TEXT("Cam A"));
	ExpectNotified({ TEXT("Cam A") });
}

TEST_F(VPCameraRegistryTest, PlayInEditorHandsTheCameraToItsCounterpartAndBack)
{
	BootAndWatch();
	Subsystem()->SetActiveCameraIndex(1);
	ExpectNotified({ TEXT("Camera B") });
	AActor* EditorCamera = Subsystem()->GetActiveCamera();

	Subsystem()->Play();
	GEngine->Tick(0.0f, false);
	ASSERT_NE(GEditor->PlayWorld, nullptr);
	ExpectNotified({ TEXT("Camera B") });
	AQuovexCamera* PlayCamera = Subsystem()->GetActiveCamera();
	ASSERT_NE(PlayCamera, nullptr);
	EXPECT_NE(PlayCamera, EditorCamera);
	EXPECT_TRUE(PlayCamera->GetOutermost()->HasAnyPackageFlags(PKG_PlayInEditor));
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 1);

	// A camera placed during play is counted in the play world.
	Place(TEXT("Play Cam"));
	ExpectNotified({ TEXT("Play Cam") });
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 2);

	Subsystem()->Stop();
	GEngine->Tick(0.0f, false);
	ASSERT_EQ(GEditor->PlayWorld, nullptr);
	// The end of play only marks the choice pending; the next question resolves it in the editor world.
	ExpectNotified({});
	EXPECT_TRUE(Subsystem()->bNeedsCameraUpdate);
	EXPECT_FALSE(Subsystem()->HasQuovexCamera());
	EXPECT_EQ(Subsystem()->GetQuovexCamera().Get(), CameraInList(0));
	ExpectNotified({ TEXT("Camera A") });
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);
}

TEST_F(VPCameraRegistryTest, AfterPlayTheStoredIndexPicksTheEditorCameraAtThatPosition)
{
	BootAndWatch();
	Place(TEXT("Camera C"));
	Subsystem()->Play();
	GEngine->Tick(0.0f, false);
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 2);
	Subsystem()->Stop();
	GEngine->Tick(0.0f, false);
	EXPECT_EQ(Label(Subsystem()->GetQuovexCamera().Get()), TEXT("Camera C"));
	EXPECT_EQ(Subsystem()->GetQuovexCamera()->GetOutermost(), GEditor->GetEditorWorldContext().World()->GetOutermost());
}

TEST_F(VPCameraRegistryTest, PlayWithoutAnActiveCameraOrWithAPlayCameraHandsNothingOver)
{
	BootAndWatch();
	CameraInList(0)->Destroy();
	ExpectNotified({ TEXT("none") });
	Subsystem()->Play();
	GEngine->Tick(0.0f, false);
	ASSERT_NE(GEditor->PlayWorld, nullptr);
	ExpectNotified({});
	EXPECT_FALSE(Subsystem()->HasQuovexCamera());
}

TEST_F(VPCameraRegistryTest, OutOfRangeIndicesAndNullCamerasChangeAndFireNothing)
{
	BootAndWatch();
	Subsystem()->SetActiveCameraIndex(-1);
	Subsystem()->SetActiveCameraIndex(2);
	Subsystem()->SetActiveCameraIndex(MAX_int32);
	Subsystem()->SetActiveCamera(nullptr);
	ExpectNotified({});
	EXPECT_EQ(Subsystem()->GetActiveCamera(), CameraInList(0));
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);

	// Choosing the camera that is already active still tells everyone.
	Subsystem()->SetActiveCamera(Subsystem()->GetActiveCamera());
	Subsystem()->SetActiveCameraIndex(0);
	ExpectNotified({ TEXT("Camera A"), TEXT("Camera A") });
}

TEST_F(VPCameraRegistryTest, ACameraOfAnotherWorldIsActiveWithoutAnIndex)
{
	BootAndWatch();
	UWorld* Other = UWorld::CreateWorld(EWorldType::Editor, false, TEXT("PreviewStage"));
	AQuovexCamera* Foreign = Other->SpawnActor<AQuovexCamera>();
	ExpectNotified({ Label(Foreign) });
	EXPECT_EQ(Subsystem()->GetActiveCamera(), Foreign);
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), -1);
	Other->DestroyWorld(false);
}

TEST_F(VPCameraRegistryTest, CamerasAreFoundByLabelIgnoringCaseElseByObjectName)
{
	BootAndWatch();
	OpenMap(TEXT("Mixed"));
	EXPECT_EQ(Label(Subsystem()->GetQuovexCamera(TEXT("mAIN")).Get()), TEXT("Main"));
	// An unlabelled camera answers to its object name; a label hides the object name.
	EXPECT_EQ(Subsystem()->GetQuovexCamera(TEXT("spare")).Get(), CameraInList(2));
	EXPECT_FALSE(Subsystem()->GetQuovexCamera(TEXT("Main_0")).IsValid());
	// Actors that are not Quovex cameras are never found, nor are names that match nothing.
	EXPECT_FALSE(Subsystem()->GetQuovexCamera(TEXT("Crane")).IsValid());
	EXPECT_FALSE(Subsystem()->GetQuovexCamera(TEXT("")).IsValid());
	ExpectNotified({ TEXT("Crane") });
}

TEST_F(VPCameraRegistryTest, GetQuovexCamerasAppendsToWhatTheCallerHolds)
{
	BootAndWatch();
	TArray<TWeakObjectPtr<AQuovexCamera>> Cameras;
	Cameras.Add(nullptr);
	Subsystem()->GetQuovexCameras(Cameras);
	Subsystem()->GetQuovexCameras(Cameras);
	ASSERT_EQ(Cameras.Num(), 5);
	EXPECT_FALSE(Cameras[0].IsValid());
	EXPECT_EQ(Label(Cameras[1].Get()), TEXT("Camera A"));
	EXPECT_EQ(Label(Cameras[2].Get()), TEXT("Camera B"));
	EXPECT_EQ(Cameras[3], Cameras[1]);
}

TEST_F(VPCameraRegistryTest, TriggeringTheCameraEventTellsNativeListenersOnly)
{
	BootAndWatch();
	AActor* CameraB = CameraInList(1);
	Subsystem()->TriggerActiveCameraChanged(CameraB);
	Subsystem()->TriggerActiveCameraChanged(nullptr);
	EXPECT_EQ(TakeNative(), (TArray<FString>{ TEXT("Camera B"), TEXT("none") }));
	EXPECT_EQ(TakeBlueprint(), 0);
	EXPECT_EQ(Subsystem()->GetActiveCamera(), CameraInList(0));
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);
}

TEST_F(VPCameraRegistryTest, TheModuleAddsCameraHandlersForOtherModules)
{
	BootAndWatch();
	TArray<AActor*> Heard;
	UQuovexVPEditorSubsystem::FOnActiveCameraChangedEvent::FDelegate Handler;
	Handler.BindLambda([&Heard](TWeakObjectPtr<AActor> Camera) { Heard.Add(Camera.Get()); });
	EditorModule()->AddActiveCameraChangedHandler(Handler);
	Subsystem()->SetActiveCameraIndex(1);
	EXPECT_EQ(Heard, TArray<AActor*>{ CameraInList(1) });
}

TEST_F(VPCameraRegistryTest, AfterDeinitializeNoHandlerOfTheSubsystemRuns)
{
	BootAndWatch();
	Subsystem()->Deinitialize();
	Place(TEXT("Camera C"));
	CameraInList(0)->Destroy();
	OpenMap(TEXT("Take"));
	Subsystem()->Play();
	GEngine->Tick(0.0f, false);
	EXPECT_FALSE(Subsystem()->bNeedsCameraUpdate);
	Subsystem()->Stop();
	GEngine->Tick(0.0f, false);
	EXPECT_FALSE(Subsystem()->bNeedsCameraUpdate);
	ExpectNotified({});
	EXPECT_EQ(Subsystem()->GetActiveCameraIndex(), 0);
}
