// Script (dynamic) delegates: bound by object and function name and invoked through the
// reflection system, so they survive the bound object's death (a dead target is skipped).
// The invoking code lives in templates parameterised on the object type, because UObject
// belongs to CoreUObject, which Core cannot see.

#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "UObject/NameTypes.h"
#include "UObject/WeakObjectPtrTemplates.h"

#include <type_traits>

class UObject;
struct FWeakObjectPtr;

template<typename TWeakPtr = FWeakObjectPtr>
class TScriptDelegate
{
public:
	TScriptDelegate() = default;

	/** Binds to a reflected function on an object; the call goes through ProcessEvent. */
	void BindUFunction(UObject* InObject, const FName& InFunctionName)
	{
		Object = InObject;
		FunctionName = InFunctionName;
	}

	/** True when the object is alive and still has a function of that name. */
	bool IsBound() const
	{
		return IsBound_Internal<UObject>();
	}

	bool IsBoundToObject(void const* InUserObject) const
	{
		return InUserObject != nullptr && InUserObject == GetUObject();
	}

	bool IsCompactable() const
	{
		return FunctionName == NAME_None || !Object.Get(true);
	}

	void Unbind()
	{
		Object.Reset();
		FunctionName = NAME_None;
	}

	void Clear()
	{
		Unbind();
	}

	UObject* GetUObject()
	{
		return static_cast<UObject*>(Object.Get());
	}

	const UObject* GetUObject() const
	{
		return static_cast<const UObject*>(Object.Get());
	}

	UObject* GetUObjectEvenIfUnreachable() const
	{
		return static_cast<UObject*>(Object.GetEvenIfUnreachable());
	}

	FName GetFunctionName() const
	{
		return FunctionName;
	}

	FString ToString() const
	{
		return ToString_Internal<UObject>();
	}

	bool operator==(const TScriptDelegate& Other) const
	{
		return Object == Other.Object && FunctionName == Other.FunctionName;
	}

	bool operator!=(const TScriptDelegate& Other) const
	{
		return !(*this == Other);
	}

	/** Calls the bound function with a parameter block laid out as the function's parameters. */
	template<class UObjectTemplate>
	void ProcessDelegate(void* Parameters) const
	{
		checkf(Object.IsValid(), TEXT("ProcessDelegate() called with no object bound to delegate!"));
		checkf(FunctionName != NAME_None, TEXT("ProcessDelegate() called with no function name set!"));
		UObjectTemplate* ObjectPtr = static_cast<UObjectTemplate*>(Object.Get());
		auto* Function = ObjectPtr->FindFunctionChecked(FunctionName);
		ObjectPtr->ProcessEvent(Function, Parameters);
	}

	/** Exposed so FDelegateProperty can read and write the binding. */
	TWeakPtr Object;
	FName FunctionName;

private:
	template<class UObjectTemplate>
	bool IsBound_Internal() const
	{
		if (FunctionName != NAME_None)
		{
			if (UObjectTemplate* ObjectPtr = static_cast<UObjectTemplate*>(Object.Get()))
			{
				return ObjectPtr->FindFunction(FunctionName) != nullptr;
			}
		}
		return false;
	}

	template<class UObjectTemplate>
	FString ToString_Internal() const
	{
		if (const UObjectTemplate* ObjectPtr = static_cast<const UObjectTemplate*>(Object.Get()))
		{
			return ObjectPtr->GetPathName() + TEXT(".") + FunctionName.ToString();
		}
		return FString(TEXT("<Unbound>"));
	}
};

template<typename TWeakPtr = FWeakObjectPtr>
class TMulticastScriptDelegate
{
public:
	typedef TScriptDelegate<TWeakPtr> FScriptDelegateType;

	TMulticastScriptDelegate() = default;

	/** True when at least one binding has a live object. */
	bool IsBound() const
	{
		for (const FScriptDelegateType& Delegate : InvocationList)
		{
			if (Delegate.IsBound())
			{
				return true;
			}
		}
		return false;
	}

	bool Contains(const FScriptDelegateType& InDelegate) const
	{
		return InvocationList.Contains(InDelegate);
	}

