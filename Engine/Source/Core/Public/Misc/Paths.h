// Path queries and string manipulation of file paths, after the engine's FPaths.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

class CORE_API FPaths
{
public:
	/** Whether the engine was launched against a project file. */
	static bool IsProjectFilePathSet();
	static const FString& GetProjectFilePath();

	static FString LaunchDir();
	static FString RootDir();
	static FString EngineDir();
	static FString EngineConfigDir();
	static FString EngineContentDir();
	static FString EnginePluginsDir();
	static FString EngineSavedDir();
	static FString EngineIntermediateDir();
	static FString EngineUserDir();
	static FString EngineDefaultLayoutDir();
	static FString EngineUserLayoutDir();
	static FString ProjectDir();
	static FString ProjectUserDir();
	static FString ProjectConfigDir();
	static FString ProjectContentDir();
	static FString ProjectPluginsDir();
	static FString ProjectSavedDir();
	static FString ProjectIntermediateDir();
	static FString ProjectLogDir();
	static FString GeneratedConfigDir();

	/** Joins path parts with exactly one '/' between non-empty parts. */
	template<typename... PathTypes>
	static FString Combine(PathTypes&&... InPaths)
	{
		const FString Parts[] = { FString(InPaths)... };
		FString Out;
		for (const FString& Part : Parts)
		{
			CombineInternal(Out, Part);
		}
		return Out;
	}

	static void Split(const FString& InPath, FString& PathPart, FString& FilenamePart, FString& ExtensionPart);
	static FString GetCleanFilename(const FString& InPath);
	static FString GetBaseFilename(const FString& InPath, bool bRemovePath = true);
	static FString GetPath(const FString& InPath);
	static FString GetPathLeaf(const FString& InPath);
	static FString GetExtension(const FString& InPath, bool bIncludeDot = false);
	static FString ChangeExtension(const FString& InPath, const FString& InNewExtension);
	static FString SetExtension(const FString& InPath, const FString& InNewExtension);

	/** Backslashes become forward slashes. */
	static void NormalizeFilename(FString& InPath);
	/** As NormalizeFilename, and a trailing slash is removed unless the path is a root. */
	static void NormalizeDirectoryName(FString& InPath);
	/** Resolves "." and ".." parts; false when ".." climbs above the start of the path. */
	static bool CollapseRelativeDirectories(FString& InPath);
	static void RemoveDuplicateSlashes(FString& InPath);

	static FString ConvertRelativePathToFull(const FString& InPath);
	static FString ConvertRelativePathToFull(const FString& BasePath, const FString& InPath);
	/** Rewrites InPath relative to the folder of InRelativeTo (a trailing slash marks a folder). */
	static bool MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo);
	static void MakeStandardFilename(FString& InPath);

	static bool IsRelative(const FString& InPath);
	static bool IsSamePath(const FString& PathA, const FString& PathB);
	static bool IsUnderDirectory(const FString& InPath, const FString& InDirectory);
	static bool FileExists(const FString& InPath);
	static bool DirectoryExists(const FString& InPath);

private:
	static void CombineInternal(FString& InOutPath, const FString& InPart);
};
