// The host of the headless editor: boot and shut-down in the engine's order, the console, log capture.
// It depends on every engine module of the stand-in so that one library pulls the whole editor in.

using UnrealBuildTool;

public class EditorHost : ModuleRules
{
	public EditorHost(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Projects" });
		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"Engine",
			"UnrealEd",
			"EditorSubsystem",
			"DeveloperSettings",
			"Slate",
			"SlateCore",
			"InputCore",
			"ApplicationCore",
			"ToolMenus",
			"LevelEditor",
			"AssetRegistry",
			"AssetTools",
			"LiveLink",
			"LiveLinkInterface",
			"LiveLinkComponents",
			"LevelSequence",
			"MovieScene",
			"MovieSceneTracks",
			"UMG",
			"UMGEditor",
			"Blutility",
			"DesktopPlatform",
			"PlacementMode",
			"WorkspaceMenuStructure",
			"Compositor",
		});
	}
}
