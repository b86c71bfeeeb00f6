// Stable handles of curve keys, and the table that maps them to the keys' current indices.
#pragma once

#include "CoreMinimal.h"
#include "Misc/Optional.h"

/** A key's stable identity: it survives the key's index changing as other keys come and go. */
struct ENGINE_API FKeyHandle
{
	/** A new handle, distinct from every handle made before it in this process. */
	FKeyHandle();

	/** The one handle that names no key. */
	static FKeyHandle Invalid();

	bool IsValid() const
	{
		return Index != 0;
	}

	bool operator==(const FKeyHandle& Other) const
	{
		return Index == Other.Index;
	}

	bool operator!=(const FKeyHandle& Other) const
	{
		return Index != Other.Index;
	}

	friend uint32 GetTypeHash(const FKeyHandle& Handle)
	{
		return GetTypeHash(Handle.Index);
	}

private:
	explicit FKeyHandle(uint32 SpecificIndex);

	uint32 Index;
};

/**
 * Lookup table that maps key handles to indices in an external data structure. Maintains a map of key handle to
 * last known index, and an array of optional key handles that's used to validate map entries.
 *
 * The array runs parallel to the keys it describes, so inserting or removing a key costs an array insertion or
 * removal here too; a handle whose remembered index went stale is found again by walking the array.
 */
struct ENGINE_API FKeyHandleLookupTable
{
	/** The handle of the key at Index, allocating one when the key has none yet. */
	FKeyHandle FindOrAddKeyHandle(int32 Index);

	/** Moves the handle of the key at OldIndex to NewIndex (the key moved there; the keys between shift by one). */
	void MoveHandle(int32 OldIndex, int32 NewIndex);

	/** A new handle for a key just inserted at Index; the keys from Index on shift up by one. */
	FKeyHandle AllocateHandle(int32 Index);

	/** Forgets the handle of the key at Index, which is being removed; the keys after it shift down by one. */
	void DeallocateHandle(int32 Index);

	/** Forgets every handle and index. */
	void Reset();

	/** The current index of the key with this handle; INDEX_NONE when the handle names no key of this table. */
	int32 GetIndex(FKeyHandle KeyHandle);

protected:
	/** Array of optional key handles that reside in corresponding indices for an externally owned serial data structure. */
	TArray<TOptional<FKeyHandle>> KeyHandles;

	/** Map of which key handles go to which indices. */
	TMap<FKeyHandle, int32> KeyHandlesToIndices;
};
