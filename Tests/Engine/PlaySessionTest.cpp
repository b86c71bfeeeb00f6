// Contract tests of play sessions as listeners see them: which world exists during each editor event,
// simulate sessions, cancelled requests, repeated sessions, and actors spawned or destroyed mid-play.

#include "EngineTestEnvironment.h"

#include "Camera/CameraActor.h"
#include "GameFramework/Actor.h"
#include "Kismet/GameplayStatics.h"
#include "Subsystems/UnrealEditorSubsystem.h"
#include "UObject/WeakObjectPtr.h"

#include <gtest/gtest.h>

namespace
{
	/** Per editor event: whether a play world existed, and whether the play-in-editor world was current. */
	struct FObservedEvent
	{
		FString Name;
		bool bSimulating = false;
		bool bHadPlayWorld = false;
		bool bPlayInEditorWorldCurrent = false;
	};

	class FPIEObserver
	{
	public:
		FPIEObserver()
		{
			Watch(FEditorDelegates::PreBeginPIE, TEXT("PreBeginPIE"));
			Watch(FEditorDelegates::BeginPIE, TEXT("BeginPIE"));
			Watch(FEditorDelegates::PostPIEStarted, TEXT("PostPIEStarted"));
			Watch(FEditorDelegates::PrePIEEnded, TEXT("PrePIEEnded"));
			Watch(FEditorDelegates::EndPIE, TEXT("EndPIE"));
			Watch(FEditorDelegates::ShutdownPIE, TEXT("ShutdownPIE"));
		}

		~FPIEObserver()
		{
			for (const TPair<FEditorDelegates::FOnPIEEvent*, FDelegateHandle>& Binding : Bindings)
			{
				Binding.Key->Remove(Binding.Value);
			}
		}

		const FObservedEvent* Find(const TCHAR* Name) const
		{
			return Events.FindByPredicate([Name](const FObservedEvent& Event) { return Event.Name == Name; });
		}

		TArray<FObservedEvent> Events;

	private:
		void Watch(FEditorDelegates::FOnPIEEvent& Event, const TCHAR* Name)
		{
			const FString EventName(Name);
			Bindings.Add(TPair<FEditorDelegates::FOnPIEEvent*, FDelegateHandle>(&Event, Event.AddLambda([this, EventName](const bool bIsSimulating) {
				FObservedEvent& Observed = Events.AddDefaulted_GetRef();
				Observed.Name = EventName;
				Observed.bSimulating = bIsSimulating;
				Observed.bHadPlayWorld = GEditor->PlayWorld != nullptr;
				Observed.bPlayInEditorWorldCurrent = GIsPlayInEditorWorld;
			})));
		}

		TArray<TPair<FEditorDelegates::FOnPIEEvent*, FDelegateHandle>> Bindings;
	};

	void StartSession(EPlaySessionWorldType WorldType = EPlaySessionWorldType::PlayInEditor)
	{
		FRequestPlaySessionParams Params;
		Params.WorldType = WorldType;
		GEditor->RequestPlaySession(Params);
		GEngine->Tick(0.0f, false);
	}

	void EndSession()
	{
		GEditor->RequestEndPlayMap();
		GEngine->Tick(0.0f, false);
	}

	AActor* SpawnNamed(UWorld* World, const TCHAR* Name, const TCHAR* Tag)
	{
		FActorSpawnParameters Params;
		Params.Name = FName(Name);
		AActor* Actor = World->SpawnActor<ACameraActor>(FVector::ZeroVector, FRotator::ZeroRotator, Params);
		Actor->Tags.Add(FName(Tag));
		return Actor;
	}

	TArray<FString> NamesOf(const TArray<AActor*>& Actors)
	{
		TArray<FString> Names;
		for (AActor* Actor : Actors)
		{
			Names.Add(Actor->GetName());
		}
		return Names;
	}
}

