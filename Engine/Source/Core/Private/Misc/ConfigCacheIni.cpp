#include "Misc/ConfigCacheIni.h"

#include "CoreGlobals.h"
#include "Logging/LogMacros.h"
#include "Misc/CoreHostState.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Misc/Utf8Conversion.h"

#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

DEFINE_LOG_CATEGORY_STATIC(LogConfig, Log, All);

using namespace UE::Core::Private;

namespace
{
	using FText16 = std::u16string;

	FText16 Lower(const FText16& In)
	{
		FText16 Out = In;
		for (char16_t& Char : Out)
		{
			if (Char >= u'A' && Char <= u'Z')
			{
				Char = char16_t(Char - u'A' + u'a');
			}
		}
		return Out;
	}

	char16_t FoldChar(char16_t Char)
	{
		return (Char >= u'A' && Char <= u'Z') ? char16_t(Char - u'A' + u'a') : Char;
	}

	/** Lower(A) == Lower(B) without building either: keys are compared this way on every lookup. */
	bool EqualsFolded(const FText16& A, const FText16& B)
	{
		if (A.size() != B.size())
		{
			return false;
		}
		for (size_t Index = 0; Index < A.size(); ++Index)
		{
			if (FoldChar(A[Index]) != FoldChar(B[Index]))
			{
				return false;
			}
		}
		return true;
	}

	FText16 Trim(const FText16& In)
	{
		const size_t Start = In.find_first_not_of(u" \t\r\n");
		if (Start == FText16::npos)
		{
			return FText16();
		}
		const size_t End = In.find_last_not_of(u" \t\r\n");
		return In.substr(Start, End - Start + 1);
	}

	struct FIniSection
	{
		FText16 Name;
		std::vector<std::pair<FText16, FText16>> Pairs;

		void RemoveKey(const FText16& Key)
		{
			std::erase_if(Pairs, [&](const auto& Pair) { return EqualsFolded(Pair.first, Key); });
		}

		bool HasPair(const FText16& Key, const FText16& Value) const
		{
			for (const auto& Pair : Pairs)
			{
				if (EqualsFolded(Pair.first, Key) && Pair.second == Value)
				{
					return true;
				}
			}
			return false;
		}
	};

	struct FIniFile
	{
		std::vector<FIniSection> Sections;

		FIniSection* Find(const FText16& Name)
		{
			for (FIniSection& Section : Sections)
			{
				if (EqualsFolded(Section.Name, Name))
				{
					return &Section;
				}
			}
			return nullptr;
		}

		FIniSection& FindOrAdd(const FText16& Name)
		{
			if (FIniSection* Existing = Find(Name))
			{
				return *Existing;
			}
			Sections.push_back(FIniSection{ Name, {} });
			return Sections.back();
		}
	};

	FText16 Unquote(const FText16& Value)
	{
		if (Value.size() < 2 || Value.front() != u'"' || Value.back() != u'"')
		{
			return Value;
		}
		FText16 Out;
		for (size_t Index = 1; Index + 1 < Value.size(); ++Index)
		{
			if (Value[Index] == u'\\' && Index + 2 < Value.size() && (Value[Index + 1] == u'"' || Value[Index + 1] == u'\\'))
			{
				++Index;
			}
			Out.push_back(Value[Index]);
		}
		return Out;
	}

	FText16 QuoteForWrite(const FText16& Value)
	{
		// Reading trims these from a line's ends (a carriage return too: the file may have Windows line endings).
		auto IsTrimmed = [](char16_t Char) { return Char == u' ' || Char == u'\t' || Char == u'\r'; };
		const bool bNeedsQuotes = !Value.empty() && (IsTrimmed(Value.front()) || IsTrimmed(Value.back()) || (Value.size() >= 2 && Value.front() == u'"' && Value.back() == u'"'));
		if (!bNeedsQuotes)
		{
			return Value;
		}
		FText16 Out = u"\"";
		for (char16_t Char : Value)
		{
			if (Char == u'"' || Char == u'\\')
			{
				Out.push_back(u'\\');
			}
			Out.push_back(Char);
		}
		Out.push_back(u'"');
		return Out;
	}

