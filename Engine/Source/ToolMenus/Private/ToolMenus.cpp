#include "ToolMenus.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "Modules/ModuleManager.h"
#include "Styling/CoreStyle.h"
#include "UObject/Package.h"

DEFINE_LOG_CATEGORY_STATIC(LogToolMenus, Log, All);

UToolMenus* UToolMenus::Singleton = nullptr;
FSimpleMulticastDelegate UToolMenus::StartupCallbacks;

// ---------------------------------------------------------------- Context

FToolMenuContext::FToolMenuContext()
{
}

FToolMenuContext::FToolMenuContext(UObject* InContext)
{
	AddObject(InContext);
}

FToolMenuContext::FToolMenuContext(TSharedPtr<FUICommandList> InCommandList, TSharedPtr<FExtender> InExtender, UObject* InContext)
{
	AppendCommandList(InCommandList);
	AddExtender(InExtender);
	AddObject(InContext);
}

void FToolMenuContext::AppendCommandList(const TSharedRef<FUICommandList>& InCommandList)
{
	CommandLists.Add(InCommandList);
}

void FToolMenuContext::AppendCommandList(const TSharedPtr<FUICommandList>& InCommandList)
{
	if (InCommandList.IsValid())
	{
		CommandLists.Add(InCommandList);
	}
}

void FToolMenuContext::AddExtender(const TSharedPtr<FExtender>& InExtender)
{
	if (InExtender.IsValid())
	{
		Extenders.Add(InExtender);
	}
}

TSharedPtr<FExtender> FToolMenuContext::GetAllExtenders() const
{
	return FExtender::Combine(Extenders);
}

void FToolMenuContext::AddObject(UObject* InObject)
{
	if (InObject)
	{
		ContextObjects.AddUnique(InObject);
	}
}

const FUIAction* FToolMenuContext::GetActionForCommand(TSharedPtr<const FUICommandInfo> Command, TSharedPtr<const FUICommandList>& OutCommandList) const
{
	for (const TSharedPtr<FUICommandList>& CommandList : CommandLists)
	{
		if (const FUIAction* Found = CommandList->GetActionForCommand(Command))
		{
			OutCommandList = CommandList;
			return Found;
		}
	}
	return nullptr;
}

// ---------------------------------------------------------------- Entries and sections

FToolUIActionChoice::FToolUIActionChoice(const TSharedPtr<const FUICommandInfo>& InCommand, const FUICommandList& InCommandList)
{
	if (const FUIAction* Found = InCommand.IsValid() ? InCommandList.GetActionForCommand(InCommand) : nullptr)
	{
		Action = *Found;
		bHasAction = true;
	}
}

namespace
{
	FToolMenuOwner OwnerNow()
	{
		const UToolMenus* ToolMenus = UToolMenus::TryGet();
		return ToolMenus ? ToolMenus->CurrentOwner() : FToolMenuOwner();
	}
}

FToolMenuEntry::FToolMenuEntry()
	: Type(EMultiBlockType::None)
	, UserInterfaceActionType(EUserInterfaceActionType::Button)
	, bShouldCloseWindowAfterMenuSelection(true)
{
}

FToolMenuEntry::FToolMenuEntry(const FToolMenuOwner InOwner, const FName InName, EMultiBlockType InType)
	: Name(InName)
	, Owner(InOwner)
	, Type(InType)
	, UserInterfaceActionType(EUserInterfaceActionType::Button)
	, bShouldCloseWindowAfterMenuSelection(true)
{
}

FToolMenuEntry FToolMenuEntry::InitMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType InUserInterfaceActionType, const FName InTutorialHighlightName)
{
	return InitActionEntry(EMultiBlockType::MenuEntry, InName, InAction, InLabel, InToolTip, InIcon, InUserInterfaceActionType, InTutorialHighlightName);
}

