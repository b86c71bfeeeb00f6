// Tab managers rebuilt and spawners registered again, closing order and closing callbacks,
// and spawner attributes read when menus ask for them.

#include <gtest/gtest.h>

#include "Framework/Application/SlateApplication.h"
#include "Framework/Docking/TabManager.h"
#include "Widgets/Docking/SDockTab.h"

namespace
{
	const FName FirstTab(TEXT("StandInLifecycleFirst"));
	const FName SecondTab(TEXT("StandInLifecycleSecond"));
	const FName ThirdTab(TEXT("StandInLifecycleThird"));

	class TabLifecycleTest : public ::testing::Test
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
			for (const TSharedPtr<FTabManager>& Manager : { TabManager, OtherManager })
			{
				if (Manager.IsValid())
				{
					Manager->CloseAllAreas();
					Manager->UnregisterAllTabSpawners();
				}
			}
			OtherManager.Reset();
			TabManager.Reset();
			OwnerTab.Reset();
			FSlateApplication::Shutdown();
		}

		/** A spawner whose tabs record "<Tag>:closed" in Events when they close. */
		FOnSpawnTab Recording(const FString& Tag)
		{
			return FOnSpawnTab::CreateLambda([this, Tag](const FSpawnTabArgs&) {
				Events.Add(Tag + TEXT(":spawned"));
				return SNew(SDockTab)
					.OnTabClosed(SDockTab::FOnTabClosedCallback::CreateLambda([this, Tag](TSharedRef<SDockTab>) {
						Events.Add(Tag + TEXT(":closed"));
					}));
			});
		}

		TSharedPtr<SDockTab> OwnerTab;
		TSharedPtr<FTabManager> TabManager;
		TSharedPtr<FTabManager> OtherManager;
		TArray<FString> Events;
	};
}

TEST_F(TabLifecycleTest, ARebuiltTabManagerTakesTheSameSpawnerNameAndSpawnsThroughTheNewSpawner)
{
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("old")));
	ASSERT_TRUE(TabManager->TryInvokeTab(FTabId(FirstTab)).IsValid());

	// As a module does on shut-down: close what is open, forget the spawners, drop the manager.
	TabManager->CloseAllAreas();
	TabManager->UnregisterAllTabSpawners();
	TabManager = FGlobalTabmanager::Get()->NewTabManager(OwnerTab.ToSharedRef());
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("new")));

	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(FirstTab));
	ASSERT_TRUE(Tab.IsValid());
	EXPECT_EQ(Tab->GetTabManagerPtr(), TabManager);
	const TArray<FString> Expected = { TEXT("old:spawned"), TEXT("old:closed"), TEXT("new:spawned") };
	EXPECT_EQ(Events, Expected);
}

TEST_F(TabLifecycleTest, ASpawnerRegisteredAgainWhileItsTabIsOpenBringsThatTabForwardUntilItCloses)
{
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("old")));
	TSharedPtr<SDockTab> OldTab = TabManager->TryInvokeTab(FTabId(FirstTab));
	ASSERT_TRUE(TabManager->UnregisterTabSpawner(FirstTab));
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("new")));

	EXPECT_EQ(TabManager->TryInvokeTab(FTabId(FirstTab)), OldTab);

	OldTab->RequestCloseTab();
	EXPECT_FALSE(TabManager->FindExistingLiveTab(FTabId(FirstTab)).IsValid());
	TSharedPtr<SDockTab> NewTab = TabManager->TryInvokeTab(FTabId(FirstTab));
	ASSERT_TRUE(NewTab.IsValid());
	EXPECT_NE(NewTab, OldTab);
	const TArray<FString> Expected = { TEXT("old:spawned"), TEXT("old:closed"), TEXT("new:spawned") };
	EXPECT_EQ(Events, Expected);
}

