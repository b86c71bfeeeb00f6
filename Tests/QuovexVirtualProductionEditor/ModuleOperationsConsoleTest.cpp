// The module's operations as a stage technician reaches them from the console.

#include "QuovexEditorTestFixture.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "LevelEditorViewport.h"
#include "QuovexCamera.h"
#include "QuovexTabManager.h"

using namespace QuovexTest;

namespace
{
	/** Lines one console command printed, without the log's prefixes. */
	struct FCommandOutput : public FOutputDevice
	{
		void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName&) override
		{
			Lines.push_back(HostTest::Utf8(V));
			bSawError |= Verbosity == ELogVerbosity::Error;
		}

		bool Has(const std::string& Text) const
		{
			for (const std::string& Line : Lines)
			{
				if (Line.find(Text) != std::string::npos)
				{
					return true;
				}
			}
			return false;
		}

		std::vector<std::string> Lines;
		bool bSawError = false;
	};

	class ModuleOperationsConsoleTest : public FQuovexEditorTest
	{
	protected:
		static UWorld* EditorWorld()
		{
			return GEditor ? GEditor->GetEditorWorldContext().World() : nullptr;
		}

		static bool IsPanelLive(const TCHAR* TabId)
		{
			const FQuovexTabDescriptor* Tab = FQuovexTabManager::Get().GetTabs().FindByPredicate([TabId](const FQuovexTabDescriptor& Entry) { return Entry.TabId == FName(TabId); });
			const TSharedPtr<FTabManager> Tabs = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetLevelEditorTabManager();
			return Tab && Tabs.IsValid() && Tabs->FindExistingLiveTab(FTabId(Tab->RegistrationName)).IsValid();
		}
	};
}

TEST_F(ModuleOperationsConsoleTest, WrongArgumentCountsFailWithTheirUsage)
{
	ASSERT_TRUE(Boot());
	struct FCase
	{
		const TCHAR* Line;
		const char* Usage;
	};
	const FCase Cases[] = {
		{ TEXT("Quovex.SaveAsset"), "Usage: Quovex.SaveAsset <ObjectPath>" },
		{ TEXT("Quovex.SaveAsset /Game/A.A /Game/B.B"), "Usage: Quovex.SaveAsset <ObjectPath>" },
		{ TEXT("Quovex.DuplicateAsset /Game/LiveLink/StagePreset.StagePreset /Game/Backups"), "Usage: Quovex.DuplicateAsset <SourceObjectPath> <PackagePath> <AssetName>" },
		{ TEXT("Quovex.DuplicateAsset a b c d"), "Usage: Quovex.DuplicateAsset <SourceObjectPath> <PackagePath> <AssetName>" },
		{ TEXT("Quovex.IsActorLockedToViewport"), "Usage: Quovex.IsActorLockedToViewport <ActorName>" },
		{ TEXT("Quovex.IsActorLockedToViewport CamA CamB"), "Usage: Quovex.IsActorLockedToViewport <ActorName>" },
		{ TEXT("Quovex.GetLevelViewportCameraInfo now"), "Usage: Quovex.GetLevelViewportCameraInfo" },
		{ TEXT("Quovex.GetCurrentWorld please"), "Usage: Quovex.GetCurrentWorld" },
		{ TEXT("Quovex.OpenFocDistWiz now"), "This command takes no arguments" },
		{ TEXT("Quovex.SetLevelSequenceDefaultRates 25"), "This command takes no arguments" },
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(HostTest::Utf8(Case.Line));
		FCommandOutput Out;
		EXPECT_FALSE(FEditorHost::Exec(Case.Line, Out));
		EXPECT_TRUE(Out.Has(Case.Usage));
	}

	// A refused command has no effect: the wizard stays closed and nothing was copied.
	EXPECT_FALSE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
	EXPECT_FALSE(std::filesystem::exists(Temp.Path("Demo/Content/Backups")));
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
}

TEST_F(ModuleOperationsConsoleTest, SavingAMissingAssetIsReportedByItsPath)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	FCommandOutput Out;
	FEditorHost::Exec(TEXT("Quovex.SaveAsset /Game/Takes/NoSuchTake.NoSuchTake"), Out);
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Error: Could not save asset /Game/Takes/NoSuchTake.NoSuchTake")));
	EXPECT_FALSE(std::filesystem::exists(Temp.Path("Demo/Content/Takes/NoSuchTake.uasset.json")));

	// An existing asset saves without that message.
	Log.Clear();
	FCommandOutput Saved;
	EXPECT_TRUE(FEditorHost::Exec(TEXT("Quovex.SaveAsset /Game/LiveLink/StagePreset.StagePreset"), Saved));
	EXPECT_FALSE(Log.Contains(TEXT("Could not save asset")));
	EXPECT_TRUE(std::filesystem::exists(Temp.Path("Demo/Content/LiveLink/StagePreset.uasset.json")));
}

