// The headless editor's own commands given missing, extra, malformed and hostile arguments: each fails with a
// message that names what was wrong, at Error verbosity, and leaves the editor and the world as they were.

#include "EngineTestEnvironment.h"

#include "EngineUtils.h"
#include "GameFramework/Actor.h"
#include "HAL/IConsoleManager.h"
#include "HostConsole.h"
#include "Internationalization/Internationalization.h"
#include "Misc/App.h"
#include "ReflectionTestTypes.h"

#include <gtest/gtest.h>

DEFINE_LOG_CATEGORY_STATIC(LogHostCommandBadInputTest, Log, All);

namespace
{
	/** What one command printed, with each line's verbosity. */
	class FCommandOutput : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.Add(V);
			bErrors.Add(Verbosity == ELogVerbosity::Error);
		}

		void Reset()
		{
			Lines.Reset();
			bErrors.Reset();
		}

		/** The lines printed at Error verbosity, joined. */
		FString Errors() const
		{
			TArray<FString> Found;
			for (int32 Index = 0; Index < Lines.Num(); ++Index)
			{
				if (bErrors[Index])
				{
					Found.Add(Lines[Index]);
				}
			}
			return FString::Join(Found, TEXT("\n"));
		}

		FString Joined() const
		{
			return FString::Join(Lines, TEXT("\n"));
		}

		TArray<FString> Lines;
		TArray<bool> bErrors;
	};

	const char* const StageMap = R"json({
	"Class": "/Script/Engine.World",
	"Subobjects": [ { "Name": "PersistentLevel", "Class": "/Script/Engine.Level", "Subobjects": [
		{ "Name": "CamA", "Class": "/Script/Engine.CameraActor", "Properties": { "ActorLabel": "Camera A", "Tags": "(\"Tracked\")" } }
	] } ]
})json";

	/** A line and what its error must name. */
	struct FBadLine
	{
		FString Line;
		FString Message;
	};

	/** A booted editor (LiveLink enabled) on a one-camera stage; Run executes a line and keeps what it printed. */
	class HostCommandBadInputTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			Engine = MakeUnique<FScopedTestEngine>(false, "[/Script/EngineSettings.GameMapsSettings]\nEditorStartupMap=/Game/Maps/Stage\n",
				[](FScopedTestEngine& Project) {
					Project.WriteProjectFile("Test.uproject", R"({ "FileVersion": 3, "Plugins": [ { "Name": "LiveLink", "Enabled": true } ] })");
					Project.WriteProjectFile("Content/Maps/Stage.umap.json", StageMap);
				});
			ASSERT_TRUE(Engine->IsBooted());
		}

		void TearDown() override
		{
			Engine.Reset();
		}

		bool Run(const FString& Line)
		{
			Output.Reset();
			return FEditorHost::Exec(Line, Output);
		}

		/** Labels of the current world's actors, sorted. */
		static TArray<FString> ActorLabels()
		{
			UWorld* World = GEditor->PlayWorld ? GEditor->PlayWorld.Get() : GEditor->GetEditorWorldContext().World();
			TArray<FString> Labels;
			for (FActorIterator It(World); It; ++It)
			{
				Labels.Add(It->GetActorLabel());
			}
			Labels.Sort();
			return Labels;
		}

		/** Fails unless Line fails with an Error line containing Message, and changes neither the world nor the settings. */
		void ExpectRefused(const FString& Line, const FString& Message)
		{
			SCOPED_TRACE(TCHAR_TO_UTF8(*Line.Left(200)));
			const TArray<FString> ActorsBefore = ActorLabels();
			const FFrameRate RateBefore = FApp::GetTimecodeFrameRate();
			const FString CultureBefore = FInternationalization::Get().GetCurrentCulture()->GetName();
			EXPECT_FALSE(Run(Line));
			const FString Errors = Output.Errors();
			EXPECT_TRUE(Message.IsEmpty() ? !Errors.IsEmpty() : Errors.Contains(Message)) << "expected an error naming \"" << TCHAR_TO_UTF8(*Message) << "\", got:\n"
																						  << TCHAR_TO_UTF8(*Output.Joined().Left(2000));
			EXPECT_TRUE(FEditorHost::IsBooted());
			EXPECT_FALSE(FEditorHost::IsQuitRequested());
			EXPECT_EQ(ActorLabels(), ActorsBefore);
			EXPECT_EQ(FApp::GetTimecodeFrameRate(), RateBefore);
			EXPECT_EQ(FInternationalization::Get().GetCurrentCulture()->GetName(), CultureBefore);
		}

		void ExpectAllRefused(const TArray<FBadLine>& Lines)
		{
			for (const FBadLine& Bad : Lines)
			{
				ExpectRefused(Bad.Line, Bad.Message);
			}
		}

		TUniquePtr<FScopedTestEngine> Engine;
		FCommandOutput Output;
	};
}

