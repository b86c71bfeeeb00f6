// Stand-in module rules: the dependencies the stand-in's Core needs on Linux.

using UnrealBuildTool;

public class Core : ModuleRules
{
	public Core(ReadOnlyTargetRules Target) : base(Target)
	{
	}
}
