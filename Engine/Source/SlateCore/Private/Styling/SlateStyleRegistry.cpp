#include "Styling/SlateStyleRegistry.h"

#include "Styling/ISlateStyle.h"

namespace
{
	// Ordered so listings show styles as they were registered.
	TArray<const ISlateStyle*>& GetStyleRepository()
	{
		static TArray<const ISlateStyle*> Repository;
		return Repository;
	}

	int32 FindStyleIndex(const FName StyleSetName)
	{
		TArray<const ISlateStyle*>& Repository = GetStyleRepository();
		for (int32 Index = 0; Index < Repository.Num(); ++Index)
		{
			if (Repository[Index]->GetStyleSetName() == StyleSetName)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
}

void FSlateStyleRegistry::RegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	const FName& StyleSetName = InSlateStyle.GetStyleSetName();
	checkf(!StyleSetName.IsNone(), TEXT("FSlateStyleRegistry: a style set needs a name to be registered"));
	checkf(FindStyleIndex(StyleSetName) == INDEX_NONE, TEXT("FSlateStyleRegistry: a style set named '%s' is already registered"), *StyleSetName.ToString());
	GetStyleRepository().Add(&InSlateStyle);
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const ISlateStyle& InSlateStyle)
{
	UnRegisterSlateStyle(InSlateStyle.GetStyleSetName());
}

void FSlateStyleRegistry::UnRegisterSlateStyle(const FName StyleSetName)
{
	const int32 Index = FindStyleIndex(StyleSetName);
	checkf(Index != INDEX_NONE, TEXT("FSlateStyleRegistry: no style set named '%s' is registered"), *StyleSetName.ToString());
	GetStyleRepository().RemoveAt(Index);
}

const ISlateStyle* FSlateStyleRegistry::FindSlateStyle(const FName& InSlateStyleName)
{
	const int32 Index = FindStyleIndex(InSlateStyleName);
	return Index != INDEX_NONE ? GetStyleRepository()[Index] : nullptr;
}

void FSlateStyleRegistry::GetAllResources(TArray<const FSlateBrush*>& OutResources)
{
	for (const ISlateStyle* Style : GetStyleRepository())
	{
		Style->GetResources(OutResources);
	}
}

void FSlateStyleRegistry::GetAllStyleSetNames(TArray<FName>& OutStyleSetNames)
{
	for (const ISlateStyle* Style : GetStyleRepository())
	{
		OutStyleSetNames.Add(Style->GetStyleSetName());
	}
}
