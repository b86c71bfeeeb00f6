#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

class FWorkspaceItem;
class UBlueprint;
class UEditorUtilityWidgetBlueprint;

/** The Blutility module ("Blutility"): the editor's home for editor utility Blueprints. */
class IBlutilityModule : public IModuleInterface
{
public:
	/** Whether the Blueprint is an editor utility Blueprint. */
	virtual bool IsEditorUtilityBlueprint(const UBlueprint* Blueprint) const = 0;

	/** The workspace menu group that editor utility widget tabs are listed under. */
	virtual TSharedPtr<FWorkspaceItem> GetMenuGroup() const = 0;

	/** Records a registered editor utility widget Blueprint among the loaded script UIs. */
	virtual void AddLoadedScriptUI(UEditorUtilityWidgetBlueprint* InBlueprint) = 0;

	/** Forgets a loaded script UI. */
	virtual void RemoveLoadedScriptUI(UEditorUtilityWidgetBlueprint* InBlueprint) = 0;
};
