// The delegates and choices that fill tool menus: sub-menu and combo content, entry actions.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/MultiBox/MultiBox.h"
#include "Framework/SlateDelegates.h"

class FUICommandInfo;
class FUICommandList;
class UToolMenu;
struct FToolMenuContext;
struct FToolMenuSection;

DECLARE_DELEGATE_OneParam(FNewToolMenuDelegate, UToolMenu*);
DECLARE_DELEGATE_OneParam(FNewToolMenuSectionDelegate, FToolMenuSection&);
DECLARE_DELEGATE_RetVal_OneParam(TSharedRef<SWidget>, FNewToolMenuWidget, const FToolMenuContext&);

/** What fills a sub-menu or a combo button's drop-down: one of the four forms. */
struct FNewToolMenuChoice
{
	FNewToolMenuChoice()
	{
	}

	FNewToolMenuChoice(const FOnGetContent& InOnGetContent)
		: OnGetContent(InOnGetContent)
	{
	}

	FNewToolMenuChoice(const FNewToolMenuWidget& InNewToolMenuWidget)
		: NewToolMenuWidget(InNewToolMenuWidget)
	{
	}

	FNewToolMenuChoice(const FNewToolMenuDelegate& InNewToolMenuDelegate)
		: NewToolMenuDelegate(InNewToolMenuDelegate)
	{
	}

	FNewToolMenuChoice(const FNewMenuDelegate& InNewMenuLegacy)
		: NewMenuLegacy(InNewMenuLegacy)
	{
	}

	FNewToolMenuDelegate NewToolMenuDelegate;
	FNewToolMenuWidget NewToolMenuWidget;
	FOnGetContent OnGetContent;
	FNewMenuDelegate NewMenuLegacy;
};

/** An entry's action: a plain UI action, or a command of a command list. */
struct FToolUIActionChoice
{
	FToolUIActionChoice()
	{
	}

	FToolUIActionChoice(const FUIAction& InAction)
		: Action(InAction)
		, bHasAction(true)
	{
	}

	FToolUIActionChoice(const TSharedPtr<const FUICommandInfo>& InCommand, const FUICommandList& InCommandList);

	/** The UI action, or null when there is none. */
	const FUIAction* GetUIAction() const
	{
		return bHasAction ? &Action : nullptr;
	}

private:
	FUIAction Action;
	bool bHasAction = false;
};