FToolMenuEntry FToolMenuEntry::InitActionEntry(EMultiBlockType InType, const FName InName, const FToolUIActionChoice& InAction, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const EUserInterfaceActionType InUserInterfaceActionType, const FName InTutorialHighlightName)
{
	FToolMenuEntry Entry(OwnerNow(), InName, InType);
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTip;
	Entry.Icon = InIcon;
	Entry.Action = InAction;
	Entry.UserInterfaceActionType = InUserInterfaceActionType;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, const FName InTutorialHighlightName, const FName InNameOverride)
{
	checkf(InCommand.IsValid(), TEXT("FToolMenuEntry::InitMenuEntry: the command must be valid"));
	FToolMenuEntry Entry(OwnerNow(), InNameOverride.IsNone() ? InCommand->GetCommandName() : InNameOverride, EMultiBlockType::MenuEntry);
	Entry.Command = InCommand;
	Entry.Label = InLabelOverride;
	Entry.ToolTip = InToolTipOverride;
	Entry.Icon = InIconOverride;
	Entry.UserInterfaceActionType = InCommand->GetUserInterfaceType();
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitSubMenu(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewToolMenuChoice& InMakeMenu, bool bInOpenSubMenuOnClick, const TAttribute<FSlateIcon>& InIcon, const bool bInShouldCloseWindowAfterMenuSelection, const FName InTutorialHighlightName)
{
	FToolMenuEntry Entry(OwnerNow(), InName, EMultiBlockType::MenuEntry);
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTip;
	Entry.Icon = InIcon;
	Entry.SubMenuData.bIsSubMenu = true;
	Entry.SubMenuData.bOpenSubMenuOnClick = bInOpenSubMenuOnClick;
	Entry.SubMenuData.ConstructMenu = InMakeMenu;
	Entry.bShouldCloseWindowAfterMenuSelection = bInShouldCloseWindowAfterMenuSelection;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitToolBarButton(const FName InName, const FToolUIActionChoice& InAction, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const EUserInterfaceActionType InUserInterfaceActionType, FName InTutorialHighlightName)
{
	return InitActionEntry(EMultiBlockType::ToolBarButton, InName, InAction, InLabel, InToolTip, InIcon, InUserInterfaceActionType, InTutorialHighlightName);
}

FToolMenuEntry FToolMenuEntry::InitComboButton(const FName InName, const FToolUIActionChoice& InAction, const FNewToolMenuChoice& InMenuContentGenerator, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, bool bInSimpleComboBox, FName InTutorialHighlightName)
{
	FToolMenuEntry Entry = InitActionEntry(EMultiBlockType::ToolBarComboButton, InName, InAction, InLabelOverride, InToolTipOverride, InIconOverride, EUserInterfaceActionType::Button, InTutorialHighlightName);
	Entry.ToolBarData.ComboButtonContextMenuGenerator = InMenuContentGenerator;
	Entry.ToolBarData.bSimpleComboBox = bInSimpleComboBox;
	return Entry;
}

FToolMenuEntry FToolMenuEntry::InitDynamicEntry(const FName InName, const FNewToolMenuSectionDelegate& InConstruct)
{
	FToolMenuEntry Entry(OwnerNow(), InName, EMultiBlockType::None);
	Entry.Construct = InConstruct;
	return Entry;
}

FText FToolMenuEntry::GetLabelText() const
{
	if (ToolBarData.LabelOverride.IsSet())
	{
		return ToolBarData.LabelOverride.Get(FText::GetEmpty());
	}
	if (Label.IsSet() || !Command.IsValid())
	{
		return Label.Get(FText::GetEmpty());
	}
	return Command->GetLabel();
}

FText FToolMenuEntry::GetToolTipText() const
{
	if (ToolTip.IsSet() || !Command.IsValid())
	{
		return ToolTip.Get(FText::GetEmpty());
	}
	return Command->GetDescription();
}

FSlateIcon FToolMenuEntry::GetIcon() const
{
	if (Icon.IsSet() || !Command.IsValid())
	{
		return Icon.Get(FSlateIcon());
	}
	return Command->GetIcon();
}

FToolMenuSection::FToolMenuSection()
{
}

FToolMenuEntry& FToolMenuSection::AddEntry(const FToolMenuEntry& Args)
{
	if (!Args.Name.IsNone())
	{
		if (FToolMenuEntry* Existing = FindEntry(Args.Name))
		{
			*Existing = Args;
			return *Existing;
		}
	}
	return Blocks.Add_GetRef(Args);
}

FToolMenuEntry& FToolMenuSection::AddMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType, const FName InTutorialHighlightName)
{
	return AddEntry(FToolMenuEntry::InitMenuEntry(InName, InLabel, InToolTip, InIcon, InAction, UserInterfaceActionType, InTutorialHighlightName));
}

FToolMenuEntry& FToolMenuSection::AddMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, const TAttribute<FText>& InLabelOverride, const TAttribute<FText>& InToolTipOverride, const TAttribute<FSlateIcon>& InIconOverride, const FName InTutorialHighlightName, const FName InNameOverride)
{
	return AddEntry(FToolMenuEntry::InitMenuEntry(InCommand, InLabelOverride, InToolTipOverride, InIconOverride, InTutorialHighlightName, InNameOverride));
}

