using UnrealBuildTool;

public class Json : ModuleRules
{
	public Json(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core" });
	}
}
