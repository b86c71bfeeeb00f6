#include "IBlutilityModule.h"

#include "BlutilityPrivate.h"
#include "Editor.h"
#include "EditorUtilitySubsystem.h"
#include "EditorUtilityWidget.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "Modules/ModuleManager.h"

#define LOCTEXT_NAMESPACE "Blutility"

DEFINE_LOG_CATEGORY(LogEditorUtilityBlueprint);

namespace
{
	UEditorUtilitySubsystem* GetEditorUtilitySubsystem()
	{
		return GEditor != nullptr ? GEditor->GetEditorSubsystem<UEditorUtilitySubsystem>() : nullptr;
	}
}

class FBlutilityModule : public IBlutilityModule
{
public:
	virtual void StartupModule() override
	{
		// The stand-in has no workspace menu structure to hang the group under, so the group stands alone.
		MenuGroup = FWorkspaceItem::NewGroup(LOCTEXT("WorkspaceMenu_EditorUtilityWidgetsGroup", "Editor Utility Widgets"));
	}

	virtual void ShutdownModule() override
	{
		MenuGroup.Reset();
	}

	virtual bool IsEditorUtilityBlueprint(const UBlueprint* Blueprint) const override
	{
		if (Blueprint == nullptr)
		{
			return false;
		}
		if (Blueprint->IsA<UEditorUtilityWidgetBlueprint>())
		{
			return true;
		}
		const UClass* Parent = Blueprint->ParentClass;
		return Parent != nullptr && Parent->IsChildOf(UEditorUtilityWidget::StaticClass());
	}

	virtual TSharedPtr<FWorkspaceItem> GetMenuGroup() const override
	{
		return MenuGroup;
	}

	virtual void AddLoadedScriptUI(UEditorUtilityWidgetBlueprint* InBlueprint) override
	{
		UEditorUtilitySubsystem* Subsystem = GetEditorUtilitySubsystem();
		if (InBlueprint != nullptr && Subsystem != nullptr)
		{
			Subsystem->LoadedUIs.AddUnique(FSoftObjectPath(InBlueprint));
		}
	}

	virtual void RemoveLoadedScriptUI(UEditorUtilityWidgetBlueprint* InBlueprint) override
	{
		UEditorUtilitySubsystem* Subsystem = GetEditorUtilitySubsystem();
		if (InBlueprint != nullptr && Subsystem != nullptr)
		{
			Subsystem->LoadedUIs.Remove(FSoftObjectPath(InBlueprint));
		}
	}

private:
	TSharedPtr<FWorkspaceItem> MenuGroup;
};

IMPLEMENT_MODULE(FBlutilityModule, Blutility);

#undef LOCTEXT_NAMESPACE
