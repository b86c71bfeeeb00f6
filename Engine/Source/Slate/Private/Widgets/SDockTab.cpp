#include "Widgets/Docking/SDockTab.h"

#include "Widgets/SWindow.h"

SDockTab::SDockTab()
	: TabRole(ETabRole::PanelTab)
	, bIsLive(false)
	, bHasClosed(false)
{
}

SDockTab::~SDockTab()
{
}

void SDockTab::Construct(const FArguments& InArgs)
{
	TabRole = InArgs._TabRole;
	TabLabel = InArgs._Label;
	OnTabClosed = InArgs._OnTabClosed;
	OnCanCloseTab = InArgs._OnCanCloseTab;
	OnTabActivated = InArgs._OnTabActivated;
	// clang-format off
	SBorder::Construct(SBorder::FArguments()
		.Padding(FMargin(0.0f))
		[
			InArgs._Content.Widget
		]);
	// clang-format on
}

void SDockTab::SetContent(TSharedRef<SWidget> InContent)
{
	SBorder::SetContent(InContent);
}

FText SDockTab::GetTabLabel() const
{
	return TabLabel.Get(FText::GetEmpty());
}

void SDockTab::SetLabel(const TAttribute<FText>& InTabLabel)
{
	TabLabel = InTabLabel;
}

void SDockTab::SetOnTabClosed(const FOnTabClosedCallback& InDelegate)
{
	OnTabClosed = InDelegate;
}

void SDockTab::SetCanCloseTab(const FCanCloseTab& InOnTabClosing)
{
	OnCanCloseTab = InOnTabClosing;
}

void SDockTab::SetOnTabActivated(const FOnTabActivatedCallback& InDelegate)
{
	OnTabActivated = InDelegate;
}

bool SDockTab::CanCloseTab() const
{
	return !OnCanCloseTab.IsBound() || OnCanCloseTab.Execute();
}

bool SDockTab::RequestCloseTab()
{
	if (bHasClosed || !CanCloseTab())
	{
		return false;
	}

	// Keep the tab alive through its callback, which may drop the last other reference.
	TSharedRef<SDockTab> ThisTab = StaticCastSharedRef<SDockTab>(AsShared());
	bHasClosed = true;
	OnTabClosed.ExecuteIfBound(ThisTab);

	bIsLive = false;
	if (TSharedPtr<FTabManager> TabManager = MyTabManager.Pin())
	{
		TabManager->OnTabClosing(ThisTab);
	}
	if (TSharedPtr<SWidget> Parent = GetParentWidget())
	{
		ConditionallyDetatchParentWidget(Parent.Get());
	}
	return true;
}

void SDockTab::ActivateInParent(ETabActivationCause InActivationCause)
{
	OnTabActivated.ExecuteIfBound(StaticCastSharedRef<SDockTab>(AsShared()));
}

bool SDockTab::IsForeground() const
{
	return bIsLive;
}

TSharedPtr<SWindow> SDockTab::GetParentWindow() const
{
	TSharedPtr<SWidget> Current = GetParentWidget();
	while (Current.IsValid())
	{
		if (SWindow* Window = dynamic_cast<SWindow*>(Current.Get()))
		{
			return StaticCastSharedRef<SWindow>(Window->AsShared());
		}
		Current = Current->GetParentWidget();
	}
	return TSharedPtr<SWindow>();
}

void SDockTab::SetLayoutIdentifier(const FTabId& TabId)
{
	LayoutIdentifier = TabId;
}

void SDockTab::SetTabManager(const TSharedPtr<FTabManager>& InTabManager)
{
	MyTabManager = InTabManager;
}
