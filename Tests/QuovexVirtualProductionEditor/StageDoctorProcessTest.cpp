// Quovex.Doctor run as an operator or a script runs it: the headless editor's output and exit status.

#include "HeadlessEditorProcess.h"

#include <nlohmann/json.hpp>

using namespace QuovexTest;

namespace
{
	class StageDoctorProcessTest : public FHeadlessEditorProcessTest
	{
	protected:
		/** The one JSON line of a run; an empty object (and a failure) when there is none. */
		static nlohmann::json JsonLine(const FEditorRun& Run)
		{
			for (const std::string& Line : Run.Lines)
			{
				if (Line.rfind("{", 0) == 0)
				{
					return nlohmann::json::parse(Line);
				}
			}
			ADD_FAILURE() << "no JSON line in:\n"
						  << Run.Joined();
			return nlohmann::json::object();
		}
	};
}

TEST_F(StageDoctorProcessTest, TheDemoStageAsShippedHasNoProblemSoTheRunSucceeds)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=Quovex.Doctor" });
	EXPECT_EQ(Run.ExitStatus, 0) << Run.Joined();
	// The project's startup commands fed both trackers a frame, so both cameras are tracked.
	EXPECT_TRUE(Run.Has("  OK | Camera A | Quovex camera at position 0, following CamA, which sends frames.")) << Run.Joined();
	EXPECT_TRUE(Run.Has("  OK | Camera B | Quovex camera at position 1, following CamB, which sends frames."));
	EXPECT_LT(Run.IndexOf("[Timecode]"), Run.IndexOf("[Editor]"));
	EXPECT_TRUE(Run.Has("Warning: Stage doctor: no problem, 2 warnings")) << Run.Joined();

	const FEditorRun Json = RunEditor({ "-ExecCmds=Quovex.Doctor json" });
	EXPECT_EQ(Json.ExitStatus, 0) << Json.Joined();
	const nlohmann::json Report = JsonLine(Json);
	EXPECT_EQ(Report["problems"], 0);
	EXPECT_EQ(Report["warnings"], 2);
	size_t Panels = 0;
	for (const nlohmann::json& Finding : Report["findings"])
	{
		Panels += Finding["area"] == "Panels" ? 1 : 0;
	}
	EXPECT_EQ(Panels, 25u);
}

TEST_F(StageDoctorProcessTest, AProblemFailsTheRunAndTheSummaryNamesIt)
{
	// The preset renamed on disk: the project settings still name StagePreset.
	std::filesystem::rename(Temp.Path("Demo/Content/LiveLink/StagePreset.uasset.json"), Temp.Path("Demo/Content/LiveLink/StagePreset_v2.uasset.json"));
	const FEditorRun Run = RunEditor({ "-ExecCmds=Quovex.Doctor; timecode" });
	EXPECT_EQ(Run.ExitStatus, 1) << Run.Joined();
	EXPECT_TRUE(Run.Has("  Problem | LiveLinkPresetName | The project settings name the preset \"StagePreset\", but no LiveLink preset has that name (presets: StagePreset_v2), so none was applied at start-up.")) << Run.Joined();
	EXPECT_TRUE(Run.Has("Error: Stage doctor: ")) << Run.Joined();
	EXPECT_TRUE(Run.Has("Preset: LiveLinkPresetName"));
	// The run went on after it and ended cleanly.
	EXPECT_TRUE(Run.Has("Timecode rate = 25/1"));
	EXPECT_TRUE(Run.Has("LogExit: Exit complete"));
}

TEST_F(StageDoctorProcessTest, AWrongArgumentFailsTheRunWithoutExamining)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=Quovex.Doctor --json" });
	EXPECT_EQ(Run.ExitStatus, 1) << Run.Joined();
	EXPECT_TRUE(Run.Has("Error: Quovex.Doctor: unexpected argument '--json'. Usage: Quovex.Doctor [json]")) << Run.Joined();
	EXPECT_FALSE(Run.Has("Stage doctor:"));
}

TEST_F(StageDoctorProcessTest, AGameRunIsReportedNotFailedAndHelpListsTheCommand)
{
	const FEditorRun Game = RunEditor({ "-game", "-ExecCmds=Quovex.Doctor" });
	EXPECT_EQ(Game.ExitStatus, 0) << Game.Joined();
	EXPECT_TRUE(Game.Has("  Warning | Game run | The editor runs as a game")) << Game.Joined();
	EXPECT_FALSE(Game.Has("[Panels]"));

	const FEditorRun Help = RunEditor({ "-ExecCmds=help" });
	EXPECT_TRUE(Help.Has("  Quovex.Doctor - [json]: says why a camera is not tracked, a panel does not open or the preset did not apply")) << Help.Joined();
}
