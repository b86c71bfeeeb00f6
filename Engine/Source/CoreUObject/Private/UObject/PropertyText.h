// Small readers and writers for the engine's text form of values.

#pragma once

#include "CoreMinimal.h"

class FOutputDevice;

namespace UE::CoreUObject::Private
{
	const TCHAR* SkipWhitespace(const TCHAR* Buffer);

	/** Reads "..." with backslash escapes; Buffer must be at the opening quote. Null when unterminated. */
	const TCHAR* ReadQuotedString(const TCHAR* Buffer, FString& Out);

	/** Reads up to the next ',' or ')' outside quotes and parentheses (a delimited token), trimmed. */
	const TCHAR* ReadDelimitedToken(const TCHAR* Buffer, FString& Out);

	/** Reads [A-Za-z0-9_] characters (and "::" for enum names). */
	const TCHAR* ReadIdentifier(const TCHAR* Buffer, FString& Out, bool bAllowScope = false);

	/** Escapes backslash, quote and control characters for a quoted string. */
	FString EscapeString(const FString& In);

	/** A string value: quoted (escape-aware) or, when delimited, up to the next delimiter, else the rest. */
	const TCHAR* ReadStringValue(const TCHAR* Buffer, int32 PortFlags, FString& Out);

	void ReportImportError(FOutputDevice* ErrorText, const FString& Message);
}
