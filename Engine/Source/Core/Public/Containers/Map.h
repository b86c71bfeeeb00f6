// TMap and TMultiMap: key/value pairs in a hashed sparse set (iteration in slot order, see Set.h).
#pragma once

#include "CoreTypes.h"
#include "Containers/Set.h"
#include "Templates/Tuple.h"

template<typename KeyType, typename ValueType, bool bInAllowDuplicateKeys = false>
struct TDefaultMapKeyFuncs
{
	typedef KeyType KeyInitType;
	typedef TPair<KeyType, ValueType> ElementType;
	enum
	{
		bAllowDuplicateKeys = bInAllowDuplicateKeys
	};

	static const KeyType& GetSetKey(const ElementType& Element) { return Element.Key; }
	template<typename A, typename B> static bool Matches(const A& Lhs, const B& Rhs) { return Lhs == Rhs; }
	template<typename A> static uint32 GetKeyHash(const A& Key) { return GetTypeHash(Key); }
};

template<typename KeyType, typename ValueType, bool bInAllowDuplicateKeys = false>
struct TDefaultMapHashableKeyFuncs : TDefaultMapKeyFuncs<KeyType, ValueType, bInAllowDuplicateKeys>
{
};

template<typename InKeyType, typename InValueType, typename KeyFuncsArg, bool bAllowDuplicates>
class TMapBase
{
protected:
	typedef std::conditional_t<std::is_void_v<KeyFuncsArg>, TDefaultMapKeyFuncs<InKeyType, InValueType, bAllowDuplicates>, KeyFuncsArg> FKeyFuncsBase;

	struct FKeyFuncs : FKeyFuncsBase
	{
		typedef InKeyType KeyType;
	};

	typedef UE::Core::Private::THashedSparseArray<TPair<InKeyType, InValueType>, FKeyFuncs> FStorage;

public:
	typedef InKeyType KeyType;
	typedef InValueType ValueType;
	typedef TPair<KeyType, ValueType> ElementType;

	/** Iterator with Key()/Value() accessors and RemoveCurrent, as the engine's map iterators. */
	template<bool bConst>
	class TBaseIterator
	{
		typedef std::conditional_t<bConst, const FStorage, FStorage> FOwner;
		typedef std::conditional_t<bConst, const ElementType, ElementType> FElement;
		typedef UE::Core::Private::TSparseIterator<FOwner, FElement> FInner;

	public:
		TBaseIterator(FOwner& InOwner, int32 StartIndex = 0)
			: Inner(InOwner, StartIndex)
		{
		}

		TBaseIterator& operator++()
		{
			++Inner;
			return *this;
		}
		explicit operator bool() const { return (bool)Inner; }
		bool operator!() const { return !(bool)Inner; }
		bool operator!=(const TBaseIterator& Other) const { return Inner != Other.Inner; }
		bool operator==(const TBaseIterator& Other) const { return Inner == Other.Inner; }
		FElement& operator*() const { return *Inner; }
		FElement* operator->() const { return &*Inner; }
		const KeyType& Key() const { return (*Inner).Key; }
		std::conditional_t<bConst, const ValueType&, ValueType&> Value() const { return (*Inner).Value; }
		FSetElementId GetId() const { return Inner.GetId(); }
		void RemoveCurrent() { Inner.RemoveCurrent(); }

	private:
		FInner Inner;
	};

	typedef TBaseIterator<false> TIterator;
	typedef TBaseIterator<true> TConstIterator;

	int32 Num() const { return Pairs.Num(); }
	bool IsEmpty() const { return Pairs.Num() == 0; }
	void Empty(int32 ExpectedNumElements = 0) { Pairs.Empty(ExpectedNumElements); }
	void Reset() { Pairs.Empty(); }
	void Reserve(int32 Number) { Pairs.Reserve(Number); }
	void Compact() { Pairs.Compact(); }
	void CompactStable() { Pairs.Compact(); }
	void Shrink() { Pairs.Compact(); }

	bool Contains(const KeyType& Key) const { return Pairs.FindIndex(Key) != INDEX_NONE; }

