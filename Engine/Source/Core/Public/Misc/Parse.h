// Parsing of command lines and console input, after the engine's FParse.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

class FName;

struct CORE_API FParse
{
	/** Whether Stream holds the switch "-Param" (or "/Param") as a whole word, case-insensitive. */
	static bool Param(const TCHAR* Stream, const TCHAR* Param);

	/**
	 * Finds Match (such as "culture=") and reads the value after it: a quoted value up to its closing
	 * quote, otherwise up to whitespace (and, with bShouldStopOnSeparator, a comma or parenthesis).
	 */
	static bool Value(const TCHAR* Stream, const TCHAR* Match, FString& Value, bool bShouldStopOnSeparator = true);
	static bool Value(const TCHAR* Stream, const TCHAR* Match, int32& Value);
	static bool Value(const TCHAR* Stream, const TCHAR* Match, float& Value);
	static bool Value(const TCHAR* Stream, const TCHAR* Match, double& Value);
	static bool Value(const TCHAR* Stream, const TCHAR* Match, FName& Name);
	static bool Bool(const TCHAR* Stream, const TCHAR* Match, bool& OnOff);

	/** Reads the next whitespace-delimited token (a quoted token keeps its spaces) and advances Str. */
	static bool Token(const TCHAR*& Str, FString& Arg, bool UseEscape);
	static FString Token(const TCHAR*& Str, bool UseEscape);

	/** When Stream starts with the word Match, skips it and the spaces after it. */
	static bool Command(const TCHAR** Stream, const TCHAR* Match, bool bParseMightTriggerExecution = true);

	/** Reads up to the end of the line and advances Stream past it. */
	static bool Line(const TCHAR** Stream, FString& Result, bool bExact = false);
};
