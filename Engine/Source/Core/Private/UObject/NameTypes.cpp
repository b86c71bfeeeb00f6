// The global name table behind FName.

#include "UObject/NameTypes.h"
#include <deque>
#include <mutex>
#include <unordered_map>

namespace
{
	struct FNameTable
	{
		std::mutex Mutex;
		// A deque keeps entry addresses stable while the table grows.
		std::deque<std::u16string> Entries;
		std::unordered_map<std::u16string, uint32> IndexByLowerCase;

		FNameTable()
		{
			Entries.push_back(u"None");
			IndexByLowerCase.emplace(u"none", 0);
		}

		static std::u16string ToLowerKey(const TCHAR* Name, int32 Len)
		{
			std::u16string Key(Name, (SIZE_T)Len);
			for (TCHAR& Char : Key)
			{
				Char = FChar::ToLower(Char);
			}
			return Key;
		}

		/** Index of the entry equal to Name ignoring case; adds it (keeping this casing) when asked. */
		bool FindOrAdd(const TCHAR* Name, int32 Len, EFindName FindType, uint32& OutIndex)
		{
			std::u16string Key = ToLowerKey(Name, Len);
			std::lock_guard<std::mutex> Lock(Mutex);
			const auto Found = IndexByLowerCase.find(Key);
			if (Found != IndexByLowerCase.end())
			{
				OutIndex = Found->second;
				return true;
			}
			if (FindType == FNAME_Find)
			{
				return false;
			}
			OutIndex = (uint32)Entries.size();
			Entries.emplace_back(Name, (SIZE_T)Len);
			IndexByLowerCase.emplace(MoveTemp(Key), OutIndex);
			return true;
		}

		const std::u16string& GetEntry(uint32 Index)
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			checkf(Index < Entries.size(), TEXT("Invalid name table index %u"), Index);
			return Entries[Index];
		}
	};

	FNameTable& GetNameTable()
	{
		static FNameTable* Table = new FNameTable();
		return *Table;
	}

	/**
	 * Splits a trailing "_<digits>" into a number, as the engine does: the digits may not start with 0
	 * (unless the number is just 0), must fit in an int32, and must follow a non-empty plain part.
	 */
	bool SplitNumber(const TCHAR* Name, int32 Len, int32& OutPlainLen, int32& OutInternalNumber)
	{
		int32 Digits = 0;
		while (Digits < Len && FChar::IsDigit(Name[Len - 1 - Digits]))
		{
			++Digits;
		}
		const int32 UnderscoreIndex = Len - 1 - Digits;
		if (Digits == 0 || Digits > 10 || UnderscoreIndex < 1 || Name[UnderscoreIndex] != u'_')
		{
			return false;
		}
		const TCHAR* FirstDigit = Name + UnderscoreIndex + 1;
		if (Digits > 1 && FirstDigit[0] == u'0')
		{
			return false;
		}
		int64 Value = 0;
		for (int32 Index = 0; Index < Digits; ++Index)
		{
			Value = Value * 10 + (FirstDigit[Index] - u'0');
		}
		if (Value >= 0x7fffffff)
		{
			return false;
		}
		OutPlainLen = UnderscoreIndex;
		OutInternalNumber = NAME_EXTERNAL_TO_INTERNAL((int32)Value);
		return true;
	}
}

FName::FName(const TCHAR* Name, EFindName FindType)
{
	Init(Name, Name ? FCString::Strlen(Name) : 0, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const ANSICHAR* Name, EFindName FindType)
{
	const FString Wide(Name);
	Init(*Wide, Wide.Len(), FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(int32 Len, const TCHAR* Name, EFindName FindType)
{
	Init(Name, Len, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(FStringView Name, EFindName FindType)
{
	Init(Name.GetData(), Name.Len(), FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const TCHAR* Name, int32 InNumber, EFindName FindType)
{
	Init(Name, Name ? FCString::Strlen(Name) : 0, FindType, false, InNumber);
}

void FName::Init(const TCHAR* Name, int32 Len, EFindName FindType, bool bSplitNumber, int32 InNumber)
{
	ComparisonIndex = FNameEntryId();
	Number = NAME_NO_NUMBER_INTERNAL;
	if (!Name || Len <= 0)
	{
		return;
	}
	checkf(Len < NAME_SIZE, TEXT("FName is too long (%d characters)"), Len);

	int32 PlainLen = Len;
	int32 InternalNumber = InNumber;
	if (bSplitNumber)
	{
		SplitNumber(Name, Len, PlainLen, InternalNumber);
	}

	uint32 Index = 0;
	if (GetNameTable().FindOrAdd(Name, PlainLen, FindType, Index))
	{
		ComparisonIndex.Value = Index;
		Number = InternalNumber;
	}
}

FString FName::GetPlainNameString() const
{
	return FString(GetNameTable().GetEntry(ComparisonIndex.Value));
}

void FName::AppendString(FString& Out) const
{
	Out += GetPlainNameString();
	if (Number != NAME_NO_NUMBER_INTERNAL)
	{
		Out += FString::Printf(TEXT("_%d"), NAME_INTERNAL_TO_EXTERNAL(Number));
	}
}

FString FName::ToString() const
{
	FString Out;
	AppendString(Out);
	return Out;
}

void FName::ToString(FString& Out) const
{
	Out.Reset();
	AppendString(Out);
}

bool FName::IsValid() const
{
	return ComparisonIndex.Value < (uint32)GetNameTableSize();
}

bool FName::operator==(const TCHAR* Other) const
{
	const FName OtherName(Other, FNAME_Find);
	if (OtherName.IsNone())
	{
		// An unknown string can only equal None if it is empty or spells "None".
		return IsNone() && (!Other || !*Other || FCString::Stricmp(Other, TEXT("None")) == 0);
	}
	return *this == OtherName;
}

int32 FName::Compare(const FName& Other) const
{
	if (ComparisonIndex != Other.ComparisonIndex)
	{
		const int32 PlainCompare = FCString::Stricmp(*GetPlainNameString(), *Other.GetPlainNameString());
		if (PlainCompare != 0)
		{
			return PlainCompare;
		}
	}
	return Number - Other.Number;
}

bool FName::IsEqual(const FName& Other, ESearchCase::Type CompareMethod, bool bCompareNumber) const
{
	if (bCompareNumber && Number != Other.Number)
	{
		return false;
	}
	if (CompareMethod == ESearchCase::IgnoreCase)
	{
		return ComparisonIndex == Other.ComparisonIndex;
	}
	return GetPlainNameString().Equals(Other.GetPlainNameString(), ESearchCase::CaseSensitive);
}

int32 FName::GetNameTableSize()
{
	FNameTable& Table = GetNameTable();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	return (int32)Table.Entries.size();
}
