// FString and the Lex conversions.

#include "Containers/UnrealString.h"
#include "Containers/StringConv.h"
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace
{
	bool CharsEqual(TCHAR A, TCHAR B, ESearchCase::Type SearchCase)
	{
		return SearchCase == ESearchCase::CaseSensitive ? A == B : FChar::ToLower(A) == FChar::ToLower(B);
	}

	bool MatchesAt(const std::u16string& Haystack, int32 Position, const TCHAR* Needle, int32 NeedleLen, ESearchCase::Type SearchCase)
	{
		if (Position < 0 || Position + NeedleLen > (int32)Haystack.size())
		{
			return false;
		}
		for (int32 Index = 0; Index < NeedleLen; ++Index)
		{
			if (!CharsEqual(Haystack[(SIZE_T)(Position + Index)], Needle[Index], SearchCase))
			{
				return false;
			}
		}
		return true;
	}

	int32 CompareStrings(const std::u16string& A, const std::u16string& B, ESearchCase::Type SearchCase)
	{
		const SIZE_T Common = A.size() < B.size() ? A.size() : B.size();
		for (SIZE_T Index = 0; Index < Common; ++Index)
		{
			const uint32 CharA = SearchCase == ESearchCase::CaseSensitive ? (uint32)A[Index] : (uint32)FChar::ToLower(A[Index]);
			const uint32 CharB = SearchCase == ESearchCase::CaseSensitive ? (uint32)B[Index] : (uint32)FChar::ToLower(B[Index]);
			if (CharA != CharB)
			{
				return CharA < CharB ? -1 : 1;
			}
		}
		return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
	}
}

FString::FString(const TCHAR* Str)
{
	if (Str)
	{
		Data = Str;
	}
}

FString::FString(const ANSICHAR* Str)
{
	// ANSI literals are widened byte by byte, as the engine converts ANSICHAR to TCHAR.
	for (; Str && *Str; ++Str)
	{
		Data.push_back((TCHAR)(uint8)*Str);
	}
}

FString::FString(const UTF8CHAR* Str)
{
	if (Str)
	{
		Data = UE::Core::Private::Utf8ToUtf16((const ANSICHAR*)Str, UE::Core::Private::CStrLen(Str));
	}
}

FString::FString(int32 InCount, const TCHAR* InSrc)
{
	checkf(InCount >= 0, TEXT("Negative string length %d"), InCount);
	if (InSrc && InCount > 0)
	{
		Data.assign(InSrc, (SIZE_T)InCount);
	}
}

FString::FString(int32 InCount, const ANSICHAR* InSrc)
{
	checkf(InCount >= 0, TEXT("Negative string length %d"), InCount);
	for (int32 Index = 0; InSrc && Index < InCount; ++Index)
	{
		Data.push_back((TCHAR)(uint8)InSrc[Index]);
	}
}

FString::FString(FStringView View)
{
	if (View.Len() > 0)
	{
		Data.assign(View.GetData(), (SIZE_T)View.Len());
	}
}

FString& FString::operator=(const TCHAR* Str)
{
	if (Str)
	{
		Data = Str;
	}
	else
	{
		Data.clear();
	}
	return *this;
}

void FString::Empty(int32 Slack)
{
	Data.clear();
	Data.shrink_to_fit();
	Data.reserve((SIZE_T)Slack);
}

void FString::Reset(int32 NewReservedSize)
{
	Data.clear();
	Data.reserve((SIZE_T)NewReservedSize);
}

void FString::Reserve(int32 CharacterCount)
{
	Data.reserve((SIZE_T)CharacterCount);
}

void FString::Shrink()
{
	Data.shrink_to_fit();
}

FString& FString::Append(const TCHAR* Text)
{
	if (Text)
	{
		Data += Text;
	}
	return *this;
}

FString& FString::Append(const TCHAR* Text, int32 Count)
{
	checkf(Count >= 0, TEXT("Negative append count %d"), Count);
	if (Text && Count > 0)
	{
		Data.append(Text, (SIZE_T)Count);
	}
	return *this;
}

FString& FString::Append(const FString& Text)
{
	Data += Text.Data;
	return *this;
}

FString& FString::AppendChar(TCHAR InChar)
{
	check(InChar != 0);
	Data.push_back(InChar);
	return *this;
}

