using UnrealBuildTool;

public class LiveLinkComponents : ModuleRules
{
	public LiveLinkComponents(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "LiveLinkInterface" });
	}
}