FToolMenuEntry& FToolMenuSection::AddSubMenu(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FNewToolMenuChoice& InMakeMenu, bool bInOpenSubMenuOnClick, const TAttribute<FSlateIcon>& InIcon, const bool bShouldCloseWindowAfterMenuSelection, const FName InTutorialHighlightName)
{
	return AddEntry(FToolMenuEntry::InitSubMenu(InName, InLabel, InToolTip, InMakeMenu, bInOpenSubMenuOnClick, InIcon, bShouldCloseWindowAfterMenuSelection, InTutorialHighlightName));
}

FToolMenuEntry& FToolMenuSection::AddDynamicEntry(const FName InName, const FNewToolMenuSectionDelegate& InConstruct)
{
	return AddEntry(FToolMenuEntry::InitDynamicEntry(InName, InConstruct));
}

FToolMenuEntry* FToolMenuSection::FindEntry(const FName InName)
{
	return Blocks.FindByPredicate([InName](const FToolMenuEntry& Entry) { return Entry.Name == InName; });
}

// ---------------------------------------------------------------- Menus

UToolMenu::UToolMenu()
	: MenuType(EMultiBoxType::Menu)
	, bShouldCloseWindowAfterMenuSelection(true)
	, bSearchable(true)
	, bRegistered(false)
{
}

FToolMenuSection& UToolMenu::AddSection(const FName SectionName, const TAttribute<FText>& InLabel, const FToolMenuInsert InPosition)
{
	if (FToolMenuSection* Existing = FindSection(SectionName))
	{
		return *Existing;
	}
	FToolMenuSection& Section = Sections.AddDefaulted_GetRef();
	Section.Name = SectionName;
	Section.Label = InLabel;
	Section.InsertPosition = InPosition;
	Section.Owner = OwnerNow();
	return Section;
}

FToolMenuSection& UToolMenu::FindOrAddSection(const FName SectionName)
{
	return AddSection(SectionName);
}

FToolMenuSection& UToolMenu::FindOrAddSection(const FName SectionName, const TAttribute<FText>& InLabel, const FToolMenuInsert InPosition)
{
	if (FToolMenuSection* Existing = FindSection(SectionName))
	{
		if (!Existing->Label.IsSet())
		{
			Existing->Label = InLabel;
		}
		if (Existing->InsertPosition.IsDefault())
		{
			Existing->InsertPosition = InPosition;
		}
		return *Existing;
	}
	return AddSection(SectionName, InLabel, InPosition);
}

FToolMenuSection* UToolMenu::FindSection(const FName SectionName)
{
	return Sections.FindByPredicate([SectionName](const FToolMenuSection& Section) { return Section.Name == SectionName; });
}

