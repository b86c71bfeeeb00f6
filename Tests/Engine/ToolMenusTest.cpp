// Tool menus: extensions made before or after a menu's registration, merged with its parents when it is
// generated, placed by insert position, removed with their owner; combo entries; legacy extenders at hooks.

#include "EngineTestEnvironment.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Modules/ModuleManager.h"
#include "ToolMenus.h"

#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "ToolMenusTest"

namespace
{
	TArray<FName> SectionNames(const UToolMenu* Menu)
	{
		TArray<FName> Names;
		for (const FToolMenuSection& Section : Menu->Sections)
		{
			Names.Add(Section.Name);
		}
		return Names;
	}

	TArray<FName> EntryNames(const FToolMenuSection& Section)
	{
		TArray<FName> Names;
		for (const FToolMenuEntry& Entry : Section.Blocks)
		{
			Names.Add(Entry.Name);
		}
		return Names;
	}

	FToolMenuEntry ActionEntry(const TCHAR* Name)
	{
		return FToolMenuEntry::InitMenuEntry(Name, FText::FromString(Name), FText::GetEmpty(), FSlateIcon(), FUIAction(FExecuteAction::CreateLambda([]() {})));
	}

	class ToolMenusTest : public ::testing::Test
	{
	protected:
		FScopedTestEngine Engine;
	};
}

TEST_F(ToolMenusTest, AnExtensionMadeBeforeRegistrationIsKeptAndFollowsTheOwnersSections)
{
	UToolMenus* ToolMenus = UToolMenus::Get();
	ASSERT_NE(ToolMenus, nullptr);
	ToolMenus->ExtendMenu(TEXT("Test.Menu"))->FindOrAddSection(TEXT("Plugin")).AddEntry(ActionEntry(TEXT("Added")));
	EXPECT_FALSE(ToolMenus->IsMenuRegistered(TEXT("Test.Menu")));

	UToolMenu* Menu = ToolMenus->RegisterMenu(TEXT("Test.Menu"));
	Menu->AddSection(TEXT("Own"), LOCTEXT("Own", "Own")).AddEntry(ActionEntry(TEXT("Native")));
	EXPECT_TRUE(ToolMenus->IsMenuRegistered(TEXT("Test.Menu")));
	EXPECT_EQ(ToolMenus->FindMenu(TEXT("Test.Menu")), Menu);

	UToolMenu* Generated = ToolMenus->GenerateMenu(TEXT("Test.Menu"), FToolMenuContext());
	EXPECT_EQ(SectionNames(Generated), (TArray<FName>{ TEXT("Plugin"), TEXT("Own") }));
	EXPECT_NE(Generated, Menu);
}

TEST_F(ToolMenusTest, GeneratedMenusMergeParentsSectionsAndPlaceByInsertPosition)
{
	UToolMenus* ToolMenus = UToolMenus::Get();
	UToolMenu* Parent = ToolMenus->RegisterMenu(TEXT("Test.Parent"));
	Parent->AddSection(TEXT("A")).AddEntry(ActionEntry(TEXT("ParentEntry")));
	Parent->AddSection(TEXT("B"));

	UToolMenu* Child = ToolMenus->RegisterMenu(TEXT("Test.Child"), TEXT("Test.Parent"));
	Child->AddSection(TEXT("A")).AddEntry(ActionEntry(TEXT("ChildEntry")));
	Child->AddSection(TEXT("BeforeB"), TAttribute<FText>(), FToolMenuInsert(TEXT("B"), EToolMenuInsertType::Before));
	Child->AddSection(TEXT("Top"), TAttribute<FText>(), FToolMenuInsert(NAME_None, EToolMenuInsertType::First));
	FToolMenuEntry Early = ActionEntry(TEXT("Early"));
	Early.InsertPosition = FToolMenuInsert(TEXT("ParentEntry"), EToolMenuInsertType::Before);
	Child->FindOrAddSection(TEXT("A")).AddEntry(Early);

	UToolMenu* Generated = ToolMenus->GenerateMenu(TEXT("Test.Child"), FToolMenuContext());
	EXPECT_EQ(SectionNames(Generated), (TArray<FName>{ TEXT("Top"), TEXT("A"), TEXT("BeforeB"), TEXT("B") }));
	EXPECT_EQ(EntryNames(*Generated->FindSection(TEXT("A"))), (TArray<FName>{ TEXT("Early"), TEXT("ParentEntry"), TEXT("ChildEntry") }));
}