	bool Contains(const UObject* InObject, FName InFunctionName) const
	{
		for (const FScriptDelegateType& Delegate : InvocationList)
		{
			if (Delegate.FunctionName == InFunctionName && Delegate.IsBoundToObject(InObject))
			{
				return true;
			}
		}
		return false;
	}

	/** Adds a binding; the same object/function may be added more than once. */
	void Add(const FScriptDelegateType& InDelegate)
	{
		CompactInvocationList();
		InvocationList.Add(InDelegate);
	}

	/** Adds a binding unless an equal one is already present. */
	void AddUnique(const FScriptDelegateType& InDelegate)
	{
		CompactInvocationList();
		InvocationList.AddUnique(InDelegate);
	}

	void Remove(const FScriptDelegateType& InDelegate)
	{
		InvocationList.RemoveSingle(InDelegate);
		CompactInvocationList();
	}

	void Remove(const UObject* InObject, FName InFunctionName)
	{
		for (int32 Index = 0; Index < InvocationList.Num(); ++Index)
		{
			const FScriptDelegateType& Delegate = InvocationList[Index];
			if (Delegate.FunctionName == InFunctionName && Delegate.GetUObjectEvenIfUnreachable() == InObject)
			{
				InvocationList.RemoveAt(Index);
				break;
			}
		}
		CompactInvocationList();
	}

	/** Removes every binding to an object. */
	void RemoveAll(const UObject* InObject)
	{
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			if (InvocationList[Index].GetUObjectEvenIfUnreachable() == InObject)
			{
				InvocationList.RemoveAt(Index);
			}
		}
	}

	void Clear()
	{
		InvocationList.Empty();
	}

	/** Every live bound object, in binding order. */
	TArray<UObject*> GetAllObjects() const
	{
		TArray<UObject*> Objects;
		for (const FScriptDelegateType& Delegate : InvocationList)
		{
			if (UObject* Object = const_cast<FScriptDelegateType&>(Delegate).GetUObject())
			{
				Objects.Add(Object);
			}
		}
		return Objects;
	}

	/** Calls every binding whose object is alive, in binding order. A copy of the list is walked
	 *  so a target may add or remove bindings while being called. */
	template<class UObjectTemplate>
	void ProcessMulticastDelegate(void* Parameters) const
	{
		if (InvocationList.Num() == 0)
		{
			return;
		}
		const TArray<FScriptDelegateType> InvocationListCopy = InvocationList;
		for (const FScriptDelegateType& Delegate : InvocationListCopy)
		{
			if (Delegate.FunctionName == NAME_None)
			{
				continue;
			}
			UObjectTemplate* ObjectPtr = static_cast<UObjectTemplate*>(Delegate.Object.Get());
			if (ObjectPtr == nullptr)
			{
				continue;
			}
			if (auto* Function = ObjectPtr->FindFunction(Delegate.FunctionName))
			{
				ObjectPtr->ProcessEvent(Function, Parameters);
			}
		}
	}

	bool operator==(const TMulticastScriptDelegate& Other) const
	{
		return InvocationList == Other.InvocationList;
	}

	/** Exposed so FMulticastDelegateProperty can read and write the bindings. */
	TArray<FScriptDelegateType> InvocationList;

private:
	void CompactInvocationList()
	{
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			if (InvocationList[Index].IsCompactable())
			{
				InvocationList.RemoveAt(Index);
			}
		}
	}
};

typedef TScriptDelegate<> FScriptDelegate;
typedef TMulticastScriptDelegate<> FMulticastScriptDelegate;

namespace UE::Delegates::Private
{
	/** "&UMyClass::OnFoo" -> "OnFoo": the name AddDynamic binds to. */
	inline FName GetTrimmedMemberFunctionName(const TCHAR* InMacroFunctionName)
	{
		const TCHAR* Start = InMacroFunctionName;
		for (const TCHAR* Cursor = InMacroFunctionName; *Cursor; ++Cursor)
		{
			if (*Cursor == TEXT(':'))
			{
				Start = Cursor + 1;
			}
		}
		while (*Start == TEXT('&') || *Start == TEXT(' '))
		{
			++Start;
		}
		return FName(Start);
	}

