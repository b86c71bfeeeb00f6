// The VP subsystem's event handlers and readouts on stages of 100, 1,000 and 10,000 actors, 100 of them tracked
// cameras. The camera list is never kept, so the floor of every case is one UGameplayStatics::GetAllActorsWithTag
// over the same world.

#include "QuovexBenchmarkSupport.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/Engine.h"
#include "Engine/World.h"
#include "Features/IModularFeatures.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "ILiveLinkClient.h"
#include "Kismet/GameplayStatics.h"
#include "QuovexCamera.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexLiveLinkComponentController.h"
#include "QuovexTags.h"
#include "QuovexVPEditorSubsystem.h"

namespace
{
	constexpr int32 CameraCount = 100;

	/** Actors per stage the current world was built for; 0 before the first. */
	int32 BuiltActorCount = 0;
	bool bPlaying = false;

	/** A fresh stage of ActorCount actors, every (ActorCount / 100)th a camera following a subject of the demo preset. */
	bool EnsureStage(benchmark::State& State, int32 ActorCount, bool bWantPlay = false)
	{
		if (!QuovexBenchmark::EnsureEditor(State, [](const QuovexBenchmark::FDemoStage& Stage) {
				// A map per stage size: a map opened again is the package already in memory, actors and all.
				for (const char* Size : { "100", "1000", "10000" })
				{
					HostTest::WriteFile(Stage.Temp.Path(std::string("Demo/Content/Maps/Bench") + Size + ".umap.json"),
						R"({ "Class": "/Script/Engine.World", "Subobjects": [ { "Name": "PersistentLevel", "Class": "/Script/Engine.Level" } ] })");
				}
			}))
		{
			return false;
		}
		if (BuiltActorCount != ActorCount)
		{
			if (bPlaying)
			{
				GEditor->RequestEndPlayMap();
				GEngine->Tick(0.0f, false);
				bPlaying = false;
			}
			if (!FEditorFileUtils::LoadMap(FString::Printf(TEXT("/Game/Maps/Bench%d"), ActorCount)))
			{
				State.SkipWithError("The benchmark map did not open");
				return false;
			}
			UWorld* World = GEditor->GetEditorWorldContext().World();
			const int32 Stride = ActorCount / CameraCount;
			for (int32 Index = 0; Index < ActorCount; ++Index)
			{
				const bool bCamera = Index % Stride == Stride - 1;
				FActorSpawnParameters Parameters;
				Parameters.CustomPreSpawnInitalization = [bCamera, Index](AActor* Actor) {
					if (bCamera)
					{
						NewObject<UQuovexLiveLinkComponentController>(Actor, TEXT("TrackerController"))->SubjectRepresentation.Subject = Index % 2 ? FName(TEXT("CamA")) : FName(TEXT("CamB"));
						Actor->SetActorLabel(FString::Printf(TEXT("Camera %d"), Index));
					}
				};
				World->SpawnActor(bCamera ? AQuovexCamera::StaticClass() : AActor::StaticClass(), nullptr, nullptr, Parameters);
			}
			BuiltActorCount = ActorCount;
			// Fresh frames for the readouts.
			FEditorHost::Exec(TEXT("livelink push CamA RawZoom=32767 RawFocus=1000"), *GLog);
			FEditorHost::Exec(TEXT("livelink push CamB RawZoom=13107 RawFocus=65535"), *GLog);
		}
		if (bWantPlay != bPlaying)
		{
			if (bWantPlay)
			{
				GEditor->RequestPlaySession(FRequestPlaySessionParams());
			}
			else
			{
				GEditor->RequestEndPlayMap();
			}
			GEngine->Tick(0.0f, false);
			bPlaying = bWantPlay;
		}
		State.counters["Actors"] = ActorCount;
		return true;
	}

	UQuovexVPEditorSubsystem& Subsystem()
	{
		return *UQuovexVPEditorSubsystem::Get();
	}

	TArray<AActor*> Cameras()
	{
		TArray<AActor*> Found;
		UGameplayStatics::GetAllActorsWithTag(UQuovexEditorFunctionLibrary::GetCurrentWorld(), QuovexTags::TAG_CAMERA, Found);
		return Found;
	}

	/** The floor: the one camera list the subsystem must ask the world for. */
	void RunFloor(benchmark::State& State, bool bPlay = false)
	{
		if (!EnsureStage(State, static_cast<int32>(State.range(0)), bPlay))
		{
			return;
		}
		UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
		for (auto _ : State)
		{
			TArray<AActor*> Found;
			UGameplayStatics::GetAllActorsWithTag(World, QuovexTags::TAG_CAMERA, Found);
			benchmark::DoNotOptimize(Found.GetData());
		}
	}
}

// Every case has its own floor under its own name, so that the table pairs them.
#define QUOVEX_VP_BENCHMARK(Name) \
	static void Name##_Floor(benchmark::State& State) { RunFloor(State); }

// A camera placed in the level: it becomes active and is offered a subject.
static void BM_VP_LevelActorAdded(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	AActor* Camera = Cameras().Last();
	for (auto _ : State)
	{
		GEngine->OnLevelActorAdded().Broadcast(Camera);
	}
}
QUOVEX_VP_BENCHMARK(BM_VP_LevelActorAdded);

