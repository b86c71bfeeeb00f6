// Command texts and icons as UI_COMMAND forms them, chords across parent contexts, command set
// register/unregister cycles, and how command lists route actions through appended lists.

#include <gtest/gtest.h>

#include "Framework/Commands/Commands.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandList.h"
#include "Internationalization/Internationalization.h"
#include "Internationalization/TextLocalizationManager.h"

#define LOCTEXT_NAMESPACE "StandInUICommandTests"

namespace
{
	const FName BaseContextName(TEXT("StandInBaseCommands"));
	const FName ChildContextName(TEXT("StandInChildCommands"));

	/** A set with no parent; the child set below names it as its parent. */
	class FBaseCommands : public TCommands<FBaseCommands>
	{
	public:
		FBaseCommands()
			: TCommands<FBaseCommands>(BaseContextName, FText::FromString(TEXT("Base")), NAME_None, FName(TEXT("StandInBaseStyle")))
		{
		}

		virtual void RegisterCommands() override
		{
			UI_COMMAND(OpenPanel, "Open Panel", "Opens the panel", EUserInterfaceActionType::Button, FInputChord(EModifierKey::Control, EKeys::O));
			UI_COMMAND_EXT(this, Refresh, "RefreshAll", "Refresh", "Refreshes everything", EUserInterfaceActionType::Button, FInputChord(EKeys::F5));
		}

		TSharedPtr<FUICommandInfo> OpenPanel;
		TSharedPtr<FUICommandInfo> Refresh;
	};

	class FChildCommands : public TCommands<FChildCommands>
	{
	public:
		FChildCommands()
			: TCommands<FChildCommands>(ChildContextName, FText::FromString(TEXT("Child")), BaseContextName, NAME_None)
		{
		}

		virtual void RegisterCommands() override
		{
			UI_COMMAND(ClosePanel, "Close Panel", "Closes the panel", EUserInterfaceActionType::Button, FInputChord(EModifierKey::Control, EKeys::W));
		}

		TSharedPtr<FUICommandInfo> ClosePanel;
	};

	class UICommandTest : public ::testing::Test
	{
	protected:
		virtual void TearDown() override
		{
			FChildCommands::Unregister();
			FBaseCommands::Unregister();
			FInputBindingManager::Get().RemoveContextByName(ChildContextName);
			FInputBindingManager::Get().RemoveContextByName(BaseContextName);
			FTextLocalizationManager::Get().RemoveCultureResources();
			FInternationalization::Get().SetCurrentCulture(TEXT("en"));
		}
	};
}

TEST_F(UICommandTest, LabelAndTooltipAreKeyedUnderUICommandsAndTheFileNamespace)
{
	FBaseCommands::Register();
	const FUICommandInfo& Open = *FBaseCommands::Get().OpenPanel;

	// Localizers find command texts by these identities; a wrong key leaves menus untranslated.
	EXPECT_EQ(FTextInspector::GetNamespace(Open.GetLabel()).Get(FString()), TEXT("UICommands.StandInUICommandTests"));
	EXPECT_EQ(FTextInspector::GetKey(Open.GetLabel()).Get(FString()), TEXT("OpenPanel"));
	EXPECT_EQ(FTextInspector::GetNamespace(Open.GetDescription()).Get(FString()), TEXT("UICommands.StandInUICommandTests"));
	EXPECT_EQ(FTextInspector::GetKey(Open.GetDescription()).Get(FString()), TEXT("OpenPanel_ToolTip"));
}

TEST_F(UICommandTest, CommandTextsFollowTheCultureThroughTheirKeys)
{
	FTextLocalizationResource Resource;
	Resource.AddEntry(FTextKey(TEXT("UICommands.StandInUICommandTests")), FTextKey(TEXT("OpenPanel")), TEXT("Open Panel"), TEXT("Panel oeffnen"), 0);
	Resource.AddEntry(FTextKey(TEXT("UICommands.StandInUICommandTests")), FTextKey(TEXT("OpenPanel_ToolTip")), TEXT("Opens the panel"), TEXT("Oeffnet das Panel"), 0);
	FTextLocalizationManager::Get().AddOrUpdateCultureResource(TEXT("de"), Resource);
	FBaseCommands::Register();
	const FUICommandInfo& Open = *FBaseCommands::Get().OpenPanel;

	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("de")));
	EXPECT_EQ(Open.GetLabel().ToString(), TEXT("Panel oeffnen"));
	EXPECT_EQ(Open.GetDescription().ToString(), TEXT("Oeffnet das Panel"));
	// A command without translations keeps its source text.
	EXPECT_EQ(FBaseCommands::Get().Refresh->GetLabel().ToString(), TEXT("Refresh"));

	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("en")));
	EXPECT_EQ(Open.GetLabel().ToString(), TEXT("Open Panel"));
}

