// Iteration over every live object of a class.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"

/** Objects of a class (and its subclasses) alive when the iterator was made; objects marked as
 *  garbage are skipped, objects destroyed meanwhile are skipped too. */
class COREUOBJECT_API FObjectIterator
{
public:
	explicit FObjectIterator(UClass* InClass = UObject::StaticClass(), bool bOnlyGCedObjects = false, EObjectFlags AdditionalExclusionFlags = RF_NoFlags, EInternalObjectFlags InInternalExclusionFlags = EInternalObjectFlags::None);

	explicit operator bool() const
	{
		return Index < Objects.Num();
	}

	bool operator!() const
	{
		return !(bool)*this;
	}

	void operator++();

	UObject* operator*() const
	{
		return Objects[Index].Get();
	}

	UObject* operator->() const
	{
		return Objects[Index].Get();
	}

private:
	void SkipDead();

	TArray<FWeakObjectPtr> Objects;
	int32 Index = 0;
};

template<class T>
class TObjectIterator
{
public:
	explicit TObjectIterator(EObjectFlags AdditionalExclusionFlags = RF_ClassDefaultObject, bool bIncludeDerivedClasses = true, EInternalObjectFlags InInternalExclusionFlags = EInternalObjectFlags::None)
		: It(T::StaticClass(), false, AdditionalExclusionFlags, InInternalExclusionFlags)
	{
	}

	explicit operator bool() const
	{
		return (bool)It;
	}

	bool operator!() const
	{
		return !It;
	}

	void operator++()
	{
		++It;
	}

	T* operator*() const
	{
		return (T*)*It;
	}

	T* operator->() const
	{
		return (T*)*It;
	}

private:
	FObjectIterator It;
};

template<typename T>
class TObjectRange
{
public:
	explicit TObjectRange(EObjectFlags AdditionalExclusionFlags = RF_ClassDefaultObject, bool bIncludeDerivedClasses = true, EInternalObjectFlags InInternalExclusionFlags = EInternalObjectFlags::None)
		: It(AdditionalExclusionFlags, bIncludeDerivedClasses, InInternalExclusionFlags)
	{
	}

	struct FIterator
	{
		TObjectIterator<T>* It;
		bool operator!=(const FIterator&) const
		{
			return (bool)*It;
		}
		void operator++()
		{
			++*It;
		}
		T* operator*() const
		{
			return **It;
		}
	};

	FIterator begin()
	{
		return FIterator{ &It };
	}
	FIterator end()
	{
		return FIterator{ &It };
	}

private:
	TObjectIterator<T> It;
};
