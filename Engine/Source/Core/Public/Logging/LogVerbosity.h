// Log verbosity levels, from least to most chatty.
#pragma once

#include "CoreTypes.h"

class FString;

namespace ELogVerbosity
{
	enum Type : uint8
	{
		NoLogging = 0,
		Fatal,
		Error,
		Warning,
		Display,
		Log,
		Verbose,
		VeryVerbose,
		All = VeryVerbose,
		NumVerbosity,
		VerbosityMask = 0xf,
		SetColor = 0x40,
		BreakOnLog = 0x80,
	};
}

/** The verbosity's name ("Warning"), or "Unknown". */
CORE_API const TCHAR* ToString(ELogVerbosity::Type Verbosity);

/** Parses a verbosity name, case-insensitively; unknown names give NoLogging. */
CORE_API ELogVerbosity::Type ParseLogVerbosityFromString(const FString& VerbosityString);
