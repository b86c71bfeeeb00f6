// FString formatting and editing at the edges: printf flags, float sanitising, clamped substrings,
// in-place edits and the case rules of the less common members.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

TEST(StringFormattingTest, PrintfFlagsFollowThePrintfConventions)
{
	EXPECT_EQ(FString::Printf(TEXT("[%+d][%+d][% d]"), 5, -5, 5), FString(TEXT("[+5][-5][ 5]")));
	EXPECT_EQ(FString::Printf(TEXT("[%-5d][%5d][%-05d]"), 42, 42, 42), FString(TEXT("[42   ][   42][42   ]")));
	EXPECT_EQ(FString::Printf(TEXT("[%08.3f][%-8.2f][%+.1f]"), -3.14159, 2.5, 0.25), FString(TEXT("[-003.142][2.50    ][+0.2]")));
	EXPECT_EQ(FString::Printf(TEXT("%#x %#o %o %i"), 255, 8, 8, -3), FString(TEXT("0xff 010 10 -3")));
	EXPECT_EQ(FString::Printf(TEXT("%.3d|%5.3d"), 7, 7), FString(TEXT("007|  007")));
}

TEST(StringFormattingTest, PrintfWidthAndPrecisionFromArguments)
{
	EXPECT_EQ(FString::Printf(TEXT("[%*d]"), 6, 12), FString(TEXT("[    12]")));
	EXPECT_EQ(FString::Printf(TEXT("[%.*f]"), 2, 3.14159), FString(TEXT("[3.14]")));
	EXPECT_EQ(FString::Printf(TEXT("[%*.*f]"), 7, 1, 2.25), FString(TEXT("[    2.2]")));
	// A negative width taken from the arguments means left alignment.
	EXPECT_EQ(FString::Printf(TEXT("[%*d]"), -4, 3), FString(TEXT("[3   ]")));
	EXPECT_EQ(FString::Printf(TEXT("[%*s]"), -4, TEXT("ab")), FString(TEXT("[ab  ]")));
	// A negative precision from the arguments is as if none were given.
	EXPECT_EQ(FString::Printf(TEXT("[%.*f][%.*s]"), -1, 0.5, -1, TEXT("whole")), FString(TEXT("[0.500000][whole]")));
}

TEST(StringFormattingTest, PrintfStringsAndCharacters)
{
	const TCHAR* Wide = TEXT("Kamera");
	EXPECT_EQ(FString::Printf(TEXT("<%s>"), Wide), FString(TEXT("<Kamera>")));
	// Precision truncates a string; width pads after truncation.
	EXPECT_EQ(FString::Printf(TEXT("<%.3s><%5.2s>"), Wide, Wide), FString(TEXT("<Kam><   Ka>")));
	EXPECT_EQ(FString::Printf(TEXT("<%3c><%-3c>"), TEXT('x'), TEXT('y')), FString(TEXT("<  x><y  >")));
	// Non-ASCII characters count as one character each for width.
	EXPECT_EQ(FString::Printf(TEXT("<%4s>"), TEXT("Öl")), FString(TEXT("<  Öl>")));
	EXPECT_EQ(FString::Printf(TEXT("%c"), TEXT('€')), FString(TEXT("€")));
	EXPECT_EQ(FString::Printf(TEXT("%%d %s%%"), TEXT("50")), FString(TEXT("%d 50%")));
	EXPECT_EQ(FString::Printf(TEXT("plain text")), FString(TEXT("plain text")));
	EXPECT_TRUE(FString::Printf(TEXT("")).IsEmpty());

	const FString Empty;
	EXPECT_EQ(FString::Printf(TEXT("[%s]"), *Empty), FString(TEXT("[]")));
}

TEST(StringFormattingTest, PrintfHexOfNegativesAndWideIntegers)
{
	EXPECT_EQ(FString::Printf(TEXT("%x"), -1), FString(TEXT("ffffffff")));
	EXPECT_EQ(FString::Printf(TEXT("%08X"), 0xABCu), FString(TEXT("00000ABC")));
	EXPECT_EQ(FString::Printf(TEXT("%llx"), (uint64)0x1234567890ULL), FString(TEXT("1234567890")));
	EXPECT_EQ(FString::Printf(TEXT("%d"), (int8)-5), FString(TEXT("-5")));
	EXPECT_EQ(FString::Printf(TEXT("%u"), (uint8)200), FString(TEXT("200")));
	EXPECT_EQ(FString::Printf(TEXT("%lld"), MIN_int64), FString(TEXT("-9223372036854775808")));
}