	/** Applies one file's text on top of Into; malformed lines are reported with file and line and skipped. */
	void ApplyIniText(const FText16& Text, const FText16& SourceName, FIniFile& Into)
	{
		FIniSection* Current = nullptr;
		bool bInBrokenSection = false;
		// A plain Key=Value replaces the key's lower-layer values the first time this file names it.
		std::map<std::pair<FText16, FText16>, bool> KeysSetByThisFile;
		int32 LineNumber = 0;
		size_t Start = 0;
		while (Start <= Text.size())
		{
			size_t End = Text.find(u'\n', Start);
			if (End == FText16::npos)
			{
				End = Text.size();
			}
			const FText16 Line = Trim(Text.substr(Start, End - Start));
			Start = End + 1;
			++LineNumber;

			auto Report = [&](const TCHAR* Problem) {
				UE_LOG(LogConfig, Warning, TEXT("%s:%d: %s, line skipped: %s"), SourceName.c_str(), LineNumber, Problem, Line.c_str());
			};

			if (Line.empty() || Line.front() == u';' || Line.front() == u'#' || Line.compare(0, 2, u"//") == 0)
			{
				continue;
			}
			if (Line.front() == u'[')
			{
				if (Line.back() != u']' || Trim(Line.substr(1, Line.size() - 2)).empty())
				{
					Report(TEXT("malformed section header"));
					Current = nullptr;
					bInBrokenSection = true;
					continue;
				}
				Current = &Into.FindOrAdd(Trim(Line.substr(1, Line.size() - 2)));
				bInBrokenSection = false;
				continue;
			}
			if (bInBrokenSection)
			{
				continue;
			}
			const size_t Equals = Line.find(u'=');
			if (Equals == FText16::npos)
			{
				Report(TEXT("expected Key=Value"));
				continue;
			}
			if (!Current)
			{
				Report(TEXT("key outside of any [Section]"));
				continue;
			}
			FText16 Key = Trim(Line.substr(0, Equals));
			const FText16 Value = Unquote(Trim(Line.substr(Equals + 1)));
			char16_t Op = 0;
			if (!Key.empty() && (Key.front() == u'+' || Key.front() == u'-' || Key.front() == u'.' || Key.front() == u'!'))
			{
				Op = Key.front();
				Key = Trim(Key.substr(1));
			}
			if (Key.empty())
			{
				Report(TEXT("empty key"));
				continue;
			}
			// Past its one operator, a key that starts like an operator, a comment or a section would be written back as one.
			if (Key.find_first_of(u"+-.!;#[") == 0 || Key.compare(0, 2, u"//") == 0)
			{
				Report(TEXT("a key cannot start with + - . ! ; # [ or //"));
				continue;
			}
			switch (Op)
			{
				case u'+':
					if (!Current->HasPair(Key, Value))
					{
						Current->Pairs.emplace_back(Key, Value);
					}
					break;
				case u'.':
					Current->Pairs.emplace_back(Key, Value);
					break;
				case u'-':
				{
					std::erase_if(Current->Pairs, [&](const auto& Pair) { return EqualsFolded(Pair.first, Key) && Pair.second == Value; });
					break;
				}
				case u'!':
					Current->RemoveKey(Key);
					break;
				default:
				{
					const auto Id = std::make_pair(Lower(Current->Name), Lower(Key));
					if (!KeysSetByThisFile[Id])
					{
						Current->RemoveKey(Key);
						KeysSetByThisFile[Id] = true;
					}
					Current->Pairs.emplace_back(Key, Value);
					break;
				}
			}
		}
	}

	/**
	 * The file's text; returns whether its bytes are text that reads back exactly: UTF-16 with its mark, or UTF-8
	 * (with or without one).
	 */
	bool DecodeIniText(const TArray<uint8>& Bytes, FText16& OutText)
	{
		FString Text;
		FFileHelper::BufferToString(Text, Bytes.GetData(), Bytes.Num());
		OutText = ToStd(Text);
		if (Bytes.Num() >= 2 && ((Bytes[0] == 0xFF && Bytes[1] == 0xFE) || (Bytes[0] == 0xFE && Bytes[1] == 0xFF)))
		{
			return true;
		}
		const int32 Start = (Bytes.Num() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF) ? 3 : 0;
		// Bytes that are not UTF-8 (or a NUL) read as something else, so the text does not give them back.
		return ToUtf8(*Text) == std::string_view(reinterpret_cast<const char*>(Bytes.GetData()) + Start, size_t(Bytes.Num() - Start));
	}

