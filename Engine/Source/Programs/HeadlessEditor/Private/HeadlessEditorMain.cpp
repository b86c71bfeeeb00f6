// headless-editor [PROJECT] [-game] [-culture=C] [-ExecCmds="a; b"] [-run=NAME]
// Boots the stand-in editor on a project, runs the given commands, then reads commands from
// standard input until its end or quit, and shuts down in the engine's order.

#include "CoreMinimal.h"
#include "DesktopPlatformHost.h"
#include "EditorHost.h"
#include "HostLogCapture.h"
#include "CoreGlobals.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Misc/Paths.h"

#include <cstdio>
#include <iconv.h>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
	/** Prints log lines and command output to standard output as the engine's console does. */
	class FStdOutDevice : public FOutputDevice
	{
	public:
		void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			const FString Line = FormatHostLogLine(V, Verbosity, Category);
			std::fputs(TCHAR_TO_UTF8(*Line), stdout);
			std::fputc('\n', stdout);
			std::fflush(stdout);
		}
	};

	/**
	 * Why bytes from outside (an argument, an input line) cannot be taken as console text: not UTF-8, or a NUL
	 * byte that would cut the text short. Empty when they can.
	 */
	FString FindUnreadableBytes(const std::string& Bytes)
	{
		const size_t Nul = Bytes.find('\0');
		if (Nul != std::string::npos)
		{
			return FString::Printf(TEXT("holds a NUL byte at byte %d"), int32(Nul + 1));
		}
		iconv_t Decoder = iconv_open("UTF-16LE", "UTF-8");
		checkf(Decoder != (iconv_t)-1, TEXT("iconv cannot decode UTF-8 on this system"));
		char* In = const_cast<char*>(Bytes.data());
		size_t InLeft = Bytes.size();
		std::vector<char> Decoded(Bytes.size() * 4 + 4);
		char* Out = Decoded.data();
		size_t OutLeft = Decoded.size();
		const bool bDecoded = iconv(Decoder, &In, &InLeft, &Out, &OutLeft) != size_t(-1);
		iconv_close(Decoder);
		if (bDecoded)
		{
			return FString();
		}
		const size_t Offset = size_t(In - Bytes.data());
		return FString::Printf(TEXT("is not UTF-8 text (byte 0x%02X at byte %d)"), uint32(uint8(Bytes[Offset])), int32(Offset + 1));
	}

	struct FArguments
	{
		FEditorHostOptions Options;
		FString ExecCmds;
		bool bValid = true;
	};

	FString DefaultProjectFile()
	{
		// The build records where this checkout's Engine folder is; the demo project sits beside it.
		const FString EngineDir = FPaths::ConvertRelativePathToFull(FString(UTF8_TO_TCHAR(UE_STANDALONE_ENGINE_ROOT)));
		return FPaths::Combine(FPaths::GetPath(EngineDir), TEXT("Samples/DemoStage/DemoStage.uproject"));
	}

	bool TakeValue(const FString& Arg, const TCHAR* Prefix, FString& OutValue)
	{
		if (!Arg.StartsWith(Prefix, ESearchCase::IgnoreCase))
		{
			return false;
		}
		OutValue = Arg.Mid(FCString::Strlen(Prefix));
		if (OutValue.Len() >= 2 && OutValue.StartsWith(TEXT("\"")) && OutValue.EndsWith(TEXT("\"")))
		{
			OutValue = OutValue.Mid(1, OutValue.Len() - 2);
		}
		return true;
	}

	FArguments ParseArguments(int Argc, char** Argv, FOutputDevice& Out)
	{
		FArguments Result;
		FString CommandLine;
		for (int Index = 1; Index < Argc; ++Index)
		{
			const FString Unreadable = FindUnreadableBytes(Argv[Index]);
			if (!Unreadable.IsEmpty())
			{
				Out.Log(ELogVerbosity::Error, FString::Printf(TEXT("Argument %d %s"), Index, *Unreadable));
				Result.bValid = false;
				continue;
			}
			const FString Arg(UTF8_TO_TCHAR(Argv[Index]));
			CommandLine += (CommandLine.IsEmpty() ? TEXT("") : TEXT(" ")) + (Arg.Contains(TEXT(" ")) ? TEXT("\"") + Arg + TEXT("\"") : Arg);
			// A switch without its value, or an empty project path, is a mistake the run would otherwise pass over
			// (an empty -userdir= writes the user's settings somewhere else).
			const TCHAR* const ValueSwitches[] = { TEXT("-culture="), TEXT("-ExecCmds="), TEXT("-run="), TEXT("-userdir=") };
			FString Value;
			bool bMissingValue = Arg.IsEmpty();
			for (const TCHAR* Switch : ValueSwitches)
			{
				bMissingValue |= TakeValue(Arg, Switch, Value) && Value.TrimStartAndEnd().IsEmpty();
			}
			if (bMissingValue)
			{
				// clang-format off
				Out.Log(ELogVerbosity::Error, Arg.IsEmpty() ? FString::Printf(TEXT("Argument %d is empty; give a project file or leave it out"), Index)
					: FString::Printf(TEXT("Argument %d (%s) has no value"), Index, *Arg));
				// clang-format on
				Result.bValid = false;
				continue;
			}
			if (Arg.Equals(TEXT("-game"), ESearchCase::IgnoreCase))
			{
				Result.Options.bRunningGame = true;
			}
			else if (TakeValue(Arg, TEXT("-culture="), Value))
			{
				Result.Options.Culture = Value;
			}
			else if (TakeValue(Arg, TEXT("-ExecCmds="), Value))
			{
				Result.ExecCmds = Value;
			}
			else if (TakeValue(Arg, TEXT("-run="), Value))
			{
				Result.Options.Commandlet = Value;
			}
			else if (TakeValue(Arg, TEXT("-userdir="), Value))
			{
				Result.Options.UserDir = Value;
			}
			else if (!Arg.StartsWith(TEXT("-")))
			{
				if (!Result.Options.ProjectFile.IsEmpty())
				{
					Out.Log(ELogVerbosity::Error, FString::Printf(TEXT("Only one project can be opened; '%s' is extra"), *Arg));
					Result.bValid = false;
				}
				Result.Options.ProjectFile = Arg;
			}
			// Other switches are the engine's (e.g. -LogCmds=); they stay on the command line.
		}
		if (Result.Options.ProjectFile.IsEmpty())
		{
			Result.Options.ProjectFile = DefaultProjectFile();
		}
		Result.Options.CommandLine = CommandLine;
		return Result;
	}

	enum class EReadLine
	{
		Line,
		Refused,
		End,
	};

	/** One line of standard input. A line that is not UTF-8 text is refused with the reason, as a whole: a part of it could run as something else. */
	EReadLine ReadLine(FString& OutLine, FString& OutProblem)
	{
		static int32 LineNumber = 0;
		std::string Line;
		if (!std::getline(std::cin, Line))
		{
			return EReadLine::End;
		}
		++LineNumber;
		if (!Line.empty() && Line.back() == '\r')
		{
			Line.pop_back();
		}
		const FString Unreadable = FindUnreadableBytes(Line);
		if (!Unreadable.IsEmpty())
		{
			OutProblem = FString::Printf(TEXT("Input line %d %s; it was not run"), LineNumber, *Unreadable);
			return EReadLine::Refused;
		}
		OutLine = FString(UTF8_TO_TCHAR(Line.c_str()));
		return EReadLine::Line;
	}
}

