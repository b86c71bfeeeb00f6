// Conversions between TCHAR (UTF-16) and UTF-8/ANSI text: StringCast, TCHAR_TO_UTF8 and friends.
#pragma once

#include "CoreTypes.h"
#include <string>

namespace UE::Core::Private
{
	/** UTF-16 to UTF-8; unpaired surrogates become U+FFFD. */
	CORE_API std::string Utf16ToUtf8(const TCHAR* Source, int32 SourceLen);

	/** UTF-8 to UTF-16; malformed sequences become U+FFFD. */
	CORE_API std::u16string Utf8ToUtf16(const ANSICHAR* Source, int32 SourceLen);

	inline int32 CStrLen(const TCHAR* S)
	{
		int32 N = 0;
		while (S && S[N])
		{
			++N;
		}
		return N;
	}
	inline int32 CStrLen(const ANSICHAR* S)
	{
		int32 N = 0;
		while (S && S[N])
		{
			++N;
		}
		return N;
	}
	inline int32 CStrLen(const UTF8CHAR* S)
	{
		int32 N = 0;
		while (S && S[N])
		{
			++N;
		}
		return N;
	}
}

/** Holds a converted copy for the lifetime of the expression that uses it, as the engine's converters do. */
class FTCHARToUTF8
{
public:
	explicit FTCHARToUTF8(const TCHAR* Source)
		: Converted(UE::Core::Private::Utf16ToUtf8(Source, UE::Core::Private::CStrLen(Source)))
	{
	}

	FTCHARToUTF8(const TCHAR* Source, int32 SourceLen)
		: Converted(UE::Core::Private::Utf16ToUtf8(Source, SourceLen))
	{
	}

	const ANSICHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return (int32)Converted.size(); }

private:
	std::string Converted;
};

class FUTF8ToTCHAR
{
public:
	explicit FUTF8ToTCHAR(const ANSICHAR* Source)
		: Converted(UE::Core::Private::Utf8ToUtf16(Source, UE::Core::Private::CStrLen(Source)))
	{
	}

	explicit FUTF8ToTCHAR(const UTF8CHAR* Source)
		: Converted(UE::Core::Private::Utf8ToUtf16((const ANSICHAR*)Source, UE::Core::Private::CStrLen(Source)))
	{
	}

	FUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLen)
		: Converted(UE::Core::Private::Utf8ToUtf16(Source, SourceLen))
	{
	}

	const TCHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return (int32)Converted.size(); }

private:
	std::u16string Converted;
};

/** ANSI here means 7-bit text; anything wider is replaced by '?', as the engine does on this platform. */
class FTCHARToANSI
{
public:
	explicit FTCHARToANSI(const TCHAR* Source)
	{
		for (; Source && *Source; ++Source)
		{
			Converted.push_back(uint32(*Source) < 128 ? (ANSICHAR)*Source : '?');
		}
	}

	const ANSICHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return (int32)Converted.size(); }

private:
	std::string Converted;
};

class FANSIToTCHAR
{
public:
	explicit FANSIToTCHAR(const ANSICHAR* Source)
	{
		for (; Source && *Source; ++Source)
		{
			Converted.push_back((TCHAR)(uint8)*Source);
		}
	}

	const TCHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return (int32)Converted.size(); }

private:
	std::u16string Converted;
};

class FTCHARToTCHAR
{
public:
	explicit FTCHARToTCHAR(const TCHAR* Source)
		: Ptr(Source)
		, Len(UE::Core::Private::CStrLen(Source))
	{
	}
	FTCHARToTCHAR(const TCHAR* Source, int32 SourceLen)
		: Ptr(Source)
		, Len(SourceLen)
	{
	}
	const TCHAR* Get() const { return Ptr; }
	int32 Length() const { return Len; }

private:
	const TCHAR* Ptr;
	int32 Len;
};

typedef FTCHARToUTF8 FTCHARToUTF8_Convert;

template<typename ToType> struct TStringCastSelector;

/** StringCast<ToType>(From): UTF8CHAR/ANSICHAR targets get UTF-8, TCHAR targets decode UTF-8. */
template<typename ToType>
auto StringCast(const TCHAR* Str)
{
	if constexpr (std::is_same_v<ToType, TCHAR>)
	{
		return FTCHARToTCHAR(Str);
	}
	else
	{
		static_assert(std::is_same_v<ToType, ANSICHAR> || std::is_same_v<ToType, UTF8CHAR>, "StringCast from TCHAR supports TCHAR, ANSICHAR and UTF8CHAR");
		return FTCHARToUTF8(Str);
	}
}

template<typename ToType>
auto StringCast(const TCHAR* Str, int32 Len)
{
	if constexpr (std::is_same_v<ToType, TCHAR>)
	{
		return FTCHARToTCHAR(Str, Len);
	}
	else
	{
		return FTCHARToUTF8(Str, Len);
	}
}

template<typename ToType>
auto StringCast(const ANSICHAR* Str)
{
	static_assert(std::is_same_v<ToType, TCHAR>, "StringCast from ANSICHAR supports TCHAR");
	return FUTF8ToTCHAR(Str);
}

template<typename ToType>
auto StringCast(const ANSICHAR* Str, int32 Len)
{
	static_assert(std::is_same_v<ToType, TCHAR>, "StringCast from ANSICHAR supports TCHAR");
	return FUTF8ToTCHAR(Str, Len);
}

template<typename ToType>
auto StringCast(const UTF8CHAR* Str)
{
	static_assert(std::is_same_v<ToType, TCHAR>, "StringCast from UTF8CHAR supports TCHAR");
	return FUTF8ToTCHAR(Str);
}

#define TCHAR_TO_UTF8(str) (ANSICHAR*)FTCHARToUTF8((const TCHAR*)(str)).Get()
#define UTF8_TO_TCHAR(str) (TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(str)).Get()
#define TCHAR_TO_ANSI(str) (ANSICHAR*)FTCHARToANSI((const TCHAR*)(str)).Get()
#define ANSI_TO_TCHAR(str) (TCHAR*)FANSIToTCHAR((const ANSICHAR*)(str)).Get()