// A take's sequence-spawned camera deleted: the choice becomes pending.
static void BM_VP_LevelActorDeleted(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	TArray<AActor*> Found = Cameras();
	AActor* Spawned = Found[0];
	Spawned->Tags.AddUnique(QuovexTags::TAG_SEQUENCE_SPAWNED);
	Subsystem().SetActiveCamera(Cast<AQuovexCamera>(Found.Last()));
	for (auto _ : State)
	{
		GEngine->OnLevelActorDeleted().Broadcast(Spawned);
	}
	Spawned->Tags.Remove(QuovexTags::TAG_SEQUENCE_SPAWNED);
}
QUOVEX_VP_BENCHMARK(BM_VP_LevelActorDeleted);

// A map opened: the first camera activated and offered a subject, every camera told.
static void BM_VP_MapOpened(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	for (auto _ : State)
	{
		FEditorDelegates::OnMapOpened.Broadcast(TEXT("/Game/Maps/Bench"), false);
	}
}
QUOVEX_VP_BENCHMARK(BM_VP_MapOpened);

// Play started: the editor camera handed to its play-world counterpart (the hand-back set up untimed).
static void BM_VP_PostPIEStarted(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0)), true))
	{
		return;
	}
	AActor* EditorCamera = EditorUtilities::GetEditorWorldCounterpartActor(Cameras().Last());
	for (auto _ : State)
	{
		State.PauseTiming();
		Subsystem().ActiveCamera = EditorCamera;
		State.ResumeTiming();
		FEditorDelegates::PostPIEStarted.Broadcast(false);
	}
}
static void BM_VP_PostPIEStarted_Floor(benchmark::State& State)
{
	RunFloor(State, true);
}

// Play ended, then the next question for the camera resolves it again in the editor world.
static void BM_VP_EndPIEThenGetQuovexCamera(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	for (auto _ : State)
	{
		FEditorDelegates::EndPIE.Broadcast(false);
		benchmark::DoNotOptimize(Subsystem().GetQuovexCamera().Get());
	}
}
QUOVEX_VP_BENCHMARK(BM_VP_EndPIEThenGetQuovexCamera);

// A LiveLink subject added: every camera's controller looked at.
static void BM_VP_SubjectAdded(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	ILiveLinkClient& Client = IModularFeatures::Get().GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
	const FLiveLinkSubjectKey Key = Client.GetSubjects(true, false)[0];
	for (auto _ : State)
	{
		Client.OnLiveLinkSubjectAdded().Broadcast(Key);
	}
}
QUOVEX_VP_BENCHMARK(BM_VP_SubjectAdded);

// The operator picks a camera by its position.
static void BM_VP_SetActiveCameraIndex(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	for (auto _ : State)
	{
		Subsystem().SetActiveCameraIndex(CameraCount - 1);
	}
}
QUOVEX_VP_BENCHMARK(BM_VP_SetActiveCameraIndex);

// A panel looks a camera up by its label (the last one, so every camera is compared).
static void BM_VP_GetQuovexCameraByName(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	const FString Name = Cameras().Last()->GetActorLabel();
	for (auto _ : State)
	{
		benchmark::DoNotOptimize(Subsystem().GetQuovexCamera(Name).Get());
	}
}
QUOVEX_VP_BENCHMARK(BM_VP_GetQuovexCameraByName);

// The lens panel's readout of the active camera, as display texts.
static void BM_VP_ZoomFocusPercentString(benchmark::State& State)
{
	if (!EnsureStage(State, static_cast<int32>(State.range(0))))
	{
		return;
	}
	Subsystem().SetActiveCameraIndex(0);
	FString Zoom;
	FString Focus;
	for (auto _ : State)
	{
		if (!Subsystem().GetCurrentQuovexCameraZoomFocusPercentString(Zoom, Focus))
		{
			State.SkipWithError("The active camera has no readout");
			break;
		}
	}
}
QUOVEX_VP_BENCHMARK(BM_VP_ZoomFocusPercentString);

// Stage size first, so that each stage is built once: every case runs beside its floor on the same world.
#define QUOVEX_VP_REGISTER(Name, Actors) \
	BENCHMARK(Name)->Arg(Actors)->Unit(benchmark::kMicrosecond); \
	BENCHMARK(Name##_Floor)->Arg(Actors)->Unit(benchmark::kMicrosecond)
#define QUOVEX_VP_REGISTER_STAGE(Actors) \
	QUOVEX_VP_REGISTER(BM_VP_LevelActorAdded, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_LevelActorDeleted, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_MapOpened, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_EndPIEThenGetQuovexCamera, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_SubjectAdded, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_SetActiveCameraIndex, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_GetQuovexCameraByName, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_ZoomFocusPercentString, Actors); \
	QUOVEX_VP_REGISTER(BM_VP_PostPIEStarted, Actors)

QUOVEX_VP_REGISTER_STAGE(100);
QUOVEX_VP_REGISTER_STAGE(1000);
QUOVEX_VP_REGISTER_STAGE(10000);

QUOVEX_BENCHMARK_MAIN();
