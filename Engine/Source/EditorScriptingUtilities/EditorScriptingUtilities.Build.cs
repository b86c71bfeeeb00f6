// The EditorScriptingUtilities plugin's module (the engine ships it as an editor plugin).

using UnrealBuildTool;

public class EditorScriptingUtilities : ModuleRules
{
	public EditorScriptingUtilities(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine" });
		PrivateDependencyModuleNames.AddRange(new string[] { "UnrealEd" });
	}
}
