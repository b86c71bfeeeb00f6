// Editor boot with and without the plugin, each boot a headless editor process of its own, and the editor
// module's start-up against the layout copy it makes, timed in fresh processes that boot without it, then load it.

#include "QuovexBenchmarkSupport.h"

#include "GenericPlatform/GenericPlatformFile.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"

#include <cstring>
#include <sstream>

namespace
{
	// Every iteration is a whole process: a fixed count keeps the run to seconds, where Google Benchmark's own
	// choice would aim at the minimum time in the shortest measure (the layout copy) and spawn thousands.
	constexpr int BootIterations = 50;

	/**
	 * Makes this program the child that times the editor module's start-up, then the layout copy alone, and writes
	 * both in seconds to the file named after the switch.
	 */
	const char* const TimeStartupSwitch = "--time-editor-module-startup=";

	/** Boots the headless editor on a demo stage copy, quits at once and times the process from spawn to exit. */
	void TimeHeadlessEditorRuns(benchmark::State& State, QuovexBenchmark::EPluginSetup Setup)
	{
		const QuovexBenchmark::FDemoStage Stage(Setup);
		const std::vector<std::string> Arguments = {
			QUOVEX_HEADLESS_EDITOR,
			Stage.ProjectPath().string(),
			"-userdir=" + Stage.UserDir().string(),
			"-ExecCmds=quit",
		};
		for (auto _ : State)
		{
			const QuovexBenchmark::FProcessRun Run = QuovexBenchmark::RunProcess(Arguments, Stage.Temp.Path("Output.log"));
			if (Run.ExitStatus != 0)
			{
				QuovexBenchmark::ReportFailedProcess(State, Run);
				break;
			}
			State.SetIterationTime(Run.Seconds);
		}
	}

	/**
	 * The child's work: boot with the editor module left out, then load it as the module manager does. The editor
	 * module's library is mapped with the program already, so the first time is its module object's construction
	 * and StartupModule; the panels' spawners register within it, as the level editor's tab manager exists by then.
	 * The second is the copy of the plugin's layouts into the user layout folder that StartupModule makes, alone.
	 */
	int TimeEditorModuleStartup(const std::string& ResultFile)
	{
		const QuovexBenchmark::FDemoStage Stage(QuovexBenchmark::EPluginSetup::EditorModuleNotLoaded);
		if (!QuovexBenchmark::BootEditor(Stage))
		{
			return 1;
		}
		if (FModuleManager::Get().IsModuleLoaded(QuovexBenchmark::EditorModuleName))
		{
			std::fprintf(stderr, "%s was loaded during boot although no loading phase names it\n", QuovexBenchmark::EditorModuleName);
			FEditorHost::Shutdown();
			return 1;
		}

		auto Start = std::chrono::steady_clock::now();
		const IModuleInterface* Module = FModuleManager::Get().LoadModule(FName(QuovexBenchmark::EditorModuleName));
		const double StartupSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();

		const FString Layouts = FPaths::ProjectPluginsDir() + TEXT("QuovexSuite/Content/Layouts");
		Start = std::chrono::steady_clock::now();
		const bool bCopied = FPlatformFileManager::Get().GetPlatformFile().CopyDirectoryTree(*FPaths::EngineUserLayoutDir(), *Layouts, true);
		const double CopySeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
		FEditorHost::Shutdown();
		if (!Module || !bCopied)
		{
			std::fprintf(stderr, "%s\n", Module ? "The plugin's layouts could not be copied" : "The editor module could not be loaded");
			return 1;
		}

		char Text[64];
		std::snprintf(Text, sizeof(Text), "%.9g %.9g", StartupSeconds, CopySeconds);
		HostTest::WriteFile(ResultFile, Text);
		return 0;
	}

	/** Runs the start-up child once per iteration and reports the time it wrote at Index (0: start-up, 1: layout copy). */
	void TimeStartupChildren(benchmark::State& State, int Index)
	{
		const HostTest::FScopedTempDir Temp;
		const std::string ResultFile = Temp.Path("Startup.txt").string();
		const std::vector<std::string> Arguments = {
			std::filesystem::read_symlink("/proc/self/exe").string(),
			TimeStartupSwitch + ResultFile,
		};
		for (auto _ : State)
		{
			std::filesystem::remove(ResultFile);
			const QuovexBenchmark::FProcessRun Run = QuovexBenchmark::RunProcess(Arguments, Temp.Path("Output.log"));
			if (Run.ExitStatus != 0)
			{
				QuovexBenchmark::ReportFailedProcess(State, Run);
				break;
			}
			std::istringstream Times(HostTest::ReadFile(ResultFile));
			double Seconds[2] = {};
			Times >> Seconds[0] >> Seconds[1];
			State.SetIterationTime(Seconds[Index]);
		}
	}
}

// The editor with the plugin, from process start to exit: boot until it is up, quit, shut down.
static void BM_EditorBoot_Plugin(benchmark::State& State)
{
	TimeHeadlessEditorRuns(State, QuovexBenchmark::EPluginSetup::Enabled);
}
BENCHMARK(BM_EditorBoot_Plugin)->UseManualTime()->Iterations(BootIterations)->Unit(benchmark::kMillisecond);

// Floor: the same editor on the same project without the plugin; the difference is the plugin's whole start-up
// and shut-down (its libraries, its engine plugins, its modules, its panels).
static void BM_EditorBoot_Plugin_Floor(benchmark::State& State)
{
	TimeHeadlessEditorRuns(State, QuovexBenchmark::EPluginSetup::Absent);
}
BENCHMARK(BM_EditorBoot_Plugin_Floor)->UseManualTime()->Iterations(BootIterations)->Unit(benchmark::kMillisecond);

// The editor module's StartupModule, once per fresh process (a second start-up in one process would find the
// plugin's statics already set up).
static void BM_EditorBoot_EditorModuleStartup(benchmark::State& State)
{
	TimeStartupChildren(State, 0);
}
BENCHMARK(BM_EditorBoot_EditorModuleStartup)->UseManualTime()->Iterations(BootIterations)->Unit(benchmark::kMillisecond);

// Floor: the copy of the plugin's layouts into the user layout folder (IPlatformFile::CopyDirectoryTree), which
// every start-up makes on purpose; the start-up's own cost, the part the 5 ms goal is about, is what lies over it.
static void BM_EditorBoot_EditorModuleStartup_Floor(benchmark::State& State)
{
	TimeStartupChildren(State, 1);
}
BENCHMARK(BM_EditorBoot_EditorModuleStartup_Floor)->UseManualTime()->Iterations(BootIterations)->Unit(benchmark::kMillisecond);

int main(int Argc, char** Argv)
{
	for (int Index = 1; Index < Argc; ++Index)
	{
		if (std::strncmp(Argv[Index], TimeStartupSwitch, std::strlen(TimeStartupSwitch)) == 0)
		{
			return TimeEditorModuleStartup(Argv[Index] + std::strlen(TimeStartupSwitch));
		}
	}
	return QuovexBenchmark::RunBenchmarks(Argc, Argv);
}
