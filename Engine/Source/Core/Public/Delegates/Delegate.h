// Single-cast (TDelegate) and multicast (TMulticastDelegate) delegates with the engine's binding kinds.
#pragma once

#include "CoreTypes.h"
#include "Delegates/IDelegateInstance.h"
#include "Templates/SharedPointer.h"
#include "Templates/UnrealTemplate.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

struct FDefaultDelegateUserPolicy
{
};

template<typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy> class TDelegate;
template<typename DelegateSignature, typename UserPolicy = FDefaultDelegateUserPolicy> class TMulticastDelegate;

namespace UE::Delegates::Private
{
	/** One binding: how to call it, whether its target still lives, and what it is bound to. */
	template<typename RetValType, typename... ParamTypes>
	struct TDelegateInstance
	{
		EDelegateInstanceKind Kind = EDelegateInstanceKind::Static;
		const void* UserObject = nullptr;
		FDelegateHandle Handle{ FDelegateHandle::GenerateNewHandle };
		std::function<bool()> IsTargetAlive;
		std::function<RetValType(ParamTypes...)> Invoke;

		bool IsSafeToExecute() const
		{
			return !IsTargetAlive || IsTargetAlive();
		}
	};

	template<typename RetValType, typename... ParamTypes>
	using TInstancePtr = std::shared_ptr<const TDelegateInstance<RetValType, ParamTypes...>>;

	/** Builds the binding kinds once, for both TDelegate and TMulticastDelegate. */
	template<typename RetValType, typename... ParamTypes>
	struct TInstanceFactory
	{
		typedef TDelegateInstance<RetValType, ParamTypes...> FInstance;

		template<typename FuncType, typename... VarTypes>
		static TInstancePtr<RetValType, ParamTypes...> Static(FuncType InFunc, VarTypes... Vars)
		{
			auto Instance = std::make_shared<FInstance>();
			Instance->Kind = EDelegateInstanceKind::Static;
			Instance->Invoke = [InFunc, Payload = std::make_tuple(Vars...)](ParamTypes... Params) -> RetValType {
				return std::apply([&](const auto&... Payloads) -> RetValType { return (RetValType)std::invoke(InFunc, Forward<ParamTypes>(Params)..., Payloads...); }, Payload);
			};
			return Instance;
		}

		template<typename UserClass, typename MethodType, typename... VarTypes>
		static TInstancePtr<RetValType, ParamTypes...> Raw(UserClass* InUserObject, MethodType InMethod, VarTypes... Vars)
		{
			checkf(InUserObject != nullptr, TEXT("Binding a delegate to a null object"));
			auto Instance = std::make_shared<FInstance>();
			Instance->Kind = EDelegateInstanceKind::Raw;
			Instance->UserObject = InUserObject;
			Instance->Invoke = [InUserObject, InMethod, Payload = std::make_tuple(Vars...)](ParamTypes... Params) -> RetValType {
				return std::apply([&](const auto&... Payloads) -> RetValType { return (RetValType)std::invoke(InMethod, InUserObject, Forward<ParamTypes>(Params)..., Payloads...); }, Payload);
			};
			return Instance;
		}

		template<typename FunctorType, typename... VarTypes>
		static TInstancePtr<RetValType, ParamTypes...> Lambda(FunctorType&& InFunctor, VarTypes... Vars)
		{
			auto Instance = std::make_shared<FInstance>();
			Instance->Kind = EDelegateInstanceKind::Lambda;
			auto SharedFunctor = std::make_shared<std::decay_t<FunctorType>>(Forward<FunctorType>(InFunctor));
			Instance->Invoke = [SharedFunctor, Payload = std::make_tuple(Vars...)](ParamTypes... Params) -> RetValType {
				return std::apply([&](const auto&... Payloads) -> RetValType { return (RetValType)(*SharedFunctor)(Forward<ParamTypes>(Params)..., Payloads...); }, Payload);
			};
			return Instance;
		}

