// The Blueprint string comparisons of the editor function library against a plain UTF-16 compare of the same strings.

#include "QuovexBenchmarkSupport.h"

#include "Misc/CString.h"
#include "QuovexEditorFunctionLibrary.h"

namespace
{
	constexpr int32 PairCount = 256;

	/** Strings as the panels compare them: take names sharing long prefixes, some equal, some a prefix of the other. */
	struct FPairs
	{
		FPairs()
		{
			for (int32 Index = 0; Index < PairCount; ++Index)
			{
				const FString Take = FString::Printf(TEXT("Stage%d/Scene%02d_Shot%03d_Take%02d"), Index % 3, Index % 17, Index, Index % 9);
				A.Add(Take);
				switch (Index % 4)
				{
					case 0:
						B.Add(Take);
						break;
					case 1:
						B.Add(FString::Printf(TEXT("Stage%d/Scene%02d_Shot%03d_Take%02d"), Index % 3, Index % 17, Index, Index % 9 + 1));
						break;
					case 2:
						B.Add(Take + TEXT("_Alt"));
						break;
					default:
						B.Add(FString::Printf(TEXT("Backup/Take%02d"), Index % 9));
						break;
				}
			}
		}

		TArray<FString> A;
		TArray<FString> B;
	};

	const FPairs& Pairs()
	{
		static const FPairs Instance;
		return Instance;
	}

	/** One comparison per iteration, walking the pairs in turn. */
	template<typename CompareType>
	void ComparePairs(benchmark::State& State, CompareType&& Compare)
	{
		const FPairs& Data = Pairs();
		int32 Index = 0;
		for (auto _ : State)
		{
			benchmark::DoNotOptimize(Compare(Data.A[Index], Data.B[Index]));
			Index = (Index + 1) % PairCount;
		}
	}
}

// UQuovexEditorFunctionLibrary::SLessThan ("String < String").
static void BM_String_SLessThan(benchmark::State& State)
{
	ComparePairs(State, [](const FString& A, const FString& B) { return UQuovexEditorFunctionLibrary::SLessThan(A, B); });
}
BENCHMARK(BM_String_SLessThan);

// Floor: FCString::Strcmp on the same buffers, the code-unit compare any ordinal comparison has to make.
static void BM_String_SLessThan_Floor(benchmark::State& State)
{
	ComparePairs(State, [](const FString& A, const FString& B) { return FCString::Strcmp(*A, *B) < 0; });
}
BENCHMARK(BM_String_SLessThan_Floor);

// UQuovexEditorFunctionLibrary::SGreaterThan ("String > String").
static void BM_String_SGreaterThan(benchmark::State& State)
{
	ComparePairs(State, [](const FString& A, const FString& B) { return UQuovexEditorFunctionLibrary::SGreaterThan(A, B); });
}
BENCHMARK(BM_String_SGreaterThan);

// Floor: FCString::Strcmp on the same buffers.
static void BM_String_SGreaterThan_Floor(benchmark::State& State)
{
	ComparePairs(State, [](const FString& A, const FString& B) { return FCString::Strcmp(*A, *B) > 0; });
}
BENCHMARK(BM_String_SGreaterThan_Floor);

QUOVEX_BENCHMARK_MAIN()
