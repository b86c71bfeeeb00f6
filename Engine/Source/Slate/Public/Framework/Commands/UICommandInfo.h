// Commands and the binding contexts that group them.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/InputChord.h"
#include "Textures/SlateIcon.h"

class FBindingContext;
class FUICommandInfo;

/** How a command shows in menus and toolbars. */
enum class EUserInterfaceActionType : uint8
{
	/** Not shown as an action (used by separators and headings). */
	None,
	Button,
	ToggleButton,
	RadioButton,
	Check,
	CollapsedButton
};

/** Which of a command's two chords. */
enum class EMultipleKeyBindingIndex : uint8
{
	Primary = 0,
	Secondary,
	NumChords
};

DECLARE_MULTICAST_DELEGATE_OneParam(FOnBindingContextChanged, const FBindingContext&);

/** Builder for a command made at run time rather than with UI_COMMAND. */
class SLATE_API FUICommandInfoDecl
{
	friend class FBindingContext;

public:
	FUICommandInfoDecl& DefaultChord(const FInputChord& InDefaultChord, const EMultipleKeyBindingIndex InChordIndex = EMultipleKeyBindingIndex::Primary);
	FUICommandInfoDecl& UserInterfaceType(EUserInterfaceActionType InType);
	FUICommandInfoDecl& Icon(const FSlateIcon& InIcon);
	FUICommandInfoDecl& Description(const FText& InDesc);

	/** Registers the command with the input binding manager and hands it out. */
	operator TSharedPtr<FUICommandInfo>() const;
	operator TSharedRef<FUICommandInfo>() const;

private:
	FUICommandInfoDecl(const TSharedRef<FBindingContext>& InContext, const FName InCommandName, const FText& InLabel, const FText& InDesc);

	TSharedPtr<FUICommandInfo> Info;
	TSharedRef<FBindingContext> Context;
};

/** A named group of commands: one context of the input binding manager. */
class SLATE_API FBindingContext : public TSharedFromThis<FBindingContext>
{
public:
	FBindingContext(const FName InContextName, const FText& InContextDesc, const FName InContextParent, const FName InStyleSetName);
	FBindingContext(const FBindingContext& Other);
	virtual ~FBindingContext();

	/** Starts a command of this context; see FUICommandInfoDecl. */
	FUICommandInfoDecl NewCommand(const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc);

	FName GetContextName() const
	{
		return ContextName;
	}
	FName GetContextParent() const
	{
		return ContextParent;
	}
	const FText& GetContextDesc() const
	{
		return ContextDesc;
	}
	FName GetStyleSetName() const
	{
		return StyleSetName;
	}

	/** Broadcast when a context's commands are registered or unregistered. */
	static FOnBindingContextChanged CommandsChanged;

private:
	FName ContextName;
	FName ContextParent;
	FText ContextDesc;
	FName StyleSetName;
};

class SLATE_API FUICommandInfo
{
	friend class FInputBindingManager;
	friend class FUICommandInfoDecl;

public:
	FUICommandInfo(const FName InBindingContext);

	/** Makes and registers a command in a context; the path UI_COMMAND takes. */
	static void MakeCommandInfo(const TSharedRef<FBindingContext>& InContext, TSharedPtr<FUICommandInfo>& OutCommand, const FName InCommandName, const FText& InCommandLabel, const FText& InCommandDesc, const FSlateIcon& InIcon, const EUserInterfaceActionType InUserInterfaceType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord = FInputChord());

	/** Removes a command made by MakeCommandInfo from its context. */
	static void UnregisterCommandInfo(const TSharedRef<FBindingContext>& InContext, const TSharedRef<FUICommandInfo>& InCommand);

	const FText& GetLabel() const
	{
		return Label;
	}
	const FText& GetDescription() const
	{
		return Description;
	}
	const FSlateIcon& GetIcon() const
	{
		return Icon;
	}
	EUserInterfaceActionType GetUserInterfaceType() const
	{
		return UserInterfaceType;
	}
	FName GetCommandName() const
	{
		return CommandName;
	}
	FName GetBindingContext() const
	{
		return BindingContext;
	}

	const FInputChord& GetDefaultChord(const EMultipleKeyBindingIndex InChordIndex) const;
	const TSharedRef<const FInputChord> GetActiveChord(const EMultipleKeyBindingIndex InChordIndex) const;

	/** The first of the active chords that can be bound, or the primary one. */
	const TSharedRef<const FInputChord> GetFirstValidChord() const;

	bool HasActiveChord(const FInputChord InChord) const;
	bool HasDefaultChord(const FInputChord InChord) const;

	void SetActiveChord(const FInputChord& NewChord, const EMultipleKeyBindingIndex InChordIndex);
	void RemoveActiveChord(const EMultipleKeyBindingIndex InChordIndex);

	/** The primary active chord as text; empty when unbound. */
	FText GetInputText() const;

private:
	TArray<TSharedRef<FInputChord>> ActiveChords;
	TArray<FInputChord> DefaultChords;
	FSlateIcon Icon;
	FText Label;
	FText Description;
	FName CommandName;
	FName BindingContext;
	EUserInterfaceActionType UserInterfaceType;
};
