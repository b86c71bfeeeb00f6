// Type traits under the engine's names, built on <type_traits>.
#pragma once

#include <type_traits>

// clang-format off
template<typename T> struct TDecay { typedef std::decay_t<T> Type; };
template<typename T> struct TRemoveReference { typedef std::remove_reference_t<T> Type; };
template<typename T> struct TRemoveCV { typedef std::remove_cv_t<T> Type; };
template<typename T> struct TRemovePointer { typedef std::remove_pointer_t<T> Type; };
template<typename T> struct TIsArithmetic { enum { Value = std::is_arithmetic_v<T> }; };
template<typename T> struct TIsIntegral { enum { Value = std::is_integral_v<T> }; };
template<typename T> struct TIsFloatingPoint { enum { Value = std::is_floating_point_v<T> }; };
template<typename T> struct TIsPointer { enum { Value = std::is_pointer_v<T> }; };
template<typename T> struct TIsEnum { enum { Value = std::is_enum_v<T> }; };
template<typename A, typename B> struct TIsSame { enum { Value = std::is_same_v<A, B> }; };
template<typename From, typename To> struct TIsConvertible { enum { Value = std::is_convertible_v<From, To> }; };
template<typename Base, typename Derived> struct TIsDerivedFrom { enum { Value = std::is_base_of_v<Derived, Base> }; };
template<typename T> struct TIsTriviallyDestructible { enum { Value = std::is_trivially_destructible_v<T> }; };
template<typename T> struct TIsTriviallyCopyConstructible { enum { Value = std::is_trivially_copy_constructible_v<T> }; };
template<bool bCondition, typename T = void> using TEnableIf = std::enable_if<bCondition, T>;
template<bool bCondition, typename A, typename B> struct TChooseClass { typedef std::conditional_t<bCondition, A, B> Result; };
template<typename T> struct TIdentity { typedef T Type; };
template<typename T> using TIdentity_T = T;

/** Whether the engine's containers may relocate T with memcpy; the stand-in always moves properly. */
template<typename T> struct TIsBitwiseConstructible { enum { Value = false }; };
template<typename T> struct TIsPODType { enum { Value = std::is_trivial_v<T> && std::is_standard_layout_v<T> }; };
template<typename T> struct TIsZeroConstructType { enum { Value = std::is_trivially_default_constructible_v<T> }; };
// clang-format on