// ---------------------------------------------------------------------------------------------------
// Every command at once: hostile words as its first argument

TEST_F(HostCommandBadInputTest, EveryCommandRefusesHostileWordsWithAMessageNamingThem)
{
	const FString Long = FString::ChrN(100 * 1024, TEXT('x'));
	struct FHostile
	{
		FString Word;
		/** What the message must name; empty for the commands with an argument syntax of their own (call). */
		FString Message;
	};
	const FHostile Hostile[] = {
		{ TEXT("\"Camera A"), TEXT("quote") },
		{ TEXT("Camera\\"), TEXT("backslash") },
		{ Long, TEXT("102400 characters") },
		{ TEXT("Cam\x1b[31mera"), TEXT("U+001B") },
		{ TEXT("Cam\aera"), TEXT("U+0007") },
		{ TEXT("Kämera Ω 東京"), FString() },
	};

	const TArray<FHostConsoleCommandInfo> Commands = FHostConsoleCommands::GetCommands();
	ASSERT_GE(Commands.Num(), 20);
	for (const FHostConsoleCommandInfo& Command : Commands)
	{
		for (const FHostile& Word : Hostile)
		{
			const bool bOwnSyntax = Command.Name == TEXT("call");
			// `call` splits its arguments for the engine's text form, where a backslash outside quotes is a plain character.
			const bool bNamed = !Word.Message.IsEmpty() && !(bOwnSyntax && Word.Message == TEXT("backslash"));
			ExpectRefused(Command.Name + TEXT(" ") + Word.Word, bNamed ? Word.Message : FString());
		}
	}
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
}

TEST_F(HostCommandBadInputTest, AWordAsLongAsTheLongestNameIsTakenAndOneMoreIsRefused)
{
	const FString Longest = FString::ChrN(NAME_SIZE - 1, TEXT('n'));
	const FString TooLong = Longest + TEXT("n");
	// Words of the longest name's length reach the command, which says it found nothing.
	ExpectRefused(TEXT("tab open ") + Longest, TEXT("No tab spawner named nnn"));
	ExpectRefused(TEXT("bindings ") + Longest, TEXT("no input binding context named"));
	ExpectRefused(TEXT("placement ") + Longest, TEXT("No placement category"));
	ExpectRefused(TEXT("log ") + Longest + TEXT(" Verbose"), TEXT("Unknown log category"));
	ExpectRefused(TEXT("map /Game/") + Longest.Left(NAME_SIZE - 7), TEXT("Could not open map"));
	ExpectRefused(TEXT("spawn ") + Longest, TEXT("is not an actor class"));
	ExpectRefused(TEXT("call ") + Longest.Left(NAME_SIZE - 3) + TEXT(".F"), TEXT("No class or object"));
	ExpectRefused(TEXT("call ReflectionTestObject.") + Longest.Left(NAME_SIZE - 1 - 21), TEXT("has no function"));

	// One character more and every one of them refuses the word before it becomes a name.
	const FString Refusal = FString::Printf(TEXT("up to %d"), NAME_SIZE - 1);
	ExpectRefused(TEXT("tab open ") + TooLong, Refusal);
	ExpectRefused(TEXT("tab close ") + TooLong, Refusal);
	ExpectRefused(TEXT("bindings ") + TooLong, Refusal);
	ExpectRefused(TEXT("placement ") + TooLong, Refusal);
	ExpectRefused(TEXT("menu ") + TooLong, Refusal);
	ExpectRefused(TEXT("log ") + TooLong + TEXT(" Verbose"), Refusal);
	ExpectRefused(TEXT("spawn ") + TooLong, Refusal);
	ExpectRefused(TEXT("spawn /Script/Engine.Actor Label ") + TooLong, Refusal);
	ExpectRefused(TEXT("spawn /Script/Engine.Actor Label Tag subject=") + TooLong + TEXT(" controller=LiveLinkComponentController"), Refusal);
	ExpectRefused(TEXT("livelink add-subject 0 ") + TooLong + TEXT(" LiveLinkTransformRole"), Refusal);
	ExpectRefused(TEXT("livelink push ") + TooLong, Refusal);
	ExpectRefused(TEXT("colourwheel new ") + TooLong, Refusal);
	ExpectRefused(TEXT("sequence /Game/") + TooLong, Refusal);
	ExpectRefused(TEXT("map /Game/") + TooLong, Refusal);
	ExpectRefused(TEXT("viewport showflag ") + TooLong + TEXT(" on"), Refusal);
	ExpectRefused(TEXT("call ") + TooLong + TEXT(".F"), Refusal);
	ExpectRefused(TEXT("call /Game/") + TooLong + TEXT(".F"), Refusal);
}

