// A dockable tab. Tabs are spawned by a tab manager and closed by the user or by code; closing
// runs the tab's on-closed callback and then takes the tab out of its tab manager.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/TabManager.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Layout/SBorder.h"

class SWindow;

enum ETabRole : uint8
{
	MajorTab,
	PanelTab,
	NomadTab,
	DocumentTab,
	NumRoles
};

/** What made a tab active. */
enum class ETabActivationCause : uint8
{
	UserClickedOnTab,
	SetDirectly
};

class SLATE_API SDockTab : public SBorder
{
	friend class FTabManager;

public:
	DECLARE_DELEGATE_OneParam(FOnTabClosedCallback, TSharedRef<SDockTab>);
	DECLARE_DELEGATE_RetVal(bool, FCanCloseTab);
	DECLARE_DELEGATE_OneParam(FOnTabActivatedCallback, TSharedRef<SDockTab>);

	SLATE_BEGIN_ARGS(SDockTab)
		: _Content()
		, _TabRole(ETabRole::PanelTab)
		, _Label()
		, _ShouldAutosize(false)
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_ARGUMENT(ETabRole, TabRole)
	SLATE_ATTRIBUTE(FText, Label)
	SLATE_ARGUMENT(bool, ShouldAutosize)
	SLATE_EVENT(FOnTabClosedCallback, OnTabClosed)
	SLATE_EVENT(FCanCloseTab, OnCanCloseTab)
	SLATE_EVENT(FOnTabActivatedCallback, OnTabActivated)
	SLATE_END_ARGS()

	SDockTab();
	virtual ~SDockTab();

	void Construct(const FArguments& InArgs);

	virtual void SetContent(TSharedRef<SWidget> InContent) override;

	ETabRole GetTabRole() const
	{
		return TabRole;
	}

	FText GetTabLabel() const;
	void SetLabel(const TAttribute<FText>& InTabLabel);

	/** Replaces the callback run when the tab closes. */
	void SetOnTabClosed(const FOnTabClosedCallback& InDelegate);
	void SetCanCloseTab(const FCanCloseTab& InOnTabClosing);
	void SetOnTabActivated(const FOnTabActivatedCallback& InDelegate);

	/** Whether the tab may close now: false when its can-close delegate says no. */
	bool CanCloseTab() const;

	/** Closes the tab as the user's close button does; false when the tab refuses. */
	bool RequestCloseTab();

	/** Brings the tab to the front of its tab well. */
	void ActivateInParent(ETabActivationCause InActivationCause);
	bool IsForeground() const;

	/** The identifier the tab was spawned under. */
	const FTabId GetLayoutIdentifier() const
	{
		return LayoutIdentifier;
	}

	/** The tab manager that spawned the tab, if it still exists. */
	TSharedPtr<FTabManager> GetTabManagerPtr() const
	{
		return MyTabManager.Pin();
	}

	/** The window the tab lives in, if any. */
	TSharedPtr<SWindow> GetParentWindow() const;

	/** Whether the tab is still open in a tab manager. */
	bool IsLive() const
	{
		return bIsLive;
	}

protected:
	void SetLayoutIdentifier(const FTabId& TabId);
	void SetTabManager(const TSharedPtr<FTabManager>& InTabManager);

private:
	ETabRole TabRole;
	TAttribute<FText> TabLabel;
	FOnTabClosedCallback OnTabClosed;
	FCanCloseTab OnCanCloseTab;
	FOnTabActivatedCallback OnTabActivated;
	FTabId LayoutIdentifier;
	TWeakPtr<FTabManager> MyTabManager;
	bool bIsLive;
	// Set once the tab has closed, so a later close request (from another tab's callback) runs nothing.
	bool bHasClosed;
};
