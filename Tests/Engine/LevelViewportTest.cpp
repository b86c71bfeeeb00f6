// The level editor's viewports and menus: its first active viewport and client, the show-flag reset bound
// on each viewport, overlay widgets, viewport tabs laid out under a layout string, the Window menu's own
// sections with extenders before its layout section, and the user layouts it offers.

#include "EngineTestEnvironment.h"

#include "EditorViewportTabContent.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "ILevelEditor.h"
#include "LevelEditor.h"
#include "LevelEditorViewport.h"
#include "LevelViewportActions.h"
#include "LevelViewportTabContent.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "SLevelViewport.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ToolMenus.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "LevelViewportTest"

namespace
{
	class LevelViewportTest : public ::testing::Test
	{
	protected:
		FLevelEditorModule& LevelEditor()
		{
			return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
		}

		/** The Window menu as it opens, with the level editor's extenders. */
		TSharedRef<const FMultiBox> OpenWindowMenu()
		{
			const FToolMenuContext Context(LevelEditor().GetGlobalLevelEditorActions(), LevelEditor().GetMenuExtensibilityManager()->GetAllExtenders());
			const TSharedRef<SWidget> Widget = UToolMenus::Get()->GenerateWidget(TEXT("LevelEditor.MainMenu.Window"), Context);
			return StaticCastSharedRef<SMultiBoxWidget>(Widget)->GetMultiBox();
		}

		static TArray<TSharedRef<const FMenuEntryBlock>> EntriesOfSection(const FMultiBox& MultiBox, int32 SectionIndex)
		{
			TArray<TSharedRef<const FMenuEntryBlock>> Entries;
			for (int32 Index = 0; Index < MultiBox.GetBlocks().Num(); ++Index)
			{
				if (MultiBox.GetBlockSection(Index) == SectionIndex && MultiBox.GetBlocks()[Index]->GetType() == EMultiBlockType::MenuEntry)
				{
					Entries.Add(StaticCastSharedRef<const FMenuEntryBlock>(MultiBox.GetBlocks()[Index]));
				}
			}
			return Entries;
		}

		/** Registers a spawner whose tab holds level viewports laid out under LayoutString. */
		void RegisterViewportTabSpawner(FName Id, const FString& LayoutString, ETabSpawnerMenuType::Type MenuType = ETabSpawnerMenuType::Enabled)
		{
			// clang-format off
			LevelEditor().GetLevelEditorTabManager()->RegisterTabSpawner(Id, FOnSpawnTab::CreateLambda([this, LayoutString](const FSpawnTabArgs&)
			{
				TSharedRef<SDockTab> Tab = SNew(SDockTab).Label(FText::FromString(TEXT("Viewports")));
				TSharedPtr<FLevelViewportTabContent> Content = MakeShareable(new FLevelViewportTabContent());
				Content->Initialize([this](const FAssetEditorViewportConstructionArgs& Args) -> TSharedRef<SEditorViewport>
				{
					ConfigKeys.Add(Args.ConfigKey);
					return SNew(SLevelViewport, Args).ParentLevelEditor(LevelEditor().GetLevelEditorInstance());
				}, Tab, LayoutString);
				return Tab;
			}))
				.SetDisplayName(FText::FromString(Id.ToString()))
				.SetTooltipText(FText::FromString(TEXT("Opens viewports")))
				.SetMenuType(MenuType);
			// clang-format on
		}

		FScopedTestEngine Engine;
		TArray<FName> ConfigKeys;
	};
}

TEST_F(LevelViewportTest, TheLevelEditorsFirstViewportHasItsClientAmongTheEditorsViewportClients)
{
	const TSharedPtr<SLevelViewport> Viewport = LevelEditor().GetFirstActiveLevelViewport();
	ASSERT_TRUE(Viewport.IsValid());
	EXPECT_EQ(LevelEditor().GetFirstActiveViewport(), StaticCastSharedPtr<IAssetViewport>(Viewport));
	EXPECT_EQ(Viewport->GetParentLevelEditor().Pin(), LevelEditor().GetFirstLevelEditor());

	FLevelEditorViewportClient* Client = &Viewport->GetLevelViewportClient();
	EXPECT_EQ(GEditor->GetLevelViewportClients(), (TArray<FLevelEditorViewportClient*>{ Client }));
	EXPECT_EQ(Client->GetEditorViewportWidget(), StaticCastSharedPtr<SEditorViewport>(Viewport));
	EXPECT_TRUE(Client->IsPerspective());
}

