// `menu`: the level editor's tool menus as the operator sees them (the toolbar's user area, the Window
// menu), a combo's or sub-menu's drop-down, and a click on an entry.

#include "CoreMinimal.h"
#include "Framework/MultiBox/MultiBox.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "HostConsole.h"
#include "LevelEditor.h"
#include "Misc/OutputDevice.h"
#include "Modules/ModuleManager.h"
#include "Styling/ISlateStyle.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ToolMenus.h"

namespace
{
	const TCHAR* const MenuUsage = TEXT("Usage: menu <MenuName> [<ComboOrSubMenuEntry>] | menu click <MenuName> [<ComboOrSubMenuEntry>] <EntryName>");

	/** The icon's style name when its style set holds that brush, else "-". */
	FString DescribeIcon(const FSlateIcon& Icon)
	{
		const ISlateStyle* Style = Icon.IsSet() ? Icon.GetStyleSet() : nullptr;
		if (Style && Style->GetOptionalBrush(Icon.GetStyleName(), nullptr, nullptr) != nullptr)
		{
			return Icon.GetStyleName().ToString();
		}
		return TEXT("-");
	}

	FString BlockName(const FMenuEntryBlock& Block)
	{
		if (!Block.GetExtensionHook().IsNone())
		{
			return Block.GetExtensionHook().ToString();
		}
		if (Block.GetAction().IsValid())
		{
			return Block.GetAction()->GetCommandName().ToString();
		}
		return Block.GetLabel().ToString();
	}

	FString BlockState(const FMenuEntryBlock& Block)
	{
		if (Block.IsSubMenu())
		{
			return TEXT("submenu");
		}
		return Block.CanExecute() ? TEXT("enabled") : TEXT("cannot execute");
	}

	FString EntryState(const FToolMenuEntry& Entry)
	{
		if (Entry.IsSubMenu())
		{
			return TEXT("submenu");
		}
		const FUIAction* Action = Entry.GetActionChoice().GetUIAction();
		return Action && Action->IsBound() && Action->CanExecute() ? TEXT("enabled") : TEXT("cannot execute");
	}

	FString SectionLine(FName Name, const FText& Heading)
	{
		return Heading.IsEmpty() ? FString::Printf(TEXT("[%s]"), *Name.ToString()) : FString::Printf(TEXT("[%s] %s"), *Name.ToString(), *Heading.ToString());
	}

	/** The menu entries of a multi-box, with the section each was added in. */
	TArray<TPair<int32, TSharedRef<const FMenuEntryBlock>>> MenuEntries(const FMultiBox& MultiBox)
	{
		TArray<TPair<int32, TSharedRef<const FMenuEntryBlock>>> Entries;
		const TArray<TSharedRef<const FMultiBlock>>& Blocks = MultiBox.GetBlocks();
		for (int32 Index = 0; Index < Blocks.Num(); ++Index)
		{
			if (Blocks[Index]->GetType() == EMultiBlockType::MenuEntry)
			{
				Entries.Add(TPair<int32, TSharedRef<const FMenuEntryBlock>>(MultiBox.GetBlockSection(Index), StaticCastSharedRef<const FMenuEntryBlock>(Blocks[Index])));
			}
		}
		return Entries;
	}

	void PrintMultiBox(const FMultiBox& MultiBox, FOutputDevice& Ar)
	{
		const TArray<TPair<int32, TSharedRef<const FMenuEntryBlock>>> Entries = MenuEntries(MultiBox);
		const TArray<FMultiBox::FSection>& Sections = MultiBox.GetSections();
		for (int32 SectionIndex = INDEX_NONE; SectionIndex < Sections.Num(); ++SectionIndex)
		{
			const bool bHasEntries = Entries.ContainsByPredicate([SectionIndex](const TPair<int32, TSharedRef<const FMenuEntryBlock>>& Entry) { return Entry.Key == SectionIndex; });
			if (SectionIndex == INDEX_NONE && !bHasEntries)
			{
				continue;
			}
			Ar.Log(SectionIndex == INDEX_NONE ? FString(TEXT("[None]")) : SectionLine(Sections[SectionIndex].ExtensionHook, Sections[SectionIndex].Heading));
			for (const TPair<int32, TSharedRef<const FMenuEntryBlock>>& Entry : Entries)
			{
				if (Entry.Key != SectionIndex)
				{
					continue;
				}
				const FMenuEntryBlock& Block = *Entry.Value;
				Ar.Log(FString::Printf(TEXT("  %s | %s | %s | %s | %s"), *BlockName(Block), *Block.GetLabel().ToString(), *Block.GetToolTip().ToString(), *DescribeIcon(Block.GetIcon()), *BlockState(Block)));
			}
		}
	}