int main(int Argc, char** Argv)
{
	FStdOutDevice StdOut;
	GLog->AddOutputDevice(&StdOut);
	const bool bInteractive = isatty(STDIN_FILENO);

	FArguments Arguments = ParseArguments(Argc, Argv, StdOut);
	if (!Arguments.bValid)
	{
		GLog->RemoveOutputDevice(&StdOut);
		return 2;
	}

	// File and folder dialogues ask on the console: the next input line is the answer.
	bool bInputRefused = false;
	UE::DesktopPlatformHost::SetAnswerProvider([&StdOut, &bInputRefused, bInteractive](const UE::DesktopPlatformHost::FDialogRequest& Request) {
		StdOut.Log(FString::Printf(TEXT("Dialog: %s (answer with a path; empty cancels)"), *Request.Describe()));
		if (bInteractive)
		{
			std::fputs("? ", stdout);
			std::fflush(stdout);
		}
		FString Answer;
		FString Problem;
		const EReadLine Read = ReadLine(Answer, Problem);
		if (Read == EReadLine::Refused)
		{
			// An unreadable answer cancels rather than picking a path that was not typed.
			StdOut.Log(ELogVerbosity::Error, Problem + TEXT(" (the dialogue was cancelled)"));
			bInputRefused = true;
		}
		return Read == EReadLine::Line ? Answer.TrimStartAndEnd() : FString();
	});

	if (!FEditorHost::Boot(Arguments.Options))
	{
		UE::DesktopPlatformHost::Reset();
		GLog->RemoveOutputDevice(&StdOut);
		return 1;
	}

	// A project may list console lines to run once the editor is up ([HeadlessEditor] +EditorStartupCommands=
	// in its DefaultEngine.ini); the demo stage feeds its trackers' first lens frames this way.
	if (GIsEditor && GConfig)
	{
		TArray<FString> StartupCommands;
		GConfig->GetArray(TEXT("HeadlessEditor"), TEXT("EditorStartupCommands"), StartupCommands, GEngineIni);
		for (const FString& Command : StartupCommands)
		{
			if (!FEditorHost::IsQuitRequested())
			{
				FEditorHost::Exec(Command, StdOut);
			}
		}
		if (StartupCommands.Num() > 0)
		{
			StdOut.Serialize(*FString::Printf(TEXT("Ran %d startup commands of the project"), StartupCommands.Num()), ELogVerbosity::Log, FName(TEXT("LogInit")));
		}
	}
	if (!Arguments.ExecCmds.IsEmpty())
	{
		FEditorHost::ExecSequence(Arguments.ExecCmds, StdOut);
	}
	while (!FEditorHost::IsQuitRequested())
	{
		if (bInteractive)
		{
			std::fputs("> ", stdout);
			std::fflush(stdout);
		}
		FString Line;
		FString Problem;
		const EReadLine Read = ReadLine(Line, Problem);
		if (Read == EReadLine::End)
		{
			break;
		}
		if (Read == EReadLine::Refused)
		{
			StdOut.Log(ELogVerbosity::Error, Problem);
			bInputRefused = true;
			continue;
		}
		FEditorHost::Exec(Line, StdOut);
	}

	const bool bFailed = FEditorHost::HasCommandFailed() || bInputRefused;
	FEditorHost::Shutdown();
	UE::DesktopPlatformHost::Reset();
	GLog->RemoveOutputDevice(&StdOut);
	return bFailed ? 1 : 0;
}
