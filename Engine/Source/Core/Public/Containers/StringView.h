// FStringView: a non-owning view of TCHAR characters.
#pragma once

#include "CoreTypes.h"
#include "Misc/CString.h"

template<typename CharType>
class TStringView
{
public:
	typedef CharType ElementType;

	constexpr TStringView() = default;

	TStringView(const CharType* InData)
		: DataPtr(InData)
		, Size(InData ? TCString<CharType>::Strlen(InData) : 0)
	{
	}

	constexpr TStringView(const CharType* InData, int32 InSize)
		: DataPtr(InData)
		, Size(InSize)
	{
	}

	// Any contiguous range of CharType (FString among them) converts to a view.
	template<typename RangeType, typename = decltype(std::declval<const RangeType&>().Len()), typename = std::enable_if_t<std::is_same_v<std::remove_cv_t<std::remove_pointer_t<decltype(*std::declval<const RangeType&>())>>, CharType>>>
	TStringView(const RangeType& Range)
		: DataPtr(*Range)
		, Size(Range.Len())
	{
	}

	const CharType* GetData() const { return DataPtr; }
	int32 Len() const { return Size; }
	bool IsEmpty() const { return Size == 0; }
	const CharType& operator[](int32 Index) const
	{
		check(Index >= 0 && Index < Size);
		return DataPtr[Index];
	}
	const CharType* begin() const { return DataPtr; }
	const CharType* end() const { return DataPtr + Size; }

	TStringView Left(int32 Count) const { return TStringView(DataPtr, Count < 0 ? 0 : (Count < Size ? Count : Size)); }
	TStringView Mid(int32 Position, int32 Count = 0x7fffffff) const
	{
		const int32 Start = Position < 0 ? 0 : (Position < Size ? Position : Size);
		const int32 Available = Size - Start;
		return TStringView(DataPtr + Start, Count < 0 ? 0 : (Count < Available ? Count : Available));
	}

	bool Equals(TStringView Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		if (Size != Other.Size)
		{
			return false;
		}
		return SearchCase == ESearchCase::CaseSensitive
			? TCString<CharType>::Strncmp(DataPtr, Other.DataPtr, Size) == 0 || Size == 0
			: TCString<CharType>::Strnicmp(DataPtr, Other.DataPtr, Size) == 0 || Size == 0;
	}

private:
	const CharType* DataPtr = nullptr;
	int32 Size = 0;
};

typedef TStringView<TCHAR> FStringView;
typedef TStringView<WIDECHAR> FWideStringView;
typedef TStringView<ANSICHAR> FAnsiStringView;
typedef TStringView<UTF8CHAR> FUtf8StringView;