TEST_F(TabLifecycleTest, TwoManagersWithTheSameSpawnerNameKeepTheirOwnTabs)
{
	TSharedPtr<SDockTab> OtherOwner = SNew(SDockTab).TabRole(ETabRole::MajorTab);
	OtherManager = FGlobalTabmanager::Get()->NewTabManager(OtherOwner.ToSharedRef());
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("a")));
	OtherManager->RegisterTabSpawner(FirstTab, Recording(TEXT("b")));

	TSharedPtr<SDockTab> TabA = TabManager->TryInvokeTab(FTabId(FirstTab));
	TSharedPtr<SDockTab> TabB = OtherManager->TryInvokeTab(FTabId(FirstTab));
	ASSERT_TRUE(TabA.IsValid());
	ASSERT_TRUE(TabB.IsValid());
	EXPECT_NE(TabA, TabB);
	EXPECT_EQ(TabB->GetTabManagerPtr(), OtherManager);

	// Closing one area leaves the other's tab open.
	TabManager->CloseAllAreas();
	EXPECT_FALSE(TabManager->FindExistingLiveTab(FTabId(FirstTab)).IsValid());
	EXPECT_EQ(OtherManager->FindExistingLiveTab(FTabId(FirstTab)), TabB);
	const TArray<FString> Expected = { TEXT("a:spawned"), TEXT("b:spawned"), TEXT("a:closed") };
	EXPECT_EQ(Events, Expected);
}

TEST_F(TabLifecycleTest, ANomadTabOpenedThroughOneManagerIsBroughtForwardThroughAnother)
{
	FGlobalTabmanager::Get()->RegisterNomadTabSpawner(ThirdTab, Recording(TEXT("nomad")));
	TSharedPtr<SDockTab> OtherOwner = SNew(SDockTab).TabRole(ETabRole::MajorTab);
	OtherManager = FGlobalTabmanager::Get()->NewTabManager(OtherOwner.ToSharedRef());

	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(ThirdTab));
	ASSERT_TRUE(Tab.IsValid());
	EXPECT_EQ(OtherManager->TryInvokeTab(FTabId(ThirdTab)), Tab);

	// Once closed, the next invocation from the other manager spawns afresh.
	Tab->RequestCloseTab();
	TSharedPtr<SDockTab> Again = OtherManager->TryInvokeTab(FTabId(ThirdTab));
	ASSERT_TRUE(Again.IsValid());
	EXPECT_NE(Again, Tab);
	Again->RequestCloseTab();
	FGlobalTabmanager::Get()->UnregisterNomadTabSpawner(ThirdTab);

	const TArray<FString> Expected = { TEXT("nomad:spawned"), TEXT("nomad:closed"), TEXT("nomad:spawned"), TEXT("nomad:closed") };
	EXPECT_EQ(Events, Expected);
}

TEST_F(TabLifecycleTest, ClosingAllAreasClosesTabsInTheOrderTheyOpened)
{
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("first")));
	TabManager->RegisterTabSpawner(SecondTab, Recording(TEXT("second")));
	TabManager->RegisterTabSpawner(ThirdTab, Recording(TEXT("third")));
	TabManager->TryInvokeTab(FTabId(SecondTab));
	TabManager->TryInvokeTab(FTabId(ThirdTab));
	TabManager->TryInvokeTab(FTabId(FirstTab));
	Events.Reset();

	TabManager->CloseAllAreas();

	const TArray<FString> Expected = { TEXT("second:closed"), TEXT("third:closed"), TEXT("first:closed") };
	EXPECT_EQ(Events, Expected);
	TArray<TSharedRef<SDockTab>> Live;
	TabManager->GetLiveTabs(Live);
	EXPECT_TRUE(Live.IsEmpty());
}

TEST_F(TabLifecycleTest, ClosingAllAreasLeavesATabThatRefusesAndClosesTheRest)
{
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("first")));
	TabManager->RegisterTabSpawner(SecondTab, Recording(TEXT("second")));
	TSharedPtr<SDockTab> Stubborn = TabManager->TryInvokeTab(FTabId(FirstTab));
	TabManager->TryInvokeTab(FTabId(SecondTab));
	Stubborn->SetCanCloseTab(SDockTab::FCanCloseTab::CreateLambda([]() { return false; }));
	Events.Reset();

	TabManager->CloseAllAreas();

	EXPECT_EQ(Events, TArray<FString>{ TEXT("second:closed") });
	TArray<TSharedRef<SDockTab>> Live;
	TabManager->GetLiveTabs(Live);
	ASSERT_EQ(Live.Num(), 1);
	EXPECT_EQ(TSharedPtr<SDockTab>(Live[0]), Stubborn);
	EXPECT_TRUE(Stubborn->IsLive());
	Stubborn->SetCanCloseTab(SDockTab::FCanCloseTab());
}

