// Panels that line their children up in a row (SHorizontalBox) or a column (SVerticalBox).

#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

/** How a box slot takes space along the box: as much as its content wants, or a share of what is left. */
enum class ESizeRule : uint8
{
	SizeRule_Auto,
	SizeRule_Stretch
};

class SLATECORE_API SBoxPanel : public SPanel
{
public:
	/** A child of a box: padding, alignment and sizing along the box. */
	class SLATECORE_API FSlot : public TBasicLayoutWidgetSlot<FSlot>
	{
	public:
		struct FSlotArguments : public TBasicLayoutWidgetSlot<FSlot>::FSlotArguments
		{
			FSlotArguments& AutoWidth()
			{
				_SizeRule = ESizeRule::SizeRule_Auto;
				return *this;
			}
			FSlotArguments& FillWidth(float InStretch)
			{
				_SizeRule = ESizeRule::SizeRule_Stretch;
				_SizeValue = InStretch;
				return *this;
			}
			FSlotArguments& AutoHeight()
			{
				return AutoWidth();
			}
			FSlotArguments& FillHeight(float InStretch)
			{
				return FillWidth(InStretch);
			}
			FSlotArguments& MaxWidth(float InMax)
			{
				_MaxSize = InMax;
				return *this;
			}
			FSlotArguments& MaxHeight(float InMax)
			{
				return MaxWidth(InMax);
			}

			TOptional<ESizeRule> _SizeRule;
			TOptional<float> _SizeValue;
			TOptional<float> _MaxSize;
		};

		FSlot();

		void Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs);

		ESizeRule GetSizeRule() const
		{
			return SizeRule;
		}
		float GetSizeValue() const
		{
			return SizeValue;
		}
		float GetMaxSize() const
		{
			return MaxSize;
		}

	private:
		ESizeRule SizeRule;
		float SizeValue;
		float MaxSize;
	};

	using FScopedWidgetSlotArguments = TPanelChildren<FSlot>::FScopedWidgetSlotArguments;

	/** Appends a slot: `Box->AddSlot().AutoWidth()[ Child ];`. */
	FScopedWidgetSlotArguments AddSlot();

	/** Puts a slot at Index (INDEX_NONE appends). */
	FScopedWidgetSlotArguments InsertSlot(int32 Index = INDEX_NONE);

	int32 NumSlots() const
	{
		return Children.Num();
	}

	/** Removes the slot holding SlotWidget; its index, or INDEX_NONE. */
	int32 RemoveSlot(const TSharedRef<SWidget>& SlotWidget);

	void ClearChildren();

	virtual FChildren* GetChildren() override;

	EOrientation GetOrientation() const
	{
		return Orientation;
	}

protected:
	SBoxPanel(EOrientation InOrientation);

	void ConstructSlots(TArray<FSlot::FSlotArguments> Slots);

	TPanelChildren<FSlot> Children;
	EOrientation Orientation;
};

class SLATECORE_API SHorizontalBox : public SBoxPanel
{
public:
	using FSlot = SBoxPanel::FSlot;

	SLATE_BEGIN_ARGS(SHorizontalBox)
	{
	}
	SLATE_SLOT_ARGUMENT(FSlot, Slots)
	SLATE_END_ARGS()

	SHorizontalBox();

	static FSlot::FSlotArguments Slot();

	void Construct(const FArguments& InArgs);
};

class SLATECORE_API SVerticalBox : public SBoxPanel
{
public:
	using FSlot = SBoxPanel::FSlot;

	SLATE_BEGIN_ARGS(SVerticalBox)
	{
	}
	SLATE_SLOT_ARGUMENT(FSlot, Slots)
	SLATE_END_ARGS()

	SVerticalBox();

	static FSlot::FSlotArguments Slot();

	void Construct(const FArguments& InArgs);
};