	/** Out parameters (non-const references) receive the value the target wrote into the block. */
	template<typename ParamType, typename ArgType, typename ValueType>
	inline void CopyOutParam(ArgType& Param, const ValueType& Value)
	{
		if constexpr (std::is_lvalue_reference_v<ParamType> && !std::is_const_v<std::remove_reference_t<ParamType>>)
		{
			Param = Value;
		}
	}
}

#define STATIC_FUNCTION_FNAME(str) UE::Delegates::Private::GetTrimmedMemberFunctionName(str)

/** Dynamic delegate bodies. A parameter block struct mirrors the signature in declaration order
 *  (the layout the header tool gives the signature function), then the call goes through ProcessEvent. */
#define UE_DYNDELEGATE_PARMS_0()
#define UE_DYNDELEGATE_PARMS_1(T1, N1) std::remove_cvref_t<T1> N1;
#define UE_DYNDELEGATE_PARMS_2(T1, N1, T2, N2) UE_DYNDELEGATE_PARMS_1(T1, N1) std::remove_cvref_t<T2> N2;
#define UE_DYNDELEGATE_PARMS_3(T1, N1, T2, N2, T3, N3) UE_DYNDELEGATE_PARMS_2(T1, N1, T2, N2) std::remove_cvref_t<T3> N3;
#define UE_DYNDELEGATE_PARMS_4(T1, N1, T2, N2, T3, N3, T4, N4) UE_DYNDELEGATE_PARMS_3(T1, N1, T2, N2, T3, N3) std::remove_cvref_t<T4> N4;
#define UE_DYNDELEGATE_PARMS_5(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) UE_DYNDELEGATE_PARMS_4(T1, N1, T2, N2, T3, N3, T4, N4) std::remove_cvref_t<T5> N5;
#define UE_DYNDELEGATE_PARMS_6(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6) UE_DYNDELEGATE_PARMS_5(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) std::remove_cvref_t<T6> N6;

#define UE_DYNDELEGATE_ARGS_0()
#define UE_DYNDELEGATE_ARGS_1(T1, N1) T1 N1
#define UE_DYNDELEGATE_ARGS_2(T1, N1, T2, N2) T1 N1, T2 N2
#define UE_DYNDELEGATE_ARGS_3(T1, N1, T2, N2, T3, N3) T1 N1, T2 N2, T3 N3
#define UE_DYNDELEGATE_ARGS_4(T1, N1, T2, N2, T3, N3, T4, N4) T1 N1, T2 N2, T3 N3, T4 N4
#define UE_DYNDELEGATE_ARGS_5(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) T1 N1, T2 N2, T3 N3, T4 N4, T5 N5
#define UE_DYNDELEGATE_ARGS_6(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6) T1 N1, T2 N2, T3 N3, T4 N4, T5 N5, T6 N6

#define UE_DYNDELEGATE_FILL_0()
#define UE_DYNDELEGATE_FILL_1(T1, N1) Parms.N1 = N1;
#define UE_DYNDELEGATE_FILL_2(T1, N1, T2, N2) UE_DYNDELEGATE_FILL_1(T1, N1) Parms.N2 = N2;
#define UE_DYNDELEGATE_FILL_3(T1, N1, T2, N2, T3, N3) UE_DYNDELEGATE_FILL_2(T1, N1, T2, N2) Parms.N3 = N3;
#define UE_DYNDELEGATE_FILL_4(T1, N1, T2, N2, T3, N3, T4, N4) UE_DYNDELEGATE_FILL_3(T1, N1, T2, N2, T3, N3) Parms.N4 = N4;
#define UE_DYNDELEGATE_FILL_5(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) UE_DYNDELEGATE_FILL_4(T1, N1, T2, N2, T3, N3, T4, N4) Parms.N5 = N5;
#define UE_DYNDELEGATE_FILL_6(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6) UE_DYNDELEGATE_FILL_5(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) Parms.N6 = N6;

