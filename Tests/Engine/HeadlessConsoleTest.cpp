// The headless editor's console commands driven through the host, as a user types them: calls of
// reflected functions, the world, tabs, input bindings, console variables, settings and exit status.

#include "EngineTestEnvironment.h"

#include "EngineUtils.h"
#include "Framework/Commands/Commands.h"
#include "Framework/Docking/TabManager.h"
#include "GameFramework/Actor.h"
#include "HAL/IConsoleManager.h"
#include "Internationalization/Internationalization.h"
#include "LevelEditor.h"
#include "Misc/App.h"
#include "Modules/ModuleManager.h"
#include "ReflectionTestTypes.h"
#include "Widgets/Docking/SDockTab.h"

#include <gtest/gtest.h>

namespace
{
	/** What the commands printed, errors marked, so a test can read one command's output at a time. */
	class FConsoleOutput : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.Add(Verbosity == ELogVerbosity::Error ? FString(TEXT("ERROR ")) + V : FString(V));
		}

		bool Has(const TCHAR* Text) const
		{
			return Lines.ContainsByPredicate([Text](const FString& Line) { return Line.Contains(Text); });
		}

		FString Joined() const
		{
			return FString::Join(Lines, TEXT("\n"));
		}

		TArray<FString> Lines;
	};

	const char* const StageMap = R"json({
	"Class": "/Script/Engine.World",
	"Subobjects": [ { "Name": "PersistentLevel", "Class": "/Script/Engine.Level", "Subobjects": [
		{ "Name": "CamA", "Class": "/Script/Engine.CameraActor", "Properties": { "ActorLabel": "Camera A", "Tags": "(\"Tracked\")" } },
		{ "Name": "Floor", "Class": "/Script/Engine.Actor" }
	] } ]
})json";

	/** A project with a startup map and a second map, booted as the editor (or the game). */
	class HeadlessConsoleTest : public ::testing::Test
	{
	protected:
		void Boot(bool bRunningGame = false)
		{
			Engine = MakeUnique<FScopedTestEngine>(bRunningGame,
				"[/Script/EngineSettings.GameMapsSettings]\nEditorStartupMap=/Game/Maps/Stage\nGameDefaultMap=/Game/Maps/Stage\n",
				[](FScopedTestEngine& Project) {
					Project.WriteProjectFile("Content/Maps/Stage.umap.json", StageMap);
					Project.WriteProjectFile("Content/Maps/Empty.umap.json", R"({ "Class": "/Script/Engine.World" })");
				});
			ASSERT_TRUE(Engine->IsBooted());
		}

		virtual void TearDown() override
		{
			Engine.Reset();
		}

		/** Runs one line; Output then holds what this line printed. */
		bool Run(const FString& Line)
		{
			Output.Lines.Reset();
			return FEditorHost::Exec(Line, Output);
		}

		/** Labels of the current world's actors as `actors` prints them. */
		TArray<FString> ListedActors()
		{
			EXPECT_TRUE(Run(TEXT("actors")));
			TArray<FString> Labels;
			for (int32 Index = 1; Index < Output.Lines.Num(); ++Index)
			{
				FString Label;
				Output.Lines[Index].TrimStart().Split(TEXT(" ["), &Label, nullptr);
				Labels.Add(Label);
			}
			return Labels;
		}

		TUniquePtr<FScopedTestEngine> Engine;
		FConsoleOutput Output;
	};

	/** An object the `call` command can reach by path; numbered, as an earlier run's object may still hold the name. */
	UReflectionTestObject* MakeCallTarget(const TCHAR* Name)
	{
		static int32 Counter = 0;
		return NewObject<UReflectionTestObject>(GetTransientPackage(), FName(*FString::Printf(TEXT("%s%d"), Name, Counter++)));
	}
}

// ---------------------------------------------------------------------------------------------------
// call

TEST_F(HeadlessConsoleTest, CallRunsStaticFunctionsByClassNameOrPathWithDeclaredDefaults)
{
	Boot();
	EXPECT_TRUE(Run(TEXT("call ReflectionTestObject.Add A=3 B=4")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("ReturnValue=7") });

	// The C++ prefix may be given; a left-out parameter takes its declared default (B = 2).
	EXPECT_TRUE(Run(TEXT("call UReflectionTestObject.Add A=40")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("ReturnValue=42") });

	// Names of parameters are matched without regard to case; negative numbers import.
	EXPECT_TRUE(Run(TEXT("call /Script/ReflectionTestTypes.ReflectionTestObject.Add a=-5 b=1")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("ReturnValue=-4") });
	EXPECT_FALSE(FEditorHost::HasCommandFailed());
}