TEST_F(TabLifecycleTest, ATabClosedByAnotherTabsCallbackIsClosedOnceWhenAllAreasClose)
{
	TabManager->RegisterTabSpawner(SecondTab, Recording(TEXT("dependent")));
	TSharedPtr<SDockTab> Dependent;
	TabManager->RegisterTabSpawner(FirstTab, FOnSpawnTab::CreateLambda([this, &Dependent](const FSpawnTabArgs&) {
		// A panel that takes its helper panel down with it.
		return SNew(SDockTab).OnTabClosed(SDockTab::FOnTabClosedCallback::CreateLambda([this, &Dependent](TSharedRef<SDockTab>) {
			Events.Add(TEXT("main:closed"));
			Dependent->RequestCloseTab();
		}));
	}));
	TabManager->TryInvokeTab(FTabId(FirstTab));
	Dependent = TabManager->TryInvokeTab(FTabId(SecondTab));
	Events.Reset();

	TabManager->CloseAllAreas();

	const TArray<FString> Expected = { TEXT("main:closed"), TEXT("dependent:closed") };
	EXPECT_EQ(Events, Expected);
	EXPECT_FALSE(Dependent->IsLive());
}

TEST_F(TabLifecycleTest, ClosingAClosedTabAgainRunsNoCallback)
{
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("first")));
	TSharedPtr<SDockTab> Tab = TabManager->TryInvokeTab(FTabId(FirstTab));
	ASSERT_TRUE(Tab->RequestCloseTab());

	Tab->RequestCloseTab();

	const TArray<FString> Expected = { TEXT("first:spawned"), TEXT("first:closed") };
	EXPECT_EQ(Events, Expected);
	// The stale tab must not have cleared the record of a newer tab of its spawner.
	TSharedPtr<SDockTab> Fresh = TabManager->TryInvokeTab(FTabId(FirstTab));
	Tab->RequestCloseTab();
	EXPECT_EQ(TabManager->FindExistingLiveTab(FTabId(FirstTab)), Fresh);
	EXPECT_EQ(TabManager->TryInvokeTab(FTabId(FirstTab)), Fresh);
}

TEST_F(TabLifecycleTest, BoundSpawnerAttributesAreReadWhenAsked)
{
	bool bHidden = false;
	FString Name = TEXT("Before");
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("first")))
		.SetMenuType(TAttribute<ETabSpawnerMenuType::Type>::CreateLambda([&bHidden]() { return bHidden ? ETabSpawnerMenuType::Hidden : ETabSpawnerMenuType::Enabled; }))
		.SetDisplayNameAttribute(TAttribute<FText>::CreateLambda([&Name]() { return FText::FromString(Name); }));
	TSharedPtr<FTabSpawnerEntry> Spawner = TabManager->FindTabSpawnerFor(FirstTab);
	ASSERT_TRUE(Spawner.IsValid());

	EXPECT_EQ(Spawner->GetMenuType(), ETabSpawnerMenuType::Enabled);
	EXPECT_EQ(Spawner->GetDisplayNameText().ToString(), TEXT("Before"));
	bHidden = true;
	Name = TEXT("After");
	EXPECT_EQ(Spawner->GetMenuType(), ETabSpawnerMenuType::Hidden);
	EXPECT_EQ(Spawner->GetDisplayNameText().ToString(), TEXT("After"));
}

TEST_F(TabLifecycleTest, SpawnersAreListedInRegistrationOrderAndUnregisteringAllEmptiesTheList)
{
	TabManager->RegisterTabSpawner(SecondTab, Recording(TEXT("second")));
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("first")));
	TabManager->RegisterTabSpawner(ThirdTab, Recording(TEXT("third")));
	TabManager->UnregisterTabSpawner(FirstTab);
	TabManager->RegisterTabSpawner(FirstTab, Recording(TEXT("first")));

	TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
	TabManager->GetTabSpawnerEntries(Spawners);
	TArray<FName> Names;
	for (const TSharedRef<FTabSpawnerEntry>& Spawner : Spawners)
	{
		Names.Add(Spawner->GetTabType());
	}
	const TArray<FName> Expected = { SecondTab, ThirdTab, FirstTab };
	EXPECT_EQ(Names, Expected);

	TabManager->UnregisterAllTabSpawners();
	Spawners.Reset();
	TabManager->GetTabSpawnerEntries(Spawners);
	EXPECT_TRUE(Spawners.IsEmpty());
	EXPECT_FALSE(TabManager->TryInvokeTab(FTabId(SecondTab)).IsValid());
}
