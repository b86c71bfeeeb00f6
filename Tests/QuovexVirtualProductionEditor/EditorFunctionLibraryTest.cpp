// The panels' Blueprint utilities: current world and PIE, files, dialogues, logging and string order.

#include "QuovexEditorTestFixture.h"

#include "DesktopPlatformHost.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "Kismet/GameplayStatics.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexEditorUtilityWidget.h"
#include "QuovexTabManager.h"
#include "QuovexTags.h"
#include "UObject/UnrealType.h"

using namespace QuovexTest;

namespace
{
	class EditorFunctionLibraryTest : public FQuovexEditorTest
	{
	protected:
		void TearDown() override
		{
			UE::DesktopPlatformHost::Reset();
			FQuovexEditorTest::TearDown();
		}

		static bool Run(const TCHAR* Line)
		{
			FHostLogCapture Log;
			return FEditorHost::Exec(Line, Log);
		}

		/** The widget of an open panel, the parent the dialogues hang off. */
		static UQuovexEditorUtilityWidget* OpenPanelWidget()
		{
			if (!FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")))
			{
				return nullptr;
			}
			const FQuovexTabDescriptor* Tab = FQuovexTabManager::Get().GetTabs().FindByPredicate([](const FQuovexTabDescriptor& Entry) { return Entry.TabId == FName(TEXT("QuovexTakeLog")); });
			return Cast<UQuovexEditorUtilityWidget>(Tab->Blueprint->GetCreatedWidget());
		}

		static std::vector<std::string> Sorted(const TArray<FString>& Names)
		{
			std::vector<std::string> Result;
			for (const FString& Name : Names)
			{
				Result.push_back(HostTest::Utf8(Name));
			}
			std::sort(Result.begin(), Result.end());
			return Result;
		}
	};
}

TEST_F(EditorFunctionLibraryTest, StringsCompareByCodeUnit)
{
	struct FCase
	{
		const TCHAR* A;
		const TCHAR* B;
		bool bLess;
		bool bGreater;
	};
	const FCase Cases[] = {
		{ TEXT("a"), TEXT("B"), false, true },
		{ TEXT("abc"), TEXT("abcd"), true, false },
		{ TEXT("abcd"), TEXT("abc"), false, true },
		{ TEXT("item10"), TEXT("item9"), true, false },
		{ TEXT("same"), TEXT("same"), false, false },
		{ TEXT(""), TEXT(""), false, false },
		{ TEXT(""), TEXT("a"), true, false },
		{ TEXT("Zebra"), TEXT("apple"), true, false },
		{ TEXT("\u00e9"), TEXT("z"), false, true },
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(HostTest::Utf8(FString(Case.A) + TEXT(" vs ") + Case.B));
		EXPECT_EQ(UQuovexEditorFunctionLibrary::SLessThan(Case.A, Case.B), Case.bLess);
		EXPECT_EQ(UQuovexEditorFunctionLibrary::SGreaterThan(Case.A, Case.B), Case.bGreater);
	}
}

TEST_F(EditorFunctionLibraryTest, ReflectionCarriesTheNodeMetadata)
{
	UClass* Library = UQuovexEditorFunctionLibrary::StaticClass();
	UFunction* Less = Library->FindFunctionByName(TEXT("SLessThan"));
	ASSERT_NE(Less, nullptr);
	EXPECT_TRUE(Less->HasAnyFunctionFlags(FUNC_BlueprintPure));
	EXPECT_TRUE(Less->HasAnyFunctionFlags(FUNC_Static));
	EXPECT_EQ(HostTest::Utf8(Less->GetMetaData(TEXT("DisplayName"))), "String < String");
	EXPECT_EQ(HostTest::Utf8(Less->GetMetaData(TEXT("CompactNodeTitle"))), "<");
	EXPECT_EQ(HostTest::Utf8(Less->GetMetaData(TEXT("Keywords"))), "Compare String Less");
	EXPECT_EQ(HostTest::Utf8(Less->GetMetaData(TEXT("Category"))), "Game");

	UFunction* Files = Library->FindFunctionByName(TEXT("GetFilesWithExtension"));
	ASSERT_NE(Files, nullptr);
	EXPECT_FALSE(Files->HasAnyFunctionFlags(FUNC_BlueprintPure));
	EXPECT_EQ(HostTest::Utf8(Files->GetMetaData(TEXT("ToolTip"))), "Helper to fetch all files of a given extension in a directory");
	EXPECT_EQ(HostTest::Utf8(Files->GetMetaData(TEXT("Category"))), "Quovex|VP");

	UFunction* Folder = Library->FindFunctionByName(TEXT("OpenDirectoryDialogue"));
	ASSERT_NE(Folder, nullptr);
	FProperty* Parent = FindFProperty<FProperty>(Folder, TEXT("ParentWidget"));
	ASSERT_NE(Parent, nullptr);
	EXPECT_EQ(HostTest::Utf8(Parent->GetMetaData(TEXT("EditInline"))), "true");
	EXPECT_TRUE(FindFProperty<FProperty>(Folder, TEXT("OutFolderName"))->HasAnyPropertyFlags(CPF_OutParm));
	EXPECT_EQ(HostTest::Utf8(Library->GetMetaData(TEXT("ClassGroupNames"))), "Quovex");
}

TEST_F(EditorFunctionLibraryTest, FilesAreFoundByExtension)
{
	HostTest::WriteFile(Temp.Path("Audio/take1.wav"), "");
	HostTest::WriteFile(Temp.Path("Audio/take2.wav"), "");
	HostTest::WriteFile(Temp.Path("Audio/notes.txt"), "");
	HostTest::WriteFile(Temp.Path("Audio/README"), "");
	HostTest::WriteFile(Temp.Path("Audio/Sub/take3.wav"), "");
	const FString Directory = Temp.Str("Audio") + TEXT("/");

	TArray<FString> Found;
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::GetFilesWithExtension(Directory, TEXT(".wav"), Found));
	EXPECT_EQ(Sorted(Found), (std::vector<std::string>{ "take1.wav", "take2.wav" }));
	Found.Reset();
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::GetFilesWithExtension(Directory, TEXT("wav"), Found));
	EXPECT_EQ(Found.Num(), 2);
	Found.Reset();
	// No extension searches "*.*", which takes every file, one without a dot included.
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::GetFilesWithExtension(Directory, TEXT(""), Found));
	EXPECT_EQ(Sorted(Found), (std::vector<std::string>{ "README", "notes.txt", "take1.wav", "take2.wav" }));
	Found.Reset();
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::GetFilesWithExtension(Temp.Str("Nowhere"), TEXT("wav"), Found));
	EXPECT_TRUE(Found.IsEmpty());

	// An empty directory is refused and the output left as it was.
	TArray<FString> Untouched = { TEXT("keep") };
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::GetFilesWithExtension(TEXT(""), TEXT("wav"), Untouched));
	EXPECT_EQ(Untouched.Num(), 1);
}

