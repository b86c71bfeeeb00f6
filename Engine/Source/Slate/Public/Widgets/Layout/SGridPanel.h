// A panel that puts each child in a cell (column, row), optionally spanning cells and drawn in layers.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Math/Vector2D.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

class SLATE_API SGridPanel : public SPanel
{
public:
	/** The drawing layer of a slot; higher layers are drawn over lower ones. */
	struct Layer
	{
		explicit Layer(int32 InLayer)
			: TheLayer(InLayer)
		{
		}

		int32 TheLayer;
	};

	/** A cell of the grid: column, row, spans, layer, padding, alignment and a nudge. */
	class SLATE_API FSlot : public TBasicLayoutWidgetSlot<FSlot>
	{
	public:
		struct FSlotArguments : public TBasicLayoutWidgetSlot<FSlot>::FSlotArguments
		{
			FSlotArguments& ColumnSpan(int32 InColumnSpan)
			{
				_ColumnSpan = InColumnSpan;
				return *this;
			}
			FSlotArguments& RowSpan(int32 InRowSpan)
			{
				_RowSpan = InRowSpan;
				return *this;
			}
			/** Moves the content by this offset after layout. */
			FSlotArguments& Nudge(const FVector2D& InNudge)
			{
				_Nudge = InNudge;
				return *this;
			}

			int32 _Column = 0;
			int32 _Row = 0;
			int32 _Layer = 0;
			TOptional<int32> _ColumnSpan;
			TOptional<int32> _RowSpan;
			TOptional<FVector2D> _Nudge;
		};

		FSlot();

		void Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs);

		int32 GetColumn() const
		{
			return ColumnParam;
		}
		int32 GetRow() const
		{
			return RowParam;
		}
		int32 GetColumnSpan() const
		{
			return ColumnSpanParam;
		}
		int32 GetRowSpan() const
		{
			return RowSpanParam;
		}
		int32 GetLayer() const
		{
			return LayerParam;
		}
		const FVector2D& GetNudge() const
		{
			return NudgeParam;
		}

	private:
		int32 ColumnParam;
		int32 ColumnSpanParam;
		int32 RowParam;
		int32 RowSpanParam;
		int32 LayerParam;
		FVector2D NudgeParam;
	};

	SLATE_BEGIN_ARGS(SGridPanel)
	{
	}
	SLATE_SLOT_ARGUMENT(FSlot, Slots)
	/** Stretch coefficients of columns and rows; columns and rows without one take their content's size. */
	WidgetArgsType& FillColumn(int32 ColumnId, const TAttribute<float>& Coefficient)
	{
		_ColumnFill.Add(TPair<int32, TAttribute<float>>(ColumnId, Coefficient));
		return *this;
	}
	WidgetArgsType& FillRow(int32 RowId, const TAttribute<float>& Coefficient)
	{
		_RowFill.Add(TPair<int32, TAttribute<float>>(RowId, Coefficient));
		return *this;
	}
	TArray<TPair<int32, TAttribute<float>>> _ColumnFill;
	TArray<TPair<int32, TAttribute<float>>> _RowFill;
	SLATE_END_ARGS()

	SGridPanel();

	void Construct(const FArguments& InArgs);

	/** A cell's slot arguments: `+ SGridPanel::Slot(1, 0)[ Content ]`. */
	static FSlot::FSlotArguments Slot(int32 Column, int32 Row, Layer InLayer = Layer(0));

	using FScopedWidgetSlotArguments = TPanelChildren<FSlot>::FScopedWidgetSlotArguments;

	/** Adds a cell after the construction. */
	FScopedWidgetSlotArguments AddSlot(int32 Column, int32 Row, Layer InLayer = Layer(0));

	/** Removes the cell holding SlotWidget; false when none does. */
	bool RemoveSlot(const TSharedRef<SWidget>& SlotWidget);

	void ClearChildren();

	virtual FChildren* GetChildren() override;

	/** The stretch coefficient of a column or row, 0 when it takes its content's size. */
	float GetColumnFill(int32 ColumnId) const;
	float GetRowFill(int32 RowId) const;

private:
	TPanelChildren<FSlot> Slots;
	TMap<int32, TAttribute<float>> ColFillCoefficients;
	TMap<int32, TAttribute<float>> RowFillCoefficients;
};
