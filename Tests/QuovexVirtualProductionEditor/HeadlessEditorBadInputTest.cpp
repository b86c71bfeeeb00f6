// The headless-editor program given bytes that are not console text: input lines and arguments that are not
// UTF-8, NUL bytes, terminal escapes and very long lines. Each is refused with a message saying which line or
// argument and what is wrong with it, the run goes on, and the exit status says that something failed.

#include "HeadlessEditorProcess.h"

using namespace QuovexTest;
using namespace std::string_literals;

namespace
{
	class HeadlessEditorBadInputTest : public FHeadlessEditorProcessTest
	{
	};
}

TEST_F(HeadlessEditorBadInputTest, InputLinesThatAreNotTextAreRefusedWholeAndTheRunGoesOn)
{
	const FEditorRun Run = RunEditor({},
		"timecode 48/1\n"
		"timecode 50/1 \xff\xfe\n"
		"spawn /Script/Engine.Actor \"Caf\xe9\"\n"
		"timecode 60/1\x00 garbage\n"
		"timecode 72/1\x1b[2J\n"
		"timecode\n"
		"spawn /Script/Engine.Actor \"Kämera Ω\"\n"
		"actors\n"s);
	EXPECT_EQ(Run.ExitStatus, 1) << Run.Joined();
	EXPECT_TRUE(Run.Has("Error: Input line 2 is not UTF-8 text (byte 0xFF at byte 15); it was not run")) << Run.Joined();
	EXPECT_TRUE(Run.Has("Error: Input line 3 is not UTF-8 text (byte 0xE9 at byte 32); it was not run")) << Run.Joined();
	EXPECT_TRUE(Run.Has("Error: Input line 4 holds a NUL byte at byte 14; it was not run")) << Run.Joined();
	EXPECT_TRUE(Run.Has("Error: The line holds the control character U+001B at character 14; nothing was run")) << Run.Joined();
	// Only the readable lines ran: the rate is the first one's, and only the UTF-8 label was placed.
	EXPECT_TRUE(Run.Has("Timecode rate = 48/1"));
	EXPECT_FALSE(Run.Has("Timecode rate = 50/1"));
	EXPECT_FALSE(Run.Has("Timecode rate = 60/1"));
	EXPECT_FALSE(Run.Has("Timecode rate = 72/1"));
	EXPECT_LT(Run.IndexOf("Spawned Kämera Ω [Actor]"), Run.Lines.size());
	EXPECT_LT(Run.IndexOf("  Kämera Ω [Actor]"), Run.Lines.size());
	EXPECT_FALSE(Run.Has("Caf"));
	EXPECT_TRUE(Run.Has("LogExit: Exit complete"));
}

TEST_F(HeadlessEditorBadInputTest, AVeryLongLineIsRefusedWithItsLengthAndTheNextLineRuns)
{
	const std::string Long(100 * 1024, 'x');
	const FEditorRun Run = RunEditor({}, "tab open " + Long + "\nspawn /Script/Engine.Actor " + Long + "\n" + Long + "\ntimecode 24/1\n");
	EXPECT_EQ(Run.ExitStatus, 1) << Run.Joined().substr(0, 4000);
	EXPECT_TRUE(Run.Has("Error: a word is 102400 characters long; the console takes words of up to 1023")) << Run.Joined().substr(0, 4000);
	EXPECT_TRUE(Run.Has("Error: spawn: a word is 102400 characters long"));
	EXPECT_TRUE(Run.Has("Error: Unknown command: xxxx"));
	EXPECT_TRUE(Run.Has("Timecode rate = 24/1"));
	EXPECT_TRUE(Run.Has("LogExit: Exit complete"));
}

TEST_F(HeadlessEditorBadInputTest, ArgumentsThatAreNotTextStopTheRunBeforeBoot)
{
	const FEditorRun Commands = RunEditor({ "-ExecCmds=timecode 25/1; spawn /Script/Engine.Actor B\xfchne" });
	EXPECT_EQ(Commands.ExitStatus, 2) << Commands.Joined();
	EXPECT_TRUE(Commands.Has("is not UTF-8 text (byte 0xFC at byte 54)")) << Commands.Joined();
	EXPECT_FALSE(Commands.Has("Editor is up"));

	const FEditorRun Culture = RunEditor({ "-culture=d\xe9" });
	EXPECT_EQ(Culture.ExitStatus, 2) << Culture.Joined();
	EXPECT_TRUE(Culture.Has("Error: Argument 3 is not UTF-8 text (byte 0xE9 at byte 11)")) << Culture.Joined();

	// A switch without its value, or an empty project path, is refused by number rather than passed over.
	const struct
	{
		const char* Argument;
		const char* Message;
	} Missing[] = {
		{ "-userdir=", "Error: Argument 3 (-userdir=) has no value" },
		{ "-ExecCmds=", "Error: Argument 3 (-ExecCmds=) has no value" },
		{ "-culture=\"\"", "Error: Argument 3 (-culture=\"\") has no value" },
		{ "-run= ", "Error: Argument 3 (-run= ) has no value" },
		{ "", "Error: Argument 3 is empty; give a project file or leave it out" },
	};
	for (const auto& Bad : Missing)
	{
		const FEditorRun Run = RunEditor({ Bad.Argument, "-ExecCmds=timecode" });
		EXPECT_EQ(Run.ExitStatus, 2) << Bad.Argument << "\n"
									 << Run.Joined();
		EXPECT_TRUE(Run.Has(Bad.Message)) << Run.Joined();
		EXPECT_FALSE(Run.Has("Editor is up"));
	}
}

TEST_F(HeadlessEditorBadInputTest, ACommandThatFailsOnlyInTheLogFailsTheRun)
{
	// The plugin says it could not save (or close) through its log; the run must not end well all the same.
	const FEditorRun Save = RunEditor({ "-ExecCmds=Quovex.SaveAsset /Game/Takes/NoSuchTake.NoSuchTake; timecode" });
	EXPECT_EQ(Save.ExitStatus, 1) << Save.Joined();
	EXPECT_TRUE(Save.Has("LogQuovexVirtualProductionEditor: Error: Could not save asset /Game/Takes/NoSuchTake.NoSuchTake"));
	EXPECT_TRUE(Save.Has("Timecode rate = 25/1"));

	const FEditorRun Close = RunEditor({}, "Quovex.CloseFocDistWiz\n");
	EXPECT_EQ(Close.ExitStatus, 1) << Close.Joined();

	const FEditorRun Clean = RunEditor({}, "Quovex.OpenFocDistWiz\nQuovex.CloseFocDistWiz\n");
	EXPECT_EQ(Clean.ExitStatus, 0) << Clean.Joined();
}
