// The operator's two menus: the "Quovex Actions" combo of the level editor toolbar and its drop-down of
// every command in five sections, and the Window menu's "Quovex Panels" section; printed by the console
// as the operator sees them.

#include "QuovexEditorTestFixture.h"
#include "ConsoleLines.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Internationalization/Text.h"
#include "LevelEditor.h"
#include "QuovexVirtualProductionStyle.h"
#include "Styling/AppStyle.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ToolMenus.h"

using namespace QuovexTest;

namespace
{
	struct FExpectedEntry
	{
		const TCHAR* Name;
		const TCHAR* Label;
		const TCHAR* Tooltip;
	};

	struct FExpectedSection
	{
		const TCHAR* Heading;
		TArray<FExpectedEntry> Entries;
	};

	// clang-format off
	const TArray<FExpectedSection> DropDown = {
		{ TEXT("Tracking"), {
			{ TEXT("OpenOrvaneView"), TEXT("Orvane Panel"), TEXT("Open the Orvane management panel") },
			{ TEXT("ResetTakeRecorder"), TEXT("Reset Take Recorder"), TEXT("Reset the Take Recorder settings") },
			{ TEXT("OpenTakeRecorder"), TEXT("Take Recorder"), TEXT("Open the Take Recorder panel") },
			{ TEXT("OpenTakeLog"), TEXT("Take Log"), TEXT("Open the Take Log panel") },
			{ TEXT("OpenTakeImporter"), TEXT("Take Importer"), TEXT("Open the Take Importer panel") } } },
		{ TEXT("Video"), {
			{ TEXT("OpenVideoController"), TEXT("Video Controller"), TEXT("Open Video Controller") },
			{ TEXT("OpenKeyer"), TEXT("Quovex Keyer"), TEXT("Open Keyer") },
			{ TEXT("OpenCameraMonitor"), TEXT("Camera Monitor"), TEXT("Open Camera Monitor") },
			{ TEXT("OpenExternalRecorderMonitor"), TEXT("External Recorder Monitor"), TEXT("Open External Recorder Monitor") },
			{ TEXT("OpenBeamInManager"), TEXT("Beam In Manager"), TEXT("Open Beam In Manager") } } },
		{ TEXT("Sync"), {} },
		{ TEXT("XR"), {
			{ TEXT("OpenXRController"), TEXT("XR Controller"), TEXT("Open the XR controller panel") },
			{ TEXT("OpenMeshBuilder"), TEXT("Mesh Builder"), TEXT("Open the tracking based mesh builder") },
			{ TEXT("OpenXRMultiCam"), TEXT("XR Multi Cam"), TEXT("Open the XR Multi Cam panel") },
			{ TEXT("OpenXRCameraPPSettings"), TEXT("XR Camera Settings"), TEXT("Open XR Camera Post Process Settings details view") },
			{ TEXT("OpenXRColorTransfer"), TEXT("XR Color Transfer"), TEXT("Open the XR Color Transfer panel") } } },
		{ TEXT("Misc"), {
			{ TEXT("ResetLayoutsDirectory"), TEXT("Reset Layouts Directory"), TEXT("Reset Layouts Directory") },
			{ TEXT("ResetViewports"), TEXT("Reset Viewports"), TEXT("Reset all open Viewports to default settings") },
			{ TEXT("OpenCaldraManager"), TEXT("Caldra"), TEXT("Open Caldra panel") },
			{ TEXT("OpenStatus"), TEXT("Status"), TEXT("Open Status") },
			{ TEXT("OpenStageManager"), TEXT("Stage Manager Panel"), TEXT("Open the Quovex Stage management panel") },
			{ TEXT("OpenAnimationControl"), TEXT("Animation Control"), TEXT("Open Animation Control") },
			{ TEXT("ReconnectToSwitcher"), TEXT("Reconnect to Switcher"), TEXT("Reconnect to the Switcher") },
			{ TEXT("ReconnectToKeyer"), TEXT("Reconnect Keyer"), TEXT("Reconnect to the Keyer") },
			{ TEXT("OpenLensTweaker"), TEXT("Lens Tweaker"), TEXT("Open Lens Tweaker Pannel") } } },
	};
	// clang-format on