TEST(PlaySessionEvents, ThePlayWorldExistsFromPostStartedThroughEndPIEOnly)
{
	FScopedTestEngine Engine;
	FPIEObserver Observer;
	StartSession();
	EndSession();

	ASSERT_EQ(Observer.Events.Num(), 6);
	// The early events let listeners veto or prepare before anything is built.
	EXPECT_FALSE(Observer.Find(TEXT("PreBeginPIE"))->bHadPlayWorld);
	EXPECT_FALSE(Observer.Find(TEXT("BeginPIE"))->bHadPlayWorld);
	EXPECT_TRUE(Observer.Find(TEXT("PostPIEStarted"))->bHadPlayWorld);
	// Listeners tidying up at the end can still reach the play world.
	EXPECT_TRUE(Observer.Find(TEXT("PrePIEEnded"))->bHadPlayWorld);
	EXPECT_TRUE(Observer.Find(TEXT("EndPIE"))->bHadPlayWorld);
	EXPECT_FALSE(Observer.Find(TEXT("ShutdownPIE"))->bHadPlayWorld);

	// The editor's events run with the editor world current, not the play world.
	for (const FObservedEvent& Event : Observer.Events)
	{
		EXPECT_FALSE(Event.bPlayInEditorWorldCurrent) << TCHAR_TO_UTF8(*Event.Name);
		EXPECT_FALSE(Event.bSimulating) << TCHAR_TO_UTF8(*Event.Name);
	}
}

TEST(PlaySessionEvents, SimulateSessionsSaySoToEveryEventAndTheFlagIsNotLeftOver)
{
	FScopedTestEngine Engine;
	FPIEObserver Observer;
	StartSession(EPlaySessionWorldType::SimulateInEditor);
	EXPECT_TRUE(GEditor->IsPlaySessionInProgress());
	EXPECT_TRUE(GEditor->IsSimulateInEditorInProgress());
	EndSession();
	EXPECT_FALSE(GEditor->IsSimulateInEditorInProgress());
	ASSERT_EQ(Observer.Events.Num(), 6);
	for (const FObservedEvent& Event : Observer.Events)
	{
		EXPECT_TRUE(Event.bSimulating) << TCHAR_TO_UTF8(*Event.Name);
	}

	// The next ordinary session does not inherit the simulate flag.
	Observer.Events.Reset();
	StartSession();
	EXPECT_FALSE(GEditor->IsSimulateInEditorInProgress());
	EndSession();
	ASSERT_EQ(Observer.Events.Num(), 6);
	EXPECT_FALSE(Observer.Events.Last().bSimulating);
}

TEST(PlaySessionEvents, ACancelledRequestStartsNothingOnTheNextTick)
{
	FScopedTestEngine Engine;
	FPIEObserver Observer;
	GEditor->RequestPlaySession(FRequestPlaySessionParams());
	GEditor->CancelRequestPlaySession();
	EXPECT_FALSE(GEditor->IsPlaySessionRequestQueued());
	GEngine->Tick(0.0f, false);
	EXPECT_EQ(GEditor->PlayWorld, nullptr);
	EXPECT_TRUE(Observer.Events.IsEmpty());
}

TEST(PlaySessionWorlds, SwitchingToThePlayWorldIsRestoredByTheWorldItReturns)
{
	FScopedTestEngine Engine;
	StartSession();
	UWorld* PlayWorld = GEditor->PlayWorld;
	ASSERT_NE(PlayWorld, nullptr);
	ASSERT_FALSE(GIsPlayInEditorWorld);

	UWorld* Previous = SetPlayInEditorWorld(PlayWorld);
	EXPECT_EQ(Previous, Engine.GetWorld());
	EXPECT_TRUE(GIsPlayInEditorWorld);
	// Switching again while switched hands back the play world, so nested switches unwind in order.
	UWorld* Nested = SetPlayInEditorWorld(PlayWorld);
	EXPECT_EQ(Nested, PlayWorld);
	RestoreEditorWorld(Nested);
	EXPECT_TRUE(GIsPlayInEditorWorld);
	RestoreEditorWorld(Previous);
	EXPECT_FALSE(GIsPlayInEditorWorld);
	EndSession();
}

TEST(PlaySessionWorlds, EachSessionCopiesTheEditorActorsAfresh)
{
	FScopedTestEngine Engine;
	AActor* EditorCamera = SpawnNamed(Engine.GetWorld(), TEXT("CamA"), TEXT("Camera"));

	StartSession();
	AActor* FirstCopy = EditorUtilities::GetSimWorldCounterpartActor(EditorCamera);
	ASSERT_NE(FirstCopy, nullptr);
	FirstCopy->SetActorLocation(FVector(1.0, 2.0, 3.0));
	FirstCopy->Tags.Add(FName(TEXT("PlayOnly")));
	TWeakObjectPtr<AActor> WeakFirstCopy(FirstCopy);
	EndSession();
	EXPECT_FALSE(WeakFirstCopy.IsValid());

	// Changes made while stopped are what the next session starts from; play-time changes are gone.
	EditorCamera->SetActorLocation(FVector(7.0, 0.0, 0.0));
	StartSession();
	ASSERT_NE(GEditor->PlayWorld, nullptr);
	AActor* SecondCopy = EditorUtilities::GetSimWorldCounterpartActor(EditorCamera);
	ASSERT_NE(SecondCopy, nullptr);
	EXPECT_EQ(SecondCopy->GetFName(), EditorCamera->GetFName());
	EXPECT_EQ(SecondCopy->GetActorLocation(), FVector(7.0, 0.0, 0.0));
	EXPECT_FALSE(SecondCopy->ActorHasTag(FName(TEXT("PlayOnly"))));
	EXPECT_TRUE(SecondCopy->HasActorBegunPlay());
	EXPECT_FALSE(EditorCamera->HasActorBegunPlay());
	EXPECT_EQ(GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>()->GetGameWorld(), GEditor->PlayWorld);
	EndSession();
}

