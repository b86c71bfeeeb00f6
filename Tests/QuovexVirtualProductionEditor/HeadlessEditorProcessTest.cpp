// The headless-editor program run as an operator runs it: arguments, commands from -ExecCmds and from
// standard input, its printed output and its exit status, on a temporary copy of the demo stage.

#include "HeadlessEditorProcess.h"

using namespace QuovexTest;

namespace
{
	class HeadlessEditorProcessTest : public FHeadlessEditorProcessTest
	{
	};
}

TEST_F(HeadlessEditorProcessTest, BindingsPrintsTheOperatorCommandsInRegistrationOrder)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=bindings QuovexCommands" });
	ASSERT_EQ(Run.ExitStatus, 0) << Run.Joined();

	// Name | label | tooltip, in the order the command set registers them.
	const std::vector<std::string> Expected = {
		"OpenOrvaneView | Orvane Panel | Open the Orvane management panel",
		"ReconnectToSwitcher | Reconnect to Switcher | Reconnect to the Switcher",
		"ResetTakeRecorder | Reset Take Recorder | Reset the Take Recorder settings",
		"OpenTakeRecorder | Take Recorder | Open the Take Recorder panel",
		"OpenTakeLog | Take Log | Open the Take Log panel",
		"OpenTakeImporter | Take Importer | Open the Take Importer panel",
		"ReconnectToKeyer | Reconnect Keyer | Reconnect to the Keyer",
		"OpenVideoController | Video Controller | Open Video Controller",
		"OpenBeamInManager | Beam In Manager | Open Beam In Manager",
		"OpenStatus | Status | Open Status",
		"ResetLayoutsDirectory | Reset Layouts Directory | Reset Layouts Directory",
		"ResetViewports | Reset Viewports | Reset all open Viewports to default settings",
		"OpenCameraMonitor | Camera Monitor | Open Camera Monitor",
		"OpenExternalRecorderMonitor | External Recorder Monitor | Open External Recorder Monitor",
		"OpenAnimationControl | Animation Control | Open Animation Control",
		"OpenStageManager | Stage Manager Panel | Open the Quovex Stage management panel",
		"OpenCaldraManager | Caldra | Open Caldra panel",
		"OpenLensCalSequenceGenerator | Lens Cal Sequence Generator | Open Lens Cal Sequence Generator",
		"OpenMeshBuilder | Mesh Builder | Open the tracking based mesh builder",
		"OpenLensTweaker | Lens Tweaker | Open Lens Tweaker Pannel",
		"OpenFocalDistanceWizard | Focal Distance Wizard | Open Focal Distance Wizard",
		"OpenNearWideGraph | Near Wide Tweak Graph | Open Near Wide Tweak Graph",
		"OpenKeyer | Quovex Keyer | Open Keyer",
		"ToggleQuovexFillViewportCommand | Quovex Output | A viewport layout tailored to Quovex VP SDI output",
		"OpenXRController | XR Controller | Open the XR controller panel",
		"OpenXRMultiCam | XR Multi Cam | Open the XR Multi Cam panel",
		"OpenXRCameraPPSettings | XR Camera Settings | Open XR Camera Post Process Settings details view",
		"OpenXRColorTransfer | XR Color Transfer | Open the XR Color Transfer panel",
	};
	const std::vector<std::string> Printed = Run.CommandOutput();
	ASSERT_EQ(Printed.size(), Expected.size()) << Run.Joined();
	for (size_t Index = 0; Index < Expected.size(); ++Index)
	{
		EXPECT_EQ(Printed[Index].rfind(Expected[Index] + " | ", 0), 0u) << Printed[Index];
	}
	EXPECT_EQ(Printed[23], "ToggleQuovexFillViewportCommand | Quovex Output | A viewport layout tailored to Quovex VP SDI output | RadioButton | (none) | (none)");
	// It shut down cleanly after the commands, in the engine's order.
	EXPECT_LT(Run.IndexOf("Editor is up"), Run.IndexOf("OpenOrvaneView"));
	EXPECT_LT(Run.IndexOf("LogExit: Shutting down"), Run.IndexOf("LogExit: Exit complete"));
	EXPECT_TRUE(Run.Has("LogExit: Exit complete"));
}

