#include "Framework/MultiBox/MultiBox.h"

#include "Framework/Commands/UICommandInfo.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "Styling/CoreStyle.h"

// ---------------------------------------------------------------- Extender

FExtensionBase::~FExtensionBase()
{
}

TSharedRef<const FExtensionBase> FExtender::AddMenuExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FMenuExtensionDelegate& MenuExtensionDelegate)
{
	TSharedRef<FMenuExtension> Extension = MakeShared<FMenuExtension>();
	Extension->Hook = ExtensionHook;
	Extension->HookPosition = HookPosition;
	Extension->CommandList = CommandList;
	Extension->MenuExtensionDelegate = MenuExtensionDelegate;
	Extensions.Add(Extension);
	return Extension;
}

void FExtender::RemoveExtension(const TSharedRef<const FExtensionBase>& Extension)
{
	Extensions.RemoveAll([&Extension](const TSharedPtr<const FExtensionBase>& Candidate) { return Candidate == Extension; });
}

void FExtender::Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBuilder& MenuBuilder) const
{
	// A delegate may add extensions while it runs; walk the ones there were.
	const TArray<TSharedPtr<const FExtensionBase>> Current = Extensions;
	for (const TSharedPtr<const FExtensionBase>& Extension : Current)
	{
		const FMenuExtension* MenuExtension = static_cast<const FMenuExtension*>(Extension.Get());
		if (MenuExtension->Hook != ExtensionHook || MenuExtension->HookPosition != HookPosition)
		{
			continue;
		}
		if (MenuExtension->CommandList.IsValid())
		{
			MenuBuilder.PushCommandList(MenuExtension->CommandList.ToSharedRef());
		}
		MenuExtension->MenuExtensionDelegate.ExecuteIfBound(MenuBuilder);
		if (MenuExtension->CommandList.IsValid())
		{
			MenuBuilder.PopCommandList();
		}
	}
}

TSharedPtr<FExtender> FExtender::Combine(const TArray<TSharedPtr<FExtender>>& Extenders)
{
	TSharedPtr<FExtender> Combined = MakeShared<FExtender>();
	for (const TSharedPtr<FExtender>& Extender : Extenders)
	{
		if (Extender.IsValid())
		{
			Combined->Extensions.Append(Extender->Extensions);
		}
	}
	return Combined;
}

// ---------------------------------------------------------------- Blocks

FMultiBlock::FMultiBlock(const TSharedPtr<const FUICommandInfo> InCommand, TSharedPtr<const FUICommandList> InCommandList, FName InExtensionHook, EMultiBlockType InType)
	: Action(InCommand)
	, ActionList(InCommandList)
	, ExtensionHook(InExtensionHook)
	, Type(InType)
{
}

FMultiBlock::FMultiBlock(const FUIAction& InAction, FName InExtensionHook, EMultiBlockType InType)
	: DirectActions(InAction)
	, ExtensionHook(InExtensionHook)
	, Type(InType)
{
}

FMultiBlock::~FMultiBlock()
{
}

bool FMultiBlock::CanExecute() const
{
	if (Action.IsValid())
	{
		if (!ActionList.IsValid())
		{
			return false;
		}
		const FUIAction* Mapped = ActionList->GetActionForCommand(Action);
		return Mapped && Mapped->IsBound() && Mapped->CanExecute();
	}
	return DirectActions.IsBound() && DirectActions.CanExecute();
}

bool FMultiBlock::Execute() const
{
	if (!CanExecute())
	{
		return false;
	}
	if (Action.IsValid())
	{
		return ActionList->ExecuteAction(Action.ToSharedRef());
	}
	return DirectActions.Execute();
}

FHeadingBlock::FHeadingBlock(FName InExtensionHook, const TAttribute<FText>& InHeadingText)
	: FMultiBlock(nullptr, nullptr, InExtensionHook, EMultiBlockType::Heading)
	, HeadingText(InHeadingText)
{
}

