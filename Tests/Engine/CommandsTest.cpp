// Command sets, the input binding manager and command lists, through the engine's entry points.

#include <gtest/gtest.h>

#include "Framework/Commands/Commands.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandList.h"

#define LOCTEXT_NAMESPACE "StandInCommandTests"

namespace
{
	const FName TestContextName(TEXT("StandInTestCommands"));

	class FTestCommands : public TCommands<FTestCommands>
	{
	public:
		FTestCommands()
			: TCommands<FTestCommands>(TestContextName, FText::FromString(TEXT("Stand-in test commands")), NAME_None, FName(TEXT("StandInTestStyle")))
		{
		}

		virtual void RegisterCommands() override
		{
			++RegisterCommandsCalls;
			UI_COMMAND(OpenThing, "Open Thing", "Open the thing panel", EUserInterfaceActionType::Button, FInputChord());
			UI_COMMAND(SaveThing, "Save Thing", "Save the thing", EUserInterfaceActionType::ToggleButton, FInputChord(EModifierKey::Control, EKeys::S));
			UI_COMMAND(PickThing, "Pick Thing", "Pick one thing", EUserInterfaceActionType::RadioButton, FInputChord(), FInputChord(EKeys::P, EModifierKey::Shift | EModifierKey::Alt));
		}

		TSharedPtr<FUICommandInfo> OpenThing;
		TSharedPtr<FUICommandInfo> SaveThing;
		TSharedPtr<FUICommandInfo> PickThing;

		static int32 RegisterCommandsCalls;
	};

	int32 FTestCommands::RegisterCommandsCalls = 0;

	/** A second command set type under the same context name, as after a module reload. */
	class FTestCommandsTwin : public TCommands<FTestCommandsTwin>
	{
	public:
		FTestCommandsTwin()
			: TCommands<FTestCommandsTwin>(TestContextName, FText::FromString(TEXT("Twin")), NAME_None, NAME_None)
		{
		}

		virtual void RegisterCommands() override
		{
			++RegisterCommandsCalls;
		}

		static int32 RegisterCommandsCalls;
	};

	int32 FTestCommandsTwin::RegisterCommandsCalls = 0;

	int32 CountContextsNamed(const FName Name)
	{
		TArray<TSharedPtr<FBindingContext>> Contexts;
		FInputBindingManager::Get().GetKnownInputContexts(Contexts);
		int32 Count = 0;
		for (const TSharedPtr<FBindingContext>& Context : Contexts)
		{
			Count += Context->GetContextName() == Name ? 1 : 0;
		}
		return Count;
	}

	class CommandSetTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			FTestCommands::RegisterCommandsCalls = 0;
			FTestCommandsTwin::RegisterCommandsCalls = 0;
			ChangedHandle = FBindingContext::CommandsChanged.AddLambda([this](const FBindingContext& Context) {
				ChangedContexts.Add(Context.GetContextName());
			});
		}

		virtual void TearDown() override
		{
			FBindingContext::CommandsChanged.Remove(ChangedHandle);
			FTestCommandsTwin::Unregister();
			FTestCommands::Unregister();
			FInputBindingManager::Get().RemoveContextByName(TestContextName);
		}

		FDelegateHandle ChangedHandle;
		TArray<FName> ChangedContexts;
	};
}

