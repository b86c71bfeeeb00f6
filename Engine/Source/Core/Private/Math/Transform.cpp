#include "Math/Transform.h"

#include "Math/UnrealMathUtility.h"

#include <cmath>

const FQuat FQuat::Identity(0.0, 0.0, 0.0, 1.0);
const FTransform FTransform::Identity;

namespace
{
	constexpr double DegreesToRadians = 3.14159265358979323846 / 180.0;
	constexpr double RadiansToDegrees = 180.0 / 3.14159265358979323846;
}

FQuat::FQuat(const FRotator& Rotator)
{
	const double SP = std::sin(Rotator.Pitch * DegreesToRadians * 0.5);
	const double CP = std::cos(Rotator.Pitch * DegreesToRadians * 0.5);
	const double SY = std::sin(Rotator.Yaw * DegreesToRadians * 0.5);
	const double CY = std::cos(Rotator.Yaw * DegreesToRadians * 0.5);
	const double SR = std::sin(Rotator.Roll * DegreesToRadians * 0.5);
	const double CR = std::cos(Rotator.Roll * DegreesToRadians * 0.5);
	X = CR * SP * SY - SR * CP * CY;
	Y = -CR * SP * CY - SR * CP * SY;
	Z = CR * CP * SY - SR * SP * CY;
	W = CR * CP * CY + SR * SP * SY;
}

FRotator FQuat::Rotator() const
{
	const double SingularityTest = Z * X - W * Y;
	const double YawY = 2.0 * (W * Z + X * Y);
	const double YawX = 1.0 - 2.0 * (Y * Y + Z * Z);
	const double Yaw = std::atan2(YawY, YawX) * RadiansToDegrees;
	constexpr double Threshold = 0.4999995;
	if (SingularityTest < -Threshold)
	{
		return FRotator(-90.0, Yaw, -Yaw - 2.0 * std::atan2(X, W) * RadiansToDegrees);
	}
	if (SingularityTest > Threshold)
	{
		return FRotator(90.0, Yaw, Yaw - 2.0 * std::atan2(X, W) * RadiansToDegrees);
	}
	const double Pitch = std::asin(2.0 * SingularityTest) * RadiansToDegrees;
	const double Roll = std::atan2(-2.0 * (W * X + Y * Z), 1.0 - 2.0 * (X * X + Y * Y)) * RadiansToDegrees;
	return FRotator(Pitch, Yaw, Roll);
}

FVector FQuat::RotateVector(const FVector& V) const
{
	// v' = v + 2w(q x v) + 2(q x (q x v))
	const FVector Q(X, Y, Z);
	const FVector T = FVector::CrossProduct(Q, V) * 2.0;
	return V + T * W + FVector::CrossProduct(Q, T);
}

FQuat FQuat::operator*(const FQuat& Other) const
{
	return FQuat(
		W * Other.X + X * Other.W + Y * Other.Z - Z * Other.Y,
		W * Other.Y - X * Other.Z + Y * Other.W + Z * Other.X,
		W * Other.Z + X * Other.Y - Y * Other.X + Z * Other.W,
		W * Other.W - X * Other.X - Y * Other.Y - Z * Other.Z);
}

bool FQuat::Equals(const FQuat& Other, double Tolerance) const
{
	// q and -q are the same rotation.
	const bool bSame = std::abs(X - Other.X) <= Tolerance && std::abs(Y - Other.Y) <= Tolerance && std::abs(Z - Other.Z) <= Tolerance && std::abs(W - Other.W) <= Tolerance;
	const bool bNegated = std::abs(X + Other.X) <= Tolerance && std::abs(Y + Other.Y) <= Tolerance && std::abs(Z + Other.Z) <= Tolerance && std::abs(W + Other.W) <= Tolerance;
	return bSame || bNegated;
}

FString FQuat::ToString() const
{
	return FString::Printf(TEXT("X=%.9f Y=%.9f Z=%.9f W=%.9f"), X, Y, Z, W);
}

FVector FTransform::TransformPosition(const FVector& Position) const
{
	return Rotation.RotateVector(Position * Scale3D) + Translation;
}

bool FTransform::Equals(const FTransform& Other, double Tolerance) const
{
	return Rotation.Equals(Other.Rotation, Tolerance) && Translation.Equals(Other.Translation, Tolerance) && Scale3D.Equals(Other.Scale3D, Tolerance);
}

FString FTransform::ToString() const
{
	const FRotator R = Rotator();
	return FString::Printf(TEXT("%f,%f,%f|%f,%f,%f|%f,%f,%f"),
		Translation.X, Translation.Y, Translation.Z, R.Pitch, R.Yaw, R.Roll, Scale3D.X, Scale3D.Y, Scale3D.Z);
}