FMenuSeparatorBlock::FMenuSeparatorBlock(FName InExtensionHook, bool bInIsPartOfHeading)
	: FMultiBlock(nullptr, nullptr, InExtensionHook, EMultiBlockType::Separator)
{
}

FMenuEntryBlock::FMenuEntryBlock(FName InExtensionHook, const TSharedPtr<const FUICommandInfo> InCommand, TSharedPtr<const FUICommandList> InCommandList, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const FSlateIcon& InIconOverride, bool bInCloseSelfOnly, bool bInShouldCloseWindowAfterMenuSelection)
	: FMultiBlock(InCommand, InCommandList, InExtensionHook, EMultiBlockType::MenuEntry)
	, LabelOverride(InLabelOverride)
	, ToolTipOverride(InToolTipOverride)
	, IconOverride(InIconOverride)
	, UserInterfaceActionType(InCommand.IsValid() ? InCommand->GetUserInterfaceType() : EUserInterfaceActionType::Button)
	, bIsSubMenu(false)
	, bCloseSelfOnly(bInCloseSelfOnly)
	, bShouldCloseWindowAfterMenuSelection(bInShouldCloseWindowAfterMenuSelection)
{
}

FMenuEntryBlock::FMenuEntryBlock(FName InExtensionHook, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon, const FUIAction& InUIAction, EUserInterfaceActionType InUserInterfaceActionType, bool bInCloseSelfOnly, bool bInShouldCloseWindowAfterMenuSelection)
	: FMultiBlock(InUIAction, InExtensionHook, EMultiBlockType::MenuEntry)
	, LabelOverride(InLabel)
	, ToolTipOverride(InToolTip)
	, IconOverride(InIcon)
	, UserInterfaceActionType(InUserInterfaceActionType)
	, bIsSubMenu(false)
	, bCloseSelfOnly(bInCloseSelfOnly)
	, bShouldCloseWindowAfterMenuSelection(bInShouldCloseWindowAfterMenuSelection)
{
}

FMenuEntryBlock::FMenuEntryBlock(FName InExtensionHook, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewMenuDelegate& InEntryBuilder, TSharedPtr<const FUICommandList> InCommandList, bool bInOpenSubMenuOnClick, const FSlateIcon& InIcon, bool bInShouldCloseWindowAfterMenuSelection)
	: FMultiBlock(nullptr, InCommandList, InExtensionHook, EMultiBlockType::MenuEntry)
	, LabelOverride(InLabel)
	, ToolTipOverride(InToolTip)
	, IconOverride(InIcon)
	, EntryBuilder(InEntryBuilder)
	, UserInterfaceActionType(EUserInterfaceActionType::Button)
	, bIsSubMenu(true)
	, bCloseSelfOnly(false)
	, bShouldCloseWindowAfterMenuSelection(bInShouldCloseWindowAfterMenuSelection)
{
}

FText FMenuEntryBlock::GetLabel() const
{
	if (LabelOverride.IsSet() || !GetAction().IsValid())
	{
		return LabelOverride.Get(FText::GetEmpty());
	}
	return GetAction()->GetLabel();
}

FText FMenuEntryBlock::GetToolTip() const
{
	if (ToolTipOverride.IsSet() || !GetAction().IsValid())
	{
		return ToolTipOverride.Get(FText::GetEmpty());
	}
	return GetAction()->GetDescription();
}

FSlateIcon FMenuEntryBlock::GetIcon() const
{
	if (IconOverride.IsSet() || !GetAction().IsValid())
	{
		return IconOverride;
	}
	return GetAction()->GetIcon();
}

TSharedRef<SWidget> FMenuEntryBlock::MakeSubMenuWidget() const
{
	checkf(bIsSubMenu, TEXT("FMenuEntryBlock::MakeSubMenuWidget: the entry is not a sub-menu"));
	FMenuBuilder SubMenuBuilder(bShouldCloseWindowAfterMenuSelection, GetActionList(), TSharedPtr<FExtender>(), bCloseSelfOnly);
	EntryBuilder.ExecuteIfBound(SubMenuBuilder);
	return SubMenuBuilder.MakeWidget();
}

