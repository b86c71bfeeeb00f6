// Stand-in module rules: commands, command lists, multi-box menus and docking tabs.

using UnrealBuildTool;

public class Slate : ModuleRules
{
	public Slate(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "InputCore", "SlateCore", "ApplicationCore" });
	}
}
