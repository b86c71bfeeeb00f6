// The module's start-up and shut-down steps, observed in order through what the editor announces while
// they run: at each announcement every earlier step has left its mark and no later one has.

#include "QuovexEditorTestFixture.h"

#include "AssetRegistry/IAssetRegistry.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandInfo.h"
#include "IPlacementModeModule.h"
#include "LevelEditor.h"
#include "QuovexVirtualProductionStyle.h"
#include "Settings/EditorLoadingSavingSettings.h"
#include "Styling/SlateStyleRegistry.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "ToolMenus.h"

using namespace QuovexTest;

namespace
{
	/** The marks of start-up steps 1 to 11 (step 4, the game-run test, leaves none). */
	struct FStartupMarks
	{
		bool bCommands = false;
		bool bStyle = false;
		bool bFilesLoadedHook = false;
		bool bMapChangedHook = false;
		bool bTabsSetUp = false;
		bool bToolbar = false;
		bool bWindowMenu = false;
		bool bPlacement = false;
		bool bLayouts = false;
		bool bAutoSaveOff = false;

		TArray<bool> AsArray() const
		{
			return { bCommands, bStyle, bFilesLoadedHook, bMapChangedHook, bTabsSetUp, bToolbar, bWindowMenu, bPlacement, bLayouts, bAutoSaveOff };
		}
	};

	/** The first N marks set, the rest not. */
	TArray<bool> FirstMarks(int32 Count)
	{
		TArray<bool> Marks;
		for (int32 Index = 0; Index < 10; ++Index)
		{
			Marks.Add(Index < Count);
		}
		return Marks;
	}

	class StartupOrderTest : public FQuovexEditorTest
	{
	protected:
		void TearDown() override
		{
			FModuleManager::Get().OnModulesChanged().RemoveAll(this);
			FBindingContext::CommandsChanged.RemoveAll(this);
			FQuovexEditorTest::TearDown();
		}

		FStartupMarks Marks() const
		{
			FStartupMarks Now;
			Now.bCommands = FInputBindingManager::Get().GetContextByName(TEXT("QuovexCommands")).IsValid();
			Now.bStyle = FSlateStyleRegistry::FindSlateStyle(FQuovexVirtualProductionStyle::GetStyleSetName()) != nullptr;
			Now.bFilesLoadedHook = IAssetRegistry::GetChecked().OnFilesLoaded().IsBound();
			FLevelEditorModule* LevelEditor = FModuleManager::GetModulePtr<FLevelEditorModule>(TEXT("LevelEditor"));
			Now.bMapChangedHook = LevelEditor && LevelEditor->OnMapChanged().IsBound();
			// Set-up subscribes to the level editor's tab manager, which the UI makes later.
			Now.bTabsSetUp = LevelEditor && LevelEditor->OnTabManagerChanged().IsBound();
			UToolMenus* ToolMenus = UToolMenus::TryGet();
			UToolMenu* Toolbar = ToolMenus ? ToolMenus->FindMenu(TEXT("LevelEditor.LevelEditorToolBar.User")) : nullptr;
			Now.bToolbar = Toolbar && Toolbar->FindSection(TEXT("Quovex")) && Toolbar->FindSection(TEXT("Quovex"))->FindEntry(TEXT("Quovex Actions"));
			Now.bWindowMenu = LevelEditor && LevelEditor->GetMenuExtensibilityManager().IsValid() && LevelEditor->GetMenuExtensibilityManager()->NumExtendersForHost() > 0;
			Now.bPlacement = FModuleManager::Get().IsModuleLoaded(TEXT("PlacementMode")) && IPlacementModeModule::Get().GetRegisteredPlacementCategory(TEXT("Quovex")) != nullptr;
			Now.bLayouts = std::filesystem::exists(Temp.Path("User/Saved/Config/Layouts/QuovexOperatorLayout.ini"));
			Now.bAutoSaveOff = !GetDefault<UEditorLoadingSavingSettings>()->bAutoSaveEnable;
			return Now;
		}

		/** The marks taken when each announcement was heard, by name, in the order heard. */
		TArray<TPair<FString, TArray<bool>>> Heard;

		void Hear(const FString& What)
		{
			Heard.Add(TPair<FString, TArray<bool>>(What, Marks().AsArray()));
		}