TEST_F(HostCommandBadInputTest, ControlCharactersRefuseTheWholeLineWhateverTheCommand)
{
	int32 Touched = 0;
	IConsoleManager::Get().RegisterConsoleCommand(TEXT("Test.BadInput.Touch"), TEXT("Counts its runs"),
		FConsoleCommandWithArgsAndOutputDeviceDelegate::CreateLambda([&Touched](const TArray<FString>&, FOutputDevice&) { ++Touched; }));
	IConsoleVariable* Label = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.BadInput.Label"), TEXT("Stage"), TEXT("A label"));

	const FBadLine Lines[] = {
		{ TEXT("Test.BadInput.Touch \x1b]0;owned\a"), TEXT("U+001B at character 21") },
		{ TEXT("Test.BadInput.Label Sta\bge"), TEXT("U+0008") },
		{ TEXT("Test.BadInput.Label \x7F"), TEXT("U+007F") },
		{ TEXT("timecode 25/1\r50/1"), TEXT("U+000D") },
		{ TEXT("spawn /Script/Engine.Actor \"Line\nBreak\""), TEXT("U+000A") },
		{ TEXT("\x1b[2Jactors"), TEXT("U+001B at character 1") },
	};
	for (const FBadLine& Bad : Lines)
	{
		ExpectRefused(Bad.Line, Bad.Message);
		EXPECT_TRUE(Output.Errors().Contains(TEXT("nothing was run")));
	}
	EXPECT_EQ(Touched, 0);
	EXPECT_EQ(Label->GetString(), TEXT("Stage"));

	// A tab is white space, not a control character.
	EXPECT_TRUE(Run(TEXT("Test.BadInput.Touch\tnow")));
	EXPECT_EQ(Touched, 1);
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.BadInput.Touch"));
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.BadInput.Label"));
}

TEST_F(HostCommandBadInputTest, ACommandThatOnlyLogsItsErrorStillFails)
{
	// Engine commands often say what went wrong through the log, not through the output they were given.
	IConsoleManager::Get().RegisterConsoleCommand(TEXT("Test.BadInput.LogsError"), TEXT("Logs an error"),
		FConsoleCommandWithArgsAndOutputDeviceDelegate::CreateLambda([](const TArray<FString>&, FOutputDevice&) { UE_LOG(LogHostCommandBadInputTest, Error, TEXT("Could not save the take")); }));
	IConsoleManager::Get().RegisterConsoleCommand(TEXT("Test.BadInput.LogsWarning"), TEXT("Logs a warning"),
		FConsoleCommandWithArgsAndOutputDeviceDelegate::CreateLambda([](const TArray<FString>&, FOutputDevice&) { UE_LOG(LogHostCommandBadInputTest, Warning, TEXT("The take is short")); }));

	EXPECT_TRUE(Run(TEXT("Test.BadInput.LogsWarning")));
	EXPECT_FALSE(FEditorHost::HasCommandFailed());
	EXPECT_FALSE(Run(TEXT("Test.BadInput.LogsError")));
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
	// The next command is judged on its own.
	EXPECT_TRUE(Run(TEXT("Test.BadInput.LogsWarning")));
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.BadInput.LogsError"));
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.BadInput.LogsWarning"));
}

