// Contract tests of FLinearColor's HSV conversions, as the engine's colour wheel uses them: hue in
// degrees in R, saturation in G, value in B, alpha carried through.

#include "CoreMinimal.h"
#include "Math/Color.h"

#include <gtest/gtest.h>

namespace
{
	void ExpectNear(const FLinearColor& Actual, const FLinearColor& Expected)
	{
		EXPECT_NEAR(Actual.R, Expected.R, 1e-4f) << TCHAR_TO_UTF8(*Actual.ToString());
		EXPECT_NEAR(Actual.G, Expected.G, 1e-4f) << TCHAR_TO_UTF8(*Actual.ToString());
		EXPECT_NEAR(Actual.B, Expected.B, 1e-4f) << TCHAR_TO_UTF8(*Actual.ToString());
		EXPECT_EQ(Actual.A, Expected.A);
	}
}

TEST(ColorHSV, PrimariesAndSecondariesSitEverySixtyDegrees)
{
	const struct
	{
		FLinearColor RGB;
		float Hue;
	} Wheel[] = {
		{ FLinearColor(1, 0, 0), 0.0f },
		{ FLinearColor(1, 1, 0), 60.0f },
		{ FLinearColor(0, 1, 0), 120.0f },
		{ FLinearColor(0, 1, 1), 180.0f },
		{ FLinearColor(0, 0, 1), 240.0f },
		{ FLinearColor(1, 0, 1), 300.0f },
	};
	for (const auto& Entry : Wheel)
	{
		SCOPED_TRACE(Entry.Hue);
		EXPECT_EQ(Entry.RGB.LinearRGBToHSV(), FLinearColor(Entry.Hue, 1.0f, 1.0f, 1.0f));
		EXPECT_EQ(FLinearColor(Entry.Hue, 1.0f, 1.0f, 1.0f).HSVToLinearRGB(), Entry.RGB);
	}
}

TEST(ColorHSV, GreysHaveHueAndSaturationZeroAndTheirLevelAsValue)
{
	EXPECT_EQ(FLinearColor(0.25f, 0.25f, 0.25f, 0.5f).LinearRGBToHSV(), FLinearColor(0.0f, 0.0f, 0.25f, 0.5f));
	EXPECT_EQ(FLinearColor::Black.LinearRGBToHSV(), FLinearColor(0.0f, 0.0f, 0.0f, 1.0f));
	EXPECT_EQ(FLinearColor::White.LinearRGBToHSV(), FLinearColor(0.0f, 0.0f, 1.0f, 1.0f));
	// Without saturation every hue is the same grey.
	EXPECT_EQ(FLinearColor(200.0f, 0.0f, 0.7f, 0.3f).HSVToLinearRGB(), FLinearColor(0.7f, 0.7f, 0.7f, 0.3f));
}

TEST(ColorHSV, InBetweenColoursAndBrightOnesFollowTheHexconeModel)
{
	// Orange: red strongest, hue from the green-blue difference over the range.
	const FLinearColor Orange = FLinearColor(0.8f, 0.4f, 0.1f, 1.0f).LinearRGBToHSV();
	EXPECT_NEAR(Orange.R, 25.7142857f, 1e-4f);
	EXPECT_FLOAT_EQ(Orange.G, 0.875f);
	EXPECT_FLOAT_EQ(Orange.B, 0.8f);
	// Values above one (HDR) stay as value; saturation is relative to it.
	EXPECT_EQ(FLinearColor(2.0f, 1.0f, 1.0f).LinearRGBToHSV(), FLinearColor(0.0f, 0.5f, 2.0f, 1.0f));
	ExpectNear(FLinearColor(90.0f, 0.5f, 0.5f, 0.75f).HSVToLinearRGB(), FLinearColor(0.375f, 0.5f, 0.25f, 0.75f));
	ExpectNear(FLinearColor(270.0f, 1.0f, 0.5f, 1.0f).HSVToLinearRGB(), FLinearColor(0.25f, 0.0f, 0.5f, 1.0f));
}

TEST(ColorHSV, HueWrapsAroundTheCircle)
{
	EXPECT_EQ(FLinearColor(360.0f, 1.0f, 1.0f).HSVToLinearRGB(), FLinearColor(1, 0, 0));
	ExpectNear(FLinearColor(420.0f, 1.0f, 1.0f).HSVToLinearRGB(), FLinearColor(1, 1, 0));
	// Just below a full turn is almost red, with a trace of blue.
	const FLinearColor NearlyRed = FLinearColor(359.0f, 1.0f, 1.0f).HSVToLinearRGB();
	EXPECT_EQ(NearlyRed.R, 1.0f);
	EXPECT_EQ(NearlyRed.G, 0.0f);
	EXPECT_NEAR(NearlyRed.B, 1.0f / 60.0f, 1e-4f);
	// Red with a little blue lands just under 360, not at a negative hue.
	EXPECT_NEAR(FLinearColor(1.0f, 0.0f, 0.1f).LinearRGBToHSV().R, 354.0f, 1e-3f);
}

TEST(ColorHSV, ColoursSurviveTheRoundTripWithTheirAlpha)
{
	for (float R = 0.0f; R <= 1.0f; R += 0.25f)
	{
		for (float G = 0.0f; G <= 1.0f; G += 0.25f)
		{
			for (float B = 0.0f; B <= 1.0f; B += 0.25f)
			{
				const FLinearColor Colour(R, G, B, 0.6f);
				SCOPED_TRACE(TCHAR_TO_UTF8(*Colour.ToString()));
				ExpectNear(Colour.LinearRGBToHSV().HSVToLinearRGB(), Colour);
			}
		}
	}
}
