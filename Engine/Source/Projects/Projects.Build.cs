// Project and plugin descriptors and the plugin manager.

using UnrealBuildTool;

public class Projects : ModuleRules
{
	public Projects(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core" });
	}
}
