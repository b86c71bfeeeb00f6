// FVector2D: a 2D vector of doubles.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

struct CORE_API FVector2D
{
	double X = 0.0;
	double Y = 0.0;

	static const FVector2D ZeroVector;
	static const FVector2D UnitVector;

	FVector2D() = default;
	explicit FVector2D(EForceInit) {}
	explicit constexpr FVector2D(double InF)
		: X(InF)
		, Y(InF)
	{
	}
	constexpr FVector2D(double InX, double InY)
		: X(InX)
		, Y(InY)
	{
	}

	FVector2D operator+(const FVector2D& V) const { return FVector2D(X + V.X, Y + V.Y); }
	FVector2D operator-(const FVector2D& V) const { return FVector2D(X - V.X, Y - V.Y); }
	FVector2D operator*(const FVector2D& V) const { return FVector2D(X * V.X, Y * V.Y); }
	FVector2D operator/(const FVector2D& V) const { return FVector2D(X / V.X, Y / V.Y); }
	FVector2D operator*(double Scale) const { return FVector2D(X * Scale, Y * Scale); }
	FVector2D operator/(double Scale) const { return FVector2D(X / Scale, Y / Scale); }
	FVector2D operator-() const { return FVector2D(-X, -Y); }
	FVector2D& operator+=(const FVector2D& V)
	{
		X += V.X;
		Y += V.Y;
		return *this;
	}
	FVector2D& operator-=(const FVector2D& V)
	{
		X -= V.X;
		Y -= V.Y;
		return *this;
	}
	FVector2D& operator*=(double Scale)
	{
		X *= Scale;
		Y *= Scale;
		return *this;
	}
	bool operator==(const FVector2D& V) const { return X == V.X && Y == V.Y; }
	bool operator!=(const FVector2D& V) const { return !(*this == V); }
	double operator|(const FVector2D& V) const { return X * V.X + Y * V.Y; }

	double Size() const { return FMath::Sqrt(X * X + Y * Y); }
	double SizeSquared() const { return X * X + Y * Y; }
	bool IsZero() const { return X == 0.0 && Y == 0.0; }
	bool IsNearlyZero(double Tolerance = UE_KINDA_SMALL_NUMBER) const { return FMath::Abs(X) <= Tolerance && FMath::Abs(Y) <= Tolerance; }
	bool Equals(const FVector2D& V, double Tolerance = UE_KINDA_SMALL_NUMBER) const { return FMath::Abs(X - V.X) <= Tolerance && FMath::Abs(Y - V.Y) <= Tolerance; }
	FVector2D GetSafeNormal(double Tolerance = UE_SMALL_NUMBER) const;
	double GetMax() const { return FMath::Max(X, Y); }
	double GetMin() const { return FMath::Min(X, Y); }

	/** "X=%3.3f Y=%3.3f" */
	FString ToString() const;
	bool InitFromString(const FString& InSourceString);
};

inline FVector2D operator*(double Scale, const FVector2D& V)
{
	return V * Scale;
}

inline uint32 GetTypeHash(const FVector2D& Vector)
{
	return HashCombine(GetTypeHash(Vector.X), GetTypeHash(Vector.Y));
}

typedef FVector2D FVector2d;
