// FGuid text forms and generation; FQuat and FTransform as rotators and points pass through them.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include "Math/Quat.h"
#include "Math/Transform.h"
#include "Misc/Guid.h"
#include <gtest/gtest.h>

namespace
{
	const FGuid KnownGuid(0x01234567u, 0x89ABCDEFu, 0xFEDCBA98u, 0x76543210u);

	::testing::AssertionResult VectorsNear(const FVector& Actual, const FVector& Expected)
	{
		if (Actual.Equals(Expected, 1.e-6))
		{
			return ::testing::AssertionSuccess();
		}
		return ::testing::AssertionFailure() << TCHAR_TO_UTF8(*Actual.ToString()) << " is not " << TCHAR_TO_UTF8(*Expected.ToString());
	}
}

TEST(GuidTest, TextFormsAreUpperCaseHexInFourParts)
{
	EXPECT_TRUE(KnownGuid.ToString().Equals(TEXT("0123456789ABCDEFFEDCBA9876543210"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(KnownGuid.ToString(EGuidFormats::Type::DigitsWithHyphens).Equals(TEXT("01234567-89AB-CDEF-FEDC-BA9876543210"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(KnownGuid.ToString(EGuidFormats::Type::DigitsWithHyphensInBraces).Equals(TEXT("{01234567-89AB-CDEF-FEDC-BA9876543210}"), ESearchCase::CaseSensitive));
	// Leading zeros of every part are kept.
	EXPECT_TRUE(FGuid(0, 1, 0, 0xF).ToString().Equals(TEXT("0000000000000001000000000000000F")));
	EXPECT_TRUE(FGuid().ToString(EGuidFormats::Type::DigitsWithHyphens).Equals(TEXT("00000000-0000-0000-0000-000000000000")));
}

TEST(GuidTest, ParseAcceptsEveryWrittenForm)
{
	for (const EGuidFormats::Type Format : { EGuidFormats::Type::Digits, EGuidFormats::Type::DigitsWithHyphens, EGuidFormats::Type::DigitsWithHyphensInBraces })
	{
		FGuid Parsed;
		ASSERT_TRUE(FGuid::Parse(KnownGuid.ToString(Format), Parsed)) << TCHAR_TO_UTF8(*KnownGuid.ToString(Format));
		EXPECT_EQ(Parsed, KnownGuid);

		FGuid Exact;
		ASSERT_TRUE(FGuid::ParseExact(KnownGuid.ToString(Format), Format, Exact));
		EXPECT_EQ(Exact, KnownGuid);
	}

	// Hexadecimal digits may be lower case.
	FGuid Lower;
	ASSERT_TRUE(FGuid::Parse(TEXT("01234567-89ab-cdef-fedc-ba9876543210"), Lower));
	EXPECT_EQ(Lower, KnownGuid);
}

TEST(GuidTest, ParseRejectsMalformedText)
{
	FGuid Parsed(1, 2, 3, 4);
	EXPECT_FALSE(FGuid::Parse(TEXT(""), Parsed));
	EXPECT_FALSE(Parsed.IsValid());
	EXPECT_FALSE(FGuid::Parse(TEXT("0123456789ABCDEFFEDCBA987654321"), Parsed));
	EXPECT_FALSE(FGuid::Parse(TEXT("0123456789ABCDEFFEDCBA98765432100"), Parsed));
	EXPECT_FALSE(FGuid::Parse(TEXT("0123456789ABCDEFFEDCBA987654321G"), Parsed));
	EXPECT_FALSE(FGuid::Parse(TEXT("012345678-9AB-CDEF-FEDC-BA9876543210"), Parsed));
	EXPECT_FALSE(FGuid::Parse(TEXT("{01234567-89AB-CDEF-FEDC-BA9876543210"), Parsed));
	EXPECT_FALSE(FGuid::Parse(TEXT(" 0123456789ABCDEFFEDCBA9876543210"), Parsed));

	// ParseExact insists on the format it is given.
	FGuid Exact;
	EXPECT_FALSE(FGuid::ParseExact(KnownGuid.ToString(EGuidFormats::Type::DigitsWithHyphens), EGuidFormats::Type::Digits, Exact));
	EXPECT_FALSE(FGuid::ParseExact(KnownGuid.ToString(), EGuidFormats::Type::DigitsWithHyphens, Exact));
	EXPECT_FALSE(FGuid::ParseExact(KnownGuid.ToString(EGuidFormats::Type::DigitsWithHyphens), EGuidFormats::Type::DigitsWithHyphensInBraces, Exact));
}

TEST(GuidTest, NewGuidsAreValidDistinctAndRoundTrip)
{
	TSet<FGuid> Seen;
	for (int32 Index = 0; Index < 2000; ++Index)
	{
		const FGuid Guid = FGuid::NewGuid();
		ASSERT_TRUE(Guid.IsValid());
		bool bAlreadySeen = false;
		Seen.Add(Guid, &bAlreadySeen);
		ASSERT_FALSE(bAlreadySeen);

		FGuid Parsed;
		ASSERT_TRUE(FGuid::Parse(Guid.ToString(EGuidFormats::Type::DigitsWithHyphensInBraces), Parsed));
		ASSERT_EQ(Parsed, Guid);
	}
	EXPECT_EQ(Seen.Num(), 2000);
}

TEST(GuidTest, ValidityOrderAndMapKeys)
{
	FGuid Guid = KnownGuid;
	EXPECT_TRUE(Guid.IsValid());
	EXPECT_TRUE(FGuid(0, 0, 0, 1).IsValid());
	Guid.Invalidate();
	EXPECT_FALSE(Guid.IsValid());
	EXPECT_EQ(Guid, FGuid());

	// Order compares the parts from first to last.
	EXPECT_TRUE(FGuid(1, 0, 0, 0) < FGuid(2, 0, 0, 0));
	EXPECT_TRUE(FGuid(1, 9, 9, 9) < FGuid(2, 0, 0, 0));
	EXPECT_TRUE(FGuid(1, 1, 1, 1) < FGuid(1, 1, 1, 2));
	EXPECT_FALSE(KnownGuid < KnownGuid);

	TMap<FGuid, FString> Bindings;
	Bindings.Add(KnownGuid, TEXT("Camera"));
	Bindings.Add(FGuid(KnownGuid.A, KnownGuid.B, KnownGuid.C, KnownGuid.D + 1), TEXT("Light"));
	EXPECT_EQ(Bindings.Num(), 2);
	FGuid Copy;
	ASSERT_TRUE(FGuid::Parse(KnownGuid.ToString(), Copy));
	EXPECT_TRUE(Bindings.FindRef(Copy).Equals(TEXT("Camera")));
}

TEST(TransformTest, QuaternionRotatorRoundTrip)
{
	const FRotator Rotators[] = {
		FRotator(0.0, 0.0, 0.0),
		FRotator(30.0, 0.0, 0.0),
		FRotator(0.0, -135.0, 0.0),
		FRotator(0.0, 0.0, 170.0),
		FRotator(-45.0, 60.0, -20.0),
		FRotator(89.0, -179.0, 45.0),
		FRotator(10.0, 180.0, -90.0),
	};
	for (const FRotator& Rotator : Rotators)
	{
		const FRotator RoundTrip = FQuat(Rotator).Rotator();
		EXPECT_TRUE(RoundTrip.Equals(Rotator, 1.e-6)) << TCHAR_TO_UTF8(*Rotator.ToString()) << " came back as " << TCHAR_TO_UTF8(*RoundTrip.ToString());
	}

	// A wound-up rotator comes back as its normalised equivalent.
	const FRotator Wound = FQuat(FRotator(0.0, 270.0, 0.0)).Rotator();
	EXPECT_NEAR(Wound.Yaw, -90.0, 1.e-9);
}

TEST(TransformTest, GimbalPoleKeepsTheDirection)
{
	// At pitch +-90 yaw and roll are not separable; the rotation itself must survive.
	for (const double Pitch : { 90.0, -90.0 })
	{
		const FRotator Original(Pitch, 30.0, 10.0);
		const FRotator RoundTrip = FQuat(Original).Rotator();
		EXPECT_NEAR(RoundTrip.Pitch, Pitch, 1.e-6);
		for (const FVector& Axis : { FVector(1.0, 0.0, 0.0), FVector(0.0, 1.0, 0.0), FVector(0.0, 0.0, 1.0) })
		{
			EXPECT_TRUE(VectorsNear(FQuat(RoundTrip).RotateVector(Axis), FQuat(Original).RotateVector(Axis)));
		}
	}
}

TEST(TransformTest, QuaternionRotatesLikeItsRotator)
{
	const FVector Point(3.0, -2.0, 5.0);
	for (const FRotator& Rotator : { FRotator(0.0, 90.0, 0.0), FRotator(90.0, 0.0, 0.0), FRotator(0.0, 0.0, 90.0), FRotator(25.0, -70.0, 140.0) })
	{
		EXPECT_TRUE(VectorsNear(FQuat(Rotator).RotateVector(Point), Rotator.RotateVector(Point))) << TCHAR_TO_UTF8(*Rotator.ToString());
	}

	// Yaw turns X towards Y, pitch turns X up, roll tips Y down (clockwise seen from behind).
	EXPECT_TRUE(VectorsNear(FQuat(FRotator(0.0, 90.0, 0.0)).RotateVector(FVector(1.0, 0.0, 0.0)), FVector(0.0, 1.0, 0.0)));
	EXPECT_TRUE(VectorsNear(FQuat(FRotator(90.0, 0.0, 0.0)).RotateVector(FVector(1.0, 0.0, 0.0)), FVector(0.0, 0.0, 1.0)));
	EXPECT_TRUE(VectorsNear(FQuat(FRotator(0.0, 0.0, 90.0)).RotateVector(FVector(0.0, 1.0, 0.0)), FVector(0.0, 0.0, -1.0)));
	EXPECT_TRUE(VectorsNear(FQuat::Identity.RotateVector(Point), Point));
}

TEST(TransformTest, QuaternionProductAppliesTheRightOperandFirst)
{
	const FQuat Yaw(FRotator(0.0, 90.0, 0.0));
	const FQuat Pitch(FRotator(90.0, 0.0, 0.0));
	const FVector Forward(1.0, 0.0, 0.0);
	EXPECT_TRUE(VectorsNear((Yaw * Pitch).RotateVector(Forward), Yaw.RotateVector(Pitch.RotateVector(Forward))));
	EXPECT_TRUE(VectorsNear((Pitch * Yaw).RotateVector(Forward), Pitch.RotateVector(Yaw.RotateVector(Forward))));
	// The two orders differ, so a swapped product is caught.
	EXPECT_FALSE((Yaw * Pitch).Equals(Pitch * Yaw));
	EXPECT_TRUE((Yaw * FQuat::Identity).Equals(Yaw));
}

TEST(TransformTest, QuaternionEqualityTreatsTheNegationAsTheSameRotation)
{
	const FQuat Rotation(FRotator(10.0, 20.0, 30.0));
	const FQuat Negated(-Rotation.X, -Rotation.Y, -Rotation.Z, -Rotation.W);
	EXPECT_TRUE(Rotation.Equals(Negated));
	EXPECT_FALSE(Rotation == Negated);
	EXPECT_FALSE(Rotation.Equals(FQuat(FRotator(10.0, 20.0, 31.0))));
	EXPECT_TRUE(Rotation.Equals(FQuat(FRotator(10.0, 20.0, 30.001)), 1.e-4));
}

TEST(TransformTest, TransformPositionScalesThenRotatesThenTranslates)
{
	const FTransform Transform(FRotator(0.0, 90.0, 0.0), FVector(10.0, 0.0, 0.0), FVector(2.0, 1.0, 1.0));
	EXPECT_TRUE(VectorsNear(Transform.TransformPosition(FVector(1.0, 0.0, 0.0)), FVector(10.0, 2.0, 0.0)));
	EXPECT_TRUE(VectorsNear(Transform.TransformPosition(FVector(0.0, 1.0, 0.0)), FVector(9.0, 0.0, 0.0)));
	EXPECT_TRUE(VectorsNear(Transform.TransformPosition(FVector::ZeroVector), FVector(10.0, 0.0, 0.0)));

	EXPECT_TRUE(VectorsNear(FTransform::Identity.TransformPosition(FVector(1.0, 2.0, 3.0)), FVector(1.0, 2.0, 3.0)));
	EXPECT_TRUE(VectorsNear(FTransform(FVector(1.0, 1.0, 1.0)).TransformPosition(FVector(1.0, 2.0, 3.0)), FVector(2.0, 3.0, 4.0)));

	// A negative scale mirrors before the rotation is applied.
	const FTransform Mirrored(FQuat(FRotator(0.0, 90.0, 0.0)), FVector::ZeroVector, FVector(-1.0, 1.0, 1.0));
	EXPECT_TRUE(VectorsNear(Mirrored.TransformPosition(FVector(1.0, 0.0, 0.0)), FVector(0.0, -1.0, 0.0)));
}

TEST(TransformTest, AccessorsAndTextForm)
{
	FTransform Transform;
	EXPECT_TRUE(Transform.Equals(FTransform::Identity));
	Transform.SetLocation(FVector(1.0, 2.0, 3.0));
	Transform.SetRotation(FQuat(FRotator(0.0, 45.0, 0.0)));
	Transform.SetScale3D(FVector(1.0, 1.0, 2.0));
	EXPECT_TRUE(VectorsNear(Transform.GetLocation(), FVector(1.0, 2.0, 3.0)));
	EXPECT_TRUE(Transform.Rotator().Equals(FRotator(0.0, 45.0, 0.0), 1.e-6));
	EXPECT_FALSE(Transform.Equals(FTransform::Identity));
	EXPECT_TRUE(Transform.Equals(FTransform(FRotator(0.0, 45.0, 0.0), FVector(1.0, 2.0, 3.0), FVector(1.0, 1.0, 2.0))));

	// Translation, then rotator (pitch, yaw, roll), then scale.
	const FString Text = FTransform(FRotator(10.0, 20.0, 30.0), FVector(1.0, 2.0, 3.0), FVector(1.0, 1.0, 2.0)).ToString();
	EXPECT_TRUE(Text.Equals(TEXT("1.000000,2.000000,3.000000|10.000000,20.000000,30.000000|1.000000,1.000000,2.000000"))) << TCHAR_TO_UTF8(*Text);
}