TEST(StringFormattingTest, PrintfWideConversionsPrintWholeAndCharLengthsTruncateToAChar)
{
	// Conversions past 511 characters were cut short.
	const FString Wide = FString::Printf(TEXT("%600d|%-600u|%.700d|%600p"), -7, 7u, 1, (void*)0x10);
	TArray<FString> Parts;
	Wide.ParseIntoArray(Parts, TEXT("|"));
	ASSERT_EQ(Parts.Num(), 4);
	EXPECT_EQ(Parts[0].Len(), 600);
	EXPECT_TRUE(Parts[0].EndsWith(TEXT(" -7")));
	EXPECT_EQ(Parts[1].Len(), 600);
	EXPECT_TRUE(Parts[1].StartsWith(TEXT("7 ")));
	EXPECT_EQ(Parts[2].Len(), 700);
	EXPECT_TRUE(Parts[2].EndsWith(TEXT("001")));
	EXPECT_EQ(Parts[3].Len(), 600);
	EXPECT_TRUE(Parts[3].EndsWith(TEXT(" 0x10")));
	EXPECT_EQ(FString::Printf(TEXT("%0*.3hhd"), 9000, 1).Len(), 9000);

	// hh is a char, h a short, as the C library reads them.
	EXPECT_EQ(FString::Printf(TEXT("%hhd %hhu %hhx %hd %hu"), 300, 511, 0x1ff, 70000, 70000), FString(TEXT("44 255 ff 4464 4464")));
	EXPECT_EQ(FString::Printf(TEXT("%hhd"), -129), FString(TEXT("127")));
}

TEST(StringFormattingTest, PrintfRejectsMismatchedArguments)
{
	EXPECT_DEATH(FString::Printf(TEXT("%s"), 3), "%s was given");
	EXPECT_DEATH(FString::Printf(TEXT("%c"), 2.0), "%c was given");
	EXPECT_DEATH(FString::Printf(TEXT("%f"), TEXT("text")), "was given");
	EXPECT_DEATH(FString::Printf(TEXT("%k"), 1), "unsupported conversion");
}

TEST(StringFormattingTest, SanitizeFloatRoundsToSixDecimalsThenTrims)
{
	// Trailing zeros go from the fraction only; the integer part keeps its zeros.
	EXPECT_EQ(FString::SanitizeFloat(100.0), FString(TEXT("100.0")));
	EXPECT_EQ(FString::SanitizeFloat(1000.5), FString(TEXT("1000.5")));
	EXPECT_EQ(FString::SanitizeFloat(1.23456789), FString(TEXT("1.234568")));
	EXPECT_EQ(FString::SanitizeFloat(0.0000006), FString(TEXT("0.000001")));
	EXPECT_EQ(FString::SanitizeFloat(0.0000004), FString(TEXT("0.0")));
	EXPECT_EQ(FString::SanitizeFloat(0.1f), FString(TEXT("0.1")));
	EXPECT_EQ(FString::SanitizeFloat(-7.0), FString(TEXT("-7.0")));
	EXPECT_EQ(FString::SanitizeFloat(1e15), FString(TEXT("1000000000000000.0")));
	// The minimum pads with zeros but never cuts significant digits.
	EXPECT_EQ(FString::SanitizeFloat(2.0, 2), FString(TEXT("2.00")));
	EXPECT_EQ(FString::SanitizeFloat(1.125, 1), FString(TEXT("1.125")));
	EXPECT_EQ(FString::SanitizeFloat(1.125, 0), FString(TEXT("1.125")));
	EXPECT_EQ(FString::SanitizeFloat(3.0, 6), FString(TEXT("3.000000")));
	EXPECT_EQ(FString::SanitizeFloat(0.0, 0), FString(TEXT("0")));
}

TEST(StringFormattingTest, SubstringsClampEveryArgument)
{
	const FString Word(TEXT("Camera"));
	EXPECT_EQ(Word.Right(0), FString());
	EXPECT_EQ(Word.Right(-3), FString());
	EXPECT_EQ(Word.Right(100), Word);
	EXPECT_EQ(Word.LeftChop(100), FString());
	EXPECT_EQ(Word.LeftChop(-1), Word);
	EXPECT_EQ(Word.RightChop(100), FString());
	EXPECT_EQ(Word.RightChop(-1), Word);
	EXPECT_EQ(Word.Mid(2, -1), FString());
	EXPECT_EQ(Word.Mid(2, 0), FString());
	EXPECT_EQ(Word.Mid(4, 100), FString(TEXT("ra")));
	EXPECT_EQ(Word.Mid(-10, 12), FString(TEXT("Ca")));
	EXPECT_EQ(Word.Mid(6), FString());
	EXPECT_EQ(FString().Left(3), FString());
	EXPECT_EQ(FString().Mid(0, 3), FString());

	FString Inline = Word;
	Inline.MidInline(1, 3);
	EXPECT_TRUE(Inline.Equals(TEXT("ame")));
	Inline.RightChopInline(5);
	EXPECT_TRUE(Inline.IsEmpty());
}