		template<typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
		static TInstancePtr<RetValType, ParamTypes...> SP(const TSharedRef<UserClass, Mode>& InUserObjectRef, MethodType InMethod, VarTypes... Vars)
		{
			auto Instance = std::make_shared<FInstance>();
			Instance->Kind = EDelegateInstanceKind::SharedPointer;
			Instance->UserObject = &InUserObjectRef.Get();
			TWeakPtr<UserClass, Mode> WeakObject(InUserObjectRef);
			Instance->IsTargetAlive = [WeakObject]() { return WeakObject.IsValid(); };
			Instance->Invoke = [WeakObject, InMethod, Payload = std::make_tuple(Vars...)](ParamTypes... Params) -> RetValType {
				// Keep the object alive for the duration of the call.
				const TSharedPtr<UserClass, Mode> Pinned = WeakObject.Pin();
				checkf(Pinned.IsValid(), TEXT("Executing a delegate whose shared-pointer target has been destroyed"));
				return std::apply([&](const auto&... Payloads) -> RetValType { return (RetValType)std::invoke(InMethod, Pinned.Get(), Forward<ParamTypes>(Params)..., Payloads...); }, Payload);
			};
			return Instance;
		}

		template<typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
		static TInstancePtr<RetValType, ParamTypes...> SPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, FunctorType&& InFunctor, VarTypes... Vars)
		{
			auto Instance = std::make_shared<FInstance>();
			Instance->Kind = EDelegateInstanceKind::WeakLambda;
			Instance->UserObject = &InUserObjectRef.Get();
			TWeakPtr<UserClass, Mode> WeakObject(InUserObjectRef);
			Instance->IsTargetAlive = [WeakObject]() { return WeakObject.IsValid(); };
			auto SharedFunctor = std::make_shared<std::decay_t<FunctorType>>(Forward<FunctorType>(InFunctor));
			Instance->Invoke = [WeakObject, SharedFunctor, Payload = std::make_tuple(Vars...)](ParamTypes... Params) -> RetValType {
				const TSharedPtr<UserClass, Mode> Pinned = WeakObject.Pin();
				checkf(Pinned.IsValid(), TEXT("Executing a delegate whose shared-pointer target has been destroyed"));
				return std::apply([&](const auto&... Payloads) -> RetValType { return (RetValType)(*SharedFunctor)(Forward<ParamTypes>(Params)..., Payloads...); }, Payload);
			};
			return Instance;
		}

		template<typename UserClass, typename MethodType, typename... VarTypes>
		static TInstancePtr<RetValType, ParamTypes...> UObject(UserClass* InUserObject, MethodType InMethod, VarTypes... Vars)
		{
			checkf(InUserObject != nullptr, TEXT("Binding a delegate to a null object"));
			typedef std::remove_const_t<UserClass> FMutableClass;
			auto Instance = std::make_shared<FInstance>();
			Instance->Kind = EDelegateInstanceKind::UObject;
			Instance->UserObject = InUserObject;
			// The object is held weakly: the binding goes quiet once the object dies.
			TWeakObjectPtr<FMutableClass> WeakObject(const_cast<FMutableClass*>(InUserObject));
			Instance->IsTargetAlive = [WeakObject]() { return WeakObject.IsValid(); };
			Instance->Invoke = [WeakObject, InMethod, Payload = std::make_tuple(Vars...)](ParamTypes... Params) -> RetValType {
				FMutableClass* Object = WeakObject.Get();
				checkf(Object != nullptr, TEXT("Executing a delegate whose UObject target has been destroyed"));
				return std::apply([&](const auto&... Payloads) -> RetValType { return (RetValType)std::invoke(InMethod, Object, Forward<ParamTypes>(Params)..., Payloads...); }, Payload);
			};
			return Instance;
		}

		template<typename UserClass, typename FunctorType, typename... VarTypes>
		static TInstancePtr<RetValType, ParamTypes...> WeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes... Vars)
		{
			checkf(InUserObject != nullptr, TEXT("Binding a delegate to a null object"));
			typedef std::remove_const_t<UserClass> FMutableClass;
			auto Instance = std::make_shared<FInstance>();
			Instance->Kind = EDelegateInstanceKind::WeakLambda;
			Instance->UserObject = InUserObject;
			TWeakObjectPtr<FMutableClass> WeakObject(const_cast<FMutableClass*>(InUserObject));
			Instance->IsTargetAlive = [WeakObject]() { return WeakObject.IsValid(); };
			auto SharedFunctor = std::make_shared<std::decay_t<FunctorType>>(Forward<FunctorType>(InFunctor));
			Instance->Invoke = [SharedFunctor, Payload = std::make_tuple(Vars...)](ParamTypes... Params) -> RetValType {
				return std::apply([&](const auto&... Payloads) -> RetValType { return (RetValType)(*SharedFunctor)(Forward<ParamTypes>(Params)..., Payloads...); }, Payload);
			};
			return Instance;
		}
	};
}