TEST_F(ToolMenusTest, EverythingAnOwnerAddedGoesWithIt)
{
	UToolMenus* ToolMenus = UToolMenus::Get();
	int32 Owner = 0;
	{
		FToolMenuOwnerScoped OwnerScoped(&Owner);
		EXPECT_EQ(ToolMenus->CurrentOwner(), FToolMenuOwner(&Owner));
		FToolMenuSection& Section = ToolMenus->ExtendMenu(TEXT("Test.Owned"))->FindOrAddSection(TEXT("Mine"));
		Section.AddEntry(ActionEntry(TEXT("MyEntry")));
	}
	EXPECT_FALSE(ToolMenus->CurrentOwner().IsSet());
	ToolMenus->ExtendMenu(TEXT("Test.Owned"))->FindOrAddSection(TEXT("Others")).AddEntry(ActionEntry(TEXT("TheirEntry")));

	UToolMenus::UnregisterOwner(&Owner);
	EXPECT_EQ(SectionNames(ToolMenus->FindMenu(TEXT("Test.Owned"))), (TArray<FName>{ TEXT("Others") }));
}

TEST_F(ToolMenusTest, AComboButtonKeepsItsActionDropDownTextsAndStyle)
{
	int32 Opened = 0;
	FToolMenuEntry Combo = FToolMenuEntry::InitComboButton(
		TEXT("Combo"),
		FUIAction(FExecuteAction::CreateLambda([]() {}), FCanExecuteAction::CreateLambda([]() { return true; })),
		FOnGetContent::CreateLambda([&Opened]() { ++Opened; return FMenuBuilder(true, nullptr).MakeWidget(); }),
		LOCTEXT("ComboLabel", "Label"),
		LOCTEXT("ComboTip", "Tip"),
		FSlateIcon(TEXT("Style"), TEXT("Style.Icon")));
	Combo.StyleNameOverride = TEXT("AssetEditorToolbar");
	UToolMenu* Toolbar = UToolMenus::Get()->RegisterMenu(TEXT("Test.Toolbar"), NAME_None, EMultiBoxType::SlimHorizontalToolBar);
	Toolbar->FindOrAddSection(TEXT("Section")).AddEntry(Combo);

	const FToolMenuEntry& Added = Toolbar->FindSection(TEXT("Section"))->Blocks[0];
	EXPECT_EQ(Added.Type, EMultiBlockType::ToolBarComboButton);
	EXPECT_EQ(Added.GetLabelText().ToString(), TEXT("Label"));
	EXPECT_EQ(Added.GetToolTipText().ToString(), TEXT("Tip"));
	EXPECT_EQ(Added.GetIcon().GetStyleName(), FName(TEXT("Style.Icon")));
	EXPECT_EQ(Added.StyleNameOverride, FName(TEXT("AssetEditorToolbar")));
	EXPECT_FALSE(Added.ToolBarData.bSimpleComboBox);
	ASSERT_NE(Added.GetActionChoice().GetUIAction(), nullptr);
	EXPECT_TRUE(Added.GetActionChoice().GetUIAction()->CanExecute());
	EXPECT_EQ(Opened, 0);
	Added.ToolBarData.ComboButtonContextMenuGenerator.OnGetContent.Execute();
	EXPECT_EQ(Opened, 1);

	// Toolbars are drawn by their owners; the stand-in only generates their menus.
	EXPECT_DEATH(UToolMenus::Get()->GenerateWidget(TEXT("Test.Toolbar"), FToolMenuContext()), "only menus are drawn");
}