TEST_F(LevelViewportTest, EachViewportBindsTheShowFlagResetOnItsOwnCommandList)
{
	const TSharedPtr<SLevelViewport> Viewport = LevelEditor().GetFirstActiveLevelViewport();
	FEngineShowFlags& ShowFlags = Viewport->GetLevelViewportClient().EngineShowFlags;
	const FEngineShowFlags Defaults = ShowFlags;
	ShowFlags.SetSingleFlag(FEngineShowFlags::FindIndexByName(TEXT("Grid")), false);
	ShowFlags.SetSingleFlag(FEngineShowFlags::FindIndexByName(TEXT("bounds")), true);
	ASSERT_NE(ShowFlags, Defaults);

	const TSharedRef<const FUICommandInfo> UseDefaults = FLevelViewportCommands::Get().UseDefaultShowFlags.ToSharedRef();
	EXPECT_EQ(UseDefaults->GetLabel().ToString(), TEXT("Use Defaults"));
	EXPECT_TRUE(Viewport->GetCommandList()->TryExecuteAction(UseDefaults));
	EXPECT_EQ(ShowFlags, Defaults);
	EXPECT_EQ(ShowFlags, FEngineShowFlags(ESFIM_Editor));

	// Another list knows nothing of the viewport's binding.
	EXPECT_FALSE(MakeShared<FUICommandList>()->TryExecuteAction(UseDefaults));
}

TEST_F(LevelViewportTest, OverlayWidgetsLieOverTheViewInTheOrderTheyWereAdded)
{
	const TSharedPtr<SLevelViewport> Viewport = LevelEditor().GetFirstActiveLevelViewport();
	FChildren* Layers = Viewport->GetViewportOverlayForHost()->GetChildren();
	ASSERT_EQ(Layers->Num(), 1);
	EXPECT_EQ(Layers->GetChildAt(0)->GetType(), FName(TEXT("SViewport")));

	const TSharedRef<STextBlock> First = SNew(STextBlock);
	const TSharedRef<STextBlock> Second = SNew(STextBlock);
	Viewport->AddOverlayWidget(First);
	Viewport->AddOverlayWidget(Second);
	ASSERT_EQ(Layers->Num(), 3);
	EXPECT_EQ(Layers->GetChildAt(1), StaticCastSharedRef<SWidget>(First));
	EXPECT_EQ(Layers->GetChildAt(2), StaticCastSharedRef<SWidget>(Second));

	Viewport->RemoveOverlayWidget(First);
	ASSERT_EQ(Layers->Num(), 2);
	EXPECT_EQ(Layers->GetChildAt(1), StaticCastSharedRef<SWidget>(Second));
}

TEST_F(LevelViewportTest, AViewportTabLaysOutItsViewportsUnderItsLayoutStringAndReleasesThemWhenClosed)
{
	RegisterViewportTabSpawner(TEXT("TestViewports"), TEXT("Stage Output"));
	TWeakPtr<SDockTab> WeakTab;
	{
		const TSharedPtr<SDockTab> Tab = LevelEditor().GetLevelEditorTabManager()->TryInvokeTab(FTabId(TEXT("TestViewports")));
		ASSERT_TRUE(Tab.IsValid());
		WeakTab = Tab;
		EXPECT_EQ(ConfigKeys, (TArray<FName>{ TEXT("Stage Output.Viewport0") }));

		// The tab keeps its content: the layout string and a level viewport with a client of its own.
		const TArray<TSharedRef<FEditorViewportTabContent>> Contents = FEditorViewportTabContent::GetLiveTabContentsForHost();
		ASSERT_EQ(Contents.Num(), 1);
		EXPECT_TRUE(Contents[0]->BelongsToTab(Tab.ToSharedRef()));
		EXPECT_TRUE(Contents[0]->IsVisible());
		EXPECT_EQ(Contents[0]->GetLayoutStringForHost(), TEXT("Stage Output"));
		EXPECT_EQ(Contents[0]->GetViewportConfigurationName(), FName(TEXT("OnePane")));
		const TArray<TSharedPtr<SEditorViewport>> Viewports = Contents[0]->GetViewportsForHost();
		ASSERT_EQ(Viewports.Num(), 1);
		EXPECT_EQ(StaticCastSharedPtr<SLevelViewport>(Viewports[0])->GetParentLevelEditor().Pin(), LevelEditor().GetFirstLevelEditor());
		EXPECT_EQ(GEditor->GetLevelViewportClients().Num(), 2);
		// The level editor's own viewport stays the first active one.
		EXPECT_NE(LevelEditor().GetFirstActiveLevelViewport(), StaticCastSharedPtr<SLevelViewport>(Viewports[0]));

		EXPECT_TRUE(Tab->RequestCloseTab());
	}

	// Closed and let go, the tab takes its content, viewports and their clients with it.
	EXPECT_FALSE(WeakTab.IsValid());
	EXPECT_TRUE(FEditorViewportTabContent::GetLiveTabContentsForHost().IsEmpty());
	EXPECT_EQ(GEditor->GetLevelViewportClients().Num(), 1);
}

