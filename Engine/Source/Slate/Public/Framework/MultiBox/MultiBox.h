// A multi-box is the data behind a menu or toolbar: a list of blocks (headings, entries, separators),
// built by a multi-box builder and shown by SMultiBoxWidget.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Textures/SlateIcon.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class FMenuBuilder;
class FUICommandInfo;
class FUICommandList;
class ISlateStyle;
class SMultiBoxWidget;

DECLARE_DELEGATE_OneParam(FNewMenuDelegate, FMenuBuilder&);

/** One block of a multi-box. */
class SLATE_API FMultiBlock : public TSharedFromThis<FMultiBlock>
{
public:
	FMultiBlock(const TSharedPtr<const FUICommandInfo> InCommand, TSharedPtr<const FUICommandList> InCommandList, FName InExtensionHook = NAME_None, EMultiBlockType InType = EMultiBlockType::None);
	FMultiBlock(const FUIAction& InAction, FName InExtensionHook = NAME_None, EMultiBlockType InType = EMultiBlockType::None);
	virtual ~FMultiBlock();

	const TSharedPtr<const FUICommandList> GetActionList() const
	{
		return ActionList;
	}
	const TSharedPtr<const FUICommandInfo> GetAction() const
	{
		return Action;
	}
	const FUIAction& GetDirectActions() const
	{
		return DirectActions;
	}
	FName GetExtensionHook() const
	{
		return ExtensionHook;
	}
	EMultiBlockType GetType() const
	{
		return Type;
	}

	/** Whether a click has something to run: a mapped, bound command or a bound direct action that can execute. */
	bool CanExecute() const;

	/** Runs the block's action as a click does; false when there is nothing to run or it cannot execute. */
	bool Execute() const;

private:
	TSharedPtr<const FUICommandInfo> Action;
	TSharedPtr<const FUICommandList> ActionList;
	FUIAction DirectActions;
	FName ExtensionHook;
	EMultiBlockType Type;
};

/** A section heading. */
class SLATE_API FHeadingBlock : public FMultiBlock
{
public:
	FHeadingBlock(FName InExtensionHook, const TAttribute<FText>& InHeadingText);

	FText GetHeadingText() const
	{
		return HeadingText.Get(FText::GetEmpty());
	}

private:
	TAttribute<FText> HeadingText;
};

/** The line between two sections. */
class SLATE_API FMenuSeparatorBlock : public FMultiBlock
{
public:
	FMenuSeparatorBlock(FName InExtensionHook, bool bInIsPartOfHeading);
};

/** A menu entry: a command (with optional label, tooltip and icon overrides), a direct action, or a sub-menu. */
class SLATE_API FMenuEntryBlock : public FMultiBlock
{
public:
	/** An entry for a command of a command list. */
	FMenuEntryBlock(FName InExtensionHook, const TSharedPtr<const FUICommandInfo> InCommand, TSharedPtr<const FUICommandList> InCommandList, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const FSlateIcon& InIconOverride, bool bInCloseSelfOnly, bool bInShouldCloseWindowAfterMenuSelection);

	/** An entry with its own action. */
	FMenuEntryBlock(FName InExtensionHook, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon, const FUIAction& InUIAction, EUserInterfaceActionType InUserInterfaceActionType, bool bInCloseSelfOnly, bool bInShouldCloseWindowAfterMenuSelection);

	/** A sub-menu entry; its content is built when it opens. */
	FMenuEntryBlock(FName InExtensionHook, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewMenuDelegate& InEntryBuilder, TSharedPtr<const FUICommandList> InCommandList, bool bInOpenSubMenuOnClick, const FSlateIcon& InIcon, bool bInShouldCloseWindowAfterMenuSelection);

	/** The label shown: the override when one was given, else the command's label. */
	FText GetLabel() const;

	/** The tooltip shown: the override when one was given, else the command's description. */
	FText GetToolTip() const;

	/** The icon shown: the override when one was given, else the command's icon. */
	FSlateIcon GetIcon() const;

	bool IsSubMenu() const
	{
		return bIsSubMenu;
	}

	EUserInterfaceActionType GetUserInterfaceActionType() const
	{
		return UserInterfaceActionType;
	}

	bool ShouldCloseWindowAfterMenuSelection() const
	{
		return bShouldCloseWindowAfterMenuSelection;
	}

