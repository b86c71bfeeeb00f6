using UnrealBuildTool;

public class LiveLink : ModuleRules
{
	public LiveLink(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "LiveLinkInterface" });
	}
}
