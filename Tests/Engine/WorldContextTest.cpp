// Contract tests of world contexts: which world an object belongs to, how each error mode reports a
// missing one, and the engine's list of contexts as worlds come and go.

#include "EngineTestEnvironment.h"

#include "Camera/CameraActor.h"
#include "Camera/CameraComponent.h"
#include "GameFramework/Actor.h"
#include "Kismet/GameplayStatics.h"

#include <gtest/gtest.h>

namespace
{
	const TCHAR* const NullContextWarning = TEXT("A null object was passed as a world context object");
	const TCHAR* const NoWorldWarning = TEXT("No world was found for object");
}

TEST(WorldContextObjects, ActorsComponentsAndWorldsResolveToTheWorldTheyLiveIn)
{
	FScopedTestEngine Engine;
	UWorld* World = Engine.GetWorld();
	ACameraActor* Camera = World->SpawnActor<ACameraActor>();
	ASSERT_NE(Camera, nullptr);

	EXPECT_EQ(GEngine->GetWorldFromContextObject(Camera, EGetWorldErrorMode::ReturnNull), World);
	// A component answers with its owner's world.
	EXPECT_EQ(GEngine->GetWorldFromContextObject(Camera->GetCameraComponent(), EGetWorldErrorMode::ReturnNull), World);
	EXPECT_EQ(GEngine->GetWorldFromContextObject(World, EGetWorldErrorMode::ReturnNull), World);
	EXPECT_EQ(GEngine->GetWorldFromContextObjectChecked(Camera), World);

	// An actor of another world answers with that world, not the edited one.
	UWorld* Other = UWorld::CreateWorld(EWorldType::Game, false);
	AActor* Stranger = Other->SpawnActor<AActor>();
	EXPECT_EQ(GEngine->GetWorldFromContextObject(Stranger, EGetWorldErrorMode::ReturnNull), Other);
	Other->DestroyWorld(false);
}

TEST(WorldContextObjects, ReturnNullIsSilentWhileLogAndReturnNullWarnsOncePerCall)
{
	FScopedTestEngine Engine;
	FEngineTestLogCapture Log;
	const UObject* Defaults = GetDefault<AActor>();

	EXPECT_EQ(GEngine->GetWorldFromContextObject(nullptr, EGetWorldErrorMode::ReturnNull), nullptr);
	EXPECT_EQ(GEngine->GetWorldFromContextObject(Defaults, EGetWorldErrorMode::ReturnNull), nullptr);
	EXPECT_EQ(Log.Count(NullContextWarning, ELogVerbosity::Warning), 0);
	EXPECT_EQ(Log.Count(NoWorldWarning, ELogVerbosity::Warning), 0);

	EXPECT_EQ(GEngine->GetWorldFromContextObject(nullptr, EGetWorldErrorMode::LogAndReturnNull), nullptr);
	EXPECT_EQ(Log.Count(NullContextWarning, ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(NoWorldWarning, ELogVerbosity::Warning), 0);

	EXPECT_EQ(GEngine->GetWorldFromContextObject(Defaults, EGetWorldErrorMode::LogAndReturnNull), nullptr);
	EXPECT_EQ(Log.Count(NoWorldWarning, ELogVerbosity::Warning), 1);
	// The warning names the object, so a user can find the caller.
	EXPECT_EQ(Log.Count(*Defaults->GetFullName(), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(NullContextWarning, ELogVerbosity::Warning), 1);
}

TEST(WorldContextObjects, AnActorDestroyedDuringTheFrameStillNamesItsWorld)
{
	FScopedTestEngine Engine;
	UWorld* World = Engine.GetWorld();
	AActor* Doomed = World->SpawnActor<AActor>();
	ASSERT_TRUE(Doomed->Destroy());
	// Callers holding a raw pointer until the end of the frame still get a world, not a crash.
	EXPECT_EQ(GEngine->GetWorldFromContextObject(Doomed, EGetWorldErrorMode::ReturnNull), World);

	TArray<AActor*> Found;
	UGameplayStatics::GetAllActorsOfClass(World, AActor::StaticClass(), Found);
	EXPECT_FALSE(Found.Contains(Doomed));
}

TEST(WorldContexts, TheEditorWorldHasAContextAndOtherWorldsOnlyWhenTheEngineIsTold)
{
	FScopedTestEngine Engine;
	UWorld* EditorWorld = Engine.GetWorld();
	const int32 Before = GEngine->GetWorldContexts().Num();
	FWorldContext* EditorContext = GEngine->GetWorldContextFromWorld(EditorWorld);
	ASSERT_NE(EditorContext, nullptr);
	EXPECT_EQ(EditorContext->WorldType, EWorldType::Editor);
	EXPECT_EQ(EditorContext->World(), EditorWorld);
	EXPECT_EQ(EditorContext->PIEInstance, -1);
	EXPECT_EQ(&GEngine->GetWorldContextFromWorldChecked(EditorWorld), EditorContext);
	EXPECT_EQ(GEngine->GetWorldContextFromWorld(nullptr), nullptr);

	UWorld* Untold = UWorld::CreateWorld(EWorldType::Game, false);
	EXPECT_EQ(GEngine->GetWorldContexts().Num(), Before);
	EXPECT_EQ(GEngine->GetWorldContextFromWorld(Untold), nullptr);
	Untold->DestroyWorld(false);

	UWorld* Told = UWorld::CreateWorld(EWorldType::Game, true);
	ASSERT_EQ(GEngine->GetWorldContexts().Num(), Before + 1);
	FWorldContext* GameContext = GEngine->GetWorldContextFromWorld(Told);
	ASSERT_NE(GameContext, nullptr);
	EXPECT_EQ(GameContext->WorldType, EWorldType::Game);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(), Told);

	Told->DestroyWorld(true);
	EXPECT_EQ(GEngine->GetWorldContexts().Num(), Before);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(), nullptr);
	// The editor's own context is untouched by the game world's coming and going.
	EXPECT_EQ(GEngine->GetWorldContextFromWorld(EditorWorld), EditorContext);
}

TEST(WorldContexts, CurrentPlayWorldPrefersTheGivenGameWorldAndIgnoresEditorWorlds)
{
	FScopedTestEngine Engine;
	UWorld* EditorWorld = Engine.GetWorld();
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(), nullptr);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(EditorWorld), nullptr);

	UWorld* Listed = UWorld::CreateWorld(EWorldType::Game, true);
	UWorld* Unlisted = UWorld::CreateWorld(EWorldType::Game, false);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(Unlisted), Unlisted);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(EditorWorld), Listed);

	// A context that holds no world yet is passed over.
	FWorldContext& Empty = GEngine->CreateNewWorldContext(EWorldType::PIE);
	EXPECT_EQ(Empty.World(), nullptr);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(), Listed);
	GEngine->DestroyWorldContext(nullptr);

	Unlisted->DestroyWorld(false);
	Listed->DestroyWorld(true);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(), nullptr);
}
