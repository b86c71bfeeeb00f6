// Menus built with FMenuBuilder: sections show once they have an entry, entries show their command's
// texts unless overridden, can execute only with a mapped action, and extenders fill menus at hooks.

#include "CoreMinimal.h"
#include "Framework/Application/SlateApplication.h"
#include "Framework/Commands/Commands.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Styling/AppStyle.h"

#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "MultiBoxTest"

namespace
{
	class FStageCommands : public TCommands<FStageCommands>
	{
	public:
		FStageCommands()
			: TCommands<FStageCommands>(TEXT("MultiBoxTestStage"), FText::FromString(TEXT("Stage")), NAME_None, FAppStyle::GetAppStyleSetName())
		{
		}

		virtual void RegisterCommands() override
		{
			UI_COMMAND(Record, "Record", "Start a take", EUserInterfaceActionType::Button, FInputChord());
			UI_COMMAND(Stop, "Stop", "Stop the take", EUserInterfaceActionType::Button, FInputChord());
		}

		TSharedPtr<FUICommandInfo> Record;
		TSharedPtr<FUICommandInfo> Stop;
	};

	class MultiBoxTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			// Menus take the core style of the Slate application unless given one.
			FSlateApplication::Create();
			FStageCommands::Register();
			Commands = MakeShared<FUICommandList>();
			Commands->MapAction(FStageCommands::Get().Record, FExecuteAction::CreateLambda([this]() { ++Records; }));
		}

		virtual void TearDown() override
		{
			FStageCommands::Unregister();
			FSlateApplication::Shutdown();
		}

		static TArray<TSharedRef<const FMenuEntryBlock>> Entries(const FMultiBox& MultiBox)
		{
			TArray<TSharedRef<const FMenuEntryBlock>> Found;
			for (const TSharedRef<const FMultiBlock>& Block : MultiBox.GetBlocks())
			{
				if (Block->GetType() == EMultiBlockType::MenuEntry)
				{
					Found.Add(StaticCastSharedRef<const FMenuEntryBlock>(Block));
				}
			}
			return Found;
		}

		TSharedPtr<FUICommandList> Commands;
		int32 Records = 0;
	};
}

TEST_F(MultiBoxTest, SectionsShowTheirHeadingOnlyOnceTheyHaveAnEntryButAllAreRecorded)
{
	FMenuBuilder Builder(true, Commands);
	Builder.BeginSection(NAME_None, LOCTEXT("Empty", "Empty"));
	Builder.EndSection();
	Builder.BeginSection(TEXT("Takes"), LOCTEXT("Takes", "Takes"));
	Builder.AddMenuEntry(FStageCommands::Get().Record);
	Builder.EndSection();
	Builder.BeginSection(NAME_None, LOCTEXT("More", "More"));
	Builder.AddMenuEntry(FStageCommands::Get().Stop);
	Builder.EndSection();

	const TSharedRef<FMultiBox> MultiBox = Builder.GetMultiBox();
	TArray<EMultiBlockType> Types;
	for (const TSharedRef<const FMultiBlock>& Block : MultiBox->GetBlocks())
	{
		Types.Add(Block->GetType());
	}
	// No heading for the empty section; a separator between the drawn ones.
	EXPECT_EQ(Types, (TArray<EMultiBlockType>{ EMultiBlockType::Heading, EMultiBlockType::MenuEntry, EMultiBlockType::Separator, EMultiBlockType::Heading, EMultiBlockType::MenuEntry }));

	const TArray<FMultiBox::FSection>& Sections = MultiBox->GetSections();
	ASSERT_EQ(Sections.Num(), 3);
	EXPECT_EQ(Sections[0].Heading.ToString(), TEXT("Empty"));
	EXPECT_EQ(Sections[1].ExtensionHook, FName(TEXT("Takes")));
	EXPECT_EQ(MultiBox->GetBlockSection(1), 1);
	EXPECT_EQ(MultiBox->GetBlockSection(4), 2);
}

