// Tab spawners, dock tabs and their closing, and windows, through the Slate entry points.

#include <gtest/gtest.h>

#include "Framework/Application/SlateApplication.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "GenericPlatform/GenericWindow.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/SWindow.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
	const FName PanelTabName(TEXT("StandInPanel"));

	class DockingTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			FSlateApplication::Create();
			OwnerTab = SNew(SDockTab).TabRole(ETabRole::MajorTab);
			TabManager = FGlobalTabmanager::Get()->NewTabManager(OwnerTab.ToSharedRef());
		}

		virtual void TearDown() override
		{
			TabManager->CloseAllAreas();
			TabManager->UnregisterAllTabSpawners();
			TabManager.Reset();
			OwnerTab.Reset();
			FSlateApplication::Shutdown();
		}

		/** Registers a spawner that counts spawns and records closings in Events. */
		FTabSpawnerEntry& RegisterPanel()
		{
			return TabManager->RegisterTabSpawner(PanelTabName, FOnSpawnTab::CreateLambda([this](const FSpawnTabArgs& Args) {
				++Spawns;
				SpawnedFor = Args.GetTabId().TabType;
				// clang-format off
				return SNew(SDockTab)
					.Label(FText::FromString(TEXT("Panel")))
					.OnTabClosed(SDockTab::FOnTabClosedCallback::CreateLambda([this](TSharedRef<SDockTab> Tab)
					{
						// The tab is still live in its manager while its callback runs.
						Events.Add(TabManager->FindExistingLiveTab(FTabId(PanelTabName)).IsValid() ? TEXT("closed-while-live") : TEXT("closed-after-removal"));
					}))
					[
						SNew(STextBlock).Text(FText::FromString(TEXT("content")))
					];
				// clang-format on
			}));
		}

		TSharedPtr<SDockTab> OwnerTab;
		TSharedPtr<FTabManager> TabManager;
		int32 Spawns = 0;
		FName SpawnedFor;
		TArray<FString> Events;
	};
}

TEST_F(DockingTest, SpawnerEntryKeepsWhatMenusShow)
{
	TSharedRef<FWorkspaceItem> Group = FWorkspaceItem::NewGroup(FText::FromString(TEXT("Utilities")));
	RegisterPanel()
		.SetDisplayName(FText::FromString(TEXT("Panel Display")))
		.SetTooltipText(FText::FromString(TEXT("Opens the panel")))
		.SetIcon(FSlateIcon(TEXT("SomeStyle"), TEXT("Some.Icon")))
		.SetMenuType(ETabSpawnerMenuType::Hidden)
		.SetGroup(Group);

	EXPECT_TRUE(TabManager->HasTabSpawner(PanelTabName));
	EXPECT_FALSE(TabManager->HasTabSpawner(TEXT("Other")));
	TSharedPtr<FTabSpawnerEntry> Spawner = TabManager->FindTabSpawnerFor(PanelTabName);
	ASSERT_TRUE(Spawner.IsValid());
	EXPECT_EQ(Spawner->GetDisplayNameText().ToString(), TEXT("Panel Display"));
	EXPECT_EQ(Spawner->GetTooltipText().ToString(), TEXT("Opens the panel"));
	EXPECT_EQ(Spawner->GetIcon().GetStyleName(), FName(TEXT("Some.Icon")));
	EXPECT_EQ(Spawner->GetMenuType(), ETabSpawnerMenuType::Hidden);
	ASSERT_EQ(Group->GetChildItems().Num(), 1);
	EXPECT_EQ(Group->GetChildItems()[0]->AsSpawnerEntry(), Spawner);
	EXPECT_EQ(Spawner->GetParent(), TSharedPtr<FWorkspaceItem>(Group));

	EXPECT_TRUE(TabManager->UnregisterTabSpawner(PanelTabName));
	EXPECT_FALSE(TabManager->HasTabSpawner(PanelTabName));
	EXPECT_TRUE(Group->GetChildItems().IsEmpty());
	EXPECT_FALSE(TabManager->UnregisterTabSpawner(PanelTabName));
}

TEST_F(DockingTest, InvokingOpensOnceAndBringsTheOpenTabForward)
{
	RegisterPanel();

	TSharedPtr<SDockTab> First = TabManager->TryInvokeTab(FTabId(PanelTabName));
	ASSERT_TRUE(First.IsValid());
	EXPECT_EQ(Spawns, 1);
	EXPECT_EQ(SpawnedFor, PanelTabName);
	EXPECT_EQ(First->GetLayoutIdentifier().TabType, PanelTabName);
	EXPECT_EQ(First->GetTabManagerPtr(), TabManager);
	EXPECT_EQ(First->GetTabLabel().ToString(), TEXT("Panel"));
	EXPECT_EQ(TabManager->FindExistingLiveTab(FTabId(PanelTabName)), First);

	TSharedPtr<SDockTab> Second = TabManager->TryInvokeTab(FTabId(PanelTabName));
	EXPECT_EQ(Second, First);
	EXPECT_EQ(Spawns, 1);
}

