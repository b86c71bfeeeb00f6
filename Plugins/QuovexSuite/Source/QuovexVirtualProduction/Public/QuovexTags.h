// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

/** Actor tags the plugin's tools query by. */
namespace QuovexTags
{
	/** Carried by every tracked camera actor. */
	extern QUOVEXVIRTUALPRODUCTION_API const FName TAG_CAMERA;

	/** Carried by actors that a level sequence spawned (recorded takes). */
	extern QUOVEXVIRTUALPRODUCTION_API const FName TAG_SEQUENCE_SPAWNED;
}
