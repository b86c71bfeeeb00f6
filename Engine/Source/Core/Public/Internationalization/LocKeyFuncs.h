// Map key functions for localisation identifiers: strings compare case-sensitively.
#pragma once

#include "CoreTypes.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"

template<typename ValueType>
struct FLocKeyMapFuncs : TDefaultMapKeyFuncs<FString, ValueType, false>
{
	static bool Matches(const FString& A, const FString& B) { return A.Equals(B, ESearchCase::CaseSensitive); }
	static uint32 GetKeyHash(const FString& Key) { return FCrc::StrCrc32(*Key); }
};
