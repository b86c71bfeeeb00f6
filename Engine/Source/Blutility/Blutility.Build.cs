// Stand-in module rules: editor utility widgets, their Blueprints, tabs and subsystem.

using UnrealBuildTool;

public class Blutility : ModuleRules
{
	public Blutility(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "EditorSubsystem", "UnrealEd", "SlateCore", "Slate", "UMG", "UMGEditor" });

		PrivateDependencyModuleNames.AddRange(new string[] { "LevelEditor" });
	}
}
