// The level editor's tool menus: the user area of its toolbar (left for plugins) and the Window menu,
// whose own sections list the level editor's tabs and the layouts the editor offers.

#include "Framework/Docking/TabManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "HAL/FileManager.h"
#include "LevelEditor.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "ToolMenus.h"

#define LOCTEXT_NAMESPACE "LevelEditorMenus"

namespace
{
	/** The localised text of an "Key=NSLOCTEXT("Namespace", "Key", "Text")" line of a layout file: its last quoted part. */
	FText ReadLayoutText(const TArray<FString>& Lines, const TCHAR* Key)
	{
		const FString Prefix = FString(Key) + TEXT("=");
		for (const FString& Line : Lines)
		{
			const FString Trimmed = Line.TrimStartAndEnd();
			if (!Trimmed.StartsWith(Prefix))
			{
				continue;
			}
			// A text cut short (no closing quote and parenthesis) names nothing, rather than whatever lies between two quotes.
			if (!Trimmed.EndsWith(TEXT("\")")))
			{
				return FText::GetEmpty();
			}
			const int32 Close = Trimmed.Len() - 2;
			const int32 Open = Close > 0 ? Trimmed.Find(TEXT("\""), ESearchCase::CaseSensitive, ESearchDir::FromEnd, Close - 1) : INDEX_NONE;
			if (Open != INDEX_NONE)
			{
				return FText::FromString(Trimmed.Mid(Open + 1, Close - Open - 1));
			}
		}
		return FText::GetEmpty();
	}

	/** The user's layout files, as the Load Layout menu lists them; loading one is not provided by the stand-in. */
	void FillLoadLayoutMenu(FMenuBuilder& MenuBuilder)
	{
		MenuBuilder.BeginSection(TEXT("UserLayouts"), LOCTEXT("UserLayoutsHeader", "User Layouts"));
		const FString LayoutDir = FPaths::EngineUserLayoutDir();
		TArray<FString> Files;
		IFileManager::Get().FindFiles(Files, *LayoutDir, TEXT("ini"));
		Files.Sort();
		for (const FString& File : Files)
		{
			const FString Path = LayoutDir + File;
			TArray<FString> Lines;
			FFileHelper::LoadFileToStringArray(Lines, *Path);
			const FText Name = ReadLayoutText(Lines, TEXT("LayoutName"));
			const FText Description = ReadLayoutText(Lines, TEXT("LayoutDescription"));
			MenuBuilder.AddMenuEntry(
				Name.IsEmpty() ? FText::FromString(FPaths::GetBaseFilename(File)) : Name,
				FText::FromString(Description.ToString() + TEXT(" (") + Path + TEXT(")")),
				FSlateIcon(),
				FUIAction(),
				FName(*FPaths::GetBaseFilename(File)));
		}
		MenuBuilder.EndSection();
	}
}

void FLevelEditorModule::RegisterMenus()
{
	FToolMenuOwnerScoped OwnerScoped(this);
	UToolMenus* ToolMenus = UToolMenus::Get();

	// Plugins add their toolbar buttons here.
	ToolMenus->RegisterMenu(TEXT("LevelEditor.LevelEditorToolBar.User"), NAME_None, EMultiBoxType::SlimHorizontalToolBar);

	UToolMenu* WindowMenu = ToolMenus->RegisterMenu(TEXT("LevelEditor.MainMenu.Window"), NAME_None, EMultiBoxType::Menu);
	FToolMenuSection& TabsSection = WindowMenu->AddSection(TEXT("LevelEditor"), LOCTEXT("LevelEditorTabsHeader", "Level Editor"));
	TabsSection.AddDynamicEntry(TEXT("LevelEditorTabs"), FNewToolMenuSectionDelegate::CreateLambda([this](FToolMenuSection& Section) {
		// The level editor's tabs that are listed in menus, openable as the tab manager opens them.
		const TSharedPtr<FTabManager> TabManager = LevelEditorTabManager;
		if (!TabManager.IsValid())
		{
			return;
		}
		TArray<TSharedRef<FTabSpawnerEntry>> Spawners;
		TabManager->GetTabSpawnerEntries(Spawners);
		for (const TSharedRef<FTabSpawnerEntry>& Spawner : Spawners)
		{
			const ETabSpawnerMenuType::Type MenuType = Spawner->GetMenuType();
			if (MenuType == ETabSpawnerMenuType::Hidden)
			{
				continue;
			}
			const FName TabType = Spawner->GetTabType();
			const TWeakPtr<FTabManager> WeakTabManager = TabManager;
			FUIAction OpenTab(
				FExecuteAction::CreateLambda([WeakTabManager, TabType]() {
					if (const TSharedPtr<FTabManager> Pinned = WeakTabManager.Pin())
					{
						Pinned->TryInvokeTab(FTabId(TabType));
					}
				}),
				FCanExecuteAction::CreateLambda([MenuType]() { return MenuType == ETabSpawnerMenuType::Enabled; }));
			Section.AddMenuEntry(TabType, Spawner->GetDisplayNameText(), Spawner->GetTooltipText(), Spawner->GetIcon(), OpenTab);
		}
	}));

	FToolMenuSection& LayoutSection = WindowMenu->AddSection(TEXT("WindowLayout"), NSLOCTEXT("MainAppMenu", "LayoutManagementHeader", "Layout"));
	LayoutSection.AddSubMenu(TEXT("LoadLayout"), LOCTEXT("LoadLayoutsSubMenu", "Load Layout"), LOCTEXT("LoadLayoutsSubMenu_ToolTip", "Load a layout configuration"),
		FNewToolMenuChoice(FNewMenuDelegate::CreateStatic(&FillLoadLayoutMenu)));
}

#undef LOCTEXT_NAMESPACE
