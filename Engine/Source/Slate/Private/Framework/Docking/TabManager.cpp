#include "Framework/Docking/TabManager.h"

#include "Framework/Application/SlateApplication.h"
#include "SlateGlobals.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/SWindow.h"

FString FTabId::ToString() const
{
	return InstanceId == INDEX_NONE ? TabType.ToString() : FString::Printf(TEXT("%s : %d"), *TabType.ToString(), InstanceId);
}

FText FTabId::ToText() const
{
	return FText::FromString(ToString());
}

FTabSpawnerEntry::FTabSpawnerEntry(const FName& InTabType, const FOnSpawnTab& InSpawnTabMethod, const FCanSpawnTab& InCanSpawnTab)
	: FWorkspaceItem(FText::GetEmpty(), FSlateIcon(), false)
	, TabType(InTabType)
	, OnSpawnTab(InSpawnTabMethod)
	, CanSpawnTab(InCanSpawnTab)
	, MenuType(ETabSpawnerMenuType::Enabled)
{
}

FTabSpawnerEntry& FTabSpawnerEntry::SetIcon(const FSlateIcon& InIcon)
{
	Icon = InIcon;
	return *this;
}

FTabSpawnerEntry& FTabSpawnerEntry::SetDisplayNameAttribute(const TAttribute<FText>& InLegibleName)
{
	DisplayNameAttribute = InLegibleName;
	DisplayName = InLegibleName.Get(FText::GetEmpty());
	return *this;
}

FTabSpawnerEntry& FTabSpawnerEntry::SetDisplayName(const FText& InLegibleName)
{
	DisplayNameAttribute = InLegibleName;
	DisplayName = InLegibleName;
	return *this;
}

FTabSpawnerEntry& FTabSpawnerEntry::SetTooltipTextAttribute(const TAttribute<FText>& InTooltipText)
{
	TooltipTextAttribute = InTooltipText;
	TooltipText = InTooltipText.Get(FText::GetEmpty());
	return *this;
}

FTabSpawnerEntry& FTabSpawnerEntry::SetTooltipText(const FText& InTooltipText)
{
	TooltipTextAttribute = InTooltipText;
	TooltipText = InTooltipText;
	return *this;
}

FTabSpawnerEntry& FTabSpawnerEntry::SetGroup(const TSharedRef<FWorkspaceItem>& InGroup)
{
	InGroup->AddItem(AsShared());
	return *this;
}

FTabSpawnerEntry& FTabSpawnerEntry::SetMenuType(const TAttribute<ETabSpawnerMenuType::Type>& InMenuType)
{
	MenuType = InMenuType;
	return *this;
}

FTabSpawnerEntry& FTabSpawnerEntry::SetReuseTabMethod(const FOnFindTabToReuse& InReuseTabMethod)
{
	OnFindTabToReuse = InReuseTabMethod;
	return *this;
}

TSharedPtr<FTabSpawnerEntry> FTabSpawnerEntry::AsSpawnerEntry()
{
	return StaticCastSharedRef<FTabSpawnerEntry>(AsShared());
}

FText FTabSpawnerEntry::GetDisplayNameText() const
{
	return DisplayNameAttribute.Get(DisplayName);
}

FTabManager::FTabManager(const TSharedPtr<SDockTab>& InOwnerTab)
	: OwnerTabPtr(InOwnerTab)
	, LocalWorkspaceMenuRoot(FWorkspaceItem::NewGroup(FText::GetEmpty()))
{
}

FTabManager::~FTabManager()
{
}

TSharedRef<FTabManager> FTabManager::New(const TSharedPtr<SDockTab>& InOwnerTab)
{
	return MakeShareable(new FTabManager(InOwnerTab));
}

FTabSpawnerEntry& FTabManager::RegisterTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab)
{
	checkf(!HasTabSpawner(TabId), TEXT("A tab spawner named '%s' is already registered with this tab manager"), *TabId.ToString());
	TSharedRef<FTabSpawnerEntry> NewSpawnerEntry = MakeShareable(new FTabSpawnerEntry(TabId, OnSpawnTab, CanSpawnTab));
	TabSpawners.Add(NewSpawnerEntry);
	return NewSpawnerEntry.Get();
}

