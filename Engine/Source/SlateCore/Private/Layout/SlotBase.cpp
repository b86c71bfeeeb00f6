#include "Layout/SlotBase.h"

#include "Layout/Children.h"
#include "Widgets/SWidget.h"

FSlotBase::FSlotBase()
	: Widget(SNullWidget::NullWidget)
	, OwnerWidget(nullptr)
{
}

FSlotBase::~FSlotBase()
{
	DetachWidget();
}

void FSlotBase::SetOwner(SWidget* InOwnerWidget)
{
	OwnerWidget = InOwnerWidget;
	if (OwnerWidget && Widget != SNullWidget::NullWidget)
	{
		Widget->AssignParentWidget(OwnerWidget->AsShared());
	}
}

void FSlotBase::AttachWidget(const TSharedRef<SWidget>& InWidget)
{
	DetachWidget();
	Widget = InWidget;
	if (OwnerWidget && Widget != SNullWidget::NullWidget)
	{
		Widget->AssignParentWidget(OwnerWidget->AsShared());
	}
}

TSharedRef<SWidget> FSlotBase::DetachWidget()
{
	TSharedRef<SWidget> Detached = Widget;
	if (Widget != SNullWidget::NullWidget)
	{
		Widget->ConditionallyDetatchParentWidget(OwnerWidget);
	}
	Widget = SNullWidget::NullWidget;
	return Detached;
}

const FSlotBase& FChildren::GetSlotAt(int32 ChildIndex) const
{
	checkf(false, TEXT("FChildren::GetSlotAt(%d): these children are not kept in panel slots"), ChildIndex);
	static FSlotBase NoSlot;
	return NoSlot;
}