void FString::InsertAt(int32 Index, TCHAR Character)
{
	checkf(Index >= 0 && Index <= Len(), TEXT("InsertAt index %d out of bounds for a string of length %d"), Index, Len());
	Data.insert((SIZE_T)Index, 1, Character);
}

void FString::InsertAt(int32 Index, const FString& Characters)
{
	checkf(Index >= 0 && Index <= Len(), TEXT("InsertAt index %d out of bounds for a string of length %d"), Index, Len());
	Data.insert((SIZE_T)Index, Characters.Data);
}

void FString::RemoveAt(int32 Index, int32 Count, bool bAllowShrinking)
{
	checkf(Index >= 0 && Count >= 0 && Index + Count <= Len(), TEXT("RemoveAt(%d, %d) out of bounds for a string of length %d"), Index, Count, Len());
	Data.erase((SIZE_T)Index, (SIZE_T)Count);
}

FString& FString::PathAppend(const TCHAR* Str, int32 StrLength)
{
	const bool bEndsWithSeparator = !Data.empty() && (Data.back() == u'/' || Data.back() == u'\\');
	if (StrLength == 0)
	{
		if (!Data.empty() && !bEndsWithSeparator)
		{
			Data.push_back(u'/');
		}
		return *this;
	}
	if (!Data.empty() && !bEndsWithSeparator && Str[0] != u'/')
	{
		Data.push_back(u'/');
	}
	Data.append(Str, (SIZE_T)StrLength);
	return *this;
}

bool FString::Equals(const FString& Other, ESearchCase::Type SearchCase) const
{
	return Data.size() == Other.Data.size() && CompareStrings(Data, Other.Data, SearchCase) == 0;
}

int32 FString::Compare(const FString& Other, ESearchCase::Type SearchCase) const
{
	return CompareStrings(Data, Other.Data, SearchCase);
}

bool FString::StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase) const
{
	const int32 PrefixLen = FCString::Strlen(InPrefix);
	return PrefixLen > 0 && MatchesAt(Data, 0, InPrefix, PrefixLen, SearchCase);
}

bool FString::StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase) const
{
	return InPrefix.Len() > 0 && MatchesAt(Data, 0, *InPrefix, InPrefix.Len(), SearchCase);
}

bool FString::EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase) const
{
	const int32 SuffixLen = FCString::Strlen(InSuffix);
	return SuffixLen > 0 && MatchesAt(Data, Len() - SuffixLen, InSuffix, SuffixLen, SearchCase);
}

bool FString::EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase) const
{
	return InSuffix.Len() > 0 && MatchesAt(Data, Len() - InSuffix.Len(), *InSuffix, InSuffix.Len(), SearchCase);
}

