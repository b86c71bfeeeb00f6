// FString: the engine's mutable TCHAR string. Comparison operators ignore case, as in the engine.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/StringView.h"
#include "Misc/CString.h"
#include "Misc/Crc.h"
#include "Misc/VarArgs.h"
#include "Templates/TypeHash.h"
#include <string>

class CORE_API FString
{
public:
	typedef TCHAR ElementType;

	FString() = default;
	FString(const FString&) = default;
	FString(FString&&) noexcept = default;
	FString& operator=(const FString&) = default;
	FString& operator=(FString&&) noexcept = default;

	FString(const TCHAR* Str);
	FString(const ANSICHAR* Str);
	FString(const UTF8CHAR* Str);
	FString(int32 InCount, const TCHAR* InSrc);
	FString(int32 InCount, const ANSICHAR* InSrc);
	explicit FString(FStringView View);
	explicit FString(const std::u16string& Str)
		: Data(Str)
	{
	}
	explicit FString(std::u16string&& Str)
		: Data(MoveTemp(Str))
	{
	}

	FString& operator=(const TCHAR* Str);

	// Access

	const TCHAR* operator*() const { return Data.c_str(); }
	int32 Len() const { return (int32)Data.size(); }
	bool IsEmpty() const { return Data.empty(); }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Len(); }

	TCHAR& operator[](int32 Index)
	{
		checkf(Index >= 0 && Index <= Len(), TEXT("String index out of bounds: Index %d from a string with a length of %d"), Index, Len());
		return Data[(SIZE_T)Index];
	}

	const TCHAR& operator[](int32 Index) const
	{
		checkf(Index >= 0 && Index <= Len(), TEXT("String index out of bounds: Index %d from a string with a length of %d"), Index, Len());
		return Data.c_str()[Index];
	}

	/** The underlying std string; for the stand-in's own code. */
	const std::u16string& GetStdString() const { return Data; }

	void Empty(int32 Slack = 0);
	void Reset(int32 NewReservedSize = 0);
	void Reserve(int32 CharacterCount);
	void Shrink();

	// Appending

	FString& Append(const TCHAR* Text);
	FString& Append(const TCHAR* Text, int32 Count);
	FString& Append(const FString& Text);
	FString& AppendChar(TCHAR InChar);
	FString& AppendChars(const TCHAR* Text, int32 Count) { return Append(Text, Count); }
	FString& operator+=(const TCHAR* Str) { return Append(Str); }
	FString& operator+=(const FString& Str) { return Append(Str); }
	FString& operator+=(TCHAR InChar) { return AppendChar(InChar); }
	FString& operator+=(FStringView View) { return Append(View.GetData(), View.Len()); }
	void InsertAt(int32 Index, TCHAR Character);
	void InsertAt(int32 Index, const FString& Characters);
	void RemoveAt(int32 Index, int32 Count = 1, bool bAllowShrinking = true);

	/** Joins a path segment with a single '/'. */
	FString& PathAppend(const TCHAR* Str, int32 StrLength);
	FString& operator/=(const TCHAR* Str) { return PathAppend(Str, FCString::Strlen(Str)); }
	FString& operator/=(const FString& Str) { return PathAppend(*Str, Str.Len()); }

	// Comparison

	bool Equals(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;
	int32 Compare(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;

	// Searching (case is ignored unless asked for, as in the engine)

	bool StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	int32 Find(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	int32 Find(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	bool Contains(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const;
	bool Contains(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const;
	bool FindChar(TCHAR InChar, int32& Index) const;
	bool FindLastChar(TCHAR InChar, int32& Index) const;

	template<typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred, int32 Count) const
	{
		for (int32 Index = (Count < Len() ? Count : Len()) - 1; Index >= 0; --Index)
		{
			if (Pred(Data[(SIZE_T)Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template<typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred) const
	{
		return FindLastCharByPredicate(Pred, Len());
	}

	// Substrings

	FString Left(int32 Count) const;
	FString LeftChop(int32 Count) const;
	FString Right(int32 Count) const;
	FString RightChop(int32 Count) const;
	FString Mid(int32 Start, int32 Count = 0x7fffffff) const;
	void LeftInline(int32 Count, bool bAllowShrinking = true) { *this = Left(Count); }
	void LeftChopInline(int32 Count, bool bAllowShrinking = true) { *this = LeftChop(Count); }
	void RightInline(int32 Count, bool bAllowShrinking = true) { *this = Right(Count); }
	void RightChopInline(int32 Count, bool bAllowShrinking = true) { *this = RightChop(Count); }
	void MidInline(int32 Start, int32 Count = 0x7fffffff, bool bAllowShrinking = true) { *this = Mid(Start, Count); }

	bool Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const;

	bool RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromStart(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	// Transforming

	FString ToUpper() const&;
	FString ToUpper() &&;
	void ToUpperInline();
	FString ToLower() const&;
	FString ToLower() &&;
	void ToLowerInline();
	FString TrimStart() const;
	FString TrimEnd() const;
	FString TrimStartAndEnd() const;
	void TrimStartInline();
	void TrimEndInline();
	void TrimStartAndEndInline();
	FString TrimQuotes(bool* bQuotesRemoved = nullptr) const;
	FString TrimChar(TCHAR CharacterToTrim, bool* bCharRemoved = nullptr) const;
	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	int32 ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	void ReplaceCharInline(TCHAR SearchChar, TCHAR ReplacementChar, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	/** Spells backslash, newline, carriage return, tab and both quotes as escapes (only those in Chars, if given). */
	FString ReplaceCharWithEscapedChar(const TArray<TCHAR>* Chars = nullptr) const;
	FString Reverse() const;
	void ReverseString();
	FString LeftPad(int32 ChCount) const;
	FString RightPad(int32 ChCount) const;

	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delim, bool bCullEmpty = true) const;
	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims, bool bCullEmpty = true) const;
	int32 ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* ExtraDelim = nullptr, bool bCullEmpty = true) const;
	int32 ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty = true) const;

	bool IsNumeric() const;
	bool ToBool() const;

	// Construction helpers

	template<typename FmtType, typename... Types>
	static FString Printf(const FmtType& Fmt, Types... Args)
	{
		return FString(UE::Core::Private::FormatPrintfToStd((const TCHAR*)Fmt, Args...));
	}

	static FString FromInt(int32 Num);
	static FString Chr(TCHAR Ch);
	static FString ChrN(int32 NumCharacters, TCHAR Char);

	/** Prints a float with the fewest digits that keep at least InMinFractionalDigits after the point. */
	static FString SanitizeFloat(double InFloat, const int32 InMinFractionalDigits = 1);

	static FString FormatAsNumber(int32 InNumber);

	template<typename RangeType>
	static FString Join(const RangeType& Range, const TCHAR* Separator)
	{
		FString Result;
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				Result += Separator;
			}
			bFirst = false;
			Result += Element;
		}
		return Result;
	}

	template<typename RangeType, typename ProjectionType>
	static FString JoinBy(const RangeType& Range, const TCHAR* Separator, ProjectionType Proj)
	{
		FString Result;
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				Result += Separator;
			}
			bFirst = false;
			Result += Proj(Element);
		}
		return Result;
	}

	// Iteration over characters

	TCHAR* begin() { return Data.data(); }
	TCHAR* end() { return Data.data() + Data.size(); }
	const TCHAR* begin() const { return Data.data(); }
	const TCHAR* end() const { return Data.data() + Data.size(); }

private:
	int32 ClampSearchStart(int32 Position) const;

	std::u16string Data;
};

// Equality and ordering ignore case, as the engine's operators do; use Equals for a case-sensitive test.
CORE_API bool operator==(const FString& Lhs, const FString& Rhs);
CORE_API bool operator==(const FString& Lhs, const TCHAR* Rhs);
CORE_API bool operator==(const TCHAR* Lhs, const FString& Rhs);
CORE_API bool operator!=(const FString& Lhs, const FString& Rhs);
CORE_API bool operator!=(const FString& Lhs, const TCHAR* Rhs);
CORE_API bool operator!=(const TCHAR* Lhs, const FString& Rhs);
CORE_API bool operator<(const FString& Lhs, const FString& Rhs);
CORE_API bool operator<(const FString& Lhs, const TCHAR* Rhs);
CORE_API bool operator>(const FString& Lhs, const FString& Rhs);
CORE_API bool operator<=(const FString& Lhs, const FString& Rhs);
CORE_API bool operator>=(const FString& Lhs, const FString& Rhs);

CORE_API FString operator+(const FString& Lhs, const FString& Rhs);
CORE_API FString operator+(FString&& Lhs, const FString& Rhs);
CORE_API FString operator+(const FString& Lhs, const TCHAR* Rhs);
CORE_API FString operator+(FString&& Lhs, const TCHAR* Rhs);
CORE_API FString operator+(const TCHAR* Lhs, const FString& Rhs);
CORE_API FString operator+(const FString& Lhs, TCHAR Rhs);
CORE_API FString operator/(const FString& Lhs, const FString& Rhs);
CORE_API FString operator/(const FString& Lhs, const TCHAR* Rhs);
CORE_API FString operator/(const TCHAR* Lhs, const FString& Rhs);

/** Case-insensitive, consistent with FString's operator==. */
CORE_API uint32 GetTypeHash(const FString& S);

// Lexical conversions between values and strings.

CORE_API FString LexToString(int32 Value);
CORE_API FString LexToString(uint32 Value);
CORE_API FString LexToString(int64 Value);
CORE_API FString LexToString(uint64 Value);
CORE_API FString LexToString(int8 Value);
CORE_API FString LexToString(uint8 Value);
CORE_API FString LexToString(int16 Value);
CORE_API FString LexToString(uint16 Value);
CORE_API FString LexToString(float Value);
CORE_API FString LexToString(double Value);
CORE_API FString LexToString(bool Value);
CORE_API FString LexToString(const TCHAR* Value);
inline const FString& LexToString(const FString& Value) { return Value; }
inline FString LexToString(FString&& Value) { return MoveTemp(Value); }
CORE_API FString LexToSanitizedString(float Value);
CORE_API FString LexToSanitizedString(double Value);

CORE_API void LexFromString(int8& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(int16& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(int32& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(int64& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint8& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint16& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint32& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint64& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(float& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(double& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(bool& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(FString& OutValue, const TCHAR* Buffer);

/** Parses the whole string as a number; false (and OutValue untouched) if it is not one. */
CORE_API bool LexTryParseString(int32& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(int64& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(uint32& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(float& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(double& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(bool& OutValue, const TCHAR* Buffer);

/** Character-count helpers the engine exposes for TCHAR strings. */
inline int32 GetNum(const FString& String)
{
	return String.Len();
}

inline const TCHAR* GetData(const FString& String)
{
	return *String;
}