	/** Command, label key and label of the panels section, in order. */
	const TArray<FExpectedEntry> Panels = {
		{ TEXT("OpenOrvaneView"), TEXT("OrvaneView"), TEXT("Orvane View") },
		{ TEXT("OpenVideoController"), TEXT("VideoController"), TEXT("Video Controller") },
		{ TEXT("OpenKeyer"), TEXT("Keyer"), TEXT("Keyer") },
		{ TEXT("OpenCaldraManager"), TEXT("ZUZCaldra"), TEXT("Caldra") },
		{ TEXT("OpenStatus"), TEXT("Status"), TEXT("Status") },
		{ TEXT("OpenCameraMonitor"), TEXT("CameraMonitor"), TEXT("Camera Monitor") },
		{ TEXT("OpenExternalRecorderMonitor"), TEXT("ExternalRecorderMonitor"), TEXT("External Recorder Monitor") },
		{ TEXT("OpenAnimationControl"), TEXT("AnimationManager"), TEXT("Animation Control") },
		{ TEXT("OpenTakeLog"), TEXT("TakeLog"), TEXT("Take Log") },
		{ TEXT("OpenTakeImporter"), TEXT("TakeImporter"), TEXT("Take Importer") },
		{ TEXT("OpenStageManager"), TEXT("StageManager"), TEXT("Stage Manager") },
		{ TEXT("OpenLensTweaker"), TEXT("LensTweaker"), TEXT("Lens Tweaker") },
		{ TEXT("OpenFocalDistanceWizard"), TEXT("FocalDistanceWizard"), TEXT("Focal Distance Wizard") },
		{ TEXT("OpenBeamInManager"), TEXT("BeamInManager"), TEXT("Beam In Manager") },
	};

	const FName ToolbarMenu(TEXT("LevelEditor.LevelEditorToolBar.User"));
	const FName WindowMenu(TEXT("LevelEditor.MainMenu.Window"));

	class EditorMenusTest : public FQuovexEditorTest
	{
	protected:
		FLevelEditorModule& LevelEditor()
		{
			return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
		}

		/** The combo entry the plugin added to the toolbar's user area. */
		const FToolMenuEntry* ComboEntry()
		{
			UToolMenu* Menu = UToolMenus::Get()->FindMenu(ToolbarMenu);
			FToolMenuSection* Section = Menu ? Menu->FindSection(TEXT("Quovex")) : nullptr;
			return Section ? Section->FindEntry(TEXT("Quovex Actions")) : nullptr;
		}

		/** Opens the combo's drop-down as a click on the combo does. */
		TSharedRef<const FMultiBox> OpenDropDown()
		{
			const TSharedRef<SWidget> Widget = ComboEntry()->ToolBarData.ComboButtonContextMenuGenerator.OnGetContent.Execute();
			return StaticCastSharedRef<SMultiBoxWidget>(Widget)->GetMultiBox();
		}

		TSharedRef<const FMultiBox> OpenWindowMenu()
		{
			const FToolMenuContext Context(LevelEditor().GetGlobalLevelEditorActions(), LevelEditor().GetMenuExtensibilityManager()->GetAllExtenders());
			return StaticCastSharedRef<SMultiBoxWidget>(UToolMenus::Get()->GenerateWidget(WindowMenu, Context))->GetMultiBox();
		}

		static TArray<TSharedRef<const FMenuEntryBlock>> SectionEntries(const FMultiBox& MultiBox, int32 SectionIndex)
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

		static TArray<FName> CommandNames(const FMultiBox& MultiBox)
		{
			TArray<FName> Names;
			for (const TSharedRef<const FMultiBlock>& Block : MultiBox.GetBlocks())
			{
				if (Block->GetAction().IsValid())
				{
					Names.Add(Block->GetAction()->GetCommandName());
				}
			}
			return Names;
		}

		bool Run(const FString& Line)
		{
			return Console.Run(Line);
		}

		FConsoleLines Console;
	};
}

TEST_F(EditorMenusTest, TheToolbarComboSitsInTheUserAreaWithItsLabelIconAndStyle)
{
	ASSERT_TRUE(Boot());
	const FToolMenuEntry* Combo = ComboEntry();
	ASSERT_NE(Combo, nullptr);
	EXPECT_EQ(Combo->Type, EMultiBlockType::ToolBarComboButton);
	EXPECT_EQ(Combo->Owner, FToolMenuOwner(EditorModule()));
	EXPECT_EQ(Combo->StyleNameOverride, FName(TEXT("AssetEditorToolbar")));
	EXPECT_FALSE(Combo->ToolBarData.bSimpleComboBox);
	EXPECT_TRUE(Combo->TutorialHighlightName.IsNone());

	const FText Label = Combo->GetLabelText();
	EXPECT_EQ(Label.ToString(), TEXT("Quovex"));
	EXPECT_EQ(FTextInspector::GetNamespace(Label).Get(FString()), TEXT("QuovexVirtualProductionEditorModule"));
	EXPECT_EQ(FTextInspector::GetKey(Label).Get(FString()), TEXT("QuovexActions_Label"));
	const FText ToolTip = Combo->GetToolTipText();
	EXPECT_EQ(ToolTip.ToString(), TEXT("Quovex actions and settings"));
	EXPECT_EQ(FTextInspector::GetKey(ToolTip).Get(FString()), TEXT("QuovexActions_ToolTip"));

	const FSlateIcon Icon = Combo->GetIcon();
	EXPECT_EQ(Icon.GetStyleSetName(), FQuovexVirtualProductionStyle::GetStyleSetName());
	EXPECT_EQ(Icon.GetStyleName(), FName(TEXT("QuovexVirtualProductionPlugin.Icon.Medium")));

	// The button itself runs nothing of consequence and is always available.
	const FUIAction* Action = Combo->GetActionChoice().GetUIAction();
	ASSERT_NE(Action, nullptr);
	EXPECT_TRUE(Action->CanExecute());
	EXPECT_TRUE(Action->Execute());
}

