// The editor host: boot and shut-down in the engine's order, bad projects, the console and its exit status.

#include "HostTestSupport.h"

#include "EditorHost.h"
#include "HAL/IConsoleManager.h"
#include "HostConsole.h"
#include "HostLogCapture.h"
#include "Internationalization/Internationalization.h"
#include "Internationalization/Text.h"
#include "Misc/App.h"
#include "Misc/CoreDelegates.h"
#include "Misc/CoreMisc.h"
#include "Misc/Paths.h"
#include "CoreGlobals.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

#include <vector>

using namespace HostTest;

namespace
{
	class FLinesDevice : public FOutputDevice
	{
	public:
		void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.push_back(Utf8(FString(V)));
		}

		bool Has(const std::string& Text) const
		{
			for (const std::string& Line : Lines)
			{
				if (Line.find(Text) != std::string::npos)
				{
					return true;
				}
			}
			return false;
		}

		size_t IndexOf(const std::string& Text) const
		{
			for (size_t Index = 0; Index < Lines.size(); ++Index)
			{
				if (Lines[Index].find(Text) != std::string::npos)
				{
					return Index;
				}
			}
			return size_t(-1);
		}

		std::vector<std::string> Lines;
	};

	/** Projects in a temp folder; the host is shut down after every test. */
	class HostTest : public ::testing::Test
	{
	protected:
		void TearDown() override
		{
			FEditorHost::Shutdown();
		}

		FEditorHostOptions Options(const std::string& ProjectFile = std::string())
		{
			FEditorHostOptions Result;
			Result.ProjectFile = ProjectFile.empty() ? FString() : Temp.Str(ProjectFile);
			Result.UserDir = Temp.Str("User");
			Result.BinariesDir = FString(TEXT(QUOVEX_BINARIES_DIR));
			return Result;
		}

		/** A project without plugins of its own. */
		void WriteBareProject(const std::string& EngineIni = std::string())
		{
			WriteFile(Temp.Path("Bare/Bare.uproject"), R"({ "FileVersion": 3, "EngineAssociation": "5.3", "Plugins": [] })");
			WriteFile(Temp.Path("Bare/Config/DefaultEngine.ini"), EngineIni);
		}

		/** The demo project's files with its plugin folder pointing at this checkout's plugins. */
		void CopyDemoProject()
		{
			const std::filesystem::path Demo = std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Samples/DemoStage";
			std::filesystem::copy(Demo, Temp.Path("Demo"), std::filesystem::copy_options::recursive);
			const std::string Plugins = (std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Plugins").generic_string();
			WriteFile(Temp.Path("Demo/DemoStage.uproject"),
				R"({ "FileVersion": 3, "EngineAssociation": "5.3", "Plugins": [ { "Name": "QuovexSuite", "Enabled": true } ], "AdditionalPluginDirectories": [ ")" + Plugins + R"(" ] })");
		}

		FScopedTempDir Temp;
	};
}

TEST_F(HostTest, MissingOrUnreadableProjectsFailCleanly)
{
	FHostLogCapture Log;
	EXPECT_FALSE(FEditorHost::Boot(Options("Nowhere/Nowhere.uproject")));
	EXPECT_TRUE(Log.Contains(TEXT("Could not find the project file")));
	EXPECT_FALSE(FEditorHost::IsBooted());

	WriteFile(Temp.Path("Broken/Broken.uproject"), "{ \"FileVersion\": 3, \"Plugins\": [ ");
	EXPECT_FALSE(FEditorHost::Boot(Options("Broken/Broken.uproject")));
	EXPECT_TRUE(Log.Contains(TEXT("Not valid JSON")));
	EXPECT_FALSE(FEditorHost::IsBooted());
	// Nothing of the failed boots stays behind.
	EXPECT_FALSE(FPaths::IsProjectFilePathSet());
}

