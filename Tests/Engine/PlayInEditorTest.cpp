// Contract tests of play-in-editor: deferred start and end, the play world, counterparts and events.

#include "EngineTestEnvironment.h"

#include "Camera/CameraActor.h"
#include "Components/SceneComponent.h"
#include "GameFramework/Actor.h"
#include "Kismet2/DebuggerCommands.h"
#include "Subsystems/UnrealEditorSubsystem.h"
#include "UObject/WeakObjectPtr.h"

#include <gtest/gtest.h>

namespace
{
	/** Records the editor's play-in-editor events in order while it lives. */
	class FPIEEventRecorder
	{
	public:
		FPIEEventRecorder()
		{
			Bind(FEditorDelegates::PreBeginPIE, TEXT("PreBeginPIE"));
			Bind(FEditorDelegates::BeginPIE, TEXT("BeginPIE"));
			Bind(FEditorDelegates::PostPIEStarted, TEXT("PostPIEStarted"));
			Bind(FEditorDelegates::PrePIEEnded, TEXT("PrePIEEnded"));
			Bind(FEditorDelegates::EndPIE, TEXT("EndPIE"));
			Bind(FEditorDelegates::ShutdownPIE, TEXT("ShutdownPIE"));
		}

		~FPIEEventRecorder()
		{
			for (const TPair<FEditorDelegates::FOnPIEEvent*, FDelegateHandle>& Binding : Bindings)
			{
				Binding.Key->Remove(Binding.Value);
			}
		}

		TArray<FString> Events;

	private:
		void Bind(FEditorDelegates::FOnPIEEvent& Event, const TCHAR* Name)
		{
			const FString EventName(Name);
			Bindings.Add(TPair<FEditorDelegates::FOnPIEEvent*, FDelegateHandle>(&Event, Event.AddLambda([this, EventName](const bool bIsSimulating) {
				Events.Add(EventName + (bIsSimulating ? TEXT(" simulate") : TEXT(" play")));
			})));
		}

		TArray<TPair<FEditorDelegates::FOnPIEEvent*, FDelegateHandle>> Bindings;
	};

	ACameraActor* SpawnCamera(UWorld* World, const TCHAR* Name)
	{
		FActorSpawnParameters Params;
		Params.Name = FName(Name);
		ACameraActor* Camera = World->SpawnActor<ACameraActor>(FVector(10.0, 0.0, 0.0), FRotator::ZeroRotator, Params);
		Camera->Tags.Add(FName(TEXT("Camera")));
		return Camera;
	}

	void StartPlay()
	{
		GEditor->RequestPlaySession(FRequestPlaySessionParams());
		GEngine->Tick(0.0f, false);
	}

	void StopPlay()
	{
		GEditor->RequestEndPlayMap();
		GEngine->Tick(0.0f, false);
	}
}

