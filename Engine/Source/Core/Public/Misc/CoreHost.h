// Host control of Core's process state: the folders and run mode the engine's launcher would
// decide. Used by the headless editor and tests only; engine and plugin code never call it.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

struct CORE_API FCoreHost
{
	/** Engine root (the folder holding Config/, Content/, Plugins/). Stored with a trailing slash. */
	static void SetEngineDir(const FString& InEngineDir);

	/** The .uproject path; the project folder is its directory. An empty path clears the project. */
	static void SetProjectFilePath(const FString& InProjectFile);

	/** The per-user engine folder (layouts, user settings); tests point it at a temporary folder. */
	static void SetEngineUserDir(const FString& InUserDir);

	/** Folder of the executable and module libraries. */
	static void SetBinariesDir(const FString& InBinariesDir);

	/** The process was launched with -game. */
	static void SetRunningGame(bool bInRunningGame);

	/** The process runs a commandlet (-run=NAME). */
	static void SetRunningCommandlet(bool bInRunningCommandlet);

	/** Back to the state of a fresh process: no project, no overrides, editor mode. */
	static void Reset();
};