template<typename InRetValType, typename... ParamTypes, typename UserPolicy>
class TDelegate<InRetValType(ParamTypes...), UserPolicy>
{
	template<typename, typename> friend class TMulticastDelegate;
	typedef UE::Delegates::Private::TInstanceFactory<InRetValType, ParamTypes...> FFactory;
	typedef UE::Delegates::Private::TInstancePtr<InRetValType, ParamTypes...> FInstancePtr;

public:
	typedef InRetValType RetValType;
	typedef InRetValType TFuncType(ParamTypes...);

	TDelegate() = default;
	TDelegate(std::nullptr_t) {}

	// Factories

	template<typename FuncType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateStatic(FuncType InFunc, VarTypes... Vars)
	{
		return TDelegate(FFactory::Static(InFunc, Vars...));
	}

	template<typename UserClass, typename MethodType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateRaw(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars)
	{
		return TDelegate(FFactory::Raw(InUserObject, InFunc, Vars...));
	}

	template<typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateLambda(FunctorType&& InFunctor, VarTypes... Vars)
	{
		return TDelegate(FFactory::Lambda(Forward<FunctorType>(InFunctor), Vars...));
	}

	template<typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, MethodType InFunc, VarTypes... Vars)
	{
		return TDelegate(FFactory::SP(InUserObjectRef, InFunc, Vars...));
	}

	template<typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedPtr<UserClass, Mode>& InUserObjectPtr, MethodType InFunc, VarTypes... Vars)
	{
		return TDelegate(FFactory::SP(InUserObjectPtr.ToSharedRef(), InFunc, Vars...));
	}

	template<typename UserClass, typename MethodType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars)
	{
		return TDelegate(FFactory::SP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, Vars...));
	}

	template<typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, FunctorType&& InFunctor, VarTypes... Vars)
	{
		return TDelegate(FFactory::SPLambda(InUserObjectRef, Forward<FunctorType>(InFunctor), Vars...));
	}

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSPLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes... Vars)
	{
		return TDelegate(FFactory::SPLambda(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), Forward<FunctorType>(InFunctor), Vars...));
	}

	template<typename UserClass, typename MethodType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateUObject(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars)
	{
		return TDelegate(FFactory::UObject(InUserObject, InFunc, Vars...));
	}

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes... Vars)
	{
		return TDelegate(FFactory::WeakLambda(InUserObject, Forward<FunctorType>(InFunctor), Vars...));
	}

	// Binding

	template<typename FuncType, typename... VarTypes>
	void BindStatic(FuncType InFunc, VarTypes... Vars) { *this = CreateStatic(InFunc, Vars...); }

	template<typename UserClass, typename MethodType, typename... VarTypes>
	void BindRaw(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars) { *this = CreateRaw(InUserObject, InFunc, Vars...); }

	template<typename FunctorType, typename... VarTypes>
	void BindLambda(FunctorType&& InFunctor, VarTypes... Vars) { *this = CreateLambda(Forward<FunctorType>(InFunctor), Vars...); }

	template<typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	void BindSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, MethodType InFunc, VarTypes... Vars) { *this = CreateSP(InUserObjectRef, InFunc, Vars...); }

	template<typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	void BindSP(const TSharedPtr<UserClass, Mode>& InUserObjectPtr, MethodType InFunc, VarTypes... Vars) { *this = CreateSP(InUserObjectPtr, InFunc, Vars...); }

	template<typename UserClass, typename MethodType, typename... VarTypes>
	void BindSP(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars) { *this = CreateSP(InUserObject, InFunc, Vars...); }

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	void BindSPLambda(UserClass&& InUserObject, FunctorType&& InFunctor, VarTypes... Vars) { *this = CreateSPLambda(Forward<UserClass>(InUserObject), Forward<FunctorType>(InFunctor), Vars...); }

	template<typename UserClass, typename MethodType, typename... VarTypes>
	void BindUObject(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars) { *this = CreateUObject(InUserObject, InFunc, Vars...); }

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	void BindWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes... Vars) { *this = CreateWeakLambda(InUserObject, Forward<FunctorType>(InFunctor), Vars...); }

	void Unbind() { Instance.reset(); }

	// Querying and calling

	/** Bound, and its target (shared pointer or UObject) is still alive. */
	bool IsBound() const { return Instance && Instance->IsSafeToExecute(); }
	bool IsBoundToObject(const void* InUserObject) const { return Instance && InUserObject && Instance->UserObject == InUserObject; }
	const void* GetObjectForTimerManager() const { return Instance ? Instance->UserObject : nullptr; }
	FDelegateHandle GetHandle() const { return Instance ? Instance->Handle : FDelegateHandle(); }

	RetValType Execute(ParamTypes... Params) const
	{
		checkf(Instance, TEXT("Execute called on an unbound delegate"));
		checkf(Instance->IsSafeToExecute(), TEXT("Execute called on a delegate whose target has been destroyed"));
		// Hold the binding: the call may rebind or unbind this delegate.
		const FInstancePtr Pinned = Instance;
		return Pinned->Invoke(Forward<ParamTypes>(Params)...);
	}

	/** Calls the delegate if it is bound; for a non-void delegate, returns whether it ran. */
	auto ExecuteIfBound(ParamTypes... Params) const
	{
		if constexpr (std::is_void_v<RetValType>)
		{
			if (IsBound())
			{
				const FInstancePtr Pinned = Instance;
				Pinned->Invoke(Forward<ParamTypes>(Params)...);
				return true;
			}
			return false;
		}
		else
		{
			static_assert(std::is_void_v<RetValType>, "ExecuteIfBound is only available for delegates without a return value");
		}
	}

