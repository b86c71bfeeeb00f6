// C-string helpers over any character type (FCString for TCHAR, FCStringAnsi for ANSICHAR).
#pragma once

#include "CoreTypes.h"
#include "Misc/Char.h"
#include <cerrno>
#include <cstdlib>
#include <string>

namespace UE::Core::Private
{
	/** Narrows the leading numeric-looking part of a string so the C library can parse it. */
	template<typename CharType>
	std::string NarrowForNumberParse(const CharType* String)
	{
		std::string Out;
		if (!String)
		{
			return Out;
		}
		for (; *String; ++String)
		{
			const uint32 Code = uint32(*String);
			if (Code > 127)
			{
				break;
			}
			Out.push_back((char)Code);
		}
		return Out;
	}
}

template<typename T>
struct TCString
{
	typedef T CharType;

	static int32 Strlen(const CharType* String)
	{
		int32 Length = 0;
		while (String && String[Length])
		{
			++Length;
		}
		return Length;
	}

	static int32 Strcmp(const CharType* String1, const CharType* String2)
	{
		for (;; ++String1, ++String2)
		{
			const uint32 A = uint32(*String1);
			const uint32 B = uint32(*String2);
			if (A != B)
			{
				return A < B ? -1 : 1;
			}
			if (A == 0)
			{
				return 0;
			}
		}
	}

	static int32 Strncmp(const CharType* String1, const CharType* String2, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++String1, ++String2)
		{
			const uint32 A = uint32(*String1);
			const uint32 B = uint32(*String2);
			if (A != B)
			{
				return A < B ? -1 : 1;
			}
			if (A == 0)
			{
				return 0;
			}
		}
		return 0;
	}

	static int32 Stricmp(const CharType* String1, const CharType* String2)
	{
		return Strnicmp(String1, String2, (SIZE_T)-1);
	}

	static int32 Strnicmp(const CharType* String1, const CharType* String2, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++String1, ++String2)
		{
			const uint32 A = uint32(TChar<CharType>::ToLower(*String1));
			const uint32 B = uint32(TChar<CharType>::ToLower(*String2));
			if (A != B)
			{
				return A < B ? -1 : 1;
			}
			if (A == 0)
			{
				return 0;
			}
		}
		return 0;
	}

	static const CharType* Strstr(const CharType* String, const CharType* Find)
	{
		const int32 FindLen = Strlen(Find);
		for (; *String; ++String)
		{
			if (Strncmp(String, Find, FindLen) == 0)
			{
				return String;
			}
		}
		return FindLen == 0 ? String : nullptr;
	}

	static const CharType* Stristr(const CharType* String, const CharType* Find)
	{
		const int32 FindLen = Strlen(Find);
		for (; *String; ++String)
		{
			if (Strnicmp(String, Find, FindLen) == 0)
			{
				return String;
			}
		}
		return FindLen == 0 ? String : nullptr;
	}

	static const CharType* Strchr(const CharType* String, CharType Char)
	{
		for (; *String; ++String)
		{
			if (*String == Char)
			{
				return String;
			}
		}
		return Char == 0 ? String : nullptr;
	}

	static const CharType* Strrchr(const CharType* String, CharType Char)
	{
		const CharType* Last = nullptr;
		for (; *String; ++String)
		{
			if (*String == Char)
			{
				Last = String;
			}
		}
		return Char == 0 ? String : Last;
	}

	static CharType* Strcpy(CharType* Dest, const CharType* Src)
	{
		CharType* Out = Dest;
		while ((*Out++ = *Src++) != 0)
		{
		}
		return Dest;
	}

	static CharType* Strncpy(CharType* Dest, const CharType* Src, int32 MaxLen)
	{
		// Always terminates, copying at most MaxLen - 1 characters, as the engine's does.
		check(MaxLen > 0);
		int32 Index = 0;
		for (; Index < MaxLen - 1 && Src[Index]; ++Index)
		{
			Dest[Index] = Src[Index];
		}
		Dest[Index] = 0;
		return Dest;
	}

	static int32 Atoi(const CharType* String)
	{
		return (int32)Strtoi64(String, nullptr, 10);
	}

	static int64 Atoi64(const CharType* String)
	{
		return Strtoi64(String, nullptr, 10);
	}

	static float Atof(const CharType* String)
	{
		return (float)Atod(String);
	}

	static double Atod(const CharType* String)
	{
		const std::string Narrow = UE::Core::Private::NarrowForNumberParse(String);
		return std::strtod(Narrow.c_str(), nullptr);
	}

	static int32 Strtoi(const CharType* Start, CharType** End, int32 Base)
	{
		return (int32)Strtoi64(Start, End, Base);
	}

	static int64 Strtoi64(const CharType* Start, CharType** End, int32 Base)
	{
		const std::string Narrow = UE::Core::Private::NarrowForNumberParse(Start);
		char* NarrowEnd = nullptr;
		const long long Value = std::strtoll(Narrow.c_str(), &NarrowEnd, Base);
		if (End)
		{
			*End = const_cast<CharType*>(Start) + (NarrowEnd - Narrow.c_str());
		}
		return (int64)Value;
	}

	static uint64 Strtoui64(const CharType* Start, CharType** End, int32 Base)
	{
		const std::string Narrow = UE::Core::Private::NarrowForNumberParse(Start);
		char* NarrowEnd = nullptr;
		const unsigned long long Value = std::strtoull(Narrow.c_str(), &NarrowEnd, Base);
		if (End)
		{
			*End = const_cast<CharType*>(Start) + (NarrowEnd - Narrow.c_str());
		}
		return (uint64)Value;
	}

	/** True for an optionally signed decimal number with at most one '.', as the engine's IsNumeric. */
	static bool IsNumeric(const CharType* Str)
	{
		if (*Str == '-' || *Str == '+')
		{
			++Str;
		}
		bool bHasDot = false;
		bool bHasDigit = false;
		for (; *Str; ++Str)
		{
			if (*Str == '.')
			{
				if (bHasDot)
				{
					return false;
				}
				bHasDot = true;
			}
			else if (TChar<CharType>::IsDigit(*Str))
			{
				bHasDigit = true;
			}
			else
			{
				return false;
			}
		}
		return bHasDigit;
	}

	static const CharType* Spc(int32 NumSpaces)
	{
		static const std::basic_string<CharType> Spaces(256, CharType(' '));
		check(NumSpaces >= 0 && NumSpaces <= 256);
		return Spaces.c_str() + (256 - NumSpaces);
	}

	static const CharType* Tab(int32 NumTabs)
	{
		static const std::basic_string<CharType> Tabs(256, CharType('\t'));
		check(NumTabs >= 0 && NumTabs <= 256);
		return Tabs.c_str() + (256 - NumTabs);
	}

	static bool ToBool(const CharType* Str);
};

typedef TCString<TCHAR> FCString;
typedef TCString<WIDECHAR> FCStringWide;
typedef TCString<ANSICHAR> FCStringAnsi;

template<typename T>
bool TCString<T>::ToBool(const CharType* Str)
{
	static const CharType TrueWords[3][5] = { { 't', 'r', 'u', 'e', 0 }, { 'y', 'e', 's', 0 }, { 'o', 'n', 0 } };
	for (const CharType* Word : TrueWords)
	{
		if (Stricmp(Str, Word) == 0)
		{
			return true;
		}
	}
	return Atoi(Str) != 0;
}
