// Access to a channel's keys: parallel arrays of times and values, and the table of the keys' stable handles.
#pragma once

#include "CoreMinimal.h"
#include "Curves/KeyHandle.h"
#include "Misc/FrameNumber.h"

/** The key handle table of a channel. */
struct FMovieSceneKeyHandleMap : public FKeyHandleLookupTable
{
};

/**
 * Key times and handles of a channel, whatever its value type. Times are kept sorted; every edit goes through the
 * channel's arrays, so inserting or removing a key moves the keys after it (the cost of array storage).
 */
struct MOVIESCENE_API FMovieSceneChannelData
{
	/** The handle of the key at Index (allocated on first request). */
	FKeyHandle GetHandle(int32 Index);

	/** The current index of the key with this handle; INDEX_NONE if the handle names no key of this channel. */
	int32 GetIndex(FKeyHandle Handle);

	/** The index of the first key within InTolerance of InTime; INDEX_NONE when there is none. */
	int32 FindKey(FFrameNumber InTime, FFrameNumber InTolerance = 0);

	TArrayView<FFrameNumber> GetTimes()
	{
		return *Times;
	}

	TArrayView<const FFrameNumber> GetTimes() const
	{
		return *Times;
	}

protected:
	FMovieSceneChannelData(TArray<FFrameNumber>* InTimes, FKeyHandleLookupTable* InKeyHandles);

	/** Where a key at InTime goes: after every key at or before it. */
	int32 GetInsertIndex(FFrameNumber InTime) const;

	TArray<FFrameNumber>* Times;
	FKeyHandleLookupTable* KeyHandles;
};

/** Mutable access to a channel's keys of one value type. */
template<typename ValueType>
struct TMovieSceneChannelData : public FMovieSceneChannelData
{
	TMovieSceneChannelData(TArray<FFrameNumber>* InTimes, TArray<ValueType>* InValues, FKeyHandleLookupTable* InKeyHandles)
		: FMovieSceneChannelData(InTimes, InKeyHandles)
		, Values(InValues)
	{
	}

	TArrayView<ValueType> GetValues()
	{
		return *Values;
	}

	TArrayView<const ValueType> GetValues() const
	{
		return *Values;
	}

	/** Adds a key after every key at or before InTime; returns its index. */
	int32 AddKey(FFrameNumber InTime, const ValueType& InValue)
	{
		const int32 InsertIndex = GetInsertIndex(InTime);
		Times->Insert(InTime, InsertIndex);
		Values->Insert(InValue, InsertIndex);
		if (KeyHandles)
		{
			KeyHandles->AllocateHandle(InsertIndex);
		}
		return InsertIndex;
	}

	/** Sets the value of the key at InTime, adding a key there when there is none; returns its index. */
	int32 UpdateOrAddKey(FFrameNumber InTime, const ValueType& InValue)
	{
		const int32 ExistingIndex = FindKey(InTime);
		if (ExistingIndex != INDEX_NONE)
		{
			(*Values)[ExistingIndex] = InValue;
			return ExistingIndex;
		}
		return AddKey(InTime, InValue);
	}

	/** Removes the key at KeyIndex: its time, its value and its handle together. */
	void RemoveKey(int32 KeyIndex);

	/** Removes the keys with these handles; handles that name no key are ignored. */
	void DeleteKeys(TArrayView<const FKeyHandle> InHandles)
	{
		for (const FKeyHandle Handle : InHandles)
		{
			const int32 KeyIndex = GetIndex(Handle);
			if (KeyIndex != INDEX_NONE)
			{
				RemoveKey(KeyIndex);
			}
		}
	}

	/** Removes every key and handle. */
	void Reset()
	{
		Times->Reset();
		Values->Reset();
		if (KeyHandles)
		{
			KeyHandles->Reset();
		}
	}

private:
	TArray<ValueType>* Values;
};

// Not inline: the channel types' module compiles it once (MovieSceneDoubleChannel.h, MovieSceneFloatChannel.h), so every
// caller pays for a removal what the channel data's own code costs.
template<typename ValueType>
void TMovieSceneChannelData<ValueType>::RemoveKey(int32 KeyIndex)
{
	checkf(Times->IsValidIndex(KeyIndex), TEXT("TMovieSceneChannelData::RemoveKey: no key at index %d of %d"), KeyIndex, Times->Num());
	Times->RemoveAt(KeyIndex, 1, false);
	Values->RemoveAt(KeyIndex, 1, false);
	if (KeyHandles)
	{
		KeyHandles->DeallocateHandle(KeyIndex);
	}
}

/** Read-only access to a channel's keys. */
template<typename ValueType>
struct TMovieSceneChannelData<const ValueType>
{
	TMovieSceneChannelData(const TArray<FFrameNumber>* InTimes, const TArray<ValueType>* InValues)
		: Times(InTimes)
		, Values(InValues)
	{
	}

	TArrayView<const FFrameNumber> GetTimes() const
	{
		return *Times;
	}

	TArrayView<const ValueType> GetValues() const
	{
		return *Values;
	}

	/** The index of the first key within InTolerance of InTime; INDEX_NONE when there is none. */
	int32 FindKey(FFrameNumber InTime, FFrameNumber InTolerance = 0) const
	{
		// Times are sorted: the first key not before the tolerance window is the only candidate.
		int32 First = 0;
		int32 Count = Times->Num();
		while (Count > 0)
		{
			const int32 Half = Count / 2;
			if ((*Times)[First + Half].Value < InTime.Value - InTolerance.Value)
			{
				First += Half + 1;
				Count -= Half + 1;
			}
			else
			{
				Count = Half;
			}
		}
		return First < Times->Num() && (*Times)[First].Value <= InTime.Value + InTolerance.Value ? First : INDEX_NONE;
	}

private:
	const TArray<FFrameNumber>* Times;
	const TArray<ValueType>* Values;
};