TEST_F(HostCommandBadInputTest, NamesBeyondAsciiAreTakenAsTheyAreTypedAndPrintedBack)
{
	EXPECT_TRUE(Run(TEXT("spawn /Script/Engine.CameraActor \"Kämera Ω 東京\" Grüße,Ünïcode")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Spawned Kämera Ω 東京 [CameraActor] tags: Grüße, Ünïcode") });
	EXPECT_TRUE(ActorLabels().Contains(TEXT("Kämera Ω 東京")));
	// Only the whole label names the actor; the message prints the name back as it was typed.
	ExpectRefused(TEXT("delete Kämera"), TEXT("No actor Kämera in the current world."));
	EXPECT_TRUE(Run(TEXT("delete \"Kämera Ω 東京\"")));
	EXPECT_EQ(Output.Lines, TArray<FString>{ TEXT("Deleted Kämera Ω 東京") });
	EXPECT_FALSE(ActorLabels().Contains(TEXT("Kämera Ω 東京")));
}

// ---------------------------------------------------------------------------------------------------
// Each family: missing, extra and malformed arguments

TEST_F(HostCommandBadInputTest, TheHostsOwnCommandsRefuseMissingExtraAndMalformedArguments)
{
	ExpectAllRefused({
		{ TEXT("help me"), TEXT("help: it takes no arguments (got 1)") },
		{ TEXT("help \"\""), TEXT("help: it takes no arguments (got 1)") },
		{ TEXT("modules all of them"), TEXT("modules: it takes no arguments (got 3)") },
		{ TEXT("quit now"), TEXT("quit: it takes no arguments (got 1)") },
		{ TEXT("exit \"now"), TEXT("exit: a quote is left open") },
		{ TEXT("timecode 25/1 30/1"), TEXT("Malformed frame rate '25/1 30/1': one frame rate expected") },
		{ TEXT("timecode \"25/1"), TEXT("timecode: a quote is left open") },
		{ TEXT("timecode 25/1\\"), TEXT("timecode: a backslash ends the line") },
		{ TEXT("timecode 99999999999/1"), TEXT("Malformed frame rate '99999999999/1'") },
		{ TEXT("timecode 25/x"), TEXT("Malformed frame rate '25/x'") },
		{ TEXT("culture de fr"), TEXT("culture: one culture name expected") },
		{ TEXT("culture \"de"), TEXT("culture: a quote is left open") },
		{ TEXT("culture \"\""), TEXT("Unknown culture: ") },
		{ TEXT("files"), TEXT("files: an argument is missing") },
		{ TEXT("files Content Config"), TEXT("files: one argument expected") },
		{ TEXT("files \"Content"), TEXT("files: a quote is left open") },
		{ TEXT("files Content\\"), TEXT("files: a backslash ends the line") },
		{ TEXT("files \"No Such Folder\""), TEXT("No such folder: ") },
		{ TEXT("tick 1 2"), TEXT("tick: not a frame count") },
		{ TEXT("tick -1"), TEXT("tick: not a frame count") },
		{ TEXT("tick 100001"), TEXT("tick: not a frame count") },
		{ TEXT("log LogInit"), TEXT("Usage: log <Category> <Verbosity>") },
		{ TEXT("log LogInit Verbose extra"), TEXT("Usage: log <Category> <Verbosity>") },
		{ TEXT("log NoSuchCategory Verbose"), TEXT("Unknown log category: NoSuchCategory") },
		{ TEXT("log LogInit Chatty"), TEXT("Unknown verbosity: Chatty") },
	});

	// A quoted folder with spaces is one word, as everywhere else.
	Engine->WriteProjectFile("Content/Take Notes/Take 1.txt", "notes");
	EXPECT_TRUE(Run(TEXT("files \"Content/Take Notes\"")));
	EXPECT_TRUE(Output.Lines.Contains(TEXT("  Take 1.txt"))) << TCHAR_TO_UTF8(*Output.Joined());
}

TEST_F(HostCommandBadInputTest, TheWorldCommandsRefuseMissingExtraAndMalformedArguments)
{
	ExpectAllRefused({
		{ TEXT("actors Camera"), TEXT("actors: it takes no arguments (got 1)") },
		{ TEXT("actors \""), TEXT("actors: a quote is left open") },
		{ TEXT("spawn"), TEXT("Usage: spawn <ClassPath>") },
		{ TEXT("spawn /Script/Engine.Actor A B C D"), TEXT("Usage: spawn <ClassPath>") },
		{ TEXT("spawn /Script/Engine.Actor \"Crane"), TEXT("spawn: a quote is left open") },
		{ TEXT("spawn /Script/Engine.Actor Crane subject=CamA"), TEXT("subject= needs controller=") },
		{ TEXT("spawn /Script/Engine.Actor Crane controller=NoSuchComponent"), TEXT("'NoSuchComponent' is not a component class") },
		{ TEXT("spawn /Script/Engine.Actor Crane controller=/Script/Engine.Actor"), TEXT("is not a component class") },
		{ TEXT("spawn ReflectionTestObject"), TEXT("'ReflectionTestObject' is not an actor class") },
		{ TEXT("delete"), TEXT("Usage: delete <Label or Name> (an argument is missing)") },
		{ TEXT("delete Camera A"), TEXT("Usage: delete <Label or Name> (one argument expected") },
		{ TEXT("delete \"Camera A"), TEXT("Usage: delete <Label or Name> (a quote is left open)") },
		{ TEXT("delete \"Camera\""), TEXT("No actor Camera in the current world.") },
		{ TEXT("map"), TEXT("Usage: map <MapPackage> (an argument is missing)") },
		{ TEXT("map /Game/Maps/Stage /Game/Maps/Stage"), TEXT("Usage: map <MapPackage> (one argument expected") },
		{ TEXT("map /Game/Maps/Nowhere"), TEXT("Could not open map /Game/Maps/Nowhere") },
		{ TEXT("map Stage.umap.json"), TEXT("Could not open map Stage.umap.json") },
		{ TEXT("pie"), TEXT("Usage: pie start | pie stop (an argument is missing)") },
		{ TEXT("pie start now"), TEXT("Usage: pie start | pie stop (one argument expected") },
		{ TEXT("pie \"start"), TEXT("Usage: pie start | pie stop (a quote is left open)") },
		{ TEXT("pie pause"), TEXT("Usage: pie start | pie stop (not 'pause')") },
		{ TEXT("pie stop"), TEXT("pie stop: no play session is running") },
	});
	EXPECT_EQ(GEditor->PlayWorld, nullptr);

	// A quoted verb is the verb.
	EXPECT_TRUE(Run(TEXT("pie \"start\"")));
	EXPECT_NE(GEditor->PlayWorld, nullptr);
	EXPECT_TRUE(Run(TEXT("pie stop")));
}

TEST_F(HostCommandBadInputTest, TheEditorUICommandsRefuseMissingExtraAndMalformedArguments)
{
	ExpectAllRefused({
		{ TEXT("tabs LevelEditor"), TEXT("tabs: it takes no arguments (got 1)") },
		{ TEXT("tab"), TEXT("Usage: tab open <SpawnerId> | tab close <SpawnerId>") },
		{ TEXT("tab open"), TEXT("Usage: tab open <SpawnerId>") },
		{ TEXT("tab open \"\""), TEXT("Usage: tab open <SpawnerId>") },
		{ TEXT("tab open A B"), TEXT("Usage: tab open <SpawnerId>") },
		{ TEXT("tab open \"A"), TEXT("a quote is left open") },
		{ TEXT("tab slam LevelEditor"), TEXT("Unknown tab action 'slam'") },
		{ TEXT("bindings A B"), TEXT("bindings: expected at most one context name") },
		{ TEXT("bindings \"Level"), TEXT("bindings: a quote is left open") },
		{ TEXT("bindings NoSuchContext"), TEXT("no input binding context named 'NoSuchContext'") },
		{ TEXT("menu"), TEXT("Usage: menu <MenuName>") },
		{ TEXT("menu click"), TEXT("Usage: menu <MenuName>") },
		{ TEXT("menu A B C"), TEXT("Usage: menu <MenuName>") },
		{ TEXT("menu click A B C D"), TEXT("Usage: menu <MenuName>") },
		{ TEXT("menu No.Such.Menu"), TEXT("No menu named No.Such.Menu") },
		{ TEXT("menu LevelEditor.MainMenu.Window NoSuchCombo"), TEXT("No combo or sub-menu entry named NoSuchCombo") },
		{ TEXT("menu click LevelEditor.MainMenu.Window NoSuchEntry"), TEXT("No entry named NoSuchEntry") },
		{ TEXT("placement A B"), TEXT("Usage: placement [<CategoryHandle>]") },
		{ TEXT("placement NoSuchCategory"), TEXT("No placement category NoSuchCategory") },
		{ TEXT("viewport"), TEXT("Usage: viewport overlays") },
		{ TEXT("viewport overlays all"), TEXT("Usage: viewport overlays") },
		{ TEXT("viewport showflag Grid"), TEXT("Usage: viewport overlays") },
		{ TEXT("viewport showflag NoSuchFlag on"), TEXT("No show flag named NoSuchFlag") },
		{ TEXT("viewport showflag Grid maybe"), TEXT("A show flag is on or off, not 'maybe'") },
		{ TEXT("viewport showflag \"Grid on"), TEXT("a quote is left open") },
	});
}

TEST_F(HostCommandBadInputTest, TheDataCommandsRefuseMissingExtraAndMalformedArguments)
{
	UReflectionTestObject* Target = NewObject<UReflectionTestObject>(GetTransientPackage(), TEXT("BadInputCallTarget"));
	const FString Path = Target->GetPathName();
	const FString LongName = FString::ChrN(2000, TEXT('t'));
	ExpectAllRefused({
		{ TEXT("call"), TEXT("Usage: call <Target>.<Function>") },
		{ TEXT("call ReflectionTestObject.Add A=1 A"), TEXT("Expected Param=Value, got 'A'") },
		{ TEXT("call ReflectionTestObject.Add =1"), TEXT("Expected Param=Value, got '=1'") },
		{ TEXT("call ReflectionTestObject.Add A=(1"), TEXT("unbalanced parentheses") },
		{ TEXT("call ReflectionTestObject.Add A=1)"), TEXT("unbalanced parentheses") },
		// A name in a struct argument longer than the engine takes is refused before the engine reads it.
		{ FString::Printf(TEXT("call %s.EchoSettings InSettings=(Tag=%s)"), *Path, *LongName), TEXT("Malformed value for InSettings: it is 2006 characters long") },
		{ TEXT("livelink add-source OnlyType"), TEXT("livelink: usage: livelink") },
		{ TEXT("livelink add-source A B C"), TEXT("livelink: usage: livelink") },
		{ TEXT("livelink add-subject"), TEXT("livelink: usage: livelink") },
		{ TEXT("livelink add-subject 7 Subject LiveLinkTransformRole"), TEXT("livelink: no source '7'") },
		{ TEXT("livelink add-subject -1 Subject LiveLinkTransformRole"), TEXT("livelink: no source '-1'") },
		{ TEXT("livelink remove-source"), TEXT("livelink: usage: livelink") },
		{ TEXT("livelink remove-source 99999999999999999999"), TEXT("livelink: no source '99999999999999999999'") },
		{ TEXT("livelink push"), TEXT("livelink: usage: livelink") },
		{ TEXT("livelink push Nobody"), TEXT("livelink: no enabled subject 'Nobody'") },
		{ TEXT("livelink dance"), TEXT("livelink: unknown subcommand 'dance'") },
		{ TEXT("sequence"), TEXT("sequence: Usage: sequence <ObjectPath>") },
		{ TEXT("sequence A B"), TEXT("sequence: Usage: sequence <ObjectPath>") },
		{ TEXT("sequence Take_001"), TEXT("sequence: 'Take_001' is not an object path") },
		{ TEXT("sequence /Game/Takes/Nowhere"), TEXT("sequence: no asset at /Game/Takes/Nowhere.Nowhere") },
		{ TEXT("sequence /Game/Maps/Stage"), TEXT("is a World, not a level sequence") },
		{ TEXT("colourwheel"), TEXT("colourwheel: Usage: colourwheel new <Name>") },
		{ TEXT("colourwheel new"), TEXT("colourwheel: Usage: colourwheel new <Name>") },
		{ TEXT("colourwheel spin Wheel"), TEXT("colourwheel: unknown action 'spin'") },
		{ TEXT("colourwheel get Nowhere"), TEXT("colourwheel: no colour wheel 'Nowhere'") },
	});
	EXPECT_EQ(Target->Counter, 0);

	// A string argument may be as long as it likes: it never becomes a name.
	const FString LongText = FString::ChrN(5000, TEXT('s'));
	EXPECT_TRUE(Run(FString::Printf(TEXT("call %s.SplitText Text=\"%s\""), *Path, *LongText)));
	EXPECT_TRUE(Output.Lines.Contains(TEXT("OutFirst=") + LongText)) << TCHAR_TO_UTF8(*Output.Joined().Left(300));
}
