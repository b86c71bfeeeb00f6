// The config cache: ini files read in layers and written back, after the engine's FConfigCacheIni.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"

#include <memory>

/**
 * One ini file read on its own, outside the cache: reading it changes nothing in GConfig. Lines follow the
 * cache's syntax; values layer within the file as they do in a branch.
 */
class CORE_API FConfigFile
{
public:
	FConfigFile();
	FConfigFile(const FConfigFile& Other);
	FConfigFile& operator=(const FConfigFile& Other);
	~FConfigFile();

	/** Adds the file's sections and values; a file that cannot be read adds nothing. */
	void Read(const FString& Filename);

	/** The key's first value in the section; false when either is missing. */
	bool GetString(const TCHAR* Section, const TCHAR* Key, FString& Value) const;

private:
	struct FImpl;
	std::unique_ptr<FImpl> Impl;
};

/**
 * Files are addressed by name: a branch (GEngineIni, GGameIni ...: Base<Name>.ini of the engine, then
 * Default<Name>.ini of the project, then the saved user layer, which is what a branch writes to) or
 * the path of a single ini file (read from disk on first use, written back whole). Sections and keys
 * compare case-insensitively. Line syntax: [Section], Key=Value, +Key=Value (add if new), .Key=Value
 * (add), -Key=Value (remove), !Key=ClearArray (clear), ; and # comments, "quoted values".
 */
class CORE_API FConfigCacheIni
{
public:
	FConfigCacheIni();
	~FConfigCacheIni();
	FConfigCacheIni(const FConfigCacheIni&) = delete;
	FConfigCacheIni& operator=(const FConfigCacheIni&) = delete;

	/** Creates GConfig and loads the engine's branches for the current engine and project folders. */
	static void InitializeConfigSystem();

	/** The file name of a branch ("Engine" -> GEngineIni), loading the branch when it is not known yet. */
	FString GetConfigFilename(const TCHAR* BaseIniName);

	bool GetString(const TCHAR* Section, const TCHAR* Key, FString& Value, const FString& Filename);
	FString GetStr(const TCHAR* Section, const TCHAR* Key, const FString& Filename);
	bool GetInt(const TCHAR* Section, const TCHAR* Key, int32& Value, const FString& Filename);
	bool GetFloat(const TCHAR* Section, const TCHAR* Key, float& Value, const FString& Filename);
	bool GetDouble(const TCHAR* Section, const TCHAR* Key, double& Value, const FString& Filename);
	bool GetBool(const TCHAR* Section, const TCHAR* Key, bool& Value, const FString& Filename);
	/** Every value of the key, in file order; returns how many. */
	int32 GetArray(const TCHAR* Section, const TCHAR* Key, TArray<FString>& out_Arr, const FString& Filename);
	/** The section as "Key=Value" lines; false when it does not exist. */
	bool GetSection(const TCHAR* Section, TArray<FString>& Result, const FString& Filename);
	bool GetSectionNames(const FString& Filename, TArray<FString>& out_SectionNames);
	bool DoesSectionExist(const TCHAR* Section, const FString& Filename);

	bool GetValue(const TCHAR* Section, const TCHAR* Key, FString& Value, const FString& Filename) { return GetString(Section, Key, Value, Filename); }
	bool GetValue(const TCHAR* Section, const TCHAR* Key, int32& Value, const FString& Filename) { return GetInt(Section, Key, Value, Filename); }
	bool GetValue(const TCHAR* Section, const TCHAR* Key, float& Value, const FString& Filename) { return GetFloat(Section, Key, Value, Filename); }
	bool GetValue(const TCHAR* Section, const TCHAR* Key, bool& Value, const FString& Filename) { return GetBool(Section, Key, Value, Filename); }
	int32 GetValue(const TCHAR* Section, const TCHAR* Key, TArray<FString>& Value, const FString& Filename) { return GetArray(Section, Key, Value, Filename); }

	/** Sets one value, replacing every value the key had; the file is written on Flush. */
	void SetString(const TCHAR* Section, const TCHAR* Key, const TCHAR* Value, const FString& Filename);
	void SetInt(const TCHAR* Section, const TCHAR* Key, int32 Value, const FString& Filename);
	void SetFloat(const TCHAR* Section, const TCHAR* Key, float Value, const FString& Filename);
	void SetDouble(const TCHAR* Section, const TCHAR* Key, double Value, const FString& Filename);
	void SetBool(const TCHAR* Section, const TCHAR* Key, bool Value, const FString& Filename);
	void SetArray(const TCHAR* Section, const TCHAR* Key, const TArray<FString>& Value, const FString& Filename);

	bool RemoveKey(const TCHAR* Section, const TCHAR* Key, const FString& Filename);
	bool EmptySection(const TCHAR* Section, const FString& Filename);

	/** Writes changed files (one, or all when Filename is empty); with bRemoveFromCache they are dropped afterwards. */
	void Flush(bool bRemoveFromCache, const FString& Filename = FString());

	/** (Re)reads a single ini file from disk into the cache, dropping unsaved changes to it. */
	void LoadFile(const FString& InFilename);

	/** Whether the file is known to the cache (loaded or created by a Set). */
	bool IsFileLoaded(const FString& Filename) const;

private:
	struct FImpl;
	std::unique_ptr<FImpl> Impl;
};
