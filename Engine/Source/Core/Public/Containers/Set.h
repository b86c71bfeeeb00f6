// TSet: a hashed set on a sparse array. Iteration follows slot order: insertion order, with a removed
// element's slot reused by the next addition, as the engine's sparse storage behaves.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include <optional>
#include <vector>

/** Identifies an element of a TSet by its slot. */
class FSetElementId
{
public:
	FSetElementId() = default;
	static FSetElementId FromInteger(int32 Integer)
	{
		FSetElementId Id;
		Id.Index = Integer;
		return Id;
	}
	bool IsValidId() const { return Index != INDEX_NONE; }
	int32 AsInteger() const { return Index; }
	bool operator==(const FSetElementId& Other) const { return Index == Other.Index; }
	bool operator!=(const FSetElementId& Other) const { return Index != Other.Index; }

private:
	int32 Index = INDEX_NONE;
};

/** How a set finds an element's key; the default uses the element itself. */
template<typename ElementType, bool bInAllowDuplicateKeys = false>
struct DefaultKeyFuncs
{
	typedef ElementType KeyType;
	typedef const ElementType& KeyInitType;
	typedef const ElementType& ElementInitType;
	enum
	{
		bAllowDuplicateKeys = bInAllowDuplicateKeys
	};

	static const KeyType& GetSetKey(const ElementType& Element) { return Element; }
	template<typename A, typename B> static bool Matches(const A& Lhs, const B& Rhs) { return Lhs == Rhs; }
	template<typename A> static uint32 GetKeyHash(const A& Key) { return GetTypeHash(Key); }
};

namespace UE::Core::Private
{
	/** Sparse storage plus a chained hash index; shared by TSet, TMap and TMultiMap. */
	template<typename ElementType, typename KeyFuncs>
	class THashedSparseArray
	{
	public:
		typedef typename KeyFuncs::KeyType KeyType;

		int32 Num() const { return NumElements; }
		int32 GetMaxIndex() const { return (int32)Slots.size(); }
		bool IsAllocated(int32 Index) const { return Index >= 0 && Index < (int32)Slots.size() && Slots[(SIZE_T)Index].Element.has_value(); }

		ElementType& Get(int32 Index)
		{
			checkf(IsAllocated(Index), TEXT("Set element id %d is not valid"), Index);
			return *Slots[(SIZE_T)Index].Element;
		}

		const ElementType& Get(int32 Index) const
		{
			checkf(IsAllocated(Index), TEXT("Set element id %d is not valid"), Index);
			return *Slots[(SIZE_T)Index].Element;
		}

		template<typename ComparableKey>
		int32 FindIndex(const ComparableKey& Key) const
		{
			if (NumElements == 0)
			{
				return INDEX_NONE;
			}
			const uint32 Hash = KeyFuncs::GetKeyHash(Key);
			for (int32 Index = Buckets[Hash & (Buckets.size() - 1)]; Index != INDEX_NONE; Index = Slots[(SIZE_T)Index].HashNext)
			{
				if (Slots[(SIZE_T)Index].Hash == Hash && KeyFuncs::Matches(KeyFuncs::GetSetKey(*Slots[(SIZE_T)Index].Element), Key))
				{
					return Index;
				}
			}
			return INDEX_NONE;
		}

		template<typename ComparableKey, typename VisitorType>
		void ForEachMatch(const ComparableKey& Key, VisitorType&& Visitor) const
		{
			if (NumElements == 0)
			{
				return;
			}
			const uint32 Hash = KeyFuncs::GetKeyHash(Key);
			for (int32 Index = Buckets[Hash & (Buckets.size() - 1)]; Index != INDEX_NONE; Index = Slots[(SIZE_T)Index].HashNext)
			{
				if (Slots[(SIZE_T)Index].Hash == Hash && KeyFuncs::Matches(KeyFuncs::GetSetKey(*Slots[(SIZE_T)Index].Element), Key))
				{
					Visitor(Index);
				}
			}
		}