TEST_F(EditorMenusTest, TheDropDownListsEveryCommandInFiveSectionsWithTheCommandsOwnTexts)
{
	ASSERT_TRUE(Boot());
	const TSharedRef<const FMultiBox> Menu = OpenDropDown();
	EXPECT_EQ(Menu->GetStyleSet(), &FAppStyle::Get());
	EXPECT_TRUE(Menu->ShouldCloseWindowAfterMenuSelection());
	EXPECT_TRUE(Menu->IsSearchable());

	const TArray<FMultiBox::FSection>& Sections = Menu->GetSections();
	ASSERT_EQ(Sections.Num(), DropDown.Num());
	int32 EntryCount = 0;
	for (int32 SectionIndex = 0; SectionIndex < Sections.Num(); ++SectionIndex)
	{
		const FExpectedSection& Expected = DropDown[SectionIndex];
		SCOPED_TRACE(HostTest::Utf8(Expected.Heading));
		EXPECT_TRUE(Sections[SectionIndex].ExtensionHook.IsNone());
		EXPECT_EQ(Sections[SectionIndex].Heading.ToString(), Expected.Heading);
		EXPECT_EQ(FTextInspector::GetKey(Sections[SectionIndex].Heading).Get(FString()), Expected.Heading);

		const TArray<TSharedRef<const FMenuEntryBlock>> Entries = SectionEntries(*Menu, SectionIndex);
		ASSERT_EQ(Entries.Num(), Expected.Entries.Num());
		for (int32 Index = 0; Index < Entries.Num(); ++Index)
		{
			EXPECT_EQ(Entries[Index]->GetAction()->GetCommandName(), FName(Expected.Entries[Index].Name));
			EXPECT_EQ(Entries[Index]->GetLabel().ToString(), Expected.Entries[Index].Label);
			EXPECT_EQ(Entries[Index]->GetToolTip().ToString(), Expected.Entries[Index].Tooltip);
			// No icon of the entry's own: the command's, which no style draws.
			EXPECT_EQ(Entries[Index]->GetIcon(), Entries[Index]->GetAction()->GetIcon());
			// Only the XR camera settings have no action.
			EXPECT_EQ(Entries[Index]->CanExecute(), FName(Expected.Entries[Index].Name) != FName(TEXT("OpenXRCameraPPSettings")));
			++EntryCount;
		}
	}
	EXPECT_EQ(EntryCount, 24);
	EXPECT_FALSE(CommandNames(*Menu).Contains(FName(TEXT("OpenNearWideGraph"))));
	EXPECT_FALSE(CommandNames(*Menu).Contains(FName(TEXT("OpenFocalDistanceWizard"))));
	EXPECT_FALSE(CommandNames(*Menu).Contains(FName(TEXT("OpenLensCalSequenceGenerator"))));
	EXPECT_FALSE(CommandNames(*Menu).Contains(FName(TEXT("ToggleQuovexFillViewportCommand"))));
}

