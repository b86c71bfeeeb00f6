// Object lookups by outer and class (declared in UObjectGlobals.h; this is the engine's header for them).

#pragma once

#include "UObject/UObjectGlobals.h"