TEST_F(HostTest, ProjectConfigSetsTimecodeAndBadLinesOnlyWarn)
{
	WriteBareProject(
		"[/Script/Engine.Engine]\n"
		"GenerateDefaultTimecodeFrameRate=(Numerator=24000,Denominator=1001)\n"
		"garbage without equals\n");
	FHostLogCapture Log;
	ASSERT_TRUE(FEditorHost::Boot(Options("Bare/Bare.uproject")));
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(24000, 1001));
	EXPECT_TRUE(Log.Contains(TEXT("DefaultEngine.ini:3:")));
	EXPECT_EQ(Utf8(FString(FApp::GetProjectName())), "Bare");

	FEditorHost::Shutdown();
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(30, 1));
}

TEST_F(HostTest, MalformedTimecodeRateKeepsTheDefault)
{
	WriteBareProject("[/Script/Engine.Engine]\nGenerateDefaultTimecodeFrameRate=(Numerator=abc,Denominator=1)\n");
	FHostLogCapture Log;
	ASSERT_TRUE(FEditorHost::Boot(Options("Bare/Bare.uproject")));
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(30, 1));
	EXPECT_TRUE(Log.Contains(TEXT("GenerateDefaultTimecodeFrameRate")));
}

TEST_F(HostTest, ConsoleRunsCommandsAndRemembersFailures)
{
	WriteBareProject();
	ASSERT_TRUE(FEditorHost::Boot(Options("Bare/Bare.uproject")));
	IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Host.Value"), TEXT("one"), TEXT(""));
	FLinesDevice Out;

	EXPECT_TRUE(FEditorHost::Exec(TEXT("help"), Out));
	EXPECT_TRUE(Out.Has("modules - "));
	EXPECT_TRUE(Out.Has("timecode - "));
	EXPECT_TRUE(FEditorHost::Exec(TEXT("Test.Host.Value"), Out));
	EXPECT_EQ(Out.Lines.back(), "Test.Host.Value = \"one\"");
	EXPECT_TRUE(FEditorHost::ExecSequence(TEXT("Test.Host.Value two; timecode 30000/1001"), Out));
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(30000, 1001));
	EXPECT_FALSE(FEditorHost::HasCommandFailed());

	EXPECT_FALSE(FEditorHost::Exec(TEXT("timecode 30000"), Out));
	EXPECT_TRUE(Out.Has("Malformed frame rate"));
	EXPECT_EQ(FApp::GetTimecodeFrameRate(), FFrameRate(30000, 1001));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("log NoSuchCategory Verbose"), Out));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("frobnicate the stage"), Out));
	EXPECT_EQ(Out.Lines.back(), "Unknown command: frobnicate the stage");
	EXPECT_TRUE(FEditorHost::HasCommandFailed());

	EXPECT_FALSE(FEditorHost::IsQuitRequested());
	EXPECT_TRUE(FEditorHost::ExecSequence(TEXT("quit; frobnicate"), Out));
	EXPECT_TRUE(FEditorHost::IsQuitRequested());
	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.Host.Value"));
}

TEST_F(HostTest, RegisteredCommandsAppearInHelpAndDecideSuccess)
{
	WriteBareProject();
	ASSERT_TRUE(FEditorHost::Boot(Options("Bare/Bare.uproject")));
	FString Received;
	{
		FHostConsoleCommandRegistrant Command(TEXT("testecho"), TEXT("echoes its arguments"), [&Received](const FString& Args, FOutputDevice& Ar) {
			Received = Args;
			return !Args.IsEmpty();
		});
		FLinesDevice Out;
		EXPECT_TRUE(FEditorHost::Exec(TEXT("help"), Out));
		EXPECT_TRUE(Out.Has("testecho - echoes its arguments"));
		EXPECT_TRUE(FEditorHost::Exec(TEXT("  TestEcho   a  b "), Out));
		EXPECT_EQ(Utf8(Received), "a  b");
		EXPECT_FALSE(FEditorHost::HasCommandFailed());
		EXPECT_FALSE(FEditorHost::Exec(TEXT("testecho"), Out));
		EXPECT_TRUE(FEditorHost::HasCommandFailed());
	}
	FLinesDevice After;
	EXPECT_FALSE(FEditorHost::Exec(TEXT("testecho x"), After));
	EXPECT_EQ(After.Lines.back(), "Unknown command: testecho x");
}