	bool ReadIniFile(const FText16& Path, FIniFile& Into)
	{
		TArray<uint8> Bytes;
		if (!FFileHelper::LoadFileToArray(Bytes, Path.c_str()))
		{
			return false;
		}
		FText16 Text;
		if (!DecodeIniText(Bytes, Text))
		{
			UE_LOG(LogConfig, Warning, TEXT("%s is not UTF-8 text: what cannot be read is taken as U+FFFD, and the editor will not write this file"), Path.c_str());
		}
		ApplyIniText(Text, Path, Into);
		return true;
	}

	FText16 SectionText(const FIniSection& Section)
	{
		FText16 Out = u"[" + Section.Name + u"]\n";
		for (const auto& [Key, Value] : Section.Pairs)
		{
			Out += Key + u"=" + QuoteForWrite(Value) + u"\n";
		}
		return Out;
	}

	/**
	 * Rewrites only the changed sections of the file on disk; every other section keeps its text
	 * (comments included), so saving one settings section leaves the rest of the file alone.
	 */
	bool WriteIniFile(const FText16& Path, const FIniFile& File, const std::map<FText16, bool>& DirtySections)
	{
		TArray<uint8> Bytes;
		const bool bExists = FFileHelper::LoadFileToArray(Bytes, Path.c_str());
		// Writing the changed sections would also rewrite the bytes that could not be read: the file stays as it is,
		// and the cached values keep what was set (reading it said so).
		FText16 Old;
		if (!DecodeIniText(Bytes, Old) && bExists)
		{
			return false;
		}

		// Split into a preamble and blocks that each start with a header line.
		struct FBlock
		{
			FText16 Name;
			FText16 Text;
		};
		std::vector<FBlock> Blocks;
		FText16 Preamble;
		size_t Start = 0;
		while (Start < Old.size())
		{
			size_t End = Old.find(u'\n', Start);
			End = End == FText16::npos ? Old.size() : End + 1;
			FText16 Line = Old.substr(Start, End - Start);
			if (!Line.empty() && Line.back() != u'\n')
			{
				Line.push_back(u'\n');
			}
			const FText16 Trimmed = Trim(Line);
			if (!Trimmed.empty() && Trimmed.front() == u'[' && Trimmed.back() == u']')
			{
				Blocks.push_back(FBlock{ Lower(Trim(Trimmed.substr(1, Trimmed.size() - 2))), Line });
			}
			else if (Blocks.empty())
			{
				Preamble += Line;
			}
			else
			{
				Blocks.back().Text += Line;
			}
			Start = End;
		}

		auto IsDirty = [&](const FText16& FoldedName) { return DirtySections.count(FoldedName) != 0; };
		FText16 Out = Preamble;
		std::map<FText16, bool> Written;
		for (const FBlock& Block : Blocks)
		{
			if (!IsDirty(Block.Name))
			{
				Out += Block.Text;
				continue;
			}
			if (Written[Block.Name])
			{
				continue;
			}
			Written[Block.Name] = true;
			const FIniSection* Section = nullptr;
			for (const FIniSection& Candidate : File.Sections)
			{
				Section = EqualsFolded(Candidate.Name, Block.Name) ? &Candidate : Section;
			}
			if (Section && !Section->Pairs.empty())
			{
				Out += SectionText(*Section);
				Out += u"\n";
			}
		}
		for (const FIniSection& Section : File.Sections)
		{
			const FText16 Folded = Lower(Section.Name);
			if (IsDirty(Folded) && !Written[Folded] && !Section.Pairs.empty())
			{
				if (!Out.empty() && Out.compare(Out.size() - std::min<size_t>(Out.size(), 2), 2, u"\n\n") != 0)
				{
					Out += Out.back() == u'\n' ? u"\n" : u"\n\n";
				}
				Out += SectionText(Section);
				Written[Folded] = true;
			}
		}
		// A file that cannot be written stays as it is; the cached values keep what was set, quietly.
		return FFileHelper::SaveStringToFile(FromStd(Out), Path.c_str());
	}

	struct FCachedFile
	{
		/** What readers see: every layer applied. */
		FIniFile Merged;
		/** What Flush writes: for a branch the user layer only, for a single file the whole file. */
		FIniFile Writable;
		FText16 WritePath;
		std::map<FText16, bool> DirtySections;
	};

	bool TextToBool(const FText16& In)
	{
		const FText16 Value = Lower(Trim(In));
		if (Value == u"true" || Value == u"yes" || Value == u"on")
		{
			return true;
		}
		if (Value == u"false" || Value == u"no" || Value == u"off")
		{
			return false;
		}
		return std::strtol(ToUtf8(FromStd(Value)).c_str(), nullptr, 10) != 0;
	}

