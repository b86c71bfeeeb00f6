#include "IPlacementModeModule.h"

#include "PlacementModeHost.h"
#include "UObject/Class.h"

#define LOCTEXT_NAMESPACE "PlacementMode"

namespace
{
	/** "QuovexCameraNDisplay" -> "Quovex Camera N Display": a space before each word's capital. */
	FString NameToDisplayString(const FString& Name)
	{
		FString Out;
		for (int32 Index = 0; Index < Name.Len(); ++Index)
		{
			const TCHAR Char = Name[Index];
			const bool bUpper = FChar::IsUpper(Char);
			const bool bDigit = FChar::IsDigit(Char);
			if (Index > 0 && (bUpper || bDigit))
			{
				const TCHAR Previous = Name[Index - 1];
				const bool bNextLower = Index + 1 < Name.Len() && FChar::IsLower(Name[Index + 1]);
				const bool bWordStart = bUpper && (FChar::IsLower(Previous) || (FChar::IsUpper(Previous) && bNextLower));
				const bool bNumberStart = bDigit && !FChar::IsDigit(Previous);
				if (bWordStart || bNumberStart)
				{
					Out.AppendChar(TEXT(' '));
				}
			}
			Out.AppendChar(Char);
		}
		return Out;
	}
}

FPlaceableItem::FPlaceableItem(UClass& InAssetClass, TOptional<int32> InSortOrder)
	: Factory(nullptr)
	, AssetData(&InAssetClass)
	, SortOrder(InSortOrder)
{
	AutoSetNativeAndDisplayName();
}

FPlaceableItem::FPlaceableItem(UActorFactory* InFactory, const FAssetData& InAssetData, TOptional<int32> InSortOrder)
	: Factory(InFactory)
	, AssetData(InAssetData)
	, SortOrder(InSortOrder)
{
	AutoSetNativeAndDisplayName();
}

FPlaceableItem::FPlaceableItem(UClass& InAssetClass, const FAssetData& InAssetData, FName InClassThumbnailBrushOverride, FName InClassIconBrushOverride, TOptional<FLinearColor> InAssetTypeColorOverride, TOptional<int32> InSortOrder, TOptional<FText> InDisplayName)
	: Factory(nullptr)
	, AssetData(InAssetData)
	, ClassThumbnailBrushOverride(InClassThumbnailBrushOverride)
	, ClassIconBrushOverride(InClassIconBrushOverride)
	, AssetTypeColorOverride(InAssetTypeColorOverride)
	, SortOrder(InSortOrder)
{
	AutoSetNativeAndDisplayName();
	if (InDisplayName.IsSet())
	{
		DisplayName = InDisplayName.GetValue();
	}
}

void FPlaceableItem::AutoSetNativeAndDisplayName()
{
	// Classes show their name split into words; other assets show their object name.
	const bool bIsClass = AssetData.AssetClassPath == UClass::StaticClass()->GetClassPathName();
	const FString AssetName = AssetData.AssetName.ToString();
	NativeName = bIsClass ? AssetName : FString();
	DisplayName = bIsClass ? FText::FromString(NameToDisplayString(AssetName)) : FText::FromName(AssetData.AssetName);
}