void UToolMenu::RemoveSection(const FName SectionName)
{
	Sections.RemoveAll([SectionName](const FToolMenuSection& Section) { return Section.Name == SectionName; });
}

// ---------------------------------------------------------------- Registry

UToolMenus::UToolMenus()
{
}

UToolMenus* UToolMenus::Get()
{
	// The registry lives as long as its module; using it loads the module, which makes it. While the
	// module shuts down there is none.
	static const FName ModuleName(TEXT("ToolMenus"));
	if (!Singleton && !FModuleManager::Get().IsModuleLoaded(ModuleName))
	{
		FModuleManager::Get().LoadModule(ModuleName);
	}
	return Singleton;
}

UToolMenus* UToolMenus::TryGet()
{
	return Singleton;
}

bool UToolMenus::IsToolMenuUIEnabled()
{
	return true;
}

void UToolMenus::CreateSingleton()
{
	if (Singleton)
	{
		return;
	}
	Singleton = NewObject<UToolMenus>(GetTransientPackage());
	Singleton->AddToRoot();
	StartupCallbacks.Broadcast();
	StartupCallbacks.Clear();
}

void UToolMenus::DestroySingleton()
{
	if (Singleton)
	{
		for (const TPair<FName, UToolMenu*>& Entry : Singleton->Menus)
		{
			Entry.Value->RemoveFromRoot();
			Entry.Value->MarkAsGarbage();
		}
		Singleton->Menus.Empty();
		Singleton->RemoveFromRoot();
		Singleton->MarkAsGarbage();
		Singleton = nullptr;
	}
	StartupCallbacks.Clear();
}

FDelegateHandle UToolMenus::RegisterStartupCallback(const FSimpleMulticastDelegate::FDelegate& InDelegate)
{
	if (Singleton)
	{
		InDelegate.ExecuteIfBound();
		return FDelegateHandle();
	}
	return StartupCallbacks.Add(InDelegate);
}

void UToolMenus::UnRegisterStartupCallback(FDelegateHandle InHandle)
{
	StartupCallbacks.Remove(InHandle);
}

UToolMenu* UToolMenus::RegisterMenu(FName Name, const FName Parent, EMultiBoxType Type, bool bWarnIfAlreadyRegistered)
{
	UToolMenu*& Menu = Menus.FindOrAdd(Name);
	if (Menu && Menu->bRegistered)
	{
		if (bWarnIfAlreadyRegistered)
		{
			UE_LOG(LogToolMenus, Warning, TEXT("Menu already registered : %s"), *Name.ToString());
		}
		return Menu;
	}
	if (!Menu)
	{
		Menu = NewObject<UToolMenu>(this);
		Menu->AddToRoot();
		Menu->MenuName = Name;
	}
	Menu->MenuParent = Parent;
	Menu->MenuType = Type;
	Menu->bRegistered = true;
	return Menu;
}

UToolMenu* UToolMenus::ExtendMenu(const FName Name)
{
	UToolMenu*& Menu = Menus.FindOrAdd(Name);
	if (!Menu)
	{
		Menu = NewObject<UToolMenu>(this);
		Menu->AddToRoot();
		Menu->MenuName = Name;
	}
	return Menu;
}

bool UToolMenus::IsMenuRegistered(const FName Name) const
{
	UToolMenu* const* Menu = Menus.Find(Name);
	return Menu && (*Menu)->bRegistered;
}

UToolMenu* UToolMenus::FindMenu(const FName Name)
{
	UToolMenu** Menu = Menus.Find(Name);
	return Menu ? *Menu : nullptr;
}

void UToolMenus::RemoveMenu(const FName MenuName)
{
	if (UToolMenu* Menu = FindMenu(MenuName))
	{
		Menus.Remove(MenuName);
		Menu->RemoveFromRoot();
		Menu->MarkAsGarbage();
	}
}

void UToolMenus::RemoveSection(const FName MenuName, const FName InSection)
{
	if (UToolMenu* Menu = FindMenu(MenuName))
	{
		Menu->RemoveSection(InSection);
	}
}