		const TArray<bool>* HeardAt(const FString& What) const
		{
			const TPair<FString, TArray<bool>>* Found = Heard.FindByPredicate([&What](const TPair<FString, TArray<bool>>& Entry) { return Entry.Key == What; });
			return Found ? &Found->Value : nullptr;
		}
	};
}

TEST_F(StartupOrderTest, StartUpRunsItsElevenStepsInOrder)
{
	FBindingContext::CommandsChanged.AddLambda([this](const FBindingContext& Context) {
		if (Context.GetContextName() == FName(TEXT("QuovexCommands")))
		{
			Hear(TEXT("commands registered"));
		}
	});
	FModuleManager::Get().OnModulesChanged().AddLambda([this](FName Module, EModuleChangeReason Reason) {
		if (Reason != EModuleChangeReason::ModuleLoaded)
		{
			return;
		}
		if (Module == FName(TEXT("QuovexVirtualProductionEditor")))
		{
			Hear(TEXT("module started"));
			return;
		}
		if (Module == FName(TEXT("LevelEditor")) || Module == FName(TEXT("ToolMenus")) || Module == FName(TEXT("PlacementMode")))
		{
			Hear(Module.ToString() + TEXT(" loaded"));
		}
		if (Module == FName(TEXT("PlacementMode")))
		{
			IPlacementModeModule::Get().OnPlacementModeCategoryListChanged().AddLambda([this]() {
				if (IPlacementModeModule::Get().GetRegisteredPlacementCategory(TEXT("Quovex")))
				{
					Hear(TEXT("category registered"));
				}
			});
		}
	});
	ASSERT_TRUE(Boot());

	// Step 1 comes first of all.
	ASSERT_NE(HeardAt(TEXT("commands registered")), nullptr);
	EXPECT_EQ(*HeardAt(TEXT("commands registered")), FirstMarks(1));
	// Step 5 loads the level editor once the command set, style and asset-registry hook exist.
	ASSERT_NE(HeardAt(TEXT("LevelEditor loaded")), nullptr);
	EXPECT_EQ(*HeardAt(TEXT("LevelEditor loaded")), FirstMarks(3));
	// Step 7 makes the tool menus after the tabs are set up (step 6).
	ASSERT_NE(HeardAt(TEXT("ToolMenus loaded")), nullptr);
	EXPECT_EQ(*HeardAt(TEXT("ToolMenus loaded")), FirstMarks(5));
	// Step 9 loads the placement mode once both menus are in place, then registers the category.
	ASSERT_NE(HeardAt(TEXT("PlacementMode loaded")), nullptr);
	EXPECT_EQ(*HeardAt(TEXT("PlacementMode loaded")), FirstMarks(7));
	ASSERT_NE(HeardAt(TEXT("category registered")), nullptr);
	EXPECT_EQ(*HeardAt(TEXT("category registered")), FirstMarks(8));
	// Steps 10 and 11 close the start-up.
	ASSERT_NE(HeardAt(TEXT("module started")), nullptr);
	EXPECT_EQ(*HeardAt(TEXT("module started")), FirstMarks(10));
}

TEST_F(StartupOrderTest, ShutDownUnregistersCommandsAndStyleThenTheCategory)
{
	ASSERT_TRUE(Boot());
	TArray<FString> Order;
	FBindingContext::CommandsChanged.AddLambda([&Order](const FBindingContext& Context) {
		if (Context.GetContextName() == FName(TEXT("QuovexCommands")))
		{
			Order.Add(FString::Printf(TEXT("commands (style %s)"), FSlateStyleRegistry::FindSlateStyle(FQuovexVirtualProductionStyle::GetStyleSetName()) ? TEXT("registered") : TEXT("gone")));
		}
	});
	IPlacementModeModule::Get().OnPlacementModeCategoryListChanged().AddLambda([&Order]() {
		Order.Add(FString::Printf(TEXT("category (commands %s, style %s)"),
			FInputBindingManager::Get().GetContextByName(TEXT("QuovexCommands")).IsValid() ? TEXT("registered") : TEXT("gone"),
			FSlateStyleRegistry::FindSlateStyle(FQuovexVirtualProductionStyle::GetStyleSetName()) ? TEXT("registered") : TEXT("gone")));
	});
	FEditorHost::Shutdown();
	EXPECT_EQ(Order, (TArray<FString>{ TEXT("commands (style registered)"), TEXT("category (commands gone, style gone)") }));
}
