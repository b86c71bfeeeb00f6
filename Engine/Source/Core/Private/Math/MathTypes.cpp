// Constants, text forms and the non-inline maths of the vector and colour types.

#include "Math/Color.h"
#include "Math/IntPoint.h"
#include "Math/Rotator.h"
#include "Math/Vector.h"
#include "Math/Vector2D.h"
#include <cmath>
#include <random>

namespace
{
	/** Reads "<Key>=<number>" from a text form; keys match case-insensitively, as the engine's parser. */
	bool ParseNumber(const FString& Source, const TCHAR* Key, double& OutValue)
	{
		const FString Token = FString(Key) + TEXT("=");
		int32 Position = 0;
		while (true)
		{
			Position = Source.Find(Token, ESearchCase::IgnoreCase, ESearchDir::FromStart, Position);
			if (Position == INDEX_NONE)
			{
				return false;
			}
			// The key must start a word: "R=" must not match inside "PR=".
			if (Position == 0 || !FChar::IsAlnum(Source[Position - 1]))
			{
				break;
			}
			++Position;
		}
		const TCHAR* Start = *Source + Position + Token.Len();
		TCHAR* End = nullptr;
		const std::string Narrow = UE::Core::Private::NarrowForNumberParse(Start);
		char* NarrowEnd = nullptr;
		OutValue = std::strtod(Narrow.c_str(), &NarrowEnd);
		(void)End;
		return NarrowEnd != Narrow.c_str();
	}

	std::mt19937& RandomEngine()
	{
		static std::mt19937 Engine(0x51ed270b);
		return Engine;
	}
}

const FVector FVector::ZeroVector(0.0, 0.0, 0.0);
const FVector FVector::OneVector(1.0, 1.0, 1.0);
const FVector FVector::UpVector(0.0, 0.0, 1.0);
const FVector FVector::DownVector(0.0, 0.0, -1.0);
const FVector FVector::ForwardVector(1.0, 0.0, 0.0);
const FVector FVector::BackwardVector(-1.0, 0.0, 0.0);
const FVector FVector::RightVector(0.0, 1.0, 0.0);
const FVector FVector::LeftVector(0.0, -1.0, 0.0);
const FVector FVector::XAxisVector(1.0, 0.0, 0.0);
const FVector FVector::YAxisVector(0.0, 1.0, 0.0);
const FVector FVector::ZAxisVector(0.0, 0.0, 1.0);

bool FVector::Normalize(double Tolerance)
{
	const double SquareSum = SizeSquared();
	if (SquareSum > Tolerance)
	{
		*this *= 1.0 / FMath::Sqrt(SquareSum);
		return true;
	}
	return false;
}

FVector FVector::GetSafeNormal(double Tolerance, const FVector& ResultIfZero) const
{
	const double SquareSum = SizeSquared();
	if (SquareSum == 1.0)
	{
		return *this;
	}
	if (SquareSum < Tolerance)
	{
		return ResultIfZero;
	}
	return *this * (1.0 / FMath::Sqrt(SquareSum));
}

FVector FVector::GetClampedToMaxSize(double MaxSize) const
{
	if (MaxSize < UE_KINDA_SMALL_NUMBER)
	{
		return ZeroVector;
	}
	const double VSq = SizeSquared();
	if (VSq > MaxSize * MaxSize)
	{
		return *this * (MaxSize / FMath::Sqrt(VSq));
	}
	return *this;
}

FString FVector::ToString() const
{
	return FString::Printf(TEXT("X=%3.3f Y=%3.3f Z=%3.3f"), X, Y, Z);
}

FString FVector::ToCompactString() const
{
	if (IsNearlyZero())
	{
		return TEXT("V(0)");
	}
	FString Result = TEXT("V(");
	bool bFirst = true;
	const TCHAR* Names[] = { TEXT("X"), TEXT("Y"), TEXT("Z") };
	for (int32 Index = 0; Index < 3; ++Index)
	{
		if (!FMath::IsNearlyZero((*this)[Index], (double)UE_KINDA_SMALL_NUMBER))
		{
			Result += FString::Printf(TEXT("%s%s=%.2f"), bFirst ? TEXT("") : TEXT(", "), Names[Index], (*this)[Index]);
			bFirst = false;
		}
	}
	return Result + TEXT(")");
}

