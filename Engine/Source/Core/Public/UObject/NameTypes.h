// FName: an interned, case-insensitive name with an optional number suffix ("Cube_3").
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/StringView.h"
#include "Templates/TypeHash.h"
#include "UObject/UnrealNames.h"

/** Whether constructing an FName may add a new entry to the name table. */
enum EFindName
{
	FNAME_Find,
	FNAME_Add,
};

/** Maximum size of a name, including the null terminator; a longer name fails a check when it is made. */
#define NAME_SIZE 1024

/** Characters an object's name may not hold: they delimit paths and the text form of references. */
#define INVALID_OBJECTNAME_CHARACTERS TEXT("\"' ,/.:|&!~\n\r\t@#(){}[]=;^%$`")

// Internal numbers are the displayed number plus one; zero means "no number".
#define NAME_NO_NUMBER_INTERNAL 0
#define NAME_EXTERNAL_TO_INTERNAL(x) ((x) + 1)
#define NAME_INTERNAL_TO_EXTERNAL(x) ((x)-1)
#define NAME_NO_NUMBER NAME_INTERNAL_TO_EXTERNAL(NAME_NO_NUMBER_INTERNAL)

/** Index of a name table entry. */
struct FNameEntryId
{
	uint32 Value = 0;

	bool IsNone() const { return Value == 0; }
	bool operator==(FNameEntryId Other) const { return Value == Other.Value; }
	bool operator!=(FNameEntryId Other) const { return Value != Other.Value; }
	uint32 ToUnstableInt() const { return Value; }
};

class CORE_API FName
{
public:
	FName() = default;

	FName(EName InName)
		: ComparisonIndex{ (uint32)InName }
		, Number(NAME_NO_NUMBER_INTERNAL)
	{
	}

	FName(EName InName, int32 InNumber)
		: ComparisonIndex{ (uint32)InName }
		, Number(InNumber)
	{
	}

	FName(const TCHAR* Name, EFindName FindType = FNAME_Add);
	FName(const ANSICHAR* Name, EFindName FindType = FNAME_Add);
	FName(int32 Len, const TCHAR* Name, EFindName FindType = FNAME_Add);
	FName(FStringView Name, EFindName FindType = FNAME_Add);

	/** Uses Name exactly as the plain part, with an explicit internal number (no suffix parsing). */
	FName(const TCHAR* Name, int32 InNumber, EFindName FindType = FNAME_Add);

	FName(FName Other, int32 InNumber)
		: ComparisonIndex(Other.ComparisonIndex)
		, Number(InNumber)
	{
	}

	FString ToString() const;
	void ToString(FString& Out) const;
	void AppendString(FString& Out) const;
	FString GetPlainNameString() const;

	/** The internal number: the displayed suffix plus one, or NAME_NO_NUMBER_INTERNAL. */
	int32 GetNumber() const { return Number; }
	void SetNumber(int32 NewNumber) { Number = NewNumber; }

	FNameEntryId GetComparisonIndex() const { return ComparisonIndex; }
	FNameEntryId GetDisplayIndex() const { return ComparisonIndex; }

	bool IsNone() const { return ComparisonIndex.IsNone() && Number == NAME_NO_NUMBER_INTERNAL; }
	bool IsValid() const;

	bool operator==(FName Other) const { return ComparisonIndex == Other.ComparisonIndex && Number == Other.Number; }
	bool operator!=(FName Other) const { return !(*this == Other); }
	bool operator==(EName Other) const { return *this == FName(Other); }
	bool operator!=(EName Other) const { return !(*this == FName(Other)); }

	/** Compares with a string without adding it to the name table; case is ignored. */
	bool operator==(const TCHAR* Other) const;
	bool operator!=(const TCHAR* Other) const { return !(*this == Other); }

	/** Alphabetical comparison ignoring case, then by number; <0, 0 or >0. */
	int32 Compare(const FName& Other) const;
	bool LexicalLess(const FName& Other) const { return Compare(Other) < 0; }

	/** Cheap stable order by table index; not alphabetical. */
	bool FastLess(const FName& Other) const
	{
		return ComparisonIndex.Value != Other.ComparisonIndex.Value ? ComparisonIndex.Value < Other.ComparisonIndex.Value : Number < Other.Number;
	}

	bool IsEqual(const FName& Other, ESearchCase::Type CompareMethod = ESearchCase::IgnoreCase, bool bCompareNumber = true) const;

	friend uint32 GetTypeHash(FName Name)
	{
		return HashCombineFast(Name.ComparisonIndex.Value, (uint32)Name.Number);
	}

	/** Number of entries in the global name table (for diagnostics and tests). */
	static int32 GetNameTableSize();

private:
	void Init(const TCHAR* Name, int32 Len, EFindName FindType, bool bSplitNumber, int32 InNumber);

	FNameEntryId ComparisonIndex;
	int32 Number = NAME_NO_NUMBER_INTERNAL;
};

struct FNameLexicalLess
{
	bool operator()(const FName& A, const FName& B) const { return A.LexicalLess(B); }
};

struct FNameFastLess
{
	bool operator()(const FName& A, const FName& B) const { return A.FastLess(B); }
};

inline FString LexToString(const FName& Name)
{
	return Name.ToString();
}

inline void LexFromString(FName& Name, const TCHAR* Str)
{
	Name = FName(Str);
}