TEST_F(CommandSetTest, RegisterMakesTheContextWithCommandsInRegistrationOrder)
{
	FTestCommands::Register();

	ASSERT_TRUE(FTestCommands::IsRegistered());
	TSharedPtr<FBindingContext> Context = FInputBindingManager::Get().GetContextByName(TestContextName);
	ASSERT_TRUE(Context.IsValid());
	EXPECT_EQ(Context.Get(), &FTestCommands::GetContext());
	EXPECT_EQ(Context->GetContextDesc().ToString(), TEXT("Stand-in test commands"));
	EXPECT_TRUE(Context->GetContextParent().IsNone());

	TArray<TSharedPtr<FUICommandInfo>> Commands;
	FInputBindingManager::Get().GetCommandInfosFromContext(TestContextName, Commands);
	ASSERT_EQ(Commands.Num(), 3);
	EXPECT_EQ(Commands[0]->GetCommandName(), FName(TEXT("OpenThing")));
	EXPECT_EQ(Commands[1]->GetCommandName(), FName(TEXT("SaveThing")));
	EXPECT_EQ(Commands[2]->GetCommandName(), FName(TEXT("PickThing")));
	EXPECT_EQ(Commands[0], FTestCommands::Get().OpenThing);

	EXPECT_EQ(Commands[0]->GetLabel().ToString(), TEXT("Open Thing"));
	EXPECT_EQ(Commands[0]->GetDescription().ToString(), TEXT("Open the thing panel"));
	EXPECT_EQ(Commands[0]->GetUserInterfaceType(), EUserInterfaceActionType::Button);
	EXPECT_EQ(Commands[1]->GetUserInterfaceType(), EUserInterfaceActionType::ToggleButton);
	EXPECT_EQ(Commands[2]->GetUserInterfaceType(), EUserInterfaceActionType::RadioButton);
	EXPECT_EQ(Commands[2]->GetBindingContext(), TestContextName);

	EXPECT_EQ(FTestCommandsTwin::RegisterCommandsCalls, 0);
	EXPECT_EQ(FTestCommands::RegisterCommandsCalls, 1);
	ASSERT_EQ(ChangedContexts.Num(), 1);
	EXPECT_EQ(ChangedContexts[0], TestContextName);
}

TEST_F(CommandSetTest, CommandIconIsTheContextStyleSetAndContextNamePlusDotCommand)
{
	FTestCommands::Register();

	const FSlateIcon& Icon = FTestCommands::Get().SaveThing->GetIcon();
	EXPECT_TRUE(Icon.IsSet());
	EXPECT_EQ(Icon.GetStyleSetName(), FName(TEXT("StandInTestStyle")));
	EXPECT_EQ(Icon.GetStyleName(), FName(TEXT("StandInTestCommands.SaveThing")));
}

TEST_F(CommandSetTest, DefaultAndAlternateChordsAreKeptPerIndex)
{
	FTestCommands::Register();
	const FTestCommands& Commands = FTestCommands::Get();

	EXPECT_FALSE(Commands.OpenThing->GetDefaultChord(EMultipleKeyBindingIndex::Primary).IsValidChord());
	EXPECT_FALSE(Commands.OpenThing->GetDefaultChord(EMultipleKeyBindingIndex::Secondary).IsValidChord());

	EXPECT_EQ(Commands.SaveThing->GetDefaultChord(EMultipleKeyBindingIndex::Primary), FInputChord(EKeys::S, false, true, false, false));
	EXPECT_EQ(*Commands.SaveThing->GetActiveChord(EMultipleKeyBindingIndex::Primary), FInputChord(EKeys::S, false, true, false, false));
	EXPECT_FALSE(Commands.SaveThing->GetDefaultChord(EMultipleKeyBindingIndex::Secondary).IsValidChord());

	EXPECT_FALSE(Commands.PickThing->GetDefaultChord(EMultipleKeyBindingIndex::Primary).IsValidChord());
	EXPECT_EQ(Commands.PickThing->GetDefaultChord(EMultipleKeyBindingIndex::Secondary), FInputChord(EKeys::P, true, false, true, false));

	// Chord lookups find the command holding a chord, and nothing for an empty chord.
	EXPECT_EQ(FInputBindingManager::Get().FindCommandInContext(TestContextName, FInputChord(EModifierKey::Control, EKeys::S), true), Commands.SaveThing);
	EXPECT_FALSE(FInputBindingManager::Get().FindCommandInContext(TestContextName, FInputChord(), true).IsValid());
	EXPECT_EQ(FInputBindingManager::Get().FindCommandInContext(TestContextName, FName(TEXT("PickThing"))), Commands.PickThing);
}