TEST_F(HeadlessConsoleTest, CallOnAClassRunsMemberFunctionsOnItsDefaultObject)
{
	Boot();
	UReflectionTestObject* Instance = MakeCallTarget(TEXT("HeadlessCallBystander"));
	UReflectionTestObject* Defaults = GetMutableDefault<UReflectionTestObject>();
	const int32 Before = Defaults->Counter;

	EXPECT_TRUE(Run(TEXT("call ReflectionTestObject.Touch")));
	EXPECT_TRUE(Run(TEXT("call /Script/ReflectionTestTypes.ReflectionTestObject.Touch")));
	EXPECT_TRUE(Output.Lines.IsEmpty());
	EXPECT_EQ(Defaults->Counter, Before + 2);
	EXPECT_EQ(Instance->Counter, 0);
	EXPECT_FALSE(FEditorHost::HasCommandFailed());
}

TEST_F(HeadlessConsoleTest, CallOnAnObjectPrintsTheReturnValueThenEachOutParameter)
{
	Boot();
	UReflectionTestObject* Target = MakeCallTarget(TEXT("HeadlessCallSplitter"));
	const FString Path = Target->GetPathName();

	EXPECT_TRUE(Run(FString::Printf(TEXT("call %s.SplitText Text=\"red, green,blue\""), *Path)));
	ASSERT_EQ(Output.Lines.Num(), 3) << TCHAR_TO_UTF8(*Output.Joined());
	EXPECT_EQ(Output.Lines[0], TEXT("ReturnValue=True"));
	// A string prints bare on its own and quoted inside an array, as the engine's text export does.
	EXPECT_EQ(Output.Lines[1], TEXT("OutFirst=red"));
	EXPECT_EQ(Output.Lines[2], TEXT("OutParts=(\"red\",\" green\",\"blue\")"));

	// A by-reference parameter is both argument and result: the native event multiplies it by ten.
	EXPECT_TRUE(Run(FString::Printf(TEXT("call %s.NativeHook InOut=7"), *Path)));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("InOut=70") });

	// A struct argument in the engine's text form, spaces inside quotes kept; the result reflects the object's state.
	Target->Counter = 5;
	EXPECT_TRUE(Run(FString::Printf(TEXT("call %s.EchoSettings InSettings=(Count=2,Label=\"two words\")"), *Path)));
	ASSERT_EQ(Output.Lines.Num(), 1);
	EXPECT_EQ(Output.Lines[0], TEXT("ReturnValue=(Count=7,Scale=0.0,Label=\"two words\",Tag=,bEnabled=False,Items=(),Mode=First,Target=None)"));

	// A function with neither result nor out parameters runs and prints nothing.
	EXPECT_TRUE(Run(FString::Printf(TEXT("call %s.Touch"), *Path)));
	EXPECT_TRUE(Output.Lines.IsEmpty());
	EXPECT_EQ(Target->Counter, 6);
	EXPECT_FALSE(FEditorHost::HasCommandFailed());
}

