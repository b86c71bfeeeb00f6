// Host control of the project and plugin managers: used by the headless editor and tests only.
#pragma once

#include "CoreMinimal.h"
#include "ModuleDescriptor.h"

struct PROJECTS_API FProjectsHost
{
	/** Forgets the current project, the discovered plugins and the completed loading phase. */
	static void Reset();

	/**
	 * The descriptor entry of a plugin or project module: which plugin (empty for a project
	 * module) and its loading phase. False when no enabled plugin or the project declares it.
	 */
	static bool FindModuleDescriptor(const FName ModuleName, FString& OutPluginName, ELoadingPhase::Type& OutLoadingPhase);
};
