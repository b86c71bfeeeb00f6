// TSubclassOf<T>: a class pointer that only holds T or a subclass of T.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"

#include <type_traits>

template<class T>
class TSubclassOf
{
	template<class U>
	friend class TSubclassOf;

public:
	TSubclassOf() = default;
	TSubclassOf(std::nullptr_t)
	{
	}

	/** A class outside T's hierarchy reads as null. */
	TSubclassOf(UClass* From)
		: Class(From)
	{
	}

	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSubclassOf(const TSubclassOf<U>& From)
		: Class(From.Class)
	{
	}

	TSubclassOf& operator=(UClass* From)
	{
		Class = From;
		return *this;
	}

	template<class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSubclassOf& operator=(const TSubclassOf<U>& From)
	{
		Class = From.Class;
		return *this;
	}

	UClass* Get() const
	{
		return Class && Class->IsChildOf(T::StaticClass()) ? Class : nullptr;
	}

	UClass* operator*() const
	{
		return Get();
	}

	UClass* operator->() const
	{
		return Get();
	}

	operator UClass*() const
	{
		return Get();
	}

	T* GetDefaultObject() const
	{
		UClass* Result = Get();
		return Result ? (T*)Result->GetDefaultObject() : nullptr;
	}

	friend uint32 GetTypeHash(const TSubclassOf& SubclassOf)
	{
		return GetTypeHash((const void*)SubclassOf.Class);
	}

private:
	UClass* Class = nullptr;
};
