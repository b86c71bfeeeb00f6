// The stand-in asset reader: the input is a package's asset file (the JSON form) under a content root of the
// fuzzer's own. The registry scans it (it reads only the header), then the package loads (objects, subobjects,
// properties in text form, PostLoad).
//
// A package that loads must save, and what it saves must load again and save to the same text: a project's files
// are written by the editor and read back by the next session.

#include "FuzzSupport.h"

#include "AssetRegistry/IAssetRegistry.h"
#include "AssetRegistryHost.h"
#include "CoreMinimal.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"
#include "UObject/Class.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
	const TCHAR* const ContentRoot = TEXT("/FuzzAssets/");
	const TCHAR* const PackageName = TEXT("/FuzzAssets/Fuzzed");

	std::filesystem::path* GContentDir = nullptr;

	std::filesystem::path AssetPath()
	{
		return *GContentDir / "Fuzzed.uasset.json";
	}

	std::string ReadFile(const std::filesystem::path& Path)
	{
		std::ifstream Stream(Path, std::ios::binary);
		return std::string((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	}

	/** Loads the package; on success saves it over its file and returns the saved text. */
	bool LoadAndSave(std::string& OutSaved)
	{
		UPackage* Package = LoadPackage(nullptr, PackageName, LOAD_None);
		if (!Package)
		{
			return false;
		}
		const bool bSaved = UE::AssetRegistryHost::SavePackageToAssetFile(Package);
		UE::ObjectHost::DestroyObjectNow(Package);
		if (!bSaved)
		{
			QuovexFuzz::Fail("a package that loaded does not save", FString(UTF8_TO_TCHAR(ReadFile(AssetPath()).c_str())));
		}
		OutSaved = ReadFile(AssetPath());
		return true;
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	const std::filesystem::path Folder = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
	GContentDir = new std::filesystem::path(Folder / ("QuovexAssetFileFuzzer-" + std::to_string(::getpid())));
	std::filesystem::create_directories(*GContentDir);
	std::atexit([] { std::error_code Ignored; std::filesystem::remove_all(*GContentDir, Ignored); });
	UE::AssetRegistryHost::MountContent(ContentRoot, FString(UTF8_TO_TCHAR(GContentDir->string().c_str())));
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	{
		std::ofstream Stream(AssetPath(), std::ios::binary | std::ios::trunc);
		Stream.write(reinterpret_cast<const char*>(Data), (std::streamsize)Size);
	}

	IAssetRegistry& Registry = IAssetRegistry::GetChecked();
	Registry.ScanPathsSynchronous({ FString(ContentRoot) }, true);
	TArray<FAssetData> Assets;
	Registry.GetAssetsByPath(FName(TEXT("/FuzzAssets")), Assets, true);

	std::string First;
	if (!LoadAndSave(First))
	{
		return 0;
	}
	std::string Second;
	if (!LoadAndSave(Second))
	{
		QuovexFuzz::Fail("a saved package does not load", FString(UTF8_TO_TCHAR(First.c_str())));
	}
	if (First != Second)
	{
		QuovexFuzz::Fail("a saved package loads as a different package", FString::Printf(TEXT("saved first:\n%s\nsaved after reloading:\n%s"), UTF8_TO_TCHAR(First.c_str()), UTF8_TO_TCHAR(Second.c_str())));
	}
	return 0;
}
