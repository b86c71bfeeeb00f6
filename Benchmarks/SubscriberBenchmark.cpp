// A panel tab's closing delivered to 1,000 Blueprint subscribers of the tab manager, against calling their
// OnTabClosed event directly.

#include "QuovexBenchmarkSupport.h"

#include "Engine/Blueprint.h"
#include "QuovexTabManager.h"
#include "QuovexTabManagerInterface.h"
#include "UObject/Class.h"
#include "UObject/Package.h"

namespace
{
	const FName TabId(TEXT("QuovexTakeLog"));
	const TCHAR* const SubscriberPath = TEXT("/Game/Benchmarks/TabSubscriber.TabSubscriber");

	/** A Blueprint that implements the tab manager interface; its OnTabClosed graph makes one cheap call, as a panel's handler checking a state would. */
	void AddSubscriberBlueprint(const QuovexBenchmark::FDemoStage& Stage)
	{
		Stage.WriteContent("Benchmarks/TabSubscriber", R"json({ "Class": "/Script/Engine.Blueprint", "Properties": {
			"ParentClass": "\"/Script/CoreUObject.Object\"",
			"ImplementedInterfaces": "((Interface=\"/Script/QuovexVirtualProductionEditor.QuovexTabManagerInterface\"))",
			"EventGraphCalls": "((Event=\"OnTabClosed\",Function=\"/Script/QuovexVirtualProductionEditor.QuovexEditorFunctionLibrary:IsPIE\"))" } })json");
	}

	/** Objects of the subscriber Blueprint, rooted for one run and optionally subscribed to the tab manager. */
	class FSubscribers
	{
	public:
		FSubscribers(benchmark::State& State, int32 Count, bool bSubscribe)
		{
			const UBlueprint* Blueprint = LoadObject<UBlueprint>(nullptr, SubscriberPath);
			if (!Blueprint || !Blueprint->GeneratedClass)
			{
				State.SkipWithError("The subscriber Blueprint did not load");
				return;
			}
			for (int32 Index = 0; Index < Count; ++Index)
			{
				UObject* Object = NewObject<UObject>(GetTransientPackage(), Blueprint->GeneratedClass);
				Object->AddToRoot();
				Objects.Add(Object);
				if (bSubscribe && !FQuovexTabManager::Get().SubscribeEvents(Object))
				{
					State.SkipWithError("The tab manager refused a subscriber");
					return;
				}
			}
			bReady = true;
		}

		~FSubscribers()
		{
			for (UObject* Object : Objects)
			{
				FQuovexTabManager::Get().UnsubscribeEvents(Object);
				Object->RemoveFromRoot();
				Object->MarkAsGarbage();
			}
			CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
		}

		TArray<UObject*> Objects;
		bool bReady = false;
	};
}

// FQuovexTabManager::CloseTab on the take log panel with every subscriber hearing OnTabClosed; reopening the tab
// for the next iteration is not timed. The closing itself is in the time too (see BM_Tab_OpenClose).
static void BM_TabEvent_OnTabClosed(benchmark::State& State)
{
	if (!QuovexBenchmark::EnsureEditor(State, AddSubscriberBlueprint))
	{
		return;
	}
	const FQuovexTabDescriptor* Tab = QuovexBenchmark::FindPanelTab(TabId);
	if (!Tab || !Tab->Blueprint)
	{
		State.SkipWithError("The take log panel did not load");
		return;
	}
	const FSubscribers Subscribers(State, static_cast<int32>(State.range(0)), true);
	if (!Subscribers.bReady)
	{
		return;
	}
	QuovexBenchmark::FClosedPanelWidgets Widgets(Tab->Blueprint);
	FQuovexTabManager& Tabs = FQuovexTabManager::Get();
	for (auto _ : State)
	{
		State.PauseTiming();
		const bool bOpened = Tabs.OpenTab(TabId);
		Widgets.Opened(State, true);
		State.ResumeTiming();
		if (!bOpened || !Tabs.CloseTab(TabId))
		{
			State.SkipWithError("The take log tab did not open and close");
			break;
		}
	}
}
BENCHMARK(BM_TabEvent_OnTabClosed)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Floor: the deliveries themselves, IQuovexTabManagerInterface::Execute_OnTabClosed called once on each subscriber.
static void BM_TabEvent_OnTabClosed_Floor(benchmark::State& State)
{
	if (!QuovexBenchmark::EnsureEditor(State, AddSubscriberBlueprint))
	{
		return;
	}
	const FSubscribers Subscribers(State, static_cast<int32>(State.range(0)), false);
	if (!Subscribers.bReady)
	{
		return;
	}
	for (auto _ : State)
	{
		for (UObject* Subscriber : Subscribers.Objects)
		{
			IQuovexTabManagerInterface::Execute_OnTabClosed(Subscriber, TabId);
		}
	}
}
BENCHMARK(BM_TabEvent_OnTabClosed_Floor)->Arg(1000)->Unit(benchmark::kMicrosecond);

QUOVEX_BENCHMARK_MAIN()
