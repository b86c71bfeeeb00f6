// What the curve channels (double and float) share: key editing, automatic tangents and their text form.
#pragma once

#include "CoreMinimal.h"
#include "Channels/MovieSceneCurveChannelCommon.h"
#include "Misc/FrameNumber.h"

class FOutputDevice;
class UObject;

template<typename ChannelType>
struct TMovieSceneCurveChannelImpl
{
	typedef typename ChannelType::ChannelValueType ChannelValueType;
	typedef typename ChannelType::CurveValueType CurveValueType;

	static void Set(ChannelType* InChannel, TArray<FFrameNumber> InTimes, TArray<ChannelValueType> InValues);

	static int32 AddConstantKey(ChannelType* InChannel, FFrameNumber InTime, CurveValueType InValue);
	static int32 AddLinearKey(ChannelType* InChannel, FFrameNumber InTime, CurveValueType InValue);
	static int32 AddCubicKey(ChannelType* InChannel, FFrameNumber InTime, CurveValueType InValue, ERichCurveTangentMode TangentMode, const FMovieSceneTangentData& Tangent);

	/**
	 * Gives every cubic key in automatic tangent mode the tangent of a smooth curve through its neighbours: the
	 * slope from the previous to the next key, scaled by (1 - Tension), flat where the key is a peak, a trough or
	 * the end of a hold, and flat at the first and last key. Other keys keep their tangents.
	 */
	static void AutoSetTangents(ChannelType* InChannel, float Tension);

	static bool ExportTextItem(const ChannelType* InChannel, FString& ValueStr);

	/** Reads what it can of a channel's text; whatever is malformed, truncated or out of order is reported and repaired. */
	static bool ImportTextItem(ChannelType* InChannel, const TCHAR*& Buffer, UObject* OwnerObject, FOutputDevice* ErrorText);

	static bool Identical(const ChannelType* A, const ChannelType* B);
};