TEST_F(MultiBoxTest, EntriesShowTheirCommandsTextsUnlessOverriddenAndRunOnlyMappedActions)
{
	FMenuBuilder Builder(true, Commands);
	Builder.BeginSection(NAME_None);
	Builder.AddMenuEntry(FStageCommands::Get().Record);
	Builder.AddMenuEntry(FStageCommands::Get().Record, NAME_None, LOCTEXT("RecordNow", "Record now"), TAttribute<FText>(), FSlateIcon(TEXT("SomeStyle"), TEXT("Some.Icon")));
	Builder.AddMenuEntry(FStageCommands::Get().Stop);
	Builder.EndSection();

	const TArray<TSharedRef<const FMenuEntryBlock>> Found = Entries(*Builder.GetMultiBox());
	ASSERT_EQ(Found.Num(), 3);
	EXPECT_EQ(Found[0]->GetLabel().ToString(), TEXT("Record"));
	EXPECT_EQ(Found[0]->GetToolTip().ToString(), TEXT("Start a take"));
	EXPECT_EQ(Found[0]->GetIcon().GetStyleName(), FName(TEXT("MultiBoxTestStage.Record")));
	EXPECT_EQ(Found[1]->GetLabel().ToString(), TEXT("Record now"));
	EXPECT_EQ(Found[1]->GetToolTip().ToString(), TEXT("Start a take"));
	EXPECT_EQ(Found[1]->GetIcon().GetStyleName(), FName(TEXT("Some.Icon")));

	EXPECT_TRUE(Found[1]->Execute());
	EXPECT_EQ(Records, 1);
	// Stop has no action in this list: the entry is listed but a click runs nothing.
	EXPECT_FALSE(Found[2]->CanExecute());
	EXPECT_FALSE(Found[2]->Execute());
}

TEST_F(MultiBoxTest, ExtendersFillTheMenuAtTheirHooksWithTheirOwnCommandList)
{
	TSharedRef<FUICommandList> ExtensionCommands = MakeShared<FUICommandList>();
	int32 Stops = 0;
	ExtensionCommands->MapAction(FStageCommands::Get().Stop, FExecuteAction::CreateLambda([&Stops]() { ++Stops; }));

	TArray<FString> Order;
	TSharedRef<FExtender> Extender = MakeShared<FExtender>();
	Extender->AddMenuExtension(TEXT("Takes"), EExtensionHook::Before, ExtensionCommands, FMenuExtensionDelegate::CreateLambda([&Order](FMenuBuilder& Menu) {
		Order.Add(TEXT("before"));
		Menu.BeginSection(NAME_None, LOCTEXT("Added", "Added"));
		Menu.AddMenuEntry(FStageCommands::Get().Stop);
		Menu.EndSection();
	}));
	Extender->AddMenuExtension(TEXT("Takes"), EExtensionHook::First, nullptr, FMenuExtensionDelegate::CreateLambda([&Order](FMenuBuilder&) { Order.Add(TEXT("first")); }));
	Extender->AddMenuExtension(TEXT("Takes"), EExtensionHook::After, nullptr, FMenuExtensionDelegate::CreateLambda([&Order](FMenuBuilder&) { Order.Add(TEXT("after")); }));
	Extender->AddMenuExtension(TEXT("Elsewhere"), EExtensionHook::Before, nullptr, FMenuExtensionDelegate::CreateLambda([&Order](FMenuBuilder&) { Order.Add(TEXT("elsewhere")); }));

	FMenuBuilder Builder(true, Commands, Extender);
	Builder.BeginSection(TEXT("Takes"), LOCTEXT("Takes", "Takes"));
	Order.Add(TEXT("entries"));
	Builder.AddMenuEntry(FStageCommands::Get().Record);
	Builder.EndSection();

	EXPECT_EQ(Order, (TArray<FString>{ TEXT("before"), TEXT("first"), TEXT("entries"), TEXT("after") }));
	const TSharedRef<FMultiBox> MultiBox = Builder.GetMultiBox();
	ASSERT_EQ(MultiBox->GetSections().Num(), 2);
	EXPECT_EQ(MultiBox->GetSections()[0].Heading.ToString(), TEXT("Added"));
	EXPECT_EQ(MultiBox->GetSections()[1].Heading.ToString(), TEXT("Takes"));

	// The extension's entry runs on the extension's list; the menu's own list never saw Stop.
	const TArray<TSharedRef<const FMenuEntryBlock>> Found = Entries(*MultiBox);
	ASSERT_EQ(Found.Num(), 2);
	EXPECT_TRUE(Found[0]->Execute());
	EXPECT_EQ(Stops, 1);
	EXPECT_TRUE(Found[1]->Execute());
	EXPECT_EQ(Records, 1);
}

