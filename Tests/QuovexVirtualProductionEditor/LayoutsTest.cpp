// The plugin's layout files copied into the editor's user layout directory: from the project's copy of
// the plugin before the engine's, over files of the same name, at every start and on the command.

#include "QuovexEditorTestFixture.h"

#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandList.h"
#include "HAL/IConsoleManager.h"
#include "IPlacementModeModule.h"
#include "Settings/EditorLoadingSavingSettings.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace QuovexTest;

namespace
{
	class LayoutsTest : public FQuovexEditorTest
	{
	protected:
		void SetUp() override
		{
			FQuovexEditorTest::SetUp();
			// An engine folder of our own, with the engine plugins the demo stage enables.
			const std::filesystem::path EnginePlugins = std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Engine/Plugins";
			std::filesystem::create_directories(Temp.Path("Engine"));
			std::filesystem::copy(EnginePlugins, Temp.Path("Engine/Plugins"), std::filesystem::copy_options::recursive);
			// The project's copy of the plugin, as the demo stage carries it, is what each test arranges.
			std::filesystem::remove_all(Temp.Path("Demo/Plugins"));
		}

		bool BootWithEngine()
		{
			FEditorHostOptions Options;
			Options.ProjectFile = Temp.Str("Demo/DemoStage.uproject");
			Options.UserDir = Temp.Str("User");
			Options.EngineDir = Temp.Str("Engine") + TEXT("/");
			Options.BinariesDir = FString(TEXT(QUOVEX_BINARIES_DIR));
			return FEditorHost::Boot(Options);
		}

		/** Puts a plugin layouts folder (relative to the temp folder) holding files of the given names and contents. */
		void WriteLayouts(const std::string& Folder, const std::vector<std::pair<std::string, std::string>>& Files)
		{
			for (const std::pair<std::string, std::string>& File : Files)
			{
				HostTest::WriteFile(Temp.Path(Folder + "/QuovexSuite/Content/Layouts/" + File.first), File.second);
			}
		}

