// A frame rate as a fraction of frames per second, after the engine's FFrameRate.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

struct CORE_API FFrameRate
{
	/** 60000 fps: the engine's default tick resolution. */
	FFrameRate()
		: Numerator(60000)
		, Denominator(1)
	{
	}

	FFrameRate(uint32 InNumerator, uint32 InDenominator)
		: Numerator(int32(InNumerator))
		, Denominator(int32(InDenominator))
	{
	}

	int32 Numerator;
	int32 Denominator;

	/** A rate is valid when its denominator is positive. */
	bool IsValid() const
	{
		return Denominator > 0;
	}

	/** Frames per second as a decimal. */
	double AsDecimal() const
	{
		return double(Numerator) / double(Denominator);
	}

	/** Seconds per frame. */
	double AsInterval() const
	{
		return double(Denominator) / double(Numerator);
	}

	FFrameRate Reciprocal() const
	{
		return FFrameRate(uint32(Denominator), uint32(Numerator));
	}

	/** Whether the other rate is a whole multiple of this one (both valid). */
	bool IsMultipleOf(FFrameRate Other) const;

	friend bool operator==(const FFrameRate& A, const FFrameRate& B)
	{
		return A.Numerator == B.Numerator && A.Denominator == B.Denominator;
	}

	friend bool operator!=(const FFrameRate& A, const FFrameRate& B)
	{
		return !(A == B);
	}
};
