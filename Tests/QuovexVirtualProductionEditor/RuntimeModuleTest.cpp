// What the editor module relies on from the runtime module: the style set, the camera actor, the tags and the plugin paths.

#include "QuovexEditorTestFixture.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "Misc/Paths.h"
#include "QuovexCamera.h"
#include "QuovexPluginUtils.h"
#include "QuovexTags.h"
#include "QuovexVirtualProductionStyle.h"
#include "Styling/ISlateStyle.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateStyleRegistry.h"

using namespace QuovexTest;

namespace
{
	class RuntimeModuleTest : public FQuovexEditorTest
	{
	protected:
		void TearDown() override
		{
			for (UWorld* World : ExtraWorlds)
			{
				World->DestroyWorld(false);
			}
			ExtraWorlds.Empty();
			FQuovexEditorTest::TearDown();
		}

		static UWorld* EditorWorld()
		{
			return GEditor ? GEditor->GetEditorWorldContext().World() : nullptr;
		}

		/** A second level, as when a take's sublevel or a preview world lives beside the edited one. */
		UWorld* NewWorld()
		{
			UWorld* World = UWorld::CreateWorld(EWorldType::Editor, false, FName(*FString::Printf(TEXT("ExtraStage%d"), ExtraWorlds.Num())));
			ExtraWorlds.Add(World);
			return World;
		}

		static int32 ActiveCount(const TArray<AQuovexCamera*>& Cameras)
		{
			int32 Count = 0;
			for (const AQuovexCamera* Camera : Cameras)
			{
				Count += Camera->IsActiveCamera() ? 1 : 0;
			}
			return Count;
		}

		static int32 RegisteredStylesNamed(FName Name)
		{
			TArray<FName> Names;
			FSlateStyleRegistry::GetAllStyleSetNames(Names);
			return Names.FilterByPredicate([Name](const FName& Candidate) { return Candidate == Name; }).Num();
		}

		TArray<UWorld*> ExtraWorlds;
	};
}

TEST_F(RuntimeModuleTest, StyleRegistersOnceAndUnregistersOnlyWhatItRegistered)
{
	ASSERT_TRUE(Boot());
	const FName StyleName = FQuovexVirtualProductionStyle::GetStyleSetName();
	ASSERT_TRUE(FQuovexVirtualProductionStyle::IsRegistered());
	const ISlateStyle* First = &FQuovexVirtualProductionStyle::Get();

	// A second registration (a module reload, another module calling in) keeps the same set, registered once.
	FQuovexVirtualProductionStyle::Register();
	EXPECT_EQ(&FQuovexVirtualProductionStyle::Get(), First);
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleName), First);
	EXPECT_EQ(RegisteredStylesNamed(StyleName), 1);

	FQuovexVirtualProductionStyle::Unregister();
	EXPECT_FALSE(FQuovexVirtualProductionStyle::IsRegistered());
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleName), nullptr);

	// Unregistering again must not reach into the registry for a set that is gone.
	FQuovexVirtualProductionStyle::Unregister();
	EXPECT_FALSE(FQuovexVirtualProductionStyle::IsRegistered());

	// The set comes back after it was removed, and the module's shut-down still finds nothing left over.
	FQuovexVirtualProductionStyle::Register();
	EXPECT_TRUE(FQuovexVirtualProductionStyle::IsRegistered());
	EXPECT_EQ(RegisteredStylesNamed(StyleName), 1);
	FEditorHost::Shutdown();
	EXPECT_FALSE(FQuovexVirtualProductionStyle::IsRegistered());
	EXPECT_EQ(RegisteredStylesNamed(StyleName), 0);
}

