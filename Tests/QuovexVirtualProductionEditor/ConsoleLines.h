// What console commands print, one entry a line, errors marked, for tests that read a command's output.
#pragma once

#include "CoreMinimal.h"
#include "EditorHost.h"
#include "Misc/OutputDevice.h"

namespace QuovexTest
{
	class FConsoleLines : public FOutputDevice
	{
	public:
		void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName&) override
		{
			Lines.Add(Verbosity == ELogVerbosity::Error ? FString(TEXT("ERROR ")) + V : FString(V));
		}

		/** Runs one console line; Lines then hold what it printed. */
		bool Run(const FString& Line)
		{
			Lines.Reset();
			return FEditorHost::Exec(Line, *this);
		}

		TArray<FString> Lines;
	};
}
