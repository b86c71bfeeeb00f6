#include "HostConsole.h"

#include "Misc/OutputDevice.h"

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