		/** Adds a new element; an existing element with an equal key is replaced in place unless duplicates are allowed. */
		template<typename ArgType>
		int32 Emplace(ArgType&& Arg, bool* bIsAlreadyInSetPtr = nullptr)
		{
			ElementType NewElement(Forward<ArgType>(Arg));
			if (!KeyFuncs::bAllowDuplicateKeys)
			{
				const int32 Existing = FindIndex(KeyFuncs::GetSetKey(NewElement));
				if (Existing != INDEX_NONE)
				{
					*Slots[(SIZE_T)Existing].Element = MoveTemp(NewElement);
					if (bIsAlreadyInSetPtr)
					{
						*bIsAlreadyInSetPtr = true;
					}
					return Existing;
				}
			}
			if (bIsAlreadyInSetPtr)
			{
				*bIsAlreadyInSetPtr = false;
			}
			const uint32 Hash = KeyFuncs::GetKeyHash(KeyFuncs::GetSetKey(NewElement));
			int32 Index;
			if (FirstFree != INDEX_NONE)
			{
				// The most recently freed slot is reused first.
				Index = FirstFree;
				FirstFree = Slots[(SIZE_T)Index].NextFree;
				--NumFree;
			}
			else
			{
				Index = (int32)Slots.size();
				Slots.emplace_back();
			}
			FSlot& Slot = Slots[(SIZE_T)Index];
			Slot.Element.emplace(MoveTemp(NewElement));
			Slot.Hash = Hash;
			++NumElements;
			if (NumElements > (int32)Buckets.size())
			{
				Rehash();
			}
			else
			{
				LinkToBucket(Index);
			}
			return Index;
		}

		void RemoveAt(int32 Index)
		{
			checkf(IsAllocated(Index), TEXT("Removing invalid set element id %d"), Index);
			UnlinkFromBucket(Index);
			FSlot& Slot = Slots[(SIZE_T)Index];
			Slot.Element.reset();
			Slot.NextFree = FirstFree;
			FirstFree = Index;
			++NumFree;
			--NumElements;
		}

		void Empty(int32 ExpectedNumElements = 0)
		{
			Slots.clear();
			Buckets.clear();
			FirstFree = INDEX_NONE;
			NumFree = 0;
			NumElements = 0;
			Slots.reserve((SIZE_T)ExpectedNumElements);
		}

		void Reserve(int32 Number)
		{
			Slots.reserve((SIZE_T)Number);
		}

		/** Closes the holes left by removals, keeping iteration order. */
		void Compact()
		{
			std::vector<FSlot> OldSlots = MoveTemp(Slots);
			Empty((int32)OldSlots.size());
			for (FSlot& Slot : OldSlots)
			{
				if (Slot.Element.has_value())
				{
					Emplace(MoveTemp(*Slot.Element));
				}
			}
		}

		template<typename PredicateType>
		void Sort(const PredicateType& Predicate)
		{
			std::vector<ElementType> Elements;
			Elements.reserve((SIZE_T)NumElements);
			for (FSlot& Slot : Slots)
			{
				if (Slot.Element.has_value())
				{
					Elements.push_back(MoveTemp(*Slot.Element));
				}
			}
			std::stable_sort(Elements.begin(), Elements.end(), Predicate);
			Empty((int32)Elements.size());
			for (ElementType& Element : Elements)
			{
				Emplace(MoveTemp(Element));
			}
		}

	private:
		struct FSlot
		{
			std::optional<ElementType> Element;
			uint32 Hash = 0;
			int32 HashNext = INDEX_NONE;
			int32 NextFree = INDEX_NONE;
		};

		void LinkToBucket(int32 Index)
		{
			FSlot& Slot = Slots[(SIZE_T)Index];
			int32& Head = Buckets[Slot.Hash & (Buckets.size() - 1)];
			Slot.HashNext = Head;
			Head = Index;
		}

		void UnlinkFromBucket(int32 Index)
		{
			int32* Link = &Buckets[Slots[(SIZE_T)Index].Hash & (Buckets.size() - 1)];
			while (*Link != Index)
			{
				check(*Link != INDEX_NONE);
				Link = &Slots[(SIZE_T)*Link].HashNext;
			}
			*Link = Slots[(SIZE_T)Index].HashNext;
		}

