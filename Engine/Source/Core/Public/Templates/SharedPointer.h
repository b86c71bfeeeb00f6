// TSharedPtr/TSharedRef/TWeakPtr: shared ownership built on std::shared_ptr, exposed under the engine's names.
#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include "Templates/SharedPointerFwd.h"
#include <functional>
#include <memory>

namespace UE::Core::Private
{
	/** Unwraps the std::shared_ptr behind an engine pointer; only the stand-in's own headers use it. */
	struct FSharedPointerAccess
	{
		template<typename PtrType>
		static const auto& Std(const PtrType& Ptr)
		{
			return Ptr.Impl;
		}

		template<typename TargetType, typename SourceType>
		static TargetType Make(SourceType&& Impl)
		{
			TargetType Result;
			Result.Impl = Forward<SourceType>(Impl);
			return Result;
		}
	};
}

/** What MakeShareable returns: a raw pointer waiting to be owned by the first shared pointer it converts to. */
template<typename ObjectType>
struct TRawPtrProxy
{
	ObjectType* Object;
	std::function<void(ObjectType*)> Deleter;

	explicit TRawPtrProxy(ObjectType* InObject)
		: Object(InObject)
	{
	}

	TRawPtrProxy(ObjectType* InObject, std::function<void(ObjectType*)> InDeleter)
		: Object(InObject)
		, Deleter(MoveTemp(InDeleter))
	{
	}

	std::shared_ptr<ObjectType> MakeStd() const
	{
		if (Deleter)
		{
			return std::shared_ptr<ObjectType>(Object, Deleter);
		}
		return std::shared_ptr<ObjectType>(Object);
	}
};

template<typename ObjectType, ESPMode Mode>
class TSharedRef
{
	friend struct UE::Core::Private::FSharedPointerAccess;
	template<typename OtherType, ESPMode OtherMode> friend class TSharedRef;
	template<typename OtherType, ESPMode OtherMode> friend class TSharedPtr;

public:
	typedef ObjectType ElementType;

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedRef(OtherType* InObject)
		: Impl(std::shared_ptr<OtherType>(InObject))
	{
		checkf(InObject != nullptr, TEXT("A TSharedRef cannot be created from a null pointer"));
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const TRawPtrProxy<OtherType>& Proxy)
		: Impl(Proxy.MakeStd())
	{
		checkf(Proxy.Object != nullptr, TEXT("A TSharedRef cannot be created from a null pointer"));
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const TSharedRef<OtherType, Mode>& Other)
		: Impl(Other.Impl)
	{
	}

	TSharedRef(const TSharedRef&) = default;
	TSharedRef& operator=(const TSharedRef&) = default;

	// A moved-from reference keeps its object: a TSharedRef is never null.
	TSharedRef(TSharedRef&& Other)
		: Impl(Other.Impl)
	{
	}
	TSharedRef& operator=(TSharedRef&& Other)
	{
		Impl = Other.Impl;
		return *this;
	}

	ObjectType& Get() const { return *Impl; }
	ObjectType* operator->() const { return Impl.get(); }
	ObjectType& operator*() const { return *Impl; }
	int32 GetSharedReferenceCount() const { return (int32)Impl.use_count(); }
	bool IsUnique() const { return Impl.use_count() == 1; }
	bool IsValid() const { return true; }
	TSharedPtr<ObjectType, Mode> ToSharedPtr() const { return TSharedPtr<ObjectType, Mode>(*this); }
	TWeakPtr<ObjectType, Mode> ToWeakPtr() const { return TWeakPtr<ObjectType, Mode>(*this); }

private:
	TSharedRef() = default;

	std::shared_ptr<ObjectType> Impl;
};

template<typename ObjectType, ESPMode Mode>
class TSharedPtr
{
	friend struct UE::Core::Private::FSharedPointerAccess;
	template<typename OtherType, ESPMode OtherMode> friend class TSharedPtr;

public:
	typedef ObjectType ElementType;

