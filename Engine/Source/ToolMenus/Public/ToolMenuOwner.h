// Who added a menu, section or entry, so that everything one owner added can be removed together.

#pragma once

#include "CoreMinimal.h"

struct FToolMenuOwner
{
	FToolMenuOwner()
		: ValueInt64(0)
		, ValueType(EValueType::None)
	{
	}

	FToolMenuOwner(void* InPointer)
		: ValueInt64(reinterpret_cast<int64>(InPointer))
		, ValueType(EValueType::Pointer)
	{
	}

	FToolMenuOwner(const FName InName)
		: ValueInt64(0)
		, ValueName(InName)
		, ValueType(EValueType::Name)
	{
	}

	FToolMenuOwner(const TCHAR* InStr)
		: FToolMenuOwner(FName(InStr))
	{
	}

	FToolMenuOwner(const ANSICHAR* InStr)
		: FToolMenuOwner(FName(InStr))
	{
	}

	bool operator==(const FToolMenuOwner& Other) const
	{
		return ValueType == Other.ValueType && ValueInt64 == Other.ValueInt64 && ValueName == Other.ValueName;
	}
	bool operator!=(const FToolMenuOwner& Other) const
	{
		return !(*this == Other);
	}

	bool IsSet() const
	{
		return ValueType != EValueType::None;
	}

	FName TryGetName() const
	{
		return ValueType == EValueType::Name ? ValueName : NAME_None;
	}

private:
	enum class EValueType : uint8
	{
		None,
		Pointer,
		Name
	};

	int64 ValueInt64;
	FName ValueName;
	EValueType ValueType;
};