TEST_F(EditorFunctionLibraryTest, CurrentWorldFollowsPlayInEditor)
{
	ASSERT_TRUE(Boot());
	UWorld* EditorWorld = GEditor->GetEditorWorldContext().World();
	ASSERT_NE(EditorWorld, nullptr);
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::IsPIE());
	EXPECT_EQ(UQuovexEditorFunctionLibrary::GetCurrentWorld(), EditorWorld);
	EXPECT_EQ(EditorModule()->GetCurrentWorld(), EditorWorld);

	ASSERT_TRUE(Run(TEXT("pie start")));
	ASSERT_NE(GEditor->PlayWorld, nullptr);
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::IsPIE());
	EXPECT_EQ(UQuovexEditorFunctionLibrary::GetCurrentWorld(), GEditor->PlayWorld.Get());
	TArray<AActor*> PlayCameras;
	UGameplayStatics::GetAllActorsWithTag(GEditor->PlayWorld, QuovexTags::TAG_CAMERA, PlayCameras);
	ASSERT_FALSE(PlayCameras.IsEmpty());
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::HasValidWorld(PlayCameras[0]));
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::HasValidWorld(UQuovexEditorFunctionLibrary::StaticClass()->GetDefaultObject()));

	ASSERT_TRUE(Run(TEXT("pie stop")));
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::IsPIE());
	EXPECT_EQ(UQuovexEditorFunctionLibrary::GetCurrentWorld(), EditorWorld);
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::HasValidWorld(nullptr));
}

TEST_F(EditorFunctionLibraryTest, SimulationChangesAreKeptOnTheEditorCounterpart)
{
	ASSERT_TRUE(Boot());
	ASSERT_TRUE(Run(TEXT("pie start")));
	UWorld* PlayWorld = GEditor->PlayWorld;
	ASSERT_NE(PlayWorld, nullptr);

	TArray<AActor*> PlayCameras;
	UGameplayStatics::GetAllActorsWithTag(PlayWorld, QuovexTags::TAG_CAMERA, PlayCameras);
	ASSERT_FALSE(PlayCameras.IsEmpty());
	AActor* PlayCamera = PlayCameras[0];
	PlayCamera->Tags.Add(TEXT("ChangedInPlay"));
	const int32 Copied = UQuovexEditorFunctionLibrary::KeepActorSimulationChanges(PlayCamera);
	EXPECT_GT(Copied, 0);
	AActor* EditorCamera = EditorUtilities::GetEditorWorldCounterpartActor(PlayCamera);
	ASSERT_NE(EditorCamera, nullptr);
	EXPECT_TRUE(EditorCamera->ActorHasTag(TEXT("ChangedInPlay")));

	// An actor spawned during play has nothing to copy back to.
	AActor* PlayOnly = PlayWorld->SpawnActor<AActor>();
	EXPECT_EQ(UQuovexEditorFunctionLibrary::KeepActorSimulationChanges(PlayOnly), 0);
	EXPECT_EQ(UQuovexEditorFunctionLibrary::KeepActorSimulationChanges(nullptr), 0);
}

