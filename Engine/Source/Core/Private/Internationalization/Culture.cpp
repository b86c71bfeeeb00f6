// Cultures: name parsing, parent chains, a few display names and number separators.

#include "Internationalization/Culture.h"

namespace
{
	struct FNamePair
	{
		const TCHAR* Code;
		const TCHAR* EnglishName;
		const TCHAR* NativeName;
	};

	const FNamePair GLanguageNames[] = {
		{ TEXT("en"), TEXT("English"), TEXT("English") },
		{ TEXT("de"), TEXT("German"), TEXT("Deutsch") },
		{ TEXT("fr"), TEXT("French"), TEXT("français") },
		{ TEXT("es"), TEXT("Spanish"), TEXT("español") },
		{ TEXT("it"), TEXT("Italian"), TEXT("italiano") },
		{ TEXT("pt"), TEXT("Portuguese"), TEXT("português") },
		{ TEXT("ru"), TEXT("Russian"), TEXT("русский") },
		{ TEXT("pl"), TEXT("Polish"), TEXT("polski") },
		{ TEXT("ja"), TEXT("Japanese"), TEXT("日本語") },
		{ TEXT("ko"), TEXT("Korean"), TEXT("한국어") },
		{ TEXT("zh"), TEXT("Chinese"), TEXT("中文") },
		{ TEXT("nl"), TEXT("Dutch"), TEXT("Nederlands") },
		{ TEXT("sv"), TEXT("Swedish"), TEXT("svenska") },
		{ TEXT("tr"), TEXT("Turkish"), TEXT("Türkçe") },
	};

	const FNamePair GRegionNames[] = {
		{ TEXT("US"), TEXT("United States"), nullptr },
		{ TEXT("GB"), TEXT("United Kingdom"), nullptr },
		{ TEXT("DE"), TEXT("Germany"), nullptr },
		{ TEXT("AT"), TEXT("Austria"), nullptr },
		{ TEXT("CH"), TEXT("Switzerland"), nullptr },
		{ TEXT("FR"), TEXT("France"), nullptr },
		{ TEXT("CA"), TEXT("Canada"), nullptr },
		{ TEXT("ES"), TEXT("Spain"), nullptr },
		{ TEXT("MX"), TEXT("Mexico"), nullptr },
		{ TEXT("IT"), TEXT("Italy"), nullptr },
		{ TEXT("BR"), TEXT("Brazil"), nullptr },
		{ TEXT("PT"), TEXT("Portugal"), nullptr },
		{ TEXT("JP"), TEXT("Japan"), nullptr },
		{ TEXT("KR"), TEXT("South Korea"), nullptr },
		{ TEXT("CN"), TEXT("China"), nullptr },
		{ TEXT("TW"), TEXT("Taiwan"), nullptr },
	};

	const FNamePair* FindPair(const FNamePair* Pairs, int32 Count, const FString& Code)
	{
		for (int32 Index = 0; Index < Count; ++Index)
		{
			if (Code.Equals(Pairs[Index].Code, ESearchCase::IgnoreCase))
			{
				return &Pairs[Index];
			}
		}
		return nullptr;
	}

	/** Subtags of the name: language, then optional script (4 letters) and region (2 letters or 3 digits). */
	void SplitCultureName(const FString& Name, FString& OutLanguage, FString& OutScript, FString& OutRegion)
	{
		TArray<FString> Parts;
		Name.ParseIntoArray(Parts, TEXT("-"));
		OutLanguage = Parts.Num() > 0 ? Parts[0] : FString();
		for (int32 Index = 1; Index < Parts.Num(); ++Index)
		{
			if (Parts[Index].Len() == 4)
			{
				OutScript = Parts[Index];
			}
			else if (OutRegion.IsEmpty())
			{
				OutRegion = Parts[Index];
			}
		}
	}
}

FCulture::FCulture(const FString& InName)
	: Name(InName)
{
}

FString FCulture::GetTwoLetterISOLanguageName() const
{
	FString Language, Script, Region;
	SplitCultureName(Name, Language, Script, Region);
	return Language;
}

FString FCulture::GetRegion() const
{
	FString Language, Script, Region;
	SplitCultureName(Name, Language, Script, Region);
	return Region;
}

FString FCulture::GetScript() const
{
	FString Language, Script, Region;
	SplitCultureName(Name, Language, Script, Region);
	return Script;
}

FString FCulture::GetEnglishName() const
{
	if (Name.IsEmpty())
	{
		return TEXT("Invariant Language (Invariant Country)");
	}
	FString Language, Script, Region;
	SplitCultureName(Name, Language, Script, Region);
	const FNamePair* LanguagePair = FindPair(GLanguageNames, UE_ARRAY_COUNT(GLanguageNames), Language);
	FString Result = LanguagePair ? LanguagePair->EnglishName : *Language;
	if (!Region.IsEmpty())
	{
		const FNamePair* RegionPair = FindPair(GRegionNames, UE_ARRAY_COUNT(GRegionNames), Region);
		Result += FString::Printf(TEXT(" (%s)"), RegionPair ? RegionPair->EnglishName : *Region);
	}
	return Result;
}

FString FCulture::GetDisplayName() const
{
	return GetEnglishName();
}

FString FCulture::GetNativeLanguage() const
{
	const FNamePair* LanguagePair = FindPair(GLanguageNames, UE_ARRAY_COUNT(GLanguageNames), GetTwoLetterISOLanguageName());
	return LanguagePair ? FString(LanguagePair->NativeName) : GetTwoLetterISOLanguageName();
}

FString FCulture::GetNativeName() const
{
	const FString Region = GetRegion();
	return Region.IsEmpty() ? GetNativeLanguage() : FString::Printf(TEXT("%s (%s)"), *GetNativeLanguage(), *Region);
}

TArray<FString> FCulture::GetPrioritizedParentCultureNames() const
{
	TArray<FString> Result;
	FString Language, Script, Region;
	SplitCultureName(Name, Language, Script, Region);
	if (!Script.IsEmpty() && !Region.IsEmpty())
	{
		Result.Add(Language + TEXT("-") + Script + TEXT("-") + Region);
	}
	if (!Script.IsEmpty())
	{
		Result.Add(Language + TEXT("-") + Script);
	}
	if (!Region.IsEmpty())
	{
		Result.Add(Language + TEXT("-") + Region);
	}
	if (!Language.IsEmpty())
	{
		Result.Add(Language);
	}
	return Result;
}

TCHAR FCulture::GetGroupingSeparator() const
{
	const FString Language = GetTwoLetterISOLanguageName();
	if (Language == TEXT("de") || Language == TEXT("es") || Language == TEXT("it") || Language == TEXT("nl") || Language == TEXT("pt") || Language == TEXT("tr"))
	{
		return u'.';
	}
	if (Language == TEXT("fr"))
	{
		return u'\x202F';
	}
	if (Language == TEXT("ru") || Language == TEXT("pl") || Language == TEXT("sv"))
	{
		return u'\xA0';
	}
	return u',';
}

TCHAR FCulture::GetDecimalSeparator() const
{
	return GetGroupingSeparator() == u',' ? u'.' : u',';
}
