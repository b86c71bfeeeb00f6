#include "WorkspaceMenuStructureModule.h"

#define LOCTEXT_NAMESPACE "UnrealEditor"

namespace
{
	class FWorkspaceMenuStructure : public IWorkspaceMenuStructure
	{
	public:
		FWorkspaceMenuStructure()
			: MenuRoot(FWorkspaceItem::NewGroup(LOCTEXT("WorkspaceMenu_Root", "Menu Root")))
			, ToolsRoot(FWorkspaceItem::NewGroup(LOCTEXT("WorkspaceMenu_ToolsRoot", "Tools Root")))
			, LevelEditorCategory(MenuRoot->AddGroup(LOCTEXT("WorkspaceMenu_LevelEditorCategory", "Level Editor")))
			, ToolsCategory(ToolsRoot->AddGroup(LOCTEXT("WorkspaceMenu_ToolsCategory", "Tools")))
			, DeveloperToolsCategory(ToolsRoot->AddGroup(LOCTEXT("WorkspaceMenu_DeveloperToolsCategory", "Developer Tools")))
		{
			ResetLevelEditorCategory();
			DeveloperToolsLogCategory = DeveloperToolsCategory->AddGroup(LOCTEXT("WorkspaceMenu_DeveloperToolsLogCategory", "Log"));
			DeveloperToolsMiscCategory = DeveloperToolsCategory->AddGroup(LOCTEXT("WorkspaceMenu_DeveloperToolsMiscCategory", "Miscellaneous"));
			VirtualProductionCategory = ToolsCategory->AddGroup(LOCTEXT("WorkspaceMenu_VirtualProductionCategory", "Virtual Production"));
		}

		void ResetLevelEditorCategory()
		{
			LevelEditorCategory->ClearItems();
			LevelEditorViewportsCategory = LevelEditorCategory->AddGroup(LOCTEXT("WorkspaceMenu_LevelEditorViewportCategory", "Viewports"));
			LevelEditorDetailsCategory = LevelEditorCategory->AddGroup(LOCTEXT("WorkspaceMenu_LevelEditorDetailCategory", "Details"));
			LevelEditorCinematicsCategory = LevelEditorCategory->AddGroup(LOCTEXT("WorkspaceMenu_LevelEditorCinematicsCategory", "Cinematics"));
			LevelEditorModesCategory = LevelEditorCategory->AddGroup(LOCTEXT("WorkspaceMenu_LevelEditorModesCategory", "Editor Modes"));
		}

		virtual TSharedRef<FWorkspaceItem> GetStructureRoot() const override { return MenuRoot; }
		virtual TSharedRef<FWorkspaceItem> GetToolsStructureRoot() const override { return ToolsRoot; }
		virtual TSharedRef<FWorkspaceItem> GetLevelEditorCategory() const override { return LevelEditorCategory; }
		virtual TSharedRef<FWorkspaceItem> GetLevelEditorViewportsCategory() const override { return LevelEditorViewportsCategory.ToSharedRef(); }
		virtual TSharedRef<FWorkspaceItem> GetLevelEditorDetailsCategory() const override { return LevelEditorDetailsCategory.ToSharedRef(); }
		virtual TSharedRef<FWorkspaceItem> GetLevelEditorCinematicsCategory() const override { return LevelEditorCinematicsCategory.ToSharedRef(); }
		virtual TSharedRef<FWorkspaceItem> GetLevelEditorModesCategory() const override { return LevelEditorModesCategory.ToSharedRef(); }
		virtual TSharedRef<FWorkspaceItem> GetLevelEditorVirtualProductionCategory() const override { return VirtualProductionCategory.ToSharedRef(); }
		virtual TSharedRef<FWorkspaceItem> GetToolsCategory() const override { return ToolsCategory; }
		virtual TSharedRef<FWorkspaceItem> GetDeveloperToolsLogCategory() const override { return DeveloperToolsLogCategory.ToSharedRef(); }
		virtual TSharedRef<FWorkspaceItem> GetDeveloperToolsMiscCategory() const override { return DeveloperToolsMiscCategory.ToSharedRef(); }

	private:
		TSharedRef<FWorkspaceItem> MenuRoot;
		TSharedRef<FWorkspaceItem> ToolsRoot;
		TSharedRef<FWorkspaceItem> LevelEditorCategory;
		TSharedRef<FWorkspaceItem> ToolsCategory;
		TSharedRef<FWorkspaceItem> DeveloperToolsCategory;
		TSharedPtr<FWorkspaceItem> LevelEditorViewportsCategory;
		TSharedPtr<FWorkspaceItem> LevelEditorDetailsCategory;
		TSharedPtr<FWorkspaceItem> LevelEditorCinematicsCategory;
		TSharedPtr<FWorkspaceItem> LevelEditorModesCategory;
		TSharedPtr<FWorkspaceItem> VirtualProductionCategory;
		TSharedPtr<FWorkspaceItem> DeveloperToolsLogCategory;
		TSharedPtr<FWorkspaceItem> DeveloperToolsMiscCategory;
	};

	class FWorkspaceMenuStructureModule : public IWorkspaceMenuStructureModule
	{
	public:
		virtual void StartupModule() override
		{
			Structure = MakeUnique<FWorkspaceMenuStructure>();
		}

		virtual void ShutdownModule() override
		{
			Structure.Reset();
		}

		virtual const IWorkspaceMenuStructure& GetWorkspaceMenuStructure() const override
		{
			checkf(Structure.IsValid(), TEXT("WorkspaceMenuStructure: the module has not started"));
			return *Structure;
		}

		virtual void ResetLevelEditorCategory() override
		{
			checkf(Structure.IsValid(), TEXT("WorkspaceMenuStructure: the module has not started"));
			Structure->ResetLevelEditorCategory();
		}

	private:
		TUniquePtr<FWorkspaceMenuStructure> Structure;
	};
}

IMPLEMENT_MODULE(FWorkspaceMenuStructureModule, WorkspaceMenuStructure);

#undef LOCTEXT_NAMESPACE
