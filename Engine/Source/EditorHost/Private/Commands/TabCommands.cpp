// `tabs` and `tab open|close <SpawnerId>`: the level editor's tab spawners and open tabs, driven as the
// editor's tab manager and the user's close button drive them.

#include "CoreMinimal.h"
#include "EditorViewportTabContent.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "HostConsole.h"
#include "LevelEditor.h"
#include "Misc/OutputDevice.h"
#include "Modules/ModuleManager.h"
#include "Widgets/Docking/SDockTab.h"

namespace
{
	const TCHAR* MenuTypeName(ETabSpawnerMenuType::Type MenuType)
	{
		switch (MenuType)
		{
			case ETabSpawnerMenuType::Enabled:
				return TEXT("Enabled");
			case ETabSpawnerMenuType::Disabled:
				return TEXT("Disabled");
			case ETabSpawnerMenuType::Hidden:
				return TEXT("Hidden");
		}
		checkf(false, TEXT("tabs: unknown ETabSpawnerMenuType %d"), static_cast<int32>(MenuType));
		return TEXT("");
	}

	/** The level editor's tab manager; null (with a message) before the level editor's UI is up. */
	TSharedPtr<FTabManager> FindLevelEditorTabs(FOutputDevice& Ar)
	{
		FLevelEditorModule* LevelEditor = FModuleManager::GetModulePtr<FLevelEditorModule>(TEXT("LevelEditor"));
		TSharedPtr<FTabManager> Tabs = LevelEditor ? LevelEditor->GetLevelEditorTabManager() : nullptr;
		if (!Tabs.IsValid())
		{
			Ar.Log(ELogVerbosity::Error, TEXT("The level editor has no tab manager (is this a game run?)"));
		}
		return Tabs;
	}

	bool ListTabs(const FString& Args, FOutputDevice& Ar)
	{
		FString Error;
		if (!FHostConsoleCommands::NoArguments(Args, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("tabs: %s"), *Error));
			return false;
		}
		const TSharedPtr<FTabManager> Tabs = FindLevelEditorTabs(Ar);
		if (!Tabs.IsValid())
		{
			return false;
		}

		TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
		Tabs->GetTabSpawnerEntries(Spawners);
		Ar.Log(FString::Printf(TEXT("Tab spawners (%d): identifier | display name | menu type | group"), Spawners.Num()));
		for (const TSharedRef<FTabSpawnerEntry>& Spawner : Spawners)
		{
			const TSharedPtr<FWorkspaceItem> Group = Spawner->GetParent();
			Ar.Log(FString::Printf(TEXT("  %s | %s | %s | %s"),
				*Spawner->GetTabType().ToString(),
				*Spawner->GetDisplayNameText().ToString(),
				MenuTypeName(Spawner->GetMenuType()),
				Group.IsValid() ? *Group->GetDisplayName().ToString() : TEXT("(none)")));
		}

		TArray<TSharedRef<SDockTab>> OpenTabs;
		Tabs->GetLiveTabs(OpenTabs);
		Ar.Log(FString::Printf(TEXT("Open tabs (%d): identifier | label"), OpenTabs.Num()));
		const TArray<TSharedRef<FEditorViewportTabContent>> ViewportContents = FEditorViewportTabContent::GetLiveTabContentsForHost();
		for (const TSharedRef<SDockTab>& Tab : OpenTabs)
		{
			FString Line = FString::Printf(TEXT("  %s | %s"), *Tab->GetLayoutIdentifier().ToString(), *Tab->GetTabLabel().ToString());
			// Viewport tabs also say which layout their viewports were laid out under.
			for (const TSharedRef<FEditorViewportTabContent>& Content : ViewportContents)
			{
				if (Content->BelongsToTab(Tab))
				{
					Line += FString::Printf(TEXT(" | layout \"%s\""), *Content->GetLayoutStringForHost());
				}
			}
			Ar.Log(Line);
		}
		return true;
	}

	bool OpenOrCloseTab(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error))
		{
			Ar.Log(ELogVerbosity::Error, Error);
			return false;
		}
		if (Words.Num() != 2 || Words[1].IsEmpty())
		{
			Ar.Log(ELogVerbosity::Error, TEXT("Usage: tab open <SpawnerId> | tab close <SpawnerId>"));
			return false;
		}
		const FString Verb = Words[0];
		const FString SpawnerId = Words[1];
		const TSharedPtr<FTabManager> Tabs = FindLevelEditorTabs(Ar);
		if (!Tabs.IsValid())
		{
			return false;
		}
		const FName TabName(*SpawnerId);

		if (Verb.Equals(TEXT("open"), ESearchCase::IgnoreCase))
		{
			if (!Tabs->HasTabSpawner(TabName))
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No tab spawner named %s (run `tabs` to list them)"), *SpawnerId));
				return false;
			}
			const TSharedPtr<SDockTab> Tab = Tabs->TryInvokeTab(FTabId(TabName));
			if (!Tab.IsValid())
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("The spawner %s did not open a tab"), *SpawnerId));
				return false;
			}
			Ar.Log(FString::Printf(TEXT("Opened %s"), *Tab->GetTabLabel().ToString()));
			return true;
		}
		if (Verb.Equals(TEXT("close"), ESearchCase::IgnoreCase))
		{
			const TSharedPtr<SDockTab> Tab = Tabs->FindExistingLiveTab(FTabId(TabName));
			if (!Tab.IsValid())
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No open tab of spawner %s"), *SpawnerId));
				return false;
			}
			const FString Label = Tab->GetTabLabel().ToString();
			if (!Tab->RequestCloseTab())
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("The tab %s refused to close"), *Label));
				return false;
			}
			Ar.Log(FString::Printf(TEXT("Closed %s"), *Label));
			return true;
		}
		Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Unknown tab action '%s': use open or close"), *Verb));
		return false;
	}

	FHostConsoleCommandRegistrant TabsCommand(TEXT("tabs"), TEXT("tabs: the level editor's tab spawners (identifier | display name | menu type | group) and open tabs (identifier | label, and the layout of a viewport tab)"), &ListTabs);
	FHostConsoleCommandRegistrant TabCommand(TEXT("tab"), TEXT("tab open|close <SpawnerId>: open a tab as the tab manager does, or close it as the user does"), &OpenOrCloseTab);
}
