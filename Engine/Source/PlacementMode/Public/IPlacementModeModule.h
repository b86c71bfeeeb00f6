// The Place Actors panel's model: categories (handle, label, icon, sort order, tag) and the placeable
// items registered in them.

#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"
#include "Math/Color.h"
#include "Misc/Guid.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "Templates/Function.h"
#include "Textures/SlateIcon.h"

class SWidget;
class UActorFactory;
class UClass;

/** A category of the Place Actors panel. */
struct FPlacementCategoryInfo
{
	FPlacementCategoryInfo(FText InDisplayName, FName InHandle, FString InTag, int32 InSortOrder = 0, bool bInSortable = true)
		: DisplayName(InDisplayName)
		, UniqueHandle(InHandle)
		, SortOrder(InSortOrder)
		, TagMetaData(MoveTemp(InTag))
		, bSortable(bInSortable)
	{
	}

	FPlacementCategoryInfo(FText InDisplayName, FSlateIcon InDisplayIcon, FName InHandle, FString InTag, int32 InSortOrder = 0, bool bInSortable = true)
		: DisplayName(InDisplayName)
		, DisplayIcon(InDisplayIcon)
		, UniqueHandle(InHandle)
		, SortOrder(InSortOrder)
		, TagMetaData(MoveTemp(InTag))
		, bSortable(bInSortable)
	{
	}

	/** The label of the category's tab. */
	FText DisplayName;

	/** A shorter label, where the panel is narrow; empty means DisplayName. */
	FText ShortDisplayName;

	FSlateIcon DisplayIcon;

	/** The handle that names the category when items are registered. */
	FName UniqueHandle;

	/** Categories are listed by ascending sort order. */
	int32 SortOrder;

	/** Tag for tutorials and tests to find the category's tab. */
	FString TagMetaData;

	/** A widget that replaces the list of items; such a category takes no registered items. */
	TFunction<TSharedRef<SWidget>()> CustomGenerator;

	/** Whether the category's items are sorted (sort order, then name) rather than kept in registration order. */
	bool bSortable;
};

/** Something that can be dragged into the level: an asset or class, and the factory that places it. */
struct FPlaceableItem
{
	FPlaceableItem()
		: Factory(nullptr)
	{
	}

	/** An item for a class; the engine finds its factory when placing it. */
	FPlaceableItem(UClass& InAssetClass, TOptional<int32> InSortOrder = TOptional<int32>());

	/** An item for an asset, placed by InFactory (null: the engine picks the factory). */
	FPlaceableItem(UActorFactory* InFactory, const FAssetData& InAssetData, TOptional<int32> InSortOrder = TOptional<int32>());

	/** An item for an asset of a class, with brush, colour and name overrides. */
	FPlaceableItem(UClass& InAssetClass, const FAssetData& InAssetData, FName InClassThumbnailBrushOverride = NAME_None, FName InClassIconBrushOverride = NAME_None, TOptional<FLinearColor> InAssetTypeColorOverride = TOptional<FLinearColor>(), TOptional<int32> InSortOrder = TOptional<int32>(), TOptional<FText> InDisplayName = TOptional<FText>());

	/** Sets the native name and display name from the asset data. */
	void AutoSetNativeAndDisplayName();

	UActorFactory* Factory;
	FAssetData AssetData;
	FString NativeName;
	FText DisplayName;
	FName ClassThumbnailBrushOverride;
	FName ClassIconBrushOverride;
	TOptional<FLinearColor> AssetTypeColorOverride;
	TOptional<int32> SortOrder;
};

/** What identifies a registered item, for its removal. */
struct FPlacementModeID
{
	FPlacementModeID(const FPlacementModeID&) = default;
	FPlacementModeID& operator=(const FPlacementModeID&) = default;

private:
	friend class FPlacementModeModule;
	friend struct FPlacementModeHostAccess;

	FPlacementModeID()
	{
	}

	FName Category;
	FGuid UniqueID;
};

/** The handles of the categories the module registers itself. */
struct FBuiltInPlacementCategories
{
	static FName RecentlyPlaced() { return FName(TEXT("RecentlyPlaced")); }
	static FName Basic() { return FName(TEXT("Basic")); }
	static FName Lights() { return FName(TEXT("Lights")); }
	static FName Shapes() { return FName(TEXT("Shapes")); }
	static FName Cinematic() { return FName(TEXT("Cinematic")); }
	static FName Visual() { return FName(TEXT("Visual")); }
	static FName Volumes() { return FName(TEXT("Volumes")); }
	static FName AllClasses() { return FName(TEXT("AllClasses")); }
};

class IPlacementModeModule : public IModuleInterface
{
public:
	static inline IPlacementModeModule& Get()
	{
		static const FName PlacementModeModuleName(TEXT("PlacementMode"));
		return FModuleManager::LoadModuleChecked<IPlacementModeModule>(PlacementModeModuleName);
	}

	static inline bool IsAvailable()
	{
		return FModuleManager::Get().IsModuleLoaded(TEXT("PlacementMode"));
	}

	/** Adds a category; false when its handle is already registered. */
	virtual bool RegisterPlacementCategory(const FPlacementCategoryInfo& Info) = 0;

	/** The registered category of that handle, or null. */
	virtual const FPlacementCategoryInfo* GetRegisteredPlacementCategory(FName UniqueHandle) const = 0;

	/** Removes a category and its items. */
	virtual void UnregisterPlacementCategory(FName Handle) = 0;

	/** The categories by ascending sort order. */
	virtual void GetSortedCategories(TArray<FPlacementCategoryInfo>& OutCategories) const = 0;

	/** Adds an item to a category; unset when the category is unknown or draws its own content. */
	virtual TOptional<FPlacementModeID> RegisterPlaceableItem(FName CategoryName, const TSharedRef<FPlaceableItem>& InItem) = 0;

	/** Removes a registered item; an ID whose item is gone is ignored. */
	virtual void UnregisterPlaceableItem(FPlacementModeID ID) = 0;

	/** A category's items in the order they were registered. */
	virtual void GetItemsForCategory(FName Category, TArray<TSharedPtr<FPlaceableItem>>& OutItems) const = 0;

	/** A category's items that pass Filter. */
	virtual void GetFilteredItemsForCategory(FName Category, TArray<TSharedPtr<FPlaceableItem>>& OutItems, TFunctionRef<bool(const TSharedPtr<FPlaceableItem>&)> Filter) const = 0;

	DECLARE_EVENT(IPlacementModeModule, FOnPlacementModeCategoryListChanged);
	/** Broadcast when a category is registered or unregistered. */
	virtual FOnPlacementModeCategoryListChanged& OnPlacementModeCategoryListChanged() = 0;

	DECLARE_EVENT_OneParam(IPlacementModeModule, FOnPlacementModeCategoryRefreshed, FName);
	/** Broadcast with a category's handle when its items change. */
	virtual FOnPlacementModeCategoryRefreshed& OnPlacementModeCategoryRefreshed() = 0;
};