int32 FString::Find(const TCHAR* SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const
{
	if (!SubStr)
	{
		return INDEX_NONE;
	}
	const int32 SubLen = FCString::Strlen(SubStr);
	if (SearchDir == ESearchDir::FromStart)
	{
		int32 Start = 0;
		if (StartPosition != INDEX_NONE && Len() > 0)
		{
			Start = ClampSearchStart(StartPosition);
		}
		for (int32 Index = Start; Index + SubLen <= Len(); ++Index)
		{
			if (MatchesAt(Data, Index, SubStr, SubLen, SearchCase))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	// From the end: the match must finish at or before StartPosition.
	if (StartPosition == INDEX_NONE || StartPosition >= Len())
	{
		StartPosition = Len();
	}
	const int32 EffectiveLen = SubLen > 0 ? SubLen : 1;
	for (int32 Index = StartPosition - EffectiveLen; Index >= 0; --Index)
	{
		if (MatchesAt(Data, Index, SubStr, SubLen, SearchCase))
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 FString::ClampSearchStart(int32 Position) const
{
	return Position < 0 ? 0 : (Position > Len() - 1 ? Len() - 1 : Position);
}

int32 FString::Find(const FString& SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const
{
	return Find(*SubStr, SearchCase, SearchDir, StartPosition);
}

bool FString::Contains(const TCHAR* SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir) const
{
	return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
}

bool FString::Contains(const FString& SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir) const
{
	return Find(*SubStr, SearchCase, SearchDir) != INDEX_NONE;
}

bool FString::FindChar(TCHAR InChar, int32& Index) const
{
	const SIZE_T Found = Data.find(InChar);
	Index = Found == std::u16string::npos ? INDEX_NONE : (int32)Found;
	return Index != INDEX_NONE;
}

bool FString::FindLastChar(TCHAR InChar, int32& Index) const
{
	const SIZE_T Found = Data.rfind(InChar);
	Index = Found == std::u16string::npos ? INDEX_NONE : (int32)Found;
	return Index != INDEX_NONE;
}

FString FString::Left(int32 Count) const
{
	const int32 Clamped = Count < 0 ? 0 : (Count > Len() ? Len() : Count);
	return FString(Data.substr(0, (SIZE_T)Clamped));
}

FString FString::LeftChop(int32 Count) const
{
	return Left(Len() - (Count < 0 ? 0 : Count));
}

FString FString::Right(int32 Count) const
{
	const int32 Clamped = Count < 0 ? 0 : (Count > Len() ? Len() : Count);
	return FString(Data.substr((SIZE_T)(Len() - Clamped)));
}

FString FString::RightChop(int32 Count) const
{
	return Mid(Count < 0 ? 0 : Count);
}

FString FString::Mid(int32 Start, int32 Count) const
{
	int64 End = (int64)Start + (Count < 0 ? 0 : Count);
	const int32 ClampedStart = Start < 0 ? 0 : (Start > Len() ? Len() : Start);
	End = End < ClampedStart ? ClampedStart : (End > Len() ? Len() : End);
	return FString(Data.substr((SIZE_T)ClampedStart, (SIZE_T)(End - ClampedStart)));
}

bool FString::Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir) const
{
	const int32 Position = Find(InS, SearchCase, SearchDir);
	if (Position < 0)
	{
		return false;
	}
	// Copy first: an output may alias this string.
	const FString LeftPart = Left(Position);
	const FString RightPart = Mid(Position + InS.Len());
	if (LeftS)
	{
		*LeftS = LeftPart;
	}
	if (RightS)
	{
		*RightS = RightPart;
	}
	return true;
}

bool FString::RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase)
{
	if (!StartsWith(InPrefix, SearchCase))
	{
		return false;
	}
	Data.erase(0, (SIZE_T)FCString::Strlen(InPrefix));
	return true;
}

bool FString::RemoveFromStart(const FString& InPrefix, ESearchCase::Type SearchCase)
{
	return RemoveFromStart(*InPrefix, SearchCase);
}

bool FString::RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase)
{
	if (!EndsWith(InSuffix, SearchCase))
	{
		return false;
	}
	Data.resize(Data.size() - (SIZE_T)FCString::Strlen(InSuffix));
	return true;
}

bool FString::RemoveFromEnd(const FString& InSuffix, ESearchCase::Type SearchCase)
{
	return RemoveFromEnd(*InSuffix, SearchCase);
}

FString FString::ToUpper() const&
{
	FString Result(*this);
	Result.ToUpperInline();
	return Result;
}

FString FString::ToUpper() &&
{
	ToUpperInline();
	return MoveTemp(*this);
}

void FString::ToUpperInline()
{
	for (TCHAR& Char : Data)
	{
		Char = FChar::ToUpper(Char);
	}
}

FString FString::ToLower() const&
{
	FString Result(*this);
	Result.ToLowerInline();
	return Result;
}

FString FString::ToLower() &&
{
	ToLowerInline();
	return MoveTemp(*this);
}

void FString::ToLowerInline()
{
	for (TCHAR& Char : Data)
	{
		Char = FChar::ToLower(Char);
	}
}

void FString::TrimStartInline()
{
	SIZE_T Start = 0;
	while (Start < Data.size() && FChar::IsWhitespace(Data[Start]))
	{
		++Start;
	}
	Data.erase(0, Start);
}

void FString::TrimEndInline()
{
	SIZE_T End = Data.size();
	while (End > 0 && FChar::IsWhitespace(Data[End - 1]))
	{
		--End;
	}
	Data.resize(End);
}

void FString::TrimStartAndEndInline()
{
	TrimEndInline();
	TrimStartInline();
}

FString FString::TrimStart() const
{
	FString Result(*this);
	Result.TrimStartInline();
	return Result;
}

FString FString::TrimEnd() const
{
	FString Result(*this);
	Result.TrimEndInline();
	return Result;
}

FString FString::TrimStartAndEnd() const
{
	FString Result(*this);
	Result.TrimStartAndEndInline();
	return Result;
}

FString FString::TrimQuotes(bool* bQuotesRemoved) const
{
	return TrimChar(u'"', bQuotesRemoved);
}

FString FString::TrimChar(TCHAR CharacterToTrim, bool* bCharRemoved) const
{
	int32 Start = 0;
	int32 Count = Len();
	bool bRemoved = false;
	if (Count > 0 && Data.front() == CharacterToTrim)
	{
		++Start;
		--Count;
		bRemoved = true;
	}
	if (Len() >= 2 && Data.back() == CharacterToTrim)
	{
		--Count;
		bRemoved = true;
	}
	if (bCharRemoved)
	{
		*bCharRemoved = bRemoved;
	}
	return Mid(Start, Count);
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) const
{
	FString Result(*this);
	Result.ReplaceInline(From, To, SearchCase);
	return Result;
}

int32 FString::ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText, ESearchCase::Type SearchCase)
{
	const int32 SearchLen = FCString::Strlen(SearchText);
	if (SearchLen == 0 || IsEmpty())
	{
		return 0;
	}
	const std::u16string Replacement = ReplacementText ? ReplacementText : u"";
	std::u16string Result;
	int32 NumReplaced = 0;
	int32 Index = 0;
	while (Index < Len())
	{
		if (MatchesAt(Data, Index, SearchText, SearchLen, SearchCase))
		{
			Result += Replacement;
			Index += SearchLen;
			++NumReplaced;
		}
		else
		{
			Result.push_back(Data[(SIZE_T)Index]);
			++Index;
		}
	}
	Data = MoveTemp(Result);
	return NumReplaced;
}

void FString::ReplaceCharInline(TCHAR SearchChar, TCHAR ReplacementChar, ESearchCase::Type SearchCase)
{
	for (TCHAR& Char : Data)
	{
		if (CharsEqual(Char, SearchChar, SearchCase))
		{
			Char = ReplacementChar;
		}
	}
}

FString FString::Reverse() const
{
	return FString(std::u16string(Data.rbegin(), Data.rend()));
}

void FString::ReverseString()
{
	Data = std::u16string(Data.rbegin(), Data.rend());
}

FString FString::LeftPad(int32 ChCount) const
{
	const int32 Pad = ChCount - Len();
	return Pad > 0 ? ChrN(Pad, u' ') + *this : *this;
}

FString FString::RightPad(int32 ChCount) const
{
	const int32 Pad = ChCount - Len();
	return Pad > 0 ? *this + ChrN(Pad, u' ') : *this;
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delim, bool bCullEmpty) const
{
	checkf(Delim && *Delim, TEXT("ParseIntoArray needs a non-empty delimiter"));
	return ParseIntoArray(OutArray, &Delim, 1, bCullEmpty);
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims, bool bCullEmpty) const
{
	OutArray.Reset();
	int32 SegmentStart = 0;
	int32 Index = 0;
	auto AddSegment = [&](int32 End) {
		if (!bCullEmpty || End > SegmentStart)
		{
			OutArray.Add(FString(Data.substr((SIZE_T)SegmentStart, (SIZE_T)(End - SegmentStart))));
		}
	};
	while (Index < Len())
	{
		int32 MatchedLen = 0;
		for (int32 DelimIndex = 0; DelimIndex < NumDelims; ++DelimIndex)
		{
			const int32 DelimLen = FCString::Strlen(DelimArray[DelimIndex]);
			if (DelimLen > 0 && MatchesAt(Data, Index, DelimArray[DelimIndex], DelimLen, ESearchCase::CaseSensitive))
			{
				MatchedLen = DelimLen;
				break;
			}
		}
		if (MatchedLen > 0)
		{
			AddSegment(Index);
			Index += MatchedLen;
			SegmentStart = Index;
		}
		else
		{
			++Index;
		}
	}
	if (SegmentStart < Len() || (!bCullEmpty && Len() > 0))
	{
		AddSegment(Len());
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* ExtraDelim, bool bCullEmpty) const
{
	const TCHAR* Delims[] = { TEXT(" "), TEXT("\t"), TEXT("\r"), TEXT("\n"), ExtraDelim ? ExtraDelim : TEXT("") };
	return ParseIntoArray(OutArray, Delims, (ExtraDelim && *ExtraDelim) ? 5 : 4, bCullEmpty);
}

int32 FString::ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty) const
{
	const TCHAR* Delims[] = { TEXT("\r\n"), TEXT("\r"), TEXT("\n") };
	return ParseIntoArray(OutArray, Delims, 3, bCullEmpty);
}

bool FString::IsNumeric() const
{
	return !IsEmpty() && FCString::IsNumeric(**this);
}

bool FString::ToBool() const
{
	return FCString::ToBool(**this);
}

FString FString::FromInt(int32 Num)
{
	return Printf(TEXT("%d"), Num);
}

FString FString::Chr(TCHAR Ch)
{
	return FString(std::u16string(1, Ch));
}

FString FString::ReplaceCharWithEscapedChar(const TArray<TCHAR>* Chars) const
{
	static const TCHAR Plain[] = { TEXT('\\'), TEXT('\n'), TEXT('\r'), TEXT('\t'), TEXT('\''), TEXT('"') };
	static const TCHAR Spelled[] = { TEXT('\\'), TEXT('n'), TEXT('r'), TEXT('t'), TEXT('\''), TEXT('"') };
	FString Result;
	Result.Reserve(Len());
	for (const TCHAR Char : Data)
	{
		int32 Which = INDEX_NONE;
		for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Plain); ++Index)
		{
			if (Char == Plain[Index] && (Chars == nullptr || Chars->Contains(Char)))
			{
				Which = Index;
			}
		}
		if (Which != INDEX_NONE)
		{
			Result.AppendChar(TEXT('\\'));
			Result.AppendChar(Spelled[Which]);
		}
		else
		{
			Result.AppendChar(Char);
		}
	}
	return Result;
}

