// The current culture; switching it refreshes the localised strings every FText displays.

#include "Internationalization/Internationalization.h"
#include "Internationalization/TextLocalizationManager.h"

namespace
{
	/** "en", "en-US", "zh-Hans-CN" (also with '_'), normalised to the canonical casing; empty if malformed. */
	FString CanonicalizeCultureName(const FString& InName)
	{
		FString Name = InName.TrimStartAndEnd().Replace(TEXT("_"), TEXT("-"));
		TArray<FString> Parts;
		Name.ParseIntoArray(Parts, TEXT("-"), false);
		if (Parts.Num() == 0 || Parts.Num() > 3)
		{
			return FString();
		}
		FString Result;
		for (int32 Index = 0; Index < Parts.Num(); ++Index)
		{
			FString Part = Parts[Index];
			for (TCHAR Char : Part)
			{
				if (!FChar::IsAlnum(Char))
				{
					return FString();
				}
			}
			if (Index == 0)
			{
				if (Part.Len() < 2 || Part.Len() > 3)
				{
					return FString();
				}
				for (TCHAR Char : Part)
				{
					if (!FChar::IsAlpha(Char))
					{
						return FString();
					}
				}
				Part.ToLowerInline();
			}
			else if (Part.Len() == 4)
			{
				Part = Part.Left(1).ToUpper() + Part.Mid(1).ToLower();
			}
			else if (Part.Len() == 2 || Part.Len() == 3)
			{
				Part.ToUpperInline();
			}
			else
			{
				return FString();
			}
			Result += Index == 0 ? Part : TEXT("-") + Part;
		}
		return Result;
	}
}

FInternationalization& FInternationalization::Get()
{
	static FInternationalization* Singleton = new FInternationalization();
	return *Singleton;
}

FInternationalization::FInternationalization()
{
	DefaultCulture = MakeShared<FCulture>(FString(TEXT("en")));
	InvariantCulture = MakeShared<FCulture>(FString());
	CurrentCulture = DefaultCulture;
}

FCulturePtr FInternationalization::GetCulture(const FString& InCultureName)
{
	const FString Canonical = CanonicalizeCultureName(InCultureName);
	if (Canonical.IsEmpty())
	{
		return FCulturePtr();
	}
	if (Canonical.Equals(CurrentCulture->GetName(), ESearchCase::CaseSensitive))
	{
		return CurrentCulture;
	}
	return MakeShared<FCulture>(Canonical);
}

bool FInternationalization::SetCurrentCulture(const FString& InCultureName)
{
	const FCulturePtr NewCulture = GetCulture(InCultureName);
	if (!NewCulture.IsValid())
	{
		return false;
	}
	if (NewCulture == CurrentCulture)
	{
		return true;
	}
	CurrentCulture = NewCulture;
	FTextLocalizationManager::Get().RefreshResources();
	CultureChangedEvent.Broadcast();
	return true;
}

bool FInternationalization::SetCurrentLanguage(const FString& InCultureName)
{
	return SetCurrentCulture(InCultureName);
}

bool FInternationalization::SetCurrentLocale(const FString& InCultureName)
{
	return SetCurrentCulture(InCultureName);
}

bool FInternationalization::SetCurrentLanguageAndLocale(const FString& InCultureName)
{
	return SetCurrentCulture(InCultureName);
}

FText FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral, const TCHAR* InNamespace, const TCHAR* InKey)
{
	return FText::CreateLocalized(FString(InNamespace), FString(InKey), FString(InTextLiteral));
}