TEST_F(CommandSetTest, RegisteringTwiceKeepsOneContextAndRunsRegisterCommandsOnce)
{
	FTestCommands::Register();
	const FBindingContext* First = &FTestCommands::GetContext();
	FTestCommands::Register();

	EXPECT_EQ(&FTestCommands::GetContext(), First);
	EXPECT_EQ(CountContextsNamed(TestContextName), 1);
	TArray<TSharedPtr<FUICommandInfo>> Commands;
	FInputBindingManager::Get().GetCommandInfosFromContext(TestContextName, Commands);
	EXPECT_EQ(Commands.Num(), 3);
	EXPECT_EQ(FTestCommands::RegisterCommandsCalls, 1);
	EXPECT_EQ(ChangedContexts.Num(), 1);
}

TEST_F(CommandSetTest, AnExistingContextOfTheSameNameBecomesTheInstance)
{
	// What a module reload leaves behind: a context of this type already known to the manager,
	// with no instance pointing at it. Register casts it to its own type, so it must be one.
	const TSharedRef<FTestCommandsTwin> Earlier = MakeShareable(new FTestCommandsTwin());
	TSharedPtr<FUICommandInfo> EarlierCommand;
	FUICommandInfo::MakeCommandInfo(Earlier, EarlierCommand, TEXT("EarlierThing"), FText::FromString(TEXT("Earlier Thing")), FText::GetEmpty(), FSlateIcon(), EUserInterfaceActionType::Button, FInputChord());
	ChangedContexts.Reset();

	FTestCommandsTwin::Register();

	ASSERT_TRUE(FTestCommandsTwin::IsRegistered());
	EXPECT_EQ(&FTestCommandsTwin::GetContext(), &Earlier.Get());
	EXPECT_EQ(FTestCommandsTwin::RegisterCommandsCalls, 0);
	EXPECT_TRUE(ChangedContexts.IsEmpty());
	EXPECT_EQ(CountContextsNamed(TestContextName), 1);
}

TEST_F(CommandSetTest, UnregisterRemovesTheContextAndARegisterAfterwardsStartsAfresh)
{
	FTestCommands::Register();
	const TSharedPtr<FUICommandInfo> OldCommand = FTestCommands::Get().OpenThing;
	ChangedContexts.Reset();

	FTestCommands::Unregister();

	EXPECT_FALSE(FTestCommands::IsRegistered());
	EXPECT_FALSE(FInputBindingManager::Get().GetContextByName(TestContextName).IsValid());
	EXPECT_EQ(CountContextsNamed(TestContextName), 0);
	TArray<TSharedPtr<FUICommandInfo>> Commands;
	FInputBindingManager::Get().GetCommandInfosFromContext(TestContextName, Commands);
	EXPECT_TRUE(Commands.IsEmpty());
	EXPECT_EQ(ChangedContexts.Num(), 1);

	// A second Unregister has nothing to do.
	FTestCommands::Unregister();
	EXPECT_EQ(ChangedContexts.Num(), 1);

	FTestCommands::Register();
	EXPECT_EQ(FTestCommands::RegisterCommandsCalls, 2);
	EXPECT_NE(FTestCommands::Get().OpenThing, OldCommand);
	FInputBindingManager::Get().GetCommandInfosFromContext(TestContextName, Commands);
	EXPECT_EQ(Commands.Num(), 3);
}

TEST_F(CommandSetTest, RuntimeCommandsJoinTheContextAfterTheMacroCommands)
{
	FTestCommands::Register();
	TSharedRef<FBindingContext> Context = FInputBindingManager::Get().GetContextByName(TestContextName).ToSharedRef();

	// clang-format off
	TSharedPtr<FUICommandInfo> Extra = Context->NewCommand(TEXT("ExtraThing"), FText::FromString(TEXT("Extra")), FText::FromString(TEXT("An extra thing")))
		.UserInterfaceType(EUserInterfaceActionType::Check);
	// clang-format on

	TArray<TSharedPtr<FUICommandInfo>> Commands;
	FInputBindingManager::Get().GetCommandInfosFromContext(TestContextName, Commands);
	ASSERT_EQ(Commands.Num(), 4);
	EXPECT_EQ(Commands[3], Extra);
	EXPECT_EQ(Extra->GetUserInterfaceType(), EUserInterfaceActionType::Check);

	FUICommandInfo::UnregisterCommandInfo(Context, Extra.ToSharedRef());
	Commands.Reset();
	FInputBindingManager::Get().GetCommandInfosFromContext(TestContextName, Commands);
	EXPECT_EQ(Commands.Num(), 3);
}