TEST_F(EditorFunctionLibraryTest, DialoguesNeedAParentAndReportCancellation)
{
	ASSERT_TRUE(Boot());
	FString Folder = TEXT("unchanged");
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::OpenDirectoryDialogue(nullptr, TEXT("/tmp"), Folder));
	TArray<FString> Files;
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::OpenFileDialogue(nullptr, TEXT("/tmp"), TEXT("Wave|*.wav"), Files));
	EXPECT_TRUE(UE::DesktopPlatformHost::GetRequests().IsEmpty());
	EXPECT_EQ(Folder, TEXT("unchanged"));

	UQuovexEditorUtilityWidget* Panel = OpenPanelWidget();
	ASSERT_NE(Panel, nullptr);

	UE::DesktopPlatformHost::PushAnswer(TEXT("/stage/takes"));
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::OpenDirectoryDialogue(Panel, TEXT("/stage"), Folder));
	EXPECT_EQ(Folder, TEXT("/stage/takes"));

	UE::DesktopPlatformHost::PushAnswer(TEXT(""));
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::OpenDirectoryDialogue(Panel, TEXT("/stage"), Folder, TEXT("Pick the take folder")));

	UE::DesktopPlatformHost::PushAnswer(TEXT("/stage/takes/take1.wav"));
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::OpenFileDialogue(Panel, TEXT("/stage/takes"), TEXT("Wave|*.wav"), Files));
	EXPECT_EQ(Files.Num(), 1);

	const TArray<UE::DesktopPlatformHost::FDialogRequest>& Requests = UE::DesktopPlatformHost::GetRequests();
	ASSERT_EQ(Requests.Num(), 3);
	EXPECT_EQ(Requests[0].Title, TEXT("Choose a folder"));
	EXPECT_EQ(Requests[0].DefaultPath, TEXT("/stage"));
	EXPECT_EQ(Requests[1].Title, TEXT("Pick the take folder"));
	EXPECT_EQ(Requests[2].Kind, UE::DesktopPlatformHost::EDialogKind::OpenFile);
	EXPECT_EQ(Requests[2].Title, TEXT("Choose a file"));
	EXPECT_EQ(Requests[2].FileTypes, TEXT("Wave|*.wav"));
	EXPECT_EQ(Requests[2].DefaultFile, TEXT(""));
	EXPECT_EQ(Requests[2].Flags, 0u);
}

TEST_F(EditorFunctionLibraryTest, PrintFunctionsWriteAtTheirVerbosity)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	UQuovexEditorFunctionLibrary::PrintToOutputLog(TEXT("take 4 rolling"));
	UQuovexEditorFunctionLibrary::PrintWarningToOutputLog(TEXT("tracker drift"));
	UQuovexEditorFunctionLibrary::PrintErrorToOutputLog(TEXT("card lost %s"));
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: take 4 rolling")));
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Warning: tracker drift")));
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Error: card lost %s")));

	// A category turned down to errors drops the other two.
	Log.Clear();
	ASSERT_TRUE(Run(TEXT("log LogQuovexVirtualProductionEditor Error")));
	UQuovexEditorFunctionLibrary::PrintToOutputLog(TEXT("quiet"));
	UQuovexEditorFunctionLibrary::PrintWarningToOutputLog(TEXT("quiet"));
	UQuovexEditorFunctionLibrary::PrintErrorToOutputLog(TEXT("loud"));
	EXPECT_FALSE(Log.Contains(TEXT("quiet")));
	EXPECT_TRUE(Log.Contains(TEXT("loud")));
	ASSERT_TRUE(Run(TEXT("log LogQuovexVirtualProductionEditor Log")));
}

TEST_F(EditorFunctionLibraryTest, ConsoleCallsReachTheLibraryAndTheTabManager)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexEditorFunctionLibrary.SLessThan StringA=\"item10\" StringB=\"item9\""), Log));
	EXPECT_TRUE(Log.Contains(TEXT("ReturnValue=True")));
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexEditorFunctionLibrary.IsPIE"), Log));
	EXPECT_TRUE(Log.Contains(TEXT("ReturnValue=False")));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("call QuovexTabManager.TabManagerSubscribeEvents Delegate=None"), Log) && !Log.Contains(TEXT("ReturnValue=False")));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("call QuovexEditorFunctionLibrary.SLessThan StringA="), Log) && false);
	EXPECT_FALSE(FEditorHost::Exec(TEXT("call QuovexEditorFunctionLibrary.NoSuchFunction"), Log));
}