// ---------------------------------------------------------------- Multi-box

FMultiBox::FMultiBox(const EMultiBoxType InType, bool bInShouldCloseWindowAfterMenuSelection, const ISlateStyle* InStyleSet, FName InMenuName, bool bInSearchable)
	: CurrentSection(INDEX_NONE)
	, Type(InType)
	, StyleSet(InStyleSet)
	, MenuName(InMenuName)
	, bSearchable(bInSearchable)
	, bShouldCloseWindowAfterMenuSelection(bInShouldCloseWindowAfterMenuSelection)
{
}

TSharedRef<FMultiBox> FMultiBox::Create(const EMultiBoxType InType, bool bInShouldCloseWindowAfterMenuSelection, const ISlateStyle* InStyleSet, FName InMenuName, bool bInSearchable)
{
	return MakeShareable(new FMultiBox(InType, bInShouldCloseWindowAfterMenuSelection, InStyleSet, InMenuName, bInSearchable));
}

void FMultiBox::AddMultiBlock(TSharedRef<const FMultiBlock> InBlock)
{
	Blocks.Add(InBlock);
	BlockSections.Add(CurrentSection);
}

void FMultiBox::BeginSectionRecord(FName InExtensionHook, const FText& InHeading)
{
	FSection& Section = Sections.AddDefaulted_GetRef();
	Section.ExtensionHook = InExtensionHook;
	Section.Heading = InHeading;
	CurrentSection = Sections.Num() - 1;
}

void FMultiBox::EndSectionRecord()
{
	CurrentSection = INDEX_NONE;
}

TSharedRef<SMultiBoxWidget> FMultiBox::MakeWidget(bool bInSearchable, FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride, uint32 InMaxHeight)
{
	TSharedRef<SMultiBoxWidget> Widget = SNew(SMultiBoxWidget);
	Widget->SetMultiBox(AsShared());
	Widget->SetSearchable(bInSearchable);
	Widget->SetMaxHeight(InMaxHeight);
	if (InMakeMultiBoxBuilderOverride && InMakeMultiBoxBuilderOverride->IsBound())
	{
		InMakeMultiBoxBuilderOverride->Execute(AsShared(), Widget);
	}
	return Widget;
}

SMultiBoxWidget::SMultiBoxWidget()
	: bSearchable(true)
	, MaxHeight(1000)
{
}

void SMultiBoxWidget::Construct(const FArguments& InArgs)
{
}

void SMultiBoxWidget::SetMultiBox(const TSharedRef<FMultiBox>& InMultiBox)
{
	MultiBox = InMultiBox;
}

// ---------------------------------------------------------------- Builders

FMultiBoxBuilder::FMultiBoxBuilder(const EMultiBoxType InType, const bool bInShouldCloseWindowAfterMenuSelection, const TSharedPtr<const FUICommandList>& InCommandList, TSharedPtr<FExtender> InExtender, FName InTutorialHighlightName, FName InMenuName)
	: MultiBox(FMultiBox::Create(InType, bInShouldCloseWindowAfterMenuSelection, nullptr, InMenuName, true))
	, TutorialHighlightName(InTutorialHighlightName)
	, MenuName(InMenuName)
{
	CommandListStack.Push(InCommandList);
	ExtenderStack.Push(InExtender);
}

FMultiBoxBuilder::~FMultiBoxBuilder()
{
}

void FMultiBoxBuilder::PushCommandList(const TSharedRef<const FUICommandList> InCommandList)
{
	CommandListStack.Push(InCommandList);
}

void FMultiBoxBuilder::PopCommandList()
{
	checkf(CommandListStack.Num() > 1, TEXT("FMultiBoxBuilder::PopCommandList: no pushed command list to pop"));
	CommandListStack.Pop();
}