	/** The key's first value in the section (keys compare case-insensitively); false without the section or key. */
	bool FirstValue(const FIniSection* Section, const TCHAR* Key, FString& OutValue)
	{
		if (!Section)
		{
			return false;
		}
		const FText16 Wanted = Key;
		for (const auto& Pair : Section->Pairs)
		{
			if (EqualsFolded(Pair.first, Wanted))
			{
				OutValue = FromStd(Pair.second);
				return true;
			}
		}
		return false;
	}
}

struct FConfigFile::FImpl
{
	FIniFile File;
};

FConfigFile::FConfigFile()
	: Impl(std::make_unique<FImpl>())
{
}

FConfigFile::FConfigFile(const FConfigFile& Other)
	: Impl(std::make_unique<FImpl>(*Other.Impl))
{
}

FConfigFile& FConfigFile::operator=(const FConfigFile& Other)
{
	*Impl = *Other.Impl;
	return *this;
}

FConfigFile::~FConfigFile() = default;

void FConfigFile::Read(const FString& Filename)
{
	ReadIniFile(ToStd(Filename), Impl->File);
}

bool FConfigFile::GetString(const TCHAR* Section, const TCHAR* Key, FString& Value) const
{
	return FirstValue(Impl->File.Find(Section), Key, Value);
}

struct FConfigCacheIni::FImpl
{
	std::map<FText16, FCachedFile> Files;
	/** Branch base name (folded) -> file name. */
	std::map<FText16, FText16> Branches;

	FText16 LoadBranch(const FText16& BaseName)
	{
		const FText16 Folded = Lower(BaseName);
		if (const auto It = Branches.find(Folded); It != Branches.end())
		{
			return It->second;
		}
		const FText16 SavedPath = ToStd(FPaths::GeneratedConfigDir()) + u"LinuxEditor/" + BaseName + u".ini";
		FCachedFile& Cached = Files[SavedPath];
		Cached = FCachedFile();
		Cached.WritePath = SavedPath;
		ReadIniFile(ToStd(FPaths::EngineConfigDir()) + u"Base" + BaseName + u".ini", Cached.Merged);
		if (FPaths::IsProjectFilePathSet())
		{
			ReadIniFile(ToStd(FPaths::ProjectConfigDir()) + u"Default" + BaseName + u".ini", Cached.Merged);
		}
		ReadIniFile(SavedPath, Cached.Merged);
		ReadIniFile(SavedPath, Cached.Writable);
		Branches[Folded] = SavedPath;
		return SavedPath;
	}

	/** The cached file for a name: a known file, a branch name, or an ini path read on first use. */
	FCachedFile* Resolve(const FString& Filename, bool bCreate)
	{
		const FText16 Name = ToStd(Filename);
		if (const auto It = Files.find(Name); It != Files.end())
		{
			return &It->second;
		}
		if (Name.find(u'/') == FText16::npos && Name.find(u'.') == FText16::npos && !Name.empty())
		{
			return &Files[LoadBranch(Name)];
		}
		FIniFile Loaded;
		const bool bExists = ReadIniFile(Name, Loaded);
		if (!bExists && !bCreate)
		{
			return nullptr;
		}
		FCachedFile& Cached = Files[Name];
		Cached.Merged = Loaded;
		Cached.Writable = Loaded;
		Cached.WritePath = Name;
		return &Cached;
	}

	const FIniSection* FindSection(const TCHAR* Section, const FString& Filename)
	{
		FCachedFile* File = Resolve(Filename, false);
		return File ? File->Merged.Find(Section) : nullptr;
	}

	void SetValues(const TCHAR* Section, const TCHAR* Key, const std::vector<FText16>& Values, const FString& Filename)
	{
		FCachedFile* File = Resolve(Filename, true);
		for (FIniFile* Target : { &File->Merged, &File->Writable })
		{
			FIniSection& Found = Target->FindOrAdd(Section);
			Found.RemoveKey(Key);
			for (const FText16& Value : Values)
			{
				Found.Pairs.emplace_back(Key, Value);
			}
		}
		File->DirtySections[Lower(Section)] = true;
	}
};

FConfigCacheIni::FConfigCacheIni()
	: Impl(std::make_unique<FImpl>())
{
}

FConfigCacheIni::~FConfigCacheIni() = default;

