// The headless editor's console commands. Command files in EditorHost/Private/Commands register
// with FHostConsoleCommandRegistrant at static initialisation.
#pragma once

#include "CoreMinimal.h"
#include "Templates/Function.h"

class FOutputDevice;
class UClass;

/** Runs a command with the text after its name (trimmed); false when the input was malformed or it failed. */
typedef TFunction<bool(const FString& Args, FOutputDevice& Ar)> FHostConsoleCommandHandler;

struct FHostConsoleCommandInfo
{
	FString Name;
	FString Help;
};

struct EDITORHOST_API FHostConsoleCommands
{
	/** Adds a command; Help is its one-line description for `help`. A second command of one name replaces the first. */
	static void Register(const TCHAR* Name, const TCHAR* Help, FHostConsoleCommandHandler Handler);
	static void Unregister(const TCHAR* Name);

	/** Commands sorted by name. */
	static TArray<FHostConsoleCommandInfo> GetCommands();

	/** Runs the line if its first word names a command (case-insensitive); bOutFound tells whether one did. */
	static bool Execute(const FString& Line, FOutputDevice& Ar, bool& bOutFound);

	/**
	 * Splits a command's arguments the one way every host command does: white space separates words,
	 * double quotes group words (the quotes are dropped; "" is an empty word) and a backslash takes the
	 * next character as it is. False, with the reason in OutError, on an open quote, a trailing backslash
	 * or a word of NAME_SIZE characters or more (words become names, and the engine takes no longer name).
	 */
	static bool Tokenize(const FString& Args, TArray<FString>& OutWords, FString& OutError);

	/** For a command that takes no arguments: false with the reason when Args holds any (or does not tokenize). */
	static bool NoArguments(const FString& Args, FString& OutError);

	/** The one word a command takes, split as Tokenize does (quote a name with spaces); false with the reason otherwise. */
	static bool SingleArgument(const FString& Args, FString& OutWord, FString& OutError);

	/** A class by path ("/Script/Module.Class") or by name, with or without its type prefix; null unless a BaseClass. */
	static UClass* FindClass(const FString& Text, UClass* BaseClass);
};

struct FHostConsoleCommandRegistrant
{
	FHostConsoleCommandRegistrant(const TCHAR* InName, const TCHAR* Help, FHostConsoleCommandHandler Handler)
		: Name(InName)
	{
		FHostConsoleCommands::Register(InName, Help, MoveTemp(Handler));
	}

	~FHostConsoleCommandRegistrant()
	{
		FHostConsoleCommands::Unregister(*Name);
	}

	FString Name;
};
