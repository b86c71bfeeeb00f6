// FVector: a 3D vector of doubles (large world coordinates), with the engine's text form.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

struct CORE_API FVector
{
	double X = 0.0;
	double Y = 0.0;
	double Z = 0.0;

	static const FVector ZeroVector;
	static const FVector OneVector;
	static const FVector UpVector;
	static const FVector DownVector;
	static const FVector ForwardVector;
	static const FVector BackwardVector;
	static const FVector RightVector;
	static const FVector LeftVector;
	static const FVector XAxisVector;
	static const FVector YAxisVector;
	static const FVector ZAxisVector;

	FVector() = default;
	explicit FVector(EForceInit) {}
	explicit constexpr FVector(double InF)
		: X(InF)
		, Y(InF)
		, Z(InF)
	{
	}
	constexpr FVector(double InX, double InY, double InZ)
		: X(InX)
		, Y(InY)
		, Z(InZ)
	{
	}

	FVector operator+(const FVector& V) const { return FVector(X + V.X, Y + V.Y, Z + V.Z); }
	FVector operator-(const FVector& V) const { return FVector(X - V.X, Y - V.Y, Z - V.Z); }
	FVector operator*(const FVector& V) const { return FVector(X * V.X, Y * V.Y, Z * V.Z); }
	FVector operator/(const FVector& V) const { return FVector(X / V.X, Y / V.Y, Z / V.Z); }
	FVector operator*(double Scale) const { return FVector(X * Scale, Y * Scale, Z * Scale); }
	FVector operator/(double Scale) const { return FVector(X / Scale, Y / Scale, Z / Scale); }
	FVector operator-() const { return FVector(-X, -Y, -Z); }
	FVector& operator+=(const FVector& V)
	{
		X += V.X;
		Y += V.Y;
		Z += V.Z;
		return *this;
	}
	FVector& operator-=(const FVector& V)
	{
		X -= V.X;
		Y -= V.Y;
		Z -= V.Z;
		return *this;
	}
	FVector& operator*=(double Scale)
	{
		X *= Scale;
		Y *= Scale;
		Z *= Scale;
		return *this;
	}
	FVector& operator/=(double Scale)
	{
		X /= Scale;
		Y /= Scale;
		Z /= Scale;
		return *this;
	}
	bool operator==(const FVector& V) const { return X == V.X && Y == V.Y && Z == V.Z; }
	bool operator!=(const FVector& V) const { return !(*this == V); }
	double& operator[](int32 Index)
	{
		check(Index >= 0 && Index < 3);
		return (&X)[Index];
	}
	double operator[](int32 Index) const
	{
		check(Index >= 0 && Index < 3);
		return (&X)[Index];
	}

	/** Dot product. */
	double operator|(const FVector& V) const { return X * V.X + Y * V.Y + Z * V.Z; }
	/** Cross product. */
	FVector operator^(const FVector& V) const { return FVector(Y * V.Z - Z * V.Y, Z * V.X - X * V.Z, X * V.Y - Y * V.X); }

	static double DotProduct(const FVector& A, const FVector& B) { return A | B; }
	static FVector CrossProduct(const FVector& A, const FVector& B) { return A ^ B; }
	static double Dist(const FVector& A, const FVector& B) { return (A - B).Size(); }
	static double Distance(const FVector& A, const FVector& B) { return (A - B).Size(); }
	static double DistSquared(const FVector& A, const FVector& B) { return (A - B).SizeSquared(); }

	double Size() const { return FMath::Sqrt(SizeSquared()); }
	double Length() const { return Size(); }
	double SizeSquared() const { return X * X + Y * Y + Z * Z; }
	double SquaredLength() const { return SizeSquared(); }
	double Size2D() const { return FMath::Sqrt(X * X + Y * Y); }
	double GetMax() const { return FMath::Max(FMath::Max(X, Y), Z); }
	double GetMin() const { return FMath::Min(FMath::Min(X, Y), Z); }
	double GetAbsMax() const { return FMath::Max(FMath::Max(FMath::Abs(X), FMath::Abs(Y)), FMath::Abs(Z)); }
	FVector GetAbs() const { return FVector(FMath::Abs(X), FMath::Abs(Y), FMath::Abs(Z)); }

	bool IsZero() const { return X == 0.0 && Y == 0.0 && Z == 0.0; }
	bool IsNearlyZero(double Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return FMath::Abs(X) <= Tolerance && FMath::Abs(Y) <= Tolerance && FMath::Abs(Z) <= Tolerance;
	}
	bool Equals(const FVector& V, double Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return FMath::Abs(X - V.X) <= Tolerance && FMath::Abs(Y - V.Y) <= Tolerance && FMath::Abs(Z - V.Z) <= Tolerance;
	}
	bool ContainsNaN() const { return !FMath::IsFinite(X) || !FMath::IsFinite(Y) || !FMath::IsFinite(Z); }

	/** Normalises in place unless the vector is too short; returns whether it did. */
	bool Normalize(double Tolerance = UE_SMALL_NUMBER);
	FVector GetSafeNormal(double Tolerance = UE_SMALL_NUMBER, const FVector& ResultIfZero = FVector(0.0)) const;
	FVector GetUnsafeNormal() const { return *this / Size(); }
	FVector GetClampedToMaxSize(double MaxSize) const;

	void Set(double InX, double InY, double InZ)
	{
		X = InX;
		Y = InY;
		Z = InZ;
	}

	/** "X=%3.3f Y=%3.3f Z=%3.3f" */
	FString ToString() const;
	FString ToCompactString() const;

	/** Parses the ToString form; false (and the vector zeroed) if any component is missing. */
	bool InitFromString(const FString& InSourceString);

	struct FRotator Rotation() const;
	struct FRotator ToOrientationRotator() const;
};

inline FVector operator*(double Scale, const FVector& V)
{
	return V * Scale;
}

inline uint32 GetTypeHash(const FVector& Vector)
{
	return HashCombine(HashCombine(GetTypeHash(Vector.X), GetTypeHash(Vector.Y)), GetTypeHash(Vector.Z));
}

typedef FVector FVector3d;

/** Single-precision vector, for code that asks for it by name. */
struct FVector3f
{
	float X = 0.0f;
	float Y = 0.0f;
	float Z = 0.0f;

	FVector3f() = default;
	constexpr FVector3f(float InX, float InY, float InZ)
		: X(InX)
		, Y(InY)
		, Z(InZ)
	{
	}
	explicit FVector3f(const FVector& V)
		: X((float)V.X)
		, Y((float)V.Y)
		, Z((float)V.Z)
	{
	}
	operator FVector() const { return FVector(X, Y, Z); }
	bool operator==(const FVector3f& V) const { return X == V.X && Y == V.Y && Z == V.Z; }
};