	ValueType* Find(const KeyType& Key)
	{
		const int32 Index = Pairs.FindIndex(Key);
		return Index != INDEX_NONE ? &Pairs.Get(Index).Value : nullptr;
	}

	const ValueType* Find(const KeyType& Key) const
	{
		const int32 Index = Pairs.FindIndex(Key);
		return Index != INDEX_NONE ? &Pairs.Get(Index).Value : nullptr;
	}

	/** A copy of the value, or a default-constructed value when the key is absent. */
	ValueType FindRef(const KeyType& Key) const
	{
		const int32 Index = Pairs.FindIndex(Key);
		return Index != INDEX_NONE ? Pairs.Get(Index).Value : ValueType();
	}

	ValueType& FindChecked(const KeyType& Key)
	{
		ValueType* Found = Find(Key);
		checkf(Found, TEXT("FindChecked: the key is not in the map"));
		return *Found;
	}

	const ValueType& FindChecked(const KeyType& Key) const
	{
		const ValueType* Found = Find(Key);
		checkf(Found, TEXT("FindChecked: the key is not in the map"));
		return *Found;
	}

	const KeyType* FindKey(const ValueType& Value) const
	{
		for (const ElementType& Pair : *this)
		{
			if (Pair.Value == Value)
			{
				return &Pair.Key;
			}
		}
		return nullptr;
	}

	int32 GetKeys(TArray<KeyType>& OutKeys) const
	{
		OutKeys.Reset();
		TSet<KeyType> Seen;
		for (const ElementType& Pair : *this)
		{
			bool bAlready = false;
			Seen.Add(Pair.Key, &bAlready);
			if (!bAlready)
			{
				OutKeys.Add(Pair.Key);
			}
		}
		return OutKeys.Num();
	}

	int32 GetKeys(TSet<KeyType>& OutKeys) const
	{
		OutKeys.Reset();
		for (const ElementType& Pair : *this)
		{
			OutKeys.Add(Pair.Key);
		}
		return OutKeys.Num();
	}

	void GenerateKeyArray(TArray<KeyType>& OutArray) const
	{
		OutArray.Empty(Num());
		for (const ElementType& Pair : *this)
		{
			OutArray.Add(Pair.Key);
		}
	}

	void GenerateValueArray(TArray<ValueType>& OutArray) const
	{
		OutArray.Empty(Num());
		for (const ElementType& Pair : *this)
		{
			OutArray.Add(Pair.Value);
		}
	}

	template<typename PredicateType>
	void KeySort(const PredicateType& Predicate)
	{
		Pairs.Sort([&Predicate](const ElementType& A, const ElementType& B) { return Predicate(A.Key, B.Key); });
	}

	template<typename PredicateType>
	void ValueSort(const PredicateType& Predicate)
	{
		Pairs.Sort([&Predicate](const ElementType& A, const ElementType& B) { return Predicate(A.Value, B.Value); });
	}

	template<typename PredicateType>
	TMapBase FilterByPredicate(PredicateType Pred) const
	{
		TMapBase Result;
		for (const ElementType& Pair : *this)
		{
			if (Pred(Pair))
			{
				Result.Pairs.Emplace(Pair);
			}
		}
		return Result;
	}

	/** Same pairs regardless of order. */
	bool OrderIndependentCompareEqual(const TMapBase& Other) const
	{
		if (Num() != Other.Num())
		{
			return false;
		}
		for (const ElementType& Pair : *this)
		{
			const ValueType* OtherValue = Other.Find(Pair.Key);
			if (!OtherValue || !(*OtherValue == Pair.Value))
			{
				return false;
			}
		}
		return true;
	}

	TIterator CreateIterator() { return TIterator(Pairs); }
	TConstIterator CreateConstIterator() const { return TConstIterator(Pairs); }
	TIterator begin() { return TIterator(Pairs); }
	TIterator end() { return TIterator(Pairs, Pairs.GetMaxIndex()); }
	TConstIterator begin() const { return TConstIterator(Pairs); }
	TConstIterator end() const { return TConstIterator(Pairs, Pairs.GetMaxIndex()); }

protected:
	FStorage Pairs;
};

