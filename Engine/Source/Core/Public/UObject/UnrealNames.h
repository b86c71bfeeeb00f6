// Hard-coded names with fixed table indices.
#pragma once

#include "HAL/Platform.h"

enum EName : uint32
{
	NAME_None = 0,
};
