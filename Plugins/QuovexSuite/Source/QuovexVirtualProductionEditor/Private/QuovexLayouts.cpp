// Copyright Quovex. All Rights Reserved.

// The plugin's editor layouts, copied into the engine's user layout directory where the editor lists them.

#include "QuovexVirtualProductionEditorModule.h"

#include "GenericPlatform/GenericPlatformFile.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/Paths.h"

void FQuovexVirtualProductionEditorModule::ResetLayoutsDirectory()
{
	// The plugin may be installed in the engine or in the project; the project's copy wins.
	const FString PluginLayoutsPath(TEXT("QuovexSuite/Content/Layouts"));
	const FString EngineCandidate = FPaths::EnginePluginsDir() + PluginLayoutsPath;
	const FString ProjectCandidate = FPaths::ProjectPluginsDir() + PluginLayoutsPath;

	FString SourceDirectory;
	if (FPaths::DirectoryExists(ProjectCandidate))
	{
		SourceDirectory = ProjectCandidate;
	}
	else if (FPaths::DirectoryExists(EngineCandidate))
	{
		SourceDirectory = EngineCandidate;
	}
	else
	{
		UE_LOG(LogQuovexVirtualProductionEditor, Error, TEXT("Could not find the plugins Layouts directory"));
		return;
	}

	FPlatformFileManager::Get().GetPlatformFile().CopyDirectoryTree(*FPaths::EngineUserLayoutDir(), *SourceDirectory, true);
}