		/** The plugin's layouts in the project, as the demo stage carries them. */
		void SetUpDemoLayouts()
		{
			std::filesystem::copy(std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Samples/DemoStage/Plugins", Temp.Path("Demo/Plugins"), std::filesystem::copy_options::recursive);
		}

		std::filesystem::path UserLayout(const std::string& Name) const
		{
			return Temp.Path("User/Saved/Config/Layouts/" + Name);
		}

		/** The user layout directory's files and their contents, sorted by name. */
		std::vector<std::pair<std::string, std::string>> UserLayouts() const
		{
			std::vector<std::pair<std::string, std::string>> Files;
			const std::filesystem::path Dir = Temp.Path("User/Saved/Config/Layouts");
			if (std::filesystem::exists(Dir))
			{
				for (const std::filesystem::directory_entry& Entry : std::filesystem::recursive_directory_iterator(Dir))
				{
					if (Entry.is_regular_file())
					{
						Files.emplace_back(std::filesystem::relative(Entry.path(), Dir).generic_string(), HostTest::ReadFile(Entry.path()));
					}
				}
			}
			std::sort(Files.begin(), Files.end());
			return Files;
		}

		int32 LayoutErrors() const
		{
			int32 Count = 0;
			for (const FString& Line : Log.GetLines())
			{
				Count += Line == TEXT("LogQuovexVirtualProductionEditor: Error: Could not find the plugins Layouts directory") ? 1 : 0;
			}
			return Count;
		}

		static void ExecuteResetLayouts()
		{
			TArray<TSharedPtr<FUICommandInfo>> Commands;
			FInputBindingManager::Get().GetCommandInfosFromContext(TEXT("QuovexCommands"), Commands);
			const TSharedPtr<FUICommandInfo>* Reset = Commands.FindByPredicate([](const TSharedPtr<FUICommandInfo>& Info) { return Info->GetCommandName() == FName(TEXT("ResetLayoutsDirectory")); });
			ASSERT_NE(Reset, nullptr);
			EXPECT_TRUE(EditorModule()->GetCommandList()->ExecuteAction(Reset->ToSharedRef()));
		}

		FHostLogCapture Log;
	};
}

TEST_F(LayoutsTest, TheProjectsCopyOfThePluginIsPreferredToTheEngines)
{
	WriteLayouts("Demo/Plugins", { { "Stage.ini", "project" }, { "Sub/Deep.ini", "project deep" } });
	WriteLayouts("Engine/Plugins", { { "Stage.ini", "engine" }, { "EngineOnly.ini", "engine only" } });
	ASSERT_TRUE(BootWithEngine());
	EXPECT_EQ(UserLayouts(), (std::vector<std::pair<std::string, std::string>>{ { "Stage.ini", "project" }, { "Sub/Deep.ini", "project deep" } }));
	EXPECT_EQ(LayoutErrors(), 0);
}

TEST_F(LayoutsTest, WithThePluginOnlyInTheEngineTheEnginesCopyIsUsed)
{
	WriteLayouts("Engine/Plugins", { { "Stage.ini", "engine" } });
	ASSERT_TRUE(BootWithEngine());
	EXPECT_EQ(UserLayouts(), (std::vector<std::pair<std::string, std::string>>{ { "Stage.ini", "engine" } }));
}

TEST_F(LayoutsTest, ALayoutOfTheSameNameIsOverwrittenAndOthersStayAndTwiceIsOnce)
{
	WriteLayouts("Demo/Plugins", { { "Stage.ini", "plugin" } });
	HostTest::WriteFile(UserLayout("Stage.ini"), "changed by the operator");
	HostTest::WriteFile(UserLayout("Mine.ini"), "the operator's own");
	ASSERT_TRUE(BootWithEngine());
	const std::vector<std::pair<std::string, std::string>> Expected = { { "Mine.ini", "the operator's own" }, { "Stage.ini", "plugin" } };
	EXPECT_EQ(UserLayouts(), Expected);

	// The command restores a layout the operator changed again, and repeating it changes nothing more.
	HostTest::WriteFile(UserLayout("Stage.ini"), "changed again");
	ExecuteResetLayouts();
	EXPECT_EQ(UserLayouts(), Expected);
	ExecuteResetLayouts();
	EXPECT_EQ(UserLayouts(), Expected);
}

TEST_F(LayoutsTest, WithoutEitherCopyOneErrorIsLoggedAndStartUpGoesOn)
{
	ASSERT_TRUE(BootWithEngine());
	EXPECT_EQ(LayoutErrors(), 1);
	EXPECT_TRUE(UserLayouts().empty());
	// The steps after it still ran.
	EXPECT_FALSE(GetDefault<UEditorLoadingSavingSettings>()->bAutoSaveEnable);
	EXPECT_NE(IPlacementModeModule::Get().GetRegisteredPlacementCategory(TEXT("Quovex")), nullptr);

	ExecuteResetLayouts();
	EXPECT_EQ(LayoutErrors(), 2);
}

TEST_F(LayoutsTest, AnUnwritableDestinationIsNeitherReportedNorFatal)
{
	WriteLayouts("Demo/Plugins", { { "Stage.ini", "plugin" } });
	// A file where the layout directory should be: nothing can be copied into it.
	HostTest::WriteFile(Temp.Path("User/Saved/Config/Layouts"), "in the way");
	ASSERT_TRUE(BootWithEngine());
	EXPECT_EQ(HostTest::ReadFile(Temp.Path("User/Saved/Config/Layouts")), "in the way");
	EXPECT_EQ(LayoutErrors(), 0);
	ExecuteResetLayouts();
	EXPECT_EQ(HostTest::ReadFile(Temp.Path("User/Saved/Config/Layouts")), "in the way");
}

TEST_F(LayoutsTest, ThePluginShipsOperatorAndOutputLayoutsInTheEnginesLayoutFormat)
{
	// The demo stage carries the plugin's layouts where a project install would.
	SetUpDemoLayouts();
	ASSERT_TRUE(BootWithEngine());
	for (const char* Name : { "QuovexOperatorLayout.ini", "QuovexOutputLayout.ini" })
	{
		SCOPED_TRACE(Name);
		const std::string Text = HostTest::ReadFile(UserLayout(Name));
		EXPECT_EQ(Text.rfind("[EditorLayouts]\n", 0), 0u);
		EXPECT_NE(Text.find("\nLayoutName=NSLOCTEXT(\"LayoutNamespace\", "), std::string::npos);
		EXPECT_NE(Text.find("\nLayoutDescription=NSLOCTEXT("), std::string::npos);
		EXPECT_NE(Text.find("\nUnrealEd_Layout_v1.5=(\n\t\"Type\": \"Layout\",\n\t\"Name\": \"UnrealEd_Layout_v1.5\","), std::string::npos);
		EXPECT_NE(Text.find("\nLevelEditor_Layout_v1.8=(\n\t\"Type\": \"Layout\",\n\t\"Name\": \"LevelEditor_Layout_v1.8\","), std::string::npos);
		EXPECT_NE(Text.find("\"TabId\": \"LevelEditorViewport\""), std::string::npos);
	}
	// The output layout has the viewport on its own; the operator layout puts the output tab on a second screen.
	EXPECT_NE(HostTest::ReadFile(UserLayout("QuovexOperatorLayout.ini")).find("\"TabId\": \"QuovexFOutputViewport\""), std::string::npos);
}
