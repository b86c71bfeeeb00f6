// Stand-in module rules: the Place Actors panel's categories and placeable items.

using UnrealBuildTool;

public class PlacementMode : ModuleRules
{
	public PlacementMode(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "Slate", "SlateCore", "AssetRegistry" });
	}
}
