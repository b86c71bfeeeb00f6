// Character classification and case mapping. Case mapping is ASCII-only and locale-independent, as in the engine.
#pragma once

#include "CoreTypes.h"

template<typename CharType>
struct TChar
{
	static constexpr CharType ToUpper(CharType Char)
	{
		return (uint32(Char) - 'a' < 26u) ? CharType(Char + ('A' - 'a')) : Char;
	}

	static constexpr CharType ToLower(CharType Char)
	{
		return (uint32(Char) - 'A' < 26u) ? CharType(Char + ('a' - 'A')) : Char;
	}

	static constexpr bool IsUpper(CharType Char) { return uint32(Char) - 'A' < 26u; }
	static constexpr bool IsLower(CharType Char) { return uint32(Char) - 'a' < 26u; }
	static constexpr bool IsAlpha(CharType Char) { return IsUpper(Char) || IsLower(Char); }
	static constexpr bool IsDigit(CharType Char) { return uint32(Char) - '0' < 10u; }
	static constexpr bool IsAlnum(CharType Char) { return IsAlpha(Char) || IsDigit(Char); }
	static constexpr bool IsOctDigit(CharType Char) { return uint32(Char) - '0' < 8u; }

	static constexpr bool IsHexDigit(CharType Char)
	{
		return IsDigit(Char) || uint32(Char) - 'a' < 6u || uint32(Char) - 'A' < 6u;
	}

	static constexpr bool IsWhitespace(CharType Char)
	{
		const uint32 Code = uint32(Char);
		return Code == ' ' || Code == '\t' || Code == '\n' || Code == '\r' || Code == '\v' || Code == '\f'
			|| Code == 0x85 || Code == 0xA0 || Code == 0x1680 || (Code >= 0x2000 && Code <= 0x200A)
			|| Code == 0x2028 || Code == 0x2029 || Code == 0x202F || Code == 0x205F || Code == 0x3000;
	}

	static constexpr bool IsLinebreak(CharType Char)
	{
		const uint32 Code = uint32(Char);
		return Code == '\n' || Code == '\r' || Code == '\v' || Code == '\f' || Code == 0x85 || Code == 0x2028 || Code == 0x2029;
	}

	static constexpr bool IsPunct(CharType Char)
	{
		const uint32 Code = uint32(Char);
		return (Code >= 33 && Code <= 47) || (Code >= 58 && Code <= 64) || (Code >= 91 && Code <= 96) || (Code >= 123 && Code <= 126);
	}

	static constexpr bool IsPrint(CharType Char)
	{
		return uint32(Char) >= 32 && uint32(Char) != 127;
	}

	static constexpr bool IsIdentifier(CharType Char)
	{
		return IsAlnum(Char) || Char == CharType('_');
	}

	static constexpr int32 ConvertCharDigitToInt(CharType Char)
	{
		return int32(Char) - int32('0');
	}

	static constexpr uint32 ToUnsigned(CharType Char)
	{
		return uint32(Char);
	}
};

typedef TChar<TCHAR> FChar;
typedef TChar<WIDECHAR> FCharWide;
typedef TChar<ANSICHAR> FCharAnsi;