TEST_F(UICommandTest, ExtendedMacroNamesTheCommandAndIconFromTheGivenString)
{
	FBaseCommands::Register();
	const FUICommandInfo& Refresh = *FBaseCommands::Get().Refresh;

	EXPECT_EQ(Refresh.GetCommandName(), FName(TEXT("RefreshAll")));
	EXPECT_EQ(FTextInspector::GetKey(Refresh.GetLabel()).Get(FString()), TEXT("RefreshAll"));
	EXPECT_EQ(FTextInspector::GetKey(Refresh.GetDescription()).Get(FString()), TEXT("RefreshAll_ToolTip"));
	EXPECT_EQ(Refresh.GetIcon().GetStyleSetName(), FName(TEXT("StandInBaseStyle")));
	EXPECT_EQ(Refresh.GetIcon().GetStyleName(), FName(TEXT("StandInBaseCommands.RefreshAll")));
	EXPECT_EQ(FInputBindingManager::Get().FindCommandInContext(BaseContextName, FName(TEXT("RefreshAll"))), FBaseCommands::Get().Refresh);
	EXPECT_FALSE(FInputBindingManager::Get().FindCommandInContext(BaseContextName, FName(TEXT("Refresh"))).IsValid());
}

TEST_F(UICommandTest, AContextWithoutAStyleSetGivesIconsWithNoStyle)
{
	FChildCommands::Register();

	const FSlateIcon& Icon = FChildCommands::Get().ClosePanel->GetIcon();
	EXPECT_TRUE(Icon.GetStyleSetName().IsNone());
	EXPECT_EQ(Icon.GetStyleName(), FName(TEXT("StandInChildCommands.ClosePanel")));
}

TEST_F(UICommandTest, ChordsBoundInAParentContextAreFoundFromTheChildButNotTheOtherWay)
{
	FBaseCommands::Register();
	FChildCommands::Register();
	FInputBindingManager& Manager = FInputBindingManager::Get();

	EXPECT_EQ(Manager.FindCommandInContext(ChildContextName, FInputChord(EModifierKey::Control, EKeys::O), false), FBaseCommands::Get().OpenPanel);
	EXPECT_EQ(Manager.FindCommandInContext(ChildContextName, FInputChord(EModifierKey::Control, EKeys::W), false), FChildCommands::Get().ClosePanel);
	EXPECT_FALSE(Manager.FindCommandInContext(BaseContextName, FInputChord(EModifierKey::Control, EKeys::W), false).IsValid());
	// Modifiers are part of the chord.
	EXPECT_FALSE(Manager.FindCommandInContext(ChildContextName, FInputChord(EKeys::O), false).IsValid());

	TArray<FName> Children;
	Manager.GetAllChildContexts(BaseContextName, Children);
	const TArray<FName> Expected = { BaseContextName, ChildContextName };
	EXPECT_EQ(Children, Expected);
}

TEST_F(UICommandTest, RebindingAChordMovesActiveLookupsButNotDefaultOnes)
{
	FBaseCommands::Register();
	FInputBindingManager& Manager = FInputBindingManager::Get();
	const TSharedPtr<FUICommandInfo> Open = FBaseCommands::Get().OpenPanel;
	const FInputChord OldChord(EModifierKey::Control, EKeys::O);
	const FInputChord NewChord(EModifierKey::Control | EModifierKey::Shift, EKeys::P);

	Open->SetActiveChord(NewChord, EMultipleKeyBindingIndex::Primary);

	EXPECT_EQ(Manager.FindCommandInContext(BaseContextName, NewChord, false), Open);
	EXPECT_FALSE(Manager.FindCommandInContext(BaseContextName, OldChord, false).IsValid());
	EXPECT_EQ(Manager.FindCommandInContext(BaseContextName, OldChord, true), Open);
	EXPECT_FALSE(Manager.FindCommandInContext(BaseContextName, NewChord, true).IsValid());
	EXPECT_EQ(Open->GetInputText().ToString(), TEXT("Ctrl+Shift+P"));
	EXPECT_EQ(Open->GetDefaultChord(EMultipleKeyBindingIndex::Primary), OldChord);

	Open->RemoveActiveChord(EMultipleKeyBindingIndex::Primary);
	EXPECT_FALSE(Open->HasActiveChord(NewChord));
	EXPECT_FALSE(Manager.FindCommandInContext(BaseContextName, NewChord, false).IsValid());
	EXPECT_TRUE(Open->GetInputText().IsEmpty());
}

