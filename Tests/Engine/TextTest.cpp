// FText: localisation identity, culture switching, formatting and numbers.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include "Internationalization/TextLocalizationManager.h"
#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "TextTest"

namespace
{
	/** Switches culture for one test and puts English (with no translations) back afterwards. */
	class FTextCultureTest : public ::testing::Test
	{
	protected:
		virtual void TearDown() override
		{
			FTextLocalizationManager::Get().RemoveCultureResources();
			FInternationalization::Get().SetCurrentCulture(TEXT("en"));
		}

		static void AddGerman(const TCHAR* Namespace, const TCHAR* Key, const TCHAR* Source, const TCHAR* Translation)
		{
			FTextLocalizationResource Resource;
			Resource.AddEntry(FTextKey(Namespace), FTextKey(Key), Source, Translation, 0);
			FTextLocalizationManager::Get().AddOrUpdateCultureResource(TEXT("de"), Resource);
		}
	};
}

TEST_F(FTextCultureTest, LiteralsKeepTheirIdentity)
{
	const FText Text = LOCTEXT("Greeting", "Hello");
	EXPECT_TRUE(FTextInspector::GetNamespace(Text).GetValue().Equals(TEXT("TextTest")));
	EXPECT_TRUE(FTextInspector::GetKey(Text).GetValue().Equals(TEXT("Greeting")));
	EXPECT_TRUE(FTextInspector::GetSourceString(Text)->Equals(TEXT("Hello")));
	EXPECT_TRUE(Text.ToString().Equals(TEXT("Hello")));
	EXPECT_TRUE(Text.IdenticalTo(NSLOCTEXT("TextTest", "Greeting", "Hello")));
	EXPECT_FALSE(Text.IsCultureInvariant());

	const FText FromString = FText::FromString(TEXT("Hello"));
	EXPECT_FALSE(FTextInspector::GetNamespace(FromString).IsSet());
	EXPECT_TRUE(Text.EqualTo(FromString));
	EXPECT_FALSE(Text.IdenticalTo(FromString));
	EXPECT_TRUE(INVTEXT("x").IsCultureInvariant());
	EXPECT_TRUE(FText::GetEmpty().IsEmpty());
	EXPECT_TRUE(FText().IsEmpty());
	EXPECT_TRUE(FText::FromName(FName(TEXT("Cube_2"))).ToString().Equals(TEXT("Cube_2")));
}

TEST_F(FTextCultureTest, SwitchingCultureChangesExistingTexts)
{
	AddGerman(TEXT("TextTest"), TEXT("Play"), TEXT("Play"), TEXT("Spielen"));
	const FText Play = LOCTEXT("Play", "Play");
	const FText Unrelated = FText::FromString(TEXT("Play"));
	EXPECT_TRUE(Play.ToString().Equals(TEXT("Play")));

	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de-DE")));
	EXPECT_TRUE(FInternationalization::Get().GetCurrentCulture()->GetName().Equals(TEXT("de-DE"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Play.ToString().Equals(TEXT("Spielen")));
	EXPECT_TRUE(Unrelated.ToString().Equals(TEXT("Play")));

	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("en")));
	EXPECT_TRUE(Play.ToString().Equals(TEXT("Play")));
}

TEST_F(FTextCultureTest, StaleTranslationsAreIgnored)
{
	AddGerman(TEXT("TextTest"), TEXT("Stop"), TEXT("Stop (old wording)"), TEXT("Anhalten"));
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de")));
	EXPECT_TRUE(LOCTEXT("Stop", "Stop").ToString().Equals(TEXT("Stop")));
}

TEST_F(FTextCultureTest, MalformedCultureNamesAreRejected)
{
	EXPECT_FALSE(FInternationalization::Get().SetCurrentCulture(TEXT("")));
	EXPECT_FALSE(FInternationalization::Get().SetCurrentCulture(TEXT("e")));
	EXPECT_FALSE(FInternationalization::Get().SetCurrentCulture(TEXT("en-US!")));
	EXPECT_TRUE(FInternationalization::Get().GetCurrentCulture()->GetName().Equals(TEXT("en")));
	EXPECT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("fr_ca")));
	EXPECT_TRUE(FInternationalization::Get().GetCurrentCulture()->GetName().Equals(TEXT("fr-CA"), ESearchCase::CaseSensitive));

	int32 Notifications = 0;
	const FDelegateHandle Handle = FInternationalization::Get().OnCultureChanged().AddLambda([&Notifications]() { ++Notifications; });
	FInternationalization::Get().SetCurrentCulture(TEXT("ja"));
	FInternationalization::Get().OnCultureChanged().Remove(Handle);
	EXPECT_EQ(Notifications, 1);
}

