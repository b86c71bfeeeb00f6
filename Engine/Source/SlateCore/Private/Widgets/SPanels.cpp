#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/SPanel.h"

SPanel::SPanel()
{
}

void SPanel::SetVisibility(TAttribute<EVisibility> InVisibility)
{
	SWidget::SetVisibility(InVisibility);
}

// ---------------------------------------------------------------- SOverlay

SOverlay::FOverlaySlot::FOverlaySlot()
	: TBasicLayoutWidgetSlot<FOverlaySlot>(HAlign_Fill, VAlign_Fill)
	, ZOrder(0)
{
}

void SOverlay::FOverlaySlot::Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs)
{
	TBasicLayoutWidgetSlot<FOverlaySlot>::Construct(SlotOwner, InArgs);
	if (InArgs._ZOrder.IsSet())
	{
		ZOrder = InArgs._ZOrder.GetValue();
	}
}

SOverlay::SOverlay()
	: Children(this)
{
}

SOverlay::FOverlaySlot::FSlotArguments SOverlay::Slot()
{
	return FOverlaySlot::FSlotArguments();
}

void SOverlay::Construct(const FArguments& InArgs)
{
	// Declared slots without a z-order stack in declaration order.
	for (const FOverlaySlot::FSlotArguments& Declared : InArgs._Slots)
	{
		FOverlaySlot::FSlotArguments Arguments = Declared;
		if (!Arguments._ZOrder.IsSet())
		{
			Arguments._ZOrder = Children.Num() == 0 ? 0 : Children[Children.Num() - 1].GetZOrder() + 1;
		}
		Children.AddSlot(MoveTemp(Arguments));
	}
}

SOverlay::FScopedWidgetSlotArguments SOverlay::AddSlot(int32 ZOrder)
{
	FOverlaySlot::FSlotArguments Arguments;
	int32 Index = INDEX_NONE;
	if (ZOrder == INDEX_NONE)
	{
		Arguments._ZOrder = Children.Num() == 0 ? 0 : Children[Children.Num() - 1].GetZOrder() + 1;
	}
	else
	{
		Arguments._ZOrder = ZOrder;
		Index = 0;
		while (Index < Children.Num() && Children[Index].GetZOrder() <= ZOrder)
		{
			++Index;
		}
	}
	return FScopedWidgetSlotArguments(MoveTemp(Arguments), Children, Index);
}

int32 SOverlay::RemoveSlot(int32 ZOrder)
{
	if (Children.Num() == 0)
	{
		return INDEX_NONE;
	}
	if (ZOrder == INDEX_NONE)
	{
		const int32 Last = Children.Num() - 1;
		Children.RemoveAt(Last);
		return Last;
	}
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		if (Children[Index].GetZOrder() == ZOrder)
		{
			Children.RemoveAt(Index);
			return Index;
		}
	}
	return INDEX_NONE;
}

bool SOverlay::RemoveSlot(TSharedRef<SWidget> Widget)
{
	return Children.Remove(Widget) != INDEX_NONE;
}

void SOverlay::ClearChildren()
{
	Children.Empty();
}

FChildren* SOverlay::GetChildren()
{
	return &Children;
}

// ---------------------------------------------------------------- Boxes

SBoxPanel::FSlot::FSlot()
	: TBasicLayoutWidgetSlot<FSlot>(HAlign_Fill, VAlign_Fill)
	, SizeRule(ESizeRule::SizeRule_Stretch)
	, SizeValue(1.0f)
	, MaxSize(0.0f)
{
}

void SBoxPanel::FSlot::Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs)
{
	TBasicLayoutWidgetSlot<FSlot>::Construct(SlotOwner, InArgs);
	if (InArgs._SizeRule.IsSet())
	{
		SizeRule = InArgs._SizeRule.GetValue();
	}
	if (InArgs._SizeValue.IsSet())
	{
		SizeValue = InArgs._SizeValue.GetValue();
	}
	if (InArgs._MaxSize.IsSet())
	{
		MaxSize = InArgs._MaxSize.GetValue();
	}
}

SBoxPanel::SBoxPanel(EOrientation InOrientation)
	: Children(this)
	, Orientation(InOrientation)
{
}

void SBoxPanel::ConstructSlots(TArray<FSlot::FSlotArguments> Slots)
{
	for (FSlot::FSlotArguments& Arguments : Slots)
	{
		Children.AddSlot(MoveTemp(Arguments));
	}
}

SBoxPanel::FScopedWidgetSlotArguments SBoxPanel::AddSlot()
{
	return InsertSlot(INDEX_NONE);
}

SBoxPanel::FScopedWidgetSlotArguments SBoxPanel::InsertSlot(int32 Index)
{
	return FScopedWidgetSlotArguments(FSlot::FSlotArguments(), Children, Index);
}

int32 SBoxPanel::RemoveSlot(const TSharedRef<SWidget>& SlotWidget)
{
	return Children.Remove(SlotWidget);
}

void SBoxPanel::ClearChildren()
{
	Children.Empty();
}

FChildren* SBoxPanel::GetChildren()
{
	return &Children;
}

SHorizontalBox::SHorizontalBox()
	: SBoxPanel(Orient_Horizontal)
{
}

SBoxPanel::FSlot::FSlotArguments SHorizontalBox::Slot()
{
	return FSlot::FSlotArguments();
}

void SHorizontalBox::Construct(const FArguments& InArgs)
{
	ConstructSlots(InArgs._Slots);
}

SVerticalBox::SVerticalBox()
	: SBoxPanel(Orient_Vertical)
{
}

SBoxPanel::FSlot::FSlotArguments SVerticalBox::Slot()
{
	return FSlot::FSlotArguments();
}

void SVerticalBox::Construct(const FArguments& InArgs)
{
	ConstructSlots(InArgs._Slots);
}
