// Small value types used by Slate layout.

#pragma once

#include "CoreMinimal.h"

/** A size that may be left unspecified. */
struct FOptionalSize
{
	FOptionalSize()
		: Size(Unspecified)
	{
	}

	FOptionalSize(const float SpecifiedSize)
		: Size(SpecifiedSize)
	{
	}

	bool IsSet() const
	{
		return Size != Unspecified;
	}

	float Get() const
	{
		return Size;
	}

	bool operator==(const FOptionalSize& Other) const
	{
		return Size == Other.Size;
	}

private:
	static constexpr float Unspecified = -1.0f;
	float Size;
};
