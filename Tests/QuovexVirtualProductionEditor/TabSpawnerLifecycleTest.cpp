// Panel spawners across the level editor's life: rebuilt tab managers, late panel assets, repeated opens and closes.

#include "QuovexEditorTestFixture.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorUtilitySubsystem.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "QuovexTabManager.h"
#include "Widgets/Docking/SDockTab.h"

using namespace QuovexTest;

namespace
{
	class TabSpawnerLifecycleTest : public FQuovexEditorTest
	{
	protected:
		static FLevelEditorModule& LevelEditor()
		{
			return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
		}

		/** Rebuilds the level editor's tab manager as a layout reset does: same major tab, new manager. */
		static TSharedPtr<FTabManager> RebuildLevelEditorTabs()
		{
			const TSharedPtr<SDockTab> MajorTab = FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FLevelEditorModule::LevelEditorTabName));
			EXPECT_TRUE(MajorTab.IsValid());
			LevelEditor().SetLevelEditorTabManager(MajorTab);
			return LevelEditor().GetLevelEditorTabManager();
		}

		static const FQuovexTabDescriptor* FindTab(const TCHAR* TabId)
		{
			return FQuovexTabManager::Get().GetTabs().FindByPredicate([TabId](const FQuovexTabDescriptor& Tab) { return Tab.TabId == FName(TabId); });
		}

		static int32 SpawnersNamed(const TSharedPtr<FTabManager>& Manager, FName Name)
		{
			TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
			Manager->GetTabSpawnerEntries(Spawners);
			return Spawners.FilterByPredicate([Name](const TSharedRef<FTabSpawnerEntry>& Spawner) { return Spawner->GetTabType() == Name; }).Num();
		}

		static int32 SpawnerCount(const TSharedPtr<FTabManager>& Manager)
		{
			TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
			Manager->GetTabSpawnerEntries(Spawners);
			return Spawners.Num();
		}

		static bool IsLive(const TCHAR* TabId)
		{
			return LevelEditor().GetLevelEditorTabManager()->FindExistingLiveTab(FTabId(FindTab(TabId)->RegistrationName)).IsValid();
		}

		/** Puts back the shipped panel asset of a tab into the installed plugin. */
		void RestorePanel(const std::string& TabId)
		{
			const std::filesystem::path Shipped = std::filesystem::path(QUOVEX_SOURCE_ROOT) / ("Plugins/QuovexSuite/Content/Editor/Panels/" + TabId + ".uasset.json");
			std::filesystem::copy_file(Shipped, PanelAsset(TabId), std::filesystem::copy_options::overwrite_existing);
		}
	};
}

TEST_F(TabSpawnerLifecycleTest, ARebuiltTabManagerGetsEverySpawnerBackOnce)
{
	ASSERT_TRUE(Boot());
	const TSharedPtr<FTabManager> Before = LevelEditor().GetLevelEditorTabManager();
	ASSERT_TRUE(Before.IsValid());
	const int32 CountBefore = SpawnerCount(Before);

	const TSharedPtr<FTabManager> After = RebuildLevelEditorTabs();
	ASSERT_TRUE(After.IsValid());
	ASSERT_NE(After, Before);
	for (const FQuovexTabDescriptor& Tab : FQuovexTabManager::Get().GetTabs())
	{
		SCOPED_TRACE(HostTest::Utf8(Tab.TabId.ToString()));
		EXPECT_EQ(SpawnersNamed(After, Tab.RegistrationName), 1);
	}
	EXPECT_EQ(SpawnerCount(After), CountBefore);

	// The event may fire again without a new manager; nothing is registered twice.
	LevelEditor().OnTabManagerChanged().Broadcast();
	EXPECT_EQ(SpawnerCount(After), CountBefore);

	// Panels open in the new manager.
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexStageManager")));
	EXPECT_TRUE(After->FindExistingLiveTab(FTabId(FindTab(TEXT("QuovexStageManager"))->RegistrationName)).IsValid());
	EXPECT_TRUE(FQuovexTabManager::Get().CloseTab(TEXT("QuovexStageManager")));
}

TEST_F(TabSpawnerLifecycleTest, APanelOpenDuringARebuildCanBeOpenedAgainAfterIt)
{
	ASSERT_TRUE(Boot());
	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")));
	RebuildLevelEditorTabs();
	RebuildLevelEditorTabs();

	// The old layout's tab went with it; the entry stays loaded and registered under the same name.
	EXPECT_FALSE(IsLive(TEXT("QuovexTakeLog")));
	EXPECT_FALSE(FQuovexTabManager::Get().CloseTab(TEXT("QuovexTakeLog")));
	EXPECT_NE(FindTab(TEXT("QuovexTakeLog"))->Blueprint, nullptr);
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")));
	EXPECT_TRUE(IsLive(TEXT("QuovexTakeLog")));
	EXPECT_EQ(SpawnersNamed(LevelEditor().GetLevelEditorTabManager(), FindTab(TEXT("QuovexTakeLog"))->RegistrationName), 1);
}

