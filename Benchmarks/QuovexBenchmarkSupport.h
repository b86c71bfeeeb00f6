// Shared by the benchmark programs: a temporary copy of the demo stage (with the plugin, without it, or with its
// editor module left for the caller to load), one editor per process, and programs timed as child processes.
//
// A process boots the editor once: modules are never unloaded from a process, so the plugin's state of one boot
// would leak into the next. Each program ends with QUOVEX_BENCHMARK_MAIN(), which shuts that editor down.
#pragma once

#include "HostTestSupport.h"

#include "CoreMinimal.h"
#include "EditorHost.h"
#include "EditorUtilityWidget.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "HostLogCapture.h"
#include "QuovexTabManager.h"
#include "UObject/UObjectGlobals.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>

extern char** environ;

namespace QuovexBenchmark
{
	enum class EPluginSetup
	{
		/** The demo project as shipped: the plugin enabled, every module in its loading phase. */
		Enabled,
		/** The plugin enabled, but its editor module left out of every loading phase (the caller loads it). */
		EditorModuleNotLoaded,
		/** The demo project's descriptor without the plugin. */
		Absent,
	};

	inline const char* const EditorModuleName = "QuovexVirtualProductionEditor";

	/**
	 * The demo stage copied to a temporary folder, the plugin's descriptor and content in its Plugins folder (where
	 * the plugin finds its layouts); the plugin's code comes from the build.
	 */
	class FDemoStage
	{
	public:
		explicit FDemoStage(EPluginSetup Setup = EPluginSetup::Enabled)
		{
			// A crashed process that had this one's id may have left the folder behind.
			for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Temp.Path()))
			{
				std::filesystem::remove_all(Entry.path());
			}
			const std::filesystem::path Source(QUOVEX_SOURCE_ROOT);
			std::filesystem::copy(Source / "Samples/DemoStage", Temp.Path("Demo"), std::filesystem::copy_options::recursive);
			std::filesystem::remove_all(Temp.Path("Demo/Saved"));
			// The stage carries only the plugin's layouts in its Plugins folder; the whole plugin goes there below.
			std::filesystem::remove_all(Temp.Path("Demo/Plugins"));

			nlohmann::json Project = nlohmann::json::parse(HostTest::ReadFile(ProjectPath()));
			Project.erase("AdditionalPluginDirectories");
			if (Setup == EPluginSetup::Absent)
			{
				nlohmann::json& Plugins = Project["Plugins"];
				for (auto It = Plugins.begin(); It != Plugins.end();)
				{
					It = (*It)["Name"] == "QuovexSuite" ? Plugins.erase(It) : It + 1;
				}
			}
			else
			{
				const std::filesystem::path Plugin = Source / "Plugins/QuovexSuite";
				nlohmann::json PluginDescriptor = nlohmann::json::parse(HostTest::ReadFile(Plugin / "QuovexSuite.uplugin"));
				if (Setup == EPluginSetup::EditorModuleNotLoaded)
				{
					for (nlohmann::json& Module : PluginDescriptor["Modules"])
					{
						if (Module["Name"] == EditorModuleName)
						{
							Module["LoadingPhase"] = "None";
						}
					}
				}
				HostTest::WriteFile(PluginDir() / "QuovexSuite.uplugin", PluginDescriptor.dump(1, '\t'));
				std::filesystem::copy(Plugin / "Content", PluginDir() / "Content", std::filesystem::copy_options::recursive);
			}
			HostTest::WriteFile(ProjectPath(), Project.dump(1, '\t'));

