// Tangent data shared by the curve channels (double and float).
#pragma once

#include "CoreMinimal.h"
#include "Curves/RichCurve.h"

#include "MovieSceneCurveChannelCommon.generated.h"

/** Tangents of a cubic key, in value units per tick of the sequence's tick resolution. */
USTRUCT()
struct MOVIESCENE_API FMovieSceneTangentData
{
	GENERATED_BODY()

	FMovieSceneTangentData()
		: ArriveTangent(0.f)
		, LeaveTangent(0.f)
		, ArriveTangentWeight(0.f)
		, LeaveTangentWeight(0.f)
		, TangentWeightMode(RCTWM_WeightedNone)
	{
	}

	bool operator==(const FMovieSceneTangentData& Other) const
	{
		return ArriveTangent == Other.ArriveTangent && LeaveTangent == Other.LeaveTangent && ArriveTangentWeight == Other.ArriveTangentWeight && LeaveTangentWeight == Other.LeaveTangentWeight && TangentWeightMode == Other.TangentWeightMode;
	}

	bool operator!=(const FMovieSceneTangentData& Other) const
	{
		return !(*this == Other);
	}

	/** If RCIM_Cubic, the arriving tangent at this key. */
	UPROPERTY(EditAnywhere, Category = "Key")
	float ArriveTangent;

	/** If RCIM_Cubic, the leaving tangent at this key. */
	UPROPERTY(EditAnywhere, Category = "Key")
	float LeaveTangent;

	/** If RCTWM_WeightedArrive or RCTWM_WeightedBoth, the weight of the left tangent. */
	UPROPERTY(EditAnywhere, Category = "Key")
	float ArriveTangentWeight;

	/** If RCTWM_WeightedLeave or RCTWM_WeightedBoth, the weight of the right tangent. */
	UPROPERTY(EditAnywhere, Category = "Key")
	float LeaveTangentWeight;

	/** If RCIM_Cubic, the weight mode of the tangents. */
	UPROPERTY(EditAnywhere, Category = "Key")
	TEnumAsByte<ERichCurveTangentWeightMode> TangentWeightMode;
};
