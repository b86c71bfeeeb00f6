// The take repair on a camera binding whose transform section holds nine channels of N keys (10,000, and a one-hour
// take at 60 fps: 216,000) with none, half or all of the keys held. The floor of each case is the engine work the
// repair cannot avoid: the same keys' handles, their removal through the channel data, AutoSetTangents on every
// channel, the movie scene's modify marking and read-only flag, and the save. The save alone is timed beside them.
//
// Keys live in arrays, as in the engine: a removal moves every key after it, and a handle whose remembered index
// went stale is found again by walking the handle array. Removal in collection order therefore grows with the
// number of keys times the number removed, for the repair and its floor alike.

#include "QuovexBenchmarkSupport.h"

#include "Channels/MovieSceneChannelProxy.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "EditorAssetLibrary.h"
#include "LevelSequence.h"
#include "MovieScene.h"
#include "QuovexAdminEditorSubsystem.h"
#include "Sections/MovieScene3DTransformSection.h"
#include "Tracks/MovieScene3DTransformTrack.h"
#include "UObject/Package.h"

namespace
{
	/** The benchmark take: one camera binding, one transform section, and the keys every run starts from. */
	struct FBenchmarkTake
	{
		ULevelSequence* Sequence = nullptr;
		TArray<FMovieSceneDoubleChannel*> Channels;
		int32 NumKeys = 0;
		int32 HeldPercent = -1;
		TArray<FFrameNumber> Times;
		TArray<FMovieSceneDoubleValue> Values;
		/** Indices of the keys the repair removes (each key whose value the next one holds). */
		TArray<int32> HeldIndices;
	};

	FBenchmarkTake& Take()
	{
		static FBenchmarkTake Instance;
		return Instance;
	}

	/**
	 * Keys at 60 fps in a 24000 tick resolution. None held: every key moves on. Half held: each value is held for two
	 * keys, so every other key goes. All held: one value throughout, so all but the last key go.
	 */
	void MakeKeys(FBenchmarkTake& Take, int32 NumKeys, int32 HeldPercent)
	{
		Take.NumKeys = NumKeys;
		Take.HeldPercent = HeldPercent;
		Take.Times.Reset();
		Take.Values.Reset();
		Take.HeldIndices.Reset();
		for (int32 Index = 0; Index < NumKeys; ++Index)
		{
			// clang-format off
			const int32 Step = HeldPercent == 0 ? Index : HeldPercent == 50 ? Index / 2 : 0;
			// clang-format on
			Take.Times.Add(FFrameNumber(Index * 400));
			Take.Values.Add(FMovieSceneDoubleValue(100.0 + 0.25 * Step));
		}
		for (int32 Index = 0; Index + 1 < NumKeys; ++Index)
		{
			if (Take.Values[Index].Value == Take.Values[Index + 1].Value)
			{
				Take.HeldIndices.Add(Index);
			}
		}
	}

	/** The take with NumKeys keys per channel, HeldPercent of them held, restored to its unrepaired keys. */
	FBenchmarkTake* PrepareTake(benchmark::State& State)
	{
		if (!QuovexBenchmark::EnsureEditor(State))
		{
			return nullptr;
		}
		FBenchmarkTake& Benchmark = Take();
		if (!Benchmark.Sequence)
		{
			UPackage* Package = CreatePackage(TEXT("/Game/Benchmarks/RepairTake"));
			Benchmark.Sequence = NewObject<ULevelSequence>(Package, TEXT("RepairTake"), RF_Public | RF_Standalone);
			Benchmark.Sequence->Initialize();
			UMovieScene* MovieScene = Benchmark.Sequence->GetMovieScene();
			const FGuid Camera = MovieScene->AddPossessable(TEXT("QuovexCamera_Bench"), nullptr);
			UMovieScene3DTransformTrack* Track = MovieScene->AddTrack<UMovieScene3DTransformTrack>(Camera);
			UMovieSceneSection* Section = Track->CreateNewSection();
			Track->AddSection(*Section);
			for (int32 Index = 0; Index < 9; ++Index)
			{
				Benchmark.Channels.Add(Section->GetChannelProxy().GetChannel<FMovieSceneDoubleChannel>(Index));
			}
		}
		const int32 NumKeys = int32(State.range(0));
		const int32 HeldPercent = int32(State.range(1));
		if (Benchmark.NumKeys != NumKeys || Benchmark.HeldPercent != HeldPercent)
		{
			MakeKeys(Benchmark, NumKeys, HeldPercent);
		}
		for (FMovieSceneDoubleChannel* Channel : Benchmark.Channels)
		{
			Channel->Set(Benchmark.Times, Benchmark.Values);
		}
		return &Benchmark;
	}

	void ReportKeys(benchmark::State& State, const FBenchmarkTake& Benchmark)
	{
		State.counters["keys"] = double(Benchmark.NumKeys) * Benchmark.Channels.Num();
		State.counters["removed"] = double(Benchmark.HeldIndices.Num()) * Benchmark.Channels.Num();
	}

