#include "Framework/Commands/InputBindingManager.h"

#include "Framework/Commands/UICommandList.h"
#include "SlateGlobals.h"

FInputBindingManager::FInputBindingManager()
{
}

FInputBindingManager& FInputBindingManager::Get()
{
	static FInputBindingManager Instance;
	return Instance;
}

const FInputBindingManager::FContextEntry* FInputBindingManager::FindEntry(const FName InContextName) const
{
	for (const FContextEntry& Entry : Contexts)
	{
		if (Entry.BindingContext->GetContextName() == InContextName)
		{
			return &Entry;
		}
	}
	return nullptr;
}

FInputBindingManager::FContextEntry* FInputBindingManager::FindEntry(const FName InContextName)
{
	return const_cast<FContextEntry*>(static_cast<const FInputBindingManager*>(this)->FindEntry(InContextName));
}

TSharedPtr<FBindingContext> FInputBindingManager::GetContextByName(const FName& InContextName)
{
	const FContextEntry* Entry = FindEntry(InContextName);
	return Entry ? Entry->BindingContext : TSharedPtr<FBindingContext>();
}

void FInputBindingManager::RemoveContextByName(const FName& InContextName)
{
	for (int32 Index = 0; Index < Contexts.Num(); ++Index)
	{
		if (Contexts[Index].BindingContext->GetContextName() == InContextName)
		{
			Contexts.RemoveAt(Index);
			return;
		}
	}
}

void FInputBindingManager::GetKnownInputContexts(TArray<TSharedPtr<FBindingContext>>& OutInputContexts) const
{
	for (const FContextEntry& Entry : Contexts)
	{
		OutInputContexts.Add(Entry.BindingContext);
	}
}

void FInputBindingManager::GetCommandInfosFromContext(const FName InBindingContext, TArray<TSharedPtr<FUICommandInfo>>& OutCommandInfos) const
{
	if (const FContextEntry* Entry = FindEntry(InBindingContext))
	{
		OutCommandInfos.Append(Entry->CommandInfos);
	}
}

TSharedPtr<FUICommandInfo> FInputBindingManager::FindCommandInContext(const FName InBindingContext, const FName CommandName) const
{
	if (const FContextEntry* Entry = FindEntry(InBindingContext))
	{
		for (const TSharedPtr<FUICommandInfo>& Command : Entry->CommandInfos)
		{
			if (Command->GetCommandName() == CommandName)
			{
				return Command;
			}
		}
	}
	return TSharedPtr<FUICommandInfo>();
}

TSharedPtr<FUICommandInfo> FInputBindingManager::FindCommandInContext(const FName InBindingContext, const FInputChord& InChord, bool bCheckDefault) const
{
	if (!InChord.IsValidChord())
	{
		return TSharedPtr<FUICommandInfo>();
	}

	// A chord bound in a parent context is taken by the child too.
	FName ContextName = InBindingContext;
	TArray<FName> Visited;
	while (!ContextName.IsNone() && !Visited.Contains(ContextName))
	{
		Visited.Add(ContextName);
		const FContextEntry* Entry = FindEntry(ContextName);
		if (!Entry)
		{
			break;
		}
		for (const TSharedPtr<FUICommandInfo>& Command : Entry->CommandInfos)
		{
			if (bCheckDefault ? Command->HasDefaultChord(InChord) : Command->HasActiveChord(InChord))
			{
				return Command;
			}
		}
		ContextName = Entry->BindingContext->GetContextParent();
	}
	return TSharedPtr<FUICommandInfo>();
}

void FInputBindingManager::GetAllChildContexts(const FName InBindingContext, TArray<FName>& AllChildren) const
{
	AllChildren.Add(InBindingContext);
	for (const FContextEntry& Entry : Contexts)
	{
		const FName Parent = Entry.BindingContext->GetContextParent();
		const FName Child = Entry.BindingContext->GetContextName();
		if (Parent == InBindingContext && !AllChildren.Contains(Child))
		{
			GetAllChildContexts(Child, AllChildren);
		}
	}
}

void FInputBindingManager::CreateInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandDef)
{
	checkf(InCommandDef->GetBindingContext() == InBindingContext->GetContextName(), TEXT("FInputBindingManager::CreateInputCommand: command '%s' belongs to context '%s', not '%s'"),
		*InCommandDef->GetCommandName().ToString(), *InCommandDef->GetBindingContext().ToString(), *InBindingContext->GetContextName().ToString());

	FContextEntry* Entry = FindEntry(InBindingContext->GetContextName());
	if (!Entry)
	{
		FContextEntry NewEntry;
		NewEntry.BindingContext = InBindingContext;
		Contexts.Add(NewEntry);
		Entry = &Contexts.Last();
	}

	for (const TSharedPtr<FUICommandInfo>& Existing : Entry->CommandInfos)
	{
		checkf(Existing->GetCommandName() != InCommandDef->GetCommandName(), TEXT("A command named '%s' already exists in context '%s'"),
			*InCommandDef->GetCommandName().ToString(), *InBindingContext->GetContextName().ToString());
	}

	// Two commands of one context on the same chord: the later one loses its chord, as the editor reports.
	const int32 NumChords = static_cast<int32>(EMultipleKeyBindingIndex::NumChords);
	for (int32 ChordIndex = 0; ChordIndex < NumChords; ++ChordIndex)
	{
		const EMultipleKeyBindingIndex Index = static_cast<EMultipleKeyBindingIndex>(ChordIndex);
		const FInputChord Chord = *InCommandDef->GetActiveChord(Index);
		if (!Chord.IsValidChord())
		{
			continue;
		}
		TSharedPtr<FUICommandInfo> Holder = FindCommandInContext(InBindingContext->GetContextName(), Chord, false);
		if (Holder.IsValid())
		{
			UE_LOG(LogSlate, Warning, TEXT("%s already uses %s in context %s; %s gets no chord there"),
				*Holder->GetCommandName().ToString(), *Chord.GetInputText().ToString(), *InBindingContext->GetContextName().ToString(), *InCommandDef->GetCommandName().ToString());
			*InCommandDef->ActiveChords[ChordIndex] = FInputChord();
		}
	}

	Entry->CommandInfos.Add(InCommandDef);
}

void FInputBindingManager::RemoveInputCommand(const TSharedRef<FBindingContext>& InBindingContext, TSharedRef<FUICommandInfo> InCommandDef)
{
	if (FContextEntry* Entry = FindEntry(InBindingContext->GetContextName()))
	{
		Entry->CommandInfos.RemoveAll([&InCommandDef](const TSharedPtr<FUICommandInfo>& Command) {
			return Command.Get() == &InCommandDef.Get();
		});
	}
}

void FInputBindingManager::NotifyActiveChordChanged(const FUICommandInfo& CommandInfo, const EMultipleKeyBindingIndex InChordIndex)
{
	// Lookups scan the commands directly, so there is no chord map to refresh.
}

void FInputBindingManager::RegisterCommandList(const FName BindingContext, TSharedRef<FUICommandList> CommandList) const
{
	OnRegisterCommandList.Broadcast(BindingContext, CommandList);
}

void FInputBindingManager::UnregisterCommandList(const FName BindingContext, TSharedRef<FUICommandList> CommandList) const
{
	OnUnregisterCommandList.Broadcast(BindingContext, CommandList);
}