#define UE_DYNDELEGATE_COPYOUT_0()
#define UE_DYNDELEGATE_COPYOUT_1(T1, N1) UE::Delegates::Private::CopyOutParam<T1>(N1, Parms.N1);
#define UE_DYNDELEGATE_COPYOUT_2(T1, N1, T2, N2) UE_DYNDELEGATE_COPYOUT_1(T1, N1) UE::Delegates::Private::CopyOutParam<T2>(N2, Parms.N2);
#define UE_DYNDELEGATE_COPYOUT_3(T1, N1, T2, N2, T3, N3) UE_DYNDELEGATE_COPYOUT_2(T1, N1, T2, N2) UE::Delegates::Private::CopyOutParam<T3>(N3, Parms.N3);
#define UE_DYNDELEGATE_COPYOUT_4(T1, N1, T2, N2, T3, N3, T4, N4) UE_DYNDELEGATE_COPYOUT_3(T1, N1, T2, N2, T3, N3) UE::Delegates::Private::CopyOutParam<T4>(N4, Parms.N4);
#define UE_DYNDELEGATE_COPYOUT_5(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) UE_DYNDELEGATE_COPYOUT_4(T1, N1, T2, N2, T3, N3, T4, N4) UE::Delegates::Private::CopyOutParam<T5>(N5, Parms.N5);
#define UE_DYNDELEGATE_COPYOUT_6(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6) UE_DYNDELEGATE_COPYOUT_5(T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) UE::Delegates::Private::CopyOutParam<T6>(N6, Parms.N6);

/** Object-binding helpers shared by single and multicast dynamic delegates. */
// clang-format off
#define UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, RetType, Count, ...) \
	class DelegateName : public TScriptDelegate<FWeakObjectPtr> \
	{ \
	public: \
		struct FParms \
		{ \
			UE_DYNDELEGATE_PARMS_##Count(__VA_ARGS__) \
			UE_DYNDELEGATE_RETVAL_MEMBER_##RetType \
		}; \
		DelegateName() = default; \
		explicit DelegateName(const TScriptDelegate<FWeakObjectPtr>& InScriptDelegate) : TScriptDelegate<FWeakObjectPtr>(InScriptDelegate) {} \
		template <typename UserClass, typename MethodType> \
		void __Internal_BindDynamic(UserClass* InUserObject, MethodType, FName InFunctionName) \
		{ \
			check(InUserObject != nullptr && InFunctionName != NAME_None); \
			this->BindUFunction(InUserObject, InFunctionName); \
			ensureMsgf(this->IsBound(), TEXT("Unable to bind delegate to '%s' (function might not be marked as a UFUNCTION or object may be pending kill)"), *InFunctionName.ToString()); \
		} \
		UE_DYNDELEGATE_EXECUTE_##RetType(Count, __VA_ARGS__) \
	};

