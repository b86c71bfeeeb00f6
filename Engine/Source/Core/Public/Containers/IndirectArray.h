// TIndirectArray: an array that owns its elements through pointers, so elements never move in memory.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"

template<typename T, typename Allocator = FDefaultAllocator>
class TIndirectArray
{
public:
	typedef T ElementType;

	TIndirectArray() = default;
	TIndirectArray(const TIndirectArray&) = delete;
	TIndirectArray& operator=(const TIndirectArray&) = delete;

	TIndirectArray(TIndirectArray&& Other)
		: Pointers(MoveTemp(Other.Pointers))
	{
	}

	TIndirectArray& operator=(TIndirectArray&& Other)
	{
		if (this != &Other)
		{
			Empty();
			Pointers = MoveTemp(Other.Pointers);
		}
		return *this;
	}

	~TIndirectArray()
	{
		Empty();
	}

	int32 Num() const { return Pointers.Num(); }
	bool IsEmpty() const { return Pointers.IsEmpty(); }
	bool IsValidIndex(int32 Index) const { return Pointers.IsValidIndex(Index); }
	T& operator[](int32 Index) { return *Pointers[Index]; }
	const T& operator[](int32 Index) const { return *Pointers[Index]; }
	T& Last(int32 IndexFromTheEnd = 0) { return *Pointers.Last(IndexFromTheEnd); }
	const T& Last(int32 IndexFromTheEnd = 0) const { return *Pointers.Last(IndexFromTheEnd); }

	/** Takes ownership of Item; returns its index. */
	int32 Add(T* Item)
	{
		check(Item != nullptr);
		return Pointers.Add(Item);
	}

	void Insert(T* Item, int32 Index)
	{
		check(Item != nullptr);
		Pointers.Insert(Item, Index);
	}

	void RemoveAt(int32 Index, int32 Count = 1)
	{
		for (int32 Offset = 0; Offset < Count; ++Offset)
		{
			delete Pointers[Index + Offset];
		}
		Pointers.RemoveAt(Index, Count);
	}

	void Empty(int32 Slack = 0)
	{
		for (T* Item : Pointers)
		{
			delete Item;
		}
		Pointers.Empty(Slack);
	}

	void Reset() { Empty(); }
	void Reserve(int32 Number) { Pointers.Reserve(Number); }

	class TIterator
	{
	public:
		TIterator(T* const* InPtr)
			: Ptr(InPtr)
		{
		}
		T& operator*() const { return **Ptr; }
		T* operator->() const { return *Ptr; }
		TIterator& operator++()
		{
			++Ptr;
			return *this;
		}
		bool operator!=(const TIterator& Other) const { return Ptr != Other.Ptr; }

	private:
		T* const* Ptr;
	};

	TIterator begin() const { return TIterator(Pointers.GetData()); }
	TIterator end() const { return TIterator(Pointers.GetData() + Pointers.Num()); }

private:
	TArray<T*> Pointers;
};
