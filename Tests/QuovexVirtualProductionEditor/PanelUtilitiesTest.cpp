// The panels' utilities as the engine around them sees them: a move kept from play reaches the editor's
// listeners, code running in a play world is in play, a game's current world, and the window a dialogue hangs off.

#include "QuovexEditorTestFixture.h"

#include "DesktopPlatformHost.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Engine/Engine.h"
#include "Engine/GameEngine.h"
#include "Engine/World.h"
#include "EngineUtils.h"
#include "Framework/Docking/TabManager.h"
#include "GameFramework/Actor.h"
#include "GenericPlatform/GenericWindow.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexEditorUtilityWidget.h"
#include "QuovexTabManager.h"
#include "UObject/Package.h"
#include "Widgets/SWindow.h"

using namespace QuovexTest;

namespace
{
	class PanelUtilitiesTest : public FQuovexEditorTest
	{
	protected:
		void TearDown() override
		{
			if (GEngine && MovingHandle.IsValid())
			{
				GEngine->OnActorMoving().Remove(MovingHandle);
			}
			UE::DesktopPlatformHost::Reset();
			FQuovexEditorTest::TearDown();
		}

		static bool Run(const TCHAR* Line, FHostLogCapture& Log)
		{
			return FEditorHost::Exec(Line, Log);
		}

		/** Records every actor the engine hears is being moved. */
		void WatchMoves()
		{
			MovingHandle = GEngine->OnActorMoving().AddLambda([this](AActor* Actor) { Moved.Add(Actor); });
		}

		/** The widget of an open panel, the parent the dialogues hang off. */
		static UQuovexEditorUtilityWidget* OpenPanelWidget()
		{
			if (!FQuovexTabManager::Get().OpenTab(TEXT("QuovexTakeLog")))
			{
				return nullptr;
			}
			const FQuovexTabDescriptor* Tab = FQuovexTabManager::Get().GetTabs().FindByPredicate([](const FQuovexTabDescriptor& Entry) { return Entry.TabId == FName(TEXT("QuovexTakeLog")); });
			return Tab ? Cast<UQuovexEditorUtilityWidget>(Tab->Blueprint->GetCreatedWidget()) : nullptr;
		}

		TArray<AActor*> Moved;
		FDelegateHandle MovingHandle;
	};
}

TEST_F(PanelUtilitiesTest, AMoveKeptFromPlayIsCopiedAndAnnouncedOnTheEditorCamera)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	ASSERT_TRUE(Run(TEXT("spawn /Script/Engine.CameraActor Crane"), Log));
	ASSERT_TRUE(Run(TEXT("pie start"), Log));
	AActor* PlayCamera = nullptr;
	for (FActorIterator It(GEditor->PlayWorld); It; ++It)
	{
		PlayCamera = It->GetActorLabel() == TEXT("Crane") ? *It : PlayCamera;
	}
	ASSERT_NE(PlayCamera, nullptr);
	AActor* EditorCamera = EditorUtilities::GetEditorWorldCounterpartActor(PlayCamera);
	ASSERT_NE(EditorCamera, nullptr);
	const FVector Before = EditorCamera->GetActorLocation();
	WatchMoves();

	// A crane move during play is kept: the editor's camera takes the place and its listeners hear of the move once.
	const FVector CraneTop = Before + FVector(120.0, -40.0, 300.0);
	PlayCamera->SetActorLocation(CraneTop);
	EXPECT_GT(UQuovexEditorFunctionLibrary::KeepActorSimulationChanges(PlayCamera), 0);
	EXPECT_EQ(EditorCamera->GetActorLocation(), CraneTop);
	EXPECT_EQ(Moved, TArray<AActor*>{ EditorCamera });

	// A change that moves nothing is kept without a move; keeping again finds nothing to copy.
	PlayCamera->Tags.Add(TEXT("Hero"));
	EXPECT_EQ(UQuovexEditorFunctionLibrary::KeepActorSimulationChanges(PlayCamera), 1);
	EXPECT_TRUE(EditorCamera->ActorHasTag(TEXT("Hero")));
	EXPECT_EQ(UQuovexEditorFunctionLibrary::KeepActorSimulationChanges(PlayCamera), 0);
	EXPECT_EQ(Moved.Num(), 1);
	ASSERT_TRUE(Run(TEXT("pie stop"), Log));
}