TEST_F(LevelViewportTest, TheWindowMenuListsMenuTabsThenExtensionsBeforeItsLayoutSection)
{
	RegisterViewportTabSpawner(TEXT("ListedViewports"), TEXT("Listed"));
	RegisterViewportTabSpawner(TEXT("GreyViewports"), TEXT("Grey"), ETabSpawnerMenuType::Disabled);
	RegisterViewportTabSpawner(TEXT("HiddenViewports"), TEXT("Hidden"), ETabSpawnerMenuType::Hidden);

	TSharedPtr<FExtender> Extender = MakeShared<FExtender>();
	Extender->AddMenuExtension(TEXT("WindowLayout"), EExtensionHook::Before, nullptr, FMenuExtensionDelegate::CreateLambda([](FMenuBuilder& Menu) {
		Menu.BeginSection(NAME_None, LOCTEXT("Extension", "Extension"));
		Menu.AddMenuEntry(LOCTEXT("Added", "Added"), FText::GetEmpty(), FSlateIcon(), FUIAction(), TEXT("Added"));
		Menu.EndSection();
	}));
	LevelEditor().GetMenuExtensibilityManager()->AddExtender(Extender);

	const TSharedRef<const FMultiBox> Menu = OpenWindowMenu();
	const TArray<FMultiBox::FSection>& Sections = Menu->GetSections();
	ASSERT_EQ(Sections.Num(), 3);
	EXPECT_EQ(Sections[0].ExtensionHook, FName(TEXT("LevelEditor")));
	EXPECT_EQ(Sections[1].Heading.ToString(), TEXT("Extension"));
	EXPECT_EQ(Sections[2].ExtensionHook, FName(TEXT("WindowLayout")));
	EXPECT_EQ(Sections[2].Heading.ToString(), TEXT("Layout"));

	const TArray<TSharedRef<const FMenuEntryBlock>> Tabs = EntriesOfSection(*Menu, 0);
	ASSERT_EQ(Tabs.Num(), 2);
	EXPECT_EQ(Tabs[0]->GetExtensionHook(), FName(TEXT("ListedViewports")));
	EXPECT_EQ(Tabs[0]->GetToolTip().ToString(), TEXT("Opens viewports"));
	EXPECT_TRUE(Tabs[0]->CanExecute());
	EXPECT_EQ(Tabs[1]->GetExtensionHook(), FName(TEXT("GreyViewports")));
	EXPECT_FALSE(Tabs[1]->CanExecute());

	// A click opens the tab as the tab manager does.
	EXPECT_TRUE(Tabs[0]->Execute());
	EXPECT_TRUE(LevelEditor().GetLevelEditorTabManager()->FindExistingLiveTab(FTabId(TEXT("ListedViewports"))).IsValid());

	// Without the extender the panels' section is gone again.
	LevelEditor().GetMenuExtensibilityManager()->RemoveExtender(Extender);
	EXPECT_EQ(OpenWindowMenu()->GetSections().Num(), 2);
}

TEST_F(LevelViewportTest, LoadLayoutListsTheUsersLayoutFilesByTheirNames)
{
	const FString LayoutDir = FPaths::EngineUserLayoutDir();
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("[EditorLayouts]\nLayoutName=NSLOCTEXT(\"LayoutNamespace\", \"Stage\", \"Stage Layout\")\nLayoutDescription=NSLOCTEXT(\"LayoutNamespace\", \"StageDescription\", \"For the stage\")\n"), *(LayoutDir + TEXT("Stage.ini"))));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("[EditorLayouts]\n"), *(LayoutDir + TEXT("Plain.ini"))));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("not a layout"), *(LayoutDir + TEXT("Notes.txt"))));

	const TArray<TSharedRef<const FMenuEntryBlock>> Layout = EntriesOfSection(*OpenWindowMenu(), 1);
	ASSERT_EQ(Layout.Num(), 1);
	EXPECT_EQ(Layout[0]->GetExtensionHook(), FName(TEXT("LoadLayout")));
	ASSERT_TRUE(Layout[0]->IsSubMenu());

	const TSharedRef<const FMultiBox> Layouts = StaticCastSharedRef<SMultiBoxWidget>(Layout[0]->MakeSubMenuWidget())->GetMultiBox();
	const TArray<TSharedRef<const FMenuEntryBlock>> Entries = EntriesOfSection(*Layouts, 0);
	ASSERT_EQ(Entries.Num(), 2);
	EXPECT_EQ(Entries[0]->GetLabel().ToString(), TEXT("Plain"));
	EXPECT_EQ(Entries[1]->GetLabel().ToString(), TEXT("Stage Layout"));
	EXPECT_TRUE(Entries[1]->GetToolTip().ToString().StartsWith(TEXT("For the stage")));
	// Loading a layout is not something the headless editor can do.
	EXPECT_FALSE(Entries[1]->CanExecute());
}

TEST_F(LevelViewportTest, TheToolbarsUserAreaIsRegisteredForPluginsToExtend)
{
	UToolMenus* ToolMenus = UToolMenus::Get();
	ASSERT_TRUE(ToolMenus->IsMenuRegistered(TEXT("LevelEditor.LevelEditorToolBar.User")));
	EXPECT_EQ(ToolMenus->FindMenu(TEXT("LevelEditor.LevelEditorToolBar.User"))->MenuType, EMultiBoxType::SlimHorizontalToolBar);
	EXPECT_TRUE(ToolMenus->FindMenu(TEXT("LevelEditor.LevelEditorToolBar.User"))->Sections.IsEmpty());
}

#undef LOCTEXT_NAMESPACE
