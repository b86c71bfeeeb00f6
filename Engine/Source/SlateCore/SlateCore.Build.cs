// Stand-in module rules: styles, brushes, icons and the widget base classes.

using UnrealBuildTool;

public class SlateCore : ModuleRules
{
	public SlateCore(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "InputCore", "ApplicationCore" });
	}
}
