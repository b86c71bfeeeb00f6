// The console's view of menus, placement categories and the level viewport: what `menu`, `placement` and
// `viewport` print, what a click does, and how bad input is refused.

#include "EngineTestEnvironment.h"

#include "Camera/CameraActor.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "IPlacementModeModule.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "SLevelViewport.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ToolMenus.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "MenuConsoleTest"

namespace
{
	class FConsoleLines : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.Add(Verbosity == ELogVerbosity::Error ? FString(TEXT("ERROR ")) + V : FString(V));
		}

		TArray<FString> Lines;
	};

	class MenuConsoleTest : public ::testing::Test
	{
	protected:
		bool Run(const FString& Line)
		{
			Output.Lines.Reset();
			return FEditorHost::Exec(Line, Output);
		}

		/** A combo in the toolbar's user area whose drop-down has a working entry and one without an action. */
		void AddStageCombo()
		{
			UToolMenu* Toolbar = UToolMenus::Get()->ExtendMenu(TEXT("LevelEditor.LevelEditorToolBar.User"));
			// clang-format off
			Toolbar->FindOrAddSection(TEXT("Stage")).AddEntry(FToolMenuEntry::InitComboButton(
				TEXT("Stage Tools"),
				FUIAction(FExecuteAction::CreateLambda([]() {}), FCanExecuteAction::CreateLambda([]() { return true; })),
				FOnGetContent::CreateLambda([this]()
				{
					FMenuBuilder Menu(true, nullptr);
					Menu.BeginSection(NAME_None, LOCTEXT("Takes", "Takes"));
					Menu.AddMenuEntry(LOCTEXT("Record", "Record"), LOCTEXT("RecordTip", "Start a take"), FSlateIcon(), FUIAction(FExecuteAction::CreateLambda([this]() { ++Records; })), TEXT("Record"));
					Menu.AddMenuEntry(LOCTEXT("Broken", "Broken"), LOCTEXT("BrokenTip", "Does nothing"), FSlateIcon(), FUIAction(), TEXT("Broken"));
					Menu.EndSection();
					Menu.BeginSection(NAME_None, LOCTEXT("Later", "Later"));
					Menu.EndSection();
					return Menu.MakeWidget();
				}),
				LOCTEXT("StageTools", "Stage"),
				LOCTEXT("StageToolsTip", "Stage tools")));
			// clang-format on
		}

		FScopedTestEngine Engine;
		FConsoleLines Output;
		int32 Records = 0;
	};
}

TEST_F(MenuConsoleTest, MenusPrintSectionsAndEntriesAsTheOperatorSeesThem)
{
	AddStageCombo();
	ASSERT_TRUE(Run(TEXT("menu LevelEditor.LevelEditorToolBar.User")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("[Stage]"), TEXT("  Stage Tools | Stage | Stage tools | - | enabled") }));

	ASSERT_TRUE(Run(TEXT("menu LevelEditor.LevelEditorToolBar.User \"Stage Tools\"")));
	// clang-format off
	EXPECT_EQ(Output.Lines, (TArray<FString>{
		TEXT("[None] Takes"),
		TEXT("  Record | Record | Start a take | - | enabled"),
		TEXT("  Broken | Broken | Does nothing | - | cannot execute"),
		TEXT("[None] Later") }));
	// clang-format on

	ASSERT_TRUE(Run(TEXT("menu LevelEditor.MainMenu.Window")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("[LevelEditor] Level Editor"), TEXT("[WindowLayout] Layout"), TEXT("  LoadLayout | Load Layout | Load a layout configuration | - | submenu") }));
}