TSharedPtr<const FUICommandList> FMultiBoxBuilder::GetTopCommandList()
{
	return CommandListStack.Num() > 0 ? CommandListStack.Last() : TSharedPtr<const FUICommandList>();
}

void FMultiBoxBuilder::PushExtender(TSharedRef<FExtender> InExtender)
{
	ExtenderStack.Push(InExtender);
}

void FMultiBoxBuilder::PopExtender()
{
	checkf(ExtenderStack.Num() > 1, TEXT("FMultiBoxBuilder::PopExtender: no pushed extender to pop"));
	ExtenderStack.Pop();
}

TSharedRef<SWidget> FMultiBoxBuilder::MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride)
{
	return MultiBox->MakeWidget(MultiBox->IsSearchable(), InMakeMultiBoxBuilderOverride, 1000);
}

FBaseMenuBuilder::FBaseMenuBuilder(const EMultiBoxType InType, const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, bool bInCloseSelfOnly, TSharedPtr<FExtender> InExtender, const ISlateStyle* InStyleSet, FName InTutorialHighlightName, FName InMenuName)
	: FMultiBoxBuilder(InType, bInShouldCloseWindowAfterMenuSelection, InCommandList, InExtender, InTutorialHighlightName, InMenuName)
	, bCloseSelfOnly(bInCloseSelfOnly)
{
	(void)InStyleSet;
}

void FBaseMenuBuilder::AddMenuEntry(const TSharedPtr<const FUICommandInfo> InCommand, FName InExtensionHook, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const FSlateIcon& InIconOverride, FName InTutorialHighlightName)
{
	ApplySectionBeginning();
	ApplyHook(InExtensionHook, EExtensionHook::Before);
	checkf(InCommand.IsValid(), TEXT("FMenuBuilder::AddMenuEntry: the command must be valid"));
	MultiBox->AddMultiBlock(MakeShared<FMenuEntryBlock>(InExtensionHook, InCommand, CommandListStack.Last(), InLabelOverride, InToolTipOverride, InIconOverride, bCloseSelfOnly, MultiBox->ShouldCloseWindowAfterMenuSelection()));
	ApplyHook(InExtensionHook, EExtensionHook::After);
}

void FBaseMenuBuilder::AddMenuEntry(const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon, const FUIAction& UIAction, FName InExtensionHook, const EUserInterfaceActionType UserInterfaceActionType, FName InTutorialHighlightName)
{
	ApplySectionBeginning();
	ApplyHook(InExtensionHook, EExtensionHook::Before);
	MultiBox->AddMultiBlock(MakeShared<FMenuEntryBlock>(InExtensionHook, InLabel, InToolTip, InIcon, UIAction, UserInterfaceActionType, bCloseSelfOnly, MultiBox->ShouldCloseWindowAfterMenuSelection()));
	ApplyHook(InExtensionHook, EExtensionHook::After);
}

FMenuBuilder::FMenuBuilder(const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, TSharedPtr<FExtender> InExtender, const bool bInCloseSelfOnly, const ISlateStyle* InStyleSet, bool bInSearchable, FName InMenuName, bool bInRecursivelySearchable)
	: FBaseMenuBuilder(EMultiBoxType::Menu, bInShouldCloseWindowAfterMenuSelection, InCommandList, bInCloseSelfOnly, InExtender, InStyleSet, NAME_None, InMenuName)
	, bSectionNeedsToBeApplied(false)
	, bSectionOpen(false)
	, bSearchable(bInSearchable)
	, bRecursivelySearchable(bInRecursivelySearchable)
{
	MultiBox = FMultiBox::Create(EMultiBoxType::Menu, bInShouldCloseWindowAfterMenuSelection, InStyleSet ? InStyleSet : &FCoreStyle::Get(), InMenuName, bInSearchable);
}

void FMenuBuilder::ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition)
{
	const TSharedPtr<FExtender>& Extender = ExtenderStack.Last();
	if (InExtensionHook != NAME_None && Extender.IsValid())
	{
		Extender->Apply(InExtensionHook, HookPosition, *this);
	}
}