TEST(PlaySessionWorlds, ActorsSpawnedOrDestroyedDuringPlayLoseTheirCounterparts)
{
	FScopedTestEngine Engine;
	UWorld* EditorWorld = Engine.GetWorld();
	AActor* Kept = SpawnNamed(EditorWorld, TEXT("Kept"), TEXT("Camera"));
	AActor* DestroyedInPlay = SpawnNamed(EditorWorld, TEXT("DestroyedInPlay"), TEXT("Camera"));
	AActor* DestroyedInEditor = SpawnNamed(EditorWorld, TEXT("DestroyedInEditor"), TEXT("Camera"));
	StartSession();
	UWorld* PlayWorld = GEditor->PlayWorld;
	ASSERT_NE(PlayWorld, nullptr);

	// An editor actor added mid-play was never copied.
	AActor* Late = SpawnNamed(EditorWorld, TEXT("Late"), TEXT("Camera"));
	EXPECT_EQ(EditorUtilities::GetSimWorldCounterpartActor(Late), nullptr);

	AActor* PlayCopy = EditorUtilities::GetSimWorldCounterpartActor(DestroyedInPlay);
	ASSERT_NE(PlayCopy, nullptr);
	ASSERT_TRUE(PlayCopy->Destroy());
	EXPECT_EQ(EditorUtilities::GetSimWorldCounterpartActor(DestroyedInPlay), nullptr);
	EXPECT_TRUE(IsValid(DestroyedInPlay));

	AActor* Orphan = EditorUtilities::GetSimWorldCounterpartActor(DestroyedInEditor);
	ASSERT_NE(Orphan, nullptr);
	ASSERT_TRUE(DestroyedInEditor->Destroy());
	EXPECT_EQ(EditorUtilities::GetEditorWorldCounterpartActor(Orphan), nullptr);
	EXPECT_TRUE(IsValid(Orphan));

	// Each world's tag query sees only its own live actors.
	TArray<AActor*> Found;
	UGameplayStatics::GetAllActorsWithTag(PlayWorld, FName(TEXT("Camera")), Found);
	EXPECT_EQ(NamesOf(Found), (TArray<FString>{ TEXT("Kept"), TEXT("DestroyedInEditor") }));
	UGameplayStatics::GetAllActorsWithTag(EditorWorld, FName(TEXT("Camera")), Found);
	EXPECT_EQ(NamesOf(Found), (TArray<FString>{ TEXT("Kept"), TEXT("DestroyedInPlay"), TEXT("Late") }));
	EXPECT_EQ(UGameplayStatics::GetActorOfClass(PlayWorld, ACameraActor::StaticClass()), EditorUtilities::GetSimWorldCounterpartActor(Kept));
	EndSession();
}

TEST(EditorSubsystemLifetime, EachBootMakesItsOwnSubsystemsAndShutdownReleasesThem)
{
	TWeakObjectPtr<UUnrealEditorSubsystem> FirstSubsystem;
	{
		FScopedTestEngine Engine;
		ASSERT_TRUE(Engine.IsBooted());
		FirstSubsystem = GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>();
		ASSERT_TRUE(FirstSubsystem.IsValid());
	}
	EXPECT_FALSE(FirstSubsystem.IsValid());
	EXPECT_EQ(GEditor, nullptr);

	FScopedTestEngine Engine;
	ASSERT_TRUE(Engine.IsBooted());
	UUnrealEditorSubsystem* Second = GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>();
	ASSERT_NE(Second, nullptr);
	// The second editor's subsystem answers for the second editor's world.
	EXPECT_EQ(Second->GetEditorWorld(), Engine.GetWorld());
	EXPECT_EQ(Second->GetGameWorld(), nullptr);
	StartSession();
	EXPECT_EQ(Second->GetGameWorld(), GEditor->PlayWorld);
	EndSession();
}
