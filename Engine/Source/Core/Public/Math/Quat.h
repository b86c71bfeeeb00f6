// FQuat: a rotation as a unit quaternion (double precision, as UE 5's large-world types).
#pragma once

#include "CoreTypes.h"
#include "Math/Rotator.h"
#include "Math/Vector.h"

struct CORE_API FQuat
{
	double X = 0.0;
	double Y = 0.0;
	double Z = 0.0;
	double W = 1.0;

	static const FQuat Identity;

	FQuat() = default;
	FQuat(double InX, double InY, double InZ, double InW)
		: X(InX)
		, Y(InY)
		, Z(InZ)
		, W(InW)
	{
	}

	/** The rotation of a rotator (degrees; pitch about Y, yaw about Z, roll about X). */
	explicit FQuat(const FRotator& Rotator);

	FRotator Rotator() const;

	/** Rotates a vector by this quaternion. */
	FVector RotateVector(const FVector& V) const;

	FQuat operator*(const FQuat& Other) const;

	bool Equals(const FQuat& Other, double Tolerance = 1.e-4) const;

	bool operator==(const FQuat& Other) const
	{
		return X == Other.X && Y == Other.Y && Z == Other.Z && W == Other.W;
	}

	FString ToString() const;
};
