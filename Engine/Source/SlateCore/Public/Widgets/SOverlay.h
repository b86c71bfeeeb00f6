// A panel that stacks its children on top of each other, ordered by each slot's z-order.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

class SLATECORE_API SOverlay : public SPanel
{
public:
	/** A layer of the overlay: padding, alignment and z-order. */
	class SLATECORE_API FOverlaySlot : public TBasicLayoutWidgetSlot<FOverlaySlot>
	{
	public:
		struct FSlotArguments : public TBasicLayoutWidgetSlot<FOverlaySlot>::FSlotArguments
		{
			FSlotArguments& ZOrder(int32 InZOrder)
			{
				_ZOrder = InZOrder;
				return *this;
			}

			TOptional<int32> _ZOrder;
		};

		FOverlaySlot();

		void Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs);

		int32 GetZOrder() const
		{
			return ZOrder;
		}

	private:
		friend class SOverlay;
		int32 ZOrder;
	};

	SLATE_BEGIN_ARGS(SOverlay)
	{
	}
	SLATE_SLOT_ARGUMENT(FOverlaySlot, Slots)
	SLATE_END_ARGS()

	SOverlay();

	void Construct(const FArguments& InArgs);

	static FOverlaySlot::FSlotArguments Slot();

	using FScopedWidgetSlotArguments = TPanelChildren<FOverlaySlot>::FScopedWidgetSlotArguments;

	/** Adds a layer; INDEX_NONE puts it above every other layer, else it goes after the layers of lower or equal z-order. */
	FScopedWidgetSlotArguments AddSlot(int32 ZOrder = INDEX_NONE);

	/** Removes the layer of that z-order (INDEX_NONE: the top one); returns its index, or INDEX_NONE. */
	int32 RemoveSlot(int32 ZOrder = INDEX_NONE);

	/** Removes the layer holding Widget; false when none does. */
	bool RemoveSlot(TSharedRef<SWidget> Widget);

	int32 GetNumWidgets() const
	{
		return Children.Num();
	}

	void ClearChildren();

	virtual FChildren* GetChildren() override;

protected:
	TPanelChildren<FOverlaySlot> Children;
};
