#include "Framework/Commands/InputChord.h"

#define LOCTEXT_NAMESPACE "FInputChord"

FText FInputChord::GetInputText(const bool bLongDisplayName) const
{
	if (!Key.IsValid())
	{
		return FText::GetEmpty();
	}

	// Modifiers in the order the editor's menus print them.
	FString Result;
	if (bCtrl)
	{
		Result += TEXT("Ctrl+");
	}
	if (bCmd)
	{
		Result += TEXT("Cmd+");
	}
	if (bAlt)
	{
		Result += TEXT("Alt+");
	}
	if (bShift)
	{
		Result += TEXT("Shift+");
	}
	Result += GetKeyText(bLongDisplayName).ToString();
	return FText::FromString(Result);
}

FText FInputChord::GetKeyText(const bool bLongDisplayName) const
{
	if (!Key.IsValid())
	{
		return FText::GetEmpty();
	}
	return Key.GetDisplayName(bLongDisplayName);
}

#undef LOCTEXT_NAMESPACE
