// TArray: the engine's dynamic array, with the engine's index-based API and semantics.
#pragma once

#include "CoreTypes.h"
#include "Containers/ContainersFwd.h"
#include "Templates/UnrealTemplate.h"
#include "Templates/TypeHash.h"
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <new>

namespace UE::Core::Private
{
	// The engine's Sort sees through pointer elements and compares the pointees.
	template<typename T>
	struct TDereferenceWrapper
	{
		template<typename PredType>
		static bool Less(const PredType& Pred, const T& A, const T& B)
		{
			return Pred(A, B);
		}
	};

	template<typename T>
	struct TDereferenceWrapper<T*>
	{
		template<typename PredType>
		static bool Less(const PredType& Pred, T* A, T* B)
		{
			return Pred(*A, *B);
		}
	};

	struct FLessOperator
	{
		template<typename A, typename B>
		bool operator()(const A& Left, const B& Right) const
		{
			return Left < Right;
		}
	};

	/** Ranged-for iterator that catches the array changing size mid-loop, as the engine's does. */
	template<typename ElementType>
	class TCheckedArrayIterator
	{
	public:
		TCheckedArrayIterator(ElementType* InPtr, const int32& InCurrentNum)
			: Ptr(InPtr)
			, CurrentNum(&InCurrentNum)
			, InitialNum(InCurrentNum)
		{
		}

		ElementType& operator*() const { return *Ptr; }
		ElementType* operator->() const { return Ptr; }
		TCheckedArrayIterator& operator++()
		{
			++Ptr;
			return *this;
		}

		bool operator!=(const TCheckedArrayIterator& Other) const
		{
			checkf(*CurrentNum == InitialNum, TEXT("Array has changed during ranged-for iteration!"));
			return Ptr != Other.Ptr;
		}

		bool operator==(const TCheckedArrayIterator& Other) const { return !(*this != Other); }

	private:
		ElementType* Ptr;
		const int32* CurrentNum;
		int32 InitialNum;
	};
}

/** Iterator with index access and RemoveCurrent, as TArray::CreateIterator returns. */
template<typename ContainerType, typename ElementType>
class TIndexedContainerIterator
{
public:
	TIndexedContainerIterator(ContainerType& InContainer, int32 StartIndex = 0)
		: Container(InContainer)
		, Index(StartIndex)
	{
	}

	TIndexedContainerIterator& operator++()
	{
		++Index;
		return *this;
	}
	TIndexedContainerIterator& operator--()
	{
		--Index;
		return *this;
	}
	ElementType& operator*() const { return Container[Index]; }
	ElementType* operator->() const { return &Container[Index]; }
	explicit operator bool() const { return Container.IsValidIndex(Index); }
	bool operator!() const { return !(bool)*this; }
	int32 GetIndex() const { return Index; }
	void Reset() { Index = 0; }
	void SetToEnd() { Index = Container.Num(); }

	/** Removes the current element; the next ++ visits the element that followed it. */
	void RemoveCurrent()
	{
		Container.RemoveAt(Index);
		--Index;
	}

	void RemoveCurrentSwap()
	{
		Container.RemoveAtSwap(Index);
		--Index;
	}

private:
	ContainerType& Container;
	int32 Index;
};

template<typename InElementType, typename InAllocatorType>
class TArray
{
	template<typename OtherElementType, typename OtherAllocatorType> friend class TArray;

public:
	typedef int32 SizeType;
	typedef InElementType ElementType;
	typedef InAllocatorType AllocatorType;
	typedef TIndexedContainerIterator<TArray, ElementType> TIterator;
	typedef TIndexedContainerIterator<const TArray, const ElementType> TConstIterator;
	typedef UE::Core::Private::TCheckedArrayIterator<ElementType> RangedForIteratorType;
	typedef UE::Core::Private::TCheckedArrayIterator<const ElementType> RangedForConstIteratorType;

	TArray() = default;

	TArray(std::initializer_list<ElementType> InitList)
	{
		AppendRange(InitList.begin(), (SizeType)InitList.size());
	}

