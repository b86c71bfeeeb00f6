// TTuple and TPair. A two-element tuple exposes Key and Value members, as the engine's TPair does.
#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include <tuple>

template<typename... Types>
struct TTuple
{
	std::tuple<Types...> Elements;

	TTuple() = default;

	template<typename... ArgTypes, typename = std::enable_if_t<sizeof...(ArgTypes) == sizeof...(Types) && (sizeof...(Types) > 0)>>
	TTuple(ArgTypes&&... Args)
		: Elements(Forward<ArgTypes>(Args)...)
	{
	}

	template<SIZE_T Index> auto& Get() & { return std::get<Index>(Elements); }
	template<SIZE_T Index> const auto& Get() const& { return std::get<Index>(Elements); }
	template<SIZE_T Index> auto&& Get() && { return std::get<Index>(MoveTemp(Elements)); }

	template<typename FuncType>
	decltype(auto) ApplyAfter(FuncType&& Func) const
	{
		return std::apply(Forward<FuncType>(Func), Elements);
	}

	bool operator==(const TTuple& Other) const { return Elements == Other.Elements; }
	bool operator!=(const TTuple& Other) const { return !(Elements == Other.Elements); }
	bool operator<(const TTuple& Other) const { return Elements < Other.Elements; }
};

template<typename KeyType, typename ValueType>
struct TTuple<KeyType, ValueType>
{
	KeyType Key;
	ValueType Value;

	TTuple() = default;

	template<typename KeyArg, typename ValueArg>
	TTuple(KeyArg&& InKey, ValueArg&& InValue)
		: Key(Forward<KeyArg>(InKey))
		, Value(Forward<ValueArg>(InValue))
	{
	}

	template<typename OtherKey, typename OtherValue>
	TTuple(const TTuple<OtherKey, OtherValue>& Other)
		: Key(Other.Key)
		, Value(Other.Value)
	{
	}

	template<SIZE_T Index>
	auto& Get() &
	{
		static_assert(Index < 2, "Tuple index out of range");
		if constexpr (Index == 0)
		{
			return Key;
		}
		else
		{
			return Value;
		}
	}

	template<SIZE_T Index>
	const auto& Get() const&
	{
		static_assert(Index < 2, "Tuple index out of range");
		if constexpr (Index == 0)
		{
			return Key;
		}
		else
		{
			return Value;
		}
	}

	template<typename FuncType>
	decltype(auto) ApplyAfter(FuncType&& Func) const
	{
		return Func(Key, Value);
	}

	bool operator==(const TTuple& Other) const { return Key == Other.Key && Value == Other.Value; }
	bool operator!=(const TTuple& Other) const { return !(*this == Other); }
	bool operator<(const TTuple& Other) const { return Key < Other.Key || (!(Other.Key < Key) && Value < Other.Value); }
};

template<typename KeyType, typename ValueType>
using TPair = TTuple<KeyType, ValueType>;

template<typename... Types>
TTuple<std::decay_t<Types>...> MakeTuple(Types&&... Args)
{
	return TTuple<std::decay_t<Types>...>(Forward<Types>(Args)...);
}

template<typename... Types>
TTuple<Types&...> Tie(Types&... Args)
{
	return TTuple<Types&...>(Args...);
}

template<typename KeyType, typename ValueType>
uint32 GetTypeHash(const TTuple<KeyType, ValueType>& Pair)
{
	return HashCombine(GetTypeHash(Pair.Key), GetTypeHash(Pair.Value));
}

template<typename T> struct TTupleArity;
template<typename... Types> struct TTupleArity<TTuple<Types...>>
{
	enum
	{
		Value = sizeof...(Types)
	};
};