TEST_F(RuntimeModuleTest, BrushesHaveToolbarAndTabSizesAndUseThePluginsIcon)
{
	ASSERT_TRUE(Boot());
	const ISlateStyle* Style = FSlateStyleRegistry::FindSlateStyle(FQuovexVirtualProductionStyle::GetStyleSetName());
	ASSERT_NE(Style, nullptr);
	const FSlateBrush* Medium = Style->GetBrush(FQuovexVirtualProductionStyle::IconMediumName);
	const FSlateBrush* Small = Style->GetBrush(FQuovexVirtualProductionStyle::IconSmallName);
	ASSERT_NE(Medium, Style->GetDefaultBrush());
	ASSERT_NE(Small, Style->GetDefaultBrush());
	EXPECT_EQ(HostTest::Utf8(FQuovexVirtualProductionStyle::IconMediumName.ToString()), "QuovexVirtualProductionPlugin.Icon.Medium");
	EXPECT_EQ(HostTest::Utf8(FQuovexVirtualProductionStyle::IconSmallName.ToString()), "QuovexVirtualProductionPlugin.Icon.Small");
	EXPECT_EQ(Medium->GetImageSize(), FVector2D(40.0, 40.0));
	EXPECT_EQ(Small->GetImageSize(), FVector2D(16.0, 16.0));

	// Both sizes draw the one image from the plugin's own folder, wherever the plugin is installed.
	EXPECT_EQ(Medium->GetResourceName(), Small->GetResourceName());
	FString Image = Medium->GetResourceName().ToString();
	FPaths::NormalizeFilename(Image);
	FString Expected = FPaths::Combine(QuovexPluginUtils::GetPluginBaseDir(), TEXT("Resources/Icon128.png"));
	FPaths::NormalizeFilename(Expected);
	EXPECT_EQ(HostTest::Utf8(Image), HostTest::Utf8(Expected));
}

TEST_F(RuntimeModuleTest, ExactlyOneCameraOfEachWorldIsActive)
{
	ASSERT_TRUE(Boot());
	UWorld* Stage = EditorWorld();
	ASSERT_NE(Stage, nullptr);
	UWorld* Other = NewWorld();
	ASSERT_NE(Other, nullptr);

	TArray<AQuovexCamera*> StageCameras;
	for (int32 Index = 0; Index < 3; ++Index)
	{
		StageCameras.Add(Stage->SpawnActor<AQuovexCamera>());
		ASSERT_NE(StageCameras.Last(), nullptr);
		EXPECT_TRUE(StageCameras.Last()->ActorHasTag(QuovexTags::TAG_CAMERA));
	}
	TArray<AQuovexCamera*> OtherCameras = { Other->SpawnActor<AQuovexCamera>(), Other->SpawnActor<AQuovexCamera>() };
	ASSERT_NE(OtherCameras[0], nullptr);
	ASSERT_NE(OtherCameras[1], nullptr);
	EXPECT_EQ(ActiveCount(StageCameras), 0);

	StageCameras[0]->SetActive();
	OtherCameras[1]->SetActive();
	StageCameras[2]->SetActive();
	EXPECT_EQ(ActiveCount(StageCameras), 1);
	EXPECT_TRUE(StageCameras[2]->IsActiveCamera());

	// Switching in one world leaves the other world's choice alone.
	EXPECT_EQ(ActiveCount(OtherCameras), 1);
	EXPECT_TRUE(OtherCameras[1]->IsActiveCamera());
	OtherCameras[0]->SetActive();
	EXPECT_TRUE(OtherCameras[0]->IsActiveCamera());
	EXPECT_FALSE(OtherCameras[1]->IsActiveCamera());
	EXPECT_TRUE(StageCameras[2]->IsActiveCamera());

	// Activating the active camera again keeps it the only one.
	StageCameras[2]->SetActive();
	EXPECT_EQ(ActiveCount(StageCameras), 1);
	EXPECT_TRUE(StageCameras[2]->IsActiveCamera());

	// A camera spawned later starts inactive and can take over.
	AQuovexCamera* Late = Stage->SpawnActor<AQuovexCamera>();
	EXPECT_FALSE(Late->IsActiveCamera());
	Late->SetActive();
	StageCameras.Add(Late);
	EXPECT_EQ(ActiveCount(StageCameras), 1);
	EXPECT_TRUE(Late->IsActiveCamera());
}

