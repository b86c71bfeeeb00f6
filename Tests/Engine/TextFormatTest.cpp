// FText across culture switches: which translations apply, how formatted texts rebuild, and format edge cases.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include "Internationalization/TextLocalizationManager.h"
#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "TextFormatTest"

namespace
{
	/** Registers translations for one test and restores English without translations afterwards. */
	class FTextFormatTest : public ::testing::Test
	{
	protected:
		virtual void TearDown() override
		{
			FTextLocalizationManager::Get().RemoveCultureResources();
			FInternationalization::Get().SetCurrentCulture(TEXT("en"));
		}

		static void AddTranslation(const TCHAR* Culture, const TCHAR* Namespace, const TCHAR* Key, const TCHAR* Source, const TCHAR* Translation)
		{
			FTextLocalizationResource Resource;
			Resource.AddEntry(FTextKey(Namespace), FTextKey(Key), Source, Translation, 0);
			FTextLocalizationManager::Get().AddOrUpdateCultureResource(Culture, Resource);
		}

		static void SwitchTo(const TCHAR* Culture)
		{
			ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(Culture)) << TCHAR_TO_UTF8(Culture);
		}
	};
}

TEST_F(FTextFormatTest, TranslationsMatchNamespaceKeyAndCulture)
{
	AddTranslation(TEXT("de"), TEXT("TextFormatTest"), TEXT("Record"), TEXT("Record"), TEXT("Aufnehmen"));
	AddTranslation(TEXT("fr"), TEXT("TextFormatTest"), TEXT("Record"), TEXT("Record"), TEXT("Enregistrer"));
	const FText Record = LOCTEXT("Record", "Record");
	const FText OtherNamespace = NSLOCTEXT("SomewhereElse", "Record", "Record");
	const FText OtherKey = LOCTEXT("RecordButton", "Record");

	// A regional culture falls back to its language's translations.
	SwitchTo(TEXT("de-AT"));
	EXPECT_TRUE(Record.ToString().Equals(TEXT("Aufnehmen")));
	EXPECT_TRUE(OtherNamespace.ToString().Equals(TEXT("Record")));
	EXPECT_TRUE(OtherKey.ToString().Equals(TEXT("Record")));

	SwitchTo(TEXT("fr"));
	EXPECT_TRUE(Record.ToString().Equals(TEXT("Enregistrer")));

	// A culture with no translations shows the source.
	SwitchTo(TEXT("ja"));
	EXPECT_TRUE(Record.ToString().Equals(TEXT("Record")));
	EXPECT_TRUE(Record.BuildSourceString().Equals(TEXT("Record")));
}

TEST_F(FTextFormatTest, CopiesAndFormattedTextsFollowTheCulture)
{
	AddTranslation(TEXT("de"), TEXT("TextFormatTest"), TEXT("Pattern"), TEXT("{Camera} is live"), TEXT("{Camera} ist live"));
	AddTranslation(TEXT("de"), TEXT("TextFormatTest"), TEXT("Main"), TEXT("Main camera"), TEXT("Hauptkamera"));
	const FText Camera = LOCTEXT("Main", "Main camera");
	const FText Copy = Camera;
	const FText Status = FText::FormatNamed(LOCTEXT("Pattern", "{Camera} is live"), TEXT("Camera"), Camera);
	EXPECT_TRUE(Status.ToString().Equals(TEXT("Main camera is live")));

	// The pattern and the text argument are both looked up again.
	SwitchTo(TEXT("de"));
	EXPECT_TRUE(Copy.ToString().Equals(TEXT("Hauptkamera")));
	EXPECT_TRUE(Status.ToString().Equals(TEXT("Hauptkamera ist live")));
	EXPECT_TRUE(Status.BuildSourceString().Equals(TEXT("Main camera is live")));

	SwitchTo(TEXT("en"));
	EXPECT_TRUE(Status.ToString().Equals(TEXT("Main camera is live")));
}

TEST_F(FTextFormatTest, TextsFromStringsAreNeverTranslated)
{
	AddTranslation(TEXT("de"), TEXT("TextFormatTest"), TEXT("Stop"), TEXT("Stop"), TEXT("Halt"));
	const FText FromString = FText::FromString(TEXT("Stop"));
	const FText Invariant = FText::AsCultureInvariant(TEXT("Stop"));
	const FText Formatted = FText::Format(INVTEXT("[{0}]"), FromString);
	SwitchTo(TEXT("de"));
	EXPECT_TRUE(FromString.ToString().Equals(TEXT("Stop")));
	EXPECT_TRUE(Invariant.ToString().Equals(TEXT("Stop")));
	EXPECT_TRUE(Formatted.ToString().Equals(TEXT("[Stop]")));
	EXPECT_TRUE(LOCTEXT("Stop", "Stop").ToString().Equals(TEXT("Halt")));
}