TEST_F(UICommandTest, SecondaryChordShowsWhenThePrimaryIsUnbound)
{
	FBaseCommands::Register();
	const TSharedPtr<FUICommandInfo> Open = FBaseCommands::Get().OpenPanel;

	Open->SetActiveChord(FInputChord(EKeys::F7), EMultipleKeyBindingIndex::Secondary);
	EXPECT_EQ(Open->GetInputText().ToString(), TEXT("Ctrl+O"));
	Open->RemoveActiveChord(EMultipleKeyBindingIndex::Primary);
	EXPECT_EQ(Open->GetInputText().ToString(), TEXT("F7"));
	EXPECT_EQ(FInputBindingManager::Get().FindCommandInContext(BaseContextName, FInputChord(EKeys::F7), false), Open);
}

TEST_F(UICommandTest, RegisterUnregisterCyclesLeaveOneContextAndFreshCommandsEachTime)
{
	TArray<FString> Changes;
	const FDelegateHandle Handle = FBindingContext::CommandsChanged.AddLambda([&Changes](const FBindingContext& Context) {
		if (Context.GetContextName() == BaseContextName)
		{
			Changes.Add(FInputBindingManager::Get().GetContextByName(BaseContextName).IsValid() ? TEXT("registered") : TEXT("unregistered"));
		}
	});

	TSharedPtr<FUICommandInfo> Previous;
	for (int32 Cycle = 0; Cycle < 3; ++Cycle)
	{
		FBaseCommands::Register();
		const TSharedPtr<FUICommandInfo> Current = FBaseCommands::Get().OpenPanel;
		EXPECT_NE(Current, Previous);
		// Bindings the user changed do not survive into the next registration.
		EXPECT_TRUE(Current->HasActiveChord(FInputChord(EModifierKey::Control, EKeys::O)));
		Current->RemoveActiveChord(EMultipleKeyBindingIndex::Primary);

		TArray<TSharedPtr<FUICommandInfo>> Commands;
		FInputBindingManager::Get().GetCommandInfosFromContext(BaseContextName, Commands);
		EXPECT_EQ(Commands.Num(), 2);
		Previous = Current;
		FBaseCommands::Unregister();
	}
	FBindingContext::CommandsChanged.Remove(Handle);

	const TArray<FString> Expected = { TEXT("registered"), TEXT("unregistered"), TEXT("registered"), TEXT("unregistered"), TEXT("registered"), TEXT("unregistered") };
	EXPECT_EQ(Changes, Expected);
	EXPECT_FALSE(FBaseCommands::IsRegistered());
	EXPECT_FALSE(FInputBindingManager::Get().FindCommandInContext(BaseContextName, FInputChord(EModifierKey::Control, EKeys::O), true).IsValid());
}

TEST_F(UICommandTest, ACommandListMappedBeforeReRegistrationDoesNotAnswerTheNewCommand)
{
	FBaseCommands::Register();
	TSharedRef<FUICommandList> List = MakeShared<FUICommandList>();
	int32 Runs = 0;
	List->MapAction(FBaseCommands::Get().OpenPanel, FExecuteAction::CreateLambda([&Runs]() { ++Runs; }));
	const TSharedPtr<FUICommandInfo> OldOpen = FBaseCommands::Get().OpenPanel;

	FBaseCommands::Unregister();
	FBaseCommands::Register();

	// Mappings are per command object: a module that re-registers its commands must map again.
	EXPECT_FALSE(List->IsActionMapped(FBaseCommands::Get().OpenPanel));
	EXPECT_FALSE(List->TryExecuteAction(FBaseCommands::Get().OpenPanel.ToSharedRef()));
	EXPECT_TRUE(List->IsActionMapped(OldOpen));
	EXPECT_EQ(Runs, 0);
}

namespace
{
	class CommandRoutingTest : public UICommandTest
	{
	protected:
		virtual void SetUp() override
		{
			FBaseCommands::Register();
			Parent = MakeShared<FUICommandList>();
			Child = MakeShared<FUICommandList>();
			Parent->Append(Child.ToSharedRef());
		}

		virtual void TearDown() override
		{
			Parent.Reset();
			Child.Reset();
			UICommandTest::TearDown();
		}

		static TSharedRef<const FUICommandInfo> Open()
		{
			return FBaseCommands::Get().OpenPanel.ToSharedRef();
		}

		FExecuteAction Record(const TCHAR* What)
		{
			return FExecuteAction::CreateLambda([this, Label = FString(What)]() { Runs.Add(Label); });
		}

		TSharedPtr<FUICommandList> Parent;
		TSharedPtr<FUICommandList> Child;
		TArray<FString> Runs;
	};
}

