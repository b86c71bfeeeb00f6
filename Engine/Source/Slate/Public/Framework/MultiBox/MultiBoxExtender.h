// Extenders: other modules' additions to a menu, applied at named hooks while the menu is built.

#pragma once

#include "CoreMinimal.h"

class FMenuBuilder;
class FUICommandList;

namespace EExtensionHook
{
	enum Position
	{
		/** Before the hook's section or entry. */
		Before,
		/** After the hook's section or entry. */
		After,
		/** At the start of the hook's section (sections only). */
		First,
	};
}

DECLARE_DELEGATE_OneParam(FMenuExtensionDelegate, FMenuBuilder&);

/** One addition: what runs, at which hook and position, over which command list. */
class SLATE_API FExtensionBase
{
public:
	virtual ~FExtensionBase();

	FName Hook;
	EExtensionHook::Position HookPosition = EExtensionHook::Before;
	TSharedPtr<FUICommandList> CommandList;
};

class SLATE_API FMenuExtension : public FExtensionBase
{
public:
	FMenuExtensionDelegate MenuExtensionDelegate;
};

class SLATE_API FExtender
{
public:
	/** Adds a menu extension; the delegate fills the menu at the hook, with the command list pushed. */
	TSharedRef<const FExtensionBase> AddMenuExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FMenuExtensionDelegate& MenuExtensionDelegate);

	/** Removes an extension added here. */
	void RemoveExtension(const TSharedRef<const FExtensionBase>& Extension);

	/** Runs every menu extension of this hook and position, in the order they were added. */
	void Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBuilder& MenuBuilder) const;

	/** An extender holding the extensions of all the given extenders, in order. */
	static TSharedPtr<FExtender> Combine(const TArray<TSharedPtr<FExtender>>& Extenders);

	int32 NumExtensions() const
	{
		return Extensions.Num();
	}

private:
	TArray<TSharedPtr<const FExtensionBase>> Extensions;
};