TEST_F(HeadlessConsoleTest, CallWithABadTargetFunctionParameterOrValueFailsWithoutCalling)
{
	Boot();
	UReflectionTestObject* Target = MakeCallTarget(TEXT("HeadlessCallRefuser"));
	const FString Path = Target->GetPathName();

	struct FBadCall
	{
		FString Line;
		const TCHAR* Message;
	};
	const FBadCall BadCalls[] = {
		{ TEXT("call"), TEXT("Usage: call") },
		{ TEXT("call ReflectionTestObject"), TEXT("Expected <Target>.<Function>") },
		{ TEXT("call ReflectionTestObject."), TEXT("Expected <Target>.<Function>") },
		{ TEXT("call NoSuchClass.Add A=1"), TEXT("No class or object 'NoSuchClass'") },
		{ TEXT("call /Engine/Transient.Nobody.Touch"), TEXT("No object '/Engine/Transient.Nobody'") },
		{ TEXT("call ReflectionTestObject.Subtract A=1"), TEXT("has no function 'Subtract'") },
		{ TEXT("call ReflectionTestObject.Add C=1"), TEXT("has no parameter 'C' (parameters: A, B)") },
		{ TEXT("call ReflectionTestObject.Add A"), TEXT("Expected Param=Value, got 'A'") },
		{ TEXT("call ReflectionTestObject.Add A=abc"), TEXT("Malformed value for A") },
		{ TEXT("call ReflectionTestObject.Add A=12x"), TEXT("Malformed value for A") },
		{ FString::Printf(TEXT("call %s.SplitText Text=\"unterminated"), *Path), TEXT("unterminated quote") },
		{ FString::Printf(TEXT("call %s.EchoSettings InSettings=(Count=2"), *Path), TEXT("unbalanced parentheses") },
		{ FString::Printf(TEXT("call %s.EchoSettings InSettings=(Count=two)"), *Path), TEXT("Malformed value for InSettings") },
		// A bad argument after a good one still stops the call before it runs.
		{ FString::Printf(TEXT("call %s.Touch Extra=1"), *Path), TEXT("has no parameter 'Extra'") },
	};
	for (const FBadCall& Bad : BadCalls)
	{
		EXPECT_FALSE(Run(Bad.Line)) << TCHAR_TO_UTF8(*Bad.Line);
		ASSERT_FALSE(Output.Lines.IsEmpty()) << TCHAR_TO_UTF8(*Bad.Line);
		EXPECT_TRUE(Output.Lines.Last().StartsWith(TEXT("ERROR "))) << TCHAR_TO_UTF8(*Output.Joined());
		EXPECT_TRUE(Output.Lines.Last().Contains(Bad.Message)) << TCHAR_TO_UTF8(*Bad.Line) << " -> " << TCHAR_TO_UTF8(*Output.Joined());
		EXPECT_FALSE(Output.Has(TEXT("ReturnValue="))) << TCHAR_TO_UTF8(*Bad.Line);
	}
	EXPECT_EQ(Target->Counter, 0);
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
}

// ---------------------------------------------------------------------------------------------------
// The world