TEST_F(FTextFormatTest, NumbersInFormatsUseTheCurrentCulture)
{
	const FText Count = FText::Format(INVTEXT("{0} frames at {1} fps"), 1234567, 29.97);
	EXPECT_TRUE(Count.ToString().Equals(TEXT("1,234,567 frames at 29.97 fps"))) << TCHAR_TO_UTF8(*Count.ToString());
	SwitchTo(TEXT("de"));
	EXPECT_TRUE(Count.ToString().Equals(TEXT("1.234.567 frames at 29,97 fps"))) << TCHAR_TO_UTF8(*Count.ToString());
	EXPECT_TRUE(FText::AsNumber(-0.5).ToString().Equals(TEXT("-0,5")));
	// The source form does not depend on the culture.
	EXPECT_TRUE(Count.BuildSourceString().Equals(TEXT("1234567 frames at 29.97 fps")));
}

TEST_F(FTextFormatTest, OrderedArgumentEdgeCases)
{
	EXPECT_TRUE(FText::Format(INVTEXT("{0}-{0}-{1}"), 1, 2).ToString().Equals(TEXT("1-1-2")));
	EXPECT_TRUE(FText::Format(INVTEXT("{1} before {0}"), FText::FromString(TEXT("a")), FText::FromString(TEXT("b"))).ToString().Equals(TEXT("b before a")));
	// An argument that was not supplied stays as written.
	EXPECT_TRUE(FText::Format(INVTEXT("{0} and {3}"), 1).ToString().Equals(TEXT("1 and {3}")));
	EXPECT_TRUE(FText::Format(INVTEXT("no arguments"), 1).ToString().Equals(TEXT("no arguments")));
	EXPECT_TRUE(FText::Format(INVTEXT("{0}"), FText::GetEmpty()).IsEmpty());
	// Negative and 64-bit integers keep their sign and digits.
	EXPECT_TRUE(FText::Format(INVTEXT("{0}"), (int64)-9000000000LL).ToString().Equals(TEXT("-9,000,000,000")));
	EXPECT_TRUE(FText::Format(INVTEXT("{0}"), (uint32)4000000000u).ToString().Equals(TEXT("4,000,000,000")));
}

TEST_F(FTextFormatTest, NamedArgumentsAndPatternInspection)
{
	FFormatNamedArguments Args;
	Args.Add(TEXT("Lens"), FText::FromString(TEXT("35mm")));
	Args.Add(TEXT("Focus"), 2.5);
	EXPECT_TRUE(FText::Format(INVTEXT("{Lens} / {Focus} m / {Lens}"), Args).ToString().Equals(TEXT("35mm / 2.5 m / 35mm")));

	// A later value for the same name replaces the earlier one.
	Args.Add(TEXT("Lens"), FText::FromString(TEXT("50mm")));
	EXPECT_TRUE(FText::Format(INVTEXT("{Lens}"), Args).ToString().Equals(TEXT("50mm")));

	TArray<FString> Names;
	FTextFormat(INVTEXT("{Camera} on {Stage}, `{Escaped`} {Camera}")).GetFormatArgumentNames(Names);
	EXPECT_TRUE(Names.Contains(TEXT("Camera")));
	EXPECT_TRUE(Names.Contains(TEXT("Stage")));
	EXPECT_FALSE(Names.Contains(TEXT("Escaped")));
}

TEST_F(FTextFormatTest, ABarInsideTheBracesIsPartOfTheArgumentName)
{
	// A modifier follows the closing brace ({0}|plural(...)); "{a|b}" is an argument named "a|b" and stopped the run.
	EXPECT_TRUE(FText::Format(INVTEXT("[{a|b}] [{|}] [{0|}]"), 1).ToString().Equals(TEXT("[{a|b}] [{|}] [{0|}]")));
	FFormatNamedArguments Args;
	Args.Add(TEXT("a|b"), FText::FromString(TEXT("named")));
	EXPECT_TRUE(FText::Format(INVTEXT("{a|b} and {a}|b"), Args).ToString().Equals(TEXT("named and {a}|b")));
	TArray<FString> Names;
	FTextFormat(INVTEXT("{x|y}{z}|other")).GetFormatArgumentNames(Names);
	EXPECT_EQ(Names, TArray<FString>({ TEXT("x|y"), TEXT("z") }));
}

TEST_F(FTextFormatTest, CultureChangeNotifiesOnlyOnRealChanges)
{
	int32 Notifications = 0;
	const FDelegateHandle Handle = FInternationalization::Get().OnCultureChanged().AddLambda([&Notifications]() { ++Notifications; });
	SwitchTo(TEXT("de"));
	EXPECT_FALSE(FInternationalization::Get().SetCurrentCulture(TEXT("not a culture")));
	EXPECT_TRUE(FInternationalization::Get().GetCurrentCulture()->GetName().Equals(TEXT("de")));
	FInternationalization::Get().OnCultureChanged().Remove(Handle);
	EXPECT_EQ(Notifications, 1);
}

#undef LOCTEXT_NAMESPACE
