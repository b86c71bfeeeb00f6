// Stand-in module rules: editor utility widgets, their Blueprints, tabs and subsystem.

using UnrealBuildTool;

public class Blutility : ModuleRules
{
	public Blutility(ReadOnlyTargetRules Target) : base(Target)
	{
		// As the engine's: only the subsystem base is public, so a module that includes the widget headers
		// names UMG, UMGEditor, UnrealEd and Slate itself.
		PublicDependencyModuleNames.AddRange(new string[] { "EditorSubsystem" });

		PrivateDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "UnrealEd", "SlateCore", "Slate", "UMG", "UMGEditor", "LevelEditor" });
	}
}
