// Copyright Quovex. All Rights Reserved.

using UnrealBuildTool;

public class QuovexTracking : ModuleRules
{
	public QuovexTracking(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = ModuleRules.PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[]
		{
			"Core",
			"CoreUObject",
			"Engine",
			"LiveLinkInterface",
			"LiveLinkComponents",
			"LiveLink",
		});
	}
}
