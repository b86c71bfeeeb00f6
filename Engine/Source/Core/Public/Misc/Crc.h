// Checksums and string hashes.
#pragma once

#include "CoreTypes.h"
#include "Misc/Char.h"

struct FCrc
{
	/** CRC-32 (IEEE polynomial) of a block of memory. */
	static CORE_API uint32 MemCrc32(const void* Data, int32 Length, uint32 CRC = 0);

	/** CRC-32 of a string's characters. */
	template<typename CharType>
	static uint32 StrCrc32(const CharType* Data, uint32 CRC = 0)
	{
		uint32 Result = CRC;
		for (; *Data; ++Data)
		{
			const uint32 Char = uint32(*Data);
			Result = MemCrc32(&Char, sizeof(Char), Result);
		}
		return Result;
	}

	/** Case-insensitive string hash, the one FString and FName hashing is built on. */
	template<typename CharType>
	static uint32 Strihash_DEPRECATED(const CharType* Data)
	{
		uint32 Hash = 2166136261u;
		for (; *Data; ++Data)
		{
			Hash = (Hash ^ uint32(TChar<CharType>::ToUpper(*Data))) * 16777619u;
		}
		return Hash;
	}

	template<typename CharType>
	static uint32 Strihash_DEPRECATED(int32 Len, const CharType* Data)
	{
		uint32 Hash = 2166136261u;
		for (int32 Index = 0; Index < Len; ++Index)
		{
			Hash = (Hash ^ uint32(TChar<CharType>::ToUpper(Data[Index]))) * 16777619u;
		}
		return Hash;
	}
};
