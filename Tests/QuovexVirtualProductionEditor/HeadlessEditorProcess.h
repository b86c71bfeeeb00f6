// Runs the headless-editor program as an operator runs it, on a temporary copy of the demo stage:
// arguments, standard input, printed lines and exit status. Each run is a fresh process, so what a
// run saved is read back by the next as after an editor restart.
#pragma once

#include "HostTestSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace QuovexTest
{
	struct FEditorRun
	{
		/** Exit status, or -1 when the program did not exit normally (a crash). */
		int ExitStatus = -1;
		std::vector<std::string> Lines;

		bool Has(const std::string& Text) const
		{
			return IndexOf(Text) != Lines.size();
		}

		/** Index of the first line containing Text; Lines.size() when none does. */
		size_t IndexOf(const std::string& Text, size_t Start = 0) const
		{
			for (size_t Index = Start; Index < Lines.size(); ++Index)
			{
				if (Lines[Index].find(Text) != std::string::npos)
				{
					return Index;
				}
			}
			return Lines.size();
		}

		/** Lines that are neither engine log lines ("LogX: ...") nor empty: what the commands printed. */
		std::vector<std::string> CommandOutput() const
		{
			std::vector<std::string> Out;
			for (const std::string& Line : Lines)
			{
				// What the project's own startup commands printed comes before the commands of the run.
				if (Line.rfind("LogInit: Ran ", 0) == 0)
				{
					Out.clear();
				}
				if (!Line.empty() && Line.rfind("Log", 0) != 0)
				{
					Out.push_back(Line);
				}
			}
			return Out;
		}

		std::string Joined() const
		{
			std::string Text;
			for (const std::string& Line : Lines)
			{
				Text += Line + "\n";
			}
			return Text;
		}
	};

	inline std::string ShellQuote(const std::string& Arg)
	{
		std::string Quoted = "'";
		for (const char Char : Arg)
		{
			Quoted += Char == '\'' ? std::string("'\\''") : std::string(1, Char);
		}
		return Quoted + "'";
	}

	/** The demo stage copied to a temp folder, its plugins taken from this checkout, run through the real program. */
	class FHeadlessEditorProcessTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			const std::filesystem::path Demo = std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Samples/DemoStage";
			std::filesystem::copy(Demo, Temp.Path("Demo"), std::filesystem::copy_options::recursive);
			std::filesystem::remove_all(Temp.Path("Demo/Saved"));
			const std::string Plugins = (std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Plugins").generic_string();
			HostTest::WriteFile(Temp.Path("Demo/DemoStage.uproject"),
				R"({ "FileVersion": 3, "EngineAssociation": "5.3", "Plugins": [ { "Name": "QuovexSuite", "Enabled": true }, { "Name": "LiveLink", "Enabled": true } ], "AdditionalPluginDirectories": [ ")" + Plugins + R"(" ] })");
		}

		/** Runs the program on the copied project (first argument) with Input as its standard input. */
		FEditorRun RunEditor(const std::vector<std::string>& Arguments, const std::string& Input = std::string(), bool bWithProject = true)
		{
			const std::filesystem::path InputFile = Temp.Path("stdin.txt");
			HostTest::WriteFile(InputFile, Input);
			std::string Command = ShellQuote(std::string(QUOVEX_BINARIES_DIR) + "/headless-editor");
			if (bWithProject)
			{
				Command += " " + ShellQuote(Temp.Path("Demo/DemoStage.uproject").generic_string());
			}
			Command += " " + ShellQuote("-userdir=" + Temp.Path("User").generic_string() + "/");
			for (const std::string& Argument : Arguments)
			{
				Command += " " + ShellQuote(Argument);
			}
			Command += " < " + ShellQuote(InputFile.generic_string()) + " 2>&1";

			FEditorRun Run;
			FILE* Pipe = popen(Command.c_str(), "r");
			if (Pipe == nullptr)
			{
				ADD_FAILURE() << "could not start " << Command;
				return Run;
			}
			std::string Text;
			char Buffer[4096];
			size_t Read = 0;
			while ((Read = fread(Buffer, 1, sizeof(Buffer), Pipe)) > 0)
			{
				Text.append(Buffer, Read);
			}
			const int Status = pclose(Pipe);
			Run.ExitStatus = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
			std::istringstream Stream(Text);
			for (std::string Line; std::getline(Stream, Line);)
			{
				Run.Lines.push_back(Line);
			}
			return Run;
		}

		HostTest::FScopedTempDir Temp;
	};
}
