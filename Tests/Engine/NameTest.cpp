// FName: case-insensitive identity, first-casing display, number suffixes and None.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

TEST(NameTest, ComparesAndHashesIgnoringCase)
{
	const FName First(TEXT("NameTest_TrackedCamera"));
	const FName Second(TEXT("nametest_trackedcamera"));
	EXPECT_EQ(First, Second);
	EXPECT_EQ(GetTypeHash(First), GetTypeHash(Second));
	EXPECT_TRUE(First == TEXT("NAMETEST_TRACKEDCAMERA"));
	// The table keeps the casing it first saw.
	EXPECT_TRUE(Second.ToString().Equals(TEXT("NameTest_TrackedCamera"), ESearchCase::CaseSensitive));
	EXPECT_NE(First, FName(TEXT("NameTest_TrackedCamera2")));
}

TEST(NameTest, TrailingNumberIsSplitOff)
{
	const FName Cube(TEXT("Cube_3"));
	EXPECT_EQ(Cube.GetNumber(), NAME_EXTERNAL_TO_INTERNAL(3));
	EXPECT_TRUE(Cube.GetPlainNameString().Equals(TEXT("Cube")));
	EXPECT_TRUE(Cube.ToString().Equals(TEXT("Cube_3")));
	EXPECT_NE(Cube, FName(TEXT("Cube_4")));
	EXPECT_EQ(Cube, FName(FName(TEXT("Cube")), NAME_EXTERNAL_TO_INTERNAL(3)));
	EXPECT_TRUE(FName(TEXT("Cube_0")).ToString().Equals(TEXT("Cube_0")));
	EXPECT_EQ(FName(TEXT("Cube_0")).GetNumber(), 1);

	// Leading zeros, a bare underscore or no plain part keep the digits in the name.
	EXPECT_EQ(FName(TEXT("Cube_03")).GetNumber(), NAME_NO_NUMBER_INTERNAL);
	EXPECT_TRUE(FName(TEXT("Cube_03")).ToString().Equals(TEXT("Cube_03")));
	EXPECT_EQ(FName(TEXT("Cube3")).GetNumber(), NAME_NO_NUMBER_INTERNAL);
	EXPECT_EQ(FName(TEXT("_3")).GetNumber(), NAME_NO_NUMBER_INTERNAL);
	EXPECT_EQ(FName(TEXT("Cube_99999999999")).GetNumber(), NAME_NO_NUMBER_INTERNAL);
}

TEST(NameTest, NoneAndFindOnly)
{
	EXPECT_TRUE(FName().IsNone());
	EXPECT_TRUE(FName(TEXT("")).IsNone());
	EXPECT_TRUE(FName(NAME_None).IsNone());
	EXPECT_TRUE(FName(TEXT("none")).IsNone());
	EXPECT_TRUE(FName().ToString().Equals(TEXT("None")));
	EXPECT_TRUE(FName().IsValid());

	const int32 SizeBefore = FName::GetNameTableSize();
	const FName Missing(TEXT("NameTest_NeverAdded_7f3a"), FNAME_Find);
	EXPECT_TRUE(Missing.IsNone());
	EXPECT_EQ(FName::GetNameTableSize(), SizeBefore);
	EXPECT_FALSE(FName(TEXT("NameTest_NeverAdded_7f3a")) == TEXT("")); // adds it now
	EXPECT_FALSE(FName(TEXT("NameTest_NeverAdded_7f3a"), FNAME_Find).IsNone());
}

TEST(NameTest, LexicalOrderIgnoresCaseThenNumber)
{
	TArray<FName> Names = { FName(TEXT("beta")), FName(TEXT("Alpha_2")), FName(TEXT("ALPHA_1")), FName(TEXT("Gamma")) };
	Names.Sort(FNameLexicalLess());
	EXPECT_TRUE(Names[0].ToString().Equals(TEXT("Alpha_1"), ESearchCase::IgnoreCase));
	EXPECT_TRUE(Names[1].ToString().Equals(TEXT("Alpha_2"), ESearchCase::IgnoreCase));
	EXPECT_EQ(Names[2], FName(TEXT("beta")));
	EXPECT_EQ(FName(TEXT("x")).Compare(FName(TEXT("X"))), 0);

	// FastLess is a consistent strict order usable as a map key order.
	const FName A(TEXT("NameTest_FastA"));
	const FName B(TEXT("NameTest_FastB"));
	EXPECT_NE(A.FastLess(B), B.FastLess(A));
}

TEST(NameTest, WorksAsMapKey)
{
	TMap<FName, int32> Counts;
	Counts.Add(FName(TEXT("Stage")), 1);
	Counts.FindOrAdd(FName(TEXT("STAGE")))++;
	EXPECT_EQ(Counts.Num(), 1);
	EXPECT_EQ(Counts.FindRef(FName(TEXT("stage"))), 2);
}
