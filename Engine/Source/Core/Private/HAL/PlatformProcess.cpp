#include "HAL/PlatformProcess.h"

#include "Logging/LogMacros.h"
#include "Misc/CoreHostState.h"
#include "Misc/Utf8Conversion.h"

#include <chrono>
#include <dlfcn.h>
#include <filesystem>
#include <thread>
#include <unistd.h>

DEFINE_LOG_CATEGORY_STATIC(LogPlatformProcess, Log, All);

using namespace UE::Core::Private;

namespace
{
	std::u16string ExecutableFile()
	{
		std::error_code Error;
		const std::filesystem::path Exe = std::filesystem::read_symlink("/proc/self/exe", Error);
		return Error ? std::u16string() : Utf8ToUtf16(Exe.string());
	}
}

const TCHAR* FPlatformProcess::BaseDir()
{
	static thread_local std::u16string Result;
	const FCoreHostState& State = GetCoreHostState();
	if (!State.BinariesDir.empty())
	{
		Result = State.BinariesDir;
		return Result.c_str();
	}
	const std::u16string Exe = ExecutableFile();
	Result = Exe.substr(0, Exe.rfind(u'/') + 1);
	return Result.c_str();
}

const TCHAR* FPlatformProcess::ExecutablePath()
{
	static const std::u16string Exe = ExecutableFile();
	return Exe.c_str();
}

FString FPlatformProcess::GetCurrentWorkingDirectory()
{
	std::error_code Error;
	return Utf8ToFString(std::filesystem::current_path(Error).string());
}

const TCHAR* FPlatformProcess::ComputerName()
{
	static std::u16string Name;
	char Buffer[256] = {};
	gethostname(Buffer, sizeof(Buffer) - 1);
	Name = Utf8ToUtf16(Buffer);
	return Name.c_str();
}

const TCHAR* FPlatformProcess::UserName(bool bOnlyAlphaNumeric)
{
	static std::u16string Name;
	const char* User = getenv("USER");
	Name = Utf8ToUtf16(User ? User : "");
	if (bOnlyAlphaNumeric)
	{
		std::erase_if(Name, [](char16_t Char) { return !((Char >= u'a' && Char <= u'z') || (Char >= u'A' && Char <= u'Z') || (Char >= u'0' && Char <= u'9')); });
	}
	return Name.c_str();
}

void* FPlatformProcess::GetDllHandle(const TCHAR* Filename)
{
	// Local binding keeps each module's own InitializeModule from shadowing another's.
	void* Handle = dlopen(ToUtf8(Filename).c_str(), RTLD_NOW | RTLD_LOCAL);
	if (!Handle)
	{
		UE_LOG(LogPlatformProcess, Warning, TEXT("dlopen failed: %s"), *Utf8ToFString(dlerror()));
	}
	return Handle;
}

void FPlatformProcess::FreeDllHandle(void* DllHandle)
{
	if (DllHandle)
	{
		dlclose(DllHandle);
	}
}

void* FPlatformProcess::GetDllExport(void* DllHandle, const TCHAR* ProcName)
{
	return DllHandle ? dlsym(DllHandle, ToUtf8(ProcName).c_str()) : nullptr;
}

const TCHAR* FPlatformProcess::GetModulePrefix()
{
	return TEXT("lib");
}

const TCHAR* FPlatformProcess::GetModuleExtension()
{
	return TEXT("so");
}

uint32 FPlatformProcess::GetCurrentProcessId()
{
	return uint32(getpid());
}

void FPlatformProcess::Sleep(float Seconds)
{
	std::this_thread::sleep_for(std::chrono::duration<float>(Seconds));
}
