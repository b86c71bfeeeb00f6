// The Place Actors panel's model: categories by sort order, items with ids of their own, refusals, and
// the order the panel lists a category's items in.

#include "EngineTestEnvironment.h"

#include "Camera/CameraActor.h"
#include "GameFramework/Actor.h"
#include "IPlacementModeModule.h"
#include "PlacementModeHost.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

#include <gtest/gtest.h>

namespace
{
	class PlacementModeTest : public ::testing::Test
	{
	protected:
		IPlacementModeModule& PlacementMode()
		{
			return IPlacementModeModule::Get();
		}

		TArray<FName> CategoryHandles()
		{
			TArray<FPlacementCategoryInfo> Categories;
			PlacementMode().GetSortedCategories(Categories);
			TArray<FName> Handles;
			for (const FPlacementCategoryInfo& Category : Categories)
			{
				Handles.Add(Category.UniqueHandle);
			}
			return Handles;
		}

		TArray<FString> DisplayedLabels(FName Category)
		{
			TArray<FString> Labels;
			for (const TSharedPtr<FPlaceableItem>& Item : FPlacementModeHostAccess::GetDisplayedItems(Category))
			{
				Labels.Add(Item->DisplayName.ToString());
			}
			return Labels;
		}

		static TSharedRef<FPlaceableItem> ItemFor(UObject* Object, TOptional<int32> SortOrder)
		{
			return MakeShared<FPlaceableItem>(nullptr, FAssetData(Object), SortOrder);
		}

		FScopedTestEngine Engine;
	};
}

TEST_F(PlacementModeTest, CategoriesListByAscendingSortOrderAndKeepRegistrationOrderOnTies)
{
	int32 Changes = 0;
	PlacementMode().OnPlacementModeCategoryListChanged().AddLambda([&Changes]() { ++Changes; });

	EXPECT_TRUE(PlacementMode().RegisterPlacementCategory(FPlacementCategoryInfo(FText::FromString(TEXT("Stage")), TEXT("Stage"), TEXT("PMStage"), 45)));
	EXPECT_TRUE(PlacementMode().RegisterPlacementCategory(FPlacementCategoryInfo(FText::FromString(TEXT("Props")), TEXT("Props"), TEXT("PMProps"), 45)));
	EXPECT_EQ(Changes, 2);
	// A handle already taken is refused and changes nothing.
	EXPECT_FALSE(PlacementMode().RegisterPlacementCategory(FPlacementCategoryInfo(FText::FromString(TEXT("Again")), TEXT("Stage"), TEXT("PMAgain"), 1)));
	EXPECT_EQ(Changes, 2);
	EXPECT_EQ(PlacementMode().GetRegisteredPlacementCategory(TEXT("Stage"))->TagMetaData, TEXT("PMStage"));

	const TArray<FName> Handles = CategoryHandles();
	const int32 Volumes = Handles.IndexOfByKey(FName(TEXT("Volumes")));
	const int32 Stage = Handles.IndexOfByKey(FName(TEXT("Stage")));
	ASSERT_NE(Volumes, INDEX_NONE);
	EXPECT_EQ(Handles[0], FName(TEXT("RecentlyPlaced")));
	EXPECT_EQ(Stage, Volumes + 1);
	EXPECT_EQ(Handles[Stage + 1], FName(TEXT("Props")));
	EXPECT_EQ(Handles.Last(), FName(TEXT("AllClasses")));

	PlacementMode().UnregisterPlacementCategory(TEXT("Stage"));
	EXPECT_EQ(Changes, 3);
	EXPECT_EQ(PlacementMode().GetRegisteredPlacementCategory(TEXT("Stage")), nullptr);
	PlacementMode().UnregisterPlacementCategory(TEXT("Stage"));
	EXPECT_EQ(Changes, 3);
}

