// What each command does once the module maps it: panels open (or say why not), operator requests reach
// the VP subsystem once, the viewport reset puts every open level viewport's show flags back.

#include "QuovexEditorTestFixture.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "LevelEditorViewport.h"
#include "QuovexCommands.h"
#include "QuovexTabManager.h"
#include "QuovexVPEditorSubsystem.h"
#include "SLevelViewport.h"
#include "Widgets/Docking/SDockTab.h"

using namespace QuovexTest;

namespace
{
	struct FOpenRow
	{
		const TCHAR* Command;
		const TCHAR* TabId;
	};

	/** The commands that open a panel, with the panel they open. */
	const FOpenRow OpenRows[] = {
		{ TEXT("OpenOrvaneView"), TEXT("QuovexOrvaneView") },
		{ TEXT("OpenTakeLog"), TEXT("QuovexTakeLog") },
		{ TEXT("OpenTakeImporter"), TEXT("QuovexTakeImporter") },
		{ TEXT("OpenVideoController"), TEXT("QuovexVideoController") },
		{ TEXT("OpenKeyer"), TEXT("QuovexKeyer") },
		{ TEXT("OpenCameraMonitor"), TEXT("QuovexCameraMonitor") },
		{ TEXT("OpenExternalRecorderMonitor"), TEXT("QuovexExternalRecorderMonitor") },
		{ TEXT("OpenBeamInManager"), TEXT("QuovexBeamInManager") },
		{ TEXT("OpenLensTweaker"), TEXT("QuovexLensTweaker") },
		{ TEXT("OpenFocalDistanceWizard"), TEXT("QuovexFocalDistanceWizard") },
		{ TEXT("OpenNearWideGraph"), TEXT("QuovexNearWideGraph") },
		{ TEXT("OpenStatus"), TEXT("QuovexStatus") },
		{ TEXT("OpenStageManager"), TEXT("QuovexStageManager") },
		{ TEXT("OpenAnimationControl"), TEXT("QuovexAnimationControl") },
		{ TEXT("OpenCaldraManager"), TEXT("ZUZCaldraManager") },
		{ TEXT("OpenMeshBuilder"), TEXT("QuovexMeshBuilder") },
		{ TEXT("OpenXRController"), TEXT("QuovexXRController") },
		{ TEXT("OpenXRMultiCam"), TEXT("QuovexXRMultiCam") },
		{ TEXT("OpenXRColorTransfer"), TEXT("QuovexColorTransfer") },
	};

	class CommandActionsTest : public FQuovexEditorTest
	{
	protected:
		static TSharedRef<const FUICommandInfo> Command(const TCHAR* Name)
		{
			TArray<TSharedPtr<FUICommandInfo>> Commands;
			FInputBindingManager::Get().GetCommandInfosFromContext(TEXT("QuovexCommands"), Commands);
			const TSharedPtr<FUICommandInfo>* Found = Commands.FindByPredicate([Name](const TSharedPtr<FUICommandInfo>& Info) { return Info->GetCommandName() == FName(Name); });
			checkf(Found, TEXT("No command %s"), Name);
			return Found->ToSharedRef();
		}

		static bool IsPanelOpen(const TCHAR* TabId)
		{
			for (const FQuovexTabDescriptor& Tab : FQuovexTabManager::Get().GetTabs())
			{
				if (Tab.TabId == FName(TabId))
				{
					const TSharedPtr<FTabManager> Tabs = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
					return Tabs->FindExistingLiveTab(FTabId(Tab.RegistrationName)).IsValid();
				}
			}
			return false;
		}

		/** Lines the module logged at Error. */
		TArray<FString> ModuleErrors() const
		{
			TArray<FString> Errors;
			for (const FString& Line : Log.GetLines())
			{
				if (Line.StartsWith(TEXT("LogQuovexVirtualProductionEditor: Error: ")))
				{
					Errors.Add(Line);
				}
			}
			return Errors;
		}