TEST_F(HeadlessConsoleTest, ActorsSpawnAndDeleteWorkOnTheEditedWorld)
{
	Boot();
	EXPECT_TRUE(Run(TEXT("actors")));
	ASSERT_EQ(Output.Lines.Num(), 3) << TCHAR_TO_UTF8(*Output.Joined());
	EXPECT_EQ(Output.Lines[0], TEXT("World /Game/Maps/Stage (editor), 2 actors:"));
	EXPECT_EQ(Output.Lines[1], TEXT("  Camera A [CameraActor] tags: Tracked"));
	EXPECT_TRUE(Output.Lines[2].EndsWith(TEXT("[Actor] tags: (none)"))) << TCHAR_TO_UTF8(*Output.Lines[2]);

	EXPECT_TRUE(Run(TEXT("spawn /Script/Engine.CameraActor Crane Hero,Wide")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Spawned Crane [CameraActor] tags: Hero, Wide") });
	EXPECT_TRUE(ListedActors().Contains(TEXT("Crane")));

	// Delete finds the actor by label without regard to case, or by object name.
	EXPECT_TRUE(Run(TEXT("delete crane")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Deleted Crane") });
	EXPECT_TRUE(Run(TEXT("delete CamA")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Deleted Camera A") });
	EXPECT_FALSE(ListedActors().Contains(TEXT("Crane")));
	EXPECT_FALSE(ListedActors().Contains(TEXT("Camera A")));
	EXPECT_FALSE(FEditorHost::HasCommandFailed());

	EXPECT_FALSE(Run(TEXT("delete Crane")));
	EXPECT_TRUE(Output.Has(TEXT("No actor Crane in the current world.")));
}

TEST_F(HeadlessConsoleTest, SpawnAndDeleteRefuseWhatTheyCannotDo)
{
	Boot();
	const int32 ActorsBefore = ListedActors().Num();
	const TCHAR* const BadLines[] = {
		TEXT("spawn"),
		TEXT("spawn /Script/Engine.CameraActor Label Tag Extra"),
		TEXT("spawn /Script/Engine.NoSuchActor"),
		// A class that exists but is not an actor.
		TEXT("spawn /Script/ReflectionTestTypes.ReflectionTestObject"),
		TEXT("delete"),
		TEXT("actors everything"),
	};
	for (const TCHAR* Line : BadLines)
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
		EXPECT_FALSE(Output.Lines.IsEmpty()) << TCHAR_TO_UTF8(Line);
	}
	EXPECT_EQ(ListedActors().Num(), ActorsBefore);
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
}

TEST_F(HeadlessConsoleTest, MapOpensAnotherMapAndAMissingOneKeepsTheWorld)
{
	Boot();
	EXPECT_TRUE(Run(TEXT("map /Game/Maps/Empty")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Opened map /Game/Maps/Empty") });
	EXPECT_TRUE(Run(TEXT("actors")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("World /Game/Maps/Empty (editor), 0 actors:") });

	EXPECT_FALSE(Run(TEXT("map /Game/Maps/Missing")));
	EXPECT_TRUE(Output.Has(TEXT("Could not open map /Game/Maps/Missing")));
	EXPECT_FALSE(Run(TEXT("map")));
	EXPECT_TRUE(Run(TEXT("actors")));
	EXPECT_EQ(Output.Lines[0], TEXT("World /Game/Maps/Empty (editor), 0 actors:"));

	EXPECT_TRUE(Run(TEXT("map /Game/Maps/Stage")));
	EXPECT_EQ(ListedActors().Num(), 2);
}

TEST_F(HeadlessConsoleTest, PlayInEditorStartsAndStopsOnceAndWorksOnItsOwnWorld)
{
	Boot();
	// Stop before start is refused without harm, and the command fails.
	EXPECT_FALSE(Run(TEXT("pie stop")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("ERROR pie stop: no play session is running") });
	EXPECT_EQ(GEditor->PlayWorld, nullptr);

	EXPECT_TRUE(Run(TEXT("pie start")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Play in editor started.") });
	UWorld* PlayWorld = GEditor->PlayWorld;
	ASSERT_NE(PlayWorld, nullptr);
	EXPECT_FALSE(Run(TEXT("pie start")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("ERROR pie start: a play session is already running") });
	EXPECT_EQ(GEditor->PlayWorld, PlayWorld);

	// During play the world commands work on the play world.
	EXPECT_TRUE(Run(TEXT("actors")));
	EXPECT_TRUE(Output.Lines[0].Contains(TEXT("(play in editor), 2 actors:"))) << TCHAR_TO_UTF8(*Output.Lines[0]);
	EXPECT_TRUE(Run(TEXT("spawn /Script/Engine.Actor PlayOnly")));
	EXPECT_TRUE(ListedActors().Contains(TEXT("PlayOnly")));
	EXPECT_TRUE(Run(TEXT("Pie Stop")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Play in editor stopped.") });
	EXPECT_EQ(GEditor->PlayWorld, nullptr);

	// What was spawned in play is gone with the play world.
	EXPECT_TRUE(Run(TEXT("actors")));
	EXPECT_TRUE(Output.Lines[0].Contains(TEXT("(editor), 2 actors:"))) << TCHAR_TO_UTF8(*Output.Lines[0]);
	EXPECT_FALSE(Output.Has(TEXT("PlayOnly")));

	// A play session can be started again after the first ended.
	EXPECT_TRUE(Run(TEXT("pie start")));
	EXPECT_NE(GEditor->PlayWorld, nullptr);
	EXPECT_TRUE(Run(TEXT("pie stop")));

	EXPECT_FALSE(Run(TEXT("pie")));
	EXPECT_FALSE(Run(TEXT("pie pause")));
	EXPECT_TRUE(Output.Has(TEXT("Usage: pie start | pie stop")));
}

TEST_F(HeadlessConsoleTest, AGameRunHasNoEditorOnlyCommandsButAGameWorld)
{
	Boot(true);
	EXPECT_FALSE(Run(TEXT("pie start")));
	EXPECT_TRUE(Output.Has(TEXT("Play in editor needs the editor.")));
	EXPECT_FALSE(Run(TEXT("map /Game/Maps/Empty")));
	EXPECT_TRUE(Output.Has(TEXT("Maps are opened in the editor only.")));
	EXPECT_FALSE(Run(TEXT("tabs")));
	EXPECT_TRUE(Output.Has(TEXT("ERROR The level editor has no tab manager")));
	EXPECT_FALSE(Run(TEXT("tab open Anything")));

	EXPECT_TRUE(Run(TEXT("actors")));
	EXPECT_EQ(Output.Lines[0], TEXT("World /Game/Maps/Stage (game), 2 actors:"));
	EXPECT_TRUE(Run(TEXT("spawn /Script/Engine.Actor Prop")));
	EXPECT_TRUE(ListedActors().Contains(TEXT("Prop")));

	EXPECT_TRUE(Run(TEXT("modules")));
	EXPECT_FALSE(Output.Has(TEXT("LevelEditor")));
	EXPECT_FALSE(Output.Has(TEXT("Blutility")));
	EXPECT_TRUE(Output.Has(TEXT("LevelSequence")));
}

// ---------------------------------------------------------------------------------------------------
// Tabs

namespace
{
	const FName ConsolePanelName(TEXT("HeadlessConsolePanel"));
}

TEST_F(HeadlessConsoleTest, TabsListSpawnersAndOpenTabsThatTabOpensAndCloses)
{
	Boot();
	const TSharedPtr<FTabManager> Tabs = FModuleManager::GetModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
	ASSERT_TRUE(Tabs.IsValid());
	int32 Spawns = 0;
	int32 Closes = 0;
	bool bMayClose = true;
	const TSharedRef<FWorkspaceItem> Group = FWorkspaceItem::NewGroup(FText::FromString(TEXT("Stage Tools")));
	// clang-format off
	Tabs->RegisterTabSpawner(ConsolePanelName, FOnSpawnTab::CreateLambda([&](const FSpawnTabArgs&)
	{
		++Spawns;
		return SNew(SDockTab)
			.Label(FText::FromString(TEXT("Console Panel")))
			.OnTabClosed(SDockTab::FOnTabClosedCallback::CreateLambda([&Closes](TSharedRef<SDockTab>) { ++Closes; }))
			.OnCanCloseTab(SDockTab::FCanCloseTab::CreateLambda([&bMayClose]() { return bMayClose; }));
	}))
		.SetDisplayName(FText::FromString(TEXT("Console Panel Display")))
		.SetMenuType(ETabSpawnerMenuType::Hidden)
		.SetGroup(Group);
	// clang-format on

	EXPECT_TRUE(Run(TEXT("tabs")));
	EXPECT_TRUE(Output.Has(TEXT("  HeadlessConsolePanel | Console Panel Display | Hidden | Stage Tools"))) << TCHAR_TO_UTF8(*Output.Joined());
	const int32 OpenHeader = Output.Lines.IndexOfByPredicate([](const FString& Line) { return Line.StartsWith(TEXT("Open tabs (")); });
	ASSERT_NE(OpenHeader, INDEX_NONE);
	const int32 OpenBefore = Output.Lines.Num() - OpenHeader - 1;

	EXPECT_TRUE(Run(TEXT("tab open HeadlessConsolePanel")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Opened Console Panel") });
	EXPECT_TRUE(Tabs->FindExistingLiveTab(FTabId(ConsolePanelName)).IsValid());
	// Opening an open tab brings it forward instead of spawning a second.
	EXPECT_TRUE(Run(TEXT("tab open HeadlessConsolePanel")));
	EXPECT_EQ(Spawns, 1);
	EXPECT_TRUE(Run(TEXT("tabs")));
	EXPECT_TRUE(Output.Has(*FString::Printf(TEXT("Open tabs (%d): identifier | label"), OpenBefore + 1)));
	EXPECT_TRUE(Output.Lines.Contains(TEXT("  HeadlessConsolePanel | Console Panel")));

	// A tab that refuses to close stays open, and the command says so.
	bMayClose = false;
	EXPECT_FALSE(Run(TEXT("tab close HeadlessConsolePanel")));
	EXPECT_TRUE(Output.Has(TEXT("ERROR The tab Console Panel refused to close")));
	EXPECT_TRUE(Tabs->FindExistingLiveTab(FTabId(ConsolePanelName)).IsValid());
	EXPECT_EQ(Closes, 0);

	bMayClose = true;
	EXPECT_TRUE(Run(TEXT("tab close HeadlessConsolePanel")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Closed Console Panel") });
	EXPECT_EQ(Closes, 1);
	EXPECT_FALSE(Tabs->FindExistingLiveTab(FTabId(ConsolePanelName)).IsValid());
	EXPECT_FALSE(Run(TEXT("tab close HeadlessConsolePanel")));
	EXPECT_TRUE(Output.Has(TEXT("No open tab of spawner HeadlessConsolePanel")));

	Tabs->UnregisterTabSpawner(ConsolePanelName);
}

TEST_F(HeadlessConsoleTest, TabRefusesUnknownSpawnersActionsAndMalformedLines)
{
	Boot();
	const TCHAR* const BadLines[] = {
		TEXT("tab open NoSuchSpawner"),
		TEXT("tab close NoSuchSpawner"),
		TEXT("tab shake LevelEditor"),
		TEXT("tab open"),
		TEXT("tab"),
		TEXT("tab open One Two"),
		TEXT("tabs extra"),
	};
	for (const TCHAR* Line : BadLines)
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
		ASSERT_FALSE(Output.Lines.IsEmpty()) << TCHAR_TO_UTF8(Line);
		EXPECT_TRUE(Output.Lines.Last().StartsWith(TEXT("ERROR "))) << TCHAR_TO_UTF8(*Output.Joined());
	}
	EXPECT_FALSE(Run(TEXT("tab open NoSuchSpawner")));
	EXPECT_EQ(Output.Lines.Last(), TEXT("ERROR No tab spawner named NoSuchSpawner (run `tabs` to list them)"));
}

// ---------------------------------------------------------------------------------------------------
// Input bindings

namespace
{
	class FHeadlessConsoleCommands : public TCommands<FHeadlessConsoleCommands>
	{
	public:
		FHeadlessConsoleCommands()
			: TCommands<FHeadlessConsoleCommands>(TEXT("HeadlessConsoleCommands"), FText::FromString(TEXT("Commands of the console test")), NAME_None, NAME_None)
		{
		}

		virtual void RegisterCommands() override
		{
#define LOCTEXT_NAMESPACE "HeadlessConsoleTest"
			UI_COMMAND(Zeta, "Zeta", "Registered first", EUserInterfaceActionType::Button, FInputChord());
			UI_COMMAND(Alpha, "Alpha Label", "Registered second", EUserInterfaceActionType::ToggleButton, FInputChord(EModifierKey::Control, EKeys::S));
			UI_COMMAND(Mid, "Mid", "Registered third", EUserInterfaceActionType::RadioButton, FInputChord(), FInputChord(EKeys::P, EModifierKey::Shift));
#undef LOCTEXT_NAMESPACE
		}

		TSharedPtr<FUICommandInfo> Zeta;
		TSharedPtr<FUICommandInfo> Alpha;
		TSharedPtr<FUICommandInfo> Mid;
	};
}

TEST_F(HeadlessConsoleTest, BindingsListContextsAndAContextsCommandsInRegistrationOrder)
{
	Boot();
	FHeadlessConsoleCommands::Register();

	EXPECT_TRUE(Run(TEXT("bindings")));
	EXPECT_TRUE(Output.Lines.Contains(TEXT("HeadlessConsoleCommands | Commands of the console test"))) << TCHAR_TO_UTF8(*Output.Joined());

	EXPECT_TRUE(Run(TEXT("bindings HeadlessConsoleCommands")));
	ASSERT_EQ(Output.Lines.Num(), 3) << TCHAR_TO_UTF8(*Output.Joined());
	EXPECT_EQ(Output.Lines[0], TEXT("Zeta | Zeta | Registered first | Button | (none) | (none)"));
	EXPECT_TRUE(Output.Lines[1].StartsWith(TEXT("Alpha | Alpha Label | Registered second | ToggleButton | Ctrl+S")));
	EXPECT_TRUE(Output.Lines[1].EndsWith(TEXT(" | (none)")));
	EXPECT_TRUE(Output.Lines[2].StartsWith(TEXT("Mid | Mid | Registered third | RadioButton | (none) | Shift+P"))) << TCHAR_TO_UTF8(*Output.Lines[2]);
	EXPECT_FALSE(FEditorHost::HasCommandFailed());

	FHeadlessConsoleCommands::Unregister();
	EXPECT_FALSE(Run(TEXT("bindings HeadlessConsoleCommands")));
	EXPECT_EQ(Output.Lines.Last(), TEXT("ERROR bindings: no input binding context named 'HeadlessConsoleCommands' (run `bindings` to list them)"));
	EXPECT_FALSE(Run(TEXT("bindings One Two")));
	EXPECT_TRUE(Output.Lines.Last().StartsWith(TEXT("ERROR bindings: expected at most one context name")));
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
}

// ---------------------------------------------------------------------------------------------------
// Console variables and engine console commands

TEST_F(HeadlessConsoleTest, ConsoleVariablesPrintAndSetThroughTheHost)
{
	Boot();
	IConsoleVariable* Rate = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Headless.Rate"), TEXT("25fps"), TEXT("A rate"));
	IConsoleVariable* Count = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Headless.Count"), 3, TEXT("A count"));
	IConsoleVariable* Locked = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Headless.Locked"), 1, TEXT("Fixed"), ECVF_ReadOnly);

	EXPECT_TRUE(Run(TEXT("Test.Headless.Rate")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Test.Headless.Rate = \"25fps\"") });
	// Names are matched without regard to case and print as registered; quotes around a value are dropped.
	EXPECT_TRUE(Run(TEXT("test.headless.rate \"24000/1001fps\"")));
	EXPECT_EQ(Rate->GetString(), TEXT("24000/1001fps"));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Test.Headless.Rate = \"24000/1001fps\"") });
	EXPECT_TRUE(Run(TEXT("Test.Headless.Count 12")));
	EXPECT_EQ(Count->GetInt(), 12);
	EXPECT_TRUE(Run(TEXT("Test.Headless.Count")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Test.Headless.Count = \"12\"") });
	EXPECT_FALSE(FEditorHost::HasCommandFailed());

	// Setting a read-only variable is refused, and a refused command counts as failed.
	EXPECT_FALSE(Run(TEXT("Test.Headless.Locked 2")));
	EXPECT_EQ(Locked->GetInt(), 1);
	EXPECT_TRUE(Output.Has(TEXT("read only")));
	EXPECT_TRUE(FEditorHost::HasCommandFailed());

	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.Headless.Rate"));
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.Headless.Count"));
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.Headless.Locked"));
}

TEST_F(HeadlessConsoleTest, EngineConsoleCommandsGetTheirArgumentsAndAnErrorTheyPrintFailsTheCommand)
{
	Boot();
	TArray<FString> Received;
	IConsoleManager::Get().RegisterConsoleCommand(TEXT("Test.Headless.Echo"), TEXT("Echoes its arguments\nSecond help line"),
		FConsoleCommandWithArgsAndOutputDeviceDelegate::CreateLambda([&Received](const TArray<FString>& Args, FOutputDevice& Ar) {
			Received = Args;
			if (Args.IsEmpty())
			{
				Ar.Log(ELogVerbosity::Error, TEXT("Usage: Test.Headless.Echo <Words>"));
				return;
			}
			Ar.Log(FString::Join(Args, TEXT("+")));
		}));

	EXPECT_TRUE(Run(TEXT("help")));
	// Engine console commands are listed after the host's, with the first line of their help only.
	const int32 EngineHeader = Output.Lines.IndexOfByKey(FString(TEXT("Engine console commands:")));
	const int32 EchoLine = Output.Lines.IndexOfByKey(FString(TEXT("  Test.Headless.Echo - Echoes its arguments")));
	ASSERT_NE(EngineHeader, INDEX_NONE) << TCHAR_TO_UTF8(*Output.Joined());
	EXPECT_GT(EchoLine, EngineHeader);
	EXPECT_LT(Output.Lines.IndexOfByKey(FString(TEXT("  call - call <Target>.<Function> [Param=Value ...]: calls a reflected function (Target: class, editor subsystem class or object path)"))), EngineHeader);
	EXPECT_FALSE(Output.Has(TEXT("Second help line")));

	EXPECT_TRUE(Run(TEXT("test.headless.echo  one   two ")));
	EXPECT_EQ(Received, (TArray<FString>{ TEXT("one"), TEXT("two") }));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("one+two") });
	EXPECT_FALSE(FEditorHost::HasCommandFailed());

	EXPECT_FALSE(Run(TEXT("Test.Headless.Echo")));
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.Headless.Echo"));
}

// ---------------------------------------------------------------------------------------------------
// Settings, files, log and modules

TEST_F(HeadlessConsoleTest, TimecodeShowsSetsAndRefusesMalformedRates)
{
	Boot();
	EXPECT_TRUE(Run(TEXT("timecode")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Timecode rate = 30/1") });
	EXPECT_TRUE(Run(TEXT("timecode 24000/1001")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Timecode rate = 24000/1001") });
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(24000, 1001));

	const TCHAR* const BadRates[] = {
		TEXT("timecode 25"),
		TEXT("timecode /1"),
		TEXT("timecode 25/"),
		TEXT("timecode twentyfive/1"),
		TEXT("timecode 25/1/2"),
		TEXT("timecode 2.5/1"),
		TEXT("timecode 25 / 1 fps"),
	};
	for (const TCHAR* Line : BadRates)
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
		EXPECT_TRUE(Output.Has(TEXT("Malformed frame rate"))) << TCHAR_TO_UTF8(*Output.Joined());
		EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(24000, 1001)) << TCHAR_TO_UTF8(Line);
	}
}

TEST_F(HeadlessConsoleTest, CultureSwitchesToKnownCulturesOnly)
{
	Boot();
	EXPECT_TRUE(Run(TEXT("culture")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Culture = en") });
	EXPECT_TRUE(Run(TEXT("culture de")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Culture = de") });

	EXPECT_FALSE(Run(TEXT("culture xx-Nowhere")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("ERROR Unknown culture: xx-Nowhere") });
	EXPECT_FALSE(Run(TEXT("culture de fr")));
	EXPECT_TRUE(Output.Has(TEXT("Usage: culture")));
	EXPECT_EQ(FInternationalization::Get().GetCurrentCulture()->GetName(), TEXT("de"));
}

TEST_F(HeadlessConsoleTest, FilesLogAndModulesReportAndRefuseBadInput)
{
	Boot();
	EXPECT_TRUE(Run(TEXT("files ProjectConfigDir")));
	EXPECT_TRUE(Output.Lines[0].StartsWith(TEXT("1 files under "))) << TCHAR_TO_UTF8(*Output.Joined());
	EXPECT_TRUE(Output.Lines.Contains(TEXT("  DefaultEngine.ini")));
	// A relative folder is taken from the project folder.
	EXPECT_TRUE(Run(TEXT("files Content/Maps")));
	EXPECT_TRUE(Output.Lines.Contains(TEXT("  Empty.umap.json"))) << TCHAR_TO_UTF8(*Output.Joined());
	EXPECT_TRUE(Output.Lines.Contains(TEXT("  Stage.umap.json")));
	EXPECT_FALSE(Run(TEXT("files NoSuchFolder")));
	EXPECT_TRUE(Output.Has(TEXT("No such folder: ")));
	EXPECT_FALSE(Run(TEXT("files")));

	EXPECT_FALSE(Run(TEXT("log NoSuchCategory Verbose")));
	EXPECT_EQ(Output.Lines.Last(), TEXT("ERROR Unknown log category: NoSuchCategory"));
	EXPECT_FALSE(Run(TEXT("log LogInit")));
	EXPECT_FALSE(Run(TEXT("log LogInit Chatty")));
	EXPECT_TRUE(Output.Has(TEXT("Unknown verbosity: Chatty")));

	// The editor's own engine modules are loaded on demand, in the order the boot starts them.
	EXPECT_TRUE(Run(TEXT("modules")));
	const int32 Sequence = Output.Lines.IndexOfByKey(FString(TEXT("  LevelSequence (engine module, loaded on demand)")));
	const int32 Utilities = Output.Lines.IndexOfByKey(FString(TEXT("  Blutility (engine module, loaded on demand)")));
	const int32 LevelEditor = Output.Lines.IndexOfByKey(FString(TEXT("  LevelEditor (engine module, loaded on demand)")));
	ASSERT_NE(Sequence, INDEX_NONE) << TCHAR_TO_UTF8(*Output.Joined());
	EXPECT_LT(Sequence, Utilities);
	EXPECT_LT(Utilities, LevelEditor);
}

// ---------------------------------------------------------------------------------------------------
// Failure memory and quitting

TEST_F(HeadlessConsoleTest, AFailureIsRememberedUntilTheNextBootAndSequencesRunOnPastIt)
{
	Boot();
	EXPECT_TRUE(Run(TEXT("   ")));
	EXPECT_TRUE(Output.Lines.IsEmpty());
	EXPECT_FALSE(FEditorHost::HasCommandFailed());

	// A failed command in a sequence fails the sequence, yet the commands after it still run.
	Output.Lines.Reset();
	EXPECT_FALSE(FEditorHost::ExecSequence(TEXT("timecode 48/1; frobnicate; ; timecode 50/1"), Output));
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(50, 1));
	EXPECT_TRUE(Output.Lines.Contains(TEXT("ERROR Unknown command: frobnicate")));
	EXPECT_TRUE(FEditorHost::HasCommandFailed());

	// Later successes do not clear the failure.
	EXPECT_TRUE(Run(TEXT("timecode")));
	EXPECT_TRUE(FEditorHost::HasCommandFailed());

	// Quit ends a sequence: what follows it does not run.
	Output.Lines.Reset();
	EXPECT_TRUE(FEditorHost::ExecSequence(TEXT("EXIT; timecode 60/1"), Output));
	EXPECT_TRUE(FEditorHost::IsQuitRequested());
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(50, 1));

	// A new boot starts with neither failure nor quit.
	Engine.Reset();
	Boot();
	EXPECT_FALSE(FEditorHost::HasCommandFailed());
	EXPECT_FALSE(FEditorHost::IsQuitRequested());
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(30, 1));
}
