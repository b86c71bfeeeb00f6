// What a failed check or ensure does: log through GLog, and for a check, abort.

#include "Misc/AssertionMacros.h"
#include "Containers/StringConv.h"
#include "Logging/LogMacros.h"
#include <cstdio>
#include <cstdlib>

namespace
{
	FString DescribeFailure(const ANSICHAR* Prefix, const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
	{
		FString Text = FString::Printf(TEXT("%hs: %hs [File:%hs] [Line: %d]"), Prefix, Expr, File, Line);
		if (Message && *Message)
		{
			Text += TEXT("\n");
			Text += Message;
		}
		return Text;
	}
}

void FDebug::AssertFailedMessage(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
{
	const FString Text = DescribeFailure("Assertion failed", Expr, File, Line, Message);
	// stderr first: it is what a crash report (and a death test) reads, whatever devices are attached.
	std::fprintf(stderr, "Fatal error: %s\n", TCHAR_TO_UTF8(*Text));
	std::fflush(stderr);
	static bool bReportingFailure = false;
	if (!bReportingFailure)
	{
		bReportingFailure = true;
		GLog->Serialize(*Text, ELogVerbosity::Fatal, LogOutputDevice.GetCategoryName());
		GLog->Flush();
	}
	std::abort();
}

bool FDebug::EnsureFailedMessage(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message)
{
	const FString Text = DescribeFailure("Ensure condition failed", Expr, File, Line, Message);
	GLog->Serialize(*Text, ELogVerbosity::Error, LogOutputDevice.GetCategoryName());
	return false;
}