namespace
{
	class CommandListTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			FTestCommands::Register();
			List = MakeShared<FUICommandList>();
		}

		virtual void TearDown() override
		{
			List.Reset();
			FTestCommands::Unregister();
		}

		TSharedRef<const FUICommandInfo> Open() const
		{
			return FTestCommands::Get().OpenThing.ToSharedRef();
		}

		TSharedPtr<FUICommandList> List;
	};
}

TEST_F(CommandListTest, MappedActionRunsAndUnmappedCommandsDoNot)
{
	int32 Runs = 0;
	List->MapAction(FTestCommands::Get().OpenThing, FExecuteAction::CreateLambda([&Runs]() { ++Runs; }));

	EXPECT_TRUE(List->IsActionMapped(FTestCommands::Get().OpenThing));
	EXPECT_TRUE(List->ExecuteAction(Open()));
	EXPECT_TRUE(List->TryExecuteAction(Open()));
	EXPECT_EQ(Runs, 2);

	const TSharedRef<const FUICommandInfo> Save = FTestCommands::Get().SaveThing.ToSharedRef();
	EXPECT_FALSE(List->IsActionMapped(FTestCommands::Get().SaveThing));
	EXPECT_FALSE(List->ExecuteAction(Save));
	EXPECT_FALSE(List->TryExecuteAction(Save));
	EXPECT_EQ(List->GetActionForCommand(FTestCommands::Get().SaveThing), nullptr);
}

TEST_F(CommandListTest, CanExecuteGuardsTryExecuteButNotExecute)
{
	int32 Runs = 0;
	bool bAllowed = false;
	List->MapAction(FTestCommands::Get().OpenThing,
		FExecuteAction::CreateLambda([&Runs]() { ++Runs; }),
		FCanExecuteAction::CreateLambda([&bAllowed]() { return bAllowed; }));

	EXPECT_FALSE(List->CanExecuteAction(Open()));
	EXPECT_FALSE(List->TryExecuteAction(Open()));
	EXPECT_EQ(Runs, 0);
	EXPECT_TRUE(List->ExecuteAction(Open()));
	EXPECT_EQ(Runs, 1);

	bAllowed = true;
	EXPECT_TRUE(List->TryExecuteAction(Open()));
	EXPECT_EQ(Runs, 2);
}

TEST_F(CommandListTest, MappingAgainReplacesTheActionAndUnmapForgetsIt)
{
	int32 FirstRuns = 0;
	int32 SecondRuns = 0;
	List->MapAction(FTestCommands::Get().OpenThing, FExecuteAction::CreateLambda([&FirstRuns]() { ++FirstRuns; }));
	List->MapAction(FTestCommands::Get().OpenThing, FExecuteAction::CreateLambda([&SecondRuns]() { ++SecondRuns; }));

	EXPECT_TRUE(List->ExecuteAction(Open()));
	EXPECT_EQ(FirstRuns, 0);
	EXPECT_EQ(SecondRuns, 1);

	List->UnmapAction(FTestCommands::Get().OpenThing);
	EXPECT_FALSE(List->IsActionMapped(FTestCommands::Get().OpenThing));
	EXPECT_FALSE(List->ExecuteAction(Open()));
	// With no action there is nothing to forbid it, as for sub-menu entries.
	EXPECT_TRUE(List->CanExecuteAction(Open()));
	EXPECT_EQ(SecondRuns, 1);
}

TEST_F(CommandListTest, UnboundExecuteDelegateDoesNotCountAsExecuted)
{
	List->MapAction(FTestCommands::Get().OpenThing, FUIAction());

	EXPECT_TRUE(List->IsActionMapped(FTestCommands::Get().OpenThing));
	EXPECT_FALSE(List->ExecuteAction(Open()));
	EXPECT_FALSE(List->TryExecuteAction(Open()));
}

