// The host's own console commands: help, modules, log, timecode, culture, files, quit.

#include "EditorHost.h"
#include "HAL/FileManager.h"
#include "HAL/IConsoleManager.h"
#include "HostConsole.h"
#include "Internationalization/Internationalization.h"
#include "Logging/LogSuppressionInterface.h"
#include "Misc/App.h"
#include "Misc/OutputDevice.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "ProjectsHost.h"

namespace UE::EditorHost::Private
{
	void RequestQuit();
}

namespace
{
	/** For the commands that take nothing: false, with the reason, when something was given. */
	bool ExpectNoArguments(const TCHAR* Command, const FString& Args, FOutputDevice& Ar)
	{
		FString Error;
		if (!FHostConsoleCommands::NoArguments(Args, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("%s: %s"), Command, *Error));
			return false;
		}
		return true;
	}

	bool RunHelp(const FString& Args, FOutputDevice& Ar)
	{
		if (!ExpectNoArguments(TEXT("help"), Args, Ar))
		{
			return false;
		}
		Ar.Log(TEXT("Commands:"));
		for (const FHostConsoleCommandInfo& Command : FHostConsoleCommands::GetCommands())
		{
			Ar.Log(FString::Printf(TEXT("  %s - %s"), *Command.Name, *Command.Help));
		}
		TArray<FString> ConsoleCommands;
		IConsoleManager::Get().ForEachConsoleObjectThatStartsWith(FConsoleObjectVisitor::CreateLambda([&](const TCHAR* Name, IConsoleObject* Object) {
			if (Object->AsCommand())
			{
				FString Help(Object->GetHelp());
				int32 LineEnd = INDEX_NONE;
				if (Help.FindChar(TEXT('\n'), LineEnd))
				{
					Help.LeftInline(LineEnd);
				}
				ConsoleCommands.Add(FString::Printf(TEXT("  %s - %s"), Name, *Help));
			}
		}));
		if (ConsoleCommands.Num() > 0)
		{
			Ar.Log(TEXT("Engine console commands:"));
			for (const FString& Line : ConsoleCommands)
			{
				Ar.Log(Line);
			}
		}
		Ar.Log(TEXT("  <ConsoleVariable> - prints the variable as Name = \"value\"; <ConsoleVariable> <Value> sets it"));
		return true;
	}

	bool RunModules(const FString& Args, FOutputDevice& Ar)
	{
		if (!ExpectNoArguments(TEXT("modules"), Args, Ar))
		{
			return false;
		}
		TArray<FModuleStatus> Modules;
		FModuleManager::Get().QueryModules(Modules);
		Ar.Log(FString::Printf(TEXT("%d loaded modules, in load order:"), Modules.Num()));
		for (const FModuleStatus& Status : Modules)
		{
			FString PluginName;
			ELoadingPhase::Type Phase = ELoadingPhase::None;
			if (FProjectsHost::FindModuleDescriptor(FName(*Status.Name), PluginName, Phase))
			{
				const FString Owner = PluginName.IsEmpty() ? FString(TEXT("project")) : FString::Printf(TEXT("plugin %s"), *PluginName);
				Ar.Log(FString::Printf(TEXT("  %s (phase %s, %s)"), *Status.Name, ELoadingPhase::ToString(Phase), *Owner));
			}
			else
			{
				Ar.Log(FString::Printf(TEXT("  %s (engine module, loaded on demand)"), *Status.Name));
			}
		}
		return true;
	}

	bool RunLog(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString TokenError;
		if (!FHostConsoleCommands::Tokenize(Args, Words, TokenError))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("log: %s"), *TokenError));
			return false;
		}
		if (Words.Num() == 1 && (Words[0].Equals(TEXT("list"), ESearchCase::IgnoreCase) || Words[0].Equals(TEXT("reset"), ESearchCase::IgnoreCase)))
		{
			return FLogSuppressionInterface::Get().ProcessLogCommand(*FString::Join(Words, TEXT(" ")), Ar);
		}
		if (Words.Num() != 2)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("Usage: log <Category> <Verbosity> (Fatal, Error, Warning, Display, Log, Verbose, VeryVerbose, off, default), log list, log reset"));
			return false;
		}
		if (!FLogSuppressionInterface::Get().FindCategory(FName(*Words[0])))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Unknown log category: %s"), *Words[0]));
			return false;
		}
		if (!FLogSuppressionInterface::Get().ProcessLogCommand(*FString::Join(Words, TEXT(" ")), Ar))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Unknown verbosity: %s"), *Words[1]));
			return false;
		}
		return true;
	}

	bool ParseInteger(const FString& Text, int32& Out)
	{
		const FString Trimmed = Text.TrimStartAndEnd();
		const FString Digits = Trimmed.StartsWith(TEXT("-")) ? Trimmed.Mid(1) : Trimmed;
		// Nine digits at most, so the value cannot overflow.
		if (Digits.IsEmpty() || Digits.Len() > 9)
		{
			return false;
		}
		for (int32 Index = 0; Index < Digits.Len(); ++Index)
		{
			if (Digits[Index] < TEXT('0') || Digits[Index] > TEXT('9'))
			{
				return false;
			}
		}
		Out = FCString::Atoi(*Trimmed);
		return true;
	}

	bool RunTimecode(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString TokenError;
		if (!FHostConsoleCommands::Tokenize(Args, Words, TokenError))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("timecode: %s. Usage: timecode <Numerator>/<Denominator>, e.g. timecode 30000/1001"), *TokenError));
			return false;
		}
		if (Words.Num() > 1)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Malformed frame rate '%s': one frame rate expected. Usage: timecode <Numerator>/<Denominator>, e.g. timecode 30000/1001"), *Args));
			return false;
		}
		if (Words.Num() == 1)
		{
			FString NumeratorText;
			FString DenominatorText;
			int32 Numerator = 0;
			int32 Denominator = 0;
			if (!Words[0].Split(TEXT("/"), &NumeratorText, &DenominatorText) || !ParseInteger(NumeratorText, Numerator) || !ParseInteger(DenominatorText, Denominator))
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Malformed frame rate '%s'. Usage: timecode <Numerator>/<Denominator>, e.g. timecode 30000/1001"), *Words[0]));
				return false;
			}
			// Invalid rates are accepted on purpose: the engine's setter takes them too, and consumers must cope.
			FFrameRate Rate;
			Rate.Numerator = Numerator;
			Rate.Denominator = Denominator;
			FApp::SetTimecodeFrameRate(Rate);
		}
		const FFrameRate Rate = FApp::GetTimecodeFrameRate();
		Ar.Log(FString::Printf(TEXT("Timecode rate = %d/%d"), Rate.Numerator, Rate.Denominator));
		return true;
	}

	bool RunCulture(const FString& Args, FOutputDevice& Ar)
	{
		if (!Args.IsEmpty())
		{
			TArray<FString> Words;
			FString TokenError;
			if (!FHostConsoleCommands::Tokenize(Args, Words, TokenError) || Words.Num() != 1)
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("culture: %s. Usage: culture [<Name>], e.g. culture de"), TokenError.IsEmpty() ? TEXT("one culture name expected") : *TokenError));
				return false;
			}
			if (!FEditorHost::SetCulture(Words[0]))
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Unknown culture: %s"), *Words[0]));
				return false;
			}
		}
		Ar.Log(FString::Printf(TEXT("Culture = %s"), *FInternationalization::Get().GetCurrentCulture()->GetName()));
		return true;
	}

	/** Named folders the files command accepts in place of a path. */
	FString ResolveFolder(const FString& Name)
	{
		struct FNamedFolder
		{
			const TCHAR* Name;
			FString (*Get)();
		};
		const FNamedFolder Folders[] = {
			{ TEXT("EngineDir"), &FPaths::EngineDir },
			{ TEXT("EngineUserDir"), &FPaths::EngineUserDir },
			{ TEXT("EngineUserLayoutDir"), &FPaths::EngineUserLayoutDir },
			{ TEXT("ProjectDir"), &FPaths::ProjectDir },
			{ TEXT("ProjectConfigDir"), &FPaths::ProjectConfigDir },
			{ TEXT("ProjectContentDir"), &FPaths::ProjectContentDir },
			{ TEXT("ProjectSavedDir"), &FPaths::ProjectSavedDir },
			{ TEXT("GeneratedConfigDir"), &FPaths::GeneratedConfigDir },
		};
		for (const FNamedFolder& Folder : Folders)
		{
			if (Name.Equals(Folder.Name, ESearchCase::IgnoreCase))
			{
				return Folder.Get();
			}
		}
		return FPaths::ConvertRelativePathToFull(FPaths::ProjectDir(), Name);
	}

	bool RunFiles(const FString& Args, FOutputDevice& Ar)
	{
		FString Name;
		FString Error;
		if (!FHostConsoleCommands::SingleArgument(Args, Name, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("files: %s. Usage: files <Folder> (a path, or EngineUserLayoutDir, ProjectConfigDir, ProjectSavedDir, EngineUserDir, ProjectDir ...)"), *Error));
			return false;
		}
		const FString Folder = ResolveFolder(Name);
		if (!FPaths::DirectoryExists(Folder))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No such folder: %s"), *Folder));
			return false;
		}
		TArray<FString> Files;
		IFileManager::Get().FindFilesRecursive(Files, *Folder, TEXT("*"), true, false);
		Files.Sort();
		Ar.Log(FString::Printf(TEXT("%d files under %s"), Files.Num(), *Folder));
		// Relative to the folder itself: without a trailing slash its last part would count as a file name.
		const FString RelativeTo = Folder.EndsWith(TEXT("/")) ? Folder : Folder + TEXT("/");
		for (FString& File : Files)
		{
			FPaths::MakePathRelativeTo(File, *RelativeTo);
			Ar.Log(FString::Printf(TEXT("  %s"), *File));
		}
		return true;
	}

	bool RunTick(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		int32 Frames = 1;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error) || Words.Num() > 1
			|| (Words.Num() == 1 && (!ParseInteger(Words[0], Frames) || Frames < 1 || Frames > 100000)))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("tick: %s; usage: tick [Frames] (1 to 100000)"), Error.IsEmpty() ? TEXT("not a frame count") : *Error));
			return false;
		}
		// The console runs one frame after every command, this one included.
		FEditorHost::RunFrames(Frames - 1);
		Ar.Log(FString::Printf(TEXT("Ticked %d frame%s"), Frames, Frames == 1 ? TEXT("") : TEXT("s")));
		return true;
	}

	bool RunQuit(const TCHAR* Command, const FString& Args, FOutputDevice& Ar)
	{
		// A stray word may be a mistyped command: the editor keeps running rather than quit on it.
		if (!ExpectNoArguments(Command, Args, Ar))
		{
			return false;
		}
		UE::EditorHost::Private::RequestQuit();
		return true;
	}

	FHostConsoleCommandRegistrant HelpCommand(TEXT("help"), TEXT("lists every command with a one-line description"), &RunHelp);
	FHostConsoleCommandRegistrant ModulesCommand(TEXT("modules"), TEXT("lists the loaded modules in load order with their loading phase"), &RunModules);
	FHostConsoleCommandRegistrant LogCommand(TEXT("log"), TEXT("log <Category> <Verbosity>: sets a log category's verbosity (log list shows them all)"), &RunLog);
	FHostConsoleCommandRegistrant TimecodeCommand(TEXT("timecode"), TEXT("timecode [<Numerator>/<Denominator>]: shows or sets the project's timecode rate"), &RunTimecode);
	FHostConsoleCommandRegistrant CultureCommand(TEXT("culture"), TEXT("culture [<Name>]: shows or switches the current culture"), &RunCulture);
	FHostConsoleCommandRegistrant FilesCommand(TEXT("files"), TEXT("files <Folder>: lists the files under a folder (path or a name such as EngineUserLayoutDir)"), &RunFiles);
	FHostConsoleCommandRegistrant TickCommand(TEXT("tick"), TEXT("tick [Frames]: advances the editor by that many frames (default 1)"), &RunTick);
	FHostConsoleCommandRegistrant QuitCommand(TEXT("quit"), TEXT("shuts the editor down"), [](const FString& Args, FOutputDevice& Ar) { return RunQuit(TEXT("quit"), Args, Ar); });
	FHostConsoleCommandRegistrant ExitCommand(TEXT("exit"), TEXT("shuts the editor down (same as quit)"), [](const FString& Args, FOutputDevice& Ar) { return RunQuit(TEXT("exit"), Args, Ar); });
}
