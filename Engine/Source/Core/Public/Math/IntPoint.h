// FIntPoint: a 2D integer point.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

struct CORE_API FIntPoint
{
	int32 X = 0;
	int32 Y = 0;

	static const FIntPoint ZeroValue;
	static const FIntPoint NoneValue;

	FIntPoint() = default;
	explicit FIntPoint(EForceInit) {}
	constexpr FIntPoint(int32 InX, int32 InY)
		: X(InX)
		, Y(InY)
	{
	}
	explicit constexpr FIntPoint(int32 InXY)
		: X(InXY)
		, Y(InXY)
	{
	}

	FIntPoint operator+(const FIntPoint& Other) const { return FIntPoint(X + Other.X, Y + Other.Y); }
	FIntPoint operator-(const FIntPoint& Other) const { return FIntPoint(X - Other.X, Y - Other.Y); }
	FIntPoint operator*(int32 Scale) const { return FIntPoint(X * Scale, Y * Scale); }
	FIntPoint operator/(int32 Divisor) const { return FIntPoint(X / Divisor, Y / Divisor); }
	FIntPoint& operator+=(const FIntPoint& Other)
	{
		X += Other.X;
		Y += Other.Y;
		return *this;
	}
	FIntPoint& operator-=(const FIntPoint& Other)
	{
		X -= Other.X;
		Y -= Other.Y;
		return *this;
	}
	bool operator==(const FIntPoint& Other) const { return X == Other.X && Y == Other.Y; }
	bool operator!=(const FIntPoint& Other) const { return !(*this == Other); }
	int32& operator[](int32 Index) { return Index == 0 ? X : Y; }
	int32 operator[](int32 Index) const { return Index == 0 ? X : Y; }

	int32 GetMax() const { return X > Y ? X : Y; }
	int32 GetMin() const { return X < Y ? X : Y; }
	int32 Size() const;
	int32 SizeSquared() const { return X * X + Y * Y; }

	/** "X=%d Y=%d" */
	FString ToString() const;
	bool InitFromString(const FString& InSourceString);
};

inline uint32 GetTypeHash(const FIntPoint& Point)
{
	return HashCombine(GetTypeHash(Point.X), GetTypeHash(Point.Y));
}

/** A 3D integer vector. */
struct CORE_API FIntVector
{
	int32 X = 0;
	int32 Y = 0;
	int32 Z = 0;

	FIntVector() = default;
	constexpr FIntVector(int32 InX, int32 InY, int32 InZ)
		: X(InX)
		, Y(InY)
		, Z(InZ)
	{
	}
	bool operator==(const FIntVector& Other) const { return X == Other.X && Y == Other.Y && Z == Other.Z; }
	bool operator!=(const FIntVector& Other) const { return !(*this == Other); }

	/** "X=%d Y=%d Z=%d" */
	FString ToString() const;
};
