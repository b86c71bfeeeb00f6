// The keyer asset and compositor subsystem the panels reach, and the lens-tool panels opened through the subsystem.

#include "VPEditorSubsystemTestFixture.h"

#include "CompositeKeyer.h"
#include "CompositorSubsystem.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "QuovexTabManager.h"
#include "UObject/Class.h"

using namespace QuovexTest;

namespace
{
	const TCHAR* const KeyerPath = TEXT("/QuovexSuite/QuovexNewKeyer/QuovexNewCompositeKeyer.QuovexNewCompositeKeyer");

	class CompositingHooksTest : public FVPSubsystemTest
	{
	protected:
		std::filesystem::path KeyerAsset() const
		{
			return Temp.Path("Plugins/QuovexSuite/Content/QuovexNewKeyer/QuovexNewCompositeKeyer.uasset.json");
		}

		static bool IsPanelLive(const TCHAR* TabId)
		{
			const FQuovexTabDescriptor* Tab = FQuovexTabManager::Get().GetTabs().FindByPredicate([TabId](const FQuovexTabDescriptor& Entry) { return Entry.TabId == FName(TabId); });
			const TSharedPtr<FTabManager> Tabs = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
			return Tab && Tabs.IsValid() && Tabs->FindExistingLiveTab(FTabId(Tab->RegistrationName)).IsValid();
		}

		/** Lines of the module's log category at a verbosity. */
		TArray<FString> ModuleLines(const TCHAR* Verbosity) const
		{
			const FString Prefix = FString::Printf(TEXT("LogQuovexVirtualProductionEditor: %s: "), Verbosity);
			return Log.GetLines().FilterByPredicate([&Prefix](const FString& Line) { return Line.StartsWith(Prefix); });
		}

		static UWorld* EditorWorld()
		{
			return GEditor->GetEditorWorldContext().World();
		}
	};
}

TEST_F(CompositingHooksTest, TheShippedKeyerLoadsAsACompositeKeyerAndIsTheSameObjectEachTime)
{
	BootAndWatch();
	UCompositeKeyer* Keyer = Subsystem()->GetCompositeKeyer();
	ASSERT_NE(Keyer, nullptr);
	EXPECT_EQ(Keyer->GetPathName(), FString(KeyerPath));
	EXPECT_EQ(Keyer->GetClass(), UCompositeKeyer::StaticClass());
	EXPECT_EQ(Subsystem()->GetCompositeKeyer(), Keyer);

	// A panel graph gets it through the reflected function.
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexVPEditorSubsystem.GetCompositeKeyer"), Console));
	EXPECT_TRUE(Console.Contains(FString(TEXT("ReturnValue=")) + KeyerPath));
}

TEST_F(CompositingHooksTest, AMissingKeyerGivesNullAndTheSubsystemCarriesOn)
{
	std::filesystem::remove(KeyerAsset());
	BootAndWatch();
	EXPECT_EQ(Subsystem()->GetCompositeKeyer(), nullptr);
	EXPECT_EQ(Subsystem()->GetCompositeKeyer(), nullptr);
	EXPECT_TRUE(ModuleLines(TEXT("Error")).IsEmpty());
	EXPECT_NE(Subsystem()->GetCompositorSubsystem(), nullptr);
}

TEST_F(CompositingHooksTest, AKeyerAssetOfAnotherClassIsNotHandedOut)
{
	HostTest::WriteFile(KeyerAsset(), R"({ "Class": "/Script/Engine.World" })");
	BootAndWatch();
	EXPECT_EQ(Subsystem()->GetCompositeKeyer(), nullptr);
}

TEST_F(CompositingHooksTest, TheCompositorSubsystemIsThePlayWorldsDuringPlayAndTheEditedWorldsOtherwise)
{
	BootAndWatch();
	UCompositorSubsystem* EditorCompositor = Subsystem()->GetCompositorSubsystem();
	ASSERT_NE(EditorCompositor, nullptr);
	EXPECT_EQ(EditorCompositor->GetWorld(), EditorWorld());

	Subsystem()->Play();
	GEngine->Tick(0.0f, false);
	UWorld* PlayWorld = GEditor->PlayWorld;
	ASSERT_NE(PlayWorld, nullptr);
	UCompositorSubsystem* PlayCompositor = Subsystem()->GetCompositorSubsystem();
	ASSERT_NE(PlayCompositor, nullptr);
	EXPECT_NE(PlayCompositor, EditorCompositor);
	EXPECT_EQ(PlayCompositor->GetWorld(), PlayWorld);
	EXPECT_EQ(PlayCompositor, PlayWorld->GetSubsystem<UCompositorSubsystem>());
	const TWeakObjectPtr<UCompositorSubsystem> PlayCompositorWatch = PlayCompositor;

	Subsystem()->Stop();
	GEngine->Tick(0.0f, false);
	ASSERT_EQ(GEditor->PlayWorld, nullptr);
	EXPECT_EQ(Subsystem()->GetCompositorSubsystem(), EditorCompositor);
	// The play world's compositor went with its world.
	EXPECT_FALSE(PlayCompositorWatch.IsValid());
}

