// The process command line, after the engine's FCommandLine.
#pragma once

#include "CoreTypes.h"

struct CORE_API FCommandLine
{
	/** The command line without the executable name. */
	static const TCHAR* Get();
	static bool IsInitialized();
	static bool Set(const TCHAR* NewCommandLine);
	static void Append(const TCHAR* AppendString);
};
