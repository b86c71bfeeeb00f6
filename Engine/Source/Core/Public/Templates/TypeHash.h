// GetTypeHash for built-in types, and the engine's hash combiners.
#pragma once

#include "HAL/Platform.h"
#include <type_traits>

inline constexpr uint32 HashCombine(uint32 A, uint32 C)
{
	// Bob Jenkins' mix, as used for hash combination throughout the engine.
	uint32 B = 0x9e3779b9;
	A += B;
	// clang-format off
	A -= B; A -= C; A ^= (C >> 13);
	B -= C; B -= A; B ^= (A << 8);
	C -= A; C -= B; C ^= (B >> 13);
	A -= B; A -= C; A ^= (C >> 12);
	B -= C; B -= A; B ^= (A << 16);
	C -= A; C -= B; C ^= (B >> 5);
	A -= B; A -= C; A ^= (C >> 3);
	B -= C; B -= A; B ^= (A << 10);
	C -= A; C -= B; C ^= (B >> 15);
	// clang-format on
	return C;
}

inline constexpr uint32 HashCombineFast(uint32 A, uint32 B)
{
	return A ^ (B + 0x9e3779b9 + (A << 6) + (A >> 2));
}

inline uint32 PointerHash(const void* Key)
{
	const uint64 Value = (uint64)(UPTRINT)Key;
	// Pointers are aligned; drop the low bits that are always zero.
	return (uint32)(Value >> 4) ^ (uint32)(Value >> 32);
}

template<typename T>
inline constexpr std::enable_if_t<std::is_integral_v<T> || std::is_enum_v<T>, uint32> GetTypeHash(T Value)
{
	if constexpr (sizeof(T) <= 4)
	{
		return (uint32)Value;
	}
	else
	{
		return (uint32)(uint64)Value + ((uint32)((uint64)Value >> 32) * 23);
	}
}

inline uint32 GetTypeHash(float Value)
{
	union
	{
		float F;
		uint32 U;
	} Bits{ Value == 0.0f ? 0.0f : Value };
	return Bits.U;
}

inline uint32 GetTypeHash(double Value)
{
	union
	{
		double D;
		uint64 U;
	} Bits{ Value == 0.0 ? 0.0 : Value };
	return GetTypeHash(Bits.U);
}

template<typename T>
inline uint32 GetTypeHash(T* Value)
{
	return PointerHash(Value);
}

inline uint32 GetTypeHash(std::nullptr_t)
{
	return 0;
}