		FHostLogCapture Log;
	};
}

TEST_F(CommandActionsTest, EveryBoundCommandHasOneActionAndTheThreeUnboundHaveNone)
{
	ASSERT_TRUE(Boot());
	const TSharedRef<FUICommandList> List = EditorModule()->GetCommandList();
	TArray<TSharedPtr<FUICommandInfo>> Commands;
	FInputBindingManager::Get().GetCommandInfosFromContext(TEXT("QuovexCommands"), Commands);
	ASSERT_EQ(Commands.Num(), 28);
	int32 Mapped = 0;
	for (const TSharedPtr<FUICommandInfo>& Info : Commands)
	{
		const FName Name = Info->GetCommandName();
		const bool bUnbound = Name == FName(TEXT("OpenLensCalSequenceGenerator")) || Name == FName(TEXT("ToggleQuovexFillViewportCommand")) || Name == FName(TEXT("OpenXRCameraPPSettings"));
		SCOPED_TRACE(HostTest::Utf8(Name.ToString()));
		const FUIAction* Action = List->GetActionForCommand(Info);
		EXPECT_EQ(Action != nullptr, !bUnbound);
		if (Action)
		{
			++Mapped;
			EXPECT_TRUE(Action->IsBound());
			// No can-execute rule: always enabled; no repeat while a key is held.
			EXPECT_FALSE(Action->CanExecuteAction.IsBound());
			EXPECT_FALSE(Action->CanRepeat());
		}
	}
	EXPECT_EQ(Mapped, 25);
	// The list handed out is the module's own, the one both menus are built over.
	EXPECT_EQ(EditorModule()->GetCommandList(), List);
}

TEST_F(CommandActionsTest, MappingTwiceLeavesOneActionSoATriggerFiresOnce)
{
	ASSERT_TRUE(Boot());
	EditorModule()->GetCommandList();
	const TSharedRef<FUICommandList> List = EditorModule()->GetCommandList();

	UQuovexVPEditorSubsystem* Subsystem = UQuovexVPEditorSubsystem::Get();
	ASSERT_NE(Subsystem, nullptr);
	int32 Opens = 0;
	int32 Resets = 0;
	int32 Switchers = 0;
	int32 Keyers = 0;
	Subsystem->OnOpenTakeRecorder().AddLambda([&Opens]() { ++Opens; });
	Subsystem->OnResetTakeRecorder().AddLambda([&Resets]() { ++Resets; });
	Subsystem->OnReconnectToSwitcher().AddLambda([&Switchers]() { ++Switchers; });
	Subsystem->OnReconnectToKeyer().AddLambda([&Keyers]() { ++Keyers; });

	EXPECT_TRUE(List->ExecuteAction(Command(TEXT("OpenTakeRecorder"))));
	EXPECT_EQ((TArray<int32>{ Opens, Resets, Switchers, Keyers }), (TArray<int32>{ 1, 0, 0, 0 }));
	EXPECT_TRUE(List->ExecuteAction(Command(TEXT("ResetTakeRecorder"))));
	EXPECT_TRUE(List->ExecuteAction(Command(TEXT("ReconnectToSwitcher"))));
	EXPECT_TRUE(List->ExecuteAction(Command(TEXT("ReconnectToKeyer"))));
	EXPECT_EQ((TArray<int32>{ Opens, Resets, Switchers, Keyers }), (TArray<int32>{ 1, 1, 1, 1 }));
	EXPECT_TRUE(ModuleErrors().IsEmpty());
}

TEST_F(CommandActionsTest, EachOpenCommandOpensItsPanel)
{
	ASSERT_TRUE(Boot());
	const TSharedRef<FUICommandList> List = EditorModule()->GetCommandList();
	for (const FOpenRow& Row : OpenRows)
	{
		SCOPED_TRACE(HostTest::Utf8(Row.Command));
		EXPECT_FALSE(IsPanelOpen(Row.TabId));
		EXPECT_TRUE(List->ExecuteAction(Command(Row.Command)));
		EXPECT_TRUE(IsPanelOpen(Row.TabId));
	}
	EXPECT_TRUE(ModuleErrors().IsEmpty());
}

