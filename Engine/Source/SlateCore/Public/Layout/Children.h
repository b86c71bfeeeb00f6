// The children of a widget, as a widget exposes them to layout and to walkers.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"

class SWidget;

class SLATECORE_API FChildren
{
public:
	FChildren(SWidget* InOwner)
		: Owner(InOwner)
	{
	}
	virtual ~FChildren()
	{
	}

	virtual int32 Num() const = 0;
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) = 0;

	SWidget& GetOwner() const
	{
		return *Owner;
	}

protected:
	SWidget* Owner;
};

/** For widgets that never have children. */
class SLATECORE_API FNoChildren : public FChildren
{
public:
	FNoChildren(SWidget* InOwner = nullptr)
		: FChildren(InOwner)
	{
	}

	virtual int32 Num() const override
	{
		return 0;
	}
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override;
};

/** One child with padding and alignment: the content slot of compound widgets and borders. */
class SLATECORE_API FSingleWidgetChildrenWithBasicLayoutSlot : public FChildren
{
public:
	FSingleWidgetChildrenWithBasicLayoutSlot(SWidget* InOwner);

	virtual int32 Num() const override;
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override;

	/** Sets the content; the null widget clears it. */
	FSingleWidgetChildrenWithBasicLayoutSlot& operator[](const TSharedRef<SWidget>& InChildWidget);
	void AttachWidget(const TSharedRef<SWidget>& InChildWidget);
	void DetachWidget();
	const TSharedRef<SWidget>& GetWidget() const;

	FSingleWidgetChildrenWithBasicLayoutSlot& Padding(const FMargin& InPadding);
	FSingleWidgetChildrenWithBasicLayoutSlot& HAlign(EHorizontalAlignment InHAlignment);
	FSingleWidgetChildrenWithBasicLayoutSlot& VAlign(EVerticalAlignment InVAlignment);

	const FMargin& GetPadding() const
	{
		return SlotPadding;
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
	TSharedRef<SWidget> Widget;
	FMargin SlotPadding;
	EHorizontalAlignment HAlignment;
	EVerticalAlignment VAlignment;
};