TEST(StringFormattingTest, ReplaceDoesNotRescanItsOwnOutput)
{
	EXPECT_EQ(FString(TEXT("aaaa")).Replace(TEXT("aa"), TEXT("a")), FString(TEXT("aa")));
	EXPECT_EQ(FString(TEXT("aba")).Replace(TEXT("a"), TEXT("aa")), FString(TEXT("aabaa")));
	EXPECT_EQ(FString(TEXT("Cam")).Replace(TEXT(""), TEXT("x")), FString(TEXT("Cam")));
	EXPECT_EQ(FString(TEXT("a.b.c")).Replace(TEXT("."), TEXT("")), FString(TEXT("abc")));

	FString Text(TEXT("aaa"));
	EXPECT_EQ(Text.ReplaceInline(TEXT("aa"), TEXT("b")), 1);
	EXPECT_TRUE(Text.Equals(TEXT("ba")));
	EXPECT_EQ(Text.ReplaceInline(TEXT(""), TEXT("b")), 0);
	EXPECT_EQ(Text.ReplaceInline(TEXT("z"), TEXT("b")), 0);

	FString Chars(TEXT("a-B-b"));
	Chars.ReplaceCharInline(TEXT('b'), TEXT('c'));
	EXPECT_TRUE(Chars.Equals(TEXT("a-c-c")));
	Chars.ReplaceCharInline(TEXT('C'), TEXT('d'), ESearchCase::CaseSensitive);
	EXPECT_TRUE(Chars.Equals(TEXT("a-c-c")));
}

TEST(StringFormattingTest, ParseIntoArrayReplacesTheOutputAndKeepsUnsplitText)
{
	TArray<FString> Parts = { TEXT("stale"), TEXT("entries") };
	EXPECT_EQ(FString(TEXT("single")).ParseIntoArray(Parts, TEXT(",")), 1);
	EXPECT_EQ(Parts, (TArray<FString>{ TEXT("single") }));
	EXPECT_EQ(FString(TEXT(",,,")).ParseIntoArray(Parts, TEXT(",")), 0);
	EXPECT_TRUE(Parts.IsEmpty());
	// Pieces are not trimmed; only empty ones are culled.
	EXPECT_EQ(FString(TEXT(" a , b ")).ParseIntoArray(Parts, TEXT(",")), 2);
	EXPECT_EQ(Parts, (TArray<FString>{ TEXT(" a "), TEXT(" b ") }));
}

TEST(StringFormattingTest, TrimmingTouchesOnlyTheEnds)
{
	EXPECT_EQ(FString(TEXT("  a b  ")).TrimStart(), FString(TEXT("a b  ")));
	EXPECT_EQ(FString(TEXT("  a b  ")).TrimEnd(), FString(TEXT("  a b")));
	EXPECT_EQ(FString(TEXT("\r\n\t ")).TrimStartAndEnd(), FString());
	EXPECT_EQ(FString().TrimStartAndEnd(), FString());

	bool bRemoved = false;
	EXPECT_EQ(FString(TEXT("\"x y\"")).TrimQuotes(&bRemoved), FString(TEXT("x y")));
	EXPECT_TRUE(bRemoved);
	EXPECT_EQ(FString(TEXT("plain")).TrimQuotes(&bRemoved), FString(TEXT("plain")));
	EXPECT_FALSE(bRemoved);
	EXPECT_EQ(FString(TEXT("__x__")).TrimChar(TEXT('_'), &bRemoved), FString(TEXT("_x_")));
	EXPECT_TRUE(bRemoved);

	FString Inline(TEXT("\t value \n"));
	Inline.TrimStartAndEndInline();
	EXPECT_TRUE(Inline.Equals(TEXT("value")));
}