void UToolMenus::RemoveEntry(const FName MenuName, const FName Section, const FName Name)
{
	UToolMenu* Menu = FindMenu(MenuName);
	FToolMenuSection* Found = Menu ? Menu->FindSection(Section) : nullptr;
	if (Found)
	{
		Found->Blocks.RemoveAll([Name](const FToolMenuEntry& Entry) { return Entry.Name == Name; });
	}
}

FToolMenuOwner UToolMenus::CurrentOwner() const
{
	return OwnerStack.Num() > 0 ? OwnerStack.Last() : FToolMenuOwner();
}

void UToolMenus::PushOwner(const FToolMenuOwner InOwner)
{
	OwnerStack.Add(InOwner);
}

void UToolMenus::PopOwner(const FToolMenuOwner InOwner)
{
	checkf(OwnerStack.Num() > 0 && OwnerStack.Last() == InOwner, TEXT("UToolMenus: tool menu owner scopes must close in the order they opened"));
	OwnerStack.Pop();
}

void UToolMenus::UnregisterOwner(FToolMenuOwner InOwner)
{
	if (UToolMenus* ToolMenus = TryGet())
	{
		ToolMenus->UnregisterOwnerInternal(InOwner);
	}
}

void UToolMenus::UnregisterOwnerInternal(FToolMenuOwner InOwner)
{
	if (!InOwner.IsSet())
	{
		return;
	}
	for (const TPair<FName, UToolMenu*>& Entry : Menus)
	{
		TArray<FToolMenuSection>& Sections = Entry.Value->Sections;
		for (FToolMenuSection& Section : Sections)
		{
			Section.Blocks.RemoveAll([&InOwner](const FToolMenuEntry& Block) { return Block.Owner == InOwner; });
		}
		Sections.RemoveAll([&InOwner](const FToolMenuSection& Section) { return Section.Owner == InOwner && Section.Blocks.Num() == 0; });
	}
}

void UToolMenus::MergeMenu(UToolMenu* Target, const UToolMenu* Source)
{
	for (const FToolMenuSection& SourceSection : Source->Sections)
	{
		FToolMenuSection* TargetSection = Target->FindSection(SourceSection.Name);
		if (!TargetSection)
		{
			Target->Sections.Add(SourceSection);
			continue;
		}
		if (!TargetSection->Label.IsSet())
		{
			TargetSection->Label = SourceSection.Label;
		}
		if (TargetSection->InsertPosition.IsDefault())
		{
			TargetSection->InsertPosition = SourceSection.InsertPosition;
		}
		for (const FToolMenuEntry& Entry : SourceSection.Blocks)
		{
			TargetSection->AddEntry(Entry);
		}
	}
}

namespace
{
	/** Moves the items whose insert position names another item to that position; First goes to the front. */
	template<typename ItemType>
	void PlaceByInsertPosition(TArray<ItemType>& Items)
	{
		TArray<ItemType> Placed;
		TArray<ItemType> Pending;
		for (ItemType& Item : Items)
		{
			if (Item.InsertPosition.IsDefault())
			{
				Placed.Add(Item);
			}
			else
			{
				Pending.Add(Item);
			}
		}
		// An item may be placed relative to another pending item; keep trying while something moves.
		bool bProgress = true;
		while (Pending.Num() > 0 && bProgress)
		{
			bProgress = false;
			for (int32 Index = 0; Index < Pending.Num(); ++Index)
			{
				const FToolMenuInsert& Position = Pending[Index].InsertPosition;
				int32 At = INDEX_NONE;
				if (Position.Position == EToolMenuInsertType::First)
				{
					At = 0;
				}
				else
				{
					const int32 Anchor = Placed.IndexOfByPredicate([&Position](const ItemType& Other) { return Other.Name == Position.Name; });
					if (Anchor != INDEX_NONE)
					{
						At = Position.Position == EToolMenuInsertType::Before ? Anchor : Anchor + 1;
					}
				}
				if (At != INDEX_NONE)
				{
					Placed.Insert(Pending[Index], At);
					Pending.RemoveAt(Index);
					--Index;
					bProgress = true;
				}
			}
		}
		// Items whose anchor never appears go last, as the engine appends them.
		Placed.Append(Pending);
		Items = MoveTemp(Placed);
	}
}

