// Maps commands to actions for one piece of UI, and runs them.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"

class SLATE_API FUICommandList : public TSharedFromThis<FUICommandList>
{
public:
	FUICommandList();
	virtual ~FUICommandList();

	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled);

	/** Maps a command to an action; mapping a mapped command again replaces its action. */
	virtual void MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, const FUIAction& InUIAction);

	void UnmapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo);

	/** Actions of another list are found through this one for as long as that list lives. */
	void Append(const TSharedRef<FUICommandList>& InCommandsToAppend);

	/** Runs the command's action without asking whether it can run; false when none is mapped or bound. */
	virtual bool ExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;

	/** The action's answer; true when no action is mapped (menus of sub-menus map nothing). */
	bool CanExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;

	/** Executes only when the action can execute. */
	bool TryExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;

	EVisibility GetVisibility(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;
	ECheckBoxState GetCheckState(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;
	bool IsChecked(const TSharedRef<const FUICommandInfo> InUICommandInfo) const;

	/** True when this list or an appended one maps the command. */
	bool IsActionMapped(const TSharedPtr<const FUICommandInfo> InUICommandInfo) const;

	/** The mapped action, searching appended lists too; null when none. */
	const FUIAction* GetActionForCommand(TSharedPtr<const FUICommandInfo> Command) const;

private:
	const FUIAction* GetActionForCommandRecursively(const TSharedRef<const FUICommandInfo>& Command, TArray<const FUICommandList*>& Visited) const;

	struct FCommandMapping
	{
		// Held so a command's address cannot be reused while it is mapped.
		TSharedPtr<const FUICommandInfo> Command;
		FUIAction Action;
	};

	TMap<const FUICommandInfo*, FCommandMapping> UICommandBindingMap;
	TArray<TWeakPtr<FUICommandList>> ChildUICommandLists;
};