template<typename InKeyType, typename InValueType, typename SetAllocator, typename KeyFuncs>
class TMap : public TMapBase<InKeyType, InValueType, KeyFuncs, false>
{
	typedef TMapBase<InKeyType, InValueType, KeyFuncs, false> Super;

public:
	typedef InKeyType KeyType;
	typedef InValueType ValueType;
	typedef TPair<KeyType, ValueType> ElementType;

	TMap() = default;

	TMap(std::initializer_list<ElementType> InitList)
	{
		for (const ElementType& Pair : InitList)
		{
			Add(Pair.Key, Pair.Value);
		}
	}

	/** Adds or replaces the value for Key; an existing pair keeps its position. */
	ValueType& Add(const KeyType& InKey, const ValueType& InValue) { return Emplace(InKey, InValue); }
	ValueType& Add(const KeyType& InKey, ValueType&& InValue) { return Emplace(InKey, MoveTemp(InValue)); }
	ValueType& Add(KeyType&& InKey, const ValueType& InValue) { return Emplace(MoveTemp(InKey), InValue); }
	ValueType& Add(KeyType&& InKey, ValueType&& InValue) { return Emplace(MoveTemp(InKey), MoveTemp(InValue)); }
	ValueType& Add(const KeyType& InKey) { return Emplace(InKey); }
	ValueType& Add(KeyType&& InKey) { return Emplace(MoveTemp(InKey)); }
	ValueType& Add(const ElementType& Pair) { return Emplace(Pair.Key, Pair.Value); }

	template<typename KeyArg>
	ValueType& Emplace(KeyArg&& InKey)
	{
		return this->Pairs.Get(this->Pairs.Emplace(ElementType(Forward<KeyArg>(InKey), ValueType()))).Value;
	}

	template<typename KeyArg, typename ValueArg>
	ValueType& Emplace(KeyArg&& InKey, ValueArg&& InValue)
	{
		return this->Pairs.Get(this->Pairs.Emplace(ElementType(Forward<KeyArg>(InKey), Forward<ValueArg>(InValue)))).Value;
	}

	ValueType& FindOrAdd(const KeyType& Key)
	{
		const int32 Index = this->Pairs.FindIndex(Key);
		return Index != INDEX_NONE ? this->Pairs.Get(Index).Value : Emplace(Key);
	}

	ValueType& FindOrAdd(KeyType&& Key)
	{
		const int32 Index = this->Pairs.FindIndex(Key);
		return Index != INDEX_NONE ? this->Pairs.Get(Index).Value : Emplace(MoveTemp(Key));
	}

	template<typename ValueArg>
	ValueType& FindOrAdd(const KeyType& Key, ValueArg&& Value)
	{
		const int32 Index = this->Pairs.FindIndex(Key);
		return Index != INDEX_NONE ? this->Pairs.Get(Index).Value : Emplace(Key, Forward<ValueArg>(Value));
	}

	int32 Remove(const KeyType& Key)
	{
		const int32 Index = this->Pairs.FindIndex(Key);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		this->Pairs.RemoveAt(Index);
		return 1;
	}

	bool RemoveAndCopyValue(const KeyType& Key, ValueType& OutRemovedValue)
	{
		const int32 Index = this->Pairs.FindIndex(Key);
		if (Index == INDEX_NONE)
		{
			return false;
		}
		OutRemovedValue = MoveTemp(this->Pairs.Get(Index).Value);
		this->Pairs.RemoveAt(Index);
		return true;
	}

	ValueType FindAndRemoveChecked(const KeyType& Key)
	{
		const int32 Index = this->Pairs.FindIndex(Key);
		checkf(Index != INDEX_NONE, TEXT("FindAndRemoveChecked: the key is not in the map"));
		ValueType Result = MoveTemp(this->Pairs.Get(Index).Value);
		this->Pairs.RemoveAt(Index);
		return Result;
	}

	void Append(const TMap& Other)
	{
		for (const ElementType& Pair : Other)
		{
			Add(Pair.Key, Pair.Value);
		}
	}