bool FTabManager::UnregisterTabSpawner(const FName TabId)
{
	for (int32 Index = 0; Index < TabSpawners.Num(); ++Index)
	{
		if (TabSpawners[Index]->GetTabType() == TabId)
		{
			TSharedRef<FTabSpawnerEntry> Spawner = TabSpawners[Index];
			if (TSharedPtr<FWorkspaceItem> Group = Spawner->GetParent())
			{
				Group->RemoveItem(Spawner);
			}
			TabSpawners.RemoveAt(Index);
			return true;
		}
	}
	return false;
}

void FTabManager::UnregisterAllTabSpawners()
{
	while (TabSpawners.Num() > 0)
	{
		UnregisterTabSpawner(TabSpawners.Last()->GetTabType());
	}
}

bool FTabManager::HasTabSpawner(FName TabId) const
{
	for (const TSharedRef<FTabSpawnerEntry>& Spawner : TabSpawners)
	{
		if (Spawner->GetTabType() == TabId)
		{
			return true;
		}
	}
	return false;
}

bool FTabManager::HasTabSpawnerFor(FName TabId) const
{
	return FindTabSpawnerFor(TabId).IsValid();
}

TSharedPtr<FTabSpawnerEntry> FTabManager::FindTabSpawnerFor(FName TabId) const
{
	for (const TSharedRef<FTabSpawnerEntry>& Spawner : TabSpawners)
	{
		if (Spawner->GetTabType() == TabId)
		{
			return Spawner;
		}
	}
	// Nomad spawners can be invoked from any tab manager.
	for (const TSharedRef<FTabSpawnerEntry>& Spawner : FGlobalTabmanager::Get()->NomadTabSpawners)
	{
		if (Spawner->GetTabType() == TabId)
		{
			return Spawner;
		}
	}
	return TSharedPtr<FTabSpawnerEntry>();
}

TSharedPtr<SDockTab> FTabManager::FindExistingLiveTab(const FTabId& TabId) const
{
	for (const TSharedRef<SDockTab>& Tab : LiveTabs)
	{
		if (Tab->GetLayoutIdentifier() == TabId)
		{
			return Tab;
		}
	}
	return TSharedPtr<SDockTab>();
}

TSharedPtr<SDockTab> FTabManager::TryInvokeTab(const FTabId& TabId, bool bInvokeAsInactive)
{
	if (TSharedPtr<SDockTab> ExistingTab = FindExistingLiveTab(TabId))
	{
		if (!bInvokeAsInactive)
		{
			ExistingTab->ActivateInParent(ETabActivationCause::SetDirectly);
		}
		return ExistingTab;
	}

	TSharedPtr<FTabSpawnerEntry> Spawner = FindTabSpawnerFor(TabId.TabType);
	if (!Spawner.IsValid())
	{
		UE_LOG(LogSlate, Warning, TEXT("Cannot spawn tab '%s': no tab spawner is registered under that name."), *TabId.ToString());
		return TSharedPtr<SDockTab>();
	}

	// A spawner of one tab brings its open tab forward, even when it was opened through another manager.
	if (TSharedPtr<SDockTab> SpawnedTab = Spawner->SpawnedTabPtr.Pin())
	{
		if (!bInvokeAsInactive)
		{
			SpawnedTab->ActivateInParent(ETabActivationCause::SetDirectly);
		}
		return SpawnedTab;
	}

	const FSpawnTabArgs Args(GetHostWindow(), TabId);
	if (Spawner->CanSpawnTab.IsBound() && !Spawner->CanSpawnTab.Execute(Args))
	{
		return TSharedPtr<SDockTab>();
	}
	checkf(Spawner->OnSpawnTab.IsBound(), TEXT("Tab spawner '%s' has no spawn callback"), *TabId.ToString());

	TSharedRef<SDockTab> NewTab = Spawner->OnSpawnTab.Execute(Args);
	NewTab->SetLayoutIdentifier(TabId);
	NewTab->SetTabManager(AsShared());
	NewTab->bIsLive = true;
	NewTab->bHasClosed = false;
	if (TSharedPtr<SWindow> HostWindow = GetHostWindow())
	{
		NewTab->AssignParentWidget(HostWindow);
	}
	Spawner->SpawnedTabPtr = NewTab;
	LiveTabs.Add(NewTab);
	if (!bInvokeAsInactive)
	{
		NewTab->ActivateInParent(ETabActivationCause::SetDirectly);
	}
	return NewTab;
}

void FTabManager::CloseAllAreas()
{
	TArray<TSharedRef<SDockTab>> TabsToClose = LiveTabs;
	for (const TSharedRef<SDockTab>& Tab : TabsToClose)
	{
		Tab->RequestCloseTab();
	}
}

