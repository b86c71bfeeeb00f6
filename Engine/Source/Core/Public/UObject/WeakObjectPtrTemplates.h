// TWeakObjectPtr: a typed handle on an object that does not keep it alive and reads as null once
// the object is marked as garbage or destroyed. The untyped base (FWeakObjectPtr) lives in
// CoreUObject, which owns the object table the handle indexes.

#pragma once

#include "CoreTypes.h"

#include <type_traits>
#include <utility>

struct FWeakObjectPtr;
class UObject;

template<class T = UObject, class TWeakObjectPtrBase = FWeakObjectPtr>
struct TWeakObjectPtr
{
	template<class, class>
	friend struct TWeakObjectPtr;

public:
	using ElementType = T;

	TWeakObjectPtr() = default;
	TWeakObjectPtr(const TWeakObjectPtr&) = default;
	TWeakObjectPtr& operator=(const TWeakObjectPtr&) = default;

	TWeakObjectPtr(std::nullptr_t)
	{
	}

	/** Any object pointer type convertible to T* (raw or TObjectPtr). */
	template<typename U, typename = decltype(static_cast<T*>(std::declval<const U&>()))>
	TWeakObjectPtr(const U& Object)
		: WeakPtr((const UObject*)static_cast<T*>(Object))
	{
	}

	template<typename OtherT, typename = std::enable_if_t<std::is_convertible_v<OtherT*, T*>>>
	TWeakObjectPtr(const TWeakObjectPtr<OtherT, TWeakObjectPtrBase>& Other)
		: WeakPtr(Other.WeakPtr)
	{
	}

	template<typename U, typename = decltype(static_cast<T*>(std::declval<const U&>()))>
	TWeakObjectPtr& operator=(const U& Object)
	{
		WeakPtr = (const UObject*)static_cast<T*>(Object);
		return *this;
	}

	TWeakObjectPtr& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}

	void Reset()
	{
		WeakPtr.Reset();
	}

	/** Null when the object is gone or marked as garbage. */
	T* Get() const
	{
		return (T*)WeakPtr.Get();
	}

	T* Get(bool bEvenIfPendingKill) const
	{
		return (T*)WeakPtr.Get(bEvenIfPendingKill);
	}

	T* GetEvenIfUnreachable() const
	{
		return (T*)WeakPtr.GetEvenIfUnreachable();
	}

	T& operator*() const
	{
		return *Get();
	}

	T* operator->() const
	{
		return Get();
	}

	bool IsValid() const
	{
		return WeakPtr.IsValid();
	}

	bool IsValid(bool bEvenIfPendingKill, bool bThreadsafeTest = false) const
	{
		return WeakPtr.IsValid(bEvenIfPendingKill, bThreadsafeTest);
	}

	/** Was set to an object that has since gone. */
	bool IsStale(bool bIncludingIfPendingKill = true, bool bThreadsafeTest = false) const
	{
		return WeakPtr.IsStale(bIncludingIfPendingKill, bThreadsafeTest);
	}

	bool IsExplicitlyNull() const
	{
		return WeakPtr.IsExplicitlyNull();
	}

	explicit operator bool() const
	{
		return IsValid();
	}

	template<typename OtherT>
	bool operator==(const TWeakObjectPtr<OtherT, TWeakObjectPtrBase>& Other) const
	{
		return WeakPtr == Other.WeakPtr;
	}

	bool operator==(const T* Other) const
	{
		return Get() == Other;
	}

	bool operator==(std::nullptr_t) const
	{
		return !IsValid();
	}

	template<typename OtherT>
	bool operator!=(const TWeakObjectPtr<OtherT, TWeakObjectPtrBase>& Other) const
	{
		return !(*this == Other);
	}

	bool operator!=(const T* Other) const
	{
		return !(*this == Other);
	}

	bool operator!=(std::nullptr_t) const
	{
		return IsValid();
	}

	friend uint32 GetTypeHash(const TWeakObjectPtr& WeakObjectPtr)
	{
		return WeakObjectPtr.WeakPtr.GetHash();
	}

	const TWeakObjectPtrBase& GetWeakPtrBase() const
	{
		return WeakPtr;
	}

private:
	TWeakObjectPtrBase WeakPtr;
};

/** Deduces the type: MakeWeakObjectPtr(Object). */
template<typename T>
TWeakObjectPtr<T> MakeWeakObjectPtr(T* Object)
{
	return TWeakObjectPtr<T>(Object);
}
