// Copyright Quovex. All Rights Reserved.

// The plugin's own category of the Place Actors panel, and the operations that list other objects there.

#include "QuovexVirtualProductionEditorModule.h"

#include "AssetRegistry/AssetData.h"
#include "IPlacementModeModule.h"
#include "Misc/CoreMisc.h"
#include "Modules/ModuleManager.h"
#include "QuovexCamera.h"
#include "QuovexStageActors.h"
#include "QuovexVirtualProductionStyle.h"
#include "Textures/SlateIcon.h"

#define LOCTEXT_NAMESPACE "PlacementMode"

namespace QuovexPlacement
{
	static const FName PlacementModeModuleName(TEXT("PlacementMode"));
	static const FName CategoryHandle(TEXT("Quovex"));

	/** Built-in classes sort after objects added later (sort order 0). */
	static const int32 BuiltInItemSortOrder = 1;
	static const int32 AddedItemSortOrder = 0;

	static IPlacementModeModule& LoadPlacementMode()
	{
		return FModuleManager::LoadModuleChecked<IPlacementModeModule>(PlacementModeModuleName);
	}
}

void FQuovexVirtualProductionEditorModule::RegisterPlacementModeItems()
{
	IPlacementModeModule& PlacementModeModule = QuovexPlacement::LoadPlacementMode();

	const FPlacementCategoryInfo CategoryInfo(
		LOCTEXT("Quovex", "Quovex"),
		FSlateIcon(FQuovexVirtualProductionStyle::GetStyleSetName(), FQuovexVirtualProductionStyle::IconSmallName, NAME_None, NAME_None),
		QuovexPlacement::CategoryHandle,
		TEXT("PMQuovex"),
		46,
		true);
	PlacementModeModule.RegisterPlacementCategory(CategoryInfo);

	UClass* const PlaceableClasses[] = {
		AQuovexCamera::StaticClass(),
		AQuovexCameraNDisplay::StaticClass(),
		AQuovexStage::StaticClass(),
		AQuovexCompositeMesh::StaticClass(),
		AQuovexMoCapMagnet::StaticClass(),
		AQuovexPreKeyerMatte::StaticClass(),
		AQuovexLedMatte::StaticClass(),
	};
	for (UClass* PlaceableClass : PlaceableClasses)
	{
		const TOptional<FPlacementModeID> ItemId = PlacementModeModule.RegisterPlaceableItem(
			QuovexPlacement::CategoryHandle,
			MakeShared<FPlaceableItem>(nullptr, FAssetData(PlaceableClass), QuovexPlacement::BuiltInItemSortOrder));
		PlacementModeItemIds.Add(PlaceableClass, ItemId);
	}
}

void FQuovexVirtualProductionEditorModule::UnregisterPlacementModeCategory()
{
	QuovexPlacement::LoadPlacementMode().UnregisterPlacementCategory(QuovexPlacement::CategoryHandle);
}

void FQuovexVirtualProductionEditorModule::AddPlacementModeItem(UObject* Object)
{
	if (IsRunningGame())
	{
		return;
	}

	IPlacementModeModule& PlacementModeModule = QuovexPlacement::LoadPlacementMode();
	const FPlacementCategoryInfo* Category = PlacementModeModule.GetRegisteredPlacementCategory(QuovexPlacement::CategoryHandle);
	if (!Category)
	{
		return;
	}

	// A second add of the same object lists it again; only the newest id is kept for its removal.
	const TOptional<FPlacementModeID> ItemId = PlacementModeModule.RegisterPlaceableItem(
		Category->UniqueHandle,
		MakeShared<FPlaceableItem>(nullptr, FAssetData(Object), QuovexPlacement::AddedItemSortOrder));
	PlacementModeItemIds.Add(Object, ItemId);
}

void FQuovexVirtualProductionEditorModule::RemovePlacementModeItem(UObject* Object)
{
	if (IsRunningGame())
	{
		return;
	}

	const TOptional<FPlacementModeID>* ItemId = PlacementModeItemIds.Find(Object);
	if (!ItemId || !ItemId->IsSet())
	{
		return;
	}
	QuovexPlacement::LoadPlacementMode().UnregisterPlaceableItem(ItemId->GetValue());
}

#undef LOCTEXT_NAMESPACE
