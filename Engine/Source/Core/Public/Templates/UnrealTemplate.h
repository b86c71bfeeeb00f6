// Move/forward helpers and small utilities under the engine's names.
#pragma once

#include "CoreTypes.h"
#include "Templates/UnrealTypeTraits.h"
#include <utility>
#include <type_traits>

template<typename T>
FORCEINLINE constexpr std::remove_reference_t<T>&& MoveTemp(T&& Obj)
{
	// The engine forbids moving from const objects; a silent copy would hide a mistake.
	static_assert(!std::is_const_v<std::remove_reference_t<T>>, "MoveTemp called on a const object");
	return static_cast<std::remove_reference_t<T>&&>(Obj);
}

template<typename T>
FORCEINLINE constexpr std::remove_reference_t<T>&& MoveTempIfPossible(T&& Obj)
{
	return static_cast<std::remove_reference_t<T>&&>(Obj);
}

template<typename T>
FORCEINLINE constexpr T&& Forward(std::remove_reference_t<T>& Obj)
{
	return static_cast<T&&>(Obj);
}

template<typename T>
FORCEINLINE constexpr T&& Forward(std::remove_reference_t<T>&& Obj)
{
	return static_cast<T&&>(Obj);
}

template<typename T>
FORCEINLINE T CopyTemp(const T& Val)
{
	return Val;
}

template<typename T>
FORCEINLINE void Swap(T& A, T& B)
{
	T Temp = MoveTemp(A);
	A = MoveTemp(B);
	B = MoveTemp(Temp);
}

template<typename T, typename U = T>
FORCEINLINE T Exchange(T& Value, U&& NewValue)
{
	T Old = MoveTemp(Value);
	Value = Forward<U>(NewValue);
	return Old;
}

template<typename T>
FORCEINLINE constexpr T Align(T Val, uint64 Alignment)
{
	return (T)(((uint64)Val + Alignment - 1) & ~(Alignment - 1));
}

template<typename T>
FORCEINLINE T* AddressOf(T& Obj)
{
	return std::addressof(Obj);
}

/** Base for types that must not be copied. */
class FNoncopyable
{
protected:
	FNoncopyable() = default;
	~FNoncopyable() = default;

private:
	FNoncopyable(const FNoncopyable&) = delete;
	FNoncopyable& operator=(const FNoncopyable&) = delete;
};

/** Assigns a value for the lifetime of a scope and restores the old one afterwards. */
template<typename RefType, typename AssignedType = RefType>
class TGuardValue : private FNoncopyable
{
public:
	TGuardValue(RefType& InReference, const AssignedType& InValue)
		: Ref(InReference)
		, OldValue(InReference)
	{
		Ref = InValue;
	}

	~TGuardValue()
	{
		Ref = OldValue;
	}

	const AssignedType& GetOriginalValue() const
	{
		return OldValue;
	}

private:
	RefType& Ref;
	AssignedType OldValue;
};