FString FString::ChrN(int32 NumCharacters, TCHAR Char)
{
	return FString(std::u16string((SIZE_T)(NumCharacters > 0 ? NumCharacters : 0), Char));
}

FString FString::SanitizeFloat(double InFloat, const int32 InMinFractionalDigits)
{
	// Negative zero prints as zero.
	if (InFloat == 0.0)
	{
		InFloat = 0.0;
	}
	FString Result = Printf(TEXT("%f"), InFloat);
	if (!Result.IsNumeric())
	{
		// "inf", "nan" and the like are returned as printed.
		return Result;
	}

	int32 DotIndex = INDEX_NONE;
	Result.FindChar(u'.', DotIndex);
	if (DotIndex != INDEX_NONE)
	{
		int32 End = Result.Len();
		while (End > DotIndex + 1 && Result[End - 1] == u'0')
		{
			--End;
		}
		if (End == DotIndex + 1)
		{
			End = DotIndex;
		}
		Result.Data.resize((SIZE_T)End);
	}

	if (InMinFractionalDigits > 0)
	{
		int32 FractionalDigits = 0;
		if (!Result.FindChar(u'.', DotIndex))
		{
			Result.AppendChar(u'.');
		}
		else
		{
			FractionalDigits = Result.Len() - DotIndex - 1;
		}
		for (; FractionalDigits < InMinFractionalDigits; ++FractionalDigits)
		{
			Result.AppendChar(u'0');
		}
	}
	return Result;
}