TEST_F(PanelUtilitiesTest, CodeRunningInAPlayWorldIsInPlayWhateverTheEditorsPlayWorld)
{
	ASSERT_TRUE(Boot());
	ASSERT_EQ(GEditor->PlayWorld, nullptr);
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::IsPIE());
	EXPECT_FALSE(EditorModule()->IsPlaying());

	// The engine makes a play world current (SetPlayInEditorWorld) around the code it runs there, also while the
	// editor has not recorded it as its session's play world.
	UPackage* Package = CreatePackage(TEXT("/Temp/UEDPIE_9_PanelUtilities"));
	Package->SetPackageFlags(PKG_PlayInEditor);
	UWorld* Played = UWorld::CreateWorld(EWorldType::PIE, false, TEXT("PanelUtilities"), Package, true);
	ASSERT_NE(Played, nullptr);
	UWorld* Previous = SetPlayInEditorWorld(Played);
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::IsPIE());
	EXPECT_TRUE(EditorModule()->IsPlaying());
	RestoreEditorWorld(Previous);
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::IsPIE());
	EXPECT_FALSE(EditorModule()->IsPlaying());

	Played->DestroyWorld(false);
	Package->MarkAsGarbage();
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
}

TEST_F(PanelUtilitiesTest, AGameRunsCurrentWorldIsItsGameWorld)
{
	ASSERT_TRUE(Boot(true));
	ASSERT_EQ(GEditor, nullptr);
	UGameEngine* GameEngine = Cast<UGameEngine>(GEngine);
	ASSERT_NE(GameEngine, nullptr);
	UWorld* GameWorld = GameEngine->GetGameWorld();
	ASSERT_NE(GameWorld, nullptr);
	EXPECT_EQ(UQuovexEditorFunctionLibrary::GetCurrentWorld(), GameWorld);
	EXPECT_EQ(EditorModule()->GetCurrentWorld(), GameWorld);
	EXPECT_FALSE(UQuovexEditorFunctionLibrary::IsPIE());

	FHostLogCapture Log;
	ASSERT_TRUE(Run(TEXT("Quovex.GetCurrentWorld"), Log));
	EXPECT_TRUE(Log.Contains(GameWorld->GetPathName())) << HostTest::Utf8(FString::Join(Log.GetLines(), TEXT("\n")));
}

TEST_F(PanelUtilitiesTest, DialoguesHangOffThePanelsWindow)
{
	// The take log laid out with a title, as a saved panel is: it is on screen, in the editor's window.
	const std::string Path = "/QuovexSuite/Editor/Panels/QuovexTakeLog.QuovexTakeLog";
	// clang-format off
	HostTest::WriteFile(PanelAsset("QuovexTakeLog"), R"JSON({ "Class": "/Script/Blutility.EditorUtilityWidgetBlueprint",
		"Properties": { "ParentClass": "\"/Script/QuovexVirtualProductionEditor.QuovexEditorUtilityWidgetVP\"", "WidgetTree": ")JSON" + Path + R"JSON(:WidgetTree" },
		"Subobjects": [ { "Name": "WidgetTree", "Class": "/Script/UMG.WidgetTree", "Properties": { "RootWidget": ")JSON" + Path + R"JSON(:WidgetTree.Title" },
			"Subobjects": [ { "Name": "Title", "Class": "/Script/UMG.TextBlock", "Properties": { "Text": "INVTEXT(\"Take Log\")" } } ] } ] })JSON");
	// clang-format on
	ASSERT_TRUE(Boot());
	UQuovexEditorUtilityWidget* Panel = OpenPanelWidget();
	ASSERT_NE(Panel, nullptr);
	const TSharedPtr<SWindow> Window = FGlobalTabmanager::Get()->GetRootWindow();
	ASSERT_TRUE(Window.IsValid());
	ASSERT_TRUE(Window->GetNativeWindow().IsValid());
	const void* WindowHandle = Window->GetNativeWindow()->GetOSWindowHandle();
	ASSERT_NE(WindowHandle, nullptr);

	FString Folder;
	TArray<FString> Files;
	UE::DesktopPlatformHost::PushAnswer(TEXT("/stage/takes"));
	UE::DesktopPlatformHost::PushAnswer(TEXT("/stage/takes/take1.wav"));
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::OpenDirectoryDialogue(Panel, TEXT("/stage"), Folder));
	EXPECT_TRUE(UQuovexEditorFunctionLibrary::OpenFileDialogue(Panel, TEXT("/stage"), TEXT("Wave|*.wav"), Files));

	// Both are modal to the panel's window, so they cannot fall behind the editor.
	const TArray<UE::DesktopPlatformHost::FDialogRequest>& Requests = UE::DesktopPlatformHost::GetRequests();
	ASSERT_EQ(Requests.Num(), 2);
	EXPECT_EQ(Requests[0].ParentWindowHandle, WindowHandle);
	EXPECT_EQ(Requests[1].ParentWindowHandle, WindowHandle);
}
