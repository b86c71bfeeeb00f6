// Output viewport tabs: one spawner in the level editor's tab manager once any panel registers, listed
// with the level editor's viewports; each spawned tab holds level viewports laid out as "Quovex Output".

#include "QuovexEditorTestFixture.h"
#include "ConsoleLines.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorViewportTabContent.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "ILevelEditor.h"
#include "Internationalization/Text.h"
#include "LevelEditor.h"
#include "QuovexTabManager.h"
#include "QuovexVirtualProductionStyle.h"
#include "SLevelViewport.h"
#include "Widgets/Docking/SDockTab.h"
#include "WorkspaceMenuStructure.h"
#include "WorkspaceMenuStructureModule.h"

#include <algorithm>

using namespace QuovexTest;

namespace
{
	const FName OutputSpawner(TEXT("QuovexFOutputViewport"));

	class OutputViewportTest : public FQuovexEditorTest
	{
	protected:
		static FLevelEditorModule& LevelEditor()
		{
			return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
		}

		static TArray<TSharedRef<FTabSpawnerEntry>> OutputSpawners()
		{
			TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
			LevelEditor().GetLevelEditorTabManager()->GetTabSpawnerEntries(Spawners);
			return Spawners.FilterByPredicate([](const TSharedRef<FTabSpawnerEntry>& Spawner) { return Spawner->GetTabType() == OutputSpawner; });
		}

		/** Removes every panel asset but the named ones. */
		void KeepOnlyPanels(const std::vector<std::string>& Keep)
		{
			const std::filesystem::path Panels = Temp.Path("Plugins/QuovexSuite/Content/Editor/Panels");
			for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Panels))
			{
				const std::string Name = Entry.path().filename().string();
				const std::string TabId = Name.substr(0, Name.find('.'));
				if (std::find(Keep.begin(), Keep.end(), TabId) == Keep.end())
				{
					std::filesystem::remove(Entry.path());
				}
			}
		}
	};
}

TEST_F(OutputViewportTest, OneSpawnerIsRegisteredWithItsLabelTooltipGroupAndIcon)
{
	ASSERT_TRUE(Boot());
	const TArray<TSharedRef<FTabSpawnerEntry>> Spawners = OutputSpawners();
	ASSERT_EQ(Spawners.Num(), 1);
	const FTabSpawnerEntry& Spawner = *Spawners[0];

	const FText Label = Spawner.GetDisplayNameText();
	EXPECT_EQ(Label.ToString(), TEXT("Output"));
	EXPECT_EQ(FTextInspector::GetNamespace(Label).Get(FString()), TEXT("QuovexOutputTabs"));
	EXPECT_EQ(FTextInspector::GetKey(Label).Get(FString()), TEXT("QuovexOutputViewport"));
	const FText ToolTip = Spawner.GetTooltipText();
	EXPECT_EQ(ToolTip.ToString(), TEXT("Open a Quovex output viewport tab."));
	EXPECT_EQ(FTextInspector::GetNamespace(ToolTip).Get(FString()), TEXT("QuovexLevelEditorTabs"));
	EXPECT_EQ(FTextInspector::GetKey(ToolTip).Get(FString()), TEXT("QuovexLevelEditorViewportTooltip"));

	// Listed in the Window menu under the level editor's viewports.
	EXPECT_EQ(Spawner.GetMenuType(), ETabSpawnerMenuType::Enabled);
	EXPECT_EQ(Spawner.GetParent(), TSharedPtr<FWorkspaceItem>(WorkspaceMenu::GetMenuStructure().GetLevelEditorViewportsCategory()));
	EXPECT_EQ(Spawner.GetIcon().GetStyleSetName(), FQuovexVirtualProductionStyle::GetStyleSetName());
	EXPECT_EQ(Spawner.GetIcon().GetStyleName(), FName(TEXT("QuovexVirtualProductionPlugin.Icon.Small")));
}

