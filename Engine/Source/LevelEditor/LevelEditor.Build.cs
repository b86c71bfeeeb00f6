// Stand-in module rules: the level editor's tab area, viewports, menus and events.

using UnrealBuildTool;

public class LevelEditor : ModuleRules
{
	public LevelEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "Slate", "SlateCore", "UnrealEd" });

		PrivateDependencyModuleNames.AddRange(new string[] { "ToolMenus" });
	}
}
