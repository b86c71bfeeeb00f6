// FRotator: pitch/yaw/roll in degrees.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Math/UnrealMathUtility.h"
#include "Math/Vector.h"

struct CORE_API FRotator
{
	double Pitch = 0.0;
	double Yaw = 0.0;
	double Roll = 0.0;

	static const FRotator ZeroRotator;

	FRotator() = default;
	explicit FRotator(EForceInit) {}
	explicit constexpr FRotator(double InF)
		: Pitch(InF)
		, Yaw(InF)
		, Roll(InF)
	{
	}
	constexpr FRotator(double InPitch, double InYaw, double InRoll)
		: Pitch(InPitch)
		, Yaw(InYaw)
		, Roll(InRoll)
	{
	}

	FRotator operator+(const FRotator& R) const { return FRotator(Pitch + R.Pitch, Yaw + R.Yaw, Roll + R.Roll); }
	FRotator operator-(const FRotator& R) const { return FRotator(Pitch - R.Pitch, Yaw - R.Yaw, Roll - R.Roll); }
	FRotator operator*(double Scale) const { return FRotator(Pitch * Scale, Yaw * Scale, Roll * Scale); }
	FRotator operator-() const { return FRotator(-Pitch, -Yaw, -Roll); }
	FRotator& operator+=(const FRotator& R)
	{
		Pitch += R.Pitch;
		Yaw += R.Yaw;
		Roll += R.Roll;
		return *this;
	}
	FRotator& operator-=(const FRotator& R)
	{
		Pitch -= R.Pitch;
		Yaw -= R.Yaw;
		Roll -= R.Roll;
		return *this;
	}
	bool operator==(const FRotator& R) const { return Pitch == R.Pitch && Yaw == R.Yaw && Roll == R.Roll; }
	bool operator!=(const FRotator& R) const { return !(*this == R); }

	bool IsZero() const { return ClampAxis(Pitch) == 0.0 && ClampAxis(Yaw) == 0.0 && ClampAxis(Roll) == 0.0; }
	bool IsNearlyZero(double Tolerance = UE_KINDA_SMALL_NUMBER) const;

	/** Equal up to whole turns, within Tolerance degrees. */
	bool Equals(const FRotator& R, double Tolerance = UE_KINDA_SMALL_NUMBER) const;

	/** Angle wrapped to [0, 360). */
	static double ClampAxis(double Angle);
	/** Angle wrapped to (-180, 180]. */
	static double NormalizeAxis(double Angle);

	FRotator Clamp() const { return FRotator(ClampAxis(Pitch), ClampAxis(Yaw), ClampAxis(Roll)); }
	FRotator GetNormalized() const { return FRotator(NormalizeAxis(Pitch), NormalizeAxis(Yaw), NormalizeAxis(Roll)); }
	void Normalize() { *this = GetNormalized(); }

	/** The unit direction this rotation faces (its X axis). */
	FVector Vector() const;
	FVector RotateVector(const FVector& V) const;
	FVector UnrotateVector(const FVector& V) const;

	/** "P=%f Y=%f R=%f" */
	FString ToString() const;
	FString ToCompactString() const;
	bool InitFromString(const FString& InSourceString);
};

inline uint32 GetTypeHash(const FRotator& Rotator)
{
	return HashCombine(HashCombine(GetTypeHash(Rotator.Pitch), GetTypeHash(Rotator.Yaw)), GetTypeHash(Rotator.Roll));
}