void FTabManager::GetTabSpawnerEntries(TArray<TSharedRef<FTabSpawnerEntry>>& OutSpawners) const
{
	OutSpawners.Append(TabSpawners);
}

void FTabManager::GetLiveTabs(TArray<TSharedRef<SDockTab>>& OutTabs) const
{
	OutTabs.Append(LiveTabs);
}

TSharedPtr<SWindow> FTabManager::GetHostWindow() const
{
	// Tabs of an area live in the window of the tab that hosts the area.
	if (TSharedPtr<SDockTab> OwnerTab = OwnerTabPtr.Pin())
	{
		if (TSharedPtr<SWindow> Window = OwnerTab->GetParentWindow())
		{
			return Window;
		}
	}
	return FGlobalTabmanager::Get()->GetHostWindow();
}

void FTabManager::OnTabClosing(const TSharedRef<SDockTab>& TabBeingClosed)
{
	LiveTabs.RemoveAll([&TabBeingClosed](const TSharedRef<SDockTab>& Tab) {
		return &Tab.Get() == &TabBeingClosed.Get();
	});
	if (TSharedPtr<FTabSpawnerEntry> Spawner = FindTabSpawnerFor(TabBeingClosed->GetLayoutIdentifier().TabType))
	{
		if (Spawner->SpawnedTabPtr.Pin().Get() == &TabBeingClosed.Get())
		{
			Spawner->SpawnedTabPtr.Reset();
		}
	}
}

FGlobalTabmanager::FGlobalTabmanager()
	: FTabManager(TSharedPtr<SDockTab>())
{
}

const TSharedRef<FGlobalTabmanager>& FGlobalTabmanager::Get()
{
	static const TSharedRef<FGlobalTabmanager> Instance = MakeShareable(new FGlobalTabmanager());
	return Instance;
}

FTabSpawnerEntry& FGlobalTabmanager::RegisterNomadTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab)
{
	checkf(!HasNomadTabSpawner(TabId), TEXT("A nomad tab spawner named '%s' is already registered"), *TabId.ToString());
	TSharedRef<FTabSpawnerEntry> NewSpawnerEntry = MakeShareable(new FTabSpawnerEntry(TabId, OnSpawnTab, CanSpawnTab));
	NomadTabSpawners.Add(NewSpawnerEntry);
	return NewSpawnerEntry.Get();
}

void FGlobalTabmanager::UnregisterNomadTabSpawner(const FName TabId)
{
	NomadTabSpawners.RemoveAll([TabId](const TSharedRef<FTabSpawnerEntry>& Spawner) {
		return Spawner->GetTabType() == TabId;
	});
}

bool FGlobalTabmanager::HasNomadTabSpawner(FName TabId) const
{
	for (const TSharedRef<FTabSpawnerEntry>& Spawner : NomadTabSpawners)
	{
		if (Spawner->GetTabType() == TabId)
		{
			return true;
		}
	}
	return false;
}

TSharedRef<FTabManager> FGlobalTabmanager::NewTabManager(const TSharedRef<SDockTab>& InOwnerTab)
{
	return FTabManager::New(InOwnerTab);
}

TSharedPtr<SWindow> FGlobalTabmanager::GetRootWindow() const
{
	return GetHostWindow();
}

void FGlobalTabmanager::GetNomadTabSpawnerEntries(TArray<TSharedRef<FTabSpawnerEntry>>& OutSpawners) const
{
	OutSpawners.Append(NomadTabSpawners);
}

TSharedPtr<SWindow> FGlobalTabmanager::GetHostWindow() const
{
	// Without a Slate application there is nowhere to show a window; tabs then live without one.
	if (!FSlateApplication::IsInitialized())
	{
		return TSharedPtr<SWindow>();
	}
	if (!RootWindow.IsValid())
	{
		RootWindow = SNew(SWindow).Title(NSLOCTEXT("GlobalTabManager", "RootWindowTitle", "Unreal Editor"));
		// When the application destroys the window (at shut-down), the next tab needs a new one.
		RootWindow->SetOnWindowClosed(SWindow::FOnWindowClosed::CreateLambda([this](const TSharedRef<SWindow>& ClosedWindow) {
			if (RootWindow.Get() == &ClosedWindow.Get())
			{
				RootWindow.Reset();
			}
		}));
		FSlateApplication::Get().AddWindow(RootWindow.ToSharedRef());
	}
	return RootWindow;
}