void UToolMenus::ResolveInsertPositions(UToolMenu* Menu)
{
	PlaceByInsertPosition(Menu->Sections);
	for (FToolMenuSection& Section : Menu->Sections)
	{
		PlaceByInsertPosition(Section.Blocks);
	}
}

void UToolMenus::FillDynamicEntries(UToolMenu* Menu)
{
	for (FToolMenuSection& Section : Menu->Sections)
	{
		TArray<FToolMenuEntry> Filled;
		for (const FToolMenuEntry& Entry : Section.Blocks)
		{
			if (!Entry.IsDynamic())
			{
				Filled.Add(Entry);
				continue;
			}
			FToolMenuSection Constructed;
			Constructed.Name = Section.Name;
			Constructed.Label = Section.Label;
			Entry.Construct.Execute(Constructed);
			Filled.Append(Constructed.Blocks);
		}
		Section.Blocks = MoveTemp(Filled);
	}
}

UToolMenu* UToolMenus::GenerateMenu(const FName Name, const FToolMenuContext& InMenuContext)
{
	// The menu and its parents, root first; each adds its sections and extensions over the ones before.
	TArray<UToolMenu*> Hierarchy;
	for (UToolMenu* Menu = FindMenu(Name); Menu && !Hierarchy.Contains(Menu); Menu = Menu->MenuParent.IsNone() ? nullptr : FindMenu(Menu->MenuParent))
	{
		Hierarchy.Insert(Menu, 0);
	}

	UToolMenu* Generated = NewObject<UToolMenu>(GetTransientPackage());
	Generated->MenuName = Name;
	Generated->Context = InMenuContext;
	if (Hierarchy.Num() > 0)
	{
		const UToolMenu* Leaf = Hierarchy.Last();
		Generated->MenuParent = Leaf->MenuParent;
		Generated->MenuType = Leaf->MenuType;
		Generated->bShouldCloseWindowAfterMenuSelection = Leaf->bShouldCloseWindowAfterMenuSelection;
		Generated->bSearchable = Leaf->bSearchable;
	}
	for (const UToolMenu* Menu : Hierarchy)
	{
		MergeMenu(Generated, Menu);
	}
	ResolveInsertPositions(Generated);
	FillDynamicEntries(Generated);
	return Generated;
}

namespace
{
	void PopulateMenuBuilder(FMenuBuilder& MenuBuilder, const UToolMenu* Menu);

	/** Fills a sub-menu's builder from what the entry says makes it. */
	void BuildSubMenu(FMenuBuilder& SubMenuBuilder, const FNewToolMenuChoice& Choice, const FToolMenuContext& Context)
	{
		if (Choice.NewMenuLegacy.IsBound())
		{
			Choice.NewMenuLegacy.Execute(SubMenuBuilder);
			return;
		}
		if (Choice.NewToolMenuDelegate.IsBound())
		{
			UToolMenu* SubMenu = NewObject<UToolMenu>(GetTransientPackage());
			SubMenu->Context = Context;
			Choice.NewToolMenuDelegate.Execute(SubMenu);
			PopulateMenuBuilder(SubMenuBuilder, SubMenu);
			SubMenu->MarkAsGarbage();
			return;
		}
		checkf(!Choice.OnGetContent.IsBound() && !Choice.NewToolMenuWidget.IsBound(), TEXT("UToolMenus: a sub-menu made of a ready widget cannot be shown inside a menu in the stand-in"));
	}

