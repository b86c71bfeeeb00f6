// Command-line and console-input parsing as the engine's FParse does it, and frame-rate arithmetic.

#include "HostTestSupport.h"

#include "Misc/FrameRate.h"
#include "Misc/Parse.h"

#include <gtest/gtest.h>

using namespace HostTest;

TEST(ParseTest, SwitchesMatchWholeWordsOnly)
{
	const TCHAR* Line = TEXT("Stage.uproject -Game /Unattended -gamemode=x");
	EXPECT_TRUE(FParse::Param(Line, TEXT("game")));
	EXPECT_TRUE(FParse::Param(Line, TEXT("unattended")));
	EXPECT_FALSE(FParse::Param(Line, TEXT("gamemode")));
	EXPECT_FALSE(FParse::Param(Line, TEXT("stage")));
	EXPECT_FALSE(FParse::Param(TEXT("-gameplay"), TEXT("game")));
}

TEST(ParseTest, ValuesStopAtSpacesUnlessQuoted)
{
	const TCHAR* Line = TEXT("-culture=de -ExecCmds=\"help; modules\" -Rate=29.97 -Count=12,3 -endculture=fr");
	FString Text;
	ASSERT_TRUE(FParse::Value(Line, TEXT("culture="), Text));
	EXPECT_EQ(Utf8(Text), "de");
	ASSERT_TRUE(FParse::Value(Line, TEXT("execcmds="), Text));
	EXPECT_EQ(Utf8(Text), "help; modules");
	float Rate = 0;
	ASSERT_TRUE(FParse::Value(Line, TEXT("Rate="), Rate));
	EXPECT_FLOAT_EQ(Rate, 29.97f);
	int32 Count = 0;
	ASSERT_TRUE(FParse::Value(Line, TEXT("Count="), Count));
	EXPECT_EQ(Count, 12);
	ASSERT_TRUE(FParse::Value(Line, TEXT("Count="), Text, false));
	EXPECT_EQ(Utf8(Text), "12,3");
	EXPECT_FALSE(FParse::Value(Line, TEXT("missing="), Text));
}

TEST(ParseTest, TokensAndCommandsAdvanceTheStream)
{
	const TCHAR* Stream = TEXT("  call  \"Quovex Subsystem\" Param=\\\"x\\\"");
	EXPECT_TRUE(FParse::Command(&Stream, TEXT("CALL")));
	FString Token;
	ASSERT_TRUE(FParse::Token(Stream, Token, false));
	EXPECT_EQ(Utf8(Token), "Quovex Subsystem");
	ASSERT_TRUE(FParse::Token(Stream, Token, false));
	EXPECT_EQ(Utf8(Token), "Param=\\\"x\\\"");
	EXPECT_FALSE(FParse::Token(Stream, Token, false));

	const TCHAR* Other = TEXT("callable x");
	EXPECT_FALSE(FParse::Command(&Other, TEXT("call")));
	EXPECT_EQ(Utf8(FString(Other)), "callable x");

	const TCHAR* Lines = TEXT("first\r\nsecond");
	FString Line;
	ASSERT_TRUE(FParse::Line(&Lines, Line));
	EXPECT_EQ(Utf8(Line), "first");
	ASSERT_TRUE(FParse::Line(&Lines, Line));
	EXPECT_EQ(Utf8(Line), "second");
	EXPECT_FALSE(FParse::Line(&Lines, Line));
}

TEST(FrameRateTest, DefaultsValidityAndMultiples)
{
	EXPECT_EQ(FFrameRate(), FFrameRate(60000, 1));
	EXPECT_TRUE(FFrameRate(24000, 1001).IsValid());
	FFrameRate Broken(25, 1);
	Broken.Denominator = 0;
	EXPECT_FALSE(Broken.IsValid());
	EXPECT_NEAR(FFrameRate(30000, 1001).AsDecimal(), 29.97003, 1e-5);
	EXPECT_DOUBLE_EQ(FFrameRate(50, 2).AsInterval(), 0.04);
	EXPECT_TRUE(FFrameRate(50, 1).IsMultipleOf(FFrameRate(25, 1)));
	EXPECT_FALSE(FFrameRate(25, 1).IsMultipleOf(FFrameRate(50, 1)));
	EXPECT_TRUE(FFrameRate(60000, 1001).IsMultipleOf(FFrameRate(30000, 1001)));
	EXPECT_FALSE(FFrameRate(30, 1).IsMultipleOf(FFrameRate(24, 1)));
}