void FMenuBuilder::ApplySectionBeginning()
{
	if (!bSectionNeedsToBeApplied)
	{
		return;
	}
	if (MultiBox->GetBlocks().Num() > 0)
	{
		MultiBox->AddMultiBlock(MakeShared<FMenuSeparatorBlock>(CurrentSectionExtensionHook, true));
	}
	if (!CurrentSectionHeadingText.IsEmpty())
	{
		MultiBox->AddMultiBlock(MakeShared<FHeadingBlock>(CurrentSectionExtensionHook, CurrentSectionHeadingText));
	}
	bSectionNeedsToBeApplied = false;
}

void FMenuBuilder::BeginSection(FName InExtensionHook, const TAttribute<FText>& InHeadingText)
{
	checkf(!bSectionOpen, TEXT("FMenuBuilder::BeginSection: the previous section was not ended (sections do not nest)"));
	ApplyHook(InExtensionHook, EExtensionHook::Before);
	bSectionOpen = true;
	bSectionNeedsToBeApplied = true;
	CurrentSectionExtensionHook = InExtensionHook;
	CurrentSectionHeadingText = InHeadingText.Get(FText::GetEmpty());
	MultiBox->BeginSectionRecord(InExtensionHook, CurrentSectionHeadingText);
	ApplyHook(InExtensionHook, EExtensionHook::First);
}

void FMenuBuilder::EndSection()
{
	checkf(bSectionOpen, TEXT("FMenuBuilder::EndSection: no section was begun"));
	const FName SectionExtensionHook = CurrentSectionExtensionHook;
	CurrentSectionExtensionHook = NAME_None;
	CurrentSectionHeadingText = FText::GetEmpty();
	bSectionNeedsToBeApplied = false;
	bSectionOpen = false;
	MultiBox->EndSectionRecord();
	ApplyHook(SectionExtensionHook, EExtensionHook::After);
}

void FMenuBuilder::AddSeparator(FName InExtensionHook)
{
	ApplySectionBeginning();
	ApplyHook(InExtensionHook, EExtensionHook::Before);
	// A separator at the very top, or right after a section's beginning, would be drawn as a stray line.
	const TArray<TSharedRef<const FMultiBlock>>& Blocks = MultiBox->GetBlocks();
	if (Blocks.Num() > 0 && Blocks.Last()->GetType() != EMultiBlockType::Separator && Blocks.Last()->GetType() != EMultiBlockType::Heading)
	{
		MultiBox->AddMultiBlock(MakeShared<FMenuSeparatorBlock>(InExtensionHook, false));
	}
	ApplyHook(InExtensionHook, EExtensionHook::After);
}

void FMenuBuilder::AddSubMenu(const TAttribute<FText>& InMenuLabel, const TAttribute<FText>& InToolTip, const FNewMenuDelegate& InSubMenu, const bool bInOpenSubMenuOnClick, const FSlateIcon& InIcon, const bool bInShouldCloseWindowAfterMenuSelection, FName InExtensionHook, FName InTutorialHighlightName)
{
	ApplySectionBeginning();
	ApplyHook(InExtensionHook, EExtensionHook::Before);
	MultiBox->AddMultiBlock(MakeShared<FMenuEntryBlock>(InExtensionHook, InMenuLabel, InToolTip, InSubMenu, CommandListStack.Last(), bInOpenSubMenuOnClick, InIcon, bInShouldCloseWindowAfterMenuSelection));
	ApplyHook(InExtensionHook, EExtensionHook::After);
}

TSharedRef<SWidget> FMenuBuilder::MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride, uint32 MaxHeight)
{
	return MultiBox->MakeWidget(bSearchable, InMakeMultiBoxBuilderOverride, MaxHeight);
}

TSharedRef<SWidget> FMenuBuilder::MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride)
{
	return MakeWidget(InMakeMultiBoxBuilderOverride, 1000);
}