TEST_F(ToolMenusTest, MenuWidgetsApplyLegacyExtendersAtSectionHooksAndFillDynamicEntries)
{
	UToolMenu* Menu = UToolMenus::Get()->RegisterMenu(TEXT("Test.Window"));
	Menu->AddSection(TEXT("Tabs"), LOCTEXT("Tabs", "Tabs")).AddDynamicEntry(TEXT("Dynamic"), FNewToolMenuSectionDelegate::CreateLambda([](FToolMenuSection& Section) {
		Section.AddEntry(ActionEntry(TEXT("Filled")));
	}));
	Menu->AddSection(TEXT("WindowLayout"), LOCTEXT("Layout", "Layout")).AddEntry(ActionEntry(TEXT("LayoutEntry")));

	TSharedRef<FExtender> Extender = MakeShared<FExtender>();
	Extender->AddMenuExtension(TEXT("WindowLayout"), EExtensionHook::Before, nullptr, FMenuExtensionDelegate::CreateLambda([](FMenuBuilder& Builder) {
		Builder.BeginSection(NAME_None, LOCTEXT("Panels", "Panels"));
		Builder.AddMenuEntry(LOCTEXT("Panel", "Panel"), FText::GetEmpty(), FSlateIcon(), FUIAction(), TEXT("Panel"));
		Builder.EndSection();
	}));

	const TSharedRef<SWidget> Widget = UToolMenus::Get()->GenerateWidget(TEXT("Test.Window"), FToolMenuContext(nullptr, Extender));
	ASSERT_EQ(Widget->GetType(), FName(TEXT("SMultiBoxWidget")));
	const TSharedRef<const FMultiBox> MultiBox = StaticCastSharedRef<SMultiBoxWidget>(Widget)->GetMultiBox();
	TArray<FString> Headings;
	for (const FMultiBox::FSection& Section : MultiBox->GetSections())
	{
		Headings.Add(Section.Heading.ToString());
	}
	EXPECT_EQ(Headings, (TArray<FString>{ TEXT("Tabs"), TEXT("Panels"), TEXT("Layout") }));
	TArray<FName> Hooks;
	for (const TSharedRef<const FMultiBlock>& Block : MultiBox->GetBlocks())
	{
		if (Block->GetType() == EMultiBlockType::MenuEntry)
		{
			Hooks.Add(Block->GetExtensionHook());
		}
	}
	EXPECT_EQ(Hooks, (TArray<FName>{ TEXT("Filled"), TEXT("Panel"), TEXT("LayoutEntry") }));
}

TEST_F(ToolMenusTest, TheRegistryLivesWithItsModule)
{
	UToolMenus* ToolMenus = UToolMenus::Get();
	ToolMenus->RegisterMenu(TEXT("Test.Gone"));
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("ToolMenus")));

	int32 Callbacks = 0;
	UToolMenus::RegisterStartupCallback(FSimpleMulticastDelegate::FDelegate::CreateLambda([&Callbacks]() { ++Callbacks; }));
	EXPECT_EQ(Callbacks, 1);

	FModuleManager::Get().UnloadModule(TEXT("ToolMenus"));
	EXPECT_EQ(UToolMenus::TryGet(), nullptr);
	// A new registry starts empty and runs the callbacks waiting for it.
	UToolMenus::RegisterStartupCallback(FSimpleMulticastDelegate::FDelegate::CreateLambda([&Callbacks]() { ++Callbacks; }));
	EXPECT_EQ(Callbacks, 1);
	UToolMenus* Fresh = UToolMenus::Get();
	ASSERT_NE(Fresh, nullptr);
	EXPECT_EQ(Callbacks, 2);
	EXPECT_FALSE(Fresh->IsMenuRegistered(TEXT("Test.Gone")));
}

#undef LOCTEXT_NAMESPACE