			// The stage's startup commands feed its trackers once the editor is up; they are the stage's work, not the
			// boot's, and name the plugin's commands, which an editor without it refuses.
			std::istringstream EngineIni(HostTest::ReadFile(Temp.Path("Demo/Config/DefaultEngine.ini")));
			std::string Kept;
			for (std::string Line; std::getline(EngineIni, Line);)
			{
				if (Line.rfind("+EditorStartupCommands=", 0) != 0)
				{
					Kept += Line + "\n";
				}
			}
			HostTest::WriteFile(Temp.Path("Demo/Config/DefaultEngine.ini"), Kept);
		}

		std::filesystem::path PluginDir() const
		{
			return Temp.Path("Demo/Plugins/QuovexSuite");
		}

		std::filesystem::path ProjectPath() const
		{
			return Temp.Path("Demo/DemoStage.uproject");
		}

		std::filesystem::path UserDir() const
		{
			return Temp.Path("User");
		}

		/** Writes an asset file into the project's content ("Benchmarks/Subscriber" -> /Game/Benchmarks/Subscriber). */
		void WriteContent(const std::string& PackageRelative, const std::string& Json) const
		{
			HostTest::WriteFile(Temp.Path("Demo/Content/" + PackageRelative + ".uasset.json"), Json);
		}

		FEditorHostOptions HostOptions() const
		{
			FEditorHostOptions Options;
			Options.ProjectFile = Temp.Str("Demo/DemoStage.uproject");
			Options.UserDir = Temp.Str("User");
			Options.BinariesDir = FString(TEXT(QUOVEX_BINARIES_DIR));
			return Options;
		}

		HostTest::FScopedTempDir Temp;
	};

	/** Boots the editor in this process on Stage; on failure prints the boot log and returns false. */
	inline bool BootEditor(const FDemoStage& Stage)
	{
		FHostLogCapture Log;
		if (FEditorHost::Boot(Stage.HostOptions()))
		{
			return true;
		}
		for (const FString& Line : Log.GetLines())
		{
			std::fprintf(stderr, "%s\n", TCHAR_TO_UTF8(*Line));
		}
		return false;
	}

	/** The stage of this process's editor; null until EnsureEditor created it. */
	inline std::unique_ptr<FDemoStage>& ProcessStage()
	{
		static std::unique_ptr<FDemoStage> Stage;
		return Stage;
	}

	/**
	 * Boots this process's editor on the demo stage the first time it is asked; Prepare may add content first.
	 * False (the run marked as failed) when the editor is not up.
	 */
	template<typename PrepareType>
	bool EnsureEditor(benchmark::State& State, PrepareType&& Prepare)
	{
		std::unique_ptr<FDemoStage>& Stage = ProcessStage();
		if (!Stage)
		{
			Stage = std::make_unique<FDemoStage>();
			Prepare(*Stage);
			if (!BootEditor(*Stage))
			{
				State.SkipWithError("The editor did not boot on the demo stage; see the log above");
				return false;
			}
		}
		if (!FEditorHost::IsBooted())
		{
			State.SkipWithError("The editor is not up");
			return false;
		}
		return true;
	}

	inline bool EnsureEditor(benchmark::State& State)
	{
		return EnsureEditor(State, [](const FDemoStage&) {});
	}

	/** The tab manager's entry for the panel TabId; null when it has none. */
	inline const FQuovexTabDescriptor* FindPanelTab(FName TabId)
	{
		for (const FQuovexTabDescriptor& Tab : FQuovexTabManager::Get().GetTabs())
		{
			if (Tab.TabId == TabId)
			{
				return &Tab;
			}
		}
		return nullptr;
	}

	/**
	 * Frees the widgets of a panel's closed tabs, as the engine's collector does once nothing references them: the
	 * stand-in destroys only objects marked as garbage, and the widgets of thousands of openings would slow every
	 * walk of the object table (the shut-down's above all). A widget is marked once the next opening has released
	 * it; the collection runs now and then with timing paused.
	 */
	class FClosedPanelWidgets
	{
	public:
		explicit FClosedPanelWidgets(const UEditorUtilityWidgetBlueprint* InPanel)
			: Panel(InPanel)
		{
		}

		~FClosedPanelWidgets()
		{
			if (Previous)
			{
				Previous->MarkAsGarbage();
			}
			CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
		}

		/** Call after each opening of the panel; bTimingPaused when the caller has paused timing already. */
		void Opened(benchmark::State& State, bool bTimingPaused = false)
		{
			UEditorUtilityWidget* Current = Panel ? Panel->GetCreatedWidget() : nullptr;
			if (Previous && Previous != Current)
			{
				Previous->MarkAsGarbage();
				if (++Pending == CollectEvery)
				{
					if (!bTimingPaused)
					{
						State.PauseTiming();
					}
					CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
					Pending = 0;
					if (!bTimingPaused)
					{
						State.ResumeTiming();
					}
				}
			}
			Previous = Current;
		}

	private:
		static constexpr int CollectEvery = 256;

		const UEditorUtilityWidgetBlueprint* Panel;
		UEditorUtilityWidget* Previous = nullptr;
		int Pending = 0;
	};

	/** CPU time this process has used so far, in seconds, all threads together. */
	inline double ProcessCpuSeconds()
	{
		timespec Now{};
		clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Now);
		return double(Now.tv_sec) + double(Now.tv_nsec) * 1e-9;
	}

	/**
	 * A program run to its end. Its CPU time (user and system) is what the benchmarks report: on a machine that
	 * other work shares, the wall time says more about that work than about the program.
	 */
	struct FProcessRun
	{
		/** CPU time of the program from spawn to exit, in seconds. */
		double CpuSeconds = 0.0;
		/** The exit status; -1 when the program did not start or did not exit normally. */
		int ExitStatus = -1;
		/** Standard output and error together. */
		std::string Output;
	};

	/** Runs a program to its end with no input, its output collected in OutputFile. */
	inline FProcessRun RunProcess(const std::vector<std::string>& Arguments, const std::filesystem::path& OutputFile)
	{
		FProcessRun Run;
		std::vector<char*> Argv;
		for (const std::string& Argument : Arguments)
		{
			Argv.push_back(const_cast<char*>(Argument.c_str()));
		}
		Argv.push_back(nullptr);

		posix_spawn_file_actions_t Actions;
		posix_spawn_file_actions_init(&Actions);
		posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
		posix_spawn_file_actions_addopen(&Actions, 1, OutputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
		posix_spawn_file_actions_adddup2(&Actions, 1, 2);

		pid_t Child = 0;
		const int SpawnError = posix_spawn(&Child, Argv[0], &Actions, nullptr, Argv.data(), environ);
		posix_spawn_file_actions_destroy(&Actions);
		if (SpawnError == 0)
		{
			int Status = 0;
			rusage Usage{};
			while (wait4(Child, &Status, 0, &Usage) < 0 && errno == EINTR)
			{
			}
			Run.ExitStatus = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
			Run.CpuSeconds = double(Usage.ru_utime.tv_sec + Usage.ru_stime.tv_sec) + double(Usage.ru_utime.tv_usec + Usage.ru_stime.tv_usec) * 1e-6;
		}
		Run.Output = HostTest::ReadFile(OutputFile);
		return Run;
	}

	/** Marks the run as failed with the program's exit status and the end of its output. */
	inline void ReportFailedProcess(benchmark::State& State, const FProcessRun& Run)
	{
		const std::string Tail = Run.Output.size() > 2000 ? Run.Output.substr(Run.Output.size() - 2000) : Run.Output;
		std::fprintf(stderr, "%s\n", Tail.c_str());
		State.SkipWithError(("The program exited with status " + std::to_string(Run.ExitStatus) + "; its output is above").c_str());
	}

	/** Runs the benchmarks the command line selects, then shuts down the editor a benchmark booted. */
	inline int RunBenchmarks(int Argc, char** Argv)
	{
		benchmark::Initialize(&Argc, Argv);
		if (benchmark::ReportUnrecognizedArguments(Argc, Argv))
		{
			return 1;
		}
		benchmark::RunSpecifiedBenchmarks();
		benchmark::Shutdown();
		FEditorHost::Shutdown();
		ProcessStage().reset();
		return 0;
	}
}

#define QUOVEX_BENCHMARK_MAIN() \
	int main(int Argc, char** Argv) \
	{ \
		return QuovexBenchmark::RunBenchmarks(Argc, Argv); \
	}
