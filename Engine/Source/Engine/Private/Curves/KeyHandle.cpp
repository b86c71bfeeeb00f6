#include "Curves/KeyHandle.h"

#include <atomic>

FKeyHandle::FKeyHandle()
{
	// 0 is the invalid handle, so counting starts above it.
	static std::atomic<uint32> LastKeyHandleIndex{ 0 };
	Index = ++LastKeyHandleIndex;
}

FKeyHandle::FKeyHandle(uint32 SpecificIndex)
	: Index(SpecificIndex)
{
}

FKeyHandle FKeyHandle::Invalid()
{
	return FKeyHandle(0);
}

FKeyHandle FKeyHandleLookupTable::FindOrAddKeyHandle(int32 Index)
{
	check(Index >= 0);
	if (KeyHandles.IsValidIndex(Index) && KeyHandles[Index].IsSet())
	{
		return KeyHandles[Index].GetValue();
	}
	if (Index >= KeyHandles.Num())
	{
		KeyHandles.SetNum(Index + 1);
	}
	const FKeyHandle NewHandle;
	KeyHandles[Index] = NewHandle;
	KeyHandlesToIndices.Add(NewHandle, Index);
	return NewHandle;
}

void FKeyHandleLookupTable::MoveHandle(int32 OldIndex, int32 NewIndex)
{
	if (!KeyHandles.IsValidIndex(OldIndex) || OldIndex == NewIndex)
	{
		return;
	}
	const TOptional<FKeyHandle> Handle = KeyHandles[OldIndex];
	KeyHandles.RemoveAt(OldIndex, 1, false);
	if (NewIndex > KeyHandles.Num())
	{
		KeyHandles.SetNum(NewIndex);
	}
	KeyHandles.Insert(Handle, NewIndex);
	if (Handle.IsSet())
	{
		KeyHandlesToIndices.Add(Handle.GetValue(), NewIndex);
	}
}

FKeyHandle FKeyHandleLookupTable::AllocateHandle(int32 Index)
{
	check(Index >= 0);
	const FKeyHandle NewHandle;
	if (Index > KeyHandles.Num())
	{
		KeyHandles.SetNum(Index);
	}
	KeyHandles.Insert(TOptional<FKeyHandle>(NewHandle), Index);
	KeyHandlesToIndices.Add(NewHandle, Index);
	return NewHandle;
}

void FKeyHandleLookupTable::DeallocateHandle(int32 Index)
{
	if (!KeyHandles.IsValidIndex(Index))
	{
		// Keys past the table's end never had a handle.
		return;
	}
	const TOptional<FKeyHandle> Handle = KeyHandles[Index];
	KeyHandles.RemoveAt(Index, 1, false);
	if (Handle.IsSet())
	{
		KeyHandlesToIndices.Remove(Handle.GetValue());
	}
}

void FKeyHandleLookupTable::Reset()
{
	KeyHandles.Reset();
	KeyHandlesToIndices.Reset();
}

int32 FKeyHandleLookupTable::GetIndex(FKeyHandle KeyHandle)
{
	int32* LastKnownIndex = KeyHandlesToIndices.Find(KeyHandle);
	if (LastKnownIndex == nullptr)
	{
		return INDEX_NONE;
	}
	if (KeyHandles.IsValidIndex(*LastKnownIndex) && KeyHandles[*LastKnownIndex].IsSet() && KeyHandles[*LastKnownIndex].GetValue() == KeyHandle)
	{
		return *LastKnownIndex;
	}
	// Keys were inserted or removed before it since the index was remembered: walk the array from the start.
	for (int32 Index = 0; Index < KeyHandles.Num(); ++Index)
	{
		if (KeyHandles[Index].IsSet() && KeyHandles[Index].GetValue() == KeyHandle)
		{
			*LastKnownIndex = Index;
			return Index;
		}
	}
	KeyHandlesToIndices.Remove(KeyHandle);
	return INDEX_NONE;
}
