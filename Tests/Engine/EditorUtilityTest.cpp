// Editor utility widget Blueprints: loading from the asset form, their widgets and tabs, and the
// editor utility subsystem opening and closing them through the level editor's tab manager.

#include "EngineTestEnvironment.h"

#include "Blueprint/UserWidget.h"
#include "Blueprint/WidgetBlueprintGeneratedClass.h"
#include "Blueprint/WidgetTree.h"
#include "Components/TextBlock.h"
#include "EditorUtilitySubsystem.h"
#include "EditorUtilityWidget.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Application/SlateApplication.h"
#include "Framework/Docking/TabManager.h"
#include "IBlutilityModule.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/SWindow.h"

#include <gtest/gtest.h>

namespace
{
	/** A panel whose widget tree holds one text block, as the editor saves a simple utility widget. */
	std::string PanelAsset(const std::string& Name, const std::string& ParentClass)
	{
		const std::string Path = "/Game/Panels/" + Name + "." + Name;
		// clang-format off
		return R"JSON({ "Class": "/Script/Blutility.EditorUtilityWidgetBlueprint",
  "Properties": { "ParentClass": ")JSON" + ParentClass + R"JSON(", "WidgetTree": ")JSON" + Path + R"JSON(:WidgetTree" },
  "Subobjects": [ { "Name": "WidgetTree", "Class": "/Script/UMG.WidgetTree",
    "Properties": { "RootWidget": ")JSON" + Path + R"JSON(:WidgetTree.Title" },
    "Subobjects": [ { "Name": "Title", "Class": "/Script/UMG.TextBlock", "Properties": { "Text": "INVTEXT(\")JSON" + Name + R"JSON(\")" } } ] } ] })JSON";
		// clang-format on
	}

	const char* const UtilityWidgetClass = "/Script/Blutility.EditorUtilityWidget";

	UEditorUtilityWidgetBlueprint* LoadPanel(const TCHAR* Name)
	{
		return LoadObject<UEditorUtilityWidgetBlueprint>(nullptr, *FString::Printf(TEXT("/Game/Panels/%s.%s"), Name, Name));
	}

	TSharedPtr<FTabManager> LevelEditorTabs()
	{
		return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
	}

	/** Whether Inner is Outer or sits somewhere below it in the Slate hierarchy. */
	bool IsInside(TSharedPtr<SWidget> Inner, const TSharedRef<SWidget>& Outer)
	{
		for (; Inner.IsValid(); Inner = Inner->GetParentWidget())
		{
			if (Inner == Outer)
			{
				return true;
			}
		}
		return false;
	}

	class EditorUtilityTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			ASSERT_TRUE(Engine.IsBooted());
			Engine.WriteProjectFile("Content/Panels/EUW_Basic.uasset.json", PanelAsset("EUW_Basic", UtilityWidgetClass));
			Engine.WriteProjectFile("Content/Panels/EUW_Orphan.uasset.json", PanelAsset("EUW_Orphan", "/Script/Nowhere.MissingUtilityWidget"));
			Engine.WriteProjectFile("Content/Panels/EUW_Bare.uasset.json", R"({ "Class": "/Script/Blutility.EditorUtilityWidgetBlueprint", "Properties": { "ParentClass": "/Script/Blutility.EditorUtilityWidget" } })");
			Subsystem = GEditor->GetEditorSubsystem<UEditorUtilitySubsystem>();
			ASSERT_NE(Subsystem, nullptr);
			ASSERT_TRUE(LevelEditorTabs().IsValid());
		}

		FScopedTestEngine Engine;
		UEditorUtilitySubsystem* Subsystem = nullptr;
	};
}

// Loading

