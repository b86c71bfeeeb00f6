#include "Framework/Commands/UICommandList.h"

FUICommandList::FUICommandList()
{
}

FUICommandList::~FUICommandList()
{
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, IsCheckedDelegate, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, GetActionCheckState, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FIsActionChecked IsCheckedDelegate, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, IsCheckedDelegate, IsVisibleDelegate, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, FExecuteAction ExecuteAction, FCanExecuteAction CanExecuteAction, FGetActionCheckState GetActionCheckState, FIsActionButtonVisible IsVisibleDelegate, EUIActionRepeatMode RepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(ExecuteAction, CanExecuteAction, GetActionCheckState, IsVisibleDelegate, RepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo, const FUIAction& InUIAction)
{
	checkf(InUICommandInfo.IsValid(), TEXT("FUICommandList::MapAction: null command (was the command set registered?)"));
	FCommandMapping& Mapping = UICommandBindingMap.FindOrAdd(InUICommandInfo.Get());
	Mapping.Command = InUICommandInfo;
	Mapping.Action = InUIAction;
}

void FUICommandList::UnmapAction(const TSharedPtr<const FUICommandInfo> InUICommandInfo)
{
	if (InUICommandInfo.IsValid())
	{
		UICommandBindingMap.Remove(InUICommandInfo.Get());
	}
}

void FUICommandList::Append(const TSharedRef<FUICommandList>& InCommandsToAppend)
{
	checkf(&InCommandsToAppend.Get() != this, TEXT("FUICommandList::Append: a command list cannot be appended to itself"));
	ChildUICommandLists.Add(InCommandsToAppend);
}

bool FUICommandList::ExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	return Action ? Action->Execute() : false;
}

bool FUICommandList::CanExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	return Action ? Action->CanExecute() : true;
}

bool FUICommandList::TryExecuteAction(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	if (!CanExecuteAction(InUICommandInfo))
	{
		return false;
	}
	return ExecuteAction(InUICommandInfo);
}

EVisibility FUICommandList::GetVisibility(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	return Action ? Action->IsVisible() : EVisibility::Visible;
}

ECheckBoxState FUICommandList::GetCheckState(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo);
	return Action ? Action->GetCheckState() : ECheckBoxState::Unchecked;
}

bool FUICommandList::IsChecked(const TSharedRef<const FUICommandInfo> InUICommandInfo) const
{
	return GetCheckState(InUICommandInfo) == ECheckBoxState::Checked;
}

bool FUICommandList::IsActionMapped(const TSharedPtr<const FUICommandInfo> InUICommandInfo) const
{
	return GetActionForCommand(InUICommandInfo) != nullptr;
}

const FUIAction* FUICommandList::GetActionForCommand(TSharedPtr<const FUICommandInfo> Command) const
{
	if (!Command.IsValid())
	{
		return nullptr;
	}
	TArray<const FUICommandList*> Visited;
	return GetActionForCommandRecursively(Command.ToSharedRef(), Visited);
}

const FUIAction* FUICommandList::GetActionForCommandRecursively(const TSharedRef<const FUICommandInfo>& Command, TArray<const FUICommandList*>& Visited) const
{
	// Lists may be appended to each other in a cycle; each is searched once.
	if (Visited.Contains(this))
	{
		return nullptr;
	}
	Visited.Add(this);

	if (const FCommandMapping* Mapping = UICommandBindingMap.Find(&Command.Get()))
	{
		return &Mapping->Action;
	}
	for (const TWeakPtr<FUICommandList>& WeakChild : ChildUICommandLists)
	{
		TSharedPtr<FUICommandList> Child = WeakChild.Pin();
		if (Child.IsValid())
		{
			if (const FUIAction* Action = Child->GetActionForCommandRecursively(Command, Visited))
			{
				return Action;
			}
		}
	}
	return nullptr;
}
