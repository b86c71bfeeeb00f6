// TOptional: a value that may be unset; reading an unset value is a failed check.
#pragma once

#include "CoreTypes.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include <optional>

struct FNullOpt
{
	explicit constexpr FNullOpt(int) {}
};
inline constexpr FNullOpt NullOpt{ 0 };

template<typename OptionalType>
struct TOptional
{
public:
	typedef OptionalType ElementType;

	TOptional() = default;
	TOptional(FNullOpt) {}
	TOptional(const OptionalType& InValue)
		: Value(InValue)
	{
	}
	TOptional(OptionalType&& InValue)
		: Value(MoveTemp(InValue))
	{
	}

	template<typename... ArgTypes>
	explicit TOptional(EInPlace, ArgTypes&&... Args)
		: Value(std::in_place, Forward<ArgTypes>(Args)...)
	{
	}

	TOptional& operator=(const OptionalType& InValue)
	{
		Value = InValue;
		return *this;
	}

	TOptional& operator=(OptionalType&& InValue)
	{
		Value = MoveTemp(InValue);
		return *this;
	}

	TOptional& operator=(FNullOpt)
	{
		Value.reset();
		return *this;
	}

	template<typename... ArgTypes>
	OptionalType& Emplace(ArgTypes&&... Args)
	{
		return Value.emplace(Forward<ArgTypes>(Args)...);
	}

	void Reset() { Value.reset(); }
	bool IsSet() const { return Value.has_value(); }
	explicit operator bool() const { return Value.has_value(); }

	OptionalType& GetValue()
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional. Please either check IsSet() or use Get(DefaultValue) instead."));
		return *Value;
	}

	const OptionalType& GetValue() const
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional. Please either check IsSet() or use Get(DefaultValue) instead."));
		return *Value;
	}

	OptionalType* operator->() { return &GetValue(); }
	const OptionalType* operator->() const { return &GetValue(); }
	OptionalType& operator*() { return GetValue(); }
	const OptionalType& operator*() const { return GetValue(); }

	const OptionalType& Get(const OptionalType& DefaultValue) const
	{
		return IsSet() ? *Value : DefaultValue;
	}

	OptionalType* GetPtrOrNull() { return IsSet() ? &*Value : nullptr; }
	const OptionalType* GetPtrOrNull() const { return IsSet() ? &*Value : nullptr; }

	friend bool operator==(const TOptional& Lhs, const TOptional& Rhs)
	{
		if (Lhs.IsSet() != Rhs.IsSet())
		{
			return false;
		}
		return !Lhs.IsSet() || *Lhs.Value == *Rhs.Value;
	}

	friend bool operator!=(const TOptional& Lhs, const TOptional& Rhs)
	{
		return !(Lhs == Rhs);
	}

private:
	std::optional<OptionalType> Value;
};

template<typename OptionalType>
uint32 GetTypeHash(const TOptional<OptionalType>& Optional)
{
	return Optional.IsSet() ? GetTypeHash(Optional.GetValue()) : 0;
}
