// Allocator tags. The stand-in's containers always allocate on the heap; the tags keep engine signatures compiling.
#pragma once

#include "HAL/Platform.h"

class FDefaultAllocator
{
};
class FHeapAllocator
{
};
class FDefaultSetAllocator
{
};
class FDefaultSparseArrayAllocator
{
};
template<uint32 NumInlineElements, typename SecondaryAllocator = FDefaultAllocator> class TInlineAllocator
{
};
template<uint32 NumInlineElements> class TFixedAllocator
{
};
template<int IndexSize> class TSizedDefaultAllocator
{
};