TEST_F(EditorUtilityTest, LoadingBuildsAWidgetClassDerivedFromTheParent)
{
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Basic"));
	ASSERT_NE(Blueprint, nullptr);
	UClass* Generated = Blueprint->GeneratedClass;
	ASSERT_NE(Generated, nullptr);
	EXPECT_EQ(Generated->GetName(), FString(TEXT("EUW_Basic_C")));
	EXPECT_EQ(Generated->GetClass(), UWidgetBlueprintGeneratedClass::StaticClass());
	EXPECT_TRUE(Generated->IsChildOf(UEditorUtilityWidget::StaticClass()));
	// The native parent is abstract; the Blueprint's class is not.
	EXPECT_FALSE(Generated->HasAnyClassFlags(CLASS_Abstract));

	UWidgetTree* Archetype = CastChecked<UWidgetBlueprintGeneratedClass>(Generated)->GetWidgetTreeArchetype();
	ASSERT_NE(Archetype, nullptr);
	EXPECT_EQ(Archetype, Blueprint->WidgetTree.Get());
	UTextBlock* Title = Cast<UTextBlock>(Archetype->RootWidget);
	ASSERT_NE(Title, nullptr);
	EXPECT_EQ(Title->GetText().ToString(), FString(TEXT("EUW_Basic")));
	EXPECT_EQ(Archetype->FindWidget(TEXT("Title")), Title);
}

TEST_F(EditorUtilityTest, BlueprintWithMissingParentHasNoClassAndOpensAnEmptyTab)
{
	FEngineTestLogCapture Log;
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Orphan"));
	ASSERT_NE(Blueprint, nullptr);
	EXPECT_EQ(Blueprint->GeneratedClass, nullptr);
	EXPECT_GE(Log.Count(TEXT("EUW_Orphan"), ELogVerbosity::Warning), 1);

	TSharedRef<SDockTab> Tab = Blueprint->SpawnEditorUITab(FSpawnTabArgs(nullptr, FTabId(TEXT("Orphan"))));
	EXPECT_EQ(Blueprint->GetCreatedWidget(), nullptr);
	EXPECT_EQ(Tab->GetContent(), SNullWidget::NullWidget);
	EXPECT_GE(Log.Count(TEXT("its tab stays empty"), ELogVerbosity::Warning), 1);
}

// Widgets and their tabs

TEST_F(EditorUtilityTest, EverySpawnMakesANewWidgetWithItsOwnWidgets)
{
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Basic"));
	ASSERT_NE(Blueprint, nullptr);

	TSharedRef<SDockTab> FirstTab = Blueprint->SpawnEditorUITab(FSpawnTabArgs(nullptr, FTabId(TEXT("Basic"))));
	UEditorUtilityWidget* First = Blueprint->GetCreatedWidget();
	ASSERT_NE(First, nullptr);
	EXPECT_TRUE(First->IsEditorUtility());
	EXPECT_EQ(First->GetClass(), Blueprint->GeneratedClass.Get());
	EXPECT_EQ(FirstTab->GetTabLabel().ToString(), FString(TEXT("EUW_Basic")));

	UWidget* FirstRoot = First->GetRootWidget();
	ASSERT_NE(FirstRoot, nullptr);
	EXPECT_NE(FirstRoot, Blueprint->WidgetTree->RootWidget.Get());
	EXPECT_TRUE(FirstRoot->IsIn(First));

	// The root's Slate widget is made once and sits inside the tab.
	TSharedRef<SWidget> RootSlate = FirstRoot->TakeWidget();
	EXPECT_EQ(FirstRoot->TakeWidget(), RootSlate);
	EXPECT_EQ(FirstRoot->GetCachedWidget(), TSharedPtr<SWidget>(RootSlate));
	EXPECT_TRUE(IsInside(RootSlate, FirstTab));

	Blueprint->SpawnEditorUITab(FSpawnTabArgs(nullptr, FTabId(TEXT("Basic"))));
	UEditorUtilityWidget* Second = Blueprint->GetCreatedWidget();
	ASSERT_NE(Second, nullptr);
	EXPECT_NE(Second, First);
	ASSERT_NE(Second->GetRootWidget(), nullptr);
	EXPECT_NE(Second->GetRootWidget(), FirstRoot);
}

