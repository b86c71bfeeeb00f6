// Where a section or entry goes relative to the others of its menu.

#pragma once

#include "CoreMinimal.h"

enum class EToolMenuInsertType : uint8
{
	Default,
	Before,
	After,
	First
};

struct FToolMenuInsert
{
	FToolMenuInsert()
		: Position(EToolMenuInsertType::Default)
	{
	}

	FToolMenuInsert(FName InName, EToolMenuInsertType InPosition)
		: Name(InName)
		, Position(InPosition)
	{
	}

	bool IsDefault() const
	{
		return Position == EToolMenuInsertType::Default;
	}

	bool IsBeforeOrAfter() const
	{
		return Position == EToolMenuInsertType::Before || Position == EToolMenuInsertType::After;
	}

	bool operator==(const FToolMenuInsert& Other) const
	{
		return Name == Other.Name && Position == Other.Position;
	}
	bool operator!=(const FToolMenuInsert& Other) const
	{
		return !(*this == Other);
	}

	FName Name;
	EToolMenuInsertType Position;
};
