// Maths value types: text forms as the engine prints and parses them, and FMath rounding.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

TEST(MathTest, TextFormsRoundTrip)
{
	const FVector Location(1.5, -2.0, 300.25);
	EXPECT_TRUE(Location.ToString().Equals(TEXT("X=1.500 Y=-2.000 Z=300.250")));
	FVector Parsed;
	ASSERT_TRUE(Parsed.InitFromString(Location.ToString()));
	EXPECT_EQ(Parsed, Location);
	EXPECT_FALSE(Parsed.InitFromString(TEXT("X=1 Y=2")));
	EXPECT_TRUE(Parsed.IsZero());

	const FRotator Rotation(10.0, -90.0, 0.5);
	EXPECT_TRUE(Rotation.ToString().Equals(TEXT("P=10.000000 Y=-90.000000 R=0.500000")));
	FRotator ParsedRotation;
	ASSERT_TRUE(ParsedRotation.InitFromString(Rotation.ToString()));
	EXPECT_EQ(ParsedRotation, Rotation);

	EXPECT_TRUE(FVector2D(1.0, 2.0).ToString().Equals(TEXT("X=1.000 Y=2.000")));
	EXPECT_TRUE(FIntPoint(3, -4).ToString().Equals(TEXT("X=3 Y=-4")));
	EXPECT_TRUE(FLinearColor(1.0f, 0.5f, 0.0f, 1.0f).ToString().Equals(TEXT("(R=1.000000,G=0.500000,B=0.000000,A=1.000000)")));
	EXPECT_TRUE(FColor(255, 128, 0).ToString().Equals(TEXT("(R=255,G=128,B=0,A=255)")));
	FLinearColor Color;
	ASSERT_TRUE(Color.InitFromString(TEXT("(R=0.25,G=0.5,B=0.75)")));
	EXPECT_FLOAT_EQ(Color.B, 0.75f);
	EXPECT_FLOAT_EQ(Color.A, 1.0f);
}

TEST(MathTest, RoundingAndRanges)
{
	EXPECT_EQ(FMath::RoundToInt(2.5), 3);
	EXPECT_EQ(FMath::RoundToInt(-2.5), -2);
	EXPECT_EQ(FMath::TruncToInt(-2.7), -2);
	EXPECT_EQ(FMath::FloorToInt(-2.1), -3);
	EXPECT_EQ(FMath::Clamp(5, 0, 3), 3);
	EXPECT_DOUBLE_EQ(FMath::GetRangePct(10.0, 20.0, 15.0), 0.5);
	EXPECT_DOUBLE_EQ(FMath::Lerp(0.0, 10.0, 0.25), 2.5);
	EXPECT_TRUE(FMath::IsNearlyEqual(0.1 + 0.2, 0.3));
	EXPECT_EQ(FMath::Sign(-3.0), -1.0);
}

TEST(MathTest, ColourConversions)
{
	const FLinearColor Red = FLinearColor(1.0f, 0.0f, 0.0f);
	const FLinearColor HSV = Red.LinearRGBToHSV();
	EXPECT_FLOAT_EQ(HSV.R, 0.0f);
	EXPECT_FLOAT_EQ(HSV.G, 1.0f);
	EXPECT_FLOAT_EQ(HSV.B, 1.0f);
	const FLinearColor Cyan = FLinearColor(180.0f, 1.0f, 0.5f).HSVToLinearRGB();
	EXPECT_TRUE(Cyan.Equals(FLinearColor(0.0f, 0.5f, 0.5f)));
	EXPECT_EQ(FLinearColor(FColor(255, 255, 255)).ToFColor(true), FColor(255, 255, 255));
	EXPECT_EQ(FLinearColor(0.5f, 0.5f, 0.5f).ToFColor(true), FColor(188, 188, 188));
	EXPECT_EQ(FColor::FromHex(TEXT("#FF800040")), FColor(255, 128, 0, 64));
}

TEST(MathTest, RotatorAxes)
{
	EXPECT_TRUE(FRotator(0.0, 90.0, 0.0).Vector().Equals(FVector(0.0, 1.0, 0.0)));
	EXPECT_TRUE(FRotator(90.0, 0.0, 0.0).Vector().Equals(FVector(0.0, 0.0, 1.0)));
	EXPECT_TRUE(FRotator(0.0, 90.0, 0.0).RotateVector(FVector(1.0, 0.0, 0.0)).Equals(FVector(0.0, 1.0, 0.0)));
	EXPECT_DOUBLE_EQ(FRotator::NormalizeAxis(270.0), -90.0);
	EXPECT_TRUE(FRotator(0.0, 360.0, 0.0).Equals(FRotator::ZeroRotator));
	EXPECT_TRUE(FVector(0.0, 0.0, 0.0).GetSafeNormal().IsZero());
	EXPECT_DOUBLE_EQ(FVector(3.0, 4.0, 0.0).Size(), 5.0);
}
