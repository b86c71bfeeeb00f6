// Copyright Quovex. All Rights Reserved.

using UnrealBuildTool;

public class QuovexVirtualProductionEditor : ModuleRules
{
	public QuovexVirtualProductionEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = ModuleRules.PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[]
		{
			"Core",
			"CoreUObject",
			"Engine",
			"UnrealEd",
			"Slate",
			"SlateCore",
			"UMG",
			"Blutility",
			"EditorSubsystem",
			"LiveLinkInterface",
			"QuovexVirtualProduction",
			"QuovexTracking",
		});

		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"InputCore",
			"ApplicationCore",
			"EditorFramework",
			"EditorScriptingUtilities",
			"LevelEditor",
			"ToolMenus",
			"AssetRegistry",
			"AssetTools",
			"UMGEditor",
			"DesktopPlatform",
			"PlacementMode",
			"WorkspaceMenuStructure",
			"LevelSequence",
			"MovieScene",
			"MovieSceneTracks",
			"LiveLink",
			"LiveLinkComponents",
			"Compositor",
			"Json",
		});
	}
}