TEST_F(PlacementModeTest, ItemsGetIdsOfTheirOwnAndARemovalTakesOnlyItsItem)
{
	ASSERT_TRUE(PlacementMode().RegisterPlacementCategory(FPlacementCategoryInfo(FText::FromString(TEXT("Stage")), TEXT("Stage"), TEXT("PMStage"), 45)));
	const TOptional<FPlacementModeID> First = PlacementMode().RegisterPlaceableItem(TEXT("Stage"), ItemFor(ACameraActor::StaticClass(), 1));
	const TOptional<FPlacementModeID> Second = PlacementMode().RegisterPlaceableItem(TEXT("Stage"), ItemFor(ACameraActor::StaticClass(), 1));
	ASSERT_TRUE(First.IsSet());
	ASSERT_TRUE(Second.IsSet());
	EXPECT_NE(FPlacementModeHostAccess::Describe(First.GetValue()), FPlacementModeHostAccess::Describe(Second.GetValue()));
	EXPECT_EQ(FPlacementModeHostAccess::GetItemIds(TEXT("Stage")), (TArray<FString>{ FPlacementModeHostAccess::Describe(First.GetValue()), FPlacementModeHostAccess::Describe(Second.GetValue()) }));

	PlacementMode().UnregisterPlaceableItem(Second.GetValue());
	EXPECT_EQ(FPlacementModeHostAccess::GetItemIds(TEXT("Stage")), (TArray<FString>{ FPlacementModeHostAccess::Describe(First.GetValue()) }));
	// Asking again finds nothing to remove; the request is still recorded.
	PlacementMode().UnregisterPlaceableItem(Second.GetValue());
	EXPECT_EQ(FPlacementModeHostAccess::GetItemIds(TEXT("Stage")).Num(), 1);
	EXPECT_EQ(FPlacementModeHostAccess::GetUnregisterRequests(), (TArray<FString>{ FPlacementModeHostAccess::Describe(Second.GetValue()), FPlacementModeHostAccess::Describe(Second.GetValue()) }));

	// Removing the category takes its items with it.
	PlacementMode().UnregisterPlacementCategory(TEXT("Stage"));
	EXPECT_TRUE(FPlacementModeHostAccess::GetItemIds(TEXT("Stage")).IsEmpty());
}

TEST_F(PlacementModeTest, UnknownAndCustomDrawnCategoriesRefuseItems)
{
	EXPECT_FALSE(PlacementMode().RegisterPlaceableItem(TEXT("NoSuchCategory"), ItemFor(AActor::StaticClass(), 0)).IsSet());

	FPlacementCategoryInfo Custom(FText::FromString(TEXT("Custom")), TEXT("Custom"), TEXT("PMCustom"), 60);
	Custom.CustomGenerator = []() { return SNullWidget::NullWidget; };
	ASSERT_TRUE(PlacementMode().RegisterPlacementCategory(Custom));
	EXPECT_FALSE(PlacementMode().RegisterPlaceableItem(TEXT("Custom"), ItemFor(AActor::StaticClass(), 0)).IsSet());
	EXPECT_TRUE(FPlacementModeHostAccess::GetItemIds(TEXT("Custom")).IsEmpty());
}

TEST_F(PlacementModeTest, ItemsAreNamedFromTheirAssetAndListedBySortOrderThenName)
{
	ASSERT_TRUE(PlacementMode().RegisterPlacementCategory(FPlacementCategoryInfo(FText::FromString(TEXT("Stage")), TEXT("Stage"), TEXT("PMStage"), 45)));
	PlacementMode().RegisterPlaceableItem(TEXT("Stage"), ItemFor(ACameraActor::StaticClass(), 1));
	PlacementMode().RegisterPlaceableItem(TEXT("Stage"), ItemFor(AActor::StaticClass(), 1));
	PlacementMode().RegisterPlaceableItem(TEXT("Stage"), ItemFor(ACameraActor::StaticClass(), TOptional<int32>()));
	PlacementMode().RegisterPlaceableItem(TEXT("Stage"), ItemFor(ACameraActor::StaticClass(), 0));

	TArray<TSharedPtr<FPlaceableItem>> Registered;
	PlacementMode().GetItemsForCategory(TEXT("Stage"), Registered);
	ASSERT_EQ(Registered.Num(), 4);
	// Classes show their name in words and keep it as their native name.
	EXPECT_EQ(Registered[0]->DisplayName.ToString(), TEXT("Camera Actor"));
	EXPECT_EQ(Registered[0]->NativeName, TEXT("CameraActor"));
	EXPECT_EQ(Registered[0]->Factory, nullptr);

	// Sort order first (unset last), equal sort orders by name.
	EXPECT_EQ(DisplayedLabels(TEXT("Stage")), (TArray<FString>{ TEXT("Camera Actor"), TEXT("Actor"), TEXT("Camera Actor"), TEXT("Camera Actor") }));
	TArray<TSharedPtr<FPlaceableItem>> Displayed = FPlacementModeHostAccess::GetDisplayedItems(TEXT("Stage"));
	EXPECT_EQ(Displayed[0]->SortOrder.GetValue(), 0);
	EXPECT_FALSE(Displayed[3]->SortOrder.IsSet());

	// A category that is not sortable lists its items as they were registered.
	ASSERT_TRUE(PlacementMode().RegisterPlacementCategory(FPlacementCategoryInfo(FText::FromString(TEXT("Recent")), TEXT("Recent"), TEXT("PMRecent"), 0, false)));
	PlacementMode().RegisterPlaceableItem(TEXT("Recent"), ItemFor(ACameraActor::StaticClass(), 5));
	PlacementMode().RegisterPlaceableItem(TEXT("Recent"), ItemFor(AActor::StaticClass(), 1));
	EXPECT_EQ(DisplayedLabels(TEXT("Recent")), (TArray<FString>{ TEXT("Camera Actor"), TEXT("Actor") }));
}
