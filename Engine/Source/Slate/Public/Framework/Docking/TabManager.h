// Tab managers: the registry of tab spawners of one area of the editor, and its live tabs.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "Misc/Attribute.h"
#include "Textures/SlateIcon.h"

class SDockTab;
class SWidget;
class SWindow;
class SDockingAreaWidget;
class FGlobalTabmanager;

/** Identifies a tab: its spawner's name, and an instance number for tabs that may open more than once. */
struct SLATE_API FTabId
{
	FTabId()
		: InstanceId(INDEX_NONE)
	{
	}

	FTabId(const FName& InTabType)
		: TabType(InTabType)
		, InstanceId(INDEX_NONE)
	{
	}

	FTabId(const FName& InTabType, const int32 InInstanceId)
		: TabType(InTabType)
		, InstanceId(InInstanceId)
	{
	}

	bool operator==(const FTabId& Other) const
	{
		return TabType == Other.TabType && (InstanceId == INDEX_NONE || Other.InstanceId == INDEX_NONE || InstanceId == Other.InstanceId);
	}

	bool IsTabPersistable() const
	{
		return InstanceId == INDEX_NONE;
	}

	FString ToString() const;
	FText ToText() const;

	FName TabType;
	int32 InstanceId;
};

class SLATE_API FSpawnTabArgs
{
public:
	FSpawnTabArgs(const TSharedPtr<SWindow>& InOwnerWindow, const FTabId& InTabBeingSpawenedId)
		: TabIdBeingSpawned(InTabBeingSpawenedId)
		, OwnerWindow(InOwnerWindow)
	{
	}

	const TSharedPtr<SWindow>& GetOwnerWindow() const
	{
		return OwnerWindow;
	}

	const FTabId& GetTabId() const
	{
		return TabIdBeingSpawned;
	}

private:
	FTabId TabIdBeingSpawned;
	TSharedPtr<SWindow> OwnerWindow;
};

DECLARE_DELEGATE_RetVal_OneParam(TSharedRef<SDockTab>, FOnSpawnTab, const FSpawnTabArgs&);
DECLARE_DELEGATE_RetVal_OneParam(bool, FCanSpawnTab, const FSpawnTabArgs&);
DECLARE_DELEGATE_RetVal_OneParam(TSharedPtr<SDockTab>, FOnFindTabToReuse, const FTabId&);

namespace ETabSpawnerMenuType
{
	enum Type
	{
		Enabled,
		Disabled,
		Hidden
	};
}

/** A registered way to make a tab, with what menus show for it. */
struct SLATE_API FTabSpawnerEntry : public FWorkspaceItem
{
	FTabSpawnerEntry(const FName& InTabType, const FOnSpawnTab& InSpawnTabMethod, const FCanSpawnTab& InCanSpawnTab);

	FTabSpawnerEntry& SetIcon(const FSlateIcon& InIcon);
	FTabSpawnerEntry& SetDisplayNameAttribute(const TAttribute<FText>& InLegibleName);
	FTabSpawnerEntry& SetDisplayName(const FText& InLegibleName);
	FTabSpawnerEntry& SetTooltipTextAttribute(const TAttribute<FText>& InTooltipText);
	FTabSpawnerEntry& SetTooltipText(const FText& InTooltipText);

	/** Puts the spawner in a menu group. */
	FTabSpawnerEntry& SetGroup(const TSharedRef<FWorkspaceItem>& InGroup);
	FTabSpawnerEntry& SetMenuType(const TAttribute<ETabSpawnerMenuType::Type>& InMenuType);
	FTabSpawnerEntry& SetReuseTabMethod(const FOnFindTabToReuse& InReuseTabMethod);

	virtual TSharedPtr<FTabSpawnerEntry> AsSpawnerEntry() override;

	const FName GetTabType() const
	{
		return TabType;
	}
	ETabSpawnerMenuType::Type GetMenuType() const
	{
		return MenuType.Get();
	}

	/** The display name, bound or set. */
	FText GetDisplayNameText() const;

	/** Whether the spawner's one tab is open. */
	bool IsSoleTabInstanceSpawned() const
	{
		return SpawnedTabPtr.IsValid();
	}

private:
	friend class FTabManager;

