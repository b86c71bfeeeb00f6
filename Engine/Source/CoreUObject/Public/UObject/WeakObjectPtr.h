// FWeakObjectPtr: object table index plus the serial number the slot had when the pointer was set.
// A destroyed object's slot gets a new serial, so the pointer goes stale without reading freed memory.

#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"

class UObject;

struct COREUOBJECT_API FWeakObjectPtr
{
public:
	FWeakObjectPtr() = default;
	FWeakObjectPtr(const FWeakObjectPtr&) = default;
	FWeakObjectPtr& operator=(const FWeakObjectPtr&) = default;

	FWeakObjectPtr(std::nullptr_t)
	{
	}

	FWeakObjectPtr(const UObject* Object)
	{
		(*this) = Object;
	}

	void operator=(const UObject* Object);

	void Reset()
	{
		ObjectIndex = INDEX_NONE;
		ObjectSerialNumber = 0;
	}

	/** Null when the object was destroyed or is marked as garbage. */
	UObject* Get() const;
	UObject* Get(bool bEvenIfPendingKill) const;
	UObject* GetEvenIfUnreachable() const;

	bool IsValid() const
	{
		return Get() != nullptr;
	}

	bool IsValid(bool bEvenIfPendingKill, bool bThreadsafeTest = false) const
	{
		return Get(bEvenIfPendingKill) != nullptr;
	}

	/** Was set to an object that has since gone (or, by default, been marked as garbage). */
	bool IsStale(bool bIncludingIfPendingKill = true, bool bThreadsafeTest = false) const;

	bool IsExplicitlyNull() const
	{
		return ObjectIndex == INDEX_NONE;
	}

	bool operator==(const FWeakObjectPtr& Other) const
	{
		return (ObjectIndex == Other.ObjectIndex && ObjectSerialNumber == Other.ObjectSerialNumber) || (!IsValid() && !Other.IsValid());
	}

	bool operator!=(const FWeakObjectPtr& Other) const
	{
		return !(*this == Other);
	}

	uint32 GetHash() const
	{
		return (uint32)ObjectIndex ^ (uint32)ObjectSerialNumber;
	}

	friend uint32 GetTypeHash(const FWeakObjectPtr& WeakObjectPtr)
	{
		return WeakObjectPtr.GetHash();
	}

private:
	int32 ObjectIndex = INDEX_NONE;
	int32 ObjectSerialNumber = 0;
};
