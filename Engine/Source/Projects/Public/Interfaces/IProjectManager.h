// The project the engine runs, after the engine's IProjectManager.
#pragma once

#include "CoreMinimal.h"
#include "ModuleDescriptor.h"
#include "ProjectDescriptor.h"

class IProjectManager
{
public:
	virtual ~IProjectManager() = default;

	static PROJECTS_API IProjectManager& Get();

	/** The loaded project; null before LoadProjectFile succeeds. */
	virtual const FProjectDescriptor* GetCurrentProject() const = 0;

	/** Reads the project file and makes it current; false (reason logged) when it cannot be read. */
	virtual bool LoadProjectFile(const FString& ProjectFile) = 0;

	/** Loads the project's own modules of a loading phase. */
	virtual bool LoadModulesForProject(const ELoadingPhase::Type LoadingPhase) = 0;
};
