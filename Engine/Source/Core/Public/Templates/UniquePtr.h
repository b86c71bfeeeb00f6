// TUniquePtr: sole ownership, built on std::unique_ptr.
#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include <memory>

template<typename T>
struct TDefaultDelete
{
	TDefaultDelete() = default;
	template<typename U> TDefaultDelete(const TDefaultDelete<U>&) {}
	void operator()(T* Ptr) const { delete Ptr; }
};

template<typename T>
struct TDefaultDelete<T[]>
{
	void operator()(T* Ptr) const { delete[] Ptr; }
};

template<typename T, typename Deleter = TDefaultDelete<T>>
class TUniquePtr
{
	template<typename OtherT, typename OtherDeleter> friend class TUniquePtr;

public:
	typedef T ElementType;

	TUniquePtr() = default;
	TUniquePtr(std::nullptr_t) {}
	explicit TUniquePtr(T* InPtr)
		: Ptr(InPtr)
	{
	}
	TUniquePtr(TUniquePtr&& Other) = default;

	template<typename OtherT, typename OtherDeleter, typename = std::enable_if_t<std::is_convertible_v<OtherT*, T*>>>
	TUniquePtr(TUniquePtr<OtherT, OtherDeleter>&& Other)
		: Ptr(Other.Ptr.release())
	{
	}

	TUniquePtr& operator=(TUniquePtr&& Other) = default;

	template<typename OtherT, typename OtherDeleter, typename = std::enable_if_t<std::is_convertible_v<OtherT*, T*>>>
	TUniquePtr& operator=(TUniquePtr<OtherT, OtherDeleter>&& Other)
	{
		Ptr.reset(Other.Ptr.release());
		return *this;
	}

	TUniquePtr& operator=(std::nullptr_t)
	{
		Ptr.reset();
		return *this;
	}

	TUniquePtr(const TUniquePtr&) = delete;
	TUniquePtr& operator=(const TUniquePtr&) = delete;

	bool IsValid() const { return Ptr != nullptr; }
	explicit operator bool() const { return Ptr != nullptr; }
	bool operator!() const { return Ptr == nullptr; }
	T* Get() const { return Ptr.get(); }
	T* operator->() const
	{
		check(Ptr);
		return Ptr.get();
	}
	T& operator*() const
	{
		check(Ptr);
		return *Ptr;
	}
	T* Release() { return Ptr.release(); }
	void Reset(T* InPtr = nullptr) { Ptr.reset(InPtr); }

	bool operator==(const TUniquePtr& Other) const { return Ptr == Other.Ptr; }
	bool operator!=(const TUniquePtr& Other) const { return Ptr != Other.Ptr; }
	bool operator==(std::nullptr_t) const { return Ptr == nullptr; }
	bool operator!=(std::nullptr_t) const { return Ptr != nullptr; }

private:
	std::unique_ptr<T, Deleter> Ptr;
};

template<typename T, typename Deleter>
class TUniquePtr<T[], Deleter>
{
public:
	TUniquePtr() = default;
	explicit TUniquePtr(T* InPtr)
		: Ptr(InPtr)
	{
	}
	TUniquePtr(TUniquePtr&&) = default;
	TUniquePtr& operator=(TUniquePtr&&) = default;

	bool IsValid() const { return Ptr != nullptr; }
	explicit operator bool() const { return Ptr != nullptr; }
	T* Get() const { return Ptr.get(); }
	T& operator[](SIZE_T Index) const { return Ptr[Index]; }
	T* Release() { return Ptr.release(); }
	void Reset(T* InPtr = nullptr) { Ptr.reset(InPtr); }

private:
	std::unique_ptr<T[], Deleter> Ptr;
};

template<typename T, typename... ArgTypes>
std::enable_if_t<!std::is_array_v<T>, TUniquePtr<T>> MakeUnique(ArgTypes&&... Args)
{
	return TUniquePtr<T>(new T(Forward<ArgTypes>(Args)...));
}

template<typename T>
std::enable_if_t<std::is_array_v<T>, TUniquePtr<T>> MakeUnique(SIZE_T Size)
{
	return TUniquePtr<T>(new std::remove_extent_t<T>[Size]());
}

template<typename T>
uint32 GetTypeHash(const TUniquePtr<T>& Ptr)
{
	return GetTypeHash(Ptr.Get());
}
