// FLinearColor (float RGBA, linear space) and FColor (8-bit BGRA, sRGB).
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

struct FColor;

struct CORE_API FLinearColor
{
	float R = 0.0f;
	float G = 0.0f;
	float B = 0.0f;
	float A = 0.0f;

	static const FLinearColor White;
	static const FLinearColor Gray;
	static const FLinearColor Black;
	static const FLinearColor Transparent;
	static const FLinearColor Red;
	static const FLinearColor Green;
	static const FLinearColor Blue;
	static const FLinearColor Yellow;

	FLinearColor() = default;
	explicit FLinearColor(EForceInit) {}
	constexpr FLinearColor(float InR, float InG, float InB, float InA = 1.0f)
		: R(InR)
		, G(InG)
		, B(InB)
		, A(InA)
	{
	}

	/** Converts from sRGB 8-bit to linear. */
	FLinearColor(const FColor& Color);

	FLinearColor operator+(const FLinearColor& C) const { return FLinearColor(R + C.R, G + C.G, B + C.B, A + C.A); }
	FLinearColor operator-(const FLinearColor& C) const { return FLinearColor(R - C.R, G - C.G, B - C.B, A - C.A); }
	FLinearColor operator*(const FLinearColor& C) const { return FLinearColor(R * C.R, G * C.G, B * C.B, A * C.A); }
	FLinearColor operator*(float Scalar) const { return FLinearColor(R * Scalar, G * Scalar, B * Scalar, A * Scalar); }
	FLinearColor operator/(float Scalar) const { return FLinearColor(R / Scalar, G / Scalar, B / Scalar, A / Scalar); }
	FLinearColor& operator+=(const FLinearColor& C)
	{
		R += C.R;
		G += C.G;
		B += C.B;
		A += C.A;
		return *this;
	}
	FLinearColor& operator*=(float Scalar)
	{
		R *= Scalar;
		G *= Scalar;
		B *= Scalar;
		A *= Scalar;
		return *this;
	}
	bool operator==(const FLinearColor& C) const { return R == C.R && G == C.G && B == C.B && A == C.A; }
	bool operator!=(const FLinearColor& C) const { return !(*this == C); }
	float& Component(int32 Index)
	{
		check(Index >= 0 && Index < 4);
		return (&R)[Index];
	}
	const float& Component(int32 Index) const
	{
		check(Index >= 0 && Index < 4);
		return (&R)[Index];
	}

	bool Equals(const FLinearColor& C, float Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return FMath::Abs(R - C.R) < Tolerance && FMath::Abs(G - C.G) < Tolerance && FMath::Abs(B - C.B) < Tolerance && FMath::Abs(A - C.A) < Tolerance;
	}

	FLinearColor GetClamped(float InMin = 0.0f, float InMax = 1.0f) const
	{
		return FLinearColor(FMath::Clamp(R, InMin, InMax), FMath::Clamp(G, InMin, InMax), FMath::Clamp(B, InMin, InMax), FMath::Clamp(A, InMin, InMax));
	}

	FLinearColor CopyWithNewOpacity(float NewOpacity) const { return FLinearColor(R, G, B, NewOpacity); }
	float GetMax() const { return FMath::Max(FMath::Max(FMath::Max(R, G), B), A); }
	float GetMin() const { return FMath::Min(FMath::Min(FMath::Min(R, G), B), A); }
	float GetLuminance() const { return R * 0.3f + G * 0.59f + B * 0.11f; }

	/** HSV packed as (R=hue in degrees, G=saturation, B=value, A=alpha). */
	FLinearColor LinearRGBToHSV() const;
	FLinearColor HSVToLinearRGB() const;

	/** Quantises to 8 bits per channel, optionally converting to sRGB. */
	FColor ToFColor(const bool bSRGB) const;
	FColor ToFColorSRGB() const;
	FColor QuantizeRound() const;

	static FLinearColor FromSRGBColor(const FColor& Color);
	static FLinearColor MakeFromHSV8(uint8 H, uint8 S, uint8 V);
	static FLinearColor LerpUsingHSV(const FLinearColor& From, const FLinearColor& To, const float Progress);

	/** "(R=%f,G=%f,B=%f,A=%f)" */
	FString ToString() const;
	bool InitFromString(const FString& InSourceString);
};

inline FLinearColor operator*(float Scalar, const FLinearColor& Color)
{
	return Color * Scalar;
}

inline uint32 GetTypeHash(const FLinearColor& Color)
{
	return HashCombine(HashCombine(GetTypeHash(Color.R), GetTypeHash(Color.G)), HashCombine(GetTypeHash(Color.B), GetTypeHash(Color.A)));
}

struct CORE_API FColor
{
	// Memory order is B, G, R, A as in the engine.
	uint8 B = 0;
	uint8 G = 0;
	uint8 R = 0;
	uint8 A = 0;

	static const FColor White;
	static const FColor Black;
	static const FColor Transparent;
	static const FColor Red;
	static const FColor Green;
	static const FColor Blue;
	static const FColor Yellow;

	FColor() = default;
	explicit FColor(EForceInit) {}
	constexpr FColor(uint8 InR, uint8 InG, uint8 InB, uint8 InA = 255)
		: B(InB)
		, G(InG)
		, R(InR)
		, A(InA)
	{
	}
	explicit FColor(uint32 InColor) { *this = FColor((uint8)(InColor >> 16), (uint8)(InColor >> 8), (uint8)InColor, (uint8)(InColor >> 24)); }

	bool operator==(const FColor& C) const { return R == C.R && G == C.G && B == C.B && A == C.A; }
	bool operator!=(const FColor& C) const { return !(*this == C); }

	uint32 ToPackedARGB() const { return ((uint32)A << 24) | ((uint32)R << 16) | ((uint32)G << 8) | (uint32)B; }
	uint32 ToPackedRGBA() const { return ((uint32)R << 24) | ((uint32)G << 16) | ((uint32)B << 8) | (uint32)A; }
	FColor WithAlpha(uint8 Alpha) const { return FColor(R, G, B, Alpha); }

	/** Converts to linear assuming the bytes are sRGB-encoded. */
	FLinearColor ReinterpretAsLinear() const { return FLinearColor(R / 255.0f, G / 255.0f, B / 255.0f, A / 255.0f); }

	/** "RRGGBBAA" */
	FString ToHex() const;
	static FColor FromHex(const FString& HexString);

	/** "(R=%i,G=%i,B=%i,A=%i)" */
	FString ToString() const;
	bool InitFromString(const FString& InSourceString);
};

inline uint32 GetTypeHash(const FColor& Color)
{
	return Color.ToPackedARGB();
}
