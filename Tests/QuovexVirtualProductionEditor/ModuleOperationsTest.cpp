// The module's operations other code reaches through the module manager.

#include "QuovexEditorTestFixture.h"

#include "CoreGlobals.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "LevelEditorViewport.h"
#include "QuovexCamera.h"
#include "UObject/Package.h"

using namespace QuovexTest;

namespace
{
	class ModuleOperationsTest : public FQuovexEditorTest
	{
	protected:
		static UWorld* EditorWorld()
		{
			return GEditor ? GEditor->GetEditorWorldContext().World() : nullptr;
		}

		static AActor* SpawnCamera()
		{
			return EditorWorld()->SpawnActor<AQuovexCamera>();
		}
	};
}

TEST_F(ModuleOperationsTest, ActorLockIsReadFromTheFirstViewportPilotingAnActor)
{
	ASSERT_TRUE(Boot());
	FQuovexVirtualProductionEditorModule* Module = EditorModule();
	ASSERT_NE(Module, nullptr);
	AActor* First = SpawnCamera();
	AActor* Second = SpawnCamera();

	FLevelEditorViewportClient Idle(nullptr);
	FLevelEditorViewportClient UnderCinematicLock(nullptr);
	FLevelEditorViewportClient Piloting(nullptr);
	EXPECT_FALSE(Module->IsActorLockedToViewport(First->GetFName()));

	// A cinematic lock takes precedence over the operator's lock: that viewport pilots nothing of ours.
	UnderCinematicLock.SetActorLock(First);
	UnderCinematicLock.SetCinematicActorLock(Second);
	Piloting.SetActorLock(Second);
	EXPECT_TRUE(Module->IsActorLockedToViewport(Second->GetFName()));
	EXPECT_FALSE(Module->IsActorLockedToViewport(First->GetFName()));

	// Only the first viewport that pilots an actor is asked.
	UnderCinematicLock.SetCinematicActorLock(nullptr);
	EXPECT_TRUE(Module->IsActorLockedToViewport(First->GetFName()));
	EXPECT_FALSE(Module->IsActorLockedToViewport(Second->GetFName()));

	// A destroyed actor no longer counts as locked.
	First->Destroy();
	EXPECT_TRUE(Module->IsActorLockedToViewport(Second->GetFName()));
}

TEST_F(ModuleOperationsTest, SavingNothingIsReportedByName)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	EditorModule()->SaveAsset(nullptr, TEXT("MissingTake"));
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Error: Could not save asset MissingTake")));
}

TEST_F(ModuleOperationsTest, DuplicatedAssetsCanBeSaved)
{
	ASSERT_TRUE(Boot());
	UObject* Source = StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/LiveLink/StagePreset.StagePreset"));
	ASSERT_NE(Source, nullptr);

	UObject* Copy = EditorModule()->DuplicateAsset(TEXT("BackupPreset"), TEXT("/Game/Backups"), Source);
	ASSERT_NE(Copy, nullptr);
	EXPECT_EQ(HostTest::Utf8(Copy->GetPathName()), "/Game/Backups/BackupPreset.BackupPreset");

	FHostLogCapture Log;
	EditorModule()->SaveAsset(Copy, TEXT("BackupPreset"));
	EXPECT_FALSE(Log.Contains(TEXT("Could not save asset")));
	EXPECT_TRUE(std::filesystem::exists(Temp.Path("Demo/Content/Backups/BackupPreset.uasset.json")));
}

TEST_F(ModuleOperationsTest, PlayStateNeedsAnEditor)
{
	ASSERT_TRUE(Boot());
	FQuovexVirtualProductionEditorModule* Module = EditorModule();
	EXPECT_FALSE(Module->IsPlaying());
	GIsPlayInEditorWorld = true;
	EXPECT_TRUE(Module->IsPlaying());
	GIsPlayInEditorWorld = false;
}

TEST_F(ModuleOperationsTest, GameRunHasNoEditorToAsk)
{
	ASSERT_TRUE(Boot(true));
	FQuovexVirtualProductionEditorModule* Module = EditorModule();
	ASSERT_NE(Module, nullptr);

	// Without GEditor the play state is false even when the global flag says otherwise.
	GIsPlayInEditorWorld = true;
	EXPECT_FALSE(Module->IsPlaying());
	GIsPlayInEditorWorld = false;

	FVector Location(1.0, 2.0, 3.0);
	FRotator Rotation(4.0, 5.0, 6.0);
	EXPECT_FALSE(Module->GetLevelViewportCameraInfo(Location, Rotation));
	EXPECT_EQ(Location, FVector(1.0, 2.0, 3.0));
	EXPECT_FALSE(Module->IsActorLockedToViewport(TEXT("CamA")));
}