TEST_F(EditorMenusTest, ThePanelsSectionComesRightBeforeTheWindowMenusLayoutSection)
{
	ASSERT_TRUE(Boot());
	const TSharedRef<const FMultiBox> Menu = OpenWindowMenu();
	const TArray<FMultiBox::FSection>& Sections = Menu->GetSections();
	const int32 Layout = Sections.IndexOfByPredicate([](const FMultiBox::FSection& Section) { return Section.ExtensionHook == FName(TEXT("WindowLayout")); });
	ASSERT_GE(Layout, 1);
	const FMultiBox::FSection& PanelsSection = Sections[Layout - 1];
	EXPECT_TRUE(PanelsSection.ExtensionHook.IsNone());
	EXPECT_EQ(PanelsSection.Heading.ToString(), TEXT("Quovex Panels"));
	EXPECT_EQ(FTextInspector::GetNamespace(PanelsSection.Heading).Get(FString()), TEXT("QuovexVirtualProductionEditorModule"));
	EXPECT_EQ(FTextInspector::GetKey(PanelsSection.Heading).Get(FString()), TEXT("QuovexPanels"));

	const TArray<TSharedRef<const FMenuEntryBlock>> Entries = SectionEntries(*Menu, Layout - 1);
	ASSERT_EQ(Entries.Num(), Panels.Num());
	for (int32 Index = 0; Index < Entries.Num(); ++Index)
	{
		const FExpectedEntry& Expected = Panels[Index];
		SCOPED_TRACE(HostTest::Utf8(Expected.Name));
		const FMenuEntryBlock& Entry = *Entries[Index];
		EXPECT_EQ(Entry.GetAction()->GetCommandName(), FName(Expected.Name));
		EXPECT_EQ(Entry.GetLabel().ToString(), Expected.Tooltip);
		EXPECT_EQ(FTextInspector::GetKey(Entry.GetLabel()).Get(FString()), Expected.Label);
		EXPECT_EQ(Entry.GetToolTip().ToString(), Entry.GetAction()->GetDescription().ToString());
		EXPECT_EQ(Entry.GetIcon().GetStyleSetName(), FQuovexVirtualProductionStyle::GetStyleSetName());
		EXPECT_EQ(Entry.GetIcon().GetStyleName(), FName(TEXT("QuovexVirtualProductionPlugin.Icon.Small")));
		EXPECT_TRUE(Entry.CanExecute());
	}
	const TArray<FName> Commands = CommandNames(*Menu);
	EXPECT_FALSE(Commands.Contains(FName(TEXT("OpenNearWideGraph"))));
	EXPECT_TRUE(Commands.Contains(FName(TEXT("OpenFocalDistanceWizard"))));
}

TEST_F(EditorMenusTest, TheConsolePrintsBothMenusAsTheOperatorSeesThem)
{
	ASSERT_TRUE(Boot());
	ASSERT_TRUE(Run(TEXT("menu LevelEditor.LevelEditorToolBar.User")));
	EXPECT_EQ(Console.Lines, (TArray<FString>{ TEXT("[Quovex]"), TEXT("  Quovex Actions | Quovex | Quovex actions and settings | QuovexVirtualProductionPlugin.Icon.Medium | enabled") }));

	ASSERT_TRUE(Run(TEXT("menu LevelEditor.LevelEditorToolBar.User \"Quovex Actions\"")));
	TArray<FString> Expected;
	for (const FExpectedSection& Section : DropDown)
	{
		Expected.Add(FString::Printf(TEXT("[None] %s"), Section.Heading));
		for (const FExpectedEntry& Entry : Section.Entries)
		{
			const bool bBound = FName(Entry.Name) != FName(TEXT("OpenXRCameraPPSettings"));
			Expected.Add(FString::Printf(TEXT("  %s | %s | %s | - | %s"), Entry.Name, Entry.Label, Entry.Tooltip, bBound ? TEXT("enabled") : TEXT("cannot execute")));
		}
	}
	EXPECT_EQ(Console.Lines, Expected);

	ASSERT_TRUE(Run(TEXT("menu LevelEditor.MainMenu.Window")));
	const int32 Panels = Console.Lines.IndexOfByKey(TEXT("[None] Quovex Panels"));
	ASSERT_NE(Panels, INDEX_NONE);
	EXPECT_EQ(Console.Lines[Panels + 1], TEXT("  OpenOrvaneView | Orvane View | Open the Orvane management panel | QuovexVirtualProductionPlugin.Icon.Small | enabled"));
	EXPECT_EQ(Console.Lines[Panels + 15], TEXT("[WindowLayout] Layout"));
	// The output viewport is listed with the level editor's tabs.
	EXPECT_TRUE(Console.Lines.Contains(TEXT("  QuovexFOutputViewport | Output | Open a Quovex output viewport tab. | QuovexVirtualProductionPlugin.Icon.Small | enabled")));

	EXPECT_FALSE(Run(TEXT("menu click LevelEditor.LevelEditorToolBar.User \"Quovex Actions\" OpenXRCameraPPSettings")));
	EXPECT_EQ(Console.Lines, (TArray<FString>{ TEXT("ERROR OpenXRCameraPPSettings cannot execute: it has no action to run") }));
	EXPECT_FALSE(Run(TEXT("menu click LevelEditor.LevelEditorToolBar.User \"Quovex Actions\" OpenNearWideGraph")));
	EXPECT_EQ(Console.Lines, (TArray<FString>{ TEXT("ERROR No entry named OpenNearWideGraph in this menu") }));
}

TEST_F(EditorMenusTest, AGameRunAddsNoMenus)
{
	ASSERT_TRUE(Boot(true));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("ToolMenus")));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("LevelEditor")));
}
