// Groups of tab spawners, as the editor's Window menu shows them.

#pragma once

#include "CoreMinimal.h"
#include "Textures/SlateIcon.h"

struct FTabSpawnerEntry;

class SLATE_API FWorkspaceItem : public TSharedFromThis<FWorkspaceItem>
{
public:
	virtual ~FWorkspaceItem();

	static TSharedRef<FWorkspaceItem> NewGroup(const FText& DisplayName, const FSlateIcon& Icon = FSlateIcon(), const bool bSortChildren = false);
	static TSharedRef<FWorkspaceItem> NewGroup(const FText& DisplayName, const FText& TooltipText, const FSlateIcon& Icon = FSlateIcon(), const bool bSortChildren = false);

	/** Adds a new group under this one. */
	TSharedRef<FWorkspaceItem> AddGroup(const FText& InDisplayName, const FSlateIcon& InIcon = FSlateIcon(), const bool InSortChildren = false);
	TSharedRef<FWorkspaceItem> AddGroup(const FText& InDisplayName, const FText& InTooltipText, const FSlateIcon& InIcon = FSlateIcon(), const bool InSortChildren = false);

	/** Adds an item (a group or a spawner) under this one, taking it from any previous parent. */
	void AddItem(const TSharedRef<FWorkspaceItem>& ItemToAdd);
	void RemoveItem(const TSharedRef<FWorkspaceItem>& ItemToRemove);
	void ClearItems();

	const FText& GetDisplayName() const
	{
		return DisplayName;
	}
	const FText& GetTooltipText() const
	{
		return TooltipText;
	}
	const FSlateIcon& GetIcon() const
	{
		return Icon;
	}
	const TArray<TSharedRef<FWorkspaceItem>>& GetChildItems() const
	{
		return ChildItems;
	}
	TSharedPtr<FWorkspaceItem> GetParent() const
	{
		return ParentItem.Pin();
	}

	/** This item as a tab spawner entry, or null for a group. */
	virtual TSharedPtr<FTabSpawnerEntry> AsSpawnerEntry();

	void SortChildren();

protected:
	FWorkspaceItem(const FText& InDisplayName, const FSlateIcon& InIcon, const bool bInSortChildren);
	FWorkspaceItem(const FText& InDisplayName, const FText& InTooltipText, const FSlateIcon& InIcon, const bool bInSortChildren);

	FSlateIcon Icon;
	FText DisplayName;
	FText TooltipText;
	TArray<TSharedRef<FWorkspaceItem>> ChildItems;
	TWeakPtr<FWorkspaceItem> ParentItem;
	bool bSortChildren;
};
