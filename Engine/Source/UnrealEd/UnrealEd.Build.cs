using UnrealBuildTool;

public class UnrealEd : ModuleRules
{
	public UnrealEd(ReadOnlyTargetRules Target) : base(Target)
	{
		PublicDependencyModuleNames.AddRange(new string[] { "Core", "CoreUObject", "Engine", "EditorSubsystem", "DeveloperSettings", "Slate", "SlateCore" });

		PrivateDependencyModuleNames.AddRange(new string[] { "AssetRegistry" });
	}
}