	TArray(const ElementType* Ptr, SizeType Count)
	{
		check(Ptr != nullptr || Count == 0);
		AppendRange(Ptr, Count);
	}

	TArray(const TArray& Other)
	{
		AppendRange(Other.Data, Other.ArrayNum);
	}

	template<typename OtherElementType, typename OtherAllocator>
	explicit TArray(const TArray<OtherElementType, OtherAllocator>& Other)
	{
		Reserve(Other.Num());
		for (const OtherElementType& Element : Other)
		{
			Emplace(Element);
		}
	}

	TArray(TArray&& Other) noexcept
		: Data(Other.Data)
		, ArrayNum(Other.ArrayNum)
		, ArrayMax(Other.ArrayMax)
	{
		Other.Data = nullptr;
		Other.ArrayNum = 0;
		Other.ArrayMax = 0;
	}

	~TArray()
	{
		DestructRange(0, ArrayNum);
		FreeStorage(Data);
	}

	TArray& operator=(const TArray& Other)
	{
		if (this != &Other)
		{
			Empty(Other.ArrayNum);
			AppendRange(Other.Data, Other.ArrayNum);
		}
		return *this;
	}

	TArray& operator=(TArray&& Other) noexcept
	{
		if (this != &Other)
		{
			DestructRange(0, ArrayNum);
			FreeStorage(Data);
			Data = Other.Data;
			ArrayNum = Other.ArrayNum;
			ArrayMax = Other.ArrayMax;
			Other.Data = nullptr;
			Other.ArrayNum = 0;
			Other.ArrayMax = 0;
		}
		return *this;
	}

	TArray& operator=(std::initializer_list<ElementType> InitList)
	{
		Empty((SizeType)InitList.size());
		AppendRange(InitList.begin(), (SizeType)InitList.size());
		return *this;
	}

	// Size and access

	FORCEINLINE SizeType Num() const { return ArrayNum; }
	FORCEINLINE SizeType Max() const { return ArrayMax; }
	FORCEINLINE bool IsEmpty() const { return ArrayNum == 0; }
	FORCEINLINE ElementType* GetData() { return Data; }
	FORCEINLINE const ElementType* GetData() const { return Data; }
	FORCEINLINE static constexpr uint32 GetTypeSize() { return sizeof(ElementType); }
	FORCEINLINE bool IsValidIndex(SizeType Index) const { return Index >= 0 && Index < ArrayNum; }
	SIZE_T GetAllocatedSize() const { return (SIZE_T)ArrayMax * sizeof(ElementType); }
	SizeType GetSlack() const { return ArrayMax - ArrayNum; }

	FORCEINLINE void RangeCheck(SizeType Index) const
	{
		checkf(Index >= 0 && Index < ArrayNum, TEXT("Array index out of bounds: %d from an array of size %d"), Index, ArrayNum);
	}

	FORCEINLINE ElementType& operator[](SizeType Index)
	{
		RangeCheck(Index);
		return Data[Index];
	}

	FORCEINLINE const ElementType& operator[](SizeType Index) const
	{
		RangeCheck(Index);
		return Data[Index];
	}

	ElementType& Last(SizeType IndexFromTheEnd = 0)
	{
		RangeCheck(ArrayNum - IndexFromTheEnd - 1);
		return Data[ArrayNum - IndexFromTheEnd - 1];
	}

	const ElementType& Last(SizeType IndexFromTheEnd = 0) const
	{
		RangeCheck(ArrayNum - IndexFromTheEnd - 1);
		return Data[ArrayNum - IndexFromTheEnd - 1];
	}

	ElementType& Top() { return Last(); }
	const ElementType& Top() const { return Last(); }

	ElementType Pop(bool bAllowShrinking = true)
	{
		RangeCheck(0);
		ElementType Result = MoveTempIfPossible(Data[ArrayNum - 1]);
		RemoveAt(ArrayNum - 1, 1, bAllowShrinking);
		return Result;
	}

	void Push(const ElementType& Item) { Add(Item); }
	void Push(ElementType&& Item) { Add(MoveTempIfPossible(Item)); }

