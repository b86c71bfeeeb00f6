// FMath: scalar maths helpers under the engine's names.
#pragma once

#include "CoreTypes.h"
#include <cmath>
#include <limits>

#define PI (3.1415926535897932f)
#define UE_PI (3.1415926535897932f)
#define UE_DOUBLE_PI (3.141592653589793238462643383279502884197169399)
#define SMALL_NUMBER (1.e-8f)
#define KINDA_SMALL_NUMBER (1.e-4f)
#define UE_SMALL_NUMBER (1.e-8f)
#define UE_KINDA_SMALL_NUMBER (1.e-4f)
#define UE_DOUBLE_SMALL_NUMBER (1.e-8)
#define UE_DOUBLE_KINDA_SMALL_NUMBER (1.e-4)
#define BIG_NUMBER (3.4e+38f)
#define UE_BIG_NUMBER (3.4e+38f)
#define MAX_int32 (std::numeric_limits<int32>::max())
#define MIN_int32 (std::numeric_limits<int32>::min())
#define MAX_uint32 (std::numeric_limits<uint32>::max())
#define MAX_int64 (std::numeric_limits<int64>::max())
#define MIN_int64 (std::numeric_limits<int64>::min())
#define MAX_uint8 ((uint8)0xff)
#define MAX_uint16 ((uint16)0xffff)
#define MAX_int16 ((int16)0x7fff)
#define MAX_FLT (std::numeric_limits<float>::max())
#define MAX_dbl (std::numeric_limits<double>::max())
#define UE_MAX_FLT MAX_FLT
#define UE_DELTA (0.00001f)

struct FMath
{
	template<typename T> static constexpr T Min(const T A, const T B) { return (A <= B) ? A : B; }
	template<typename T> static constexpr T Max(const T A, const T B) { return (A >= B) ? A : B; }
	template<typename T> static constexpr T Min3(const T A, const T B, const T C) { return Min(Min(A, B), C); }
	template<typename T> static constexpr T Max3(const T A, const T B, const T C) { return Max(Max(A, B), C); }
	template<typename T> static constexpr T Clamp(const T X, const T MinValue, const T MaxValue) { return X < MinValue ? MinValue : (X < MaxValue ? X : MaxValue); }
	template<typename T> static constexpr T Abs(const T A) { return (A < (T)0) ? -A : A; }
	template<typename T> static constexpr T Sign(const T A) { return (A > (T)0) ? (T)1 : ((A < (T)0) ? (T)-1 : (T)0); }
	template<typename T> static constexpr T Square(const T A) { return A * A; }
	template<typename T> static constexpr T Cube(const T A) { return A * A * A; }

	template<typename T, typename U>
	static constexpr T Lerp(const T& A, const T& B, const U& Alpha) { return (T)(A + Alpha * (B - A)); }

	template<typename T>
	static constexpr T GetRangePct(T MinValue, T MaxValue, T Value)
	{
		// An empty range gives 0 rather than dividing by zero.
		const T Divisor = MaxValue - MinValue;
		if (FMath::IsNearlyZero((double)Divisor))
		{
			return (Value >= MaxValue) ? (T)1 : (T)0;
		}
		return (Value - MinValue) / Divisor;
	}

	template<typename T>
	static T GetMappedRangeValueClamped(T InMin, T InMax, T OutMin, T OutMax, T Value)
	{
		const T ClampedPct = Clamp<T>(GetRangePct(InMin, InMax, Value), (T)0, (T)1);
		return Lerp(OutMin, OutMax, ClampedPct);
	}

	template<typename T>
	static T GetMappedRangeValueUnclamped(T InMin, T InMax, T OutMin, T OutMax, T Value)
	{
		return Lerp(OutMin, OutMax, GetRangePct(InMin, InMax, Value));
	}

	static constexpr bool IsNearlyEqual(double A, double B, double ErrorTolerance = UE_DOUBLE_SMALL_NUMBER) { return Abs(A - B) <= ErrorTolerance; }
	static constexpr bool IsNearlyEqual(float A, float B, float ErrorTolerance = UE_SMALL_NUMBER) { return Abs(A - B) <= ErrorTolerance; }
	static constexpr bool IsNearlyZero(double Value, double ErrorTolerance = UE_DOUBLE_SMALL_NUMBER) { return Abs(Value) <= ErrorTolerance; }
	static constexpr bool IsNearlyZero(float Value, float ErrorTolerance = UE_SMALL_NUMBER) { return Abs(Value) <= ErrorTolerance; }
	template<typename T> static bool IsPowerOfTwo(T Value) { return Value > 0 && (Value & (Value - 1)) == 0; }
	static bool IsFinite(double A) { return std::isfinite(A); }
	static bool IsNaN(double A) { return std::isnan(A); }

	static int32 TruncToInt(double F) { return (int32)F; }
	static int32 TruncToInt32(double F) { return (int32)F; }
	static int64 TruncToInt64(double F) { return (int64)F; }
	static float TruncToFloat(float F) { return std::trunc(F); }
	static double TruncToDouble(double F) { return std::trunc(F); }
	static int32 FloorToInt(double F) { return (int32)std::floor(F); }
	static int32 FloorToInt32(double F) { return (int32)std::floor(F); }
	static int64 FloorToInt64(double F) { return (int64)std::floor(F); }
	static float FloorToFloat(float F) { return std::floor(F); }
	static double FloorToDouble(double F) { return std::floor(F); }
	static int32 CeilToInt(double F) { return (int32)std::ceil(F); }
	static int32 CeilToInt32(double F) { return (int32)std::ceil(F); }
	static float CeilToFloat(float F) { return std::ceil(F); }
	static double CeilToDouble(double F) { return std::ceil(F); }

