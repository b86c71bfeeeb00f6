// TCommands: a binding context that is also the single instance of a command set, and the
// UI_COMMAND macros that fill it.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/InputChord.h"
#include "Framework/Commands/UICommandInfo.h"

/**
 * Used by UI_COMMAND to make a command; do not call directly. Texts are made in the namespace
 * "UICommands.<InSubNamespace>" with the command name as label key and InCommandNameUnderscoreTooltip
 * as tooltip key; the icon is the context's style set with the context name followed by DotCommandName.
 */
SLATE_API void MakeUICommand_InternalUseOnly(FBindingContext* This, TSharedPtr<FUICommandInfo>& OutCommand, const TCHAR* InSubNamespace, const TCHAR* InCommandName, const TCHAR* InCommandNameUnderscoreTooltip, const ANSICHAR* DotCommandName, const TCHAR* FriendlyName, const TCHAR* InDescription, const EUserInterfaceActionType CommandType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord = FInputChord());

#define UI_COMMAND(CommandId, FriendlyName, InDescription, CommandType, InDefaultChord, ...) \
	MakeUICommand_InternalUseOnly(this, CommandId, TEXT(LOCTEXT_NAMESPACE), TEXT(#CommandId), TEXT(#CommandId) TEXT("_ToolTip"), "." #CommandId, TEXT(FriendlyName), TEXT(InDescription), CommandType, InDefaultChord, ##__VA_ARGS__);

#define UI_COMMAND_EXT(FBindingContextPtr, OutUICommandInfo, CommandIdName, FriendlyName, InDescription, CommandType, InDefaultChord, ...) \
	MakeUICommand_InternalUseOnly(FBindingContextPtr, OutUICommandInfo, TEXT(LOCTEXT_NAMESPACE), TEXT(CommandIdName), TEXT(CommandIdName) TEXT("_ToolTip"), "." CommandIdName, TEXT(FriendlyName), TEXT(InDescription), CommandType, InDefaultChord, ##__VA_ARGS__);

template<typename CommandContextType>
class TCommands : public FBindingContext
{
public:
	/** Makes the instance once; an existing context of the same name becomes the instance instead. */
	static void Register()
	{
		if (!Instance.IsValid())
		{
			TSharedRef<CommandContextType> NewInstance = MakeShareable(new CommandContextType());
			TSharedPtr<FBindingContext> ExistingBindingContext = FInputBindingManager::Get().GetContextByName(NewInstance->GetContextName());
			if (ExistingBindingContext.IsValid())
			{
				// Someone registered this context before (a reload); share theirs.
				Instance = StaticCastSharedPtr<CommandContextType>(ExistingBindingContext);
			}
			else
			{
				Instance = NewInstance;
				NewInstance->RegisterCommands();
				CommandsChanged.Broadcast(*NewInstance);
			}
		}
	}

	/** Removes the context from the input binding manager and drops the instance. */
	static void Unregister()
	{
		if (Instance.IsValid())
		{
			TSharedRef<CommandContextType> OldInstance = Instance.ToSharedRef();
			FInputBindingManager::Get().RemoveContextByName(OldInstance->GetContextName());
			Instance.Reset();
			CommandsChanged.Broadcast(*OldInstance);
		}
	}

	static const CommandContextType& Get()
	{
		checkf(Instance.IsValid(), TEXT("Commands requested before they were registered (TCommands::Register was not called)"));
		return *Instance;
	}

	static bool IsRegistered()
	{
		return Instance.IsValid();
	}

	static const FBindingContext& GetContext()
	{
		checkf(Instance.IsValid(), TEXT("Command context requested before it was registered"));
		return *Instance;
	}

	virtual ~TCommands()
	{
	}

	/** Makes every command of the set; called once by Register. */
	virtual void RegisterCommands() = 0;

protected:
	TCommands(const FName InContextName, const FText& InContextDesc, const FName InContextParent, const FName InStyleSetName)
		: FBindingContext(InContextName, InContextDesc, InContextParent, InStyleSetName)
	{
	}

	/** The command set's instance, shared with the input binding manager. */
	static TSharedPtr<CommandContextType> Instance;
};

template<typename CommandContextType>
TSharedPtr<CommandContextType> TCommands<CommandContextType>::Instance;