		void Rehash()
		{
			SIZE_T NumBuckets = 8;
			while (NumBuckets < (SIZE_T)NumElements)
			{
				NumBuckets *= 2;
			}
			Buckets.assign(NumBuckets * 2, INDEX_NONE);
			// Link in reverse so chains list lower slots first.
			for (int32 Index = (int32)Slots.size() - 1; Index >= 0; --Index)
			{
				if (Slots[(SIZE_T)Index].Element.has_value())
				{
					LinkToBucket(Index);
				}
			}
		}

		std::vector<FSlot> Slots;
		std::vector<int32> Buckets;
		int32 FirstFree = INDEX_NONE;
		int32 NumFree = 0;
		int32 NumElements = 0;
	};

	/** Walks allocated slots in index order; supports removing the current element. */
	template<typename OwnerType, typename ElementType>
	class TSparseIterator
	{
	public:
		TSparseIterator(OwnerType& InOwner, int32 StartIndex = 0)
			: Owner(&InOwner)
			, Index(StartIndex)
		{
			Advance();
		}

		TSparseIterator& operator++()
		{
			++Index;
			Advance();
			return *this;
		}

		explicit operator bool() const { return Index < Owner->GetMaxIndex(); }
		bool operator!() const { return !(bool)*this; }
		bool operator!=(const TSparseIterator& Other) const { return Index != Other.Index; }
		bool operator==(const TSparseIterator& Other) const { return Index == Other.Index; }
		ElementType& operator*() const { return Owner->Get(Index); }
		ElementType* operator->() const { return &Owner->Get(Index); }
		FSetElementId GetId() const { return FSetElementId::FromInteger(Index); }
		int32 GetIndex() const { return Index; }

		void RemoveCurrent()
		{
			Owner->RemoveAt(Index);
		}

	private:
		void Advance()
		{
			while (Index < Owner->GetMaxIndex() && !Owner->IsAllocated(Index))
			{
				++Index;
			}
		}

		OwnerType* Owner;
		int32 Index;
	};
}

template<typename InElementType, typename KeyFuncsArg, typename Allocator>
class TSet
{
	typedef std::conditional_t<std::is_void_v<KeyFuncsArg>, DefaultKeyFuncs<InElementType>, KeyFuncsArg> KeyFuncs;
	typedef UE::Core::Private::THashedSparseArray<InElementType, KeyFuncs> FStorage;

public:
	typedef InElementType ElementType;
	typedef typename KeyFuncs::KeyType KeyType;
	typedef UE::Core::Private::TSparseIterator<FStorage, ElementType> TIterator;
	typedef UE::Core::Private::TSparseIterator<const FStorage, const ElementType> TConstIterator;

	TSet() = default;

	TSet(std::initializer_list<ElementType> InitList)
	{
		for (const ElementType& Element : InitList)
		{
			Add(Element);
		}
	}

	template<typename OtherAllocator>
	explicit TSet(const TArray<ElementType, OtherAllocator>& Array)
	{
		for (const ElementType& Element : Array)
		{
			Add(Element);
		}
	}

	FSetElementId Add(const ElementType& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return FSetElementId::FromInteger(Storage.Emplace(InElement, bIsAlreadyInSetPtr));
	}

	FSetElementId Add(ElementType&& InElement, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return FSetElementId::FromInteger(Storage.Emplace(MoveTemp(InElement), bIsAlreadyInSetPtr));
	}

	template<typename ArgType>
	FSetElementId Emplace(ArgType&& Arg, bool* bIsAlreadyInSetPtr = nullptr)
	{
		return FSetElementId::FromInteger(Storage.Emplace(Forward<ArgType>(Arg), bIsAlreadyInSetPtr));
	}

	template<typename OtherAllocator>
	void Append(const TArray<ElementType, OtherAllocator>& InElements)
	{
		for (const ElementType& Element : InElements)
		{
			Add(Element);
		}
	}

