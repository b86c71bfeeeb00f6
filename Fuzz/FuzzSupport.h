// What the fuzzers share: turning fuzz bytes into engine strings, and stopping on a broken promise.
#pragma once

#include "CoreMinimal.h"
#include "Containers/StringConv.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace QuovexFuzz
{
	/** The bytes as UTF-8 text up to the first NUL, as an FString made from a C string holds it (malformed sequences decode as U+FFFD). */
	inline FString FromUtf8(const uint8_t* Data, size_t Size)
	{
		const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(Data), (int32)Size);
		return FString(Converted.Get());
	}

	/** Whether the text holds a NUL: such text cannot pass through the engine's TCHAR* entry points whole. */
	inline bool HasNul(const FString& Text)
	{
		return Text.GetStdString().find(u'\0') != std::u16string::npos;
	}

	/** Stops the run with the broken promise; libFuzzer keeps the input that caused it. */
	[[noreturn]] inline void Fail(const char* What, const FString& Detail)
	{
		std::fprintf(stderr, "Fuzz finding: %s\n%s\n", What, TCHAR_TO_UTF8(*Detail));
		std::fflush(stderr);
		std::abort();
	}
}
