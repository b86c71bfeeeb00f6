// The registry of binding contexts and their commands.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UICommandInfo.h"

class FUICommandList;

DECLARE_MULTICAST_DELEGATE_TwoParams(FOnRegisterCommandList, const FName&, const TSharedRef<FUICommandList>&);

class SLATE_API FInputBindingManager
{
public:
	static FInputBindingManager& Get();

	/** The context of that name, or null. */
	TSharedPtr<FBindingContext> GetContextByName(const FName& InContextName);

	/** Forgets a context and every command in it. */
	void RemoveContextByName(const FName& InContextName);

	/** Every known context, in the order they became known. */
	void GetKnownInputContexts(TArray<TSharedPtr<FBindingContext>>& OutInputContexts) const;

	/** The commands of a context, in registration order. */
	void GetCommandInfosFromContext(const FName InBindingContext, TArray<TSharedPtr<FUICommandInfo>>& OutCommandInfos) const;

	TSharedPtr<FUICommandInfo> FindCommandInContext(const FName InBindingContext, const FName CommandName) const;

	/** The command of a context (or its parents) bound to a chord; the default chords when bCheckDefault. */
	TSharedPtr<FUICommandInfo> FindCommandInContext(const FName InBindingContext, const FInputChord& InChord, bool bCheckDefault) const;

	/** Names of every context whose parent chain includes that context, itself first. */
	void GetAllChildContexts(const FName InBindingContext, TArray<FName>& AllChildren) const;

	/** Adds a command to its context, making the context known on its first command. */
	void CreateInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandDef);

	void RemoveInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandDef);

	/** Called when a command's active chord changes so chord lookups stay right. */
	void NotifyActiveChordChanged(const FUICommandInfo& CommandInfo, const EMultipleKeyBindingIndex InChordIndex);

	void RegisterCommandList(const FName BindingContext, TSharedRef<FUICommandList> CommandList) const;
	void UnregisterCommandList(const FName BindingContext, TSharedRef<FUICommandList> CommandList) const;

	FOnRegisterCommandList OnRegisterCommandList;
	FOnRegisterCommandList OnUnregisterCommandList;

private:
	FInputBindingManager();

	struct FContextEntry
	{
		TSharedPtr<FBindingContext> BindingContext;
		TArray<TSharedPtr<FUICommandInfo>> CommandInfos;
	};

	const FContextEntry* FindEntry(const FName InContextName) const;
	FContextEntry* FindEntry(const FName InContextName);

	// An array keeps contexts in the order they became known.
	TArray<FContextEntry> Contexts;
};