TEST_F(MultiBoxTest, CombinedExtendersApplyEveryExtensionInTheOrderTheyWereAdded)
{
	TArray<FString> Order;
	TSharedPtr<FExtender> First = MakeShared<FExtender>();
	First->AddMenuExtension(TEXT("Hook"), EExtensionHook::After, nullptr, FMenuExtensionDelegate::CreateLambda([&Order](FMenuBuilder&) { Order.Add(TEXT("one")); }));
	TSharedPtr<FExtender> Second = MakeShared<FExtender>();
	Second->AddMenuExtension(TEXT("Hook"), EExtensionHook::After, nullptr, FMenuExtensionDelegate::CreateLambda([&Order](FMenuBuilder&) { Order.Add(TEXT("two")); }));

	FMenuBuilder Builder(true, Commands, FExtender::Combine({ First, Second }));
	Builder.BeginSection(TEXT("Hook"));
	Builder.EndSection();
	EXPECT_EQ(Order, (TArray<FString>{ TEXT("one"), TEXT("two") }));
}

TEST_F(MultiBoxTest, SubMenusAreBuiltWhenTheyOpen)
{
	int32 Builds = 0;
	FMenuBuilder Builder(true, Commands);
	Builder.AddSubMenu(LOCTEXT("Sub", "Sub"), LOCTEXT("SubTip", "More"), FNewMenuDelegate::CreateLambda([&Builds](FMenuBuilder& SubMenu) {
		++Builds;
		SubMenu.AddMenuEntry(FStageCommands::Get().Record);
	}),
		false, FSlateIcon(), true, TEXT("SubMenu"));
	const TArray<TSharedRef<const FMenuEntryBlock>> Found = Entries(*Builder.GetMultiBox());
	ASSERT_EQ(Found.Num(), 1);
	EXPECT_TRUE(Found[0]->IsSubMenu());
	EXPECT_EQ(Builds, 0);

	const TSharedRef<SWidget> SubMenuWidget = Found[0]->MakeSubMenuWidget();
	EXPECT_EQ(Builds, 1);
	ASSERT_EQ(SubMenuWidget->GetType(), FName(TEXT("SMultiBoxWidget")));
	const TArray<TSharedRef<const FMenuEntryBlock>> SubEntries = Entries(*StaticCastSharedRef<SMultiBoxWidget>(SubMenuWidget)->GetMultiBox());
	ASSERT_EQ(SubEntries.Num(), 1);
	// The sub-menu's entries run on the command list it was opened with.
	EXPECT_TRUE(SubEntries[0]->Execute());
	EXPECT_EQ(Records, 1);
}

TEST_F(MultiBoxTest, TheWidgetKeepsWhatTheMenuWasBuiltWith)
{
	FMenuBuilder Builder(false, Commands, nullptr, false, &FAppStyle::Get(), false, TEXT("Stage.Menu"));
	const TSharedRef<SWidget> Widget = Builder.MakeWidget();
	ASSERT_EQ(Widget->GetType(), FName(TEXT("SMultiBoxWidget")));
	const TSharedRef<SMultiBoxWidget> MenuWidget = StaticCastSharedRef<SMultiBoxWidget>(Widget);
	EXPECT_FALSE(MenuWidget->GetSearchable());
	EXPECT_EQ(MenuWidget->GetMaxHeight(), 1000u);
	EXPECT_EQ(MenuWidget->GetMultiBox()->GetStyleSet(), &FAppStyle::Get());
	EXPECT_FALSE(MenuWidget->GetMultiBox()->ShouldCloseWindowAfterMenuSelection());
	EXPECT_EQ(MenuWidget->GetMultiBox()->GetMenuName(), FName(TEXT("Stage.Menu")));
}

TEST_F(MultiBoxTest, SectionsDoNotNest)
{
	FMenuBuilder Builder(true, Commands);
	Builder.BeginSection(TEXT("Outer"));
	EXPECT_DEATH(Builder.BeginSection(TEXT("Inner")), "sections do not nest");
}

#undef LOCTEXT_NAMESPACE
