// `placement`: the Place Actors panel's categories in their order, and the items of one as the panel lists them.

#include "CoreMinimal.h"
#include "Editor.h"
#include "HostConsole.h"
#include "IPlacementModeModule.h"
#include "Misc/OutputDevice.h"
#include "PlacementModeHost.h"

namespace
{
	bool RunPlacement(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error))
		{
			Ar.Log(ELogVerbosity::Error, Error);
			return false;
		}
		if (Words.Num() > 1)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("Usage: placement [<CategoryHandle>]"));
			return false;
		}
		// The editor keeps the Place Actors panel; a game has none.
		if (!GEditor)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("There is no Place Actors panel in a game run"));
			return false;
		}
		IPlacementModeModule& PlacementMode = IPlacementModeModule::Get();

		if (Words.Num() == 0)
		{
			TArray<FPlacementCategoryInfo> Categories;
			PlacementMode.GetSortedCategories(Categories);
			Ar.Log(FString::Printf(TEXT("Placement categories (%d): handle | label | sort order | tag"), Categories.Num()));
			for (const FPlacementCategoryInfo& Category : Categories)
			{
				Ar.Log(FString::Printf(TEXT("  %s | %s | %d | %s"), *Category.UniqueHandle.ToString(), *Category.DisplayName.ToString(), Category.SortOrder, *Category.TagMetaData));
			}
			return true;
		}

		const FName Handle(*Words[0]);
		const FPlacementCategoryInfo* Category = PlacementMode.GetRegisteredPlacementCategory(Handle);
		if (!Category)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No placement category %s (run `placement` to list them)"), *Words[0]));
			return false;
		}
		const TArray<TSharedPtr<FPlaceableItem>> Items = FPlacementModeHostAccess::GetDisplayedItems(Handle);
		Ar.Log(FString::Printf(TEXT("%s (%d items): label | sort order"), *Category->DisplayName.ToString(), Items.Num()));
		for (const TSharedPtr<FPlaceableItem>& Item : Items)
		{
			Ar.Log(FString::Printf(TEXT("  %s | %s"), *Item->DisplayName.ToString(), Item->SortOrder.IsSet() ? *FString::FromInt(Item->SortOrder.GetValue()) : TEXT("-")));
		}
		return true;
	}

	FHostConsoleCommandRegistrant PlacementCommand(TEXT("placement"),
		TEXT("placement [<Handle>]: the Place Actors categories (handle | label | sort order | tag), or one category's items (label | sort order) in the panel's order"),
		&RunPlacement);
}