bool FVector::InitFromString(const FString& InSourceString)
{
	X = Y = Z = 0.0;
	const bool bSuccess = ParseNumber(InSourceString, TEXT("X"), X) && ParseNumber(InSourceString, TEXT("Y"), Y) && ParseNumber(InSourceString, TEXT("Z"), Z);
	if (!bSuccess)
	{
		X = Y = Z = 0.0;
	}
	return bSuccess;
}

FRotator FVector::Rotation() const
{
	return ToOrientationRotator();
}

FRotator FVector::ToOrientationRotator() const
{
	FRotator R;
	R.Yaw = FMath::RadiansToDegrees(FMath::Atan2(Y, X));
	R.Pitch = FMath::RadiansToDegrees(FMath::Atan2(Z, FMath::Sqrt(X * X + Y * Y)));
	R.Roll = 0.0;
	return R;
}

const FVector2D FVector2D::ZeroVector(0.0, 0.0);
const FVector2D FVector2D::UnitVector(1.0, 1.0);

FVector2D FVector2D::GetSafeNormal(double Tolerance) const
{
	const double SquareSum = SizeSquared();
	if (SquareSum > Tolerance)
	{
		return *this * (1.0 / FMath::Sqrt(SquareSum));
	}
	return ZeroVector;
}

FString FVector2D::ToString() const
{
	return FString::Printf(TEXT("X=%3.3f Y=%3.3f"), X, Y);
}

bool FVector2D::InitFromString(const FString& InSourceString)
{
	X = Y = 0.0;
	const bool bSuccess = ParseNumber(InSourceString, TEXT("X"), X) && ParseNumber(InSourceString, TEXT("Y"), Y);
	if (!bSuccess)
	{
		X = Y = 0.0;
	}
	return bSuccess;
}

const FRotator FRotator::ZeroRotator(0.0, 0.0, 0.0);

double FRotator::ClampAxis(double Angle)
{
	Angle = std::fmod(Angle, 360.0);
	if (Angle < 0.0)
	{
		Angle += 360.0;
	}
	return Angle;
}

double FRotator::NormalizeAxis(double Angle)
{
	Angle = ClampAxis(Angle);
	if (Angle > 180.0)
	{
		Angle -= 360.0;
	}
	return Angle;
}

bool FRotator::IsNearlyZero(double Tolerance) const
{
	return FMath::Abs(NormalizeAxis(Pitch)) <= Tolerance && FMath::Abs(NormalizeAxis(Yaw)) <= Tolerance && FMath::Abs(NormalizeAxis(Roll)) <= Tolerance;
}

bool FRotator::Equals(const FRotator& R, double Tolerance) const
{
	return FMath::Abs(NormalizeAxis(Pitch - R.Pitch)) <= Tolerance && FMath::Abs(NormalizeAxis(Yaw - R.Yaw)) <= Tolerance && FMath::Abs(NormalizeAxis(Roll - R.Roll)) <= Tolerance;
}

FVector FRotator::Vector() const
{
	const double PitchRad = FMath::DegreesToRadians(Pitch);
	const double YawRad = FMath::DegreesToRadians(Yaw);
	const double CP = std::cos(PitchRad);
	return FVector(CP * std::cos(YawRad), CP * std::sin(YawRad), std::sin(PitchRad));
}

namespace
{
	/** Rotation matrix rows (X, Y, Z axes) in the engine's convention. */
	void RotatorAxes(const FRotator& R, FVector& OutX, FVector& OutY, FVector& OutZ)
	{
		const double SP = std::sin(FMath::DegreesToRadians(R.Pitch)), CP = std::cos(FMath::DegreesToRadians(R.Pitch));
		const double SY = std::sin(FMath::DegreesToRadians(R.Yaw)), CY = std::cos(FMath::DegreesToRadians(R.Yaw));
		const double SR = std::sin(FMath::DegreesToRadians(R.Roll)), CR = std::cos(FMath::DegreesToRadians(R.Roll));
		OutX = FVector(CP * CY, CP * SY, SP);
		OutY = FVector(SR * SP * CY - CR * SY, SR * SP * SY + CR * CY, -SR * CP);
		OutZ = FVector(-(CR * SP * CY + SR * SY), CY * SR - CR * SP * SY, CR * CP);
	}
}