class FPlacementModeModule : public IPlacementModeModule
{
public:
	virtual void StartupModule() override
	{
		UnregisterRequests.Empty();
		Categories.Empty();
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("RecentlyPlaced", "Recently Placed"), FBuiltInPlacementCategories::RecentlyPlaced(), TEXT("PMRecentlyPlaced"), MIN_int32, false));
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Basic", "Basic"), FBuiltInPlacementCategories::Basic(), TEXT("PMBasic"), 10));
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Lights", "Lights"), FBuiltInPlacementCategories::Lights(), TEXT("PMLights"), 20));
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Shapes", "Shapes"), FBuiltInPlacementCategories::Shapes(), TEXT("PMShapes"), 25));
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Cinematic", "Cinematic"), FBuiltInPlacementCategories::Cinematic(), TEXT("PMCinematic"), 25));
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("VisualEffects", "Visual Effects"), FBuiltInPlacementCategories::Visual(), TEXT("PMVisual"), 30));
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("Volumes", "Volumes"), FBuiltInPlacementCategories::Volumes(), TEXT("PMVolumes"), 40));
		RegisterPlacementCategory(FPlacementCategoryInfo(LOCTEXT("AllClasses", "All Classes"), FBuiltInPlacementCategories::AllClasses(), TEXT("PMAllClasses"), 50));
		Instance = this;
	}

	virtual void ShutdownModule() override
	{
		Categories.Empty();
		if (Instance == this)
		{
			Instance = nullptr;
		}
	}

	virtual bool RegisterPlacementCategory(const FPlacementCategoryInfo& Info) override
	{
		if (FindCategory(Info.UniqueHandle))
		{
			return false;
		}
		TUniquePtr<FCategory> Category = MakeUnique<FCategory>(Info);
		Categories.Add(MoveTemp(Category));
		CategoryListChanged.Broadcast();
		return true;
	}

	virtual const FPlacementCategoryInfo* GetRegisteredPlacementCategory(FName UniqueHandle) const override
	{
		const FCategory* Category = FindCategory(UniqueHandle);
		return Category ? &Category->Info : nullptr;
	}

	virtual void UnregisterPlacementCategory(FName Handle) override
	{
		const int32 Index = Categories.IndexOfByPredicate([Handle](const TUniquePtr<FCategory>& Category) { return Category->Info.UniqueHandle == Handle; });
		if (Index == INDEX_NONE)
		{
			return;
		}
		Categories.RemoveAt(Index);
		CategoryListChanged.Broadcast();
	}

	virtual void GetSortedCategories(TArray<FPlacementCategoryInfo>& OutCategories) const override
	{
		OutCategories.Reset();
		for (const TUniquePtr<FCategory>& Category : Categories)
		{
			OutCategories.Add(Category->Info);
		}
		// Equal sort orders keep the order the categories were registered in.
		OutCategories.StableSort([](const FPlacementCategoryInfo& A, const FPlacementCategoryInfo& B) { return A.SortOrder < B.SortOrder; });
	}

	virtual TOptional<FPlacementModeID> RegisterPlaceableItem(FName CategoryName, const TSharedRef<FPlaceableItem>& InItem) override
	{
		FCategory* Category = FindCategory(CategoryName);
		if (!Category || Category->Info.CustomGenerator)
		{
			return TOptional<FPlacementModeID>();
		}
		FPlacementModeID ID;
		ID.Category = CategoryName;
		ID.UniqueID = FGuid::NewGuid();
		Category->Items.Add(TPair<FGuid, TSharedPtr<FPlaceableItem>>(ID.UniqueID, InItem));
		CategoryRefreshed.Broadcast(CategoryName);
		return ID;
	}

	virtual void UnregisterPlaceableItem(FPlacementModeID ID) override
	{
		UnregisterRequests.Add(FPlacementModeHostAccess::Describe(ID));
		FCategory* Category = FindCategory(ID.Category);
		if (!Category)
		{
			return;
		}
		const int32 Removed = Category->Items.RemoveAll([&ID](const TPair<FGuid, TSharedPtr<FPlaceableItem>>& Item) { return Item.Key == ID.UniqueID; });
		if (Removed > 0)
		{
			CategoryRefreshed.Broadcast(ID.Category);
		}
	}

	virtual void GetItemsForCategory(FName CategoryName, TArray<TSharedPtr<FPlaceableItem>>& OutItems) const override
	{
		GetFilteredItemsForCategory(CategoryName, OutItems, [](const TSharedPtr<FPlaceableItem>&) { return true; });
	}

	virtual void GetFilteredItemsForCategory(FName CategoryName, TArray<TSharedPtr<FPlaceableItem>>& OutItems, TFunctionRef<bool(const TSharedPtr<FPlaceableItem>&)> Filter) const override
	{
		OutItems.Reset();
		if (const FCategory* Category = FindCategory(CategoryName))
		{
			for (const TPair<FGuid, TSharedPtr<FPlaceableItem>>& Item : Category->Items)
			{
				if (Filter(Item.Value))
				{
					OutItems.Add(Item.Value);
				}
			}
		}
	}

	virtual FOnPlacementModeCategoryListChanged& OnPlacementModeCategoryListChanged() override
	{
		return CategoryListChanged;
	}

	virtual FOnPlacementModeCategoryRefreshed& OnPlacementModeCategoryRefreshed() override
	{
		return CategoryRefreshed;
	}

	struct FCategory
	{
		explicit FCategory(const FPlacementCategoryInfo& InInfo)
			: Info(InInfo)
		{
		}

		FPlacementCategoryInfo Info;
		TArray<TPair<FGuid, TSharedPtr<FPlaceableItem>>> Items;
	};

	FCategory* FindCategory(FName Handle) const
	{
		for (const TUniquePtr<FCategory>& Category : Categories)
		{
			if (Category->Info.UniqueHandle == Handle)
			{
				return Category.Get();
			}
		}
		return nullptr;
	}

	static FPlacementModeModule* Instance;
	TArray<FString> UnregisterRequests;

