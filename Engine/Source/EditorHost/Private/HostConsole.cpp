#include "HostConsole.h"

#include "Misc/OutputDevice.h"
#include "UObject/Class.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	TMap<FString, FHostConsoleCommandInfo>& CommandInfos()
	{
		static TMap<FString, FHostConsoleCommandInfo> Infos;
		return Infos;
	}

	TMap<FString, FHostConsoleCommandHandler>& CommandHandlers()
	{
		static TMap<FString, FHostConsoleCommandHandler> Handlers;
		return Handlers;
	}
}

void FHostConsoleCommands::Register(const TCHAR* Name, const TCHAR* Help, FHostConsoleCommandHandler Handler)
{
	const FString Key = FString(Name).ToLower();
	CommandInfos().Add(Key, FHostConsoleCommandInfo{ FString(Name), FString(Help) });
	CommandHandlers().Add(Key, MoveTemp(Handler));
}

void FHostConsoleCommands::Unregister(const TCHAR* Name)
{
	const FString Key = FString(Name).ToLower();
	CommandInfos().Remove(Key);
	CommandHandlers().Remove(Key);
}

TArray<FHostConsoleCommandInfo> FHostConsoleCommands::GetCommands()
{
	TArray<FHostConsoleCommandInfo> Out;
	for (const auto& Pair : CommandInfos())
	{
		Out.Add(Pair.Value);
	}
	Out.Sort([](const FHostConsoleCommandInfo& A, const FHostConsoleCommandInfo& B) { return A.Name.ToLower() < B.Name.ToLower(); });
	return Out;
}

bool FHostConsoleCommands::Execute(const FString& Line, FOutputDevice& Ar, bool& bOutFound)
{
	const FString Trimmed = Line.TrimStartAndEnd();
	int32 Space = INDEX_NONE;
	for (int32 Index = 0; Index < Trimmed.Len(); ++Index)
	{
		if (Trimmed[Index] == TEXT(' ') || Trimmed[Index] == TEXT('\t'))
		{
			Space = Index;
			break;
		}
	}
	const FString Name = Space == INDEX_NONE ? Trimmed : Trimmed.Left(Space);
	const FString Args = Space == INDEX_NONE ? FString() : Trimmed.Mid(Space + 1).TrimStartAndEnd();
	// Copied out: a handler may register or unregister commands while it runs.
	const FHostConsoleCommandHandler* Found = CommandHandlers().Find(Name.ToLower());
	bOutFound = Found != nullptr;
	if (!Found)
	{
		return false;
	}
	const FHostConsoleCommandHandler Handler = *Found;
	return Handler(Args, Ar);
}

bool FHostConsoleCommands::Tokenize(const FString& Args, TArray<FString>& OutWords, FString& OutError)
{
	OutWords.Reset();
	FString Current;
	bool bInQuotes = false;
	bool bHasWord = false;
	for (int32 Index = 0; Index < Args.Len(); ++Index)
	{
		const TCHAR Char = Args[Index];
		if (Char == TEXT('\\'))
		{
			if (Index + 1 >= Args.Len())
			{
				OutError = TEXT("a backslash ends the line (nothing to escape)");
				return false;
			}
			Current.AppendChar(Args[++Index]);
			bHasWord = true;
		}
		else if (Char == TEXT('"'))
		{
			bInQuotes = !bInQuotes;
			bHasWord = true;
		}
		else if (!bInQuotes && (Char == TEXT(' ') || Char == TEXT('\t')))
		{
			if (bHasWord)
			{
				OutWords.Add(MoveTemp(Current));
				Current.Reset();
				bHasWord = false;
			}
		}
		else
		{
			Current.AppendChar(Char);
			bHasWord = true;
		}
	}
	if (bInQuotes)
	{
		OutError = TEXT("a quote is left open");
		return false;
	}
	if (bHasWord)
	{
		OutWords.Add(MoveTemp(Current));
	}
	for (const FString& Word : OutWords)
	{
		if (Word.Len() >= NAME_SIZE)
		{
			OutError = FString::Printf(TEXT("a word is %d characters long; the console takes words of up to %d (the engine's longest name)"), Word.Len(), NAME_SIZE - 1);
			OutWords.Reset();
			return false;
		}
	}
	return true;
}

bool FHostConsoleCommands::NoArguments(const FString& Args, FString& OutError)
{
	TArray<FString> Words;
	if (!Tokenize(Args, Words, OutError))
	{
		return false;
	}
	if (!Words.IsEmpty())
	{
		OutError = FString::Printf(TEXT("it takes no arguments (got %d)"), Words.Num());
		return false;
	}
	return true;
}

bool FHostConsoleCommands::SingleArgument(const FString& Args, FString& OutWord, FString& OutError)
{
	TArray<FString> Words;
	if (!Tokenize(Args, Words, OutError))
	{
		return false;
	}
	if (Words.Num() != 1)
	{
		OutError = Words.IsEmpty() ? TEXT("an argument is missing") : TEXT("one argument expected (quote a name with spaces)");
		return false;
	}
	OutWord = Words[0];
	return true;
}

UClass* FHostConsoleCommands::FindClass(const FString& Text, UClass* BaseClass)
{
	if (Text.IsEmpty())
	{
		return nullptr;
	}
	// A path may name a Blueprint class whose package is not loaded yet.
	UClass* Class = Text.StartsWith(TEXT("/")) ? LoadObject<UClass>(nullptr, *Text) : FindFirstObject<UClass>(*Text, EFindFirstObjectOptions::NativeFirst);
	if (Class == nullptr && !Text.StartsWith(TEXT("/")) && Text.Len() > 1 && FChar::IsUpper(Text[0]))
	{
		Class = FindFirstObject<UClass>(*Text.Mid(1), EFindFirstObjectOptions::NativeFirst);
	}
	return (Class != nullptr && (BaseClass == nullptr || Class->IsChildOf(BaseClass))) ? Class : nullptr;
}
