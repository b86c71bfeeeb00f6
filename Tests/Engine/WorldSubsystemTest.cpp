// Contract tests of world subsystems: which worlds get them, one set per world, and their end with the world.

#include "EngineTestEnvironment.h"

#include "CompositorSubsystem.h"
#include "Editor/EditorEngine.h"
#include "FileHelpers.h"
#include "Subsystems/WorldSubsystem.h"

#include <gtest/gtest.h>

TEST(WorldSubsystems, EditorPlayAndGameWorldsEachGetTheirOwn)
{
	FScopedTestEngine Engine;
	UWorld* Edited = Engine.GetWorld();
	UCompositorSubsystem* EditedSubsystem = Edited->GetSubsystem<UCompositorSubsystem>();
	ASSERT_NE(EditedSubsystem, nullptr);
	EXPECT_EQ(EditedSubsystem->GetWorld(), Edited);
	EXPECT_EQ(&EditedSubsystem->GetWorldRef(), Edited);
	EXPECT_EQ(UWorld::GetSubsystem<UCompositorSubsystem>(Edited), EditedSubsystem);
	EXPECT_EQ(Edited->GetSubsystemBase(UCompositorSubsystem::StaticClass()), EditedSubsystem);
	EXPECT_TRUE(Edited->bIsWorldInitialized);

	UWorld* Game = UWorld::CreateWorld(EWorldType::Game, false);
	UWorld* Play = UWorld::CreateWorld(EWorldType::PIE, false);
	UCompositorSubsystem* GameSubsystem = Game->GetSubsystem<UCompositorSubsystem>();
	UCompositorSubsystem* PlaySubsystem = Play->GetSubsystem<UCompositorSubsystem>();
	ASSERT_NE(GameSubsystem, nullptr);
	ASSERT_NE(PlaySubsystem, nullptr);
	EXPECT_NE(GameSubsystem, EditedSubsystem);
	EXPECT_NE(PlaySubsystem, GameSubsystem);
	EXPECT_EQ(PlaySubsystem->GetWorld(), Play);
	EXPECT_EQ(Game->GetSubsystemArray<UWorldSubsystem>().Num(), Edited->GetSubsystemArray<UWorldSubsystem>().Num());
	Game->DestroyWorld(false);
	Play->DestroyWorld(false);
}

TEST(WorldSubsystems, PreviewAndUntypedWorldsGetNone)
{
	FScopedTestEngine Engine;
	UWorld* Preview = UWorld::CreateWorld(EWorldType::EditorPreview, false);
	UWorld* Untyped = UWorld::CreateWorld(EWorldType::None, false);
	EXPECT_EQ(Preview->GetSubsystem<UCompositorSubsystem>(), nullptr);
	EXPECT_EQ(Untyped->GetSubsystem<UCompositorSubsystem>(), nullptr);
	EXPECT_TRUE(Preview->bIsWorldInitialized);
	EXPECT_EQ(UWorld::GetSubsystem<UCompositorSubsystem>(nullptr), nullptr);
	Preview->DestroyWorld(false);
	Untyped->DestroyWorld(false);
}

TEST(WorldSubsystems, CleaningUpAWorldEndsItsSubsystemsAndInitialisingAgainMakesNewOnes)
{
	FScopedTestEngine Engine;
	UWorld* World = UWorld::CreateWorld(EWorldType::Game, false);
	const TWeakObjectPtr<UCompositorSubsystem> First = World->GetSubsystem<UCompositorSubsystem>();
	ASSERT_TRUE(First.IsValid());

	World->CleanupWorld();
	EXPECT_FALSE(World->bIsWorldInitialized);
	EXPECT_EQ(World->GetSubsystem<UCompositorSubsystem>(), nullptr);
	EXPECT_FALSE(First.IsValid());

	World->InitWorld();
	UCompositorSubsystem* Second = World->GetSubsystem<UCompositorSubsystem>();
	ASSERT_NE(Second, nullptr);
	EXPECT_NE(Second, First.Get());

	const TWeakObjectPtr<UCompositorSubsystem> SecondWatch = Second;
	World->DestroyWorld(false);
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(SecondWatch.IsValid());
	EXPECT_FALSE(First.IsValid());
}

TEST(WorldSubsystems, AnOpenedMapIsInitialisedWhenItBecomesTheEditedWorld)
{
	FScopedTestEngine Engine(false, std::string(), [](FScopedTestEngine& Project) {
		Project.WriteProjectFile("Content/Maps/Stage.umap.json", R"({ "Class": "/Script/Engine.World" })");
	});
	UWorld* Untitled = Engine.GetWorld();
	const TWeakObjectPtr<UCompositorSubsystem> UntitledSubsystem = Untitled->GetSubsystem<UCompositorSubsystem>();
	ASSERT_TRUE(UntitledSubsystem.IsValid());

	ASSERT_TRUE(FEditorFileUtils::LoadMap(TEXT("/Game/Maps/Stage")));
	UWorld* Stage = GEditor->GetEditorWorldContext().World();
	ASSERT_NE(Stage, Untitled);
	UCompositorSubsystem* StageSubsystem = Stage->GetSubsystem<UCompositorSubsystem>();
	ASSERT_NE(StageSubsystem, nullptr);
	EXPECT_EQ(StageSubsystem->GetWorld(), Stage);
	// The replaced world and its subsystems are gone.
	EXPECT_FALSE(UntitledSubsystem.IsValid());
}