TEST_F(HeadlessEditorProcessTest, AnUnknownOrMalformedCommandGivesAMessageAndAFailingExitStatus)
{
	const FEditorRun Unknown = RunEditor({ "-ExecCmds=frobnicate the stage; timecode" });
	EXPECT_EQ(Unknown.ExitStatus, 1) << Unknown.Joined();
	EXPECT_TRUE(Unknown.Has("Error: Unknown command: frobnicate the stage")) << Unknown.Joined();
	// The commands after it still ran, and the editor shut down cleanly rather than crashing.
	EXPECT_TRUE(Unknown.Has("Timecode rate = 25/1")) << Unknown.Joined();
	EXPECT_TRUE(Unknown.Has("LogExit: Exit complete"));

	const FEditorRun Malformed = RunEditor({ "-ExecCmds=timecode 25" });
	EXPECT_EQ(Malformed.ExitStatus, 1) << Malformed.Joined();
	EXPECT_TRUE(Malformed.Has("Malformed frame rate '25'"));

	// A plugin command given the wrong arguments fails the run too.
	const FEditorRun BadPluginCommand = RunEditor({ "-ExecCmds=Quovex.IsPlaying now" });
	EXPECT_EQ(BadPluginCommand.ExitStatus, 1) << BadPluginCommand.Joined();
	EXPECT_TRUE(BadPluginCommand.Has("Error: Usage: Quovex.IsPlaying"));

	const FEditorRun Clean = RunEditor({ "-ExecCmds=Quovex.IsPlaying; timecode" });
	EXPECT_EQ(Clean.ExitStatus, 0) << Clean.Joined();
	EXPECT_EQ(Clean.CommandOutput(), (std::vector<std::string>{ "false", "Timecode rate = 25/1" }));
}

TEST_F(HeadlessEditorProcessTest, CommandsAreReadFromStandardInputAfterExecCmdsUntilQuit)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=timecode 24000/1001" },
		"timecode\r\n"
		"\n"
		"Quovex.SetLevelSequenceDefaultRates\n"
		"LevelSequence.DefaultDisplayRate\n"
		"quit\n"
		"frobnicate\n");
	EXPECT_EQ(Run.ExitStatus, 0) << Run.Joined();
	const std::vector<std::string> Printed = Run.CommandOutput();
	ASSERT_GE(Printed.size(), 3u) << Run.Joined();
	EXPECT_EQ(Printed[0], "Timecode rate = 24000/1001");
	EXPECT_EQ(Printed[1], "Timecode rate = 24000/1001");
	EXPECT_EQ(Printed.back(), "LevelSequence.DefaultDisplayRate = \"23.98fps\"") << Run.Joined();
	// Nothing after quit runs; a non-terminal input gets no prompt.
	EXPECT_FALSE(Run.Has("frobnicate"));
	EXPECT_FALSE(Run.Has("> "));

	// Without quit, the end of the input ends the run.
	const FEditorRun ToTheEnd = RunEditor({}, "timecode 50/1\ntimecode");
	EXPECT_EQ(ToTheEnd.ExitStatus, 0) << ToTheEnd.Joined();
	EXPECT_EQ(ToTheEnd.CommandOutput(), (std::vector<std::string>{ "Timecode rate = 50/1", "Timecode rate = 50/1" }));
	EXPECT_TRUE(ToTheEnd.Has("LogExit: Exit complete"));

	// A failure read from standard input fails the run as one from -ExecCmds does.
	const FEditorRun Failing = RunEditor({}, "tab open NoSuchSpawner\n");
	EXPECT_EQ(Failing.ExitStatus, 1) << Failing.Joined();
	EXPECT_TRUE(Failing.Has("Error: No tab spawner named NoSuchSpawner"));
}

TEST_F(HeadlessEditorProcessTest, AGameRunStartsWithoutTheEditor)
{
	const FEditorRun Run = RunEditor({ "-game", "-ExecCmds=modules; actors" });
	EXPECT_EQ(Run.ExitStatus, 0) << Run.Joined();
	EXPECT_TRUE(Run.Has("LogInit: Booting game for project"));
	EXPECT_TRUE(Run.Has("LogInit: Game is up"));
	EXPECT_TRUE(Run.Has("  QuovexVirtualProductionEditor (phase PostEngineInit, plugin QuovexSuite)")) << Run.Joined();
	// Editor-only engine modules stay unloaded in a game.
	EXPECT_FALSE(Run.Has("  LevelEditor ("));
	EXPECT_FALSE(Run.Has("  Blutility ("));
	EXPECT_TRUE(Run.Has("World /Game/Maps/Stage (game), ")) << Run.Joined();

	// The level editor's tabs do not exist in a game.
	const FEditorRun Tabs = RunEditor({ "-game", "-ExecCmds=tabs" });
	EXPECT_EQ(Tabs.ExitStatus, 1) << Tabs.Joined();
	EXPECT_TRUE(Tabs.Has("Error: The level editor has no tab manager (is this a game run?)"));

	// The editor, by contrast, has them.
	const FEditorRun Editor = RunEditor({ "-ExecCmds=modules; tabs" });
	EXPECT_EQ(Editor.ExitStatus, 0) << Editor.Joined();
	EXPECT_TRUE(Editor.Has("  LevelEditor (engine module, loaded on demand)"));
	EXPECT_TRUE(Editor.Has("Tab spawners ("));
}

TEST_F(HeadlessEditorProcessTest, LiveLinkShowsThePresetsSubjects)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=livelink" });
	EXPECT_EQ(Run.ExitStatus, 0) << Run.Joined();
	EXPECT_TRUE(Run.Has("LiveLink subjects (3):")) << Run.Joined();
	const size_t CamA = Run.IndexOf("  CamA | role: QuovexLiveLinkRole | enabled");
	const size_t CamB = Run.IndexOf("  CamB | role: QuovexLiveLinkRole | enabled");
	const size_t Origin = Run.IndexOf("  StageOrigin | role: LiveLinkTransformRole | enabled");
	EXPECT_LT(CamA, CamB) << Run.Joined();
	EXPECT_LT(CamB, Origin) << Run.Joined();
	EXPECT_LT(Origin, Run.Lines.size());
}

