// A brush that draws nothing.

#pragma once

#include "Styling/SlateBrush.h"

struct SLATECORE_API FSlateNoResource : public FSlateBrush
{
	FSlateNoResource(const FVector2D& InImageSize = FVector2D(0.0, 0.0));
};
