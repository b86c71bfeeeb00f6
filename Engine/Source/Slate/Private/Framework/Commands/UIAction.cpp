#include "Framework/Commands/UIAction.h"

namespace
{
	FGetActionCheckState MakeCheckStateFromIsChecked(FIsActionChecked IsCheckedDelegate)
	{
		if (!IsCheckedDelegate.IsBound())
		{
			return FGetActionCheckState();
		}
		return FGetActionCheckState::CreateLambda([IsCheckedDelegate]() {
			return IsCheckedDelegate.Execute() ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
		});
	}
}

FUIAction::FUIAction()
	: RepeatMode(EUIActionRepeatMode::RepeatDisabled)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, RepeatMode(InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, RepeatMode(InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FIsActionChecked InitIsCheckedDelegate, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, GetActionCheckState(MakeCheckStateFromIsChecked(InitIsCheckedDelegate))
	, RepeatMode(InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FGetActionCheckState InitGetActionCheckStateDelegate, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, GetActionCheckState(InitGetActionCheckStateDelegate)
	, RepeatMode(InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FIsActionChecked InitIsCheckedDelegate, FIsActionButtonVisible InitIsActionVisibleDelegate, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, GetActionCheckState(MakeCheckStateFromIsChecked(InitIsCheckedDelegate))
	, IsActionVisibleDelegate(InitIsActionVisibleDelegate)
	, RepeatMode(InitRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InitExecuteAction, FCanExecuteAction InitCanExecuteAction, FGetActionCheckState InitGetActionCheckStateDelegate, FIsActionButtonVisible InitIsActionVisibleDelegate, EUIActionRepeatMode InitRepeatMode)
	: ExecuteAction(InitExecuteAction)
	, CanExecuteAction(InitCanExecuteAction)
	, GetActionCheckState(InitGetActionCheckStateDelegate)
	, IsActionVisibleDelegate(InitIsActionVisibleDelegate)
	, RepeatMode(InitRepeatMode)
{
}

bool FUIAction::CanExecute() const
{
	return CanExecuteAction.IsBound() ? CanExecuteAction.Execute() : true;
}

bool FUIAction::Execute() const
{
	if (ExecuteAction.IsBound())
	{
		ExecuteAction.Execute();
		return true;
	}
	return false;
}

ECheckBoxState FUIAction::GetCheckState() const
{
	return GetActionCheckState.IsBound() ? GetActionCheckState.Execute() : ECheckBoxState::Unchecked;
}

EVisibility FUIAction::IsVisible() const
{
	if (IsActionVisibleDelegate.IsBound())
	{
		return IsActionVisibleDelegate.Execute() ? EVisibility::Visible : EVisibility::Collapsed;
	}
	return EVisibility::Visible;
}