	// Adding

	template<typename... ArgsType>
	SizeType Emplace(ArgsType&&... Args)
	{
		if (ArrayNum == ArrayMax)
		{
			// Construct first: Args may refer to an element of this array that growing would move.
			ElementType Temp(Forward<ArgsType>(Args)...);
			Grow(ArrayNum + 1);
			new (Data + ArrayNum) ElementType(MoveTemp(Temp));
		}
		else
		{
			new (Data + ArrayNum) ElementType(Forward<ArgsType>(Args)...);
		}
		return ArrayNum++;
	}

	template<typename... ArgsType>
	ElementType& Emplace_GetRef(ArgsType&&... Args)
	{
		// The index first: growing may move Data.
		const SizeType Index = Emplace(Forward<ArgsType>(Args)...);
		return Data[Index];
	}

	template<typename... ArgsType>
	void EmplaceAt(SizeType Index, ArgsType&&... Args)
	{
		ElementType Temp(Forward<ArgsType>(Args)...);
		InsertUninitializedSlots(Index, 1);
		new (Data + Index) ElementType(MoveTemp(Temp));
	}

	SizeType Add(const ElementType& Item) { return Emplace(Item); }
	SizeType Add(ElementType&& Item) { return Emplace(MoveTempIfPossible(Item)); }
	ElementType& Add_GetRef(const ElementType& Item) { return Emplace_GetRef(Item); }
	ElementType& Add_GetRef(ElementType&& Item) { return Emplace_GetRef(MoveTempIfPossible(Item)); }

	SizeType AddUnique(const ElementType& Item)
	{
		const SizeType Existing = Find(Item);
		return Existing != INDEX_NONE ? Existing : Add(Item);
	}

	SizeType AddUnique(ElementType&& Item)
	{
		const SizeType Existing = Find(Item);
		return Existing != INDEX_NONE ? Existing : Add(MoveTempIfPossible(Item));
	}

	SizeType AddDefaulted(SizeType Count = 1)
	{
		check(Count >= 0);
		const SizeType First = ArrayNum;
		Grow(ArrayNum + Count);
		for (SizeType Index = 0; Index < Count; ++Index)
		{
			new (Data + ArrayNum + Index) ElementType();
		}
		ArrayNum += Count;
		return First;
	}

	ElementType& AddDefaulted_GetRef()
	{
		const SizeType Index = AddDefaulted(1);
		return Data[Index];
	}

	SizeType AddZeroed(SizeType Count = 1)
	{
		check(Count >= 0);
		const SizeType First = ArrayNum;
		Grow(ArrayNum + Count);
		ConstructZeroed(ArrayNum, Count);
		ArrayNum += Count;
		return First;
	}

	ElementType& AddZeroed_GetRef()
	{
		const SizeType Index = AddZeroed(1);
		return Data[Index];
	}

	// The stand-in zero-fills instead of leaving memory uninitialised, so non-trivial element types stay valid.
	SizeType AddUninitialized(SizeType Count = 1)
	{
		return AddZeroed(Count);
	}

	template<typename OtherElementType, typename OtherAllocator>
	void Append(const TArray<OtherElementType, OtherAllocator>& Source)
	{
		if ((const void*)&Source == (const void*)this)
		{
			const TArray Copy(*this);
			AppendRange(Copy.Data, Copy.ArrayNum);
			return;
		}
		Reserve(ArrayNum + Source.Num());
		for (const OtherElementType& Element : Source)
		{
			Emplace(Element);
		}
	}

	void Append(TArray&& Source)
	{
		if (&Source == this)
		{
			const TArray Copy(*this);
			AppendRange(Copy.Data, Copy.ArrayNum);
			return;
		}
		Reserve(ArrayNum + Source.ArrayNum);
		for (SizeType Index = 0; Index < Source.ArrayNum; ++Index)
		{
			Emplace(MoveTempIfPossible(Source.Data[Index]));
		}
		Source.Empty();
	}

	void Append(const ElementType* Ptr, SizeType Count)
	{
		check(Ptr != nullptr || Count == 0);
		AppendRange(Ptr, Count);
	}

