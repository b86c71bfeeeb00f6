// FGuid: a 128-bit globally unique identifier in four 32-bit parts.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

namespace EGuidFormats
{
	enum class Type
	{
		/** 32 hexadecimal digits: "00000000000000000000000000000000". */
		Digits,
		/** Hyphenated: "00000000-0000-0000-0000-000000000000". */
		DigitsWithHyphens,
		/** Hyphenated in braces: "{00000000-0000-0000-0000-000000000000}". */
		DigitsWithHyphensInBraces,
	};
}

struct CORE_API FGuid
{
	uint32 A = 0;
	uint32 B = 0;
	uint32 C = 0;
	uint32 D = 0;

	FGuid() = default;
	FGuid(uint32 InA, uint32 InB, uint32 InC, uint32 InD)
		: A(InA)
		, B(InB)
		, C(InC)
		, D(InD)
	{
	}

	/** A new random identifier; never the invalid all-zero one. */
	static FGuid NewGuid();

	/** Parses any of the formats; false (and OutGuid invalid) when the text is none of them. */
	static bool Parse(const FString& GuidString, FGuid& OutGuid);

	/** Parses exactly the given format. */
	static bool ParseExact(const FString& GuidString, EGuidFormats::Type Format, FGuid& OutGuid);

	bool IsValid() const
	{
		return (A | B | C | D) != 0;
	}

	void Invalidate()
	{
		A = B = C = D = 0;
	}

	FString ToString(EGuidFormats::Type Format = EGuidFormats::Type::Digits) const;

	friend bool operator==(const FGuid& X, const FGuid& Y)
	{
		return X.A == Y.A && X.B == Y.B && X.C == Y.C && X.D == Y.D;
	}

	friend bool operator!=(const FGuid& X, const FGuid& Y)
	{
		return !(X == Y);
	}

	friend bool operator<(const FGuid& X, const FGuid& Y)
	{
		if (X.A != Y.A)
		{
			return X.A < Y.A;
		}
		if (X.B != Y.B)
		{
			return X.B < Y.B;
		}
		if (X.C != Y.C)
		{
			return X.C < Y.C;
		}
		return X.D < Y.D;
	}

	friend uint32 GetTypeHash(const FGuid& Guid)
	{
		return HashCombine(HashCombine(GetTypeHash(Guid.A), GetTypeHash(Guid.B)), HashCombine(GetTypeHash(Guid.C), GetTypeHash(Guid.D)));
	}
};