TEST_F(RuntimeModuleTest, EachCameraCountsTheMapsItHasSeenOpened)
{
	ASSERT_TRUE(Boot());
	AQuovexCamera* Early = EditorWorld()->SpawnActor<AQuovexCamera>();
	AQuovexCamera* Late = EditorWorld()->SpawnActor<AQuovexCamera>();
	EXPECT_EQ(Early->MapsOpened, 0);

	Early->MapOpened();
	Early->MapOpened();
	Late->MapOpened();
	EXPECT_EQ(Early->MapsOpened, 2);
	EXPECT_EQ(Late->MapsOpened, 1);

	// The count is per camera and changes nothing about which camera the stage follows.
	EXPECT_FALSE(Early->IsActiveCamera());
	EXPECT_FALSE(Late->IsActiveCamera());
	EXPECT_EQ(GetDefault<AQuovexCamera>()->MapsOpened, 0);
}

TEST_F(RuntimeModuleTest, TagsAreDistinctNames)
{
	EXPECT_FALSE(QuovexTags::TAG_CAMERA.IsNone());
	EXPECT_FALSE(QuovexTags::TAG_SEQUENCE_SPAWNED.IsNone());
	EXPECT_NE(QuovexTags::TAG_CAMERA, QuovexTags::TAG_SEQUENCE_SPAWNED);

	// A recorded take's actor is not mistaken for a tracked camera.
	ASSERT_TRUE(Boot());
	AActor* Spawned = EditorWorld()->SpawnActor<AActor>();
	Spawned->Tags.Add(QuovexTags::TAG_SEQUENCE_SPAWNED);
	EXPECT_FALSE(Spawned->ActorHasTag(QuovexTags::TAG_CAMERA));
	AQuovexCamera* Camera = EditorWorld()->SpawnActor<AQuovexCamera>();
	EXPECT_FALSE(Camera->ActorHasTag(QuovexTags::TAG_SEQUENCE_SPAWNED));
}

TEST_F(RuntimeModuleTest, EditorPathFollowsThePluginsMountPointWithoutATrailingSlash)
{
	// Before the plugin manager knows the plugin, the path falls back to the plugin's name.
	EXPECT_EQ(HostTest::Utf8(QuovexPluginUtils::GetEditorPath()), "/QuovexSuite/Editor/Panels");
	EXPECT_EQ(HostTest::Utf8(QuovexPluginUtils::GetPluginBaseDir()), "");

	ASSERT_TRUE(Boot());
	const FString EditorPath = QuovexPluginUtils::GetEditorPath();
	EXPECT_EQ(HostTest::Utf8(EditorPath), "/QuovexSuite/Editor/Panels");
	EXPECT_FALSE(EditorPath.EndsWith(TEXT("/")));
	EXPECT_FALSE(EditorPath.Contains(TEXT("//")));

	// The base folder is the installed copy, not the checkout the code was built from.
	FString BaseDir = QuovexPluginUtils::GetPluginBaseDir();
	FPaths::NormalizeDirectoryName(BaseDir);
	FString Installed = Temp.Str("Plugins/QuovexSuite");
	FPaths::NormalizeDirectoryName(Installed);
	EXPECT_TRUE(FPaths::IsSamePath(BaseDir, Installed)) << HostTest::Utf8(BaseDir);

	// Every panel asset the registry names lies under that path in the mounted content.
	EXPECT_TRUE(std::filesystem::exists(PanelAsset("QuovexTakeLog")));
	EXPECT_NE(StaticLoadObject(UObject::StaticClass(), nullptr, *(EditorPath + TEXT("/QuovexTakeLog.QuovexTakeLog"))), nullptr);
}
