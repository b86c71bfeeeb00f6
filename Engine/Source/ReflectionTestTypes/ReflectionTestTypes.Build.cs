// Reflected types used only by the stand-in's contract tests of CoreUObject and the header tool.

using UnrealBuildTool;

public class ReflectionTestTypes : ModuleRules
{
	public ReflectionTestTypes(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject" });
	}
}
