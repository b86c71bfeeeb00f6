// Soft pointers: an object path plus a weak pointer to the object once it has been resolved.

#pragma once

#include "CoreMinimal.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/ObjectPtr.h"

#include <type_traits>

class UObject;
class UClass;

struct COREUOBJECT_API FSoftObjectPtr
{
	FSoftObjectPtr() = default;
	FSoftObjectPtr(const FSoftObjectPtr&) = default;
	FSoftObjectPtr& operator=(const FSoftObjectPtr&) = default;
	explicit FSoftObjectPtr(const FSoftObjectPath& InPath)
		: ObjectPath(InPath)
	{
	}
	FSoftObjectPtr(const UObject* Object)
	{
		*this = Object;
	}

	FSoftObjectPtr& operator=(const UObject* Object);
	FSoftObjectPtr& operator=(const FSoftObjectPath& InPath)
	{
		ObjectPath = InPath;
		WeakPtr.Reset();
		return *this;
	}

	/** The object if it is in memory (found by path). */
	UObject* Get() const;
	UObject* LoadSynchronous() const;

	const FSoftObjectPath& ToSoftObjectPath() const
	{
		return ObjectPath;
	}
	FString ToString() const
	{
		return ObjectPath.ToString();
	}
	FString GetLongPackageName() const
	{
		return ObjectPath.GetLongPackageName();
	}
	FString GetAssetName() const
	{
		return ObjectPath.GetAssetName();
	}
	bool IsNull() const
	{
		return ObjectPath.IsNull();
	}
	bool IsValid() const
	{
		return Get() != nullptr;
	}
	bool IsPending() const
	{
		return !IsNull() && Get() == nullptr;
	}
	void Reset()
	{
		ObjectPath.Reset();
		WeakPtr.Reset();
	}
	bool operator==(const FSoftObjectPtr& Other) const
	{
		return ObjectPath == Other.ObjectPath;
	}
	bool operator!=(const FSoftObjectPtr& Other) const
	{
		return !(*this == Other);
	}
	friend uint32 GetTypeHash(const FSoftObjectPtr& Ptr)
	{
		return GetTypeHash(Ptr.ObjectPath);
	}

private:
	FSoftObjectPath ObjectPath;
	mutable FWeakObjectPtr WeakPtr;
};

template<class T = UObject>
struct TSoftObjectPtr
{
	TSoftObjectPtr() = default;
	TSoftObjectPtr(const TSoftObjectPtr&) = default;
	TSoftObjectPtr& operator=(const TSoftObjectPtr&) = default;
	TSoftObjectPtr(std::nullptr_t)
	{
	}
	explicit TSoftObjectPtr(const FSoftObjectPath& InPath)
		: SoftObjectPtr(InPath)
	{
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr(const U* Object)
		: SoftObjectPtr((const UObject*)Object)
	{
	}
	template<typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSoftObjectPtr(const TObjectPtr<U>& Object)
		: SoftObjectPtr((const UObject*)Object.Get())
	{
	}

	TSoftObjectPtr& operator=(const T* Object)
	{
		SoftObjectPtr = (const UObject*)Object;
		return *this;
	}
	TSoftObjectPtr& operator=(const FSoftObjectPath& InPath)
	{
		SoftObjectPtr = InPath;
		return *this;
	}
	TSoftObjectPtr& operator=(std::nullptr_t)
	{
		SoftObjectPtr.Reset();
		return *this;
	}

	T* Get() const
	{
		return (T*)SoftObjectPtr.Get();
	}
	T* LoadSynchronous() const
	{
		return (T*)SoftObjectPtr.LoadSynchronous();
	}
	T* operator->() const
	{
		return Get();
	}
	const FSoftObjectPath& ToSoftObjectPath() const
	{
		return SoftObjectPtr.ToSoftObjectPath();
	}
	FString ToString() const
	{
		return SoftObjectPtr.ToString();
	}
	FString GetLongPackageName() const
	{
		return SoftObjectPtr.GetLongPackageName();
	}
	FString GetAssetName() const
	{
		return SoftObjectPtr.GetAssetName();
	}
	bool IsNull() const
	{
		return SoftObjectPtr.IsNull();
	}
	bool IsValid() const
	{
		return SoftObjectPtr.IsValid();
	}
	bool IsPending() const
	{
		return SoftObjectPtr.IsPending();
	}
	void Reset()
	{
		SoftObjectPtr.Reset();
	}
	explicit operator bool() const
	{
		return IsValid();
	}
	bool operator==(const TSoftObjectPtr& Other) const
	{
		return SoftObjectPtr == Other.SoftObjectPtr;
	}
	bool operator!=(const TSoftObjectPtr& Other) const
	{
		return !(*this == Other);
	}
	friend uint32 GetTypeHash(const TSoftObjectPtr& Ptr)
	{
		return GetTypeHash(Ptr.SoftObjectPtr);
	}

private:
	FSoftObjectPtr SoftObjectPtr;
};

template<class T = UObject>
struct TSoftClassPtr
{
	TSoftClassPtr() = default;
	TSoftClassPtr(std::nullptr_t)
	{
	}
	explicit TSoftClassPtr(const FSoftObjectPath& InPath)
		: SoftObjectPtr(InPath)
	{
	}
	TSoftClassPtr(const UClass* From)
		: SoftObjectPtr((const UObject*)From)
	{
	}
	TSoftClassPtr& operator=(const UClass* From)
	{
		SoftObjectPtr = (const UObject*)From;
		return *this;
	}

	UClass* Get() const
	{
		return (UClass*)SoftObjectPtr.Get();
	}
	UClass* LoadSynchronous() const
	{
		return (UClass*)SoftObjectPtr.LoadSynchronous();
	}
	const FSoftObjectPath& ToSoftObjectPath() const
	{
		return SoftObjectPtr.ToSoftObjectPath();
	}
	FString ToString() const
	{
		return SoftObjectPtr.ToString();
	}
	bool IsNull() const
	{
		return SoftObjectPtr.IsNull();
	}
	bool IsValid() const
	{
		return SoftObjectPtr.IsValid();
	}
	bool IsPending() const
	{
		return SoftObjectPtr.IsPending();
	}
	void Reset()
	{
		SoftObjectPtr.Reset();
	}
	bool operator==(const TSoftClassPtr& Other) const
	{
		return SoftObjectPtr == Other.SoftObjectPtr;
	}
	bool operator!=(const TSoftClassPtr& Other) const
	{
		return !(*this == Other);
	}
	friend uint32 GetTypeHash(const TSoftClassPtr& Ptr)
	{
		return GetTypeHash(Ptr.SoftObjectPtr);
	}

private:
	FSoftObjectPtr SoftObjectPtr;
};
