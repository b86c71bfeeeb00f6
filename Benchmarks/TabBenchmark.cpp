// Opening and closing a panel tab through the plugin's tab manager, against the level editor's tab manager
// doing the same with the panel's spawner.

#include "QuovexBenchmarkSupport.h"

#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "Widgets/Docking/SDockTab.h"

namespace
{
	const FName TabId(TEXT("QuovexTakeLog"));
}

// FQuovexTabManager::OpenTab then CloseTab on the take log panel.
static void BM_Tab_OpenClose(benchmark::State& State)
{
	if (!QuovexBenchmark::EnsureEditor(State))
	{
		return;
	}
	const FQuovexTabDescriptor* Tab = QuovexBenchmark::FindPanelTab(TabId);
	if (!Tab || !Tab->Blueprint)
	{
		State.SkipWithError("The take log panel did not load");
		return;
	}
	QuovexBenchmark::FClosedPanelWidgets Widgets(Tab->Blueprint);
	FQuovexTabManager& Tabs = FQuovexTabManager::Get();
	for (auto _ : State)
	{
		if (!Tabs.OpenTab(TabId) || !Tabs.CloseTab(TabId))
		{
			State.SkipWithError("The take log tab did not open and close");
			break;
		}
		Widgets.Opened(State);
	}
}
BENCHMARK(BM_Tab_OpenClose)->Unit(benchmark::kMicrosecond);

// Floor: what opening and closing cannot avoid, the level editor's tab manager invoking the registered spawner
// (FTabManager::TryInvokeTab, which creates the panel's widget) and the spawned SDockTab closed directly.
static void BM_Tab_OpenClose_Floor(benchmark::State& State)
{
	if (!QuovexBenchmark::EnsureEditor(State))
	{
		return;
	}
	const FQuovexTabDescriptor* Tab = QuovexBenchmark::FindPanelTab(TabId);
	const TSharedPtr<FTabManager> TabManager = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
	if (!Tab || !Tab->Blueprint || !TabManager.IsValid() || !TabManager->HasTabSpawner(Tab->RegistrationName))
	{
		State.SkipWithError("The take log tab has no spawner in the level editor");
		return;
	}
	const FTabId SpawnerId(Tab->RegistrationName);
	QuovexBenchmark::FClosedPanelWidgets Widgets(Tab->Blueprint);
	for (auto _ : State)
	{
		const TSharedPtr<SDockTab> DockTab = TabManager->TryInvokeTab(SpawnerId);
		if (!DockTab.IsValid() || !DockTab->RequestCloseTab())
		{
			State.SkipWithError("The take log tab did not open and close");
			break;
		}
		Widgets.Opened(State);
	}
}
BENCHMARK(BM_Tab_OpenClose_Floor)->Unit(benchmark::kMicrosecond);

QUOVEX_BENCHMARK_MAIN()