private:
	explicit TDelegate(FInstancePtr InInstance)
		: Instance(MoveTemp(InInstance))
	{
	}

	FInstancePtr Instance;
};

template<typename... ParamTypes, typename UserPolicy>
class TMulticastDelegate<void(ParamTypes...), UserPolicy>
{
	typedef UE::Delegates::Private::TInstanceFactory<void, ParamTypes...> FFactory;
	typedef UE::Delegates::Private::TInstancePtr<void, ParamTypes...> FInstancePtr;

public:
	typedef TDelegate<void(ParamTypes...), UserPolicy> FDelegate;

	TMulticastDelegate() = default;

	TMulticastDelegate(const TMulticastDelegate& Other)
		: InvocationList(Other.InvocationList)
	{
	}

	TMulticastDelegate& operator=(const TMulticastDelegate& Other)
	{
		if (this != &Other)
		{
			InvocationList = Other.InvocationList;
			CompactIfUnlocked();
		}
		return *this;
	}

	FDelegateHandle Add(const FDelegate& InNewDelegate)
	{
		if (!InNewDelegate.Instance)
		{
			return FDelegateHandle();
		}
		return AddInstance(InNewDelegate.Instance);
	}

	template<typename FuncType, typename... VarTypes>
	FDelegateHandle AddStatic(FuncType InFunc, VarTypes... Vars) { return AddInstance(FFactory::Static(InFunc, Vars...)); }

	template<typename UserClass, typename MethodType, typename... VarTypes>
	FDelegateHandle AddRaw(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars) { return AddInstance(FFactory::Raw(InUserObject, InFunc, Vars...)); }

	template<typename FunctorType, typename... VarTypes>
	FDelegateHandle AddLambda(FunctorType&& InFunctor, VarTypes... Vars) { return AddInstance(FFactory::Lambda(Forward<FunctorType>(InFunctor), Vars...)); }

