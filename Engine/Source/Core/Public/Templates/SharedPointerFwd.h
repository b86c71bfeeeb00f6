// Forward declarations of the engine's shared pointer types.
#pragma once

#include "HAL/Platform.h"

enum class ESPMode : uint8
{
	NotThreadSafe = 0,
	ThreadSafe = 1,
	Fast = NotThreadSafe,
};

template<typename ObjectType, ESPMode Mode = ESPMode::ThreadSafe> class TSharedRef;
template<typename ObjectType, ESPMode Mode = ESPMode::ThreadSafe> class TSharedPtr;
template<typename ObjectType, ESPMode Mode = ESPMode::ThreadSafe> class TWeakPtr;
template<typename ObjectType, ESPMode Mode = ESPMode::ThreadSafe> class TSharedFromThis;
