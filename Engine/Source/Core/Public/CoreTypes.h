// The core scalar types and definitions every engine header relies on.
#pragma once

#include "HAL/Platform.h"
#include "Misc/CoreMiscDefines.h"
#include "Misc/AssertionMacros.h"