	void PopulateMenuBuilder(FMenuBuilder& MenuBuilder, const UToolMenu* Menu)
	{
		const FToolMenuContext& Context = Menu->Context;
		for (const FToolMenuSection& Section : Menu->Sections)
		{
			MenuBuilder.BeginSection(Section.Name, Section.Label);
			for (const FToolMenuEntry& Entry : Section.Blocks)
			{
				const FSlateIcon Icon = Entry.Icon.IsSet() ? Entry.Icon.Get() : FSlateIcon();
				if (Entry.IsSubMenu() || Entry.Type == EMultiBlockType::ToolBarComboButton)
				{
					const FNewToolMenuChoice Choice = Entry.IsSubMenu() ? Entry.SubMenuData.ConstructMenu : Entry.ToolBarData.ComboButtonContextMenuGenerator;
					MenuBuilder.AddSubMenu(Entry.GetLabelText(), Entry.GetToolTipText(),
						FNewMenuDelegate::CreateLambda([Choice, Context](FMenuBuilder& SubMenuBuilder) { BuildSubMenu(SubMenuBuilder, Choice, Context); }),
						Entry.SubMenuData.bOpenSubMenuOnClick, Icon, Entry.bShouldCloseWindowAfterMenuSelection, Entry.Name);
				}
				else if (Entry.IsCommand())
				{
					TSharedPtr<const FUICommandList> CommandList = Entry.GetCommandList();
					if (!CommandList.IsValid())
					{
						Context.GetActionForCommand(Entry.GetCommand(), CommandList);
					}
					if (CommandList.IsValid())
					{
						MenuBuilder.PushCommandList(CommandList.ToSharedRef());
					}
					MenuBuilder.AddMenuEntry(Entry.GetCommand(), Entry.Name, Entry.Label, Entry.ToolTip, Icon, Entry.TutorialHighlightName);
					if (CommandList.IsValid())
					{
						MenuBuilder.PopCommandList();
					}
				}
				else
				{
					const FUIAction* Action = Entry.GetActionChoice().GetUIAction();
					MenuBuilder.AddMenuEntry(Entry.Label, Entry.ToolTip, Icon, Action ? *Action : FUIAction(), Entry.Name, Entry.UserInterfaceActionType, Entry.TutorialHighlightName);
				}
			}
			MenuBuilder.EndSection();
		}
	}
}

TSharedRef<SWidget> UToolMenus::GenerateWidget(const FName Name, const FToolMenuContext& InMenuContext)
{
	UToolMenu* Generated = GenerateMenu(Name, InMenuContext);
	TSharedRef<SWidget> Widget = GenerateWidget(Generated);
	Generated->MarkAsGarbage();
	return Widget;
}

TSharedRef<SWidget> UToolMenus::GenerateWidget(UToolMenu* GeneratedMenu)
{
	checkf(GeneratedMenu, TEXT("UToolMenus::GenerateWidget: no menu"));
	checkf(GeneratedMenu->MenuType == EMultiBoxType::Menu, TEXT("UToolMenus::GenerateWidget(%s): only menus are drawn by the stand-in; read a toolbar from its generated UToolMenu"), *GeneratedMenu->MenuName.ToString());
	FMenuBuilder MenuBuilder(GeneratedMenu->bShouldCloseWindowAfterMenuSelection, nullptr, GeneratedMenu->Context.GetAllExtenders(), false, &FCoreStyle::Get(), GeneratedMenu->bSearchable, GeneratedMenu->MenuName);
	PopulateMenuBuilder(MenuBuilder, GeneratedMenu);
	return MenuBuilder.MakeWidget();
}

// ---------------------------------------------------------------- Owner scope

FToolMenuOwnerScoped::FToolMenuOwnerScoped(const FToolMenuOwner InOwner)
	: Owner(InOwner)
{
	UToolMenus::Get()->PushOwner(InOwner);
}

FToolMenuOwnerScoped::~FToolMenuOwnerScoped()
{
	if (UToolMenus* ToolMenus = UToolMenus::TryGet())
	{
		ToolMenus->PopOwner(Owner);
	}
}
