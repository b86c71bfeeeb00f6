// Values a style answers with when it has nothing better.

#pragma once

#include "CoreMinimal.h"

struct FSlateBrush;

class SLATECORE_API FStyleDefaults
{
public:
	/** A brush that draws nothing. */
	static const FSlateBrush* GetNoBrush();

	static float GetFloat()
	{
		return 0.0f;
	}

	static const FLinearColor& GetColor();
};
