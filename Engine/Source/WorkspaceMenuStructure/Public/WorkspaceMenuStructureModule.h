// The module that owns the workspace menu structure, and the shortcuts to reach it.

#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "WorkspaceMenuStructure.h"

class IWorkspaceMenuStructureModule : public IModuleInterface
{
public:
	virtual const IWorkspaceMenuStructure& GetWorkspaceMenuStructure() const = 0;

	/** Empties the level editor's groups (the level editor rebuilds its tab spawners after this). */
	virtual void ResetLevelEditorCategory() = 0;
};

namespace WorkspaceMenu
{
	static FORCEINLINE IWorkspaceMenuStructureModule& GetModule()
	{
		static const FName ModuleName(TEXT("WorkspaceMenuStructure"));
		return FModuleManager::LoadModuleChecked<IWorkspaceMenuStructureModule>(ModuleName);
	}

	static FORCEINLINE const IWorkspaceMenuStructure& GetMenuStructure()
	{
		return GetModule().GetWorkspaceMenuStructure();
	}
}