TEST_F(CommandActionsTest, APanelWhoseBlueprintIsMissingSaysItCouldNotOpen)
{
	std::filesystem::remove(PanelAsset("QuovexTakeLog"));
	ASSERT_TRUE(Boot());
	Log.Clear();
	EXPECT_TRUE(EditorModule()->GetCommandList()->ExecuteAction(Command(TEXT("OpenTakeLog"))));
	EXPECT_EQ(ModuleErrors(), (TArray<FString>{ TEXT("LogQuovexVirtualProductionEditor: Error: Could not open tab QuovexTakeLog") }));
}

TEST_F(CommandActionsTest, TriggersWithoutTheSubsystemDoNothing)
{
	// A game run has the module and its commands but no editor subsystems.
	ASSERT_TRUE(Boot(true));
	ASSERT_EQ(UQuovexVPEditorSubsystem::Get(), nullptr);
	const TSharedRef<FUICommandList> List = EditorModule()->GetCommandList();
	Log.Clear();
	for (const TCHAR* Trigger : { TEXT("OpenTakeRecorder"), TEXT("ResetTakeRecorder"), TEXT("ReconnectToSwitcher"), TEXT("ReconnectToKeyer"), TEXT("ResetViewports") })
	{
		EXPECT_TRUE(List->ExecuteAction(Command(Trigger)));
	}
	EXPECT_TRUE(Log.GetLines().IsEmpty());
}

TEST_F(CommandActionsTest, ResetViewportsPutsEveryOpenLevelViewportsShowFlagsBack)
{
	ASSERT_TRUE(Boot());
	FLevelEditorModule& LevelEditor = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const TSharedPtr<SDockTab> Output = LevelEditor.GetLevelEditorTabManager()->TryInvokeTab(FTabId(TEXT("QuovexFOutputViewport")));
	ASSERT_TRUE(Output.IsValid());
	const TArray<FLevelEditorViewportClient*> Clients = GEditor->GetLevelViewportClients();
	ASSERT_EQ(Clients.Num(), 2);
	const int32 Grid = FEngineShowFlags::FindIndexByName(TEXT("Grid"));
	const int32 Bounds = FEngineShowFlags::FindIndexByName(TEXT("Bounds"));
	Clients[0]->EngineShowFlags.SetSingleFlag(Grid, false);
	Clients[1]->EngineShowFlags.SetSingleFlag(Bounds, true);

	EXPECT_TRUE(EditorModule()->GetCommandList()->ExecuteAction(Command(TEXT("ResetViewports"))));
	EXPECT_EQ(Clients[0]->EngineShowFlags, FEngineShowFlags(ESFIM_Editor));
	EXPECT_EQ(Clients[1]->EngineShowFlags, FEngineShowFlags(ESFIM_Editor));
}

TEST_F(CommandActionsTest, ResetViewportsWithNoViewportOpenDoesNothing)
{
	ASSERT_TRUE(Boot());
	// Closing the level editor takes its viewport with it.
	{
		const TSharedPtr<SDockTab> LevelEditorTab = FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FLevelEditorModule::LevelEditorTabName));
		ASSERT_TRUE(LevelEditorTab.IsValid());
		LevelEditorTab->RequestCloseTab();
	}
	ASSERT_TRUE(GEditor->GetLevelViewportClients().IsEmpty());

	Log.Clear();
	EXPECT_TRUE(EditorModule()->GetCommandList()->ExecuteAction(Command(TEXT("ResetViewports"))));
	EXPECT_TRUE(Log.GetLines().IsEmpty());
}