void FConfigCacheIni::InitializeConfigSystem()
{
	delete GConfig;
	GConfig = new FConfigCacheIni();
	struct FGlobal
	{
		const TCHAR* BaseName;
		FString* Global;
	};
	const FGlobal Globals[] = {
		{ TEXT("Engine"), &GEngineIni },
		{ TEXT("Game"), &GGameIni },
		{ TEXT("Input"), &GInputIni },
		{ TEXT("Editor"), &GEditorIni },
		{ TEXT("EditorPerProjectUserSettings"), &GEditorPerProjectIni },
		{ TEXT("EditorSettings"), &GEditorSettingsIni },
		{ TEXT("EditorKeyBindings"), &GEditorKeyBindingsIni },
		{ TEXT("EditorLayout"), &GEditorLayoutIni },
		{ TEXT("GameUserSettings"), &GGameUserSettingsIni },
		{ TEXT("Scalability"), &GScalabilityIni },
		{ TEXT("Hardware"), &GHardwareIni },
		{ TEXT("DeviceProfiles"), &GDeviceProfilesIni },
		{ TEXT("GameplayTags"), &GGameplayTagsIni },
		{ TEXT("Compat"), &GCompatIni },
		{ TEXT("Lightmass"), &GLightmassIni },
		{ TEXT("RuntimeOptions"), &GRuntimeOptionsIni },
		{ TEXT("InstallBundle"), &GInstallBundleIni },
	};
	for (const FGlobal& Entry : Globals)
	{
		*Entry.Global = GConfig->GetConfigFilename(Entry.BaseName);
	}
}

FString FConfigCacheIni::GetConfigFilename(const TCHAR* BaseIniName)
{
	return FromStd(Impl->LoadBranch(BaseIniName));
}

bool FConfigCacheIni::GetString(const TCHAR* Section, const TCHAR* Key, FString& Value, const FString& Filename)
{
	return FirstValue(Impl->FindSection(Section, Filename), Key, Value);
}

FString FConfigCacheIni::GetStr(const TCHAR* Section, const TCHAR* Key, const FString& Filename)
{
	FString Value;
	GetString(Section, Key, Value, Filename);
	return Value;
}

bool FConfigCacheIni::GetInt(const TCHAR* Section, const TCHAR* Key, int32& Value, const FString& Filename)
{
	FString Text;
	if (!GetString(Section, Key, Text, Filename))
	{
		return false;
	}
	Value = int32(std::strtol(ToUtf8(Text).c_str(), nullptr, 10));
	return true;
}

bool FConfigCacheIni::GetFloat(const TCHAR* Section, const TCHAR* Key, float& Value, const FString& Filename)
{
	FString Text;
	if (!GetString(Section, Key, Text, Filename))
	{
		return false;
	}
	Value = std::strtof(ToUtf8(Text).c_str(), nullptr);
	return true;
}

bool FConfigCacheIni::GetDouble(const TCHAR* Section, const TCHAR* Key, double& Value, const FString& Filename)
{
	FString Text;
	if (!GetString(Section, Key, Text, Filename))
	{
		return false;
	}
	Value = std::strtod(ToUtf8(Text).c_str(), nullptr);
	return true;
}

bool FConfigCacheIni::GetBool(const TCHAR* Section, const TCHAR* Key, bool& Value, const FString& Filename)
{
	FString Text;
	if (!GetString(Section, Key, Text, Filename))
	{
		return false;
	}
	Value = TextToBool(ToStd(Text));
	return true;
}

int32 FConfigCacheIni::GetArray(const TCHAR* Section, const TCHAR* Key, TArray<FString>& out_Arr, const FString& Filename)
{
	out_Arr.Empty();
	if (const FIniSection* Found = Impl->FindSection(Section, Filename))
	{
		const FText16 Wanted = Key;
		for (const auto& Pair : Found->Pairs)
		{
			if (EqualsFolded(Pair.first, Wanted))
			{
				out_Arr.Add(FromStd(Pair.second));
			}
		}
	}
	return out_Arr.Num();
}

bool FConfigCacheIni::GetSection(const TCHAR* Section, TArray<FString>& Result, const FString& Filename)
{
	Result.Empty();
	const FIniSection* Found = Impl->FindSection(Section, Filename);
	if (!Found)
	{
		return false;
	}
	for (const auto& Pair : Found->Pairs)
	{
		Result.Add(FromStd(Pair.first + u"=" + Pair.second));
	}
	return true;
}

