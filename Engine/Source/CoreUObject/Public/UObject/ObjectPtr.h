// TObjectPtr: the engine's pointer wrapper for object references in reflected members. In the
// stand-in it is a plain pointer with the engine's conversions (no lazy loading or access tracking).

#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include "Containers/Array.h"

#include <type_traits>

class UObject;

template<typename T>
struct TObjectPtr
{
public:
	using ElementType = T;

	TObjectPtr() = default;
	TObjectPtr(const TObjectPtr&) = default;
	TObjectPtr& operator=(const TObjectPtr&) = default;

	TObjectPtr(std::nullptr_t)
	{
	}

	TObjectPtr(T* InObject)
		: Ptr(InObject)
	{
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>>>
	TObjectPtr(const TObjectPtr<U>& Other)
		: Ptr(Other.Get())
	{
	}

	TObjectPtr& operator=(T* InObject)
	{
		Ptr = InObject;
		return *this;
	}

	TObjectPtr& operator=(std::nullptr_t)
	{
		Ptr = nullptr;
		return *this;
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>>>
	TObjectPtr& operator=(const TObjectPtr<U>& Other)
	{
		Ptr = Other.Get();
		return *this;
	}

	T* Get() const
	{
		return Ptr;
	}

	operator T*() const
	{
		return Ptr;
	}

	template<typename U, typename = std::enable_if_t<std::is_convertible_v<T*, U*> && !std::is_same_v<U, T>>>
	explicit operator U*() const
	{
		return Ptr;
	}

	T* operator->() const
	{
		return Ptr;
	}

	T& operator*() const
	{
		return *Ptr;
	}

	explicit operator bool() const
	{
		return Ptr != nullptr;
	}

	bool operator!() const
	{
		return Ptr == nullptr;
	}

	bool IsNull() const
	{
		return Ptr == nullptr;
	}

	template<typename U>
	bool operator==(const TObjectPtr<U>& Other) const
	{
		return (const void*)Ptr == (const void*)Other.Get();
	}

	// U* rather than const U*: an exact match, so comparing with a raw pointer is not ambiguous with the built-in.
	template<typename U>
	bool operator==(U* Other) const
	{
		return (const void*)Ptr == (const void*)Other;
	}

	bool operator==(std::nullptr_t) const
	{
		return Ptr == nullptr;
	}

	template<typename U>
	bool operator!=(const TObjectPtr<U>& Other) const
	{
		return !(*this == Other);
	}

	template<typename U>
	bool operator!=(U* Other) const
	{
		return !(*this == Other);
	}

	bool operator!=(std::nullptr_t) const
	{
		return Ptr != nullptr;
	}

	friend uint32 GetTypeHash(const TObjectPtr& InObjectPtr)
	{
		return ::GetTypeHash((const void*)InObjectPtr.Ptr);
	}

private:
	T* Ptr = nullptr;
};

template<typename T>
inline T* ToRawPtr(const TObjectPtr<T>& Ptr)
{
	return Ptr.Get();
}

template<typename T>
inline T* ToRawPtr(T* Ptr)
{
	return Ptr;
}

template<typename T>
inline TObjectPtr<T> ObjectPtrWrap(T* Ptr)
{
	return TObjectPtr<T>(Ptr);
}

/** Arrays of TObjectPtr are laid out as arrays of raw pointers; read-only views reuse them. */
template<typename T>
inline const TArray<T*>& ToRawPtrTArrayUnsafe(const TArray<TObjectPtr<T>>& Array)
{
	static_assert(sizeof(TObjectPtr<T>) == sizeof(T*));
	return reinterpret_cast<const TArray<T*>&>(Array);
}
