#include "Widgets/Layout/SGridPanel.h"
#include "Widgets/Layout/SUniformGridPanel.h"

// ---------------------------------------------------------------- SGridPanel

SGridPanel::FSlot::FSlot()
	: TBasicLayoutWidgetSlot<FSlot>(HAlign_Fill, VAlign_Fill)
	, ColumnParam(0)
	, ColumnSpanParam(1)
	, RowParam(0)
	, RowSpanParam(1)
	, LayerParam(0)
	, NudgeParam(FVector2D::ZeroVector)
{
}

void SGridPanel::FSlot::Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs)
{
	TBasicLayoutWidgetSlot<FSlot>::Construct(SlotOwner, InArgs);
	checkf(InArgs._Column >= 0 && InArgs._Row >= 0, TEXT("SGridPanel: a slot needs a column and row of 0 or more (got %d, %d)"), InArgs._Column, InArgs._Row);
	ColumnParam = InArgs._Column;
	RowParam = InArgs._Row;
	LayerParam = InArgs._Layer;
	if (InArgs._ColumnSpan.IsSet())
	{
		ColumnSpanParam = FMath::Max(1, InArgs._ColumnSpan.GetValue());
	}
	if (InArgs._RowSpan.IsSet())
	{
		RowSpanParam = FMath::Max(1, InArgs._RowSpan.GetValue());
	}
	if (InArgs._Nudge.IsSet())
	{
		NudgeParam = InArgs._Nudge.GetValue();
	}
}

SGridPanel::SGridPanel()
	: Slots(this)
{
}

SGridPanel::FSlot::FSlotArguments SGridPanel::Slot(int32 Column, int32 Row, Layer InLayer)
{
	FSlot::FSlotArguments Arguments;
	Arguments._Column = Column;
	Arguments._Row = Row;
	Arguments._Layer = InLayer.TheLayer;
	return Arguments;
}

void SGridPanel::Construct(const FArguments& InArgs)
{
	for (const TPair<int32, TAttribute<float>>& Fill : InArgs._ColumnFill)
	{
		ColFillCoefficients.Add(Fill.Key, Fill.Value);
	}
	for (const TPair<int32, TAttribute<float>>& Fill : InArgs._RowFill)
	{
		RowFillCoefficients.Add(Fill.Key, Fill.Value);
	}
	for (const FSlot::FSlotArguments& Declared : InArgs._Slots)
	{
		FSlot::FSlotArguments Arguments = Declared;
		Slots.AddSlot(MoveTemp(Arguments));
	}
}

SGridPanel::FScopedWidgetSlotArguments SGridPanel::AddSlot(int32 Column, int32 Row, Layer InLayer)
{
	return FScopedWidgetSlotArguments(Slot(Column, Row, InLayer), Slots, INDEX_NONE);
}

bool SGridPanel::RemoveSlot(const TSharedRef<SWidget>& SlotWidget)
{
	return Slots.Remove(SlotWidget) != INDEX_NONE;
}

void SGridPanel::ClearChildren()
{
	Slots.Empty();
}

FChildren* SGridPanel::GetChildren()
{
	return &Slots;
}

float SGridPanel::GetColumnFill(int32 ColumnId) const
{
	const TAttribute<float>* Fill = ColFillCoefficients.Find(ColumnId);
	return Fill ? Fill->Get() : 0.0f;
}

float SGridPanel::GetRowFill(int32 RowId) const
{
	const TAttribute<float>* Fill = RowFillCoefficients.Find(RowId);
	return Fill ? Fill->Get() : 0.0f;
}

// ---------------------------------------------------------------- SUniformGridPanel

SUniformGridPanel::FSlot::FSlot()
	: Column(0)
	, Row(0)
	, HAlignment(HAlign_Fill)
	, VAlignment(VAlign_Fill)
{
}

void SUniformGridPanel::FSlot::Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs)
{
	TSlotBase<FSlot>::Construct(SlotOwner, InArgs);
	checkf(InArgs._Column >= 0 && InArgs._Row >= 0, TEXT("SUniformGridPanel: a slot needs a column and row of 0 or more (got %d, %d)"), InArgs._Column, InArgs._Row);
	Column = InArgs._Column;
	Row = InArgs._Row;
	if (InArgs._HAlign.IsSet())
	{
		HAlignment = InArgs._HAlign.GetValue();
	}
	if (InArgs._VAlign.IsSet())
	{
		VAlignment = InArgs._VAlign.GetValue();
	}
}

SUniformGridPanel::SUniformGridPanel()
	: Children(this)
{
}

SUniformGridPanel::FSlot::FSlotArguments SUniformGridPanel::Slot(int32 Column, int32 Row)
{
	FSlot::FSlotArguments Arguments;
	Arguments._Column = Column;
	Arguments._Row = Row;
	return Arguments;
}

void SUniformGridPanel::Construct(const FArguments& InArgs)
{
	SlotPadding = InArgs._SlotPadding;
	MinDesiredSlotWidth = InArgs._MinDesiredSlotWidth;
	MinDesiredSlotHeight = InArgs._MinDesiredSlotHeight;
	for (const FSlot::FSlotArguments& Declared : InArgs._Slots)
	{
		FSlot::FSlotArguments Arguments = Declared;
		Children.AddSlot(MoveTemp(Arguments));
	}
}

SUniformGridPanel::FScopedWidgetSlotArguments SUniformGridPanel::AddSlot(int32 Column, int32 Row)
{
	return FScopedWidgetSlotArguments(Slot(Column, Row), Children, INDEX_NONE);
}

bool SUniformGridPanel::RemoveSlot(const TSharedRef<SWidget>& SlotWidget)
{
	return Children.Remove(SlotWidget) != INDEX_NONE;
}

void SUniformGridPanel::ClearChildren()
{
	Children.Empty();
}

FChildren* SUniformGridPanel::GetChildren()
{
	return &Children;
}

void SUniformGridPanel::SetSlotPadding(TAttribute<FMargin> InSlotPadding)
{
	SlotPadding = InSlotPadding;
}

void SUniformGridPanel::SetMinDesiredSlotWidth(TAttribute<float> InMinDesiredSlotWidth)
{
	MinDesiredSlotWidth = InMinDesiredSlotWidth;
}

void SUniformGridPanel::SetMinDesiredSlotHeight(TAttribute<float> InMinDesiredSlotHeight)
{
	MinDesiredSlotHeight = InMinDesiredSlotHeight;
}