bool FConfigCacheIni::GetSectionNames(const FString& Filename, TArray<FString>& out_SectionNames)
{
	out_SectionNames.Empty();
	FCachedFile* File = Impl->Resolve(Filename, false);
	if (!File)
	{
		return false;
	}
	for (const FIniSection& Section : File->Merged.Sections)
	{
		out_SectionNames.Add(FromStd(Section.Name));
	}
	return true;
}

bool FConfigCacheIni::DoesSectionExist(const TCHAR* Section, const FString& Filename)
{
	return Impl->FindSection(Section, Filename) != nullptr;
}

void FConfigCacheIni::SetString(const TCHAR* Section, const TCHAR* Key, const TCHAR* Value, const FString& Filename)
{
	Impl->SetValues(Section, Key, { FText16(Value ? Value : u"") }, Filename);
}

void FConfigCacheIni::SetInt(const TCHAR* Section, const TCHAR* Key, int32 Value, const FString& Filename)
{
	SetString(Section, Key, *FString::Printf(TEXT("%d"), Value), Filename);
}

void FConfigCacheIni::SetFloat(const TCHAR* Section, const TCHAR* Key, float Value, const FString& Filename)
{
	SetString(Section, Key, *FString::Printf(TEXT("%.6f"), double(Value)), Filename);
}

void FConfigCacheIni::SetDouble(const TCHAR* Section, const TCHAR* Key, double Value, const FString& Filename)
{
	SetString(Section, Key, *FString::Printf(TEXT("%.6f"), Value), Filename);
}

void FConfigCacheIni::SetBool(const TCHAR* Section, const TCHAR* Key, bool Value, const FString& Filename)
{
	SetString(Section, Key, Value ? TEXT("True") : TEXT("False"), Filename);
}

void FConfigCacheIni::SetArray(const TCHAR* Section, const TCHAR* Key, const TArray<FString>& Value, const FString& Filename)
{
	std::vector<FText16> Values;
	for (const FString& Item : Value)
	{
		Values.push_back(ToStd(Item));
	}
	Impl->SetValues(Section, Key, Values, Filename);
}

bool FConfigCacheIni::RemoveKey(const TCHAR* Section, const TCHAR* Key, const FString& Filename)
{
	FCachedFile* File = Impl->Resolve(Filename, false);
	FIniSection* Found = File ? File->Merged.Find(Section) : nullptr;
	if (!Found)
	{
		return false;
	}
	const size_t Before = Found->Pairs.size();
	Found->RemoveKey(Key);
	if (FIniSection* Writable = File->Writable.Find(Section))
	{
		Writable->RemoveKey(Key);
	}
	const bool bRemoved = Found->Pairs.size() != Before;
	if (bRemoved)
	{
		File->DirtySections[Lower(Section)] = true;
	}
	return bRemoved;
}

bool FConfigCacheIni::EmptySection(const TCHAR* Section, const FString& Filename)
{
	FCachedFile* File = Impl->Resolve(Filename, false);
	FIniSection* Found = File ? File->Merged.Find(Section) : nullptr;
	if (!Found)
	{
		return false;
	}
	Found->Pairs.clear();
	if (FIniSection* Writable = File->Writable.Find(Section))
	{
		Writable->Pairs.clear();
	}
	File->DirtySections[Lower(Section)] = true;
	return true;
}

void FConfigCacheIni::Flush(bool bRemoveFromCache, const FString& Filename)
{
	const FText16 Only = ToStd(Filename);
	for (auto It = Impl->Files.begin(); It != Impl->Files.end();)
	{
		if (!Only.empty() && It->first != Only)
		{
			++It;
			continue;
		}
		FCachedFile& File = It->second;
		if (!File.DirtySections.empty() && WriteIniFile(File.WritePath, File.Writable, File.DirtySections))
		{
			File.DirtySections.clear();
		}
		if (bRemoveFromCache)
		{
			std::erase_if(Impl->Branches, [&](const auto& Branch) { return Branch.second == It->first; });
			It = Impl->Files.erase(It);
		}
		else
		{
			++It;
		}
	}
}

void FConfigCacheIni::LoadFile(const FString& InFilename)
{
	const FText16 Name = ToStd(InFilename);
	Impl->Files.erase(Name);
	Impl->Resolve(InFilename, true);
}

bool FConfigCacheIni::IsFileLoaded(const FString& Filename) const
{
	return Impl->Files.count(ToStd(Filename)) != 0;
}
