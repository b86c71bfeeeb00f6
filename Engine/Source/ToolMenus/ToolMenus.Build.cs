// Stand-in module rules: registered menus and their extensions, generated into multi-box menus.

using UnrealBuildTool;

public class ToolMenus : ModuleRules
{
	public ToolMenus(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Slate", "SlateCore", "InputCore", "ApplicationCore" });
	}
}