#define UE_DYNDELEGATE_RETVAL_MEMBER_void
#define UE_DYNDELEGATE_EXECUTE_void(Count, ...) \
	void Execute(UE_DYNDELEGATE_ARGS_##Count(__VA_ARGS__)) const \
	{ \
		checkf(this->IsBound(), TEXT("Execute called on an unbound dynamic delegate")); \
		FParms Parms; \
		UE_DYNDELEGATE_FILL_##Count(__VA_ARGS__) \
		this->template ProcessDelegate<UObject>(&Parms); \
		UE_DYNDELEGATE_COPYOUT_##Count(__VA_ARGS__) \
	} \
	bool ExecuteIfBound(UE_DYNDELEGATE_ARGS_##Count(__VA_ARGS__)) const \
	{ \
		if (!this->IsBound()) \
		{ \
			return false; \
		} \
		FParms Parms; \
		UE_DYNDELEGATE_FILL_##Count(__VA_ARGS__) \
		this->template ProcessDelegate<UObject>(&Parms); \
		UE_DYNDELEGATE_COPYOUT_##Count(__VA_ARGS__) \
		return true; \
	}

#define UE_DYNDELEGATE_RETVAL_MEMBER_RETVAL ReturnValueType ReturnValue{};
#define UE_DYNDELEGATE_EXECUTE_RETVAL(Count, ...) \
	ReturnValueType Execute(UE_DYNDELEGATE_ARGS_##Count(__VA_ARGS__)) const \
	{ \
		checkf(this->IsBound(), TEXT("Execute called on an unbound dynamic delegate")); \
		FParms Parms; \
		UE_DYNDELEGATE_FILL_##Count(__VA_ARGS__) \
		this->template ProcessDelegate<UObject>(&Parms); \
		UE_DYNDELEGATE_COPYOUT_##Count(__VA_ARGS__) \
		return Parms.ReturnValue; \
	}

#define UE_DYNDELEGATE_RETVAL_CLASS(RetValType, DelegateName, Count, ...) \
	struct DelegateName##_ReturnValueTypeHolder \
	{ \
		typedef RetValType ReturnValueType; \
	}; \
	class DelegateName : public TScriptDelegate<FWeakObjectPtr>, public DelegateName##_ReturnValueTypeHolder \
	{ \
	public: \
		struct FParms \
		{ \
			UE_DYNDELEGATE_PARMS_##Count(__VA_ARGS__) \
			ReturnValueType ReturnValue{}; \
		}; \
		DelegateName() = default; \
		explicit DelegateName(const TScriptDelegate<FWeakObjectPtr>& InScriptDelegate) : TScriptDelegate<FWeakObjectPtr>(InScriptDelegate) {} \
		template <typename UserClass, typename MethodType> \
		void __Internal_BindDynamic(UserClass* InUserObject, MethodType, FName InFunctionName) \
		{ \
			check(InUserObject != nullptr && InFunctionName != NAME_None); \
			this->BindUFunction(InUserObject, InFunctionName); \
			ensureMsgf(this->IsBound(), TEXT("Unable to bind delegate to '%s' (function might not be marked as a UFUNCTION or object may be pending kill)"), *InFunctionName.ToString()); \
		} \
		UE_DYNDELEGATE_EXECUTE_RETVAL(Count, __VA_ARGS__) \
	};

#define UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, Count, ...) \
	class DelegateName : public TMulticastScriptDelegate<FWeakObjectPtr> \
	{ \
	public: \
		struct FParms \
		{ \
			UE_DYNDELEGATE_PARMS_##Count(__VA_ARGS__) \
		}; \
		DelegateName() = default; \
		explicit DelegateName(const TMulticastScriptDelegate<FWeakObjectPtr>& InMulticastScriptDelegate) : TMulticastScriptDelegate<FWeakObjectPtr>(InMulticastScriptDelegate) {} \
		template <typename UserClass, typename MethodType> \
		void __Internal_AddDynamic(UserClass* InUserObject, MethodType, FName InFunctionName) \
		{ \
			check(InUserObject != nullptr && InFunctionName != NAME_None); \
			TScriptDelegate<FWeakObjectPtr> NewDelegate; \
			NewDelegate.BindUFunction(InUserObject, InFunctionName); \
			ensureMsgf(NewDelegate.IsBound(), TEXT("Unable to bind delegate to '%s' (function might not be marked as a UFUNCTION or object may be pending kill)"), *InFunctionName.ToString()); \
			this->AddUnique(NewDelegate); \
		} \
		template <typename UserClass, typename MethodType> \
		void __Internal_AddUniqueDynamic(UserClass* InUserObject, MethodType InMethod, FName InFunctionName) \
		{ \
			__Internal_AddDynamic(InUserObject, InMethod, InFunctionName); \
		} \
		template <typename UserClass, typename MethodType> \
		void __Internal_RemoveDynamic(UserClass* InUserObject, MethodType, FName InFunctionName) \
		{ \
			this->Remove(InUserObject, InFunctionName); \
		} \
		template <typename UserClass, typename MethodType> \
		bool __Internal_IsAlreadyBound(UserClass* InUserObject, MethodType, FName InFunctionName) const \
		{ \
			return this->Contains(InUserObject, InFunctionName); \
		} \
		void Broadcast(UE_DYNDELEGATE_ARGS_##Count(__VA_ARGS__)) const \
		{ \
			FParms Parms; \
			UE_DYNDELEGATE_FILL_##Count(__VA_ARGS__) \
			this->template ProcessMulticastDelegate<UObject>(&Parms); \
			UE_DYNDELEGATE_COPYOUT_##Count(__VA_ARGS__) \
		} \
	};
// clang-format on

#define BindDynamic(UserObject, FuncName) __Internal_BindDynamic(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))
#define AddDynamic(UserObject, FuncName) __Internal_AddDynamic(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))
#define AddUniqueDynamic(UserObject, FuncName) __Internal_AddUniqueDynamic(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))
#define RemoveDynamic(UserObject, FuncName) __Internal_RemoveDynamic(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))
#define IsAlreadyBound(UserObject, FuncName) __Internal_IsAlreadyBound(UserObject, FuncName, STATIC_FUNCTION_FNAME(TEXT(#FuncName)))

#define DECLARE_DYNAMIC_DELEGATE(DelegateName) UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, void, 0)
#define DECLARE_DYNAMIC_DELEGATE_OneParam(DelegateName, T1, N1) UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, void, 1, T1, N1)
#define DECLARE_DYNAMIC_DELEGATE_TwoParams(DelegateName, T1, N1, T2, N2) UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, void, 2, T1, N1, T2, N2)
#define DECLARE_DYNAMIC_DELEGATE_ThreeParams(DelegateName, T1, N1, T2, N2, T3, N3) UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, void, 3, T1, N1, T2, N2, T3, N3)
#define DECLARE_DYNAMIC_DELEGATE_FourParams(DelegateName, T1, N1, T2, N2, T3, N3, T4, N4) UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, void, 4, T1, N1, T2, N2, T3, N3, T4, N4)
#define DECLARE_DYNAMIC_DELEGATE_FiveParams(DelegateName, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, void, 5, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5)
#define DECLARE_DYNAMIC_DELEGATE_SixParams(DelegateName, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6) UE_DYNDELEGATE_SINGLE_CLASS(DelegateName, void, 6, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6)

#define DECLARE_DYNAMIC_DELEGATE_RetVal(RetValType, DelegateName) UE_DYNDELEGATE_RETVAL_CLASS(RetValType, DelegateName, 0)
#define DECLARE_DYNAMIC_DELEGATE_RetVal_OneParam(RetValType, DelegateName, T1, N1) UE_DYNDELEGATE_RETVAL_CLASS(RetValType, DelegateName, 1, T1, N1)
#define DECLARE_DYNAMIC_DELEGATE_RetVal_TwoParams(RetValType, DelegateName, T1, N1, T2, N2) UE_DYNDELEGATE_RETVAL_CLASS(RetValType, DelegateName, 2, T1, N1, T2, N2)
#define DECLARE_DYNAMIC_DELEGATE_RetVal_ThreeParams(RetValType, DelegateName, T1, N1, T2, N2, T3, N3) UE_DYNDELEGATE_RETVAL_CLASS(RetValType, DelegateName, 3, T1, N1, T2, N2, T3, N3)

#define DECLARE_DYNAMIC_MULTICAST_DELEGATE(DelegateName) UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, 0)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_OneParam(DelegateName, T1, N1) UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, 1, T1, N1)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(DelegateName, T1, N1, T2, N2) UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, 2, T1, N1, T2, N2)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_ThreeParams(DelegateName, T1, N1, T2, N2, T3, N3) UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, 3, T1, N1, T2, N2, T3, N3)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_FourParams(DelegateName, T1, N1, T2, N2, T3, N3, T4, N4) UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, 4, T1, N1, T2, N2, T3, N3, T4, N4)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_FiveParams(DelegateName, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5) UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, 5, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5)
#define DECLARE_DYNAMIC_MULTICAST_DELEGATE_SixParams(DelegateName, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6) UE_DYNDELEGATE_MULTICAST_CLASS(DelegateName, 6, T1, N1, T2, N2, T3, N3, T4, N4, T5, N5, T6, N6)
