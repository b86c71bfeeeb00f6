// Keys and modifier flags: the names input chords and key bindings are made of.

#pragma once

#include "CoreMinimal.h"

/** Modifier keys as bit flags, combinable into one value. */
namespace EModifierKey
{
	typedef uint8 Type;

	const Type None = 0;
	const Type Control = 1 << 0;
	const Type Alt = 1 << 1;
	const Type Shift = 1 << 2;
	const Type Command = 1 << 3;

	inline EModifierKey::Type FromBools(const bool bControl, const bool bAlt, const bool bShift, const bool bCommand)
	{
		EModifierKey::Type ModifierMask = EModifierKey::None;
		if (bControl)
		{
			ModifierMask |= EModifierKey::Control;
		}
		if (bAlt)
		{
			ModifierMask |= EModifierKey::Alt;
		}
		if (bShift)
		{
			ModifierMask |= EModifierKey::Shift;
		}
		if (bCommand)
		{
			ModifierMask |= EModifierKey::Command;
		}
		return ModifierMask;
	}
}

struct FKeyDetails;

/** A key, identified by name; only keys known to EKeys are valid. */
struct INPUTCORE_API FKey
{
	FKey();
	FKey(const FName InName);
	FKey(const TCHAR* InName);
	FKey(const ANSICHAR* InName);

	bool IsValid() const;
	FString ToString() const;
	FName GetFName() const;
	FText GetDisplayName(const bool bLongDisplayName = true) const;

	bool IsModifierKey() const;
	bool IsMouseButton() const;

	friend bool operator==(const FKey& KeyA, const FKey& KeyB)
	{
		return KeyA.KeyName == KeyB.KeyName;
	}
	friend bool operator!=(const FKey& KeyA, const FKey& KeyB)
	{
		return !(KeyA == KeyB);
	}
	friend uint32 GetTypeHash(const FKey& Key)
	{
		return GetTypeHash(Key.KeyName);
	}

private:
	TSharedPtr<FKeyDetails> GetDetails() const;

	FName KeyName;
};

/** What EKeys knows about one key. */
struct INPUTCORE_API FKeyDetails
{
	enum EKeyFlags
	{
		NoFlags = 0,
		ModifierKey = 1 << 0,
		MouseButton = 1 << 1,
	};

	FKeyDetails(const FKey InKey, const FText& InLongDisplayName, const FText& InShortDisplayName, const uint32 InKeyFlags = NoFlags);

	const FKey& GetKey() const
	{
		return Key;
	}
	FText GetDisplayName(const bool bLongDisplayName = true) const
	{
		return bLongDisplayName ? LongDisplayName : ShortDisplayName;
	}
	bool IsModifierKey() const
	{
		return (KeyFlags & ModifierKey) != 0;
	}
	bool IsMouseButton() const
	{
		return (KeyFlags & MouseButton) != 0;
	}

private:
	FKey Key;
	FText LongDisplayName;
	FText ShortDisplayName;
	uint32 KeyFlags;
};

/** The engine's known keys. */
struct INPUTCORE_API EKeys
{
	static const FKey Invalid;

	static const FKey LeftMouseButton;
	static const FKey RightMouseButton;
	static const FKey MiddleMouseButton;

	static const FKey BackSpace;
	static const FKey Tab;
	static const FKey Enter;
	static const FKey Escape;
	static const FKey SpaceBar;
	static const FKey PageUp;
	static const FKey PageDown;
	static const FKey End;
	static const FKey Home;
	static const FKey Left;
	static const FKey Up;
	static const FKey Right;
	static const FKey Down;
	static const FKey Insert;
	static const FKey Delete;

	static const FKey Zero;
	static const FKey One;
	static const FKey Two;
	static const FKey Three;
	static const FKey Four;
	static const FKey Five;
	static const FKey Six;
	static const FKey Seven;
	static const FKey Eight;
	static const FKey Nine;

	static const FKey A;
	static const FKey B;
	static const FKey C;
	static const FKey D;
	static const FKey E;
	static const FKey F;
	static const FKey G;
	static const FKey H;
	static const FKey I;
	static const FKey J;
	static const FKey K;
	static const FKey L;
	static const FKey M;
	static const FKey N;
	static const FKey O;
	static const FKey P;
	static const FKey Q;
	static const FKey R;
	static const FKey S;
	static const FKey T;
	static const FKey U;
	static const FKey V;
	static const FKey W;
	static const FKey X;
	static const FKey Y;
	static const FKey Z;

	static const FKey F1;
	static const FKey F2;
	static const FKey F3;
	static const FKey F4;
	static const FKey F5;
	static const FKey F6;
	static const FKey F7;
	static const FKey F8;
	static const FKey F9;
	static const FKey F10;
	static const FKey F11;
	static const FKey F12;

	static const FKey LeftShift;
	static const FKey RightShift;
	static const FKey LeftControl;
	static const FKey RightControl;
	static const FKey LeftAlt;
	static const FKey RightAlt;
	static const FKey LeftCommand;
	static const FKey RightCommand;

	/** Fills the table of known keys; safe to call more than once. */
	static void Initialize();

	/** Adds a key to the table; a key already known is replaced. */
	static void AddKey(const FKeyDetails& KeyDetails);

	static TSharedPtr<FKeyDetails> GetKeyDetails(const FKey Key);
	static void GetAllKeys(TArray<FKey>& OutKeys);
};