	template<typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	FDelegateHandle AddSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, MethodType InFunc, VarTypes... Vars) { return AddInstance(FFactory::SP(InUserObjectRef, InFunc, Vars...)); }

	template<typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	FDelegateHandle AddSP(const TSharedPtr<UserClass, Mode>& InUserObjectPtr, MethodType InFunc, VarTypes... Vars) { return AddInstance(FFactory::SP(InUserObjectPtr.ToSharedRef(), InFunc, Vars...)); }

	template<typename UserClass, typename MethodType, typename... VarTypes>
	FDelegateHandle AddSP(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars) { return AddInstance(FFactory::SP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, Vars...)); }

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	FDelegateHandle AddSPLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes... Vars) { return AddInstance(FFactory::SPLambda(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), Forward<FunctorType>(InFunctor), Vars...)); }

	template<typename UserClass, ESPMode Mode, typename FunctorType, typename... VarTypes>
	FDelegateHandle AddSPLambda(const TSharedRef<UserClass, Mode>& InUserObjectRef, FunctorType&& InFunctor, VarTypes... Vars) { return AddInstance(FFactory::SPLambda(InUserObjectRef, Forward<FunctorType>(InFunctor), Vars...)); }

	template<typename UserClass, typename MethodType, typename... VarTypes>
	FDelegateHandle AddUObject(UserClass* InUserObject, MethodType InFunc, VarTypes... Vars) { return AddInstance(FFactory::UObject(InUserObject, InFunc, Vars...)); }

	template<typename UserClass, typename FunctorType, typename... VarTypes>
	FDelegateHandle AddWeakLambda(UserClass* InUserObject, FunctorType&& InFunctor, VarTypes... Vars) { return AddInstance(FFactory::WeakLambda(InUserObject, Forward<FunctorType>(InFunctor), Vars...)); }

	/** Removes the binding with this handle; true if one was found. */
	bool Remove(FDelegateHandle Handle)
	{
		if (!Handle.IsValid())
		{
			return false;
		}
		for (FInstancePtr& Entry : InvocationList)
		{
			if (Entry && Entry->Handle == Handle)
			{
				Entry.reset();
				CompactIfUnlocked();
				return true;
			}
		}
		return false;
	}

	/** Removes every binding to InUserObject; returns how many. */
	int32 RemoveAll(const void* InUserObject)
	{
		int32 NumRemoved = 0;
		if (InUserObject)
		{
			for (FInstancePtr& Entry : InvocationList)
			{
				if (Entry && Entry->UserObject == InUserObject)
				{
					Entry.reset();
					++NumRemoved;
				}
			}
		}
		CompactIfUnlocked();
		return NumRemoved;
	}

	void Clear()
	{
		for (FInstancePtr& Entry : InvocationList)
		{
			Entry.reset();
		}
		CompactIfUnlocked();
	}

	/** True if any binding can still run. */
	bool IsBound() const
	{
		for (const FInstancePtr& Entry : InvocationList)
		{
			if (Entry && Entry->IsSafeToExecute())
			{
				return true;
			}
		}
		return false;
	}

	bool IsBoundToObject(const void* InUserObject) const
	{
		for (const FInstancePtr& Entry : InvocationList)
		{
			if (Entry && InUserObject && Entry->UserObject == InUserObject)
			{
				return true;
			}
		}
		return false;
	}

	/**
	 * Calls every binding in the order they were added. Bindings removed during the broadcast and not yet
	 * called are skipped; bindings added during it are not called until the next broadcast.
	 */
	void Broadcast(ParamTypes... Params) const
	{
		++LockCount;
		const SIZE_T NumAtStart = InvocationList.size();
		for (SIZE_T Index = 0; Index < NumAtStart; ++Index)
		{
			const FInstancePtr Entry = InvocationList[Index];
			if (Entry && Entry->IsSafeToExecute())
			{
				Entry->Invoke(Params...);
			}
		}
		--LockCount;
		const_cast<TMulticastDelegate*>(this)->CompactIfUnlocked();
	}

private:
	FDelegateHandle AddInstance(FInstancePtr InInstance)
	{
		CompactIfUnlocked();
		const FDelegateHandle Handle = InInstance->Handle;
		InvocationList.push_back(MoveTemp(InInstance));
		return Handle;
	}

	/** Drops removed bindings and those whose target died, unless a broadcast is walking the list. */
	void CompactIfUnlocked()
	{
		if (LockCount != 0)
		{
			return;
		}
		std::vector<FInstancePtr> Kept;
		Kept.reserve(InvocationList.size());
		for (FInstancePtr& Entry : InvocationList)
		{
			if (Entry && Entry->IsSafeToExecute())
			{
				Kept.push_back(MoveTemp(Entry));
			}
		}
		InvocationList = MoveTemp(Kept);
	}

	std::vector<FInstancePtr> InvocationList;
	mutable int32 LockCount = 0;
};

#include "Delegates/DelegateCombinations.h"
#include "UObject/ScriptDelegates.h"
