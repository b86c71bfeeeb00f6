// Builders of menus: sections with headings, entries for commands or actions, sub-menus, separators,
// with other modules' extensions applied at named hooks.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/MultiBox/MultiBox.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "Textures/SlateIcon.h"

class FExtender;
class FUICommandInfo;
class FUICommandList;
class ISlateStyle;

class SLATE_API FMultiBoxBuilder
{
public:
	FMultiBoxBuilder(const EMultiBoxType InType, const bool bInShouldCloseWindowAfterMenuSelection, const TSharedPtr<const FUICommandList>& InCommandList, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), FName InTutorialHighlightName = NAME_None, FName InMenuName = NAME_None);
	virtual ~FMultiBoxBuilder();

	/** Entries added after this use InCommandList until the matching pop. */
	void PushCommandList(const TSharedRef<const FUICommandList> InCommandList);
	void PopCommandList();
	TSharedPtr<const FUICommandList> GetTopCommandList();

	/** Extenders applied at hooks until the matching pop. */
	void PushExtender(TSharedRef<FExtender> InExtender);
	void PopExtender();

	/** Makes the widget that shows what was built. */
	virtual TSharedRef<SWidget> MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride = nullptr);

	TSharedRef<FMultiBox> GetMultiBox()
	{
		return MultiBox;
	}

protected:
	/** Runs the top extender's extensions of a hook; hooks named None are never extended. */
	virtual void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition) = 0;

	/** Adds what a pending section shows before its first entry (menus only). */
	virtual void ApplySectionBeginning()
	{
	}

	TSharedRef<FMultiBox> MultiBox;
	TArray<TSharedPtr<const FUICommandList>> CommandListStack;
	TArray<TSharedPtr<FExtender>> ExtenderStack;
	FName TutorialHighlightName;
	FName MenuName;
};

class SLATE_API FBaseMenuBuilder : public FMultiBoxBuilder
{
public:
	FBaseMenuBuilder(const EMultiBoxType InType, const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, bool bInCloseSelfOnly, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), const ISlateStyle* InStyleSet = nullptr, FName InTutorialHighlightName = NAME_None, FName InMenuName = NAME_None);

	/** An entry for a command of the current command list; unset overrides show the command's own label, tooltip and icon. */
	void AddMenuEntry(const TSharedPtr<const FUICommandInfo> InCommand, FName InExtensionHook = NAME_None, const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(), const FSlateIcon& InIconOverride = FSlateIcon(), FName InTutorialHighlightName = NAME_None);

	/** An entry with its own action. */
	void AddMenuEntry(const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon, const FUIAction& UIAction, FName InExtensionHook = NAME_None, const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, FName InTutorialHighlightName = NAME_None);

protected:
	bool bCloseSelfOnly;
};

class SLATE_API FMenuBuilder : public FBaseMenuBuilder
{
public:
	FMenuBuilder(const bool bInShouldCloseWindowAfterMenuSelection, TSharedPtr<const FUICommandList> InCommandList, TSharedPtr<FExtender> InExtender = TSharedPtr<FExtender>(), const bool bInCloseSelfOnly = false, const ISlateStyle* InStyleSet = nullptr, bool bInSearchable = true, FName InMenuName = NAME_None, bool bInRecursivelySearchable = true);

	/** Starts a section (hook and heading); the section shows once it has an entry. Sections do not nest. */
	void BeginSection(FName InExtensionHook, const TAttribute<FText>& InHeadingText = TAttribute<FText>());
	void EndSection();

	void AddSeparator(FName InExtensionHook = NAME_None);

	/** A sub-menu whose content InSubMenu builds when it opens. */
	void AddSubMenu(const TAttribute<FText>& InMenuLabel, const TAttribute<FText>& InToolTip, const FNewMenuDelegate& InSubMenu, const bool bInOpenSubMenuOnClick = false, const FSlateIcon& InIcon = FSlateIcon(), const bool bInShouldCloseWindowAfterMenuSelection = true, FName InExtensionHook = NAME_None, FName InTutorialHighlightName = NAME_None);

	using FMultiBoxBuilder::MakeWidget;
	virtual TSharedRef<SWidget> MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride, uint32 MaxHeight);
	virtual TSharedRef<SWidget> MakeWidget(FMultiBox::FOnMakeMultiBoxBuilderOverride* InMakeMultiBoxBuilderOverride = nullptr) override;

	bool IsRecursivelySearchable() const
	{
		return bRecursivelySearchable;
	}

protected:
	virtual void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition) override;

	virtual void ApplySectionBeginning() override;

private:
	FName CurrentSectionExtensionHook;
	FText CurrentSectionHeadingText;
	bool bSectionNeedsToBeApplied;
	bool bSectionOpen;
	bool bSearchable;
	bool bRecursivelySearchable;
};
