// FCulture: a named culture ("en", "de-DE") with its parent chain for localisation fallback.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Templates/SharedPointer.h"

class CORE_API FCulture
{
public:
	explicit FCulture(const FString& InName);

	/** The canonical name, e.g. "en-US". */
	const FString& GetName() const { return Name; }
	FString GetDisplayName() const;
	FString GetEnglishName() const;
	FString GetNativeName() const;
	FString GetNativeLanguage() const;
	FString GetTwoLetterISOLanguageName() const;
	FString GetThreeLetterISOLanguageName() const { return GetTwoLetterISOLanguageName(); }
	FString GetRegion() const;
	FString GetScript() const;

	/** This culture and its parents, most specific first ("zh-Hans-CN", "zh-Hans", "zh"). */
	TArray<FString> GetPrioritizedParentCultureNames() const;

	/** Digit grouping and decimal separators used by FText::AsNumber. */
	TCHAR GetGroupingSeparator() const;
	TCHAR GetDecimalSeparator() const;

private:
	FString Name;
};

typedef TSharedPtr<FCulture, ESPMode::ThreadSafe> FCulturePtr;
typedef TSharedRef<FCulture, ESPMode::ThreadSafe> FCultureRef;