TEST(PlayInEditor, SessionsStartAndEndOnTheNextTickWithTheEditorsEvents)
{
	FScopedTestEngine Engine;
	SpawnCamera(Engine.GetWorld(), TEXT("CamA"));
	FPIEEventRecorder Recorder;
	bool bBegunPlayBeforePostStarted = false;
	FDelegateHandle Handle = FEditorDelegates::PostPIEStarted.AddLambda([&bBegunPlayBeforePostStarted](const bool) {
		AActor* PIECamera = GEditor->PlayWorld->PersistentLevel->Actors[0];
		bBegunPlayBeforePostStarted = PIECamera->HasActorBegunPlay();
	});

	GEditor->RequestPlaySession(FRequestPlaySessionParams());
	EXPECT_EQ(GEditor->PlayWorld, nullptr);
	EXPECT_TRUE(GEditor->IsPlaySessionRequestQueued());
	GEngine->Tick(0.0f, false);

	UWorld* PlayWorld = GEditor->PlayWorld;
	ASSERT_NE(PlayWorld, nullptr);
	EXPECT_TRUE(GEditor->IsPlaySessionInProgress());
	EXPECT_EQ(PlayWorld->WorldType, EWorldType::PIE);
	EXPECT_TRUE(PlayWorld->GetOutermost()->HasAnyPackageFlags(PKG_PlayInEditor));
	EXPECT_TRUE(bBegunPlayBeforePostStarted);
	EXPECT_FALSE(GIsPlayInEditorWorld);
	ASSERT_NE(GEditor->GetPIEWorldContext(), nullptr);
	EXPECT_EQ(GEditor->GetPIEWorldContext()->World(), PlayWorld);
	UUnrealEditorSubsystem* Subsystem = GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>();
	EXPECT_EQ(Subsystem->GetGameWorld(), PlayWorld);
	EXPECT_EQ(Subsystem->GetEditorWorld(), Engine.GetWorld());
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(), PlayWorld);

	TWeakObjectPtr<UWorld> WeakPlayWorld(PlayWorld);
	GEditor->RequestEndPlayMap();
	EXPECT_NE(GEditor->PlayWorld, nullptr);
	GEngine->Tick(0.0f, false);
	EXPECT_EQ(GEditor->PlayWorld, nullptr);
	EXPECT_EQ(GEditor->GetPIEWorldContext(), nullptr);
	EXPECT_EQ(Subsystem->GetGameWorld(), nullptr);
	EXPECT_FALSE(WeakPlayWorld.IsValid());

	EXPECT_EQ(Recorder.Events, (TArray<FString>{ TEXT("PreBeginPIE play"), TEXT("BeginPIE play"), TEXT("PostPIEStarted play"), TEXT("PrePIEEnded play"), TEXT("EndPIE play"), TEXT("ShutdownPIE play") }));
	FEditorDelegates::PostPIEStarted.Remove(Handle);
}

