// Opening the "Quovex Actions" drop-down and clicking one of its entries, against the menu build and the bare
// action call they cannot avoid.

#include "QuovexBenchmarkSupport.h"

#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "QuovexVirtualProductionEditorModule.h"
#include "Styling/AppStyle.h"
#include "ToolMenus.h"

namespace
{
	/** The toolbar combo the plugin registered; null when there is none. */
	const FToolMenuEntry* FindCombo()
	{
		UToolMenus* ToolMenus = UToolMenus::Get();
		UToolMenu* Toolbar = ToolMenus ? ToolMenus->FindMenu(TEXT("LevelEditor.LevelEditorToolBar.User")) : nullptr;
		FToolMenuSection* Section = Toolbar ? Toolbar->FindSection(TEXT("Quovex")) : nullptr;
		return Section ? Section->FindEntry(TEXT("Quovex Actions")) : nullptr;
	}

	/** The drop-down's commands, section by section, as the combo lists them. */
	TArray<TArray<TSharedPtr<const FUICommandInfo>>> DropDownSections()
	{
		TArray<TArray<TSharedPtr<const FUICommandInfo>>> Sections;
		const FToolMenuEntry* Combo = FindCombo();
		if (!Combo)
		{
			return Sections;
		}
		const TSharedRef<SWidget> Widget = Combo->ToolBarData.ComboButtonContextMenuGenerator.OnGetContent.Execute();
		const TSharedRef<const FMultiBox> MultiBox = StaticCastSharedRef<SMultiBoxWidget>(Widget)->GetMultiBox();
		Sections.SetNum(MultiBox->GetSections().Num());
		for (int32 Index = 0; Index < MultiBox->GetBlocks().Num(); ++Index)
		{
			const int32 Section = MultiBox->GetBlockSection(Index);
			if (Section != INDEX_NONE && MultiBox->GetBlocks()[Index]->GetAction().IsValid())
			{
				Sections[Section].Add(MultiBox->GetBlocks()[Index]->GetAction());
			}
		}
		return Sections;
	}

	/** The drop-down entry of a command, as a click finds it. */
	TSharedPtr<const FMultiBlock> FindEntry(const FMultiBox& MultiBox, FName Command)
	{
		for (const TSharedRef<const FMultiBlock>& Block : MultiBox.GetBlocks())
		{
			if (Block->GetAction().IsValid() && Block->GetAction()->GetCommandName() == Command)
			{
				return Block;
			}
		}
		return nullptr;
	}

	const FName ClickedCommand(TEXT("ReconnectToKeyer"));

	/** The combo once the editor is up; null (the run marked as failed) otherwise. */
	const FToolMenuEntry* ComboOrSkip(benchmark::State& State)
	{
		if (!QuovexBenchmark::EnsureEditor(State))
		{
			return nullptr;
		}
		const FToolMenuEntry* Combo = FindCombo();
		if (!Combo)
		{
			State.SkipWithError("The Quovex Actions combo is not in the toolbar");
		}
		return Combo;
	}
}

// Opening the drop-down: the module maps its 25 actions again and builds the menu of five sections.
static void BM_Menu_OpenDropDown(benchmark::State& State)
{
	const FToolMenuEntry* Combo = ComboOrSkip(State);
	if (!Combo)
	{
		return;
	}
	for (auto _ : State)
	{
		benchmark::DoNotOptimize(Combo->ToolBarData.ComboButtonContextMenuGenerator.OnGetContent.Execute());
	}
}
BENCHMARK(BM_Menu_OpenDropDown)->Unit(benchmark::kMicrosecond);

// Floor: the engine's menu build of the same sections and commands over a list that is already mapped.
static void BM_Menu_OpenDropDown_Floor(benchmark::State& State)
{
	if (!QuovexBenchmark::EnsureEditor(State))
	{
		return;
	}
	FQuovexVirtualProductionEditorModule* Module = FModuleManager::GetModulePtr<FQuovexVirtualProductionEditorModule>(TEXT("QuovexVirtualProductionEditor"));
	const TArray<TArray<TSharedPtr<const FUICommandInfo>>> Sections = DropDownSections();
	if (!Module || Sections.Num() != 5)
	{
		State.SkipWithError("The drop-down's sections were not found");
		return;
	}
	const TSharedRef<FUICommandList> CommandList = Module->GetCommandList();
	const FText Heading = FText::FromString(TEXT("Section"));
	for (auto _ : State)
	{
		FMenuBuilder MenuBuilder(true, CommandList, nullptr, false, &FAppStyle::Get(), true, NAME_None, true);
		for (const TArray<TSharedPtr<const FUICommandInfo>>& Section : Sections)
		{
			MenuBuilder.BeginSection(NAME_None, Heading);
			for (const TSharedPtr<const FUICommandInfo>& Command : Section)
			{
				MenuBuilder.AddMenuEntry(Command);
			}
			MenuBuilder.EndSection();
		}
		benchmark::DoNotOptimize(MenuBuilder.MakeWidget());
	}
}
BENCHMARK(BM_Menu_OpenDropDown_Floor)->Unit(benchmark::kMicrosecond);

// Clicking "Reconnect Keyer" in the open drop-down: the entry's command list finds the action and runs it,
// which asks the VP subsystem to tell its listeners.
static void BM_Menu_ClickEntry(benchmark::State& State)
{
	const FToolMenuEntry* Combo = ComboOrSkip(State);
	if (!Combo)
	{
		return;
	}
	const TSharedRef<SWidget> Widget = Combo->ToolBarData.ComboButtonContextMenuGenerator.OnGetContent.Execute();
	const TSharedRef<const FMultiBox> MultiBox = StaticCastSharedRef<SMultiBoxWidget>(Widget)->GetMultiBox();
	const TSharedPtr<const FMultiBlock> Entry = FindEntry(*MultiBox, ClickedCommand);
	if (!Entry.IsValid())
	{
		State.SkipWithError("The drop-down has no Reconnect Keyer entry");
		return;
	}
	for (auto _ : State)
	{
		if (!Entry->Execute())
		{
			State.SkipWithError("The entry did not execute");
			break;
		}
	}
}
BENCHMARK(BM_Menu_ClickEntry);

// Floor: the entry's mapped FUIAction executed directly, with no menu or command list in between.
static void BM_Menu_ClickEntry_Floor(benchmark::State& State)
{
	if (!QuovexBenchmark::EnsureEditor(State))
	{
		return;
	}
	FQuovexVirtualProductionEditorModule* Module = FModuleManager::GetModulePtr<FQuovexVirtualProductionEditorModule>(TEXT("QuovexVirtualProductionEditor"));
	TArray<TSharedPtr<FUICommandInfo>> Commands;
	FInputBindingManager::Get().GetCommandInfosFromContext(TEXT("QuovexCommands"), Commands);
	const TSharedPtr<FUICommandInfo>* Command = Commands.FindByPredicate([](const TSharedPtr<FUICommandInfo>& Info) { return Info->GetCommandName() == ClickedCommand; });
	const FUIAction* Action = Module && Command ? Module->GetCommandList()->GetActionForCommand(*Command) : nullptr;
	if (!Action)
	{
		State.SkipWithError("Reconnect Keyer has no action");
		return;
	}
	const FUIAction Bare = *Action;
	for (auto _ : State)
	{
		if (!Bare.Execute())
		{
			State.SkipWithError("The action did not execute");
			break;
		}
	}
}
BENCHMARK(BM_Menu_ClickEntry_Floor);

QUOVEX_BENCHMARK_MAIN()
