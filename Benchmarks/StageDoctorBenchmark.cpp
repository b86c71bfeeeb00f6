// The stage doctor on a stage of 10,000 actors, 100 of them tracked cameras following the demo preset's subjects. Its
// floor is the one camera-tag query every look at the cameras needs.

#include "QuovexBenchmarkSupport.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "Kismet/GameplayStatics.h"
#include "QuovexCamera.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexLiveLinkComponentController.h"
#include "QuovexStageDoctor.h"
#include "QuovexTags.h"

namespace
{
	constexpr int32 CameraCount = 100;
	bool bStageBuilt = false;

	/** Places ActorCount actors once; every (ActorCount / 100)th is a Quovex camera whose controller follows CamA or CamB. */
	bool EnsureLargeStage(benchmark::State& State)
	{
		const int32 ActorCount = static_cast<int32>(State.range(0));
		const bool bUp = QuovexBenchmark::EnsureEditor(State, [](const QuovexBenchmark::FDemoStage& Stage) {
			HostTest::WriteFile(Stage.Temp.Path("Demo/Content/Maps/DoctorBench.umap.json"),
				R"({ "Class": "/Script/Engine.World", "Subobjects": [ { "Name": "PersistentLevel", "Class": "/Script/Engine.Level" } ] })");
		});
		if (!bUp)
		{
			return false;
		}
		if (!bStageBuilt)
		{
			if (!FEditorFileUtils::LoadMap(TEXT("/Game/Maps/DoctorBench")))
			{
				State.SkipWithError("The benchmark map did not open");
				return false;
			}
			UWorld* World = GEditor->GetEditorWorldContext().World();
			const int32 Stride = ActorCount / CameraCount;
			for (int32 Index = 1; Index <= ActorCount; ++Index)
			{
				if (Index % Stride != 0)
				{
					World->SpawnActor(AActor::StaticClass(), nullptr, nullptr, FActorSpawnParameters());
					continue;
				}
				FActorSpawnParameters Parameters;
				Parameters.CustomPreSpawnInitalization = [Index, Stride](AActor* Camera) {
					Camera->SetActorLabel(FString::Printf(TEXT("Stage camera %d"), Index));
					UQuovexLiveLinkComponentController* Controller = NewObject<UQuovexLiveLinkComponentController>(Camera, TEXT("TrackerController"));
					Controller->SubjectRepresentation.Subject = (Index / Stride) % 2 ? FName(TEXT("CamA")) : FName(TEXT("CamB"));
				};
				World->SpawnActor(AQuovexCamera::StaticClass(), nullptr, nullptr, Parameters);
			}
			// Every camera's subject sends frames, so each is looked at all the way through.
			FEditorHost::Exec(TEXT("livelink push CamA RawZoom=100 RawFocus=200"), *GLog);
			FEditorHost::Exec(TEXT("livelink push CamB RawZoom=300 RawFocus=400"), *GLog);
			bStageBuilt = true;
		}
		State.counters["Actors"] = ActorCount;
		return true;
	}

	void RunFloor(benchmark::State& State)
	{
		if (!EnsureLargeStage(State))
		{
			return;
		}
		UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
		for (auto _ : State)
		{
			TArray<AActor*> Cameras;
			UGameplayStatics::GetAllActorsWithTag(World, QuovexTags::TAG_CAMERA, Cameras);
			benchmark::DoNotOptimize(Cameras.GetData());
		}
	}
}

// Every finding of every area: LiveLink, 100 cameras, the preset, 24 panels, layouts on disk, timecode, lens file.
static void BM_StageDoctor_Examine(benchmark::State& State)
{
	if (!EnsureLargeStage(State))
	{
		return;
	}
	for (auto _ : State)
	{
		TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::Examine();
		benchmark::DoNotOptimize(Findings.GetData());
	}
}

static void BM_StageDoctor_Examine_Floor(benchmark::State& State)
{
	RunFloor(State);
}

// What Quovex.Doctor json prints: the findings examined, ordered for the report and written as JSON.
static void BM_StageDoctor_Json(benchmark::State& State)
{
	if (!EnsureLargeStage(State))
	{
		return;
	}
	for (auto _ : State)
	{
		FString Json = FQuovexStageDoctor::ToJson(FQuovexStageDoctor::SortForReport(FQuovexStageDoctor::Examine()));
		benchmark::DoNotOptimize(Json);
	}
}

static void BM_StageDoctor_Json_Floor(benchmark::State& State)
{
	RunFloor(State);
}

BENCHMARK(BM_StageDoctor_Examine)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageDoctor_Examine_Floor)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageDoctor_Json)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageDoctor_Json_Floor)->Arg(10000)->Unit(benchmark::kMicrosecond);

QUOVEX_BENCHMARK_MAIN();