	void Append(std::initializer_list<ElementType> InitList)
	{
		AppendRange(InitList.begin(), (SizeType)InitList.size());
	}

	template<typename RangeType>
	auto Append(const RangeType& Range) -> decltype(Range.GetData(), Range.Num(), void())
	{
		AppendRange(Range.GetData(), (SizeType)Range.Num());
	}

	TArray& operator+=(const TArray& Other)
	{
		Append(Other);
		return *this;
	}
	TArray& operator+=(TArray&& Other)
	{
		Append(MoveTemp(Other));
		return *this;
	}
	TArray& operator+=(std::initializer_list<ElementType> InitList)
	{
		Append(InitList);
		return *this;
	}

	// Inserting

	SizeType Insert(const ElementType& Item, SizeType Index)
	{
		EmplaceAt(Index, Item);
		return Index;
	}

	SizeType Insert(ElementType&& Item, SizeType Index)
	{
		EmplaceAt(Index, MoveTempIfPossible(Item));
		return Index;
	}

	SizeType Insert(const TArray& Items, SizeType Index)
	{
		const TArray Copy(Items);
		InsertUninitializedSlots(Index, Copy.ArrayNum);
		for (SizeType Offset = 0; Offset < Copy.ArrayNum; ++Offset)
		{
			new (Data + Index + Offset) ElementType(Copy.Data[Offset]);
		}
		return Index;
	}

	SizeType Insert(std::initializer_list<ElementType> InitList, SizeType Index)
	{
		return Insert(TArray(InitList), Index);
	}

	void InsertDefaulted(SizeType Index, SizeType Count = 1)
	{
		InsertUninitializedSlots(Index, Count);
		for (SizeType Offset = 0; Offset < Count; ++Offset)
		{
			new (Data + Index + Offset) ElementType();
		}
	}

	ElementType& InsertDefaulted_GetRef(SizeType Index)
	{
		InsertDefaulted(Index, 1);
		return Data[Index];
	}

	void InsertZeroed(SizeType Index, SizeType Count = 1)
	{
		InsertUninitializedSlots(Index, Count);
		ConstructZeroed(Index, Count);
	}

	// Removing

	void RemoveAt(SizeType Index, SizeType Count = 1, bool bAllowShrinking = true)
	{
		if (Count == 0)
		{
			return;
		}
		checkf(Count > 0 && Index >= 0 && Index + Count <= ArrayNum, TEXT("RemoveAt out of bounds: index %d count %d in an array of size %d"), Index, Count, ArrayNum);
		for (SizeType Dest = Index; Dest + Count < ArrayNum; ++Dest)
		{
			Data[Dest] = MoveTempIfPossible(Data[Dest + Count]);
		}
		DestructRange(ArrayNum - Count, Count);
		ArrayNum -= Count;
		if (bAllowShrinking)
		{
			ShrinkIfWasteful();
		}
	}

	/** Removes Count elements at Index, filling the hole from the end of the array (order is not kept). */
	void RemoveAtSwap(SizeType Index, SizeType Count = 1, bool bAllowShrinking = true)
	{
		if (Count == 0)
		{
			return;
		}
		checkf(Count > 0 && Index >= 0 && Index + Count <= ArrayNum, TEXT("RemoveAtSwap out of bounds: index %d count %d in an array of size %d"), Index, Count, ArrayNum);
		const SizeType NumAfterHole = ArrayNum - (Index + Count);
		const SizeType NumToMove = NumAfterHole < Count ? NumAfterHole : Count;
		for (SizeType Offset = 0; Offset < NumToMove; ++Offset)
		{
			Data[Index + Offset] = MoveTempIfPossible(Data[ArrayNum - NumToMove + Offset]);
		}
		DestructRange(ArrayNum - Count, Count);
		ArrayNum -= Count;
		if (bAllowShrinking)
		{
			ShrinkIfWasteful();
		}
	}

	SizeType Remove(const ElementType& Item)
	{
		const ElementType Copy(Item);
		return RemoveAll([&Copy](const ElementType& Element) { return Element == Copy; });
	}