FString FString::FormatAsNumber(int32 InNumber)
{
	FString Number = FromInt(InNumber < 0 ? -InNumber : InNumber);
	FString Result;
	const int32 NumDigits = Number.Len();
	for (int32 Index = 0; Index < NumDigits; ++Index)
	{
		if (Index > 0 && (NumDigits - Index) % 3 == 0)
		{
			Result.AppendChar(u',');
		}
		Result.AppendChar(Number[Index]);
	}
	return InNumber < 0 ? TEXT("-") + Result : Result;
}

bool operator==(const FString& Lhs, const FString& Rhs)
{
	return Lhs.Equals(Rhs, ESearchCase::IgnoreCase);
}

bool operator==(const FString& Lhs, const TCHAR* Rhs)
{
	return FCString::Stricmp(*Lhs, Rhs ? Rhs : TEXT("")) == 0 && (Lhs.Len() == FCString::Strlen(Rhs));
}

bool operator==(const TCHAR* Lhs, const FString& Rhs)
{
	return Rhs == Lhs;
}

bool operator!=(const FString& Lhs, const FString& Rhs)
{
	return !(Lhs == Rhs);
}

bool operator!=(const FString& Lhs, const TCHAR* Rhs)
{
	return !(Lhs == Rhs);
}

bool operator!=(const TCHAR* Lhs, const FString& Rhs)
{
	return !(Rhs == Lhs);
}