TEST_F(CommandListTest, CheckStateAndVisibilityComeFromTheAction)
{
	bool bChecked = true;
	bool bVisible = false;
	const TSharedRef<const FUICommandInfo> Pick = FTestCommands::Get().PickThing.ToSharedRef();
	List->MapAction(FTestCommands::Get().PickThing,
		FExecuteAction::CreateLambda([&bChecked]() { bChecked = !bChecked; }),
		FCanExecuteAction(),
		FIsActionChecked::CreateLambda([&bChecked]() { return bChecked; }),
		FIsActionButtonVisible::CreateLambda([&bVisible]() { return bVisible; }));

	EXPECT_TRUE(List->IsChecked(Pick));
	EXPECT_EQ(List->GetCheckState(Pick), ECheckBoxState::Checked);
	EXPECT_EQ(List->GetVisibility(Pick), EVisibility::Collapsed);
	EXPECT_TRUE(List->TryExecuteAction(Pick));
	EXPECT_FALSE(List->IsChecked(Pick));
	bVisible = true;
	EXPECT_EQ(List->GetVisibility(Pick), EVisibility::Visible);

	// Commands without a check delegate are unchecked.
	EXPECT_EQ(List->GetCheckState(Open()), ECheckBoxState::Unchecked);
}

TEST_F(CommandListTest, AppendedListsAreSearchedWhileTheyLive)
{
	int32 Runs = 0;
	TSharedPtr<FUICommandList> Child = MakeShared<FUICommandList>();
	Child->MapAction(FTestCommands::Get().OpenThing, FExecuteAction::CreateLambda([&Runs]() { ++Runs; }));
	List->Append(Child.ToSharedRef());
	// A cycle must not loop forever.
	Child->Append(List.ToSharedRef());

	EXPECT_TRUE(List->IsActionMapped(FTestCommands::Get().OpenThing));
	EXPECT_TRUE(List->ExecuteAction(Open()));
	EXPECT_EQ(Runs, 1);
	EXPECT_FALSE(List->IsActionMapped(FTestCommands::Get().SaveThing));

	Child.Reset();
	EXPECT_FALSE(List->IsActionMapped(FTestCommands::Get().OpenThing));
}

TEST(InputChordTest, OnlyKnownNonModifierKeysMakeValidChords)
{
	EXPECT_FALSE(FInputChord().IsValidChord());
	EXPECT_FALSE(FInputChord(EKeys::LeftShift).IsValidChord());
	EXPECT_FALSE(FInputChord(FKey(TEXT("NoSuchKey"))).IsValidChord());
	EXPECT_TRUE(FInputChord(EKeys::F5).IsValidChord());
	EXPECT_TRUE(FInputChord(EModifierKey::Control | EModifierKey::Shift, EKeys::S).IsValidChord());
}

TEST(InputChordTest, TextShowsModifiersThenKeyAndIsEmptyForNoKey)
{
	EXPECT_TRUE(FInputChord().GetInputText().IsEmpty());
	EXPECT_EQ(FInputChord(EKeys::S, EModifierKey::Control | EModifierKey::Shift).GetInputText().ToString(), TEXT("Ctrl+Shift+S"));
	EXPECT_EQ(FInputChord(EKeys::SpaceBar, EModifierKey::Alt).GetInputText().ToString(), TEXT("Alt+Space Bar"));
	EXPECT_EQ(FInputChord(EKeys::SpaceBar).GetInputText(false).ToString(), TEXT("Space"));
}

TEST(InputChordTest, EqualityIncludesEveryModifier)
{
	EXPECT_EQ(FInputChord(EKeys::S, true, false, false, false), FInputChord(EModifierKey::Shift, EKeys::S));
	EXPECT_NE(FInputChord(EKeys::S, true, false, false, false), FInputChord(EKeys::S, false, true, false, false));
	EXPECT_NE(FInputChord(EKeys::S), FInputChord(EKeys::A));
	EXPECT_EQ(FInputChord(EKeys::S, EModifierKey::Command).GetModifierKeys(), EModifierKey::Command);
}

#undef LOCTEXT_NAMESPACE