TEST_F(MenuConsoleTest, AClickRunsTheEntrysActionAndRefusesEntriesThatCannotRun)
{
	AddStageCombo();
	ASSERT_TRUE(Run(TEXT("menu click LevelEditor.LevelEditorToolBar.User \"Stage Tools\" Record")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("Clicked Record") }));
	EXPECT_EQ(Records, 1);

	EXPECT_FALSE(Run(TEXT("menu click LevelEditor.LevelEditorToolBar.User \"Stage Tools\" Broken")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("ERROR Broken cannot execute: it has no action to run") }));
	EXPECT_FALSE(Run(TEXT("menu click LevelEditor.LevelEditorToolBar.User \"Stage Tools\" Nothing")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("ERROR No entry named Nothing in this menu") }));
	EXPECT_FALSE(Run(TEXT("menu click LevelEditor.MainMenu.Window LoadLayout")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR LoadLayout opens a sub-menu")));
	EXPECT_EQ(Records, 1);
}

TEST_F(MenuConsoleTest, BadMenuInputIsRefusedWithAReason)
{
	EXPECT_FALSE(Run(TEXT("menu")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR Usage: menu")));
	EXPECT_FALSE(Run(TEXT("menu a b c")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR Usage: menu")));
	EXPECT_FALSE(Run(TEXT("menu \"LevelEditor.MainMenu.Window")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR ")));
	EXPECT_FALSE(Run(TEXT("menu No.Such.Menu")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR No menu named No.Such.Menu")));
	EXPECT_FALSE(Run(TEXT("menu LevelEditor.MainMenu.Window NoSubMenu")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("ERROR No combo or sub-menu entry named NoSubMenu in this menu") }));
}

TEST_F(MenuConsoleTest, PlacementListsCategoriesInOrderAndACategorysItemsAsThePanelDoes)
{
	IPlacementModeModule& PlacementMode = IPlacementModeModule::Get();
	ASSERT_TRUE(PlacementMode.RegisterPlacementCategory(FPlacementCategoryInfo(FText::FromString(TEXT("Stage Kit")), TEXT("StageKit"), TEXT("PMStageKit"), 45)));
	PlacementMode.RegisterPlaceableItem(TEXT("StageKit"), MakeShared<FPlaceableItem>(nullptr, FAssetData(ACameraActor::StaticClass()), 2));
	PlacementMode.RegisterPlaceableItem(TEXT("StageKit"), MakeShared<FPlaceableItem>(nullptr, FAssetData(AActor::StaticClass()), TOptional<int32>()));

	ASSERT_TRUE(Run(TEXT("placement")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("Placement categories (")));
	const int32 Volumes = Output.Lines.IndexOfByKey(TEXT("  Volumes | Volumes | 40 | PMVolumes"));
	ASSERT_NE(Volumes, INDEX_NONE);
	EXPECT_EQ(Output.Lines[Volumes + 1], TEXT("  StageKit | Stage Kit | 45 | PMStageKit"));

	ASSERT_TRUE(Run(TEXT("placement StageKit")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("Stage Kit (2 items): label | sort order"), TEXT("  Camera Actor | 2"), TEXT("  Actor | -") }));

	EXPECT_FALSE(Run(TEXT("placement NoSuchCategory")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR No placement category NoSuchCategory")));
	EXPECT_FALSE(Run(TEXT("placement a b")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("ERROR Usage: placement [<CategoryHandle>]") }));
}

TEST_F(MenuConsoleTest, ViewportOverlaysPrintEachOverlaidWidgetAsATree)
{
	FLevelEditorModule& LevelEditor = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	ASSERT_TRUE(Run(TEXT("viewport overlays")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("Overlay widgets of the level viewport (0):") }));

	// clang-format off
	TSharedRef<SOverlay> Overlaid = SNew(SOverlay)
		+ SOverlay::Slot()
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()[SNew(STextBlock).Text(FText::FromString(TEXT("Status : ")))]
		];
	// clang-format on
	Overlaid->SetVisibility(EVisibility::Collapsed);
	LevelEditor.GetFirstActiveLevelViewport()->AddOverlayWidget(Overlaid);

	ASSERT_TRUE(Run(TEXT("viewport overlays")));
	// clang-format off
	EXPECT_EQ(Output.Lines, (TArray<FString>{
		TEXT("Overlay widgets of the level viewport (1):"),
		TEXT("  SOverlay Collapsed"),
		TEXT("    SHorizontalBox Visible"),
		TEXT("      STextBlock Visible \"Status : \"") }));
	// clang-format on

	EXPECT_FALSE(Run(TEXT("viewport")));
	EXPECT_FALSE(Run(TEXT("viewport sideways")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR Usage: viewport")));
}

TEST_F(MenuConsoleTest, ShowFlagsCanBeReadAndSetFromTheConsole)
{
	ASSERT_TRUE(Run(TEXT("viewport showflag grid off")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("Grid off") }));
	ASSERT_TRUE(Run(TEXT("viewport showflags")));
	EXPECT_TRUE(Output.Lines[0].Contains(TEXT("Grid=0")));

	EXPECT_FALSE(Run(TEXT("viewport showflag Nonsense on")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("ERROR No show flag named Nonsense")));
	EXPECT_FALSE(Run(TEXT("viewport showflag Grid maybe")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("ERROR A show flag is on or off, not 'maybe'") }));
}

TEST(MenuConsoleGameTest, AGameRunHasNoMenusPlacementOrViewports)
{
	FScopedTestEngine Game(true);
	FConsoleLines Output;
	EXPECT_FALSE(FEditorHost::Exec(TEXT("menu LevelEditor.MainMenu.Window"), Output));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("placement"), Output));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("viewport overlays"), Output));
	// clang-format off
	EXPECT_EQ(Output.Lines, (TArray<FString>{
		TEXT("ERROR The level editor is not loaded (is this a game run?)"),
		TEXT("ERROR There is no Place Actors panel in a game run"),
		TEXT("ERROR There is no active level viewport (is this a game run?)") }));
	// clang-format on
}

#undef LOCTEXT_NAMESPACE
