// Engine-wide globals of Core: run mode flags, the config cache and the names of the config files.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Misc/OutputDeviceRedirector.h"

class FConfigCacheIni;

/** The config cache; set once the host has loaded the config files. */
extern CORE_API FConfigCacheIni* GConfig;

/** Whether the editor runs (false for -game). Stays true during Play-In-Editor. */
extern CORE_API bool GIsEditor;

/** Whether GWorld currently is a Play-In-Editor world. */
extern CORE_API bool GIsPlayInEditorWorld;

/** Whether the engine's main loop has started and not yet been asked to stop. */
extern CORE_API bool GIsRunning;

/** Config files of the current branch, as the engine names them ("Engine", "Game" ...). */
extern CORE_API FString GEngineIni;
extern CORE_API FString GEditorIni;
extern CORE_API FString GEditorKeyBindingsIni;
extern CORE_API FString GEditorLayoutIni;
extern CORE_API FString GEditorSettingsIni;
extern CORE_API FString GEditorPerProjectIni;
extern CORE_API FString GCompatIni;
extern CORE_API FString GLightmassIni;
extern CORE_API FString GScalabilityIni;
extern CORE_API FString GHardwareIni;
extern CORE_API FString GInputIni;
extern CORE_API FString GGameIni;
extern CORE_API FString GGameUserSettingsIni;
extern CORE_API FString GRuntimeOptionsIni;
extern CORE_API FString GInstallBundleIni;
extern CORE_API FString GDeviceProfilesIni;
extern CORE_API FString GGameplayTagsIni;

/** Whether the process runs a commandlet (-run=NAME). */
CORE_API bool IsRunningCommandlet();

/** Whether the engine has been asked to exit. */
CORE_API bool IsEngineExitRequested();

/** Asks the engine to exit at the end of the current frame. */
CORE_API void RequestEngineExit(const TCHAR* ReasonString);

/** The stand-in has a single game thread: the thread that loaded Core. */
CORE_API bool IsInGameThread();