TEST_F(EditorUtilityTest, BlueprintWithoutWidgetTreeGivesAWidgetWithoutRoot)
{
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Bare"));
	ASSERT_NE(Blueprint, nullptr);
	ASSERT_NE(Blueprint->GeneratedClass, nullptr);
	Blueprint->SpawnEditorUITab(FSpawnTabArgs(nullptr, FTabId(TEXT("Bare"))));
	UEditorUtilityWidget* Widget = Blueprint->GetCreatedWidget();
	ASSERT_NE(Widget, nullptr);
	EXPECT_EQ(Widget->GetRootWidget(), nullptr);
	EXPECT_NE(Widget->WidgetTree.Get(), nullptr);
}

TEST_F(EditorUtilityTest, CreateWidgetRefusesAbstractAndNonWidgetClasses)
{
	FEngineTestLogCapture Log;
	EXPECT_EQ(CreateWidget<UUserWidget>(Engine.GetWorld(), UEditorUtilityWidget::StaticClass()), nullptr);
	EXPECT_EQ(Log.Count(TEXT("EditorUtilityWidget"), ELogVerbosity::Error), 1);
	EXPECT_EQ(CreateWidget<UUserWidget>(static_cast<UObject*>(nullptr), UEditorUtilityWidget::StaticClass()), nullptr);
}

// The subsystem's registered tabs

TEST_F(EditorUtilityTest, RegisteredTabOpensClosesAsTheUserWouldAndReopens)
{
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Basic"));
	ASSERT_NE(Blueprint, nullptr);
	TSharedPtr<FTabManager> Tabs = LevelEditorTabs();

	// Registered the way an editor module does it: its own spawner, the Blueprint builds the tab.
	const FName TabId(TEXT("EUW_Basic_Panel"));
	int32 ClosedCount = 0;
	Tabs->RegisterTabSpawner(TabId, FOnSpawnTab::CreateLambda([Blueprint, &ClosedCount](const FSpawnTabArgs& Args) {
		TSharedRef<SDockTab> Tab = Blueprint->SpawnEditorUITab(Args);
		Tab->SetOnTabClosed(SDockTab::FOnTabClosedCallback::CreateLambda([&ClosedCount](TSharedRef<SDockTab>) { ++ClosedCount; }));
		return Tab;
	}));
	Subsystem->RegisteredTabs.Add(TabId, Blueprint);

	EXPECT_FALSE(Subsystem->DoesTabExist(TabId));
	EXPECT_EQ(Subsystem->FindUtilityWidgetFromBlueprint(Blueprint), nullptr);
	ASSERT_TRUE(Subsystem->SpawnRegisteredTabByID(TabId));
	EXPECT_TRUE(Subsystem->DoesTabExist(TabId));
	UEditorUtilityWidget* Widget = Subsystem->FindUtilityWidgetFromBlueprint(Blueprint);
	ASSERT_NE(Widget, nullptr);
	EXPECT_TRUE(Subsystem->LoadedUIs.Contains(FSoftObjectPath(Blueprint)));

	// Opening again brings the open tab forward instead of making a second widget.
	ASSERT_TRUE(Subsystem->SpawnRegisteredTabByID(TabId));
	EXPECT_EQ(Subsystem->FindUtilityWidgetFromBlueprint(Blueprint), Widget);
	TArray<TSharedRef<SDockTab>> Live;
	Tabs->GetLiveTabs(Live);
	EXPECT_EQ(Live.FilterByPredicate([&TabId](const TSharedRef<SDockTab>& Tab) { return Tab->GetLayoutIdentifier().TabType == TabId; }).Num(), 1);

	EXPECT_TRUE(Subsystem->CloseTabByID(TabId));
	EXPECT_EQ(ClosedCount, 1);
	EXPECT_FALSE(Subsystem->DoesTabExist(TabId));
	EXPECT_EQ(Subsystem->FindUtilityWidgetFromBlueprint(Blueprint), nullptr);
	EXPECT_FALSE(Subsystem->CloseTabByID(TabId));
	EXPECT_EQ(ClosedCount, 1);

	ASSERT_TRUE(Subsystem->SpawnRegisteredTabByID(TabId));
	EXPECT_NE(Subsystem->FindUtilityWidgetFromBlueprint(Blueprint), nullptr);
	EXPECT_TRUE(Subsystem->CloseTabByID(TabId));
	EXPECT_EQ(ClosedCount, 2);
}