TEST_F(CompositingHooksTest, AnOpenedMapBringsItsOwnCompositor)
{
	BootAndWatch();
	UCompositorSubsystem* Before = Subsystem()->GetCompositorSubsystem();
	OpenMap(TEXT("Empty"));
	UCompositorSubsystem* After = Subsystem()->GetCompositorSubsystem();
	ASSERT_NE(After, nullptr);
	EXPECT_NE(After, Before);
	EXPECT_EQ(After->GetWorld(), EditorWorld());
	EXPECT_EQ(EditorWorld()->GetMapName(), TEXT("Empty"));
}

TEST_F(CompositingHooksTest, TheLensToolPanelsOpenAndCloseThroughTheSubsystem)
{
	BootAndWatch();
	Subsystem()->OpenFocDistWiz();
	EXPECT_TRUE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
	Subsystem()->CloseFocDistWiz();
	EXPECT_FALSE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
	Subsystem()->OpenNearWideTweakGraph();
	EXPECT_TRUE(IsPanelLive(TEXT("QuovexNearWideGraph")));
	EXPECT_TRUE(ModuleLines(TEXT("Error")).IsEmpty());

	// Blueprint graphs reach the same operations.
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexVPEditorSubsystem.OpenFocDistWiz"), Console));
	EXPECT_TRUE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexVPEditorSubsystem.CloseFocDistWiz"), Console));
	EXPECT_FALSE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
}

TEST_F(CompositingHooksTest, ClosingTheWizardWhenItIsNotOpenWritesOneErrorAndChangesNothingElse)
{
	BootAndWatch();
	Subsystem()->OpenNearWideTweakGraph();
	ASSERT_TRUE(IsPanelLive(TEXT("QuovexNearWideGraph")));
	Log.Clear();

	Subsystem()->CloseFocDistWiz();
	EXPECT_EQ(ModuleLines(TEXT("Error")), TArray<FString>{ TEXT("LogQuovexVirtualProductionEditor: Error: Could not close tab QuovexFocalDistanceWizard") });
	EXPECT_EQ(Log.GetLines().Num(), 1);
	EXPECT_FALSE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
	EXPECT_TRUE(IsPanelLive(TEXT("QuovexNearWideGraph")));
}

TEST_F(CompositingHooksTest, APanelThatCannotOpenSaysWhich)
{
	std::filesystem::remove(PanelAsset("QuovexNearWideGraph"));
	BootAndWatch();
	Subsystem()->OpenNearWideTweakGraph();
	EXPECT_EQ(ModuleLines(TEXT("Error")), TArray<FString>{ TEXT("LogQuovexVirtualProductionEditor: Error: Could not open tab QuovexNearWideGraph") });
	EXPECT_FALSE(IsPanelLive(TEXT("QuovexNearWideGraph")));
}

TEST_F(CompositingHooksTest, TheHooksArePanelFacingExceptTheCompositorSubsystem)
{
	UClass* Class = UQuovexVPEditorSubsystem::StaticClass();
	for (const TCHAR* Name : { TEXT("GetCompositeKeyer"), TEXT("OpenFocDistWiz"), TEXT("CloseFocDistWiz"), TEXT("OpenNearWideTweakGraph") })
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Name));
		const UFunction* Function = Class->FindFunctionByName(Name);
		ASSERT_NE(Function, nullptr);
		EXPECT_TRUE(Function->HasAnyFunctionFlags(FUNC_BlueprintCallable));
		EXPECT_EQ(Function->GetMetaData(TEXT("Category")), TEXT("Quovex|VP"));
	}
	EXPECT_EQ(Class->FindFunctionByName(TEXT("GetCompositorSubsystem")), nullptr);
}
