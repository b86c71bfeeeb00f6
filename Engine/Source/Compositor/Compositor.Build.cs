// Stand-in module rules: the composite keyer asset class and the compositor world subsystem.
using UnrealBuildTool;

public class Compositor : ModuleRules
{
	public Compositor(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });
	}
}