TEST_F(EditorUtilityTest, UnknownOrSpawnerlessTabsAreRefused)
{
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Basic"));
	ASSERT_NE(Blueprint, nullptr);
	EXPECT_FALSE(Subsystem->SpawnRegisteredTabByID(TEXT("NoSuchTab")));
	EXPECT_FALSE(Subsystem->CloseTabByID(TEXT("NoSuchTab")));

	// Recorded in the table but with no spawner in the level editor: nothing to invoke.
	Subsystem->RegisteredTabs.Add(TEXT("TableOnly"), Blueprint);
	EXPECT_FALSE(Subsystem->SpawnRegisteredTabByID(TEXT("TableOnly")));
	EXPECT_FALSE(Subsystem->DoesTabExist(TEXT("TableOnly")));

	// A spawner alone does not make a registered tab.
	LevelEditorTabs()->RegisterTabSpawner(TEXT("SpawnerOnly"), FOnSpawnTab::CreateLambda([](const FSpawnTabArgs&) { return SNew(SDockTab); }));
	EXPECT_FALSE(Subsystem->SpawnRegisteredTabByID(TEXT("SpawnerOnly")));
}

TEST_F(EditorUtilityTest, RegisterTabAndGetIDNamesTheTabAfterTheBlueprintAndGroupsIt)
{
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Basic"));
	ASSERT_NE(Blueprint, nullptr);
	FName TabId;
	Subsystem->RegisterTabAndGetID(Blueprint, TabId);
	EXPECT_EQ(TabId, FName(TEXT("/Game/Panels/EUW_Basic.EUW_Basic_ActiveTab")));
	EXPECT_EQ(Blueprint->GetRegistrationName(), TabId);
	EXPECT_EQ(Subsystem->RegisteredTabs.FindRef(TabId), Blueprint);

	TSharedPtr<FTabSpawnerEntry> Spawner = LevelEditorTabs()->FindTabSpawnerFor(TabId);
	ASSERT_TRUE(Spawner.IsValid());
	IBlutilityModule& Blutility = FModuleManager::LoadModuleChecked<IBlutilityModule>(TEXT("Blutility"));
	EXPECT_EQ(Spawner->GetParent(), Blutility.GetMenuGroup());

	// Registering twice keeps one spawner; spawning returns the panel's widget.
	FName Again;
	Subsystem->RegisterTabAndGetID(Blueprint, Again);
	EXPECT_EQ(Again, TabId);
	int32 SpawnersInGroup = 0;
	for (const TSharedRef<FWorkspaceItem>& Item : Blutility.GetMenuGroup()->GetChildItems())
	{
		TSharedPtr<FTabSpawnerEntry> Entry = Item->AsSpawnerEntry();
		SpawnersInGroup += Entry.IsValid() && Entry->GetTabType() == TabId ? 1 : 0;
	}
	EXPECT_EQ(SpawnersInGroup, 1);
	UEditorUtilityWidget* Widget = Subsystem->SpawnAndRegisterTab(Blueprint);
	ASSERT_NE(Widget, nullptr);
	EXPECT_EQ(Widget, Blueprint->GetCreatedWidget());
	EXPECT_TRUE(Subsystem->CloseTabByID(TabId));
}

TEST_F(EditorUtilityTest, OpenPanelWidgetsAreFoundInTheLevelEditorWindow)
{
	UEditorUtilityWidgetBlueprint* Blueprint = LoadPanel(TEXT("EUW_Basic"));
	ASSERT_NE(Blueprint, nullptr);
	UEditorUtilityWidget* Widget = Subsystem->SpawnAndRegisterTab(Blueprint);
	ASSERT_NE(Widget, nullptr);
	ASSERT_NE(Widget->GetRootWidget(), nullptr);

	TSharedPtr<SWindow> Window = FSlateApplication::Get().FindWidgetWindow(Widget->GetRootWidget()->TakeWidget());
	ASSERT_TRUE(Window.IsValid());
	TSharedPtr<SDockTab> Tab = Blueprint->GetCreatedTab();
	ASSERT_TRUE(Tab.IsValid());
	EXPECT_EQ(Window, Tab->GetParentWindow());
}
