#include "CoreGlobals.h"

#include "Misc/CoreHostState.h"
#include "Misc/CoreMisc.h"

#include <thread>

FConfigCacheIni* GConfig = nullptr;
bool GIsEditor = WITH_EDITOR != 0;
bool GIsPlayInEditorWorld = false;
bool GIsRunning = false;

FString GEngineIni;
FString GEditorIni;
FString GEditorKeyBindingsIni;
FString GEditorLayoutIni;
FString GEditorSettingsIni;
FString GEditorPerProjectIni;
FString GCompatIni;
FString GLightmassIni;
FString GScalabilityIni;
FString GHardwareIni;
FString GInputIni;
FString GGameIni;
FString GGameUserSettingsIni;
FString GRuntimeOptionsIni;
FString GInstallBundleIni;
FString GDeviceProfilesIni;
FString GGameplayTagsIni;

namespace
{
	bool GEngineExitRequested = false;
	// Core is loaded by the main thread before anything else can run.
	const std::thread::id GGameThreadId = std::this_thread::get_id();
}

bool IsRunningCommandlet()
{
	return UE::Core::Private::GetCoreHostState().bRunningCommandlet;
}

bool IsEngineExitRequested()
{
	return GEngineExitRequested;
}

void RequestEngineExit(const TCHAR* ReasonString)
{
	GEngineExitRequested = true;
}

bool IsInGameThread()
{
	return std::this_thread::get_id() == GGameThreadId;
}

bool IsRunningGame()
{
	return UE::Core::Private::GetCoreHostState().bRunningGame;
}

bool IsRunningDedicatedServer()
{
	return false;
}

bool IsRunningClientOnly()
{
	return false;
}