TEST(PlayInEditor, ASecondRequestOrAnEndWithoutSessionChangesNothing)
{
	FScopedTestEngine Engine;
	FPIEEventRecorder Recorder;
	StopPlay();
	EXPECT_TRUE(Recorder.Events.IsEmpty());
	EXPECT_FALSE(GEditor->ShouldEndPlayMap());

	StartPlay();
	UWorld* PlayWorld = GEditor->PlayWorld;
	FEngineTestLogCapture Log;
	StartPlay();
	EXPECT_EQ(GEditor->PlayWorld, PlayWorld);
	EXPECT_EQ(Log.Count(TEXT("already running"), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Recorder.Events.Num(), 3);
	StopPlay();
}

TEST(PlayInEditor, ThePlayToolbarRequestsASessionForTheNextTick)
{
	FScopedTestEngine Engine;
	EXPECT_FALSE(FPlayWorldCommandCallbacks::HasPlayWorld());
	FPlayWorldCommandCallbacks::StartPlayFromHere();
	EXPECT_FALSE(FPlayWorldCommandCallbacks::HasPlayWorld());
	GEngine->Tick(0.0f, false);
	EXPECT_TRUE(FPlayWorldCommandCallbacks::HasPlayWorld());
	StopPlay();
	EXPECT_FALSE(FPlayWorldCommandCallbacks::HasPlayWorld());
}

TEST(PlayInEditor, ActorsHaveCounterpartsOnlyAcrossTheTwoWorlds)
{
	FScopedTestEngine Engine;
	ACameraActor* EditorCamera = SpawnCamera(Engine.GetWorld(), TEXT("CamA"));
	EXPECT_EQ(EditorUtilities::GetSimWorldCounterpartActor(EditorCamera), nullptr);

	StartPlay();
	AActor* PIECamera = EditorUtilities::GetSimWorldCounterpartActor(EditorCamera);
	ASSERT_NE(PIECamera, nullptr);
	EXPECT_NE(PIECamera, EditorCamera);
	EXPECT_EQ(PIECamera->GetWorld(), GEditor->PlayWorld);
	EXPECT_EQ(PIECamera->GetClass(), ACameraActor::StaticClass());
	EXPECT_TRUE(PIECamera->ActorHasTag(FName(TEXT("Camera"))));
	EXPECT_EQ(PIECamera->GetActorLocation(), FVector(10.0, 0.0, 0.0));
	EXPECT_EQ(EditorUtilities::GetEditorWorldCounterpartActor(PIECamera), EditorCamera);
	EXPECT_EQ(EditorUtilities::GetEditorWorldCounterpartActor(EditorCamera), nullptr);
	EXPECT_EQ(EditorUtilities::GetSimWorldCounterpartActor(PIECamera), nullptr);

	// An actor that exists only in the play world has no editor counterpart.
	AActor* PlayOnly = GEditor->PlayWorld->SpawnActor<AActor>();
	EXPECT_EQ(EditorUtilities::GetEditorWorldCounterpartActor(PlayOnly), nullptr);

	TWeakObjectPtr<AActor> WeakPIECamera(PIECamera);
	StopPlay();
	EXPECT_FALSE(WeakPIECamera.IsValid());
	EXPECT_TRUE(IsValid(EditorCamera));
	EXPECT_EQ(EditorUtilities::GetSimWorldCounterpartActor(EditorCamera), nullptr);
}

TEST(PlayInEditor, SimulationChangesCanBeCopiedBackToTheEditorActor)
{
	FScopedTestEngine Engine;
	ACameraActor* EditorCamera = SpawnCamera(Engine.GetWorld(), TEXT("CamA"));
	StartPlay();
	AActor* PIECamera = EditorUtilities::GetSimWorldCounterpartActor(EditorCamera);
	ASSERT_NE(PIECamera, nullptr);
	PIECamera->Tags.Add(FName(TEXT("Moved")));
	PIECamera->SetActorLocation(FVector(5.0, 6.0, 7.0));

	const EditorUtilities::ECopyOptions::Type PreviewFlags = EditorUtilities::ECopyOptions::PreviewOnly;
	const int32 Previewed = EditorUtilities::CopyActorProperties(PIECamera, EditorCamera, EditorUtilities::FCopyOptions(PreviewFlags));
	EXPECT_EQ(Previewed, 2);
	EXPECT_FALSE(EditorCamera->ActorHasTag(FName(TEXT("Moved"))));

	// Keeping simulation changes keeps the move even with Blueprint read-only properties filtered, and announces it once.
	TArray<AActor*> Moved;
	const FDelegateHandle MovingHandle = GEngine->OnActorMoving().AddLambda([&Moved](AActor* Actor) { Moved.Add(Actor); });
	const EditorUtilities::ECopyOptions::Type Flags = static_cast<EditorUtilities::ECopyOptions::Type>(EditorUtilities::ECopyOptions::CallPostEditChangeProperty | EditorUtilities::ECopyOptions::CallPostEditMove | EditorUtilities::ECopyOptions::FilterBlueprintReadOnly);
	EXPECT_EQ(EditorUtilities::CopyActorProperties(PIECamera, EditorCamera, EditorUtilities::FCopyOptions(Flags)), 2);
	EXPECT_TRUE(EditorCamera->ActorHasTag(FName(TEXT("Moved"))));
	EXPECT_EQ(EditorCamera->GetActorLocation(), FVector(5.0, 6.0, 7.0));
	EXPECT_EQ(Moved, TArray<AActor*>{ EditorCamera });

	// Without the flag the move is copied unannounced; a copy that moves nothing announces nothing.
	PIECamera->SetActorLocation(FVector(1.0, 2.0, 3.0));
	EXPECT_EQ(EditorUtilities::CopyActorProperties(PIECamera, EditorCamera, EditorUtilities::FCopyOptions(EditorUtilities::ECopyOptions::Default)), 1);
	EXPECT_EQ(EditorCamera->GetActorLocation(), FVector(1.0, 2.0, 3.0));
	PIECamera->Tags.Add(FName(TEXT("Again")));
	EXPECT_EQ(EditorUtilities::CopyActorProperties(PIECamera, EditorCamera, EditorUtilities::FCopyOptions(Flags)), 1);
	EXPECT_EQ(Moved.Num(), 1);
	EXPECT_EQ(EditorUtilities::CopyActorProperties(PIECamera, EditorCamera, EditorUtilities::FCopyOptions(EditorUtilities::ECopyOptions::Default)), 0);
	GEngine->OnActorMoving().Remove(MovingHandle);
	StopPlay();
}