	SizeType RemoveSingle(const ElementType& Item)
	{
		const SizeType Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAt(Index);
		return 1;
	}

	SizeType RemoveSwap(const ElementType& Item, bool bAllowShrinking = true)
	{
		const ElementType Copy(Item);
		return RemoveAllSwap([&Copy](const ElementType& Element) { return Element == Copy; }, bAllowShrinking);
	}

	SizeType RemoveSingleSwap(const ElementType& Item, bool bAllowShrinking = true)
	{
		const SizeType Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAtSwap(Index, 1, bAllowShrinking);
		return 1;
	}

	template<typename PredicateType>
	SizeType RemoveAll(const PredicateType& Predicate)
	{
		SizeType WriteIndex = 0;
		for (SizeType ReadIndex = 0; ReadIndex < ArrayNum; ++ReadIndex)
		{
			if (!Predicate(Data[ReadIndex]))
			{
				if (WriteIndex != ReadIndex)
				{
					Data[WriteIndex] = MoveTempIfPossible(Data[ReadIndex]);
				}
				++WriteIndex;
			}
		}
		const SizeType NumRemoved = ArrayNum - WriteIndex;
		DestructRange(WriteIndex, NumRemoved);
		ArrayNum = WriteIndex;
		return NumRemoved;
	}

	template<typename PredicateType>
	SizeType RemoveAllSwap(const PredicateType& Predicate, bool bAllowShrinking = true)
	{
		SizeType NumRemoved = 0;
		for (SizeType Index = 0; Index < ArrayNum;)
		{
			if (Predicate(Data[Index]))
			{
				RemoveAtSwap(Index, 1, false);
				++NumRemoved;
			}
			else
			{
				++Index;
			}
		}
		if (bAllowShrinking)
		{
			ShrinkIfWasteful();
		}
		return NumRemoved;
	}

	// Searching

	SizeType Find(const ElementType& Item) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	bool Find(const ElementType& Item, SizeType& Index) const
	{
		Index = Find(Item);
		return Index != INDEX_NONE;
	}

