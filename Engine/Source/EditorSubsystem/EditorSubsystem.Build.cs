using UnrealBuildTool;

public class EditorSubsystem : ModuleRules
{
	public EditorSubsystem(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });

	}
}