	void BM_LevelSequenceRepair(benchmark::State& State)
	{
		for (auto _ : State)
		{
			State.PauseTiming();
			FBenchmarkTake* Benchmark = PrepareTake(State);
			UQuovexAdminEditorSubsystem* Subsystem = UQuovexAdminEditorSubsystem::Get();
			State.ResumeTiming();
			if (!Benchmark || !Subsystem)
			{
				State.SkipWithError("No editor, or no admin subsystem");
				break;
			}
			benchmark::DoNotOptimize(Subsystem->FixLevelSequence(Benchmark->Sequence));
		}
		ReportKeys(State, Take());
		if (Take().Channels.Num() && Take().Channels[0]->GetNumKeys() != Take().NumKeys - Take().HeldIndices.Num())
		{
			State.SkipWithError("The repair left a different number of keys than the floor does");
		}
	}

	void BM_LevelSequenceRepair_Floor(benchmark::State& State)
	{
		for (auto _ : State)
		{
			State.PauseTiming();
			FBenchmarkTake* Benchmark = PrepareTake(State);
			State.ResumeTiming();
			if (!Benchmark)
			{
				break;
			}
			UMovieScene* MovieScene = Benchmark->Sequence->GetMovieScene();
			MovieScene->Modify(true);
			MovieScene->SetReadOnly(false);
			for (FMovieSceneDoubleChannel* Channel : Benchmark->Channels)
			{
				TMovieSceneChannelData<FMovieSceneDoubleValue> Data = Channel->GetData();
				TArray<FKeyHandle> Handles;
				Handles.Reserve(Benchmark->HeldIndices.Num());
				for (const int32 Index : Benchmark->HeldIndices)
				{
					Handles.Add(Data.GetHandle(Index));
				}
				for (const FKeyHandle Handle : Handles)
				{
					Data.RemoveKey(Data.GetIndex(Handle));
				}
				Channel->AutoSetTangents(0.0f);
			}
			benchmark::DoNotOptimize(UEditorAssetLibrary::SaveLoadedAsset(Benchmark->Sequence, false));
		}
		ReportKeys(State, Take());
	}

	/** The save the repair ends with, alone: how much of the case and its floor is writing the take. */
	void BM_LevelSequenceRepair_SaveOnly(benchmark::State& State)
	{
		for (auto _ : State)
		{
			State.PauseTiming();
			FBenchmarkTake* Benchmark = PrepareTake(State);
			if (Benchmark)
			{
				// The keys and tangents a repair would leave, so that the same text is written.
				for (FMovieSceneDoubleChannel* Channel : Benchmark->Channels)
				{
					TArray<FFrameNumber> Times;
					TArray<FMovieSceneDoubleValue> Values;
					for (int32 Index = 0, Held = 0; Index < Benchmark->NumKeys; ++Index)
					{
						if (Held < Benchmark->HeldIndices.Num() && Benchmark->HeldIndices[Held] == Index)
						{
							++Held;
							continue;
						}
						Times.Add(Benchmark->Times[Index]);
						Values.Add(Benchmark->Values[Index]);
					}
					Channel->Set(MoveTemp(Times), MoveTemp(Values));
					Channel->AutoSetTangents(0.0f);
				}
			}
			State.ResumeTiming();
			if (!Benchmark)
			{
				break;
			}
			benchmark::DoNotOptimize(UEditorAssetLibrary::SaveLoadedAsset(Benchmark->Sequence, false));
		}
		ReportKeys(State, Take());
	}

	void RegisterSizes(benchmark::internal::Benchmark* Benchmark)
	{
		Benchmark->ArgNames({ "keys", "held_percent" })->Unit(benchmark::kMillisecond);
	}

	void RegisterOneHourTake(benchmark::internal::Benchmark* Benchmark)
	{
		RegisterSizes(Benchmark);
		Benchmark->ArgsProduct({ { 216000 }, { 0, 50, 100 } })->Iterations(1);
	}
}

// 10,000 keys a channel: enough iterations for a stable figure.
BENCHMARK(BM_LevelSequenceRepair)->Apply(RegisterSizes)->ArgsProduct({ { 10000 }, { 0, 50, 100 } });
BENCHMARK(BM_LevelSequenceRepair_Floor)->Apply(RegisterSizes)->ArgsProduct({ { 10000 }, { 0, 50, 100 } });
BENCHMARK(BM_LevelSequenceRepair_SaveOnly)->Apply(RegisterSizes)->ArgsProduct({ { 10000 }, { 0, 50, 100 } });

// A one-hour take at 60 fps: one run each, as removing held keys one by one from arrays of 216,000 takes minutes.
// The "_Long" names keep them out of a benchmark run unless it asks for long cases.
BENCHMARK(BM_LevelSequenceRepair)->Name("BM_LevelSequenceRepair_Long")->Apply(RegisterOneHourTake);
BENCHMARK(BM_LevelSequenceRepair_Floor)->Name("BM_LevelSequenceRepair_Long_Floor")->Apply(RegisterOneHourTake);
BENCHMARK(BM_LevelSequenceRepair_SaveOnly)->Name("BM_LevelSequenceRepair_SaveOnly_Long")->Apply(RegisterOneHourTake);

QUOVEX_BENCHMARK_MAIN();
