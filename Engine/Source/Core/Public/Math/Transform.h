// FTransform: scale, then rotation, then translation.
#pragma once

#include "CoreTypes.h"
#include "Math/Quat.h"
#include "Math/Vector.h"

struct CORE_API FTransform
{
	FQuat Rotation = FQuat::Identity;
	FVector Translation = FVector::ZeroVector;
	FVector Scale3D = FVector::OneVector;

	static const FTransform Identity;

	FTransform() = default;
	explicit FTransform(const FVector& InTranslation)
		: Translation(InTranslation)
	{
	}
	FTransform(const FQuat& InRotation, const FVector& InTranslation, const FVector& InScale3D = FVector::OneVector)
		: Rotation(InRotation)
		, Translation(InTranslation)
		, Scale3D(InScale3D)
	{
	}
	FTransform(const FRotator& InRotation, const FVector& InTranslation, const FVector& InScale3D = FVector::OneVector)
		: Rotation(InRotation)
		, Translation(InTranslation)
		, Scale3D(InScale3D)
	{
	}

	FVector GetLocation() const
	{
		return Translation;
	}
	FVector GetTranslation() const
	{
		return Translation;
	}
	FQuat GetRotation() const
	{
		return Rotation;
	}
	FRotator Rotator() const
	{
		return Rotation.Rotator();
	}
	FVector GetScale3D() const
	{
		return Scale3D;
	}
	void SetLocation(const FVector& InLocation)
	{
		Translation = InLocation;
	}
	void SetTranslation(const FVector& InTranslation)
	{
		Translation = InTranslation;
	}
	void SetRotation(const FQuat& InRotation)
	{
		Rotation = InRotation;
	}
	void SetScale3D(const FVector& InScale3D)
	{
		Scale3D = InScale3D;
	}

	/** A point of this transform's space in its parent's space. */
	FVector TransformPosition(const FVector& Position) const;

	bool Equals(const FTransform& Other, double Tolerance = 1.e-4) const;

	FString ToString() const;
};
