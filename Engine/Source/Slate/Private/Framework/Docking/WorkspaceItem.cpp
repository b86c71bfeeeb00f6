#include "Framework/Docking/WorkspaceItem.h"

#include "Framework/Docking/TabManager.h"

FWorkspaceItem::FWorkspaceItem(const FText& InDisplayName, const FSlateIcon& InIcon, const bool bInSortChildren)
	: Icon(InIcon)
	, DisplayName(InDisplayName)
	, bSortChildren(bInSortChildren)
{
}

FWorkspaceItem::FWorkspaceItem(const FText& InDisplayName, const FText& InTooltipText, const FSlateIcon& InIcon, const bool bInSortChildren)
	: Icon(InIcon)
	, DisplayName(InDisplayName)
	, TooltipText(InTooltipText)
	, bSortChildren(bInSortChildren)
{
}

FWorkspaceItem::~FWorkspaceItem()
{
}

TSharedRef<FWorkspaceItem> FWorkspaceItem::NewGroup(const FText& DisplayName, const FSlateIcon& Icon, const bool bSortChildren)
{
	return MakeShareable(new FWorkspaceItem(DisplayName, Icon, bSortChildren));
}

TSharedRef<FWorkspaceItem> FWorkspaceItem::NewGroup(const FText& DisplayName, const FText& TooltipText, const FSlateIcon& Icon, const bool bSortChildren)
{
	return MakeShareable(new FWorkspaceItem(DisplayName, TooltipText, Icon, bSortChildren));
}

TSharedRef<FWorkspaceItem> FWorkspaceItem::AddGroup(const FText& InDisplayName, const FSlateIcon& InIcon, const bool InSortChildren)
{
	TSharedRef<FWorkspaceItem> NewItem = NewGroup(InDisplayName, InIcon, InSortChildren);
	AddItem(NewItem);
	return NewItem;
}

TSharedRef<FWorkspaceItem> FWorkspaceItem::AddGroup(const FText& InDisplayName, const FText& InTooltipText, const FSlateIcon& InIcon, const bool InSortChildren)
{
	TSharedRef<FWorkspaceItem> NewItem = NewGroup(InDisplayName, InTooltipText, InIcon, InSortChildren);
	AddItem(NewItem);
	return NewItem;
}

void FWorkspaceItem::AddItem(const TSharedRef<FWorkspaceItem>& ItemToAdd)
{
	if (TSharedPtr<FWorkspaceItem> OldParent = ItemToAdd->ParentItem.Pin())
	{
		if (OldParent.Get() == this)
		{
			return;
		}
		OldParent->RemoveItem(ItemToAdd);
	}
	ItemToAdd->ParentItem = AsShared();
	ChildItems.Add(ItemToAdd);
	if (bSortChildren)
	{
		SortChildren();
	}
}

void FWorkspaceItem::RemoveItem(const TSharedRef<FWorkspaceItem>& ItemToRemove)
{
	const int32 Removed = ChildItems.RemoveAll([&ItemToRemove](const TSharedRef<FWorkspaceItem>& Child) {
		return &Child.Get() == &ItemToRemove.Get();
	});
	if (Removed > 0)
	{
		ItemToRemove->ParentItem.Reset();
	}
}

void FWorkspaceItem::ClearItems()
{
	for (const TSharedRef<FWorkspaceItem>& Child : ChildItems)
	{
		Child->ParentItem.Reset();
	}
	ChildItems.Reset();
}

TSharedPtr<FTabSpawnerEntry> FWorkspaceItem::AsSpawnerEntry()
{
	return TSharedPtr<FTabSpawnerEntry>();
}

void FWorkspaceItem::SortChildren()
{
	ChildItems.Sort([](const TSharedRef<FWorkspaceItem>& A, const TSharedRef<FWorkspaceItem>& B) {
		return A->GetDisplayName().CompareTo(B->GetDisplayName()) < 0;
	});
}