TEST_F(CommandRoutingTest, TheListsOwnMappingWinsOverAnAppendedListsAndUnmappingFallsBackToIt)
{
	Child->MapAction(FBaseCommands::Get().OpenPanel, Record(TEXT("child")));
	Parent->MapAction(FBaseCommands::Get().OpenPanel, Record(TEXT("parent")));

	EXPECT_TRUE(Parent->ExecuteAction(Open()));
	Parent->UnmapAction(FBaseCommands::Get().OpenPanel);
	EXPECT_TRUE(Parent->ExecuteAction(Open()));
	EXPECT_TRUE(Child->ExecuteAction(Open()));

	const TArray<FString> Expected = { TEXT("parent"), TEXT("child"), TEXT("child") };
	EXPECT_EQ(Runs, Expected);
}

TEST_F(CommandRoutingTest, MappingsMadeInAnAppendedListAfterAppendingAreSeen)
{
	EXPECT_FALSE(Parent->IsActionMapped(FBaseCommands::Get().Refresh));

	Child->MapAction(FBaseCommands::Get().Refresh, Record(TEXT("first")));
	EXPECT_TRUE(Parent->TryExecuteAction(FBaseCommands::Get().Refresh.ToSharedRef()));
	Child->MapAction(FBaseCommands::Get().Refresh, Record(TEXT("second")));
	EXPECT_TRUE(Parent->TryExecuteAction(FBaseCommands::Get().Refresh.ToSharedRef()));

	const TArray<FString> Expected = { TEXT("first"), TEXT("second") };
	EXPECT_EQ(Runs, Expected);
}

TEST_F(CommandRoutingTest, AnAppendedListsCanExecuteGuardsTryExecuteThroughTheParent)
{
	bool bAllowed = false;
	Child->MapAction(FBaseCommands::Get().OpenPanel, Record(TEXT("child")), FCanExecuteAction::CreateLambda([&bAllowed]() { return bAllowed; }));

	EXPECT_FALSE(Parent->CanExecuteAction(Open()));
	EXPECT_FALSE(Parent->TryExecuteAction(Open()));
	EXPECT_TRUE(Runs.IsEmpty());

	bAllowed = true;
	EXPECT_TRUE(Parent->TryExecuteAction(Open()));
	EXPECT_EQ(Runs, TArray<FString>{ TEXT("child") });
}

TEST_F(CommandRoutingTest, ASecondAppendedListIsSearchedAfterTheFirst)
{
	TSharedRef<FUICommandList> Second = MakeShared<FUICommandList>();
	Parent->Append(Second);
	Second->MapAction(FBaseCommands::Get().OpenPanel, Record(TEXT("second")));
	Second->MapAction(FBaseCommands::Get().Refresh, Record(TEXT("second-refresh")));
	Child->MapAction(FBaseCommands::Get().OpenPanel, Record(TEXT("first")));

	EXPECT_TRUE(Parent->ExecuteAction(Open()));
	EXPECT_TRUE(Parent->ExecuteAction(FBaseCommands::Get().Refresh.ToSharedRef()));

	const TArray<FString> Expected = { TEXT("first"), TEXT("second-refresh") };
	EXPECT_EQ(Runs, Expected);
}

TEST_F(CommandRoutingTest, CheckStateDelegateReportsUndeterminedWhichIsNotChecked)
{
	ECheckBoxState State = ECheckBoxState::Undetermined;
	Child->MapAction(FBaseCommands::Get().OpenPanel, Record(TEXT("child")), FCanExecuteAction(),
		FGetActionCheckState::CreateLambda([&State]() { return State; }));

	EXPECT_EQ(Parent->GetCheckState(Open()), ECheckBoxState::Undetermined);
	EXPECT_FALSE(Parent->IsChecked(Open()));
	State = ECheckBoxState::Checked;
	EXPECT_TRUE(Parent->IsChecked(Open()));
	// No visibility delegate: the entry shows.
	EXPECT_EQ(Parent->GetVisibility(Open()), EVisibility::Visible);
}

TEST_F(CommandRoutingTest, ACommandListOutlivingItsCommandSetStillRunsItsMappedAction)
{
	TSharedPtr<const FUICommandInfo> Open = FBaseCommands::Get().OpenPanel;
	Child->MapAction(Open, Record(TEXT("child")));

	FBaseCommands::Unregister();

	// The list keeps the command alive, so its address cannot be taken by another command.
	EXPECT_TRUE(Parent->ExecuteAction(Open.ToSharedRef()));
	EXPECT_EQ(Runs, TArray<FString>{ TEXT("child") });
}

#undef LOCTEXT_NAMESPACE