FVector FRotator::RotateVector(const FVector& V) const
{
	FVector AxisX, AxisY, AxisZ;
	RotatorAxes(*this, AxisX, AxisY, AxisZ);
	return AxisX * V.X + AxisY * V.Y + AxisZ * V.Z;
}

FVector FRotator::UnrotateVector(const FVector& V) const
{
	FVector AxisX, AxisY, AxisZ;
	RotatorAxes(*this, AxisX, AxisY, AxisZ);
	return FVector(AxisX | V, AxisY | V, AxisZ | V);
}

FString FRotator::ToString() const
{
	return FString::Printf(TEXT("P=%f Y=%f R=%f"), Pitch, Yaw, Roll);
}

FString FRotator::ToCompactString() const
{
	if (IsNearlyZero())
	{
		return TEXT("R(0)");
	}
	return FString::Printf(TEXT("R(P=%.2f, Y=%.2f, R=%.2f)"), Pitch, Yaw, Roll);
}

bool FRotator::InitFromString(const FString& InSourceString)
{
	Pitch = Yaw = Roll = 0.0;
	const bool bSuccess = ParseNumber(InSourceString, TEXT("P"), Pitch) && ParseNumber(InSourceString, TEXT("Y"), Yaw) && ParseNumber(InSourceString, TEXT("R"), Roll);
	if (!bSuccess)
	{
		Pitch = Yaw = Roll = 0.0;
	}
	return bSuccess;
}

const FLinearColor FLinearColor::White(1.0f, 1.0f, 1.0f);
const FLinearColor FLinearColor::Gray(0.5f, 0.5f, 0.5f);
const FLinearColor FLinearColor::Black(0.0f, 0.0f, 0.0f);
const FLinearColor FLinearColor::Transparent(0.0f, 0.0f, 0.0f, 0.0f);
const FLinearColor FLinearColor::Red(1.0f, 0.0f, 0.0f);
const FLinearColor FLinearColor::Green(0.0f, 1.0f, 0.0f);
const FLinearColor FLinearColor::Blue(0.0f, 0.0f, 1.0f);
const FLinearColor FLinearColor::Yellow(1.0f, 1.0f, 0.0f);

namespace
{
	float SRGBToLinear(uint8 Value)
	{
		const float C = Value / 255.0f;
		return C <= 0.04045f ? C / 12.92f : std::pow((C + 0.055f) / 1.055f, 2.4f);
	}

	float LinearToSRGB(float Value)
	{
		Value = FMath::Clamp(Value, 0.0f, 1.0f);
		return Value <= 0.0031308f ? Value * 12.92f : 1.055f * std::pow(Value, 1.0f / 2.4f) - 0.055f;
	}
}

FLinearColor::FLinearColor(const FColor& Color)
	: R(SRGBToLinear(Color.R))
	, G(SRGBToLinear(Color.G))
	, B(SRGBToLinear(Color.B))
	, A(Color.A / 255.0f)
{
}

FLinearColor FLinearColor::FromSRGBColor(const FColor& Color)
{
	return FLinearColor(Color);
}

FLinearColor FLinearColor::LinearRGBToHSV() const
{
	const float RGBMin = FMath::Min3(R, G, B);
	const float RGBMax = FMath::Max3(R, G, B);
	const float RGBRange = RGBMax - RGBMin;
	float Hue = 0.0f;
	if (RGBMax == RGBMin)
	{
		Hue = 0.0f;
	}
	else if (RGBMax == R)
	{
		Hue = std::fmod((((G - B) / RGBRange) * 60.0f) + 360.0f, 360.0f);
	}
	else if (RGBMax == G)
	{
		Hue = (((B - R) / RGBRange) * 60.0f) + 120.0f;
	}
	else
	{
		Hue = (((R - G) / RGBRange) * 60.0f) + 240.0f;
	}
	const float Saturation = RGBMax == 0.0f ? 0.0f : RGBRange / RGBMax;
	return FLinearColor(Hue, Saturation, RGBMax, A);
}