	SizeType FindLast(const ElementType& Item) const
	{
		for (SizeType Index = ArrayNum - 1; Index >= 0; --Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	bool FindLast(const ElementType& Item, SizeType& Index) const
	{
		Index = FindLast(Item);
		return Index != INDEX_NONE;
	}

	template<typename PredicateType>
	SizeType FindLastByPredicate(PredicateType Pred) const
	{
		for (SizeType Index = ArrayNum - 1; Index >= 0; --Index)
		{
			if (Pred(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template<typename KeyType>
	SizeType IndexOfByKey(const KeyType& Key) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Key)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template<typename PredicateType>
	SizeType IndexOfByPredicate(PredicateType Pred) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Pred(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template<typename KeyType>
	ElementType* FindByKey(const KeyType& Key)
	{
		const SizeType Index = IndexOfByKey(Key);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template<typename KeyType>
	const ElementType* FindByKey(const KeyType& Key) const
	{
		const SizeType Index = IndexOfByKey(Key);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template<typename PredicateType>
	ElementType* FindByPredicate(PredicateType Pred)
	{
		const SizeType Index = IndexOfByPredicate(Pred);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template<typename PredicateType>
	const ElementType* FindByPredicate(PredicateType Pred) const
	{
		const SizeType Index = IndexOfByPredicate(Pred);
		return Index != INDEX_NONE ? Data + Index : nullptr;
	}

	template<typename PredicateType>
	TArray FilterByPredicate(PredicateType Pred) const
	{
		TArray Result;
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Pred(Data[Index]))
			{
				Result.Add(Data[Index]);
			}
		}
		return Result;
	}

	template<typename ComparisonType>
	bool Contains(const ComparisonType& Item) const
	{
		return IndexOfByKey(Item) != INDEX_NONE;
	}

	template<typename PredicateType>
	bool ContainsByPredicate(PredicateType Pred) const
	{
		return IndexOfByPredicate(Pred) != INDEX_NONE;
	}

	// Ordering

	void Sort()
	{
		Sort(UE::Core::Private::FLessOperator());
	}

	template<typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		std::sort(Data, Data + ArrayNum, [&Predicate](const ElementType& A, const ElementType& B) {
			return UE::Core::Private::TDereferenceWrapper<ElementType>::Less(Predicate, A, B);
		});
	}

	void StableSort()
	{
		StableSort(UE::Core::Private::FLessOperator());
	}

	template<typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		std::stable_sort(Data, Data + ArrayNum, [&Predicate](const ElementType& A, const ElementType& B) {
			return UE::Core::Private::TDereferenceWrapper<ElementType>::Less(Predicate, A, B);
		});
	}

	void Swap(SizeType FirstIndex, SizeType SecondIndex)
	{
		RangeCheck(FirstIndex);
		RangeCheck(SecondIndex);
		if (FirstIndex != SecondIndex)
		{
			::Swap(Data[FirstIndex], Data[SecondIndex]);
		}
	}

	void SwapMemory(SizeType FirstIndex, SizeType SecondIndex)
	{
		Swap(FirstIndex, SecondIndex);
	}

	// Capacity

	/** Removes every element; keeps capacity for NewSize elements. */
	void Reset(SizeType NewSize = 0)
	{
		DestructRange(0, ArrayNum);
		ArrayNum = 0;
		if (NewSize > ArrayMax)
		{
			Reallocate(NewSize);
		}
	}

	/** Removes every element; capacity becomes exactly Slack. */
	void Empty(SizeType Slack = 0)
	{
		DestructRange(0, ArrayNum);
		ArrayNum = 0;
		if (ArrayMax != Slack)
		{
			Reallocate(Slack);
		}
	}

	void Reserve(SizeType Number)
	{
		if (Number > ArrayMax)
		{
			Reallocate(Number);
		}
	}

	void Shrink()
	{
		if (ArrayMax != ArrayNum)
		{
			Reallocate(ArrayNum);
		}
	}

	void SetNum(SizeType NewNum, bool bAllowShrinking = true)
	{
		check(NewNum >= 0);
		if (NewNum > ArrayNum)
		{
			AddDefaulted(NewNum - ArrayNum);
		}
		else if (NewNum < ArrayNum)
		{
			RemoveAt(NewNum, ArrayNum - NewNum, bAllowShrinking);
		}
	}

	void SetNumZeroed(SizeType NewNum, bool bAllowShrinking = true)
	{
		check(NewNum >= 0);
		if (NewNum > ArrayNum)
		{
			AddZeroed(NewNum - ArrayNum);
		}
		else if (NewNum < ArrayNum)
		{
			RemoveAt(NewNum, ArrayNum - NewNum, bAllowShrinking);
		}
	}

	void SetNumUninitialized(SizeType NewNum, bool bAllowShrinking = true)
	{
		SetNumZeroed(NewNum, bAllowShrinking);
	}

	void Init(const ElementType& Element, SizeType Number)
	{
		Empty(Number);
		for (SizeType Index = 0; Index < Number; ++Index)
		{
			Add(Element);
		}
	}

	// Comparison and iteration

	bool operator==(const TArray& Other) const
	{
		if (ArrayNum != Other.ArrayNum)
		{
			return false;
		}
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (!(Data[Index] == Other.Data[Index]))
			{
				return false;
			}
		}
		return true;
	}

	bool operator!=(const TArray& Other) const { return !(*this == Other); }

	TIterator CreateIterator() { return TIterator(*this); }
	TConstIterator CreateConstIterator() const { return TConstIterator(*this); }

	RangedForIteratorType begin() { return RangedForIteratorType(Data, ArrayNum); }
	RangedForIteratorType end() { return RangedForIteratorType(Data + ArrayNum, ArrayNum); }
	RangedForConstIteratorType begin() const { return RangedForConstIteratorType(Data, ArrayNum); }
	RangedForConstIteratorType end() const { return RangedForConstIteratorType(Data + ArrayNum, ArrayNum); }

private:
	static ElementType* AllocateStorage(SizeType Count)
	{
		if (Count <= 0)
		{
			return nullptr;
		}
		return static_cast<ElementType*>(::operator new(sizeof(ElementType) * (SIZE_T)Count, std::align_val_t(alignof(ElementType))));
	}

	static void FreeStorage(ElementType* Ptr)
	{
		if (Ptr)
		{
			::operator delete(Ptr, std::align_val_t(alignof(ElementType)));
		}
	}

	void Reallocate(SizeType NewMax)
	{
		check(NewMax >= ArrayNum);
		ElementType* NewData = AllocateStorage(NewMax);
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			new (NewData + Index) ElementType(MoveTempIfPossible(Data[Index]));
			Data[Index].~ElementType();
		}
		FreeStorage(Data);
		Data = NewData;
		ArrayMax = NewMax;
	}

	void Grow(SizeType MinMax)
	{
		if (MinMax > ArrayMax)
		{
			// Geometric growth keeps Add amortised O(1).
			SizeType NewMax = ArrayMax < 4 ? 4 : ArrayMax + ArrayMax * 3 / 8 + 16;
			if (NewMax < MinMax)
			{
				NewMax = MinMax;
			}
			Reallocate(NewMax);
		}
	}

	void ShrinkIfWasteful()
	{
		// The default allocator's policy: give memory back once much of it is unused.
		const SizeType Slack = ArrayMax - ArrayNum;
		const bool bTooMuchSlack = ArrayNum * 3 < ArrayMax * 2 || (SIZE_T)Slack * sizeof(ElementType) >= 16384;
		if (Slack > 0 && bTooMuchSlack && (Slack > 64 || ArrayNum == 0))
		{
			Reallocate(ArrayNum);
		}
	}

	void DestructRange(SizeType Index, SizeType Count)
	{
		for (SizeType Offset = 0; Offset < Count; ++Offset)
		{
			Data[Index + Offset].~ElementType();
		}
	}

	void ConstructZeroed(SizeType Index, SizeType Count)
	{
		if (Count <= 0)
		{
			return;
		}
		std::memset((void*)(Data + Index), 0, sizeof(ElementType) * (SIZE_T)Count);
		if constexpr (!std::is_trivially_default_constructible_v<ElementType>)
		{
			for (SizeType Offset = 0; Offset < Count; ++Offset)
			{
				new (Data + Index + Offset) ElementType();
			}
		}
	}

	/** Opens Count unconstructed slots at Index, moving later elements up. */
	void InsertUninitializedSlots(SizeType Index, SizeType Count)
	{
		checkf(Index >= 0 && Index <= ArrayNum, TEXT("Insert index %d out of bounds for an array of size %d"), Index, ArrayNum);
		if (Count <= 0)
		{
			return;
		}
		Grow(ArrayNum + Count);
		for (SizeType Source = ArrayNum - 1; Source >= Index; --Source)
		{
			new (Data + Source + Count) ElementType(MoveTempIfPossible(Data[Source]));
			Data[Source].~ElementType();
		}
		ArrayNum += Count;
	}

	void AppendRange(const ElementType* Ptr, SizeType Count)
	{
		if (Count <= 0)
		{
			return;
		}
		Grow(ArrayNum + Count);
		for (SizeType Index = 0; Index < Count; ++Index)
		{
			new (Data + ArrayNum + Index) ElementType(Ptr[Index]);
		}
		ArrayNum += Count;
	}

	ElementType* Data = nullptr;
	SizeType ArrayNum = 0;
	SizeType ArrayMax = 0;
};

template<typename ElementType, typename AllocatorType>
uint32 GetTypeHash(const TArray<ElementType, AllocatorType>& Array)
{
	uint32 Hash = 0;
	for (const ElementType& Element : Array)
	{
		Hash = HashCombine(Hash, GetTypeHash(Element));
	}
	return Hash;
}

// clang-format off
template<typename T> struct TIsTArray { enum { Value = false }; };
template<typename T, typename A> struct TIsTArray<TArray<T, A>> { enum { Value = true }; };
// clang-format on
