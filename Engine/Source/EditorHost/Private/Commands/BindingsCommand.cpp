// `bindings`: the input binding manager's contexts, or one context's commands in registration order.

#include "CoreMinimal.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandInfo.h"
#include "HostConsole.h"
#include "Misc/OutputDevice.h"

namespace
{
	const TCHAR* GetActionTypeName(const EUserInterfaceActionType ActionType)
	{
		switch (ActionType)
		{
			case EUserInterfaceActionType::None:
				return TEXT("None");
			case EUserInterfaceActionType::Button:
				return TEXT("Button");
			case EUserInterfaceActionType::ToggleButton:
				return TEXT("ToggleButton");
			case EUserInterfaceActionType::RadioButton:
				return TEXT("RadioButton");
			case EUserInterfaceActionType::Check:
				return TEXT("Check");
			case EUserInterfaceActionType::CollapsedButton:
				return TEXT("CollapsedButton");
		}
		checkf(false, TEXT("bindings: unknown EUserInterfaceActionType %d"), static_cast<int32>(ActionType));
		return TEXT("");
	}

	FString DescribeChord(const FInputChord& Chord)
	{
		// An empty chord has no text of its own; say so rather than print nothing.
		return Chord.IsValidChord() ? Chord.GetInputText().ToString() : FString(TEXT("(none)"));
	}

	bool ListContexts(FOutputDevice& Ar)
	{
		TArray<TSharedPtr<FBindingContext>> Contexts;
		FInputBindingManager::Get().GetKnownInputContexts(Contexts);
		if (Contexts.IsEmpty())
		{
			Ar.Log(TEXT("No input binding contexts are registered."));
			return true;
		}
		for (const TSharedPtr<FBindingContext>& Context : Contexts)
		{
			Ar.Log(FString::Printf(TEXT("%s | %s"), *Context->GetContextName().ToString(), *Context->GetContextDesc().ToString()));
		}
		return true;
	}

	bool ListCommands(const FString& ContextName, FOutputDevice& Ar)
	{
		const FName Name(*ContextName);
		if (!FInputBindingManager::Get().GetContextByName(Name).IsValid())
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("bindings: no input binding context named '%s' (run `bindings` to list them)"), *ContextName));
			return false;
		}

		TArray<TSharedPtr<FUICommandInfo>> Commands;
		FInputBindingManager::Get().GetCommandInfosFromContext(Name, Commands);
		for (const TSharedPtr<FUICommandInfo>& Command : Commands)
		{
			Ar.Log(FString::Printf(TEXT("%s | %s | %s | %s | %s | %s"),
				*Command->GetCommandName().ToString(),
				*Command->GetLabel().ToString(),
				*Command->GetDescription().ToString(),
				GetActionTypeName(Command->GetUserInterfaceType()),
				*DescribeChord(Command->GetDefaultChord(EMultipleKeyBindingIndex::Primary)),
				*DescribeChord(Command->GetDefaultChord(EMultipleKeyBindingIndex::Secondary))));
		}
		return true;
	}

	bool RunBindingsCommand(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("bindings: %s"), *Error));
			return false;
		}
		if (Words.IsEmpty())
		{
			return ListContexts(Ar);
		}
		if (Words.Num() > 1)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("bindings: expected at most one context name: bindings [Context]"));
			return false;
		}
		return ListCommands(Words[0], Ar);
	}

	FHostConsoleCommandRegistrant BindingsCommand(
		TEXT("bindings"),
		TEXT("bindings [Context]: input binding contexts (name | description), or a context's commands in registration order (name | label | tooltip | action type | default chord | alternate chord)"),
		&RunBindingsCommand);
}
