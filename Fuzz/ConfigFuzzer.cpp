// The ini reader and writer: the input is an ini file. What the reader makes of it must survive a write and a
// second read: the same sections, each key with the same values in the same order.
//
// The first byte says which sections the write touches (every one, or a few chosen by its bits): a section that is
// not touched keeps its text as it was in the file, so both the rewrite and the keeping of untouched text are tried.

#include "FuzzSupport.h"

#include "CoreMinimal.h"
#include "Misc/ConfigCacheIni.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace
{
	/** Sections (by folded name) of keys (by folded name) with their values in order; sections without keys are left out. */
	using FIniModel = std::map<FString, std::map<FString, TArray<FString>>>;

	struct FFuzzFile
	{
		FConfigCacheIni Config;
		FString Path;
		std::string NativePath;
	};

	FFuzzFile* GFile = nullptr;

	/** Keys of each section, as the reader holds them: "Key=Value" lines split at the first '='. */
	bool ReadModel(FIniModel& Out, std::map<FString, std::pair<FString, std::vector<FString>>>& OutKeys)
	{
		Out.clear();
		OutKeys.clear();
		TArray<FString> Sections;
		if (!GFile->Config.GetSectionNames(GFile->Path, Sections))
		{
			return false;
		}
		for (const FString& Section : Sections)
		{
			if (QuovexFuzz::HasNul(Section))
			{
				return false;
			}
			TArray<FString> Lines;
			GFile->Config.GetSection(*Section, Lines, GFile->Path);
			if (Lines.IsEmpty())
			{
				continue;
			}
			std::map<FString, TArray<FString>>& Keys = Out[Section.ToLower()];
			OutKeys[Section.ToLower()].first = Section;
			for (const FString& Line : Lines)
			{
				int32 Equals = INDEX_NONE;
				if (!Line.FindChar(TEXT('='), Equals) || QuovexFuzz::HasNul(Line))
				{
					return false;
				}
				const FString Key = Line.Left(Equals);
				TArray<FString>& Values = Keys[Key.ToLower()];
				if (Values.IsEmpty())
				{
					OutKeys[Section.ToLower()].second.push_back(Key);
				}
				Values.Add(Line.Mid(Equals + 1));
			}
		}
		return true;
	}

	FString Describe(const FIniModel& Model)
	{
		FString Out;
		for (const auto& [Section, Keys] : Model)
		{
			Out += FString::Printf(TEXT("[%s]\n"), *Section);
			for (const auto& [Key, Values] : Keys)
			{
				for (const FString& Value : Values)
				{
					Out += FString::Printf(TEXT("  %s = <%s>\n"), *Key, *Value);
				}
			}
		}
		return Out;
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	GFile = new FFuzzFile();
	const std::filesystem::path Folder = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
	GFile->NativePath = (Folder / ("QuovexConfigFuzzer-" + std::to_string(::getpid()) + ".ini")).string();
	GFile->Path = FString(UTF8_TO_TCHAR(GFile->NativePath.c_str()));
	std::atexit([] { std::remove(GFile->NativePath.c_str()); });
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	if (Size == 0)
	{
		return 0;
	}
	const uint8 Touch = Data[0];
	{
		std::ofstream Stream(GFile->NativePath, std::ios::binary | std::ios::trunc);
		Stream.write(reinterpret_cast<const char*>(Data + 1), (std::streamsize)(Size - 1));
	}

	// Dropping the file at the end leaves the heap as the input found it, so libFuzzer's leak check has nothing to re-run.
	struct FDropFile
	{
		~FDropFile() { GFile->Config.Flush(true, GFile->Path); }
	} DropFile;

	GFile->Config.LoadFile(GFile->Path);
	FIniModel Before;
	std::map<FString, std::pair<FString, std::vector<FString>>> Keys;
	if (!ReadModel(Before, Keys))
	{
		// Text with a NUL cannot be handed back through the TCHAR* setters whole; the read itself has run.
		return 0;
	}

	// Set every key of the touched sections to the values it has: the sections become dirty, the values stay.
	int32 SectionIndex = 0;
	for (const auto& [Folded, Entry] : Keys)
	{
		const bool bTouch = Touch == 0xFF || (Touch & (1u << (SectionIndex++ % 8))) != 0;
		if (!bTouch)
		{
			continue;
		}
		for (const FString& Key : Entry.second)
		{
			GFile->Config.SetArray(*Entry.first, *Key, Before[Folded][Key.ToLower()], GFile->Path);
		}
	}
	GFile->Config.Flush(false, GFile->Path);

	GFile->Config.LoadFile(GFile->Path);
	FIniModel After;
	std::map<FString, std::pair<FString, std::vector<FString>>> KeysAfter;
	if (!ReadModel(After, KeysAfter) || Before != After)
	{
		FString Written;
		std::ifstream Stream(GFile->NativePath, std::ios::binary);
		const std::string Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
		QuovexFuzz::Fail("an ini file read, written and read again changed", FString::Printf(TEXT("read first:\n%s\nread after the write:\n%s\nwritten:\n%s"), *Describe(Before), *Describe(After), UTF8_TO_TCHAR(Bytes.c_str())));
	}
	return 0;
}