TEST_F(ModuleOperationsConsoleTest, DuplicatingPrintsTheCopysPathAndTheCopySaves)
{
	ASSERT_TRUE(Boot());
	FCommandOutput Out;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.DuplicateAsset /Game/LiveLink/StagePreset.StagePreset /Game/Backups NightPreset"), Out));
	EXPECT_TRUE(Out.Has("/Game/Backups/NightPreset.NightPreset"));
	EXPECT_FALSE(Out.bSawError);

	FCommandOutput SaveOut;
	EXPECT_TRUE(FEditorHost::Exec(TEXT("Quovex.SaveAsset /Game/Backups/NightPreset.NightPreset"), SaveOut));
	EXPECT_TRUE(std::filesystem::exists(Temp.Path("Demo/Content/Backups/NightPreset.uasset.json")));

	// A source that does not exist fails the command and copies nothing.
	FCommandOutput Missing;
	EXPECT_FALSE(FEditorHost::Exec(TEXT("Quovex.DuplicateAsset /Game/LiveLink/NoSuchPreset.NoSuchPreset /Game/Backups Orphan"), Missing));
	EXPECT_TRUE(Missing.Has("No asset /Game/LiveLink/NoSuchPreset.NoSuchPreset to duplicate"));
	EXPECT_EQ(StaticFindObject(UObject::StaticClass(), nullptr, TEXT("/Game/Backups/Orphan.Orphan")), nullptr);

	// A destination that is taken, or whose folder and name together are too long for a package name, fails it too.
	FCommandOutput Taken;
	EXPECT_FALSE(FEditorHost::Exec(TEXT("Quovex.DuplicateAsset /Game/LiveLink/StagePreset.StagePreset /Game/Backups NightPreset"), Taken));
	EXPECT_TRUE(Taken.Has("Could not duplicate /Game/LiveLink/StagePreset.StagePreset as NightPreset in /Game/Backups"));
	FCommandOutput TooLong;
	const FString LongFolder = TEXT("/Game/") + FString::ChrN(NAME_SIZE - 10, TEXT('F'));
	EXPECT_FALSE(FEditorHost::Exec(*(TEXT("Quovex.DuplicateAsset /Game/LiveLink/StagePreset.StagePreset ") + LongFolder + TEXT(" LongEnough")), TooLong));
	EXPECT_TRUE(TooLong.Has("Could not duplicate /Game/LiveLink/StagePreset.StagePreset as LongEnough"));
}

TEST_F(ModuleOperationsConsoleTest, ActorLockPrintsTrueOrFalse)
{
	ASSERT_TRUE(Boot());
	AActor* Piloted = EditorWorld()->SpawnActor<AQuovexCamera>();
	AActor* Other = EditorWorld()->SpawnActor<AQuovexCamera>();
	const FString PilotedLine = FString(TEXT("Quovex.IsActorLockedToViewport ")) + Piloted->GetName();
	const FString OtherLine = FString(TEXT("Quovex.IsActorLockedToViewport ")) + Other->GetName();

	FCommandOutput Unlocked;
	ASSERT_TRUE(FEditorHost::Exec(PilotedLine, Unlocked));
	EXPECT_EQ(Unlocked.Lines, (std::vector<std::string>{ "false" }));

	FLevelEditorViewportClient Viewport(nullptr);
	Viewport.SetActorLock(Piloted);
	FCommandOutput Locked;
	ASSERT_TRUE(FEditorHost::Exec(PilotedLine, Locked));
	EXPECT_EQ(Locked.Lines, (std::vector<std::string>{ "true" }));
	FCommandOutput NotThisOne;
	ASSERT_TRUE(FEditorHost::Exec(OtherLine, NotThisOne));
	EXPECT_EQ(NotThisOne.Lines, (std::vector<std::string>{ "false" }));
	FCommandOutput Unknown;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.IsActorLockedToViewport NoSuchActor"), Unknown));
	EXPECT_EQ(Unknown.Lines, (std::vector<std::string>{ "false" }));
}

TEST_F(ModuleOperationsConsoleTest, PanelCommandsOpenAndCloseTheWizard)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	FCommandOutput Out;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.OpenFocDistWiz"), Out));
	EXPECT_TRUE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.CloseFocDistWiz"), Out));
	EXPECT_FALSE(IsPanelLive(TEXT("QuovexFocalDistanceWizard")));
	EXPECT_FALSE(Log.Contains(TEXT("Could not")));

	// Closing it again has nothing to close and says so.
	FEditorHost::Exec(TEXT("Quovex.CloseFocDistWiz"), Out);
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Error: Could not close tab QuovexFocalDistanceWizard")));

	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.OpenNearWideTweakGraph"), Out));
	EXPECT_TRUE(IsPanelLive(TEXT("QuovexNearWideGraph")));
}

TEST_F(ModuleOperationsConsoleTest, PlayStateAndViewportCameraArePrinted)
{
	ASSERT_TRUE(Boot());
	FCommandOutput Idle;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.IsPlaying"), Idle));
	EXPECT_EQ(Idle.Lines, (std::vector<std::string>{ "false" }));

	GIsPlayInEditorWorld = true;
	FCommandOutput Playing;
	EXPECT_TRUE(FEditorHost::Exec(TEXT("Quovex.IsPlaying"), Playing));
	GIsPlayInEditorWorld = false;
	EXPECT_EQ(Playing.Lines, (std::vector<std::string>{ "true" }));

	FCommandOutput World;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.GetCurrentWorld"), World));
	ASSERT_EQ(World.Lines.size(), 1u);
	EXPECT_EQ(World.Lines[0], HostTest::Utf8(EditorWorld()->GetPathName()));
}
