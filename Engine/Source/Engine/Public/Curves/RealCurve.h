// Interpolation and extrapolation of curve keys, shared by the engine's curves and sequencer channels.
#pragma once

#include "CoreMinimal.h"

#include "RealCurve.generated.h"

/** Method of interpolation between this key and the next. */
UENUM(BlueprintType)
enum ERichCurveInterpMode : int
{
	/** Use linear interpolation between values. */
	RCIM_Linear UMETA(DisplayName = "Linear"),
	/** Use a constant value. Represents stepped values. */
	RCIM_Constant UMETA(DisplayName = "Constant"),
	/** Cubic interpolation. See TangentMode for different cubic interpolation options. */
	RCIM_Cubic UMETA(DisplayName = "Cubic"),
	/** No interpolation. */
	RCIM_None UMETA(Hidden)
};

/** Enumerates extrapolation options. */
UENUM(BlueprintType)
enum ERichCurveExtrapolation : int
{
	/** Repeat the curve without an offset. */
	RCCE_Cycle UMETA(DisplayName = "Cycle"),
	/** Repeat the curve with an offset relative to the first or last key's value. */
	RCCE_CycleWithOffset UMETA(DisplayName = "CycleWithOffset"),
	/** Sinusoidally extrapolate. */
	RCCE_Oscillate UMETA(DisplayName = "Oscillate"),
	/** Use a linearly increasing value for extrapolation. */
	RCCE_Linear UMETA(DisplayName = "Linear"),
	/** Use a constant value for extrapolation. */
	RCCE_Constant UMETA(DisplayName = "Constant"),
	/** No Extrapolation. */
	RCCE_None UMETA(DisplayName = "None")
};