TEST_F(OutputViewportTest, OneLoadablePanelIsEnoughAndNoneMeansNoSpawner)
{
	KeepOnlyPanels({ "QuovexStatus" });
	ASSERT_TRUE(Boot());
	EXPECT_EQ(OutputSpawners().Num(), 1);
	FEditorHost::Shutdown();

	KeepOnlyPanels({});
	ASSERT_TRUE(Boot());
	EXPECT_EQ(OutputSpawners().Num(), 0);
}

TEST_F(OutputViewportTest, ARebuiltTabManagerGetsTheSpawnerBackOnce)
{
	ASSERT_TRUE(Boot());
	LevelEditor().SetLevelEditorTabManager(FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FLevelEditorModule::LevelEditorTabName)));
	EXPECT_EQ(OutputSpawners().Num(), 1);
}

TEST_F(OutputViewportTest, ASpawnedTabHoldsLevelViewportsLaidOutAsQuovexOutput)
{
	ASSERT_TRUE(Boot());
	const int32 ClientsBefore = GEditor->GetLevelViewportClients().Num();
	for (int32 Spawn = 0; Spawn < 2; ++Spawn)
	{
		SCOPED_TRACE(Spawn);
		TWeakPtr<SDockTab> WeakTab;
		{
			const TSharedPtr<SDockTab> Tab = LevelEditor().GetLevelEditorTabManager()->TryInvokeTab(FTabId(OutputSpawner));
			ASSERT_TRUE(Tab.IsValid());
			WeakTab = Tab;
			EXPECT_EQ(Tab->GetTabLabel().ToString(), TEXT("Output"));
			EXPECT_EQ(Tab->GetTabRole(), ETabRole::PanelTab);

			const TArray<TSharedRef<FEditorViewportTabContent>> Contents = FEditorViewportTabContent::GetLiveTabContentsForHost();
			ASSERT_EQ(Contents.Num(), 1);
			EXPECT_TRUE(Contents[0]->BelongsToTab(Tab.ToSharedRef()));
			EXPECT_EQ(Contents[0]->GetLayoutStringForHost(), TEXT("Quovex Output"));
			const TArray<TSharedPtr<SEditorViewport>> Viewports = Contents[0]->GetViewportsForHost();
			ASSERT_EQ(Viewports.Num(), 1);
			const TSharedPtr<SLevelViewport> Viewport = StaticCastSharedPtr<SLevelViewport>(Viewports[0]);
			EXPECT_EQ(Viewport->GetParentLevelEditor().Pin(), LevelEditor().GetFirstLevelEditor());
			EXPECT_EQ(GEditor->GetLevelViewportClients().Num(), ClientsBefore + 1);
			EXPECT_EQ(GEditor->GetLevelViewportClients().Last(), &Viewport->GetLevelViewportClient());

			EXPECT_TRUE(Tab->RequestCloseTab());
		}
		// Closing changes nothing for the manager: the spawner stays and the tab opens again.
		EXPECT_FALSE(WeakTab.IsValid());
		EXPECT_EQ(OutputSpawners().Num(), 1);
		EXPECT_EQ(GEditor->GetLevelViewportClients().Num(), ClientsBefore);
	}
}

TEST_F(OutputViewportTest, TheConsoleOpensTheTabAndShowsItsLayout)
{
	ASSERT_TRUE(Boot());
	FConsoleLines Out;
	ASSERT_TRUE(Out.Run(TEXT("tab open QuovexFOutputViewport")));
	EXPECT_TRUE(Out.Lines.Contains(TEXT("Opened Output")));
	ASSERT_TRUE(Out.Run(TEXT("tabs")));
	EXPECT_TRUE(Out.Lines.Contains(TEXT("  QuovexFOutputViewport | Output | Enabled | Viewports")));
	EXPECT_TRUE(Out.Lines.Contains(TEXT("  QuovexFOutputViewport | Output | layout \"Quovex Output\"")));
}
