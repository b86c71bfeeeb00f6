// A set of localised strings keyed by (namespace, key), each tied to the source string it translates.
#pragma once

#include "CoreTypes.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "Internationalization/LocKeyFuncs.h"

/** A case-sensitive text identifier (namespace or key). */
class CORE_API FTextKey
{
public:
	FTextKey() = default;
	FTextKey(const TCHAR* InStr)
		: Str(InStr)
	{
	}
	FTextKey(const FString& InStr)
		: Str(InStr)
	{
	}

	const TCHAR* GetChars() const { return *Str; }
	const FString& ToString() const { return Str; }
	bool IsEmpty() const { return Str.IsEmpty(); }

	bool operator==(const FTextKey& Other) const { return Str.Equals(Other.Str, ESearchCase::CaseSensitive); }
	bool operator!=(const FTextKey& Other) const { return !(*this == Other); }

	friend uint32 GetTypeHash(const FTextKey& Key)
	{
		return FCrc::StrCrc32(*Key.Str);
	}

private:
	FString Str;
};

class CORE_API FTextLocalizationResource
{
public:
	struct FEntry
	{
		FString SourceString;
		FString LocalizedString;
		int32 Priority = 0;
	};

	/** Adds a translation; of two entries for one id the lower Priority value wins, as in the engine. */
	void AddEntry(const FTextKey& InNamespace, const FTextKey& InKey, const FString& InSourceString, const FString& InLocalizedString, const int32 InPriority, const FTextKey& InLocResID = FTextKey());

	bool IsEmpty() const { return Entries.Num() == 0; }

	/** Entries keyed by "namespace" + '\x1f' + "key". */
	TMap<FString, FEntry, FDefaultSetAllocator, FLocKeyMapFuncs<FEntry>> Entries;

	static FString MakeId(const FTextKey& InNamespace, const FTextKey& InKey);
};
