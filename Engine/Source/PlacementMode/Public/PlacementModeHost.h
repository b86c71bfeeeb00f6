// Stand-in host access to the placement mode module (not in UE): item identifiers as text and the
// removals the module was asked for, so hosts and tests can see what plugins did.

#pragma once

#include "CoreMinimal.h"
#include "IPlacementModeModule.h"

struct PLACEMENTMODE_API FPlacementModeHostAccess
{
	/** "<Category>/<unique id>". */
	static FString Describe(const FPlacementModeID& ID);

	/** The identifiers of a category's items, in registration order. */
	static TArray<FString> GetItemIds(FName Category);

	/** Every UnregisterPlaceableItem call since the module started, in order, described as above. */
	static TArray<FString> GetUnregisterRequests();

	/** The order the Place Actors panel lists a category's items in: sortable categories by sort order (items without one last), then display name; others as registered. */
	static TArray<TSharedPtr<FPlaceableItem>> GetDisplayedItems(FName Category);
};
