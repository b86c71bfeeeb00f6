// Process state the host decides (folders, run mode), shared by FPaths, FApp and the globals.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

#include <string>

namespace UE::Core::Private
{
	struct FCoreHostState
	{
		std::u16string EngineDir;
		std::u16string ProjectFilePath;
		std::u16string ProjectDir;
		std::u16string EngineUserDir;
		std::u16string BinariesDir;
		std::u16string LaunchDir;
		bool bRunningGame = false;
		bool bRunningCommandlet = false;
	};

	FCoreHostState& GetCoreHostState();

	inline std::u16string ToStd(const FString& In)
	{
		return std::u16string(*In, size_t(In.Len()));
	}

	inline FString FromStd(const std::u16string& In)
	{
		return FString(In.c_str());
	}
}