	/** Rounds half up (towards positive infinity), as the engine's RoundToInt does. */
	static int32 RoundToInt(double F) { return FloorToInt(F + 0.5); }
	static int32 RoundToInt32(double F) { return FloorToInt(F + 0.5); }
	static int64 RoundToInt64(double F) { return (int64)std::floor(F + 0.5); }
	static float RoundToFloat(float F) { return std::floor(F + 0.5f); }
	static double RoundToDouble(double F) { return std::floor(F + 0.5); }
	static double RoundHalfToZero(double F) { return F >= 0.0 ? std::ceil(F - 0.5) : std::floor(F + 0.5); }
	static double RoundHalfFromZero(double F) { return std::round(F); }
	static float Frac(float Value) { return Value - std::floor(Value); }
	static double Frac(double Value) { return Value - std::floor(Value); }
	static float Fractional(float Value) { return Value - std::trunc(Value); }
	static double Fractional(double Value) { return Value - std::trunc(Value); }

	static float Sqrt(float Value) { return std::sqrt(Value); }
	static double Sqrt(double Value) { return std::sqrt(Value); }
	static float InvSqrt(float Value) { return 1.0f / std::sqrt(Value); }
	static double InvSqrt(double Value) { return 1.0 / std::sqrt(Value); }
	static float Pow(float A, float B) { return std::pow(A, B); }
	static double Pow(double A, double B) { return std::pow(A, B); }
	static float Exp(float Value) { return std::exp(Value); }
	static double Exp(double Value) { return std::exp(Value); }
	static float Loge(float Value) { return std::log(Value); }
	static double Loge(double Value) { return std::log(Value); }
	static float LogX(float Base, float Value) { return std::log(Value) / std::log(Base); }
	static double LogX(double Base, double Value) { return std::log(Value) / std::log(Base); }
	static float Log2(float Value) { return std::log2(Value); }
	static double Log2(double Value) { return std::log2(Value); }
	static float Fmod(float X, float Y) { return std::fmod(X, Y); }
	static double Fmod(double X, double Y) { return std::fmod(X, Y); }
	static float Sin(float Value) { return std::sin(Value); }
	static double Sin(double Value) { return std::sin(Value); }
	static float Cos(float Value) { return std::cos(Value); }
	static double Cos(double Value) { return std::cos(Value); }
	static float Tan(float Value) { return std::tan(Value); }
	static double Tan(double Value) { return std::tan(Value); }
	static float Asin(float Value) { return std::asin(Clamp(Value, -1.0f, 1.0f)); }
	static double Asin(double Value) { return std::asin(Clamp(Value, -1.0, 1.0)); }
	static float Acos(float Value) { return std::acos(Clamp(Value, -1.0f, 1.0f)); }
	static double Acos(double Value) { return std::acos(Clamp(Value, -1.0, 1.0)); }
	static float Atan(float Value) { return std::atan(Value); }
	static double Atan(double Value) { return std::atan(Value); }
	static float Atan2(float Y, float X) { return std::atan2(Y, X); }
	static double Atan2(double Y, double X) { return std::atan2(Y, X); }

	template<typename T>
	static void SinCos(T* ScalarSin, T* ScalarCos, T Value)
	{
		*ScalarSin = std::sin(Value);
		*ScalarCos = std::cos(Value);
	}

	template<typename T> static constexpr auto RadiansToDegrees(const T& RadVal) { return RadVal * (180.0 / UE_DOUBLE_PI); }
	template<typename T> static constexpr auto DegreesToRadians(const T& DegVal) { return DegVal * (UE_DOUBLE_PI / 180.0); }
	static constexpr float RadiansToDegrees(float RadVal) { return RadVal * (180.0f / UE_PI); }
	static constexpr float DegreesToRadians(float DegVal) { return DegVal * (UE_PI / 180.0f); }

	template<typename T>
	static T UnwindDegrees(T A)
	{
		while (A > (T)180)
		{
			A -= (T)360;
		}
		while (A < (T)-180)
		{
			A += (T)360;
		}
		return A;
	}

	template<typename T>
	static T FInterpTo(T Current, T Target, T DeltaTime, T InterpSpeed)
	{
		if (InterpSpeed <= (T)0)
		{
			return Target;
		}
		const T Dist = Target - Current;
		if (Dist * Dist < (T)UE_SMALL_NUMBER)
		{
			return Target;
		}
		const T DeltaMove = Dist * Clamp<T>(DeltaTime * InterpSpeed, (T)0, (T)1);
		return Current + DeltaMove;
	}

	template<typename T>
	static constexpr T DivideAndRoundUp(T Dividend, T Divisor) { return (Dividend + Divisor - 1) / Divisor; }

	template<typename T>
	static constexpr T Wrap(const T X, const T Min, const T Max)
	{
		const T Size = Max - Min;
		if (Size == 0)
		{
			return Max;
		}
		T EndVal = X;
		while (EndVal < Min)
		{
			EndVal += Size;
		}
		while (EndVal > Max)
		{
			EndVal -= Size;
		}
		return EndVal;
	}

	static CORE_API int32 RandRange(int32 Min, int32 Max);
	static CORE_API float FRand();
	static CORE_API double FRandRange(double InMin, double InMax);
	static CORE_API void RandInit(int32 Seed);
};