	void PrintToolMenu(const UToolMenu& Menu, FOutputDevice& Ar)
	{
		for (const FToolMenuSection& Section : Menu.Sections)
		{
			Ar.Log(SectionLine(Section.Name, Section.Label.Get(FText::GetEmpty())));
			for (const FToolMenuEntry& Entry : Section.Blocks)
			{
				Ar.Log(FString::Printf(TEXT("  %s | %s | %s | %s | %s"), *Entry.Name.ToString(), *Entry.GetLabelText().ToString(), *Entry.GetToolTipText().ToString(), *DescribeIcon(Entry.GetIcon()), *EntryState(Entry)));
			}
		}
	}

	/** The multi-box behind a menu widget; null for widgets of another kind. */
	TSharedPtr<const FMultiBox> MultiBoxOf(const TSharedRef<SWidget>& Widget)
	{
		if (Widget->GetType() != FName(TEXT("SMultiBoxWidget")))
		{
			return nullptr;
		}
		return StaticCastSharedRef<SMultiBoxWidget>(Widget)->GetMultiBox();
	}

	/** A menu as its owner opens it: generated with the level editor's command list and extenders. */
	struct FOpenedMenu
	{
		UToolMenu* Generated = nullptr;
		TSharedPtr<const FMultiBox> MultiBox;

		~FOpenedMenu()
		{
			if (Generated)
			{
				Generated->MarkAsGarbage();
			}
		}
	};

