using UnrealBuildTool;

public class DeveloperSettings : ModuleRules
{
	public DeveloperSettings(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject" });

	}
}
