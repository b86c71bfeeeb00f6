// Base enumerations of the engine's tick.

#pragma once

#include "CoreMinimal.h"

/** What a level tick is for. */
enum ELevelTick
{
	/** Only time advances. */
	LEVELTICK_TimeOnly = 0,
	/** Only viewports update. */
	LEVELTICK_ViewportsOnly = 1,
	/** Everything ticks. */
	LEVELTICK_All = 2,
	/** Ticking while paused. */
	LEVELTICK_PauseTick = 3,
};