	TSharedPtr() = default;
	TSharedPtr(std::nullptr_t) {}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedPtr(OtherType* InObject)
		: Impl(std::shared_ptr<OtherType>(InObject))
	{
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TRawPtrProxy<OtherType>& Proxy)
		: Impl(Proxy.Object ? Proxy.MakeStd() : nullptr)
	{
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& Other)
		: Impl(Other.Impl)
	{
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(TSharedPtr<OtherType, Mode>&& Other)
		: Impl(MoveTemp(Other.Impl))
	{
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedRef<OtherType, Mode>& Other)
		: Impl(Other.Impl)
	{
	}

	TSharedPtr(const TSharedPtr&) = default;
	TSharedPtr(TSharedPtr&&) = default;
	TSharedPtr& operator=(const TSharedPtr&) = default;
	TSharedPtr& operator=(TSharedPtr&&) = default;

	TSharedPtr& operator=(std::nullptr_t)
	{
		Impl.reset();
		return *this;
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr& operator=(const TRawPtrProxy<OtherType>& Proxy)
	{
		Impl = Proxy.Object ? Proxy.MakeStd() : nullptr;
		return *this;
	}

	TSharedRef<ObjectType, Mode> ToSharedRef() const
	{
		checkf(IsValid(), TEXT("ToSharedRef called on a null TSharedPtr"));
		return UE::Core::Private::FSharedPointerAccess::Make<TSharedRef<ObjectType, Mode>>(Impl);
	}

	ObjectType* Get() const { return Impl.get(); }
	bool IsValid() const { return Impl != nullptr; }
	explicit operator bool() const { return Impl != nullptr; }

	ObjectType* operator->() const
	{
		checkf(Impl, TEXT("Dereferencing a null TSharedPtr"));
		return Impl.get();
	}

	ObjectType& operator*() const
	{
		checkf(Impl, TEXT("Dereferencing a null TSharedPtr"));
		return *Impl;
	}

	void Reset() { Impl.reset(); }
	int32 GetSharedReferenceCount() const { return (int32)Impl.use_count(); }
	bool IsUnique() const { return Impl.use_count() == 1; }

private:
	std::shared_ptr<ObjectType> Impl;
};

template<typename ObjectType, ESPMode Mode>
class TWeakPtr
{
	friend struct UE::Core::Private::FSharedPointerAccess;
	template<typename OtherType, ESPMode OtherMode> friend class TWeakPtr;

public:
	typedef ObjectType ElementType;

	TWeakPtr() = default;
	TWeakPtr(std::nullptr_t) {}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedRef<OtherType, Mode>& Other)
		: Impl(UE::Core::Private::FSharedPointerAccess::Std(Other))
	{
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedPtr<OtherType, Mode>& Other)
		: Impl(UE::Core::Private::FSharedPointerAccess::Std(Other))
	{
	}

	template<typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TWeakPtr<OtherType, Mode>& Other)
		: Impl(Other.Impl)
	{
	}

	TWeakPtr(const TWeakPtr&) = default;
	TWeakPtr(TWeakPtr&&) = default;
	TWeakPtr& operator=(const TWeakPtr&) = default;
	TWeakPtr& operator=(TWeakPtr&&) = default;

	TWeakPtr& operator=(std::nullptr_t)
	{
		Impl.reset();
		return *this;
	}

	TSharedPtr<ObjectType, Mode> Pin() const
	{
		return UE::Core::Private::FSharedPointerAccess::Make<TSharedPtr<ObjectType, Mode>>(Impl.lock());
	}

	bool IsValid() const { return !Impl.expired(); }
	void Reset() { Impl.reset(); }

	template<typename OtherType>
	bool HasSameObject(const OtherType* InOtherPtr) const
	{
		return Pin().Get() == InOtherPtr;
	}

	bool operator==(const TWeakPtr& Other) const
	{
		return !Impl.owner_before(Other.Impl) && !Other.Impl.owner_before(Impl);
	}