private:
	TArray<TUniquePtr<FCategory>> Categories;
	FOnPlacementModeCategoryListChanged CategoryListChanged;
	FOnPlacementModeCategoryRefreshed CategoryRefreshed;
};

FPlacementModeModule* FPlacementModeModule::Instance = nullptr;

FString FPlacementModeHostAccess::Describe(const FPlacementModeID& ID)
{
	return ID.Category.ToString() + TEXT("/") + ID.UniqueID.ToString();
}

TArray<FString> FPlacementModeHostAccess::GetItemIds(FName Category)
{
	TArray<FString> Ids;
	const FPlacementModeModule* Module = FPlacementModeModule::Instance;
	const FPlacementModeModule::FCategory* Found = Module ? Module->FindCategory(Category) : nullptr;
	if (Found)
	{
		for (const TPair<FGuid, TSharedPtr<FPlaceableItem>>& Item : Found->Items)
		{
			Ids.Add(Category.ToString() + TEXT("/") + Item.Key.ToString());
		}
	}
	return Ids;
}

TArray<FString> FPlacementModeHostAccess::GetUnregisterRequests()
{
	return FPlacementModeModule::Instance ? FPlacementModeModule::Instance->UnregisterRequests : TArray<FString>();
}

TArray<TSharedPtr<FPlaceableItem>> FPlacementModeHostAccess::GetDisplayedItems(FName Category)
{
	TArray<TSharedPtr<FPlaceableItem>> Items;
	const FPlacementModeModule* Module = FPlacementModeModule::Instance;
	const FPlacementModeModule::FCategory* Found = Module ? Module->FindCategory(Category) : nullptr;
	if (!Found)
	{
		return Items;
	}
	Module->GetItemsForCategory(Category, Items);
	if (Found->Info.bSortable)
	{
		Items.StableSort([](const TSharedPtr<FPlaceableItem>& A, const TSharedPtr<FPlaceableItem>& B) {
			if (A->SortOrder.IsSet() != B->SortOrder.IsSet())
			{
				return A->SortOrder.IsSet();
			}
			if (A->SortOrder.IsSet() && A->SortOrder.GetValue() != B->SortOrder.GetValue())
			{
				return A->SortOrder.GetValue() < B->SortOrder.GetValue();
			}
			return A->DisplayName.ToString().Compare(B->DisplayName.ToString(), ESearchCase::IgnoreCase) < 0;
		});
	}
	return Items;
}

IMPLEMENT_MODULE(FPlacementModeModule, PlacementMode);

#undef LOCTEXT_NAMESPACE
