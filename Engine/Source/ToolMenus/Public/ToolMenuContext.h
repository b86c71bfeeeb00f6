// What a menu is generated for: the command lists its command entries run on, legacy extenders
// applied at its section hooks, and context objects.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"

class FExtender;
class FUICommandInfo;
class FUICommandList;
class UObject;

struct TOOLMENUS_API FToolMenuContext
{
	FToolMenuContext();
	explicit FToolMenuContext(UObject* InContext);
	FToolMenuContext(TSharedPtr<FUICommandList> InCommandList, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), UObject* InContext = nullptr);

	void AppendCommandList(const TSharedRef<FUICommandList>& InCommandList);
	void AppendCommandList(const TSharedPtr<FUICommandList>& InCommandList);

	void AddExtender(const TSharedPtr<FExtender>& InExtender);

	/** One extender holding every added extender's extensions. */
	TSharedPtr<FExtender> GetAllExtenders() const;

	void AddObject(UObject* InObject);

	template<typename TContextType>
	TContextType* FindContext() const
	{
		for (UObject* Object : ContextObjects)
		{
			if (TContextType* Found = Cast<TContextType>(Object))
			{
				return Found;
			}
		}
		return nullptr;
	}

	/** The first command list holding an action for Command, and that action; null when none does. */
	const FUIAction* GetActionForCommand(TSharedPtr<const FUICommandInfo> Command, TSharedPtr<const FUICommandList>& OutCommandList) const;

	/** The command lists, in the order they were appended. */
	const TArray<TSharedPtr<FUICommandList>>& GetCommandLists() const
	{
		return CommandLists;
	}

private:
	TArray<TSharedPtr<FUICommandList>> CommandLists;
	TArray<TSharedPtr<FExtender>> Extenders;
	TArray<UObject*> ContextObjects;
};
