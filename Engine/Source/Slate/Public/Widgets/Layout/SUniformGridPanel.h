// A grid whose cells all share one size: the largest child's, or the minimum desired slot size.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

class SLATE_API SUniformGridPanel : public SPanel
{
public:
	/** A cell: column, row and alignment inside the cell. */
	class SLATE_API FSlot : public TSlotBase<FSlot>
	{
	public:
		struct FSlotArguments : public TSlotBase<FSlot>::FSlotArguments
		{
			FSlotArguments& HAlign(EHorizontalAlignment InHAlignment)
			{
				_HAlign = InHAlignment;
				return *this;
			}
			FSlotArguments& VAlign(EVerticalAlignment InVAlignment)
			{
				_VAlign = InVAlignment;
				return *this;
			}

			int32 _Column = 0;
			int32 _Row = 0;
			TOptional<EHorizontalAlignment> _HAlign;
			TOptional<EVerticalAlignment> _VAlign;
		};

		FSlot();

		void Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs);

		int32 GetColumn() const
		{
			return Column;
		}
		int32 GetRow() const
		{
			return Row;
		}
		EHorizontalAlignment GetHorizontalAlignment() const
		{
			return HAlignment;
		}
		EVerticalAlignment GetVerticalAlignment() const
		{
			return VAlignment;
		}

	private:
		int32 Column;
		int32 Row;
		EHorizontalAlignment HAlignment;
		EVerticalAlignment VAlignment;
	};

	SLATE_BEGIN_ARGS(SUniformGridPanel)
		: _SlotPadding(FMargin(0.0f))
		, _MinDesiredSlotWidth(0.0f)
		, _MinDesiredSlotHeight(0.0f)
	{
	}
	SLATE_SLOT_ARGUMENT(FSlot, Slots)
	SLATE_ATTRIBUTE(FMargin, SlotPadding)
	SLATE_ATTRIBUTE(float, MinDesiredSlotWidth)
	SLATE_ATTRIBUTE(float, MinDesiredSlotHeight)
	SLATE_END_ARGS()

	SUniformGridPanel();

	void Construct(const FArguments& InArgs);

	static FSlot::FSlotArguments Slot(int32 Column, int32 Row);

	using FScopedWidgetSlotArguments = TPanelChildren<FSlot>::FScopedWidgetSlotArguments;

	FScopedWidgetSlotArguments AddSlot(int32 Column, int32 Row);

	bool RemoveSlot(const TSharedRef<SWidget>& SlotWidget);

	void ClearChildren();

	virtual FChildren* GetChildren() override;

	void SetSlotPadding(TAttribute<FMargin> InSlotPadding);
	void SetMinDesiredSlotWidth(TAttribute<float> InMinDesiredSlotWidth);
	void SetMinDesiredSlotHeight(TAttribute<float> InMinDesiredSlotHeight);

	FMargin GetSlotPadding() const
	{
		return SlotPadding.Get();
	}
	float GetMinDesiredSlotWidth() const
	{
		return MinDesiredSlotWidth.Get();
	}
	float GetMinDesiredSlotHeight() const
	{
		return MinDesiredSlotHeight.Get();
	}

private:
	TPanelChildren<FSlot> Children;
	TAttribute<FMargin> SlotPadding;
	TAttribute<float> MinDesiredSlotWidth;
	TAttribute<float> MinDesiredSlotHeight;
};