TEST_F(HostTest, ShutdownRunsPreExitBeforeModulesShutDown)
{
	struct FProbeModule : public IModuleInterface
	{
		static std::vector<std::string>& Order()
		{
			static std::vector<std::string> Events;
			return Events;
		}
		void ShutdownModule() override { Order().push_back("module shutdown"); }
		static IModuleInterface* Create() { return new FProbeModule(); }
	};
	WriteBareProject();
	ASSERT_TRUE(FEditorHost::Boot(Options("Bare/Bare.uproject")));
	FModuleManager::RegisterLinkedModule(TEXT("TestHostProbe"), &FProbeModule::Create);
	ASSERT_NE(FModuleManager::Get().LoadModule(TEXT("TestHostProbe")), nullptr);
	const FDelegateHandle PreExit = FCoreDelegates::OnPreExit.AddLambda([] { FProbeModule::Order().push_back("pre-exit"); });
	const FDelegateHandle Exit = FCoreDelegates::OnExit.AddLambda([] { FProbeModule::Order().push_back("exit"); });

	FEditorHost::Shutdown();
	EXPECT_EQ(FProbeModule::Order(), (std::vector<std::string>{ "pre-exit", "module shutdown", "exit" }));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("TestHostProbe")));
	EXPECT_FALSE(FEditorHost::IsBooted());
	FCoreDelegates::OnPreExit.Remove(PreExit);
	FCoreDelegates::OnExit.Remove(Exit);
}

TEST_F(HostTest, TranslationsFollowTheCulture)
{
	WriteBareProject();
	WriteFile(Temp.Path("Bare/Content/Localization/de.json"),
		R"({ "HostTest": { "Greeting": { "Source": "Hello", "Translation": "Hallo" } } })");
	WriteFile(Temp.Path("Bare/Content/Localization/fr.json"), "{ not json");
	FEditorHostOptions BootOptions = Options("Bare/Bare.uproject");
	BootOptions.Culture = TEXT("de");
	FHostLogCapture Log;
	ASSERT_TRUE(FEditorHost::Boot(BootOptions));
	EXPECT_TRUE(Log.Contains(TEXT("fr.json")));

	const FText Greeting = FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(TEXT("Hello"), TEXT("HostTest"), TEXT("Greeting"));
	EXPECT_EQ(Utf8(Greeting.ToString()), "Hallo");
	FLinesDevice Out;
	EXPECT_TRUE(FEditorHost::Exec(TEXT("culture en"), Out));
	EXPECT_EQ(Utf8(Greeting.ToString()), "Hello");
	EXPECT_TRUE(FEditorHost::Exec(TEXT("culture"), Out));
	EXPECT_EQ(Out.Lines.back(), "Culture = en");
}

TEST_F(HostTest, DemoProjectLoadsThePluginModulesByPhase)
{
	CopyDemoProject();
	ASSERT_TRUE(FEditorHost::Boot(Options("Demo/DemoStage.uproject")));
	FLinesDevice Out;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("modules"), Out));
	const size_t Runtime = Out.IndexOf("QuovexVirtualProduction (phase Default, plugin QuovexSuite)");
	const size_t Editor = Out.IndexOf("QuovexVirtualProductionEditor (phase PostEngineInit, plugin QuovexSuite)");
	ASSERT_NE(Runtime, size_t(-1));
	ASSERT_NE(Editor, size_t(-1));
	EXPECT_LT(Runtime, Editor);
	EXPECT_FALSE(IsRunningGame());

	FEditorHost::Shutdown();
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("QuovexVirtualProductionEditor")));
}

TEST_F(HostTest, GameRunStillLoadsEditorModulesOfAnEditorBuild)
{
	CopyDemoProject();
	FEditorHostOptions GameOptions = Options("Demo/DemoStage.uproject");
	GameOptions.bRunningGame = true;
	ASSERT_TRUE(FEditorHost::Boot(GameOptions));
	EXPECT_TRUE(IsRunningGame());
	EXPECT_FALSE(GIsEditor);
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("QuovexVirtualProductionEditor")));
}