bool operator<(const FString& Lhs, const FString& Rhs)
{
	return Lhs.Compare(Rhs, ESearchCase::IgnoreCase) < 0;
}

bool operator<(const FString& Lhs, const TCHAR* Rhs)
{
	return Lhs.Compare(FString(Rhs), ESearchCase::IgnoreCase) < 0;
}

bool operator>(const FString& Lhs, const FString& Rhs)
{
	return Lhs.Compare(Rhs, ESearchCase::IgnoreCase) > 0;
}

bool operator<=(const FString& Lhs, const FString& Rhs)
{
	return Lhs.Compare(Rhs, ESearchCase::IgnoreCase) <= 0;
}

bool operator>=(const FString& Lhs, const FString& Rhs)
{
	return Lhs.Compare(Rhs, ESearchCase::IgnoreCase) >= 0;
}

FString operator+(const FString& Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	Result += Rhs;
	return Result;
}

FString operator+(FString&& Lhs, const FString& Rhs)
{
	Lhs += Rhs;
	return MoveTemp(Lhs);
}

FString operator+(const FString& Lhs, const TCHAR* Rhs)
{
	FString Result(Lhs);
	Result += Rhs;
	return Result;
}

FString operator+(FString&& Lhs, const TCHAR* Rhs)
{
	Lhs += Rhs;
	return MoveTemp(Lhs);
}

FString operator+(const TCHAR* Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	Result += Rhs;
	return Result;
}

FString operator+(const FString& Lhs, TCHAR Rhs)
{
	FString Result(Lhs);
	Result.AppendChar(Rhs);
	return Result;
}

FString operator/(const FString& Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	Result /= Rhs;
	return Result;
}

FString operator/(const FString& Lhs, const TCHAR* Rhs)
{
	FString Result(Lhs);
	Result /= Rhs;
	return Result;
}

FString operator/(const TCHAR* Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	Result /= Rhs;
	return Result;
}

uint32 GetTypeHash(const FString& S)
{
	return FCrc::Strihash_DEPRECATED(S.Len(), *S);
}

FString LexToString(int32 Value) { return FString::Printf(TEXT("%d"), Value); }
FString LexToString(uint32 Value) { return FString::Printf(TEXT("%u"), Value); }
FString LexToString(int64 Value) { return FString::Printf(TEXT("%lld"), Value); }
FString LexToString(uint64 Value) { return FString::Printf(TEXT("%llu"), Value); }
FString LexToString(int8 Value) { return FString::Printf(TEXT("%d"), (int32)Value); }
FString LexToString(uint8 Value) { return FString::Printf(TEXT("%u"), (uint32)Value); }
FString LexToString(int16 Value) { return FString::Printf(TEXT("%d"), (int32)Value); }
FString LexToString(uint16 Value) { return FString::Printf(TEXT("%u"), (uint32)Value); }
FString LexToString(float Value) { return FString::Printf(TEXT("%f"), Value); }
FString LexToString(double Value) { return FString::Printf(TEXT("%f"), Value); }
FString LexToString(bool Value) { return Value ? TEXT("true") : TEXT("false"); }
FString LexToString(const TCHAR* Value) { return FString(Value); }
FString LexToSanitizedString(float Value) { return FString::SanitizeFloat(Value); }
FString LexToSanitizedString(double Value) { return FString::SanitizeFloat(Value); }