TEST_F(DockingTest, UnknownSpawnerOrRefusingSpawnerOpensNothing)
{
	EXPECT_FALSE(TabManager->TryInvokeTab(FTabId(TEXT("NoSuchTab"))).IsValid());

	TabManager->RegisterTabSpawner(TEXT("Refuses"),
		FOnSpawnTab::CreateLambda([this](const FSpawnTabArgs&) { ++Spawns; return SNew(SDockTab); }),
		FCanSpawnTab::CreateLambda([](const FSpawnTabArgs&) { return false; }));
	EXPECT_FALSE(TabManager->TryInvokeTab(FTabId(TEXT("Refuses"))).IsValid());
	EXPECT_EQ(Spawns, 0);
}

TEST_F(DockingTest, ClosingAsTheUserRunsTheCallbackThenRemovesTheTabAndItCanOpenAgain)
{
	RegisterPanel();
	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(PanelTabName));
	ASSERT_TRUE(Tab.IsValid());

	EXPECT_TRUE(Tab->RequestCloseTab());
	ASSERT_EQ(Events.Num(), 1);
	EXPECT_EQ(Events[0], TEXT("closed-while-live"));
	EXPECT_FALSE(TabManager->FindExistingLiveTab(FTabId(PanelTabName)).IsValid());
	EXPECT_FALSE(Tab->IsLive());

	TSharedPtr<SDockTab> Again = TabManager->TryInvokeTab(FTabId(PanelTabName));
	ASSERT_TRUE(Again.IsValid());
	EXPECT_NE(Again, Tab);
	EXPECT_EQ(Spawns, 2);
}

TEST_F(DockingTest, ReplacedOnClosedCallbackIsTheOneThatRuns)
{
	RegisterPanel();
	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(PanelTabName));
	bool bReplacementRan = false;
	Tab->SetOnTabClosed(SDockTab::FOnTabClosedCallback::CreateLambda([&bReplacementRan](TSharedRef<SDockTab>) { bReplacementRan = true; }));

	Tab->RequestCloseTab();
	EXPECT_TRUE(bReplacementRan);
	EXPECT_TRUE(Events.IsEmpty());
}

TEST_F(DockingTest, ATabThatRefusesToCloseStaysOpen)
{
	RegisterPanel();
	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(PanelTabName));
	Tab->SetCanCloseTab(SDockTab::FCanCloseTab::CreateLambda([]() { return false; }));

	EXPECT_FALSE(Tab->RequestCloseTab());
	EXPECT_TRUE(Events.IsEmpty());
	EXPECT_EQ(TabManager->FindExistingLiveTab(FTabId(PanelTabName)), Tab);

	Tab->SetCanCloseTab(SDockTab::FCanCloseTab());
}

TEST_F(DockingTest, TabContentIsFoundInTheApplicationWindow)
{
	RegisterPanel();
	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(PanelTabName));
	TSharedRef<SWidget> Content = Tab->GetContent();
	EXPECT_EQ(Content->GetType(), FName(TEXT("STextBlock")));
	EXPECT_EQ(Content->GetParentWidget(), StaticCastSharedPtr<SWidget>(Tab));

	TSharedPtr<SWindow> Window = FSlateApplication::Get().FindWidgetWindow(Content);
	ASSERT_TRUE(Window.IsValid());
	EXPECT_EQ(Window, Tab->GetParentWindow());
	EXPECT_TRUE(FSlateApplication::Get().GetTopLevelWindows().Contains(Window.ToSharedRef()));
	// Every window has a native handle of its own, for the dialogues parented to it.
	const void* Handle = Window->GetNativeWindow()->GetOSWindowHandle();
	EXPECT_NE(Handle, nullptr);
	const TSharedRef<SWindow> Other = FSlateApplication::Get().AddWindow(SNew(SWindow));
	EXPECT_NE(Other->GetNativeWindow()->GetOSWindowHandle(), Handle);
	FSlateApplication::Get().RequestDestroyWindow(Other);

	// A widget in no window has none.
	EXPECT_FALSE(FSlateApplication::Get().FindWidgetWindow(SNew(STextBlock)).IsValid());
}

TEST_F(DockingTest, NomadSpawnersAreReachableFromEveryTabManager)
{
	FGlobalTabmanager::Get()->RegisterNomadTabSpawner(TEXT("StandInNomad"), FOnSpawnTab::CreateLambda([this](const FSpawnTabArgs&) {
		++Spawns;
		return SNew(SDockTab).TabRole(ETabRole::NomadTab);
	}));

	EXPECT_FALSE(TabManager->HasTabSpawner(TEXT("StandInNomad")));
	EXPECT_TRUE(TabManager->HasTabSpawnerFor(TEXT("StandInNomad")));
	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(TEXT("StandInNomad")));
	ASSERT_TRUE(Tab.IsValid());
	EXPECT_EQ(Tab->GetTabRole(), ETabRole::NomadTab);

	Tab->RequestCloseTab();
	FGlobalTabmanager::Get()->UnregisterNomadTabSpawner(TEXT("StandInNomad"));
	EXPECT_FALSE(TabManager->HasTabSpawnerFor(TEXT("StandInNomad")));
}