	bool operator!=(const TWeakPtr& Other) const { return !(*this == Other); }

	friend uint32 GetTypeHash(const TWeakPtr& WeakPtr)
	{
		return PointerHash(WeakPtr.Pin().Get());
	}

private:
	std::weak_ptr<ObjectType> Impl;
};

/** Lets an object hand out shared references to itself once a shared pointer owns it. */
template<typename ObjectType, ESPMode Mode>
class TSharedFromThis : public std::enable_shared_from_this<ObjectType>
{
public:
	TSharedRef<ObjectType, Mode> AsShared()
	{
		std::shared_ptr<ObjectType> Shared = this->weak_from_this().lock();
		checkf(Shared, TEXT("AsShared called on an object that no shared pointer owns (or during its construction/destruction)"));
		return UE::Core::Private::FSharedPointerAccess::Make<TSharedRef<ObjectType, Mode>>(MoveTemp(Shared));
	}

	TSharedRef<const ObjectType, Mode> AsShared() const
	{
		std::shared_ptr<const ObjectType> Shared = this->weak_from_this().lock();
		checkf(Shared, TEXT("AsShared called on an object that no shared pointer owns (or during its construction/destruction)"));
		return UE::Core::Private::FSharedPointerAccess::Make<TSharedRef<const ObjectType, Mode>>(MoveTemp(Shared));
	}

	TWeakPtr<ObjectType, Mode> AsWeak()
	{
		return UE::Core::Private::FSharedPointerAccess::Make<TWeakPtr<ObjectType, Mode>>(this->weak_from_this());
	}

	TWeakPtr<const ObjectType, Mode> AsWeak() const
	{
		return UE::Core::Private::FSharedPointerAccess::Make<TWeakPtr<const ObjectType, Mode>>(std::weak_ptr<const ObjectType>(this->weak_from_this()));
	}

	bool DoesSharedInstanceExist() const
	{
		return !this->weak_from_this().expired();
	}

protected:
	TSharedFromThis() = default;
	TSharedFromThis(const TSharedFromThis&) {}
	TSharedFromThis& operator=(const TSharedFromThis&) { return *this; }
	~TSharedFromThis() = default;

	template<typename OtherType>
	static TSharedRef<OtherType, Mode> SharedThis(OtherType* ThisPtr)
	{
		return StaticCastSharedRef<OtherType>(ThisPtr->AsShared());
	}

	template<typename OtherType>
	static TSharedRef<const OtherType, Mode> SharedThis(const OtherType* ThisPtr)
	{
		return StaticCastSharedRef<const OtherType>(ThisPtr->AsShared());
	}
};

template<typename ObjectType, ESPMode Mode = ESPMode::ThreadSafe, typename... ArgTypes>
TSharedRef<ObjectType, Mode> MakeShared(ArgTypes&&... Args)
{
	return UE::Core::Private::FSharedPointerAccess::Make<TSharedRef<ObjectType, Mode>>(std::make_shared<ObjectType>(Forward<ArgTypes>(Args)...));
}

template<typename ObjectType>
TRawPtrProxy<ObjectType> MakeShareable(ObjectType* InObject)
{
	return TRawPtrProxy<ObjectType>(InObject);
}

template<typename ObjectType, typename DeleterType>
TRawPtrProxy<ObjectType> MakeShareable(ObjectType* InObject, DeleterType&& InDeleter)
{
	return TRawPtrProxy<ObjectType>(InObject, std::function<void(ObjectType*)>(Forward<DeleterType>(InDeleter)));
}

template<typename CastToType, typename CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> StaticCastSharedRef(const TSharedRef<CastFromType, Mode>& InRef)
{
	return UE::Core::Private::FSharedPointerAccess::Make<TSharedRef<CastToType, Mode>>(std::static_pointer_cast<CastToType>(UE::Core::Private::FSharedPointerAccess::Std(InRef)));
}

