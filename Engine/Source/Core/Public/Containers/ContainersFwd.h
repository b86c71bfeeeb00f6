// Forward declarations of the engine's containers.
#pragma once

#include "HAL/Platform.h"
#include "Containers/ContainerAllocationPolicies.h"

template<typename T, typename Allocator = FDefaultAllocator> class TArray;
template<typename T> class TArrayView;
template<typename T> using TConstArrayView = TArrayView<const T>;
template<typename ElementType, typename KeyFuncs = void, typename Allocator = FDefaultSetAllocator> class TSet;
template<typename KeyType, typename ValueType, typename SetAllocator = FDefaultSetAllocator, typename KeyFuncs = void> class TMap;
template<typename KeyType, typename ValueType, typename SetAllocator = FDefaultSetAllocator, typename KeyFuncs = void> class TMultiMap;
class FString;
class FName;
class FText;
