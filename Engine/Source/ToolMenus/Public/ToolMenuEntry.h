// One entry of a tool menu: a menu entry, a sub-menu, a toolbar button or combo button, or a dynamic
// entry that fills itself when the menu is generated.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Misc/Attribute.h"
#include "Textures/SlateIcon.h"
#include "ToolMenuDelegates.h"
#include "ToolMenuMisc.h"
#include "ToolMenuOwner.h"

/** What only toolbar entries use. */
struct FToolMenuEntryToolBarData
{
	TAttribute<FText> LabelOverride;

	/** A combo button's drop-down. */
	FNewToolMenuChoice ComboButtonContextMenuGenerator;

	bool bSimpleComboBox = false;
};

/** What only sub-menu entries use. */
struct FToolMenuEntrySubMenuData
{
	bool bIsSubMenu = false;
	bool bOpenSubMenuOnClick = false;
	FNewToolMenuChoice ConstructMenu;
};

struct TOOLMENUS_API FToolMenuEntry
{
	FToolMenuEntry();
	FToolMenuEntry(const FToolMenuOwner InOwner, const FName InName, EMultiBlockType InType);

	static FToolMenuEntry InitMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, const FName InTutorialHighlightName = NAME_None);
	static FToolMenuEntry InitMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), const FName InTutorialHighlightName = NAME_None, const FName InNameOverride = NAME_None);
	static FToolMenuEntry InitSubMenu(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewToolMenuChoice& InMakeMenu, bool bInOpenSubMenuOnClick = false, const TAttribute<FSlateIcon>& InIcon = TAttribute<FSlateIcon>(), const bool bShouldCloseWindowAfterMenuSelection = true, const FName InTutorialHighlightName = NAME_None);
	static FToolMenuEntry InitToolBarButton(const FName InName, const FToolUIActionChoice& InAction, const TAttribute<FText>& InLabel = TAttribute<FText>(), const TAttribute<FText>& InToolTip = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIcon = TAttribute<FSlateIcon>(), const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, FName InTutorialHighlightName = NAME_None);
	static FToolMenuEntry InitComboButton(const FName InName, const FToolUIActionChoice& InAction, const FNewToolMenuChoice& InMenuContentGenerator, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const TAttribute<FSlateIcon>& InIconOverride = TAttribute<FSlateIcon>(), bool bInSimpleComboBox = false, FName InTutorialHighlightName = NAME_None);

	/** A dynamic entry: Construct adds the real entries to the section when the menu is generated. */
	static FToolMenuEntry InitDynamicEntry(const FName InName, const FNewToolMenuSectionDelegate& InConstruct);

	TSharedPtr<const FUICommandInfo> GetCommand() const
	{
		return Command;
	}
	TSharedPtr<const FUICommandList> GetCommandList() const
	{
		return CommandList;
	}
	const FToolUIActionChoice& GetActionChoice() const
	{
		return Action;
	}
	bool IsSubMenu() const
	{
		return SubMenuData.bIsSubMenu;
	}
	bool IsCommand() const
	{
		return Command.IsValid();
	}
	bool IsDynamic() const
	{
		return Construct.IsBound();
	}

	/** The label shown: the entry's, else its command's. */
	FText GetLabelText() const;

	/** The tooltip shown: the entry's, else its command's description. */
	FText GetToolTipText() const;

	/** The icon shown: the entry's, else its command's. */
	FSlateIcon GetIcon() const;

	FName Name;
	FToolMenuOwner Owner;
	EMultiBlockType Type;
	EUserInterfaceActionType UserInterfaceActionType;
	FName TutorialHighlightName;
	FToolMenuInsert InsertPosition;
	bool bShouldCloseWindowAfterMenuSelection;

	/** A style of the entry's own instead of the menu's (toolbar entries). */
	FName StyleNameOverride;

	TAttribute<FText> Label;
	TAttribute<FText> ToolTip;
	TAttribute<FSlateIcon> Icon;

	FToolMenuEntryToolBarData ToolBarData;
	FToolMenuEntrySubMenuData SubMenuData;

private:
	friend struct FToolMenuSection;
	friend class UToolMenus;

	/** An entry of the given type running an action, with its texts and icon. */
	static FToolMenuEntry InitActionEntry(EMultiBlockType InType, const FName InName, const FToolUIActionChoice& InAction, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const EUserInterfaceActionType InUserInterfaceActionType, const FName InTutorialHighlightName);

	FToolUIActionChoice Action;
	TSharedPtr<const FUICommandInfo> Command;
	TSharedPtr<const FUICommandList> CommandList;
	FNewToolMenuSectionDelegate Construct;
};
