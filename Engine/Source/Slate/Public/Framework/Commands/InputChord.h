// A key together with the modifier keys that must be held with it.

#pragma once

#include "CoreMinimal.h"
#include "InputCoreTypes.h"

struct SLATE_API FInputChord
{
	/** The key; invalid for an empty chord. */
	FKey Key;

	uint32 bShift : 1;
	uint32 bCtrl : 1;
	uint32 bAlt : 1;
	uint32 bCmd : 1;

	FInputChord()
		: bShift(false)
		, bCtrl(false)
		, bAlt(false)
		, bCmd(false)
	{
	}

	FInputChord(const FKey InKey)
		: Key(InKey)
		, bShift(false)
		, bCtrl(false)
		, bAlt(false)
		, bCmd(false)
	{
	}

	FInputChord(const FKey InKey, const EModifierKey::Type InModifierKeys)
		: Key(InKey)
		, bShift((InModifierKeys & EModifierKey::Shift) != 0)
		, bCtrl((InModifierKeys & EModifierKey::Control) != 0)
		, bAlt((InModifierKeys & EModifierKey::Alt) != 0)
		, bCmd((InModifierKeys & EModifierKey::Command) != 0)
	{
	}

	FInputChord(const EModifierKey::Type InModifierKeys, const FKey InKey)
		: FInputChord(InKey, InModifierKeys)
	{
	}

	FInputChord(const FKey InKey, const bool bInShift, const bool bInCtrl, const bool bInAlt, const bool bInCmd)
		: Key(InKey)
		, bShift(bInShift)
		, bCtrl(bInCtrl)
		, bAlt(bInAlt)
		, bCmd(bInCmd)
	{
	}

	bool operator==(const FInputChord& Other) const
	{
		return Key == Other.Key && bShift == Other.bShift && bCtrl == Other.bCtrl && bAlt == Other.bAlt && bCmd == Other.bCmd;
	}
	bool operator!=(const FInputChord& Other) const
	{
		return !(*this == Other);
	}

	bool NeedsControl() const
	{
		return bCtrl;
	}
	bool NeedsAlt() const
	{
		return bAlt;
	}
	bool NeedsShift() const
	{
		return bShift;
	}
	bool NeedsCommand() const
	{
		return bCmd;
	}

	bool HasAnyModifierKeys() const
	{
		return bAlt || bCtrl || bShift || bCmd;
	}

	EModifierKey::Type GetModifierKeys() const
	{
		return EModifierKey::FromBools(bCtrl, bAlt, bShift, bCmd);
	}

	/** A chord can be bound when its key is a known key that is not itself a modifier. */
	bool IsValidChord() const
	{
		return Key.IsValid() && !Key.IsModifierKey();
	}

	/** The chord as shown in menus, e.g. "Ctrl+Shift+S"; empty for an invalid key. */
	FText GetInputText(const bool bLongDisplayName = true) const;

	/** The key alone as shown in menus; empty for an invalid key. */
	FText GetKeyText(const bool bLongDisplayName = true) const;

	void Set(const FInputChord& InTemplate)
	{
		*this = InTemplate;
	}

	friend uint32 GetTypeHash(const FInputChord& Chord)
	{
		return GetTypeHash(Chord.Key) ^ (static_cast<uint32>(Chord.bShift) | (static_cast<uint32>(Chord.bCtrl) << 1) | (static_cast<uint32>(Chord.bAlt) << 2) | (static_cast<uint32>(Chord.bCmd) << 3));
	}
};
