// TEnumAsByte: an old-style enumeration kept in one byte, as reflected byte properties store it.
#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"

template<class TEnum>
class TEnumAsByte
{
public:
	typedef TEnum EnumType;

	TEnumAsByte() = default;
	TEnumAsByte(const TEnumAsByte&) = default;
	TEnumAsByte& operator=(const TEnumAsByte&) = default;

	FORCEINLINE TEnumAsByte(TEnum InValue)
		: Value(static_cast<uint8>(InValue))
	{
	}

	explicit FORCEINLINE TEnumAsByte(int32 InValue)
		: Value(static_cast<uint8>(InValue))
	{
	}

	explicit FORCEINLINE TEnumAsByte(uint8 InValue)
		: Value(InValue)
	{
	}

	FORCEINLINE bool operator==(TEnum InValue) const
	{
		return static_cast<TEnum>(Value) == InValue;
	}

	FORCEINLINE bool operator==(TEnumAsByte InValue) const
	{
		return Value == InValue.Value;
	}

	FORCEINLINE bool operator!=(TEnum InValue) const
	{
		return !(*this == InValue);
	}

	FORCEINLINE operator TEnum() const
	{
		return static_cast<TEnum>(Value);
	}

	FORCEINLINE TEnum GetValue() const
	{
		return static_cast<TEnum>(Value);
	}

	FORCEINLINE uint8 GetIntValue() const
	{
		return Value;
	}

	friend FORCEINLINE uint32 GetTypeHash(const TEnumAsByte& Enum)
	{
		return GetTypeHash(Enum.Value);
	}

private:
	uint8 Value = 0;
};