TEST_F(FTextCultureTest, FormatWithOrderedAndNamedArguments)
{
	const FText Ordered = FText::Format(LOCTEXT("Ordered", "{0} of {1} cameras"), FText::FromString(TEXT("Two")), 5);
	EXPECT_TRUE(Ordered.ToString().Equals(TEXT("Two of 5 cameras")));

	FFormatNamedArguments Args;
	Args.Add(TEXT("Name"), FText::FromString(TEXT("CineCam")));
	Args.Add(TEXT("Rate"), 23.976);
	const FText Named = FText::Format(LOCTEXT("Named", "{Name} at {Rate} fps, {Missing} stays"), Args);
	EXPECT_TRUE(Named.ToString().Equals(TEXT("CineCam at 23.976 fps, {Missing} stays")));
	// Argument names are case-sensitive.
	EXPECT_TRUE(FText::FormatNamed(INVTEXT("{name}"), TEXT("Name"), 1).ToString().Equals(TEXT("{name}")));
	EXPECT_TRUE(FText::Format(INVTEXT("`{0`} {0}"), 7).ToString().Equals(TEXT("{0} 7")));
}

TEST_F(FTextCultureTest, FormattedTextsFollowTheCulture)
{
	AddGerman(TEXT("TextTest"), TEXT("Count"), TEXT("{0} items"), TEXT("{0} Elemente"));
	const FText Formatted = FText::Format(LOCTEXT("Count", "{0} items"), 1234.5);
	EXPECT_TRUE(Formatted.ToString().Equals(TEXT("1,234.5 items")));
	EXPECT_TRUE(Formatted.BuildSourceString().Equals(TEXT("1234.5 items")));
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de")));
	EXPECT_TRUE(Formatted.ToString().Equals(TEXT("1.234,5 Elemente")));
}

TEST_F(FTextCultureTest, AsNumberHonoursTheOptions)
{
	EXPECT_TRUE(FText::AsNumber(1234567).ToString().Equals(TEXT("1,234,567")));
	EXPECT_TRUE(FText::AsNumber(-1234).ToString().Equals(TEXT("-1,234")));
	EXPECT_TRUE(FText::AsNumber(0.12345).ToString().Equals(TEXT("0.123")));
	EXPECT_TRUE(FText::AsNumber(2.0).ToString().Equals(TEXT("2")));
	FNumberFormattingOptions Options;
	Options.SetUseGrouping(false).SetMinimumFractionalDigits(2).SetMaximumFractionalDigits(2);
	EXPECT_TRUE(FText::AsNumber(1234.5, &Options).ToString().Equals(TEXT("1234.50")));
	EXPECT_TRUE(FText::AsNumber(7, &FNumberFormattingOptions::DefaultNoGrouping()).ToString().Equals(TEXT("7")));
}

TEST_F(FTextCultureTest, ComparisonsUseDisplayStrings)
{
	const FText Upper = FText::FromString(TEXT("ABC"));
	const FText Lower = FText::FromString(TEXT("abc"));
	EXPECT_FALSE(Upper.EqualTo(Lower));
	EXPECT_TRUE(Upper.EqualToCaseIgnored(Lower));
	EXPECT_TRUE(Lower.ToUpper().EqualTo(Upper));
	EXPECT_TRUE(FText::FromString(TEXT("  ")).IsEmptyOrWhitespace());
	EXPECT_TRUE(FText::TrimPrecedingAndTrailing(FText::FromString(TEXT(" x "))).ToString().Equals(TEXT("x")));
	EXPECT_TRUE(FText::Join(INVTEXT(", "), TArray<FText>{ Upper, Lower }).ToString().Equals(TEXT("ABC, abc")));
}

#undef LOCTEXT_NAMESPACE
