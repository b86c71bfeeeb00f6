// The slots of panel widgets: each holds one child widget plus the layout values its panel reads
// (padding, alignment and whatever the panel adds). Slots are declared with FSlotArguments, as in
// `SNew(SOverlay) + SOverlay::Slot().HAlign(HAlign_Center)[ Content ]`.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "Widgets/SNullWidget.h"

class FChildren;
class SWidget;

/** One child of a panel. */
class SLATECORE_API FSlotBase
{
public:
	FSlotBase();
	virtual ~FSlotBase();

	FSlotBase(const FSlotBase&) = delete;
	FSlotBase& operator=(const FSlotBase&) = delete;

	/** The child; the null widget when the slot is empty. */
	const TSharedRef<SWidget>& GetWidget() const
	{
		return Widget;
	}

	/** The widget whose children this slot belongs to, once added to a panel. */
	SWidget* GetOwnerWidget() const
	{
		return OwnerWidget;
	}

	/** Puts InWidget in the slot, detaching the previous child from the owner. */
	void AttachWidget(const TSharedRef<SWidget>& InWidget);

	/** Takes the child out, leaving the null widget. */
	TSharedRef<SWidget> DetachWidget();

	/** Called by the panel's children container when the slot joins it. */
	void SetOwner(SWidget* InOwnerWidget);

private:
	TSharedRef<SWidget> Widget;
	SWidget* OwnerWidget;
};

/** Arguments every slot takes: its content. */
template<typename SlotType>
class TSlotBase : public FSlotBase
{
public:
	struct FSlotArguments
	{
		FSlotArguments() = default;
		virtual ~FSlotArguments() = default;

		FSlotArguments(const FSlotArguments&) = default;
		FSlotArguments& operator=(const FSlotArguments&) = default;

		typename SlotType::FSlotArguments& operator[](const TSharedRef<SWidget>& InChildWidget)
		{
			ChildWidget = InChildWidget;
			return Me();
		}

		typename SlotType::FSlotArguments& Me()
		{
			return static_cast<typename SlotType::FSlotArguments&>(*this);
		}

		TSharedPtr<SWidget> GetAttachedWidget() const
		{
			return ChildWidget;
		}

	private:
		TSharedPtr<SWidget> ChildWidget;
	};

	/** Applies what every slot argument carries; panels' slot types call it from their Construct. */
	void Construct(const FChildren& SlotOwner, const FSlotArguments& InArgs)
	{
		if (const TSharedPtr<SWidget> Child = InArgs.GetAttachedWidget())
		{
			AttachWidget(Child.ToSharedRef());
		}
	}
};

/** A slot with padding and horizontal and vertical alignment (the overlay's, the grid panels'). */
template<typename SlotType>
class TBasicLayoutWidgetSlot : public TSlotBase<SlotType>
{
public:
	struct FSlotArguments : public TSlotBase<SlotType>::FSlotArguments
	{
		typename SlotType::FSlotArguments& HAlign(EHorizontalAlignment InHAlignment)
		{
			_HAlign = InHAlignment;
			return this->Me();
		}
		typename SlotType::FSlotArguments& VAlign(EVerticalAlignment InVAlignment)
		{
			_VAlign = InVAlignment;
			return this->Me();
		}
		typename SlotType::FSlotArguments& Padding(const FMargin& InPadding)
		{
			_Padding = InPadding;
			return this->Me();
		}
		typename SlotType::FSlotArguments& Padding(float Uniform)
		{
			return Padding(FMargin(Uniform));
		}
		typename SlotType::FSlotArguments& Padding(float Horizontal, float Vertical)
		{
			return Padding(FMargin(Horizontal, Vertical));
		}
		typename SlotType::FSlotArguments& Padding(float Left, float Top, float Right, float Bottom)
		{
			return Padding(FMargin(Left, Top, Right, Bottom));
		}

		TOptional<EHorizontalAlignment> _HAlign;
		TOptional<EVerticalAlignment> _VAlign;
		TOptional<FMargin> _Padding;
	};

	TBasicLayoutWidgetSlot(EHorizontalAlignment InHAlign = HAlign_Fill, EVerticalAlignment InVAlign = VAlign_Fill)
		: HAlignment(InHAlign)
		, VAlignment(InVAlign)
	{
	}

	void Construct(const FChildren& SlotOwner, const FSlotArguments& InArgs)
	{
		TSlotBase<SlotType>::Construct(SlotOwner, InArgs);
		if (InArgs._HAlign.IsSet())
		{
			HAlignment = InArgs._HAlign.GetValue();
		}
		if (InArgs._VAlign.IsSet())
		{
			VAlignment = InArgs._VAlign.GetValue();
		}
		if (InArgs._Padding.IsSet())
		{
			SlotPadding = InArgs._Padding.GetValue();
		}
	}

	void SetHorizontalAlignment(EHorizontalAlignment InHAlignment)
	{
		HAlignment = InHAlignment;
	}
	void SetVerticalAlignment(EVerticalAlignment InVAlignment)
	{
		VAlignment = InVAlignment;
	}
	void SetPadding(const FMargin& InPadding)
	{
		SlotPadding = InPadding;
	}

	EHorizontalAlignment GetHorizontalAlignment() const
	{
		return HAlignment;
	}
	EVerticalAlignment GetVerticalAlignment() const
	{
		return VAlignment;
	}
	const FMargin& GetPadding() const
	{
		return SlotPadding;
	}

private:
	EHorizontalAlignment HAlignment;
	EVerticalAlignment VAlignment;
	FMargin SlotPadding;
};