	/** The value for an existing key; a missing key is a failed check, as in the engine. */
	ValueType& operator[](const KeyType& Key) { return this->FindChecked(Key); }
	const ValueType& operator[](const KeyType& Key) const { return this->FindChecked(Key); }

	bool operator==(const TMap& Other) const { return this->OrderIndependentCompareEqual(Other); }
	bool operator!=(const TMap& Other) const { return !(*this == Other); }
};

template<typename InKeyType, typename InValueType, typename SetAllocator, typename KeyFuncs>
class TMultiMap : public TMapBase<InKeyType, InValueType, KeyFuncs, true>
{
	typedef TMapBase<InKeyType, InValueType, KeyFuncs, true> Super;

public:
	typedef InKeyType KeyType;
	typedef InValueType ValueType;
	typedef TPair<KeyType, ValueType> ElementType;

	ValueType& Add(const KeyType& InKey, const ValueType& InValue)
	{
		return this->Pairs.Get(this->Pairs.Emplace(ElementType(InKey, InValue))).Value;
	}

	ValueType& Emplace(const KeyType& InKey, const ValueType& InValue)
	{
		return Add(InKey, InValue);
	}

	ValueType& AddUnique(const KeyType& InKey, const ValueType& InValue)
	{
		if (ValueType* Found = FindPair(InKey, InValue))
		{
			return *Found;
		}
		return Add(InKey, InValue);
	}

	/** Every value stored under Key, in slot order. */
	void MultiFind(const KeyType& Key, TArray<ValueType>& OutValues, bool bMaintainOrder = false) const
	{
		TArray<int32> Indices;
		this->Pairs.ForEachMatch(Key, [&Indices](int32 Index) { Indices.Add(Index); });
		Indices.Sort();
		for (int32 Index : Indices)
		{
			OutValues.Add(this->Pairs.Get(Index).Value);
		}
	}

	void MultiFindPointer(const KeyType& Key, TArray<const ValueType*>& OutValues, bool bMaintainOrder = false) const
	{
		TArray<int32> Indices;
		this->Pairs.ForEachMatch(Key, [&Indices](int32 Index) { Indices.Add(Index); });
		Indices.Sort();
		for (int32 Index : Indices)
		{
			OutValues.Add(&this->Pairs.Get(Index).Value);
		}
	}

	ValueType* FindPair(const KeyType& Key, const ValueType& Value)
	{
		int32 FoundIndex = INDEX_NONE;
		this->Pairs.ForEachMatch(Key, [&](int32 Index) {
			if ((FoundIndex == INDEX_NONE || Index < FoundIndex) && this->Pairs.Get(Index).Value == Value)
			{
				FoundIndex = Index;
			}
		});
		return FoundIndex != INDEX_NONE ? &this->Pairs.Get(FoundIndex).Value : nullptr;
	}

	int32 Num(const KeyType& Key) const
	{
		int32 Count = 0;
		this->Pairs.ForEachMatch(Key, [&Count](int32) { ++Count; });
		return Count;
	}

	int32 Num() const { return Super::Num(); }

	int32 Remove(const KeyType& Key)
	{
		return RemoveMatching(
			Key, [](const ValueType&) { return true; }, false);
	}

	int32 Remove(const KeyType& Key, const ValueType& Value)
	{
		return RemoveMatching(
			Key, [&Value](const ValueType& Candidate) { return Candidate == Value; }, false);
	}

	int32 RemoveSingle(const KeyType& Key, const ValueType& Value)
	{
		return RemoveMatching(
			Key, [&Value](const ValueType& Candidate) { return Candidate == Value; }, true);
	}

private:
	template<typename PredicateType>
	int32 RemoveMatching(const KeyType& Key, const PredicateType& Pred, bool bSingle)
	{
		TArray<int32> Indices;
		this->Pairs.ForEachMatch(Key, [&](int32 Index) {
			if (Pred(this->Pairs.Get(Index).Value))
			{
				Indices.Add(Index);
			}
		});
		Indices.Sort();
		if (bSingle && Indices.Num() > 1)
		{
			Indices.SetNum(1);
		}
		for (int32 Index : Indices)
		{
			this->Pairs.RemoveAt(Index);
		}
		return Indices.Num();
	}
};
