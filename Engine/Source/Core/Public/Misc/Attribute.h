// TAttribute: a value, or a getter delegate polled for the value (how Slate arguments stay live).
#pragma once

#include "CoreTypes.h"
#include "Delegates/Delegate.h"
#include "Templates/UnrealTemplate.h"

template<typename ObjectType>
class TAttribute
{
public:
	typedef TDelegate<ObjectType()> FGetter;

	/** An unset attribute. */
	TAttribute() = default;

	template<typename OtherType, typename = std::enable_if_t<std::is_constructible_v<ObjectType, const OtherType&> && !std::is_same_v<std::decay_t<OtherType>, TAttribute>>>
	TAttribute(const OtherType& InInitialValue)
		: Value(InInitialValue)
		, bIsSet(true)
	{
	}

	TAttribute(ObjectType&& InInitialValue)
		: Value(MoveTemp(InInitialValue))
		, bIsSet(true)
	{
	}

	template<typename SourceType, ESPMode Mode>
	TAttribute(const TSharedRef<SourceType, Mode>& InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
		: bIsSet(true)
	{
		Getter.BindSP(InUserObject, InMethodPtr);
	}

	template<typename SourceType>
	TAttribute(SourceType* InUserObject, ObjectType (SourceType::*InMethodPtr)() const)
		: bIsSet(true)
	{
		Getter.BindSP(InUserObject, InMethodPtr);
	}

	static TAttribute Create(const FGetter& InGetter)
	{
		TAttribute Attribute;
		Attribute.Bind(InGetter);
		return Attribute;
	}

	static TAttribute Create(FGetter&& InGetter)
	{
		TAttribute Attribute;
		Attribute.Bind(MoveTemp(InGetter));
		return Attribute;
	}

	template<typename LambdaType>
	static TAttribute CreateLambda(LambdaType&& InCallable)
	{
		return Create(FGetter::CreateLambda(Forward<LambdaType>(InCallable)));
	}

	template<typename FuncType, typename... VarTypes>
	static TAttribute Create(FuncType* InFuncPtr, VarTypes... Vars)
	{
		return Create(FGetter::CreateStatic(InFuncPtr, Vars...));
	}

	/** Replaces any getter with a fixed value. */
	void Set(const ObjectType& InNewValue)
	{
		Getter.Unbind();
		Value = InNewValue;
		bIsSet = true;
	}

	void Set(ObjectType&& InNewValue)
	{
		Getter.Unbind();
		Value = MoveTemp(InNewValue);
		bIsSet = true;
	}

	/** The getter's current result when bound, else the stored value. */
	const ObjectType& Get() const
	{
		if (Getter.IsBound())
		{
			Value = Getter.Execute();
		}
		return Value;
	}

	const ObjectType& Get(const ObjectType& DefaultValue) const
	{
		return bIsSet ? Get() : DefaultValue;
	}

	bool IsSet() const { return bIsSet; }
	bool IsBound() const { return Getter.IsBound(); }
	const FGetter& GetBinding() const { return Getter; }
	bool IsBoundToObject(const void* InUserObject) const { return Getter.IsBoundToObject(InUserObject); }

	void Bind(const FGetter& InGetter)
	{
		bIsSet = true;
		Getter = InGetter;
	}

	void Bind(FGetter&& InGetter)
	{
		bIsSet = true;
		Getter = MoveTemp(InGetter);
	}

	template<typename FuncType, typename... VarTypes>
	void BindStatic(FuncType InFunc, VarTypes... Vars)
	{
		bIsSet = true;
		Getter.BindStatic(InFunc, Vars...);
	}

	template<typename SourceType, typename MethodType, typename... VarTypes>
	void BindRaw(SourceType* InUserObject, MethodType InMethod, VarTypes... Vars)
	{
		bIsSet = true;
		Getter.BindRaw(InUserObject, InMethod, Vars...);
	}

	template<typename SourceType, typename MethodType, typename... VarTypes>
	void BindSP(SourceType&& InUserObject, MethodType InMethod, VarTypes... Vars)
	{
		bIsSet = true;
		Getter.BindSP(Forward<SourceType>(InUserObject), InMethod, Vars...);
	}

	template<typename SourceType, typename MethodType, typename... VarTypes>
	void BindUObject(SourceType* InUserObject, MethodType InMethod, VarTypes... Vars)
	{
		bIsSet = true;
		Getter.BindUObject(InUserObject, InMethod, Vars...);
	}

	template<typename LambdaType, typename... VarTypes>
	void BindLambda(LambdaType&& InCallable, VarTypes... Vars)
	{
		bIsSet = true;
		Getter.BindLambda(Forward<LambdaType>(InCallable), Vars...);
	}

	/** Same getter binding, or both unbound with equal values. */
	bool IdenticalTo(const TAttribute& InOther) const
	{
		if (IsBound() || InOther.IsBound())
		{
			return IsBound() && InOther.IsBound() && Getter.GetHandle() == InOther.Getter.GetHandle();
		}
		return bIsSet == InOther.bIsSet && (!bIsSet || Value == InOther.Value);
	}

private:
	mutable ObjectType Value = ObjectType();
	bool bIsSet = false;
	FGetter Getter;
};

template<typename T, typename... VarTypes>
TAttribute<T> MakeAttributeLambda(TFunction<T()> InCallable)
{
	return TAttribute<T>::CreateLambda(MoveTemp(InCallable));
}

template<typename LambdaType>
auto MakeAttributeLambda(LambdaType&& InCallable) -> TAttribute<decltype(InCallable())>
{
	return TAttribute<decltype(InCallable())>::CreateLambda(Forward<LambdaType>(InCallable));
}

template<typename SourceType, typename T, typename... VarTypes>
TAttribute<T> MakeAttributeSP(SourceType* InObject, T (SourceType::*InMethod)() const)
{
	return TAttribute<T>::Create(TDelegate<T()>::CreateSP(InObject, InMethod));
}

template<typename SourceType, ESPMode Mode, typename T>
TAttribute<T> MakeAttributeSP(const TSharedRef<SourceType, Mode>& InObject, T (SourceType::*InMethod)() const)
{
	return TAttribute<T>::Create(TDelegate<T()>::CreateSP(InObject, InMethod));
}

template<typename SourceType, typename T>
TAttribute<T> MakeAttributeRaw(const SourceType* InObject, T (SourceType::*InMethod)() const)
{
	return TAttribute<T>::Create(TDelegate<T()>::CreateRaw(InObject, InMethod));
}

template<typename SourceType, typename T>
TAttribute<T> MakeAttributeUObject(SourceType* InObject, T (SourceType::*InMethod)() const)
{
	return TAttribute<T>::Create(TDelegate<T()>::CreateUObject(InObject, InMethod));
}
