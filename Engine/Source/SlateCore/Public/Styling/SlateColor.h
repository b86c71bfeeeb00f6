// A colour as a style gives it: either specified or left to the widget's foreground.

#pragma once

#include "CoreMinimal.h"

struct SLATECORE_API FSlateColor
{
	FSlateColor()
		: SpecifiedColor(FLinearColor(1.0f, 1.0f, 1.0f, 1.0f))
		, bIsSpecified(false)
	{
	}

	FSlateColor(const FLinearColor& InColor)
		: SpecifiedColor(InColor)
		, bIsSpecified(true)
	{
	}

	bool IsColorSpecified() const
	{
		return bIsSpecified;
	}

	const FLinearColor& GetSpecifiedColor() const
	{
		return SpecifiedColor;
	}

	static FSlateColor UseForeground()
	{
		return FSlateColor();
	}

	bool operator==(const FSlateColor& Other) const
	{
		return bIsSpecified == Other.bIsSpecified && (!bIsSpecified || SpecifiedColor == Other.SpecifiedColor);
	}
	bool operator!=(const FSlateColor& Other) const
	{
		return !(*this == Other);
	}

private:
	FLinearColor SpecifiedColor;
	bool bIsSpecified;
};