	FName TabType;
	FOnSpawnTab OnSpawnTab;
	FCanSpawnTab CanSpawnTab;
	FOnFindTabToReuse OnFindTabToReuse;
	TAttribute<ETabSpawnerMenuType::Type> MenuType;
	TAttribute<FText> DisplayNameAttribute;
	TAttribute<FText> TooltipTextAttribute;

	// A spawner makes one tab at a time; invoking it again brings that tab forward.
	TWeakPtr<SDockTab> SpawnedTabPtr;
};

class SLATE_API FTabManager : public TSharedFromThis<FTabManager>
{
	friend class FGlobalTabmanager;
	friend class SDockTab;

public:
	virtual ~FTabManager();

	/** A tab manager for the area that OwnerTab hosts. */
	static TSharedRef<FTabManager> New(const TSharedPtr<SDockTab>& InOwnerTab);

	FTabSpawnerEntry& RegisterTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab = FCanSpawnTab());
	bool UnregisterTabSpawner(const FName TabId);
	void UnregisterAllTabSpawners();

	/** Whether this tab manager itself has a spawner of that name. */
	bool HasTabSpawner(FName TabId) const;

	/** Whether a spawner of that name is reachable from here (own or nomad). */
	bool HasTabSpawnerFor(FName TabId) const;

	/** The open tab of that identifier, or a new one from its spawner; null when there is no spawner or it refuses. */
	virtual TSharedPtr<SDockTab> TryInvokeTab(const FTabId& TabId, bool bInvokeAsInactive = false);

	TSharedPtr<SDockTab> FindExistingLiveTab(const FTabId& TabId) const;

	/** The spawner of that name here or among the nomad spawners. */
	TSharedPtr<FTabSpawnerEntry> FindTabSpawnerFor(FName TabId) const;

	/** The tab whose area this manager runs; null for the global tab manager. */
	TSharedPtr<SDockTab> GetOwnerTab() const
	{
		return OwnerTabPtr.Pin();
	}

	TSharedRef<FWorkspaceItem> GetLocalWorkspaceMenuRoot() const
	{
		return LocalWorkspaceMenuRoot.ToSharedRef();
	}

	/** Closes every live tab as the user would. */
	void CloseAllAreas();

	/** Stand-in host access: the spawners in registration order. */
	void GetTabSpawnerEntries(TArray<TSharedRef<FTabSpawnerEntry>>& OutSpawners) const;

	/** Stand-in host access: the live tabs in the order they opened. */
	void GetLiveTabs(TArray<TSharedRef<SDockTab>>& OutTabs) const;

protected:
	FTabManager(const TSharedPtr<SDockTab>& InOwnerTab);

	/** The window new tabs of this manager are put in. */
	virtual TSharedPtr<SWindow> GetHostWindow() const;

	/** Called by a closing tab after its on-closed callback. */
	void OnTabClosing(const TSharedRef<SDockTab>& TabBeingClosed);

	TArray<TSharedRef<FTabSpawnerEntry>> TabSpawners;
	TArray<TSharedRef<SDockTab>> LiveTabs;
	TWeakPtr<SDockTab> OwnerTabPtr;
	TSharedPtr<FWorkspaceItem> LocalWorkspaceMenuRoot;
};

/** The application's tab manager: owns nomad spawners and the main window that major tabs live in. */
class SLATE_API FGlobalTabmanager : public FTabManager
{
public:
	static const TSharedRef<FGlobalTabmanager>& Get();

	FTabSpawnerEntry& RegisterNomadTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab, const FCanSpawnTab& CanSpawnTab = FCanSpawnTab());
	void UnregisterNomadTabSpawner(const FName TabId);
	bool HasNomadTabSpawner(FName TabId) const;

	/** A tab manager for a major tab's area (the level editor's, an asset editor's). */
	TSharedRef<FTabManager> NewTabManager(const TSharedRef<SDockTab>& InOwnerTab);

	/** The window tabs of this application live in; made with the first tab. */
	TSharedPtr<SWindow> GetRootWindow() const;

	/** Stand-in host access: the nomad spawners in registration order. */
	void GetNomadTabSpawnerEntries(TArray<TSharedRef<FTabSpawnerEntry>>& OutSpawners) const;

protected:
	FGlobalTabmanager();

	virtual TSharedPtr<SWindow> GetHostWindow() const override;

private:
	friend class FTabManager;

	TArray<TSharedRef<FTabSpawnerEntry>> NomadTabSpawners;
	mutable TSharedPtr<SWindow> RootWindow;
};