TEST(StringFormattingTest, PrefixAndSuffixRemovalIgnoresCaseByDefault)
{
	FString Path(TEXT("/Game/Maps/Stage.umap"));
	EXPECT_TRUE(Path.RemoveFromStart(TEXT("/GAME/")));
	EXPECT_TRUE(Path.Equals(TEXT("Maps/Stage.umap")));
	EXPECT_FALSE(Path.RemoveFromEnd(TEXT(".UMAP"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Path.RemoveFromEnd(TEXT(".UMAP")));
	EXPECT_TRUE(Path.Equals(TEXT("Maps/Stage")));
	EXPECT_FALSE(Path.RemoveFromStart(TEXT("")));
	EXPECT_FALSE(Path.RemoveFromEnd(TEXT("Maps/Stage/Longer")));
	EXPECT_TRUE(Path.Equals(TEXT("Maps/Stage")));
}

TEST(StringFormattingTest, CharacterSearchesAreCaseSensitive)
{
	const FString Text(TEXT("a/B/b"));
	int32 Index = INDEX_NONE;
	EXPECT_TRUE(Text.FindChar(TEXT('/'), Index));
	EXPECT_EQ(Index, 1);
	EXPECT_TRUE(Text.FindLastChar(TEXT('/'), Index));
	EXPECT_EQ(Index, 3);
	EXPECT_TRUE(Text.FindChar(TEXT('b'), Index));
	EXPECT_EQ(Index, 4);
	EXPECT_FALSE(Text.FindChar(TEXT('x'), Index));
	EXPECT_EQ(Index, INDEX_NONE);
}

TEST(StringFormattingTest, EditingHelpers)
{
	FString Text(TEXT("Cam"));
	Text.InsertAt(0, TEXT('_'));
	Text.InsertAt(Text.Len(), FString(TEXT("era")));
	EXPECT_TRUE(Text.Equals(TEXT("_Camera")));
	Text.RemoveAt(0);
	Text.RemoveAt(3, 3);
	EXPECT_TRUE(Text.Equals(TEXT("Cam")));

	EXPECT_EQ(FString(TEXT("ab")).LeftPad(4), FString(TEXT("  ab")));
	EXPECT_EQ(FString(TEXT("ab")).RightPad(4), FString(TEXT("ab  ")));
	EXPECT_EQ(FString(TEXT("abcdef")).LeftPad(2), FString(TEXT("abcdef")));
	EXPECT_EQ(FString::ChrN(3, TEXT('-')), FString(TEXT("---")));
	EXPECT_EQ(FString(TEXT("abc")).Reverse(), FString(TEXT("cba")));
	EXPECT_EQ(FString::FormatAsNumber(1234567), FString(TEXT("1,234,567")));
	EXPECT_EQ(FString::FormatAsNumber(999), FString(TEXT("999")));

	const TArray<FString> Words = { TEXT("one"), TEXT("two"), TEXT("three") };
	EXPECT_EQ(FString::Join(Words, TEXT(", ")), FString(TEXT("one, two, three")));
	EXPECT_EQ(FString::Join(TArray<FString>(), TEXT(", ")), FString());
	EXPECT_EQ(FString::JoinBy(Words, TEXT("|"), [](const FString& Word) { return Word.ToUpper(); }), FString(TEXT("ONE|TWO|THREE")));
}

TEST(StringFormattingTest, ToBoolAcceptsWordsAndNumbers)
{
	EXPECT_TRUE(FString(TEXT("True")).ToBool());
	EXPECT_TRUE(FString(TEXT("yes")).ToBool());
	EXPECT_TRUE(FString(TEXT("2")).ToBool());
	EXPECT_FALSE(FString(TEXT("false")).ToBool());
	EXPECT_FALSE(FString(TEXT("No")).ToBool());
	EXPECT_FALSE(FString(TEXT("0")).ToBool());
	EXPECT_FALSE(FString(TEXT("")).ToBool());
	EXPECT_FALSE(FString(TEXT("maybe")).ToBool());
}

TEST(StringFormattingTest, OrderingAndHashingIgnoreCase)
{
	TArray<FString> Names = { TEXT("beta"), TEXT("Alpha"), TEXT("gamma"), TEXT("ALPHA") };
	// A stable sort with the default order keeps case-only duplicates in their original order.
	Names.StableSort();
	EXPECT_EQ(Names[0], FString(TEXT("Alpha")));
	EXPECT_TRUE(Names[0].Equals(TEXT("Alpha")));
	EXPECT_TRUE(Names[1].Equals(TEXT("ALPHA")));
	EXPECT_TRUE(Names[2].Equals(TEXT("beta")));
	EXPECT_TRUE(Names[3].Equals(TEXT("gamma")));

	EXPECT_NE(FString(TEXT("abc")).Compare(FString(TEXT("ABC"))), 0);
	EXPECT_EQ(FString(TEXT("abc")).Compare(FString(TEXT("ABC")), ESearchCase::IgnoreCase), 0);
	EXPECT_LT(FString(TEXT("ab")).Compare(FString(TEXT("abc")), ESearchCase::IgnoreCase), 0);

	TSet<FString> Unique = { TEXT("Lens"), TEXT("LENS"), TEXT("lens") };
	EXPECT_EQ(Unique.Num(), 1);
	EXPECT_TRUE(Unique.Contains(TEXT("lEnS")));
}