FLinearColor FLinearColor::HSVToLinearRGB() const
{
	const float Hue = R;
	const float Saturation = G;
	const float Value = B;
	const float HDiv60 = Hue / 60.0f;
	const float HDiv60Floor = std::floor(HDiv60);
	const float HDiv60Fraction = HDiv60 - HDiv60Floor;
	const float RGBValues[4] = { Value, Value * (1.0f - Saturation), Value * (1.0f - (HDiv60Fraction * Saturation)), Value * (1.0f - ((1.0f - HDiv60Fraction) * Saturation)) };
	static const uint32 RGBSwizzle[6][3] = { { 0, 3, 1 }, { 2, 0, 1 }, { 1, 0, 3 }, { 1, 2, 0 }, { 3, 1, 0 }, { 0, 1, 2 } };
	const uint32 SwizzleIndex = ((uint32)HDiv60Floor) % 6;
	return FLinearColor(RGBValues[RGBSwizzle[SwizzleIndex][0]], RGBValues[RGBSwizzle[SwizzleIndex][1]], RGBValues[RGBSwizzle[SwizzleIndex][2]], A);
}

FColor FLinearColor::ToFColor(const bool bSRGB) const
{
	const float FloatR = bSRGB ? LinearToSRGB(R) : FMath::Clamp(R, 0.0f, 1.0f);
	const float FloatG = bSRGB ? LinearToSRGB(G) : FMath::Clamp(G, 0.0f, 1.0f);
	const float FloatB = bSRGB ? LinearToSRGB(B) : FMath::Clamp(B, 0.0f, 1.0f);
	const float FloatA = FMath::Clamp(A, 0.0f, 1.0f);
	return FColor((uint8)FMath::FloorToInt(FloatR * 255.999f), (uint8)FMath::FloorToInt(FloatG * 255.999f), (uint8)FMath::FloorToInt(FloatB * 255.999f), (uint8)FMath::FloorToInt(FloatA * 255.999f));
}

FColor FLinearColor::ToFColorSRGB() const
{
	return ToFColor(true);
}

FColor FLinearColor::QuantizeRound() const
{
	auto Quantize = [](float Value) { return (uint8)FMath::RoundToInt(FMath::Clamp(Value, 0.0f, 1.0f) * 255.0f); };
	return FColor(Quantize(R), Quantize(G), Quantize(B), Quantize(A));
}

FLinearColor FLinearColor::MakeFromHSV8(uint8 H, uint8 S, uint8 V)
{
	return FLinearColor(H * 360.0f / 255.0f, S / 255.0f, V / 255.0f, 1.0f).HSVToLinearRGB();
}

FLinearColor FLinearColor::LerpUsingHSV(const FLinearColor& From, const FLinearColor& To, const float Progress)
{
	const FLinearColor FromHSV = From.LinearRGBToHSV();
	const FLinearColor ToHSV = To.LinearRGBToHSV();
	float FromHue = FromHSV.R;
	float ToHue = ToHSV.R;
	// Go the short way round the hue circle.
	if (FMath::Abs(FromHue - ToHue) > 180.0f)
	{
		if (ToHue > FromHue)
		{
			FromHue += 360.0f;
		}
		else
		{
			ToHue += 360.0f;
		}
	}
	float NewHue = FMath::Lerp(FromHue, ToHue, Progress);
	NewHue = std::fmod(NewHue, 360.0f);
	if (NewHue < 0.0f)
	{
		NewHue += 360.0f;
	}
	const FLinearColor Lerped(NewHue, FMath::Lerp(FromHSV.G, ToHSV.G, Progress), FMath::Lerp(FromHSV.B, ToHSV.B, Progress), FMath::Lerp(From.A, To.A, Progress));
	return Lerped.HSVToLinearRGB();
}

FString FLinearColor::ToString() const
{
	return FString::Printf(TEXT("(R=%f,G=%f,B=%f,A=%f)"), R, G, B, A);
}

bool FLinearColor::InitFromString(const FString& InSourceString)
{
	double InR = 0.0, InG = 0.0, InB = 0.0, InA = 1.0;
	const bool bSuccess = ParseNumber(InSourceString, TEXT("R"), InR) && ParseNumber(InSourceString, TEXT("G"), InG) && ParseNumber(InSourceString, TEXT("B"), InB);
	if (!bSuccess)
	{
		R = G = B = 0.0f;
		A = 1.0f;
		return false;
	}
	// Alpha is optional and defaults to opaque.
	ParseNumber(InSourceString, TEXT("A"), InA);
	R = (float)InR;
	G = (float)InG;
	B = (float)InB;
	A = (float)InA;
	return true;
}

