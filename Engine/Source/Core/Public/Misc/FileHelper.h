// Whole-file reads and writes of bytes and text, after the engine's FFileHelper.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"
#include "HAL/FileManager.h"

struct CORE_API FFileHelper
{
	enum class EHashOptions
	{
		None = 0,
		EnableVerify = 1 << 0,
		ErrorMissingHash = 1 << 1,
	};

	enum class EEncodingOptions
	{
		/** Plain ANSI when every character fits, otherwise UTF-16 with a byte-order mark. */
		AutoDetect,
		ForceAnsi,
		ForceUnicode,
		ForceUTF8,
		ForceUTF8WithoutBOM,
	};

	static bool LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags = 0);

	/** Reads a text file; UTF-8 (with or without a byte-order mark) and UTF-16 with a mark are recognised. */
	static bool LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None, uint32 ReadFlags = 0);

	/** The file's non-empty lines, without their line endings. */
	static bool LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename);

	static bool SaveArrayToFile(const TArray<uint8>& Array, const TCHAR* Filename, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);

	/** Writes the text, creating missing folders; FILEWRITE_Append adds to the end of an existing file. */
	static bool SaveStringToFile(const FString& String, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);

	static bool SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);

	/** Decodes bytes of a text file, recognising the byte-order marks LoadFileToString does. */
	static void BufferToString(FString& Result, const uint8* Buffer, int32 Size);
};
