// TArrayView: a non-owning view of contiguous elements.
#pragma once

#include "Containers/Array.h"

template<typename InElementType>
class TArrayView
{
public:
	typedef InElementType ElementType;
	typedef int32 SizeType;

	TArrayView() = default;

	TArrayView(ElementType* InData, SizeType InNum)
		: DataPtr(InData)
		, ArrayNum(InNum)
	{
		check(InNum >= 0);
	}

	template<typename OtherElementType, typename Allocator, typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(TArray<OtherElementType, Allocator>& Other)
		: DataPtr(Other.GetData())
		, ArrayNum(Other.Num())
	{
	}

	template<typename OtherElementType, typename Allocator, typename = std::enable_if_t<std::is_convertible_v<const OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArray<OtherElementType, Allocator>& Other)
		: DataPtr(Other.GetData())
		, ArrayNum(Other.Num())
	{
	}

	template<typename OtherElementType, typename = std::enable_if_t<std::is_convertible_v<OtherElementType (*)[], ElementType (*)[]>>>
	TArrayView(const TArrayView<OtherElementType>& Other)
		: DataPtr(Other.GetData())
		, ArrayNum(Other.Num())
	{
	}

	template<SIZE_T N>
	TArrayView(ElementType (&InArray)[N])
		: DataPtr(InArray)
		, ArrayNum((SizeType)N)
	{
	}

	TArrayView(std::initializer_list<std::remove_const_t<ElementType>> InitList)
		: DataPtr(InitList.begin())
		, ArrayNum((SizeType)InitList.size())
	{
		static_assert(std::is_const_v<ElementType>, "Only a const array view can refer to an initializer list");
	}

	ElementType* GetData() const { return DataPtr; }
	SizeType Num() const { return ArrayNum; }
	bool IsEmpty() const { return ArrayNum == 0; }
	bool IsValidIndex(SizeType Index) const { return Index >= 0 && Index < ArrayNum; }

	ElementType& operator[](SizeType Index) const
	{
		checkf(IsValidIndex(Index), TEXT("Array view index out of bounds: %d from a view of size %d"), Index, ArrayNum);
		return DataPtr[Index];
	}

	ElementType& Last(SizeType IndexFromTheEnd = 0) const
	{
		return (*this)[ArrayNum - IndexFromTheEnd - 1];
	}

	TArrayView Slice(SizeType Index, SizeType InNum) const
	{
		checkf(Index >= 0 && InNum >= 0 && Index + InNum <= ArrayNum, TEXT("Array view slice out of bounds"));
		return TArrayView(DataPtr + Index, InNum);
	}

	template<typename KeyType>
	SizeType Find(const KeyType& Item) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (DataPtr[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template<typename KeyType>
	SizeType IndexOfByKey(const KeyType& Item) const { return Find(Item); }

	template<typename PredicateType>
	SizeType IndexOfByPredicate(PredicateType Pred) const
	{
		for (SizeType Index = 0; Index < ArrayNum; ++Index)
		{
			if (Pred(DataPtr[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template<typename PredicateType>
	ElementType* FindByPredicate(PredicateType Pred) const
	{
		const SizeType Index = IndexOfByPredicate(Pred);
		return Index != INDEX_NONE ? DataPtr + Index : nullptr;
	}

	template<typename KeyType>
	bool Contains(const KeyType& Item) const { return Find(Item) != INDEX_NONE; }

	ElementType* begin() const { return DataPtr; }
	ElementType* end() const { return DataPtr + ArrayNum; }

private:
	ElementType* DataPtr = nullptr;
	SizeType ArrayNum = 0;
};

template<typename ElementType>
TArrayView<ElementType> MakeArrayView(ElementType* Data, int32 Num)
{
	return TArrayView<ElementType>(Data, Num);
}

template<typename ElementType, typename Allocator>
TArrayView<ElementType> MakeArrayView(TArray<ElementType, Allocator>& Array)
{
	return TArrayView<ElementType>(Array);
}

template<typename ElementType, typename Allocator>
TArrayView<const ElementType> MakeArrayView(const TArray<ElementType, Allocator>& Array)
{
	return TArrayView<const ElementType>(Array);
}