TEST_F(HeadlessEditorProcessTest, BadProgramArgumentsFailBeforeOrAtBoot)
{
	const FEditorRun TwoProjects = RunEditor({ Temp.Path("Demo/DemoStage.uproject").generic_string() });
	EXPECT_EQ(TwoProjects.ExitStatus, 2) << TwoProjects.Joined();
	EXPECT_TRUE(TwoProjects.Has("Only one project can be opened"));

	const FEditorRun Commandlet = RunEditor({ "-run=ResavePackages" });
	EXPECT_EQ(Commandlet.ExitStatus, 1) << Commandlet.Joined();
	EXPECT_TRUE(Commandlet.Has("Unknown commandlet 'ResavePackages'"));

	const FEditorRun Missing = RunEditor({ Temp.Path("Nowhere/Nowhere.uproject").generic_string() }, std::string(), false);
	EXPECT_EQ(Missing.ExitStatus, 1) << Missing.Joined();
	EXPECT_TRUE(Missing.Has("Could not find the project file"));

	// An unknown culture on the command line only warns; the run goes on in English.
	const FEditorRun Culture = RunEditor({ "-culture=xx-Nowhere", "-ExecCmds=culture" });
	EXPECT_EQ(Culture.ExitStatus, 0) << Culture.Joined();
	EXPECT_TRUE(Culture.Has("Unknown culture 'xx-Nowhere'"));
	EXPECT_TRUE(Culture.Has("Culture = en"));
}

TEST_F(HeadlessEditorProcessTest, CallReachesThePluginsFunctionLibrary)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=call QuovexEditorFunctionLibrary.SLessThan StringA=apple StringB=banana; call QuovexEditorFunctionLibrary.IsPIE" });
	EXPECT_EQ(Run.ExitStatus, 0) << Run.Joined();
	EXPECT_EQ(Run.CommandOutput(), (std::vector<std::string>{ "ReturnValue=True", "ReturnValue=False" })) << Run.Joined();

	const FEditorRun Bad = RunEditor({ "-ExecCmds=call QuovexEditorFunctionLibrary.SLessThan StringC=x" });
	EXPECT_EQ(Bad.ExitStatus, 1) << Bad.Joined();
	EXPECT_TRUE(Bad.Has("Error: SLessThan has no parameter 'StringC' (parameters: StringA, StringB)")) << Bad.Joined();
}

TEST_F(HeadlessEditorProcessTest, TheDemoStageShowsItsActiveCameraAndLensReadoutsAndWatchesChanges)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=Quovex.WatchEvents; call QuovexVPEditorSubsystem.SetActiveCameraIndex CameraIndex=1; call QuovexVPEditorSubsystem.GetCurrentQuovexCameraZoomFocus" });
	EXPECT_EQ(Run.ExitStatus, 0) << Run.Joined();
	// The project's startup lines fed the trackers' first frames and read Camera A's lens.
	EXPECT_LT(Run.IndexOf("Camera A (index 0)"), Run.IndexOf("sZoom=20.0%")) << Run.Joined();
	EXPECT_TRUE(Run.Has("sFocus=50.00%")) << Run.Joined();
	EXPECT_TRUE(Run.Has("LogQuovexVirtualProductionEditor: Active camera changed: Camera B (index 1)")) << Run.Joined();
	EXPECT_TRUE(Run.Has("LogQuovexVirtualProductionEditor: ActiveCameraChangedDelegate broadcast")) << Run.Joined();
	const std::vector<std::string> Printed = Run.CommandOutput();
	EXPECT_EQ(Printed, (std::vector<std::string>{ "Watching the VP subsystem's events", "ReturnValue=True", "Zoom=65535", "Focus=1000" })) << Run.Joined();
}

TEST_F(HeadlessEditorProcessTest, BadSubsystemCommandsFailTheRunAndChangeNothing)
{
	const FEditorRun Run = RunEditor({ "-ExecCmds=livelink push Nobody RawZoom=1; livelink push CamA RawZoom=wide; call QuovexVPEditorSubsystem.Fly; Quovex.FindCamera Dolly; Quovex.ActiveCamera" });
	EXPECT_EQ(Run.ExitStatus, 1) << Run.Joined();
	EXPECT_TRUE(Run.Has("no enabled subject 'Nobody'")) << Run.Joined();
	EXPECT_TRUE(Run.Has("'wide' is not a value of")) << Run.Joined();
	EXPECT_TRUE(Run.Has("No Quovex camera named Dolly in the current world")) << Run.Joined();
	EXPECT_TRUE(Run.Has("LogExit: Exit complete"));
	EXPECT_EQ(Run.CommandOutput().back(), "Camera A (index 0)") << Run.Joined();
}
