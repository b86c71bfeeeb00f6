// The plugin's own Place Actors category: its record, the seven actor classes, objects other code adds
// and removes again, and what a game run and the shut-down leave.

#include "QuovexEditorTestFixture.h"
#include "ConsoleLines.h"

#include "Camera/CameraActor.h"
#include "GameFramework/Actor.h"
#include "IPlacementModeModule.h"
#include "Internationalization/Text.h"
#include "PlacementModeHost.h"
#include "QuovexCamera.h"
#include "QuovexStageActors.h"
#include "QuovexVirtualProductionStyle.h"
#include "Widgets/SNullWidget.h"

using namespace QuovexTest;

namespace
{
	const FName Category(TEXT("Quovex"));

	class PlacementCategoryTest : public FQuovexEditorTest
	{
	protected:
		static IPlacementModeModule& PlacementMode()
		{
			return FModuleManager::LoadModuleChecked<IPlacementModeModule>(TEXT("PlacementMode"));
		}

		static TArray<TSharedPtr<FPlaceableItem>> Items()
		{
			TArray<TSharedPtr<FPlaceableItem>> Found;
			PlacementMode().GetItemsForCategory(Category, Found);
			return Found;
		}
	};
}

TEST_F(PlacementCategoryTest, TheCategoryIsRegisteredWithItsLabelIconSortOrderAndTag)
{
	ASSERT_TRUE(Boot());
	const FPlacementCategoryInfo* Info = PlacementMode().GetRegisteredPlacementCategory(Category);
	ASSERT_NE(Info, nullptr);
	EXPECT_EQ(Info->DisplayName.ToString(), TEXT("Quovex"));
	EXPECT_EQ(FTextInspector::GetNamespace(Info->DisplayName).Get(FString()), TEXT("PlacementMode"));
	EXPECT_EQ(FTextInspector::GetKey(Info->DisplayName).Get(FString()), TEXT("Quovex"));
	EXPECT_EQ(Info->DisplayIcon.GetStyleSetName(), FQuovexVirtualProductionStyle::GetStyleSetName());
	EXPECT_EQ(Info->DisplayIcon.GetStyleName(), FName(TEXT("QuovexVirtualProductionPlugin.Icon.Small")));
	EXPECT_EQ(Info->UniqueHandle, Category);
	EXPECT_EQ(Info->SortOrder, 46);
	EXPECT_EQ(Info->TagMetaData, TEXT("PMQuovex"));
	EXPECT_TRUE(Info->bSortable);
	EXPECT_TRUE(Info->ShortDisplayName.IsEmpty());
	EXPECT_FALSE(static_cast<bool>(Info->CustomGenerator));
}

TEST_F(PlacementCategoryTest, TheSevenActorClassesAreListedInOrderWithSortOrderOne)
{
	ASSERT_TRUE(Boot());
	const UClass* Expected[] = {
		AQuovexCamera::StaticClass(),
		AQuovexCameraNDisplay::StaticClass(),
		AQuovexStage::StaticClass(),
		AQuovexCompositeMesh::StaticClass(),
		AQuovexMoCapMagnet::StaticClass(),
		AQuovexPreKeyerMatte::StaticClass(),
		AQuovexLedMatte::StaticClass(),
	};
	const TArray<TSharedPtr<FPlaceableItem>> Registered = Items();
	ASSERT_EQ(Registered.Num(), 7);
	for (int32 Index = 0; Index < 7; ++Index)
	{
		SCOPED_TRACE(Index);
		EXPECT_EQ(Registered[Index]->AssetData, FAssetData(Expected[Index]));
		EXPECT_EQ(Registered[Index]->Factory, nullptr);
		ASSERT_TRUE(Registered[Index]->SortOrder.IsSet());
		EXPECT_EQ(Registered[Index]->SortOrder.GetValue(), 1);
	}
}

TEST_F(PlacementCategoryTest, AddingTwiceListsTwiceAndARemovalTakesTheSecond)
{
	ASSERT_TRUE(Boot());
	UObject* Object = ACameraActor::StaticClass();
	EditorModule()->AddPlacementModeItem(Object);
	EditorModule()->AddPlacementModeItem(Object);
	const TArray<FString> Ids = FPlacementModeHostAccess::GetItemIds(Category);
	ASSERT_EQ(Ids.Num(), 9);
	EXPECT_EQ(Items()[7]->SortOrder.GetValue(), 0);
	EXPECT_EQ(Items()[8]->AssetData, FAssetData(Object));

	EditorModule()->RemovePlacementModeItem(Object);
	EXPECT_EQ(FPlacementModeHostAccess::GetUnregisterRequests(), (TArray<FString>{ Ids[8] }));
	EXPECT_EQ(FPlacementModeHostAccess::GetItemIds(Category).Last(), Ids[7]);

	// Asked twice, the engine is asked twice with the same id; the first item stays listed.
	EditorModule()->RemovePlacementModeItem(Object);
	EXPECT_EQ(FPlacementModeHostAccess::GetUnregisterRequests(), (TArray<FString>{ Ids[8], Ids[8] }));
	EXPECT_EQ(FPlacementModeHostAccess::GetItemIds(Category).Num(), 8);
}

