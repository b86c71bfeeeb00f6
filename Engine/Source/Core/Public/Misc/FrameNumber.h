// A frame number in a time base (sequences count key times in ticks of their tick resolution), after the engine's FFrameNumber.
#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"

#include <type_traits>

struct FFrameNumber
{
	constexpr FFrameNumber()
		: Value(0)
	{
	}

	/** Implicit from signed integers only, as the engine's: an unsigned count is not a frame. */
	template<typename T, typename = std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>>>
	constexpr FFrameNumber(T InValue)
		: Value(static_cast<int32>(InValue))
	{
	}

	FFrameNumber& operator+=(FFrameNumber Other)
	{
		Value += Other.Value;
		return *this;
	}

	FFrameNumber& operator-=(FFrameNumber Other)
	{
		Value -= Other.Value;
		return *this;
	}

	FFrameNumber& operator++()
	{
		++Value;
		return *this;
	}

	FFrameNumber& operator--()
	{
		--Value;
		return *this;
	}

	friend constexpr bool operator==(FFrameNumber A, FFrameNumber B) { return A.Value == B.Value; }
	friend constexpr bool operator!=(FFrameNumber A, FFrameNumber B) { return A.Value != B.Value; }
	friend constexpr bool operator<(FFrameNumber A, FFrameNumber B) { return A.Value < B.Value; }
	friend constexpr bool operator>(FFrameNumber A, FFrameNumber B) { return A.Value > B.Value; }
	friend constexpr bool operator<=(FFrameNumber A, FFrameNumber B) { return A.Value <= B.Value; }
	friend constexpr bool operator>=(FFrameNumber A, FFrameNumber B) { return A.Value >= B.Value; }

	friend constexpr FFrameNumber operator+(FFrameNumber A, FFrameNumber B) { return FFrameNumber(A.Value + B.Value); }
	friend constexpr FFrameNumber operator-(FFrameNumber A, FFrameNumber B) { return FFrameNumber(A.Value - B.Value); }
	friend constexpr FFrameNumber operator-(FFrameNumber A) { return FFrameNumber(-A.Value); }

	friend uint32 GetTypeHash(FFrameNumber InFrameNumber)
	{
		return GetTypeHash(InFrameNumber.Value);
	}

	int32 Value;
};
