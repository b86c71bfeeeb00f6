// TFunction (copyable), TUniqueFunction (move-only) and TFunctionRef (non-owning), as the engine names them.
#pragma once

#include "CoreTypes.h"
#include "Templates/UnrealTemplate.h"
#include <functional>
#include <memory>

template<typename FuncType> class TFunction;
template<typename FuncType> class TUniqueFunction;
template<typename FuncType> class TFunctionRef;

template<typename ReturnType, typename... ParamTypes>
class TFunction<ReturnType(ParamTypes...)>
{
public:
	TFunction() = default;
	TFunction(std::nullptr_t) {}

	template<typename CallableType, typename = std::enable_if_t<!std::is_same_v<std::decay_t<CallableType>, TFunction> && std::is_invocable_v<std::decay_t<CallableType>&, ParamTypes...>>>
	TFunction(CallableType&& Callable)
		: Impl(Forward<CallableType>(Callable))
	{
	}

	ReturnType operator()(ParamTypes... Params) const
	{
		checkf(Impl, TEXT("Attempting to call an unbound TFunction!"));
		return Impl(Forward<ParamTypes>(Params)...);
	}

	explicit operator bool() const { return (bool)Impl; }
	bool IsSet() const { return (bool)Impl; }
	void Reset() { Impl = nullptr; }
	bool operator==(std::nullptr_t) const { return !Impl; }
	bool operator!=(std::nullptr_t) const { return (bool)Impl; }

private:
	std::function<ReturnType(ParamTypes...)> Impl;
};

template<typename ReturnType, typename... ParamTypes>
class TUniqueFunction<ReturnType(ParamTypes...)>
{
	// std::function needs copyable targets; a shared holder lets move-only callables in without ever copying them.
	struct FHolderBase
	{
		virtual ~FHolderBase() = default;
		virtual ReturnType Call(ParamTypes... Params) = 0;
	};

	template<typename CallableType>
	struct THolder : FHolderBase
	{
		CallableType Callable;
		explicit THolder(CallableType&& InCallable)
			: Callable(MoveTemp(InCallable))
		{
		}
		template<typename ArgType> explicit THolder(const ArgType& InCallable)
			: Callable(InCallable)
		{
		}
		ReturnType Call(ParamTypes... Params) override { return Callable(Forward<ParamTypes>(Params)...); }
	};

public:
	TUniqueFunction() = default;
	TUniqueFunction(std::nullptr_t) {}

	template<typename CallableType, typename = std::enable_if_t<!std::is_same_v<std::decay_t<CallableType>, TUniqueFunction> && std::is_invocable_v<std::decay_t<CallableType>&, ParamTypes...>>>
	TUniqueFunction(CallableType&& Callable)
	{
		using FStored = std::decay_t<CallableType>;
		if constexpr (std::is_pointer_v<FStored> || std::is_member_pointer_v<FStored>)
		{
			if (!Callable)
			{
				return;
			}
		}
		Impl = std::make_unique<THolder<FStored>>(Forward<CallableType>(Callable));
	}

	TUniqueFunction(TFunction<ReturnType(ParamTypes...)>&& Function)
	{
		if (Function)
		{
			Impl = std::make_unique<THolder<TFunction<ReturnType(ParamTypes...)>>>(MoveTemp(Function));
		}
	}

	TUniqueFunction(TUniqueFunction&&) = default;
	TUniqueFunction& operator=(TUniqueFunction&&) = default;
	TUniqueFunction(const TUniqueFunction&) = delete;
	TUniqueFunction& operator=(const TUniqueFunction&) = delete;

	ReturnType operator()(ParamTypes... Params) const
	{
		checkf(Impl, TEXT("Attempting to call an unbound TUniqueFunction!"));
		return Impl->Call(Forward<ParamTypes>(Params)...);
	}

	explicit operator bool() const { return (bool)Impl; }
	bool IsSet() const { return (bool)Impl; }
	void Reset() { Impl.reset(); }

private:
	std::unique_ptr<FHolderBase> Impl;
};

template<typename ReturnType, typename... ParamTypes>
class TFunctionRef<ReturnType(ParamTypes...)>
{
public:
	template<typename CallableType, typename = std::enable_if_t<!std::is_same_v<std::decay_t<CallableType>, TFunctionRef> && std::is_invocable_v<CallableType&, ParamTypes...>>>
	TFunctionRef(CallableType&& Callable)
		: Object((void*)std::addressof(Callable))
		, Invoker(&Invoke<std::remove_reference_t<CallableType>>)
	{
	}

	TFunctionRef(const TFunctionRef&) = default;

	ReturnType operator()(ParamTypes... Params) const
	{
		return Invoker(Object, Forward<ParamTypes>(Params)...);
	}

private:
	template<typename CallableType>
	static ReturnType Invoke(void* InObject, ParamTypes... Params)
	{
		return (*(CallableType*)InObject)(Forward<ParamTypes>(Params)...);
	}

	void* Object;
	ReturnType (*Invoker)(void*, ParamTypes...);
};