const FColor FColor::White(255, 255, 255);
const FColor FColor::Black(0, 0, 0);
const FColor FColor::Transparent(0, 0, 0, 0);
const FColor FColor::Red(255, 0, 0);
const FColor FColor::Green(0, 255, 0);
const FColor FColor::Blue(0, 0, 255);
const FColor FColor::Yellow(255, 255, 0);

FString FColor::ToHex() const
{
	return FString::Printf(TEXT("%02X%02X%02X%02X"), R, G, B, A);
}

FColor FColor::FromHex(const FString& HexString)
{
	FString Hex = HexString;
	Hex.RemoveFromStart(TEXT("#"));
	auto Nibble = [](TCHAR Char) -> uint32 {
		if (Char >= u'0' && Char <= u'9')
		{
			return Char - u'0';
		}
		if (Char >= u'a' && Char <= u'f')
		{
			return Char - u'a' + 10;
		}
		if (Char >= u'A' && Char <= u'F')
		{
			return Char - u'A' + 10;
		}
		return 0;
	};
	auto Byte = [&](int32 Index) { return (uint8)((Nibble(Hex[Index]) << 4) | Nibble(Hex[Index + 1])); };
	auto Single = [&](int32 Index) { return (uint8)((Nibble(Hex[Index]) << 4) | Nibble(Hex[Index])); };
	switch (Hex.Len())
	{
		case 3: return FColor(Single(0), Single(1), Single(2), 255);
		case 4: return FColor(Single(0), Single(1), Single(2), Single(3));
		case 6: return FColor(Byte(0), Byte(2), Byte(4), 255);
		case 8: return FColor(Byte(0), Byte(2), Byte(4), Byte(6));
		default: return FColor(0, 0, 0, 0);
	}
}

FString FColor::ToString() const
{
	return FString::Printf(TEXT("(R=%i,G=%i,B=%i,A=%i)"), R, G, B, A);
}

bool FColor::InitFromString(const FString& InSourceString)
{
	double InR = 0.0, InG = 0.0, InB = 0.0, InA = 255.0;
	const bool bSuccess = ParseNumber(InSourceString, TEXT("R"), InR) && ParseNumber(InSourceString, TEXT("G"), InG) && ParseNumber(InSourceString, TEXT("B"), InB);
	if (!bSuccess)
	{
		*this = FColor(0, 0, 0, 255);
		return false;
	}
	ParseNumber(InSourceString, TEXT("A"), InA);
	*this = FColor((uint8)InR, (uint8)InG, (uint8)InB, (uint8)InA);
	return true;
}

const FIntPoint FIntPoint::ZeroValue(0, 0);
const FIntPoint FIntPoint::NoneValue(INDEX_NONE, INDEX_NONE);

int32 FIntPoint::Size() const
{
	return (int32)std::sqrt((double)SizeSquared());
}

FString FIntPoint::ToString() const
{
	return FString::Printf(TEXT("X=%d Y=%d"), X, Y);
}

bool FIntPoint::InitFromString(const FString& InSourceString)
{
	double InX = 0.0, InY = 0.0;
	const bool bSuccess = ParseNumber(InSourceString, TEXT("X"), InX) && ParseNumber(InSourceString, TEXT("Y"), InY);
	X = bSuccess ? (int32)InX : 0;
	Y = bSuccess ? (int32)InY : 0;
	return bSuccess;
}

FString FIntVector::ToString() const
{
	return FString::Printf(TEXT("X=%d Y=%d Z=%d"), X, Y, Z);
}

int32 FMath::RandRange(int32 Min, int32 Max)
{
	std::uniform_int_distribution<int32> Distribution(Min, Max);
	return Distribution(RandomEngine());
}

float FMath::FRand()
{
	std::uniform_real_distribution<float> Distribution(0.0f, 1.0f);
	return Distribution(RandomEngine());
}

double FMath::FRandRange(double InMin, double InMax)
{
	std::uniform_real_distribution<double> Distribution(InMin, InMax);
	return Distribution(RandomEngine());
}

void FMath::RandInit(int32 Seed)
{
	RandomEngine().seed((uint32)Seed);
}