	bool OpenMenu(const FString& MenuName, FOpenedMenu& OutMenu, FOutputDevice& Ar)
	{
		FLevelEditorModule* LevelEditor = FModuleManager::GetModulePtr<FLevelEditorModule>(TEXT("LevelEditor"));
		if (!LevelEditor)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("The level editor is not loaded (is this a game run?)"));
			return false;
		}
		UToolMenus* ToolMenus = UToolMenus::Get();
		const FName Name(*MenuName);
		if (!ToolMenus || !ToolMenus->IsMenuRegistered(Name))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No menu named %s (the level editor's are LevelEditor.LevelEditorToolBar.User and LevelEditor.MainMenu.Window)"), *MenuName));
			return false;
		}
		const bool bIsMenu = ToolMenus->FindMenu(Name)->MenuType == EMultiBoxType::Menu;
		const TSharedPtr<FExtensibilityManager> Extensibility = bIsMenu ? LevelEditor->GetMenuExtensibilityManager() : LevelEditor->GetToolBarExtensibilityManager();
		const FToolMenuContext Context(LevelEditor->GetGlobalLevelEditorActions(), Extensibility.IsValid() ? Extensibility->GetAllExtenders() : TSharedPtr<FExtender>());
		if (bIsMenu)
		{
			OutMenu.MultiBox = MultiBoxOf(ToolMenus->GenerateWidget(Name, Context));
		}
		else
		{
			OutMenu.Generated = ToolMenus->GenerateMenu(Name, Context);
		}
		return true;
	}

	/** Opens an entry's drop-down (a toolbar combo or a menu's sub-menu) as a click on its arrow does. */
	TSharedPtr<const FMultiBox> OpenDropDown(const FOpenedMenu& Menu, const FString& EntryName, FOutputDevice& Ar)
	{
		TSharedPtr<SWidget> DropDown;
		if (Menu.MultiBox.IsValid())
		{
			for (const TPair<int32, TSharedRef<const FMenuEntryBlock>>& Entry : MenuEntries(*Menu.MultiBox))
			{
				if (BlockName(*Entry.Value).Equals(EntryName, ESearchCase::IgnoreCase) && Entry.Value->IsSubMenu())
				{
					DropDown = Entry.Value->MakeSubMenuWidget();
				}
			}
		}
		else
		{
			for (const FToolMenuSection& Section : Menu.Generated->Sections)
			{
				for (const FToolMenuEntry& Entry : Section.Blocks)
				{
					if (!Entry.Name.ToString().Equals(EntryName, ESearchCase::IgnoreCase))
					{
						continue;
					}
					const FNewToolMenuChoice& Choice = Entry.IsSubMenu() ? Entry.SubMenuData.ConstructMenu : Entry.ToolBarData.ComboButtonContextMenuGenerator;
					if (Choice.OnGetContent.IsBound())
					{
						DropDown = Choice.OnGetContent.Execute();
					}
					else if (Choice.NewToolMenuWidget.IsBound())
					{
						DropDown = Choice.NewToolMenuWidget.Execute(Menu.Generated->Context);
					}
					else if (Choice.NewMenuLegacy.IsBound())
					{
						FMenuBuilder Builder(true, nullptr);
						Choice.NewMenuLegacy.Execute(Builder);
						DropDown = Builder.MakeWidget();
					}
				}
			}
		}
		if (!DropDown.IsValid())
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No combo or sub-menu entry named %s in this menu"), *EntryName));
			return nullptr;
		}
		TSharedPtr<const FMultiBox> MultiBox = MultiBoxOf(DropDown.ToSharedRef());
		if (!MultiBox.IsValid())
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("The drop-down of %s is a %s, which the console cannot list"), *EntryName, *DropDown->GetTypeAsString()));
		}
		return MultiBox;
	}

	bool ClickInMultiBox(const FMultiBox& MultiBox, const FString& EntryName, FOutputDevice& Ar)
	{
		for (const TPair<int32, TSharedRef<const FMenuEntryBlock>>& Entry : MenuEntries(MultiBox))
		{
			const FMenuEntryBlock& Block = *Entry.Value;
			if (!BlockName(Block).Equals(EntryName, ESearchCase::IgnoreCase))
			{
				continue;
			}
			if (Block.IsSubMenu())
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("%s opens a sub-menu; list it with `menu <MenuName> %s`"), *EntryName, *EntryName));
				return false;
			}
			if (!Block.Execute())
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("%s cannot execute: it has no action to run"), *EntryName));
				return false;
			}
			Ar.Log(FString::Printf(TEXT("Clicked %s"), *Block.GetLabel().ToString()));
			return true;
		}
		Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No entry named %s in this menu"), *EntryName));
		return false;
	}

	bool ClickInToolMenu(const UToolMenu& Menu, const FString& EntryName, FOutputDevice& Ar)
	{
		for (const FToolMenuSection& Section : Menu.Sections)
		{
			for (const FToolMenuEntry& Entry : Section.Blocks)
			{
				if (!Entry.Name.ToString().Equals(EntryName, ESearchCase::IgnoreCase))
				{
					continue;
				}
				const FUIAction* Action = Entry.GetActionChoice().GetUIAction();
				if (!Action || !Action->IsBound() || !Action->CanExecute())
				{
					Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("%s cannot execute: it has no action to run"), *EntryName));
					return false;
				}
				Action->Execute();
				Ar.Log(FString::Printf(TEXT("Clicked %s"), *Entry.GetLabelText().ToString()));
				return true;
			}
		}
		Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No entry named %s in this menu"), *EntryName));
		return false;
	}

	bool RunMenu(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error))
		{
			Ar.Log(ELogVerbosity::Error, Error);
			return false;
		}
		const bool bClick = Words.Num() > 0 && Words[0].Equals(TEXT("click"), ESearchCase::IgnoreCase);
		if (bClick)
		{
			Words.RemoveAt(0);
		}
		if (Words.Num() < (bClick ? 2 : 1) || Words.Num() > (bClick ? 3 : 2))
		{
			Ar.Log(ELogVerbosity::Error, MenuUsage);
			return false;
		}

		FOpenedMenu Menu;
		if (!OpenMenu(Words[0], Menu, Ar))
		{
			return false;
		}
		const bool bThroughDropDown = Words.Num() == (bClick ? 3 : 2);
		TSharedPtr<const FMultiBox> DropDown;
		if (bThroughDropDown)
		{
			DropDown = OpenDropDown(Menu, Words[1], Ar);
			if (!DropDown.IsValid())
			{
				return false;
			}
		}

		if (!bClick)
		{
			if (DropDown.IsValid())
			{
				PrintMultiBox(*DropDown, Ar);
			}
			else if (Menu.MultiBox.IsValid())
			{
				PrintMultiBox(*Menu.MultiBox, Ar);
			}
			else
			{
				PrintToolMenu(*Menu.Generated, Ar);
			}
			return true;
		}

		const FString& EntryName = Words.Last();
		if (DropDown.IsValid())
		{
			return ClickInMultiBox(*DropDown, EntryName, Ar);
		}
		return Menu.MultiBox.IsValid() ? ClickInMultiBox(*Menu.MultiBox, EntryName, Ar) : ClickInToolMenu(*Menu.Generated, EntryName, Ar);
	}

	FHostConsoleCommandRegistrant MenuCommand(TEXT("menu"),
		TEXT("menu <MenuName> [<Combo>]: prints a menu (or a combo's drop-down) as [Section] Heading and Name | Label | Tooltip | Icon | state lines; menu click <MenuName> [<Combo>] <Entry> clicks an entry"),
		&RunMenu);
}
