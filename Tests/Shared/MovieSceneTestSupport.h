// Reading and writing the keys of movie scene channels in tests.
#pragma once

#include "Channels/MovieSceneDoubleChannel.h"

#include <vector>

namespace MovieSceneTest
{
	inline std::vector<double> ValuesOf(const FMovieSceneDoubleChannel& Channel)
	{
		std::vector<double> Values;
		for (const FMovieSceneDoubleValue& Value : Channel.GetValues())
		{
			Values.push_back(Value.Value);
		}
		return Values;
	}

	inline std::vector<int32> TimesOf(const FMovieSceneDoubleChannel& Channel)
	{
		std::vector<int32> Times;
		for (const FFrameNumber Time : Channel.GetTimes())
		{
			Times.push_back(Time.Value);
		}
		return Times;
	}

	/** Keys at 0, Spacing, 2 * Spacing ... with these values, cubic and automatic, their tangents set to Tangent. */
	inline void SetKeys(FMovieSceneDoubleChannel& Channel, const std::vector<double>& Values, int32 Spacing, float Tangent = 0.f)
	{
		TArray<FFrameNumber> Times;
		TArray<FMovieSceneDoubleValue> Keys;
		for (size_t Index = 0; Index < Values.size(); ++Index)
		{
			Times.Add(FFrameNumber(int32(Index) * Spacing));
			FMovieSceneDoubleValue& Key = Keys.Add_GetRef(FMovieSceneDoubleValue(Values[Index]));
			Key.Tangent.ArriveTangent = Key.Tangent.LeaveTangent = Tangent;
		}
		Channel.Set(MoveTemp(Times), MoveTemp(Keys));
	}
}
