// FString: the engine's case rules, searching, splitting, formatting and conversions.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

TEST(StringTest, OperatorsIgnoreCaseButEqualsDefaultsToCaseSensitive)
{
	const FString Lower(TEXT("camera"));
	const FString Mixed(TEXT("CaMeRa"));
	EXPECT_TRUE(Lower == Mixed);
	EXPECT_FALSE(Lower != Mixed);
	EXPECT_FALSE(Lower.Equals(Mixed));
	EXPECT_TRUE(Lower.Equals(Mixed, ESearchCase::IgnoreCase));
	EXPECT_FALSE(Lower < Mixed);
	EXPECT_FALSE(Mixed < Lower);
	EXPECT_TRUE(FString(TEXT("apple")) < FString(TEXT("Banana")));
	EXPECT_EQ(GetTypeHash(Lower), GetTypeHash(Mixed));
	EXPECT_FALSE(FString(TEXT("ab")) == FString(TEXT("abc")));
}

TEST(StringTest, SearchesIgnoreCaseByDefault)
{
	const FString Path(TEXT("/Game/Maps/Stage.Stage"));
	EXPECT_TRUE(Path.StartsWith(TEXT("/game")));
	EXPECT_FALSE(Path.StartsWith(TEXT("/game"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Path.EndsWith(TEXT(".STAGE")));
	EXPECT_FALSE(Path.StartsWith(TEXT("")));
	EXPECT_EQ(Path.Find(TEXT("stage")), 11);
	EXPECT_EQ(Path.Find(TEXT("stage"), ESearchCase::IgnoreCase, ESearchDir::FromEnd), 17);
	EXPECT_EQ(Path.Find(TEXT("stage"), ESearchCase::CaseSensitive), INDEX_NONE);
	EXPECT_EQ(Path.Find(TEXT("Stage"), ESearchCase::CaseSensitive, ESearchDir::FromStart, 12), 17);
	EXPECT_TRUE(Path.Contains(TEXT("MAPS")));
}

TEST(StringTest, SubstringsClampTheirArguments)
{
	const FString Word(TEXT("Quovex"));
	EXPECT_EQ(Word.Left(2), FString(TEXT("Qu")));
	EXPECT_EQ(Word.Left(100), Word);
	EXPECT_EQ(Word.Left(-1), FString());
	EXPECT_EQ(Word.LeftChop(2), FString(TEXT("Quov")));
	EXPECT_EQ(Word.Right(3), FString(TEXT("vex")));
	EXPECT_EQ(Word.RightChop(4), FString(TEXT("ex")));
	EXPECT_EQ(Word.Mid(2, 2), FString(TEXT("ov")));
	EXPECT_EQ(Word.Mid(4), FString(TEXT("ex")));
	EXPECT_EQ(Word.Mid(-2, 4), FString(TEXT("Qu")));
	EXPECT_EQ(Word.Mid(10, 2), FString());
}

TEST(StringTest, SplitFindsTheSeparatorFromEitherEnd)
{
	FString Left, Right;
	const FString Source(TEXT("A.B.C"));
	ASSERT_TRUE(Source.Split(TEXT("."), &Left, &Right));
	EXPECT_TRUE(Left.Equals(TEXT("A")) && Right.Equals(TEXT("B.C")));
	ASSERT_TRUE(Source.Split(TEXT("."), &Left, &Right, ESearchCase::IgnoreCase, ESearchDir::FromEnd));
	EXPECT_TRUE(Left.Equals(TEXT("A.B")) && Right.Equals(TEXT("C")));
	Left = TEXT("untouched");
	EXPECT_FALSE(Source.Split(TEXT("/"), &Left, &Right));
	EXPECT_TRUE(Left.Equals(TEXT("untouched")));

	// An output may be the source itself.
	FString InPlace(TEXT("Key=Value"));
	ASSERT_TRUE(InPlace.Split(TEXT("="), &InPlace, &Right));
	EXPECT_TRUE(InPlace.Equals(TEXT("Key")) && Right.Equals(TEXT("Value")));
}

TEST(StringTest, ParseIntoArrayCullsEmptyPiecesOnlyWhenAsked)
{
	TArray<FString> Parts;
	EXPECT_EQ(FString(TEXT("a,,b,")).ParseIntoArray(Parts, TEXT(","), true), 2);
	EXPECT_EQ(Parts, (TArray<FString>{ TEXT("a"), TEXT("b") }));
	EXPECT_EQ(FString(TEXT("a,,b,")).ParseIntoArray(Parts, TEXT(","), false), 4);
	EXPECT_EQ(Parts, (TArray<FString>{ TEXT("a"), TEXT(""), TEXT("b"), TEXT("") }));
	EXPECT_EQ(FString(TEXT("one::two")).ParseIntoArray(Parts, TEXT("::")), 2);
	EXPECT_EQ(FString(TEXT("  spaced \t words\n")).ParseIntoArrayWS(Parts), 2);
	EXPECT_TRUE(Parts[1].Equals(TEXT("words")));
	EXPECT_EQ(FString(TEXT("l1\r\nl2\nl3")).ParseIntoArrayLines(Parts), 3);
	EXPECT_EQ(FString().ParseIntoArray(Parts, TEXT(",")), 0);
}

TEST(StringTest, ReplaceTrimAndCase)
{
	FString Text(TEXT("Cam_cam_CAM"));
	EXPECT_EQ(Text.ReplaceInline(TEXT("cam"), TEXT("Lens")), 3);
	EXPECT_TRUE(Text.Equals(TEXT("Lens_Lens_Lens")));
	EXPECT_TRUE(FString(TEXT("aAa")).Replace(TEXT("a"), TEXT("b"), ESearchCase::CaseSensitive).Equals(TEXT("bAb")));
	EXPECT_TRUE(FString(TEXT(" \t x y \n")).TrimStartAndEnd().Equals(TEXT("x y")));
	EXPECT_TRUE(FString(TEXT("\"quoted\"")).TrimQuotes().Equals(TEXT("quoted")));
	EXPECT_TRUE(FString(TEXT("MiXeD")).ToUpper().Equals(TEXT("MIXED")));
	EXPECT_TRUE(FString(TEXT("MiXeD")).ToLower().Equals(TEXT("mixed")));
	// Case mapping is ASCII-only, as in the engine.
	EXPECT_TRUE(FString(TEXT("Ä")).ToLower().Equals(TEXT("Ä")));
}

TEST(StringTest, PathConcatenationUsesOneSlash)
{
	EXPECT_TRUE((FString(TEXT("/Game")) / TEXT("Maps")).Equals(TEXT("/Game/Maps")));
	EXPECT_TRUE((FString(TEXT("/Game/")) / TEXT("Maps")).Equals(TEXT("/Game/Maps")));
	EXPECT_TRUE((FString(TEXT("Dir")) / TEXT("/Abs")).Equals(TEXT("Dir/Abs")));
	EXPECT_TRUE((FString() / TEXT("Maps")).Equals(TEXT("Maps")));
}

TEST(StringTest, PrintfFormatsLikeTheEngine)
{
	const FString Name(TEXT("Stage"));
	EXPECT_TRUE(FString::Printf(TEXT("%s has %d cameras"), *Name, 3).Equals(TEXT("Stage has 3 cameras")));
	EXPECT_TRUE(FString::Printf(TEXT("%.02f|%3.3f|%5.1f"), 1.005, 2.0, 3.14159).Equals(TEXT("1.00|2.000|  3.1")));
	EXPECT_TRUE(FString::Printf(TEXT("[%-6s][%6s]"), TEXT("ab"), TEXT("cd")).Equals(TEXT("[ab    ][    cd]")));
	EXPECT_TRUE(FString::Printf(TEXT("%x %X %05d %u"), 255, 255, 42, 7u).Equals(TEXT("ff FF 00042 7")));
	EXPECT_TRUE(FString::Printf(TEXT("%lld %llu"), (int64)-9000000000LL, (uint64)18000000000ULL).Equals(TEXT("-9000000000 18000000000")));
	EXPECT_TRUE(FString::Printf(TEXT("%c%c 100%%"), TEXT('o'), TEXT('k')).Equals(TEXT("ok 100%")));
	EXPECT_TRUE(FString::Printf(TEXT("%g %e"), 0.5, 1000.0).Equals(TEXT("0.5 1.000000e+03")));
	EXPECT_TRUE(FString::Printf(TEXT("%s"), TEXT("Grüße ✓")).Equals(TEXT("Grüße ✓")));
	EXPECT_TRUE(FString::Printf(TEXT("%hs"), "ansi").Equals(TEXT("ansi")));
}

TEST(StringTest, PrintfMismatchFailsLoudly)
{
	EXPECT_DEATH(FString::Printf(TEXT("%d"), 1.5), "integer conversion");
	EXPECT_DEATH(FString::Printf(TEXT("%s %s"), TEXT("one")), "more conversions than arguments");
}

TEST(StringTest, SanitizeFloatKeepsTheMinimumFractionalDigits)
{
	EXPECT_TRUE(FString::SanitizeFloat(1.0).Equals(TEXT("1.0")));
	EXPECT_TRUE(FString::SanitizeFloat(0.5).Equals(TEXT("0.5")));
	EXPECT_TRUE(FString::SanitizeFloat(-2.25).Equals(TEXT("-2.25")));
	EXPECT_TRUE(FString::SanitizeFloat(24.0, 0).Equals(TEXT("24")));
	EXPECT_TRUE(FString::SanitizeFloat(24.5, 3).Equals(TEXT("24.500")));
	EXPECT_TRUE(FString::SanitizeFloat(-0.0).Equals(TEXT("0.0")));
	EXPECT_TRUE(FString::SanitizeFloat(1e-7).Equals(TEXT("0.0")));
	EXPECT_TRUE(FString::SanitizeFloat(123456789.0).Equals(TEXT("123456789.0")));
	EXPECT_TRUE(FString::SanitizeFloat(23.976).Equals(TEXT("23.976")));
}

TEST(StringTest, NumberConversions)
{
	EXPECT_EQ(FCString::Atoi(TEXT("  42abc")), 42);
	EXPECT_EQ(FCString::Atoi(TEXT("abc")), 0);
	EXPECT_DOUBLE_EQ(FCString::Atod(TEXT("-2.5e1")), -25.0);
	EXPECT_EQ(FCString::Stricmp(TEXT("ABC"), TEXT("abc")), 0);
	EXPECT_LT(FCString::Strcmp(TEXT("ABC"), TEXT("abc")), 0);
	EXPECT_TRUE(FString::FromInt(-17).Equals(TEXT("-17")));
	EXPECT_TRUE(LexToString(true).Equals(TEXT("true")));
	EXPECT_TRUE(LexToString(2.5f).Equals(TEXT("2.500000")));

	int32 Parsed = 0;
	EXPECT_TRUE(LexTryParseString(Parsed, TEXT(" 12 ")));
	EXPECT_EQ(Parsed, 12);
	EXPECT_FALSE(LexTryParseString(Parsed, TEXT("12x")));
	EXPECT_EQ(Parsed, 12);
	double ParsedDouble = 0.0;
	EXPECT_TRUE(LexTryParseString(ParsedDouble, TEXT("29.97")));
	EXPECT_DOUBLE_EQ(ParsedDouble, 29.97);
	bool bParsed = false;
	LexFromString(bParsed, TEXT("Yes"));
	EXPECT_TRUE(bParsed);
	EXPECT_TRUE(FString(TEXT("-1.5")).IsNumeric());
	EXPECT_FALSE(FString(TEXT("1.2.3")).IsNumeric());
}

TEST(StringTest, Utf8RoundTripsThroughTchar)
{
	const FString Original(TEXT("Kamera 📷 Ünïcode"));
	const std::string Utf8 = TCHAR_TO_UTF8(*Original);
	EXPECT_EQ(Utf8, std::string("Kamera \xF0\x9F\x93\xB7 \xC3\x9Cn\xC3\xAF"
								"code"));
	EXPECT_TRUE(FString(UTF8_TO_TCHAR(Utf8.c_str())).Equals(Original));
	EXPECT_EQ(StringCast<ANSICHAR>(*Original).Length(), (int32)Utf8.size());
	// A broken sequence decodes to a replacement character instead of being dropped.
	EXPECT_TRUE(FString(UTF8_TO_TCHAR("a\xC3z")).Equals(TEXT("a\xFFFDz")));
}