void LexFromString(int8& OutValue, const TCHAR* Buffer) { OutValue = (int8)FCString::Atoi(Buffer); }
void LexFromString(int16& OutValue, const TCHAR* Buffer) { OutValue = (int16)FCString::Atoi(Buffer); }
void LexFromString(int32& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atoi(Buffer); }
void LexFromString(int64& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atoi64(Buffer); }
void LexFromString(uint8& OutValue, const TCHAR* Buffer) { OutValue = (uint8)FCString::Atoi(Buffer); }
void LexFromString(uint16& OutValue, const TCHAR* Buffer) { OutValue = (uint16)FCString::Atoi(Buffer); }
void LexFromString(uint32& OutValue, const TCHAR* Buffer) { OutValue = (uint32)FCString::Atoi64(Buffer); }
void LexFromString(uint64& OutValue, const TCHAR* Buffer) { OutValue = FCString::Strtoui64(Buffer, nullptr, 10); }
void LexFromString(float& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atof(Buffer); }
void LexFromString(double& OutValue, const TCHAR* Buffer) { OutValue = FCString::Atod(Buffer); }
void LexFromString(bool& OutValue, const TCHAR* Buffer) { OutValue = FCString::ToBool(Buffer); }
void LexFromString(FString& OutValue, const TCHAR* Buffer) { OutValue = Buffer; }

namespace
{
	/** The trimmed text, or nothing if it has characters a number cannot have. */
	bool NarrowTrimmed(const TCHAR* Buffer, std::string& Out)
	{
		const FString Trimmed = FString(Buffer).TrimStartAndEnd();
		for (TCHAR Char : Trimmed)
		{
			if ((uint32)Char > 127)
			{
				return false;
			}
			Out.push_back((char)Char);
		}
		return !Out.empty();
	}

	template<typename IntType>
	bool TryParseInteger(IntType& OutValue, const TCHAR* Buffer)
	{
		std::string Narrow;
		if (!NarrowTrimmed(Buffer, Narrow))
		{
			return false;
		}
		errno = 0;
		char* End = nullptr;
		const long long Value = std::strtoll(Narrow.c_str(), &End, 10);
		if (errno != 0 || *End != 0 || Value < (long long)std::numeric_limits<IntType>::min() || Value > (long long)std::numeric_limits<IntType>::max())
		{
			return false;
		}
		OutValue = (IntType)Value;
		return true;
	}

	template<typename FloatType>
	bool TryParseFloat(FloatType& OutValue, const TCHAR* Buffer)
	{
		std::string Narrow;
		if (!NarrowTrimmed(Buffer, Narrow))
		{
			return false;
		}
		// The engine accepts a trailing 'f' as written in C++ literals.
		if (Narrow.size() > 1 && (Narrow.back() == 'f' || Narrow.back() == 'F') && Narrow.find_first_of("xX") == std::string::npos)
		{
			Narrow.pop_back();
		}
		char* End = nullptr;
		const double Value = std::strtod(Narrow.c_str(), &End);
		if (*End != 0)
		{
			return false;
		}
		OutValue = (FloatType)Value;
		return true;
	}
}

bool LexTryParseString(int32& OutValue, const TCHAR* Buffer) { return TryParseInteger(OutValue, Buffer); }
bool LexTryParseString(int64& OutValue, const TCHAR* Buffer) { return TryParseInteger(OutValue, Buffer); }
bool LexTryParseString(uint32& OutValue, const TCHAR* Buffer) { return TryParseInteger(OutValue, Buffer); }
bool LexTryParseString(float& OutValue, const TCHAR* Buffer) { return TryParseFloat(OutValue, Buffer); }
bool LexTryParseString(double& OutValue, const TCHAR* Buffer) { return TryParseFloat(OutValue, Buffer); }

bool LexTryParseString(bool& OutValue, const TCHAR* Buffer)
{
	const FString Trimmed = FString(Buffer).TrimStartAndEnd();
	if (Trimmed == TEXT("true") || Trimmed == TEXT("yes") || Trimmed == TEXT("on") || Trimmed == TEXT("1"))
	{
		OutValue = true;
		return true;
	}
	if (Trimmed == TEXT("false") || Trimmed == TEXT("no") || Trimmed == TEXT("off") || Trimmed == TEXT("0"))
	{
		OutValue = false;
		return true;
	}
	return false;
}