TEST_F(TabSpawnerLifecycleTest, APanelAssetThatArrivesLateIsRegisteredOnTheNextRun)
{
	std::filesystem::remove(PanelAsset("QuovexKeyer"));
	ASSERT_TRUE(Boot());
	const FQuovexTabDescriptor* Keyer = FindTab(TEXT("QuovexKeyer"));
	ASSERT_EQ(Keyer->Blueprint, nullptr);
	EXPECT_TRUE(Keyer->bIsSetUp);
	EXPECT_FALSE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexKeyer")));

	// Installing the asset alone changes nothing until the level editor asks again.
	RestorePanel("QuovexKeyer");
	EXPECT_FALSE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexKeyer")));

	const TSharedPtr<FTabManager> Rebuilt = RebuildLevelEditorTabs();
	ASSERT_NE(Keyer->Blueprint, nullptr);
	EXPECT_EQ(Keyer->RegistrationName, FName(*(Keyer->Blueprint->GetPathName() + TEXT("_ActiveTab"))));
	EXPECT_EQ(SpawnersNamed(Rebuilt, Keyer->RegistrationName), 1);
	EXPECT_TRUE(GEditor->GetEditorSubsystem<UEditorUtilitySubsystem>()->RegisteredTabs.Contains(Keyer->RegistrationName));
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexKeyer")));
	EXPECT_TRUE(IsLive(TEXT("QuovexKeyer")));
}

TEST_F(TabSpawnerLifecycleTest, ARebuildUnderAnotherCultureRegistersUnderTheNewName)
{
	HostTest::WriteFile(Temp.Path("Demo/Content/Localization/de.json"),
		R"({ "QuovexTabManager": { "ActiveTabSuffix": { "Source": "_ActiveTab", "Translation": "_AktiverTab" } } })");
	ASSERT_TRUE(Boot());
	const FQuovexTabDescriptor* Status = FindTab(TEXT("QuovexStatus"));
	EXPECT_EQ(HostTest::Utf8(Status->RegistrationName.ToString()), "/QuovexSuite/Editor/Panels/QuovexStatus.QuovexStatus_ActiveTab");

	ASSERT_TRUE(FEditorHost::SetCulture(TEXT("de")));
	const TSharedPtr<FTabManager> Rebuilt = RebuildLevelEditorTabs();
	EXPECT_EQ(HostTest::Utf8(Status->RegistrationName.ToString()), "/QuovexSuite/Editor/Panels/QuovexStatus.QuovexStatus_AktiverTab");
	EXPECT_EQ(SpawnersNamed(Rebuilt, Status->RegistrationName), 1);
	EXPECT_EQ(SpawnersNamed(Rebuilt, FName(TEXT("/QuovexSuite/Editor/Panels/QuovexStatus.QuovexStatus_ActiveTab"))), 0);
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexStatus")));
	EXPECT_TRUE(IsLive(TEXT("QuovexStatus")));
}

TEST_F(TabSpawnerLifecycleTest, OpeningTwiceKeepsOneSpawnerAndOneLiveTab)
{
	ASSERT_TRUE(Boot());
	const TSharedPtr<FTabManager> Tabs = LevelEditor().GetLevelEditorTabManager();
	const int32 CountBefore = SpawnerCount(Tabs);
	const FName RegistrationName = FindTab(TEXT("QuovexLensTweaker"))->RegistrationName;

	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexLensTweaker")));
	const TSharedPtr<SDockTab> First = Tabs->FindExistingLiveTab(FTabId(RegistrationName));
	ASSERT_TRUE(First.IsValid());
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexLensTweaker")));

	// The second open brings the same tab forward.
	EXPECT_EQ(Tabs->FindExistingLiveTab(FTabId(RegistrationName)), First);
	EXPECT_EQ(SpawnerCount(Tabs), CountBefore);
	EXPECT_EQ(SpawnersNamed(Tabs, RegistrationName), 1);

	// One close is enough to take it down.
	EXPECT_TRUE(FQuovexTabManager::Get().CloseTab(TEXT("QuovexLensTweaker")));
	EXPECT_FALSE(Tabs->FindExistingLiveTab(FTabId(RegistrationName)).IsValid());
}

TEST_F(TabSpawnerLifecycleTest, ClosingARegisteredPanelThatIsNotOpenFails)
{
	ASSERT_TRUE(Boot());
	const FQuovexTabDescriptor* Caldra = FindTab(TEXT("ZUZCaldraManager"));
	ASSERT_NE(Caldra->Blueprint, nullptr);
	EXPECT_FALSE(FQuovexTabManager::Get().CloseTab(TEXT("ZUZCaldraManager")));

	// Closing one panel leaves another open panel alone.
	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("QuovexMeshBuilder")));
	EXPECT_FALSE(FQuovexTabManager::Get().CloseTab(TEXT("ZUZCaldraManager")));
	EXPECT_TRUE(IsLive(TEXT("QuovexMeshBuilder")));

	// A failed close keeps the panel registered and openable.
	EXPECT_NE(Caldra->Blueprint, nullptr);
	EXPECT_TRUE(FQuovexTabManager::Get().OpenTab(TEXT("ZUZCaldraManager")));
	EXPECT_TRUE(FQuovexTabManager::Get().CloseTab(TEXT("ZUZCaldraManager")));
	EXPECT_FALSE(FQuovexTabManager::Get().CloseTab(TEXT("ZUZCaldraManager")));
}
