// Engine-wide small definitions shared by containers and strings.
#pragma once

#include "HAL/Platform.h"

enum
{
	INDEX_NONE = -1
};

enum EForceInit
{
	ForceInit,
	ForceInitToZero
};

enum ENoInit
{
	NoInit
};

enum EInPlace
{
	InPlace
};

/** Whether a string search or comparison respects case. */
namespace ESearchCase
{
	enum Type
	{
		CaseSensitive,
		IgnoreCase,
	};
}

/** The direction a string search runs in. */
namespace ESearchDir
{
	enum Type
	{
		FromStart,
		FromEnd,
	};
}

#define UE_ARRAY_COUNT(Array) (sizeof(Array) / sizeof((Array)[0]))
#define ARRAY_COUNT(Array) UE_ARRAY_COUNT(Array)
#define UE_NONCOPYABLE(TypeName) \
	TypeName(TypeName&&) = delete; \
	TypeName(const TypeName&) = delete; \
	TypeName& operator=(const TypeName&) = delete; \
	TypeName& operator=(TypeName&&) = delete;

#define PURE_VIRTUAL(Func, ...) \
	{ \
		checkf(false, TEXT("Pure virtual not implemented (%s)"), TEXT(#Func)); \
		__VA_ARGS__ \
	}
