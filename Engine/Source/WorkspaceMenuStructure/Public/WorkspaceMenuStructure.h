// The groups the editor's Window menu lists tab spawners under.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/WorkspaceItem.h"

class IWorkspaceMenuStructure
{
public:
	virtual ~IWorkspaceMenuStructure()
	{
	}

	/** The root every group hangs under. */
	virtual TSharedRef<FWorkspaceItem> GetStructureRoot() const = 0;

	/** The root of the Tools menu's groups. */
	virtual TSharedRef<FWorkspaceItem> GetToolsStructureRoot() const = 0;

	virtual TSharedRef<FWorkspaceItem> GetLevelEditorCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetLevelEditorViewportsCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetLevelEditorDetailsCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetLevelEditorCinematicsCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetLevelEditorModesCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetLevelEditorVirtualProductionCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetToolsCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetDeveloperToolsLogCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetDeveloperToolsMiscCategory() const = 0;
};
