// Stand-in module rules: the editor's workspace menu groups that tab spawners are listed under.

using UnrealBuildTool;

public class WorkspaceMenuStructure : ModuleRules
{
	public WorkspaceMenuStructure(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "Slate", "SlateCore" });
	}
}