template<typename CastToType, typename CastFromType, ESPMode Mode>
TSharedPtr<CastToType, Mode> StaticCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InPtr)
{
	return UE::Core::Private::FSharedPointerAccess::Make<TSharedPtr<CastToType, Mode>>(std::static_pointer_cast<CastToType>(UE::Core::Private::FSharedPointerAccess::Std(InPtr)));
}

template<typename CastToType, typename CastFromType, ESPMode Mode>
TWeakPtr<CastToType, Mode> StaticCastWeakPtr(const TWeakPtr<CastFromType, Mode>& InPtr)
{
	return TWeakPtr<CastToType, Mode>(StaticCastSharedPtr<CastToType>(InPtr.Pin()));
}

template<typename CastToType, typename CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> ConstCastSharedRef(const TSharedRef<CastFromType, Mode>& InRef)
{
	return UE::Core::Private::FSharedPointerAccess::Make<TSharedRef<CastToType, Mode>>(std::const_pointer_cast<CastToType>(UE::Core::Private::FSharedPointerAccess::Std(InRef)));
}

template<typename CastToType, typename CastFromType, ESPMode Mode>
TSharedPtr<CastToType, Mode> ConstCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InPtr)
{
	return UE::Core::Private::FSharedPointerAccess::Make<TSharedPtr<CastToType, Mode>>(std::const_pointer_cast<CastToType>(UE::Core::Private::FSharedPointerAccess::Std(InPtr)));
}

// Comparisons compare the objects pointed to, across every pairing of reference and pointer.

template<typename A, typename B, ESPMode Mode>
bool operator==(const TSharedRef<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs) { return &Lhs.Get() == &Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator!=(const TSharedRef<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs) { return &Lhs.Get() != &Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator==(const TSharedPtr<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs) { return Lhs.Get() == Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator!=(const TSharedPtr<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs) { return Lhs.Get() != Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator==(const TSharedPtr<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs) { return Lhs.Get() == &Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator!=(const TSharedPtr<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs) { return Lhs.Get() != &Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator==(const TSharedRef<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs) { return &Lhs.Get() == Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator!=(const TSharedRef<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs) { return &Lhs.Get() != Rhs.Get(); }
template<typename A, ESPMode Mode>
bool operator==(const TSharedPtr<A, Mode>& Lhs, std::nullptr_t) { return !Lhs.IsValid(); }
template<typename A, ESPMode Mode>
bool operator!=(const TSharedPtr<A, Mode>& Lhs, std::nullptr_t) { return Lhs.IsValid(); }
template<typename A, ESPMode Mode>
bool operator==(std::nullptr_t, const TSharedPtr<A, Mode>& Rhs) { return !Rhs.IsValid(); }
template<typename A, ESPMode Mode>
bool operator!=(std::nullptr_t, const TSharedPtr<A, Mode>& Rhs) { return Rhs.IsValid(); }
template<typename A, typename B, ESPMode Mode>
bool operator==(const TWeakPtr<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs) { return Lhs.Pin().Get() == Rhs.Get(); }
template<typename A, typename B, ESPMode Mode>
bool operator==(const TWeakPtr<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs) { return Lhs.Pin().Get() == &Rhs.Get(); }
template<typename A, ESPMode Mode>
bool operator==(const TWeakPtr<A, Mode>& Lhs, std::nullptr_t) { return !Lhs.IsValid(); }
template<typename A, ESPMode Mode>
bool operator!=(const TWeakPtr<A, Mode>& Lhs, std::nullptr_t) { return Lhs.IsValid(); }

template<typename ObjectType, ESPMode Mode>
uint32 GetTypeHash(const TSharedRef<ObjectType, Mode>& Ref)
{
	return PointerHash(&Ref.Get());
}

template<typename ObjectType, ESPMode Mode>
uint32 GetTypeHash(const TSharedPtr<ObjectType, Mode>& Ptr)
{
	return PointerHash(Ptr.Get());
}
