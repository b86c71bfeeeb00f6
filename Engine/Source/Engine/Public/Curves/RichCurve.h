// Tangent modes of cubic curve keys.
#pragma once

#include "CoreMinimal.h"
#include "Curves/RealCurve.h"

#include "RichCurve.generated.h"

/** If using RCIM_Cubic, this enum describes how the tangents should be controlled in editor. */
UENUM(BlueprintType)
enum ERichCurveTangentMode : int
{
	/** Automatically calculates tangents to create smooth curves between values. */
	RCTM_Auto UMETA(DisplayName = "Auto"),
	/** User specifies the tangent as a unified tangent where the two tangents are locked to each other, presenting a consistent curve before and after. */
	RCTM_User UMETA(DisplayName = "User"),
	/** User specifies the tangent as two separate broken tangents on each side of the key which can allow a sharp change in evaluation before or after. */
	RCTM_Break UMETA(DisplayName = "Break"),
	/** No tangents. */
	RCTM_None UMETA(Hidden)
};

/** Enumerates tangent weight modes. */
UENUM(BlueprintType)
enum ERichCurveTangentWeightMode : int
{
	/** Don't take tangent weights into account. */
	RCTWM_WeightedNone UMETA(DisplayName = "None"),
	/** Only take the arrival tangent weight into account for evaluation. */
	RCTWM_WeightedArrive UMETA(DisplayName = "Arrive"),
	/** Only take the leaving tangent weight into account for evaluation. */
	RCTWM_WeightedLeave UMETA(DisplayName = "Leave"),
	/** Take both the arrival and leaving tangent weights into account for evaluation. */
	RCTWM_WeightedBoth UMETA(DisplayName = "Both")
};
