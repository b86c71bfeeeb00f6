// How a project or plugin describes one of its modules (the "Modules" entries of its descriptor).
#pragma once

#include "CoreMinimal.h"

namespace EHostType
{
	enum Type
	{
		Runtime,
		RuntimeNoCommandlet,
		RuntimeAndProgram,
		CookedOnly,
		UncookedOnly,
		Developer,
		DeveloperTool,
		Editor,
		EditorNoCommandlet,
		EditorAndProgram,
		Program,
		ServerOnly,
		ClientOnly,
		ClientOnlyNoCommandlet,
		Max
	};

	PROJECTS_API EHostType::Type FromString(const TCHAR* Text);
	PROJECTS_API const TCHAR* ToString(const EHostType::Type Value);
}

namespace ELoadingPhase
{
	enum Type
	{
		EarliestPossible,
		PostConfigInit,
		PostSplashScreen,
		PreEarlyLoadingScreen,
		PreLoadingScreen,
		PreDefault,
		Default,
		PostDefault,
		PostEngineInit,
		None,
		Max
	};

	PROJECTS_API ELoadingPhase::Type FromString(const TCHAR* Text);
	PROJECTS_API const TCHAR* ToString(const ELoadingPhase::Type Value);
}

struct PROJECTS_API FModuleDescriptor
{
	FName Name;
	EHostType::Type Type = EHostType::Runtime;
	ELoadingPhase::Type LoadingPhase = ELoadingPhase::Default;
	TArray<FString> PlatformAllowList;
	TArray<FString> PlatformDenyList;
	TArray<FString> AdditionalDependencies;

	FModuleDescriptor(const FName InName = NAME_None, EHostType::Type InType = EHostType::Runtime, ELoadingPhase::Type InLoadingPhase = ELoadingPhase::Default)
		: Name(InName)
		, Type(InType)
		, LoadingPhase(InLoadingPhase)
	{
	}

	/** Whether the module is built for this (Linux editor) target. */
	bool IsCompiledInCurrentConfiguration() const;

	/** Whether the module loads in this process: its host type fits an editor build run as editor, game or commandlet. */
	bool IsLoadedInCurrentConfiguration() const;
};
