#include "Misc/CoreHost.h"

#include "Misc/CoreHostState.h"
#include "Misc/Paths.h"
#include "Misc/Utf8Conversion.h"

#include <filesystem>

namespace UE::Core::Private
{
	FCoreHostState& GetCoreHostState()
	{
		static FCoreHostState State;
		return State;
	}
}

using namespace UE::Core::Private;

namespace
{
	std::u16string FullDirectory(const FString& InDir)
	{
		if (InDir.Len() == 0)
		{
			return std::u16string();
		}
		std::u16string Dir = ToStd(FPaths::ConvertRelativePathToFull(InDir));
		if (Dir.back() != u'/')
		{
			Dir.push_back(u'/');
		}
		return Dir;
	}
}

void FCoreHost::SetEngineDir(const FString& InEngineDir)
{
	GetCoreHostState().EngineDir = FullDirectory(InEngineDir);
}

void FCoreHost::SetProjectFilePath(const FString& InProjectFile)
{
	FCoreHostState& State = GetCoreHostState();
	if (InProjectFile.Len() == 0)
	{
		State.ProjectFilePath.clear();
		State.ProjectDir.clear();
		return;
	}
	const FString Full = FPaths::ConvertRelativePathToFull(InProjectFile);
	State.ProjectFilePath = ToStd(Full);
	State.ProjectDir = FullDirectory(FPaths::GetPath(Full));
}

void FCoreHost::SetEngineUserDir(const FString& InUserDir)
{
	GetCoreHostState().EngineUserDir = FullDirectory(InUserDir);
}

void FCoreHost::SetBinariesDir(const FString& InBinariesDir)
{
	GetCoreHostState().BinariesDir = FullDirectory(InBinariesDir);
}

void FCoreHost::SetRunningGame(bool bInRunningGame)
{
	GetCoreHostState().bRunningGame = bInRunningGame;
}

void FCoreHost::SetRunningCommandlet(bool bInRunningCommandlet)
{
	GetCoreHostState().bRunningCommandlet = bInRunningCommandlet;
}

void FCoreHost::Reset()
{
	GetCoreHostState() = FCoreHostState();
}