	void Append(const TSet& OtherSet)
	{
		for (const ElementType& Element : OtherSet)
		{
			Add(Element);
		}
	}

	int32 Remove(const KeyType& Key)
	{
		int32 NumRemoved = 0;
		for (int32 Index = Storage.FindIndex(Key); Index != INDEX_NONE; Index = Storage.FindIndex(Key))
		{
			Storage.RemoveAt(Index);
			++NumRemoved;
		}
		return NumRemoved;
	}

	void Remove(FSetElementId ElementId)
	{
		Storage.RemoveAt(ElementId.AsInteger());
	}

	FSetElementId FindId(const KeyType& Key) const
	{
		return FSetElementId::FromInteger(Storage.FindIndex(Key));
	}

	ElementType* Find(const KeyType& Key)
	{
		const int32 Index = Storage.FindIndex(Key);
		return Index != INDEX_NONE ? &Storage.Get(Index) : nullptr;
	}

	const ElementType* Find(const KeyType& Key) const
	{
		const int32 Index = Storage.FindIndex(Key);
		return Index != INDEX_NONE ? &Storage.Get(Index) : nullptr;
	}

	ElementType& FindOrAdd(const ElementType& InElement)
	{
		const int32 Index = Storage.FindIndex(KeyFuncs::GetSetKey(InElement));
		return Storage.Get(Index != INDEX_NONE ? Index : Storage.Emplace(InElement));
	}

	bool Contains(const KeyType& Key) const { return Storage.FindIndex(Key) != INDEX_NONE; }
	bool IsValidId(FSetElementId Id) const { return Storage.IsAllocated(Id.AsInteger()); }
	ElementType& operator[](FSetElementId Id) { return Storage.Get(Id.AsInteger()); }
	const ElementType& operator[](FSetElementId Id) const { return Storage.Get(Id.AsInteger()); }

	int32 Num() const { return Storage.Num(); }
	bool IsEmpty() const { return Storage.Num() == 0; }
	void Empty(int32 ExpectedNumElements = 0) { Storage.Empty(ExpectedNumElements); }
	void Reset() { Storage.Empty(); }
	void Reserve(int32 Number) { Storage.Reserve(Number); }
	void Compact() { Storage.Compact(); }
	void CompactStable() { Storage.Compact(); }
	void Shrink() { Storage.Compact(); }

	template<typename PredicateType>
	void Sort(const PredicateType& Predicate) { Storage.Sort(Predicate); }

	TArray<ElementType> Array() const
	{
		TArray<ElementType> Result;
		Result.Reserve(Num());
		for (const ElementType& Element : *this)
		{
			Result.Add(Element);
		}
		return Result;
	}

	TSet Union(const TSet& OtherSet) const
	{
		TSet Result(*this);
		Result.Append(OtherSet);
		return Result;
	}

	TSet Intersect(const TSet& OtherSet) const
	{
		TSet Result;
		for (const ElementType& Element : *this)
		{
			if (OtherSet.Contains(KeyFuncs::GetSetKey(Element)))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}

	TSet Difference(const TSet& OtherSet) const
	{
		TSet Result;
		for (const ElementType& Element : *this)
		{
			if (!OtherSet.Contains(KeyFuncs::GetSetKey(Element)))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}

	bool Includes(const TSet& OtherSet) const
	{
		for (const ElementType& Element : OtherSet)
		{
			if (!Contains(KeyFuncs::GetSetKey(Element)))
			{
				return false;
			}
		}
		return true;
	}

	TIterator CreateIterator() { return TIterator(Storage); }
	TConstIterator CreateConstIterator() const { return TConstIterator(Storage); }
	TIterator begin() { return TIterator(Storage); }
	TIterator end() { return TIterator(Storage, Storage.GetMaxIndex()); }
	TConstIterator begin() const { return TConstIterator(Storage); }
	TConstIterator end() const { return TConstIterator(Storage, Storage.GetMaxIndex()); }

private:
	FStorage Storage;
};
