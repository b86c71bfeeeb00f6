// Process and library services of the platform, after the engine's FPlatformProcess.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

struct CORE_API FPlatformProcess
{
	/** Folder of the executable and module libraries, with a trailing slash. */
	static const TCHAR* BaseDir();
	static const TCHAR* ExecutablePath();
	static FString GetCurrentWorkingDirectory();
	static const TCHAR* ComputerName();
	static const TCHAR* UserName(bool bOnlyAlphaNumeric = true);

	/** Opens a shared library; null when it cannot be loaded (the reason is logged). */
	static void* GetDllHandle(const TCHAR* Filename);
	static void FreeDllHandle(void* DllHandle);
	static void* GetDllExport(void* DllHandle, const TCHAR* ProcName);
	static const TCHAR* GetModulePrefix();
	static const TCHAR* GetModuleExtension();
	static uint32 GetCurrentProcessId();

	static void Sleep(float Seconds);
};