TEST_F(PlacementCategoryTest, RemovingWhatWasNeverAddedOrWasRefusedAsksNothing)
{
	ASSERT_TRUE(Boot());
	EditorModule()->RemovePlacementModeItem(AActor::StaticClass());
	EXPECT_TRUE(FPlacementModeHostAccess::GetUnregisterRequests().IsEmpty());

	// A category that draws its own content refuses items; the refusal is kept and a removal asks nothing.
	FPlacementCategoryInfo Custom = *PlacementMode().GetRegisteredPlacementCategory(Category);
	PlacementMode().UnregisterPlacementCategory(Category);
	Custom.CustomGenerator = []() { return SNullWidget::NullWidget; };
	ASSERT_TRUE(PlacementMode().RegisterPlacementCategory(Custom));
	EditorModule()->AddPlacementModeItem(AActor::StaticClass());
	EXPECT_TRUE(FPlacementModeHostAccess::GetItemIds(Category).IsEmpty());
	EditorModule()->RemovePlacementModeItem(AActor::StaticClass());
	EXPECT_TRUE(FPlacementModeHostAccess::GetUnregisterRequests().IsEmpty());

	// Without the category nothing is listed at all.
	PlacementMode().UnregisterPlacementCategory(Category);
	EditorModule()->AddPlacementModeItem(AActor::StaticClass());
	EXPECT_TRUE(FPlacementModeHostAccess::GetItemIds(Category).IsEmpty());
}

TEST_F(PlacementCategoryTest, ShutDownRemovesTheCategory)
{
	ASSERT_TRUE(Boot());
	bool bCategoryGoneAtShutDown = false;
	PlacementMode().OnPlacementModeCategoryListChanged().AddLambda([&bCategoryGoneAtShutDown]() {
		bCategoryGoneAtShutDown = IPlacementModeModule::Get().GetRegisteredPlacementCategory(Category) == nullptr;
	});
	FEditorHost::Shutdown();
	EXPECT_TRUE(bCategoryGoneAtShutDown);
}

TEST_F(PlacementCategoryTest, AGameRunRegistersNothingAndItsShutDownRemovesNothing)
{
	ASSERT_TRUE(Boot(true));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("PlacementMode")));
	EditorModule()->AddPlacementModeItem(AActor::StaticClass());
	EditorModule()->RemovePlacementModeItem(AActor::StaticClass());
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("PlacementMode")));
	FEditorHost::Shutdown();
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("PlacementMode")));
}

TEST_F(PlacementCategoryTest, TheConsoleListsTheCategoryAndAddsItems)
{
	ASSERT_TRUE(Boot());
	FConsoleLines Out;
	ASSERT_TRUE(Out.Run(TEXT("placement")));
	EXPECT_TRUE(Out.Lines.Contains(TEXT("  Quovex | Quovex | 46 | PMQuovex")));
	ASSERT_TRUE(Out.Run(TEXT("Quovex.AddPlacementModeItem /Script/Engine.CameraActor")));
	ASSERT_TRUE(Out.Run(TEXT("placement Quovex")));
	// clang-format off
	EXPECT_EQ(Out.Lines, (TArray<FString>{
		TEXT("Quovex (8 items): label | sort order"),
		TEXT("  Camera Actor | 0"),
		TEXT("  Quovex Camera | 1"),
		TEXT("  Quovex Camera N Display | 1"),
		TEXT("  Quovex Composite Mesh | 1"),
		TEXT("  Quovex Led Matte | 1"),
		TEXT("  Quovex Mo Cap Magnet | 1"),
		TEXT("  Quovex Pre Keyer Matte | 1"),
		TEXT("  Quovex Stage | 1") }));
	// clang-format on
	EXPECT_FALSE(Out.Run(TEXT("Quovex.AddPlacementModeItem /Script/Engine.NoSuchThing")));
	EXPECT_EQ(Out.Lines, (TArray<FString>{ TEXT("ERROR No object /Script/Engine.NoSuchThing") }));
}
