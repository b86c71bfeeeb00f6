#include "Channels/MovieSceneCurveChannelImpl.h"

#include "Channels/MovieSceneDoubleChannel.h"
#include "Channels/MovieSceneFloatChannel.h"

template<typename ChannelType>
void TMovieSceneCurveChannelImpl<ChannelType>::Set(ChannelType* InChannel, TArray<FFrameNumber> InTimes, TArray<ChannelValueType> InValues)
{
	check(InTimes.Num() == InValues.Num());
	InChannel->Times = MoveTemp(InTimes);
	InChannel->Values = MoveTemp(InValues);
	InChannel->KeyHandles.Reset();
}

template<typename ChannelType>
int32 TMovieSceneCurveChannelImpl<ChannelType>::AddConstantKey(ChannelType* InChannel, FFrameNumber InTime, CurveValueType InValue)
{
	ChannelValueType Value(InValue);
	Value.InterpMode = RCIM_Constant;
	return InChannel->GetData().AddKey(InTime, Value);
}

template<typename ChannelType>
int32 TMovieSceneCurveChannelImpl<ChannelType>::AddLinearKey(ChannelType* InChannel, FFrameNumber InTime, CurveValueType InValue)
{
	ChannelValueType Value(InValue);
	Value.InterpMode = RCIM_Linear;
	return InChannel->GetData().AddKey(InTime, Value);
}

template<typename ChannelType>
int32 TMovieSceneCurveChannelImpl<ChannelType>::AddCubicKey(ChannelType* InChannel, FFrameNumber InTime, CurveValueType InValue, ERichCurveTangentMode TangentMode, const FMovieSceneTangentData& Tangent)
{
	ChannelValueType Value(InValue);
	Value.InterpMode = RCIM_Cubic;
	Value.TangentMode = TangentMode;
	Value.Tangent = Tangent;
	return InChannel->GetData().AddKey(InTime, Value);
}

template<typename ChannelType>
void TMovieSceneCurveChannelImpl<ChannelType>::AutoSetTangents(ChannelType* InChannel, float Tension)
{
	TArray<FFrameNumber>& Times = InChannel->Times;
	TArray<ChannelValueType>& Values = InChannel->Values;
	const int32 NumKeys = Values.Num();
	for (int32 Index = 0; Index < NumKeys; ++Index)
	{
		ChannelValueType& Key = Values[Index];
		if (Key.InterpMode != RCIM_Cubic || Key.TangentMode != RCTM_Auto)
		{
			continue;
		}
		double Slope = 0.0;
		if (Index > 0 && Index < NumKeys - 1)
		{
			const double Previous = Values[Index - 1].Value;
			const double Current = Key.Value;
			const double Next = Values[Index + 1].Value;
			const double Span = double(Times[Index + 1].Value) - double(Times[Index - 1].Value);
			const bool bExtreme = (Current >= Previous && Current >= Next) || (Current <= Previous && Current <= Next);
			if (!bExtreme && Span != 0.0)
			{
				Slope = (1.0 - double(Tension)) * (Next - Previous) / Span;
			}
		}
		Key.Tangent.ArriveTangent = float(Slope);
		Key.Tangent.LeaveTangent = float(Slope);
	}
}

template<typename ChannelType>
bool TMovieSceneCurveChannelImpl<ChannelType>::Identical(const ChannelType* A, const ChannelType* B)
{
	if (A->Times.Num() != B->Times.Num() || A->DefaultValue != B->DefaultValue || A->bHasDefaultValue != B->bHasDefaultValue || A->PreInfinityExtrap != B->PreInfinityExtrap || A->PostInfinityExtrap != B->PostInfinityExtrap)
	{
		return false;
	}
	for (int32 Index = 0; Index < A->Times.Num(); ++Index)
	{
		if (A->Times[Index] != B->Times[Index] || A->Values[Index] != B->Values[Index])
		{
			return false;
		}
	}
	return true;
}

template struct TMovieSceneCurveChannelImpl<FMovieSceneDoubleChannel>;
template struct TMovieSceneCurveChannelImpl<FMovieSceneFloatChannel>;
