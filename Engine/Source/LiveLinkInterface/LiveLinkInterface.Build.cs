using UnrealBuildTool;

public class LiveLinkInterface : ModuleRules
{
	public LiveLinkInterface(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject" });
	}
}
