// Editor-wide enumerations.

#pragma once

#include "CoreMinimal.h"

/** The kind of view a level viewport shows. */
enum ELevelViewportType : int
{
	/** Top */
	LVT_OrthoXY = 0,
	/** Right */
	LVT_OrthoXZ = 1,
	/** Back */
	LVT_OrthoYZ = 2,
	LVT_Perspective = 3,
	LVT_OrthoFreelook = 4,
	/** Bottom */
	LVT_OrthoNegativeXY = 5,
	/** Left */
	LVT_OrthoNegativeXZ = 6,
	/** Front */
	LVT_OrthoNegativeYZ = 7,
	LVT_OrthoTop = LVT_OrthoXY,
	LVT_OrthoLeft = LVT_OrthoXZ,
	LVT_OrthoFront = LVT_OrthoNegativeYZ,
	LVT_OrthoBack = LVT_OrthoYZ,
	LVT_OrthoBottom = LVT_OrthoNegativeXY,
	LVT_OrthoRight = LVT_OrthoNegativeXZ,
	LVT_MAX = 8,
	LVT_None = 255,
};