	/** Builds the sub-menu's content (the entry's own command list pushed), as opening it does. */
	TSharedRef<SWidget> MakeSubMenuWidget() const;

private:
	TAttribute<FText> LabelOverride;
	TAttribute<FText> ToolTipOverride;
	FSlateIcon IconOverride;
	FNewMenuDelegate EntryBuilder;
	EUserInterfaceActionType UserInterfaceActionType;
	bool bIsSubMenu;
	bool bCloseSelfOnly;
	bool bShouldCloseWindowAfterMenuSelection;
};

/** The blocks of one menu or toolbar, in order. */
class SLATE_API FMultiBox : public TSharedFromThis<FMultiBox>
{
public:
	DECLARE_DELEGATE_TwoParams(FOnMakeMultiBoxBuilderOverride, const TSharedRef<FMultiBox>&, const TSharedRef<SMultiBoxWidget>&);

	/** A section as the builder began it, drawn or not (the engine draws a section only once it has an entry). */
	struct FSection
	{
		FName ExtensionHook;
		FText Heading;
	};

	static TSharedRef<FMultiBox> Create(const EMultiBoxType InType, bool bInShouldCloseWindowAfterMenuSelection, const ISlateStyle* InStyleSet, FName InMenuName, bool bInSearchable);

	void AddMultiBlock(TSharedRef<const FMultiBlock> InBlock);

	const TArray<TSharedRef<const FMultiBlock>>& GetBlocks() const
	{
		return Blocks;
	}

	EMultiBoxType GetType() const
	{
		return Type;
	}
	const ISlateStyle* GetStyleSet() const
	{
		return StyleSet;
	}
	FName GetMenuName() const
	{
		return MenuName;
	}
	bool IsSearchable() const
	{
		return bSearchable;
	}
	bool ShouldCloseWindowAfterMenuSelection() const
	{
		return bShouldCloseWindowAfterMenuSelection;
	}

	/** Makes the widget that shows this multi-box; the override, when bound, may change blocks first. */
	TSharedRef<SMultiBoxWidget> MakeWidget(bool bSearchable, FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride, uint32 InMaxHeight);

	/** Stand-in host access: every section the builder began, in order, empty ones included. */
	const TArray<FSection>& GetSections() const
	{
		return Sections;
	}

	/** Stand-in host access: the index into GetSections() of the section a block was added in (INDEX_NONE outside any). */
	int32 GetBlockSection(int32 BlockIndex) const
	{
		return BlockSections[BlockIndex];
	}

	/** Used by the builder to record sections as they begin and end. */
	void BeginSectionRecord(FName InExtensionHook, const FText& InHeading);
	void EndSectionRecord();

private:
	FMultiBox(const EMultiBoxType InType, bool bInShouldCloseWindowAfterMenuSelection, const ISlateStyle* InStyleSet, FName InMenuName, bool bInSearchable);

	TArray<TSharedRef<const FMultiBlock>> Blocks;
	TArray<int32> BlockSections;
	TArray<FSection> Sections;
	int32 CurrentSection;
	EMultiBoxType Type;
	const ISlateStyle* StyleSet;
	FName MenuName;
	bool bSearchable;
	bool bShouldCloseWindowAfterMenuSelection;
};

/** The widget that shows a multi-box. The stand-in draws nothing: the widget keeps its multi-box. */
class SLATE_API SMultiBoxWidget : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SMultiBoxWidget)
	{
	}
	SLATE_END_ARGS()

	SMultiBoxWidget();

	void Construct(const FArguments& InArgs);

	void SetMultiBox(const TSharedRef<FMultiBox>& InMultiBox);

	TSharedRef<const FMultiBox> GetMultiBox() const
	{
		return MultiBox.ToSharedRef();
	}

	void SetSearchable(bool bInSearchable)
	{
		bSearchable = bInSearchable;
	}
	bool GetSearchable() const
	{
		return bSearchable;
	}

	void SetMaxHeight(uint32 InMaxHeight)
	{
		MaxHeight = InMaxHeight;
	}
	uint32 GetMaxHeight() const
	{
		return MaxHeight;
	}

private:
	TSharedPtr<FMultiBox> MultiBox;
	bool bSearchable;
	uint32 MaxHeight;
};
