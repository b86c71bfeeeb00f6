// Process kind queries of the engine.
#pragma once

#include "CoreTypes.h"
#include "CoreGlobals.h"

/**
 * Whether this process was launched as a game (an editor build started with -game, or a packaged game).
 * False in the editor, also during single-process Play-In-Editor.
 */
CORE_API bool IsRunningGame();

/** Whether the process is a dedicated server; the stand-in never is. */
CORE_API bool IsRunningDedicatedServer();

/** Whether the process is a client-only game; the stand-in never is. */
CORE_API bool IsRunningClientOnly();
