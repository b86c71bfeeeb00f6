// FInternationalization: the current culture, and the creation path of localised literals (LOCTEXT).
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Delegates/Delegate.h"
#include "Internationalization/Culture.h"
#include "Internationalization/Text.h"

class CORE_API FInternationalization
{
public:
	static FInternationalization& Get();
	static bool IsAvailable() { return true; }
	static void TearDown() {}

	/**
	 * Makes the named culture current (language and locale). Existing localised texts then display in it.
	 * False (and no change) if the name is not a well-formed culture name.
	 */
	bool SetCurrentCulture(const FString& InCultureName);
	bool SetCurrentLanguage(const FString& InCultureName);
	bool SetCurrentLocale(const FString& InCultureName);
	bool SetCurrentLanguageAndLocale(const FString& InCultureName);

	FCultureRef GetCurrentCulture() const { return CurrentCulture.ToSharedRef(); }
	FCultureRef GetCurrentLanguage() const { return CurrentCulture.ToSharedRef(); }
	FCultureRef GetCurrentLocale() const { return CurrentCulture.ToSharedRef(); }
	FCultureRef GetDefaultCulture() const { return DefaultCulture.ToSharedRef(); }
	FCultureRef GetDefaultLanguage() const { return DefaultCulture.ToSharedRef(); }
	FCultureRef GetInvariantCulture() const { return InvariantCulture.ToSharedRef(); }

	/** The culture object for a name, or null if the name is not well formed. */
	FCulturePtr GetCulture(const FString& InCultureName);

	DECLARE_EVENT(FInternationalization, FCultureChangedEvent)
	FCultureChangedEvent& OnCultureChanged() { return CultureChangedEvent; }

	/** What LOCTEXT/NSLOCTEXT expand to. */
	static FText ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral, const TCHAR* InNamespace, const TCHAR* InKey);

private:
	FInternationalization();

	FCulturePtr CurrentCulture;
	FCulturePtr DefaultCulture;
	FCulturePtr InvariantCulture;
	FCultureChangedEvent CultureChangedEvent;
};

#define NSLOCTEXT(InNamespace, InKey, InTextLiteral) FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(TEXT(InTextLiteral), TEXT(InNamespace), TEXT(InKey))
#define LOCTEXT(InKey, InTextLiteral) FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(TEXT(InTextLiteral), TEXT(LOCTEXT_NAMESPACE), TEXT(InKey))
#define INVTEXT(InTextLiteral) FText::AsCultureInvariant(FString(TEXT(InTextLiteral)))
