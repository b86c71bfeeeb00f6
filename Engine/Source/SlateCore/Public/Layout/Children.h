// The children of a widget, as a widget exposes them to layout and to walkers.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Layout/SlotBase.h"
#include "Templates/UniquePtr.h"
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

	/** The slot holding a child, for panels whose children live in slots; other children fail a check. */
	virtual const FSlotBase& GetSlotAt(int32 ChildIndex) const;

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

/** The slots of a panel, in order; each slot owns its child. */
template<typename SlotType>
class TPanelChildren : public FChildren
{
public:
	TPanelChildren(SWidget* InOwner)
		: FChildren(InOwner)
	{
	}

	virtual int32 Num() const override
	{
		return Slots.Num();
	}

	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override
	{
		checkf(Slots.IsValidIndex(Index), TEXT("TPanelChildren::GetChildAt(%d) out of range"), Index);
		return Slots[Index]->GetWidget();
	}

	virtual const FSlotBase& GetSlotAt(int32 ChildIndex) const override
	{
		checkf(Slots.IsValidIndex(ChildIndex), TEXT("TPanelChildren::GetSlotAt(%d) out of range"), ChildIndex);
		return *Slots[ChildIndex];
	}

	SlotType& operator[](int32 Index)
	{
		return *Slots[Index];
	}
	const SlotType& operator[](int32 Index) const
	{
		return *Slots[Index];
	}

	/** Makes a slot from its arguments and appends it; returns its index. */
	int32 AddSlot(typename SlotType::FSlotArguments&& SlotArguments)
	{
		return InsertSlot(MoveTemp(SlotArguments), Slots.Num());
	}

	/** Makes a slot from its arguments and puts it at Index; returns the index. */
	int32 InsertSlot(typename SlotType::FSlotArguments&& SlotArguments, int32 Index)
	{
		TUniquePtr<SlotType> NewSlot = MakeUnique<SlotType>();
		NewSlot->SetOwner(Owner);
		NewSlot->Construct(*this, MoveTemp(SlotArguments));
		Slots.Insert(MoveTemp(NewSlot), Index);
		return Index;
	}

	/** Removes the slot holding SlotWidget; its index, or INDEX_NONE when no slot holds it. */
	int32 Remove(const TSharedRef<SWidget>& SlotWidget)
	{
		for (int32 Index = 0; Index < Slots.Num(); ++Index)
		{
			if (Slots[Index]->GetWidget() == SlotWidget)
			{
				RemoveAt(Index);
				return Index;
			}
		}
		return INDEX_NONE;
	}

	void RemoveAt(int32 Index)
	{
		checkf(Slots.IsValidIndex(Index), TEXT("TPanelChildren::RemoveAt(%d) out of range"), Index);
		Slots[Index]->DetachWidget();
		Slots.RemoveAt(Index);
	}

	void Empty()
	{
		for (TUniquePtr<SlotType>& Slot : Slots)
		{
			Slot->DetachWidget();
		}
		Slots.Empty();
	}

	/** Slot arguments that add their slot to the panel when they go out of scope: `Panel->AddSlot()[ Child ];`. */
	struct FScopedWidgetSlotArguments : public SlotType::FSlotArguments
	{
		FScopedWidgetSlotArguments(typename SlotType::FSlotArguments&& InArguments, TPanelChildren<SlotType>& InChildren, int32 InIndex)
			: SlotType::FSlotArguments(MoveTemp(InArguments))
			, Children(InChildren)
			, Index(InIndex)
		{
		}

		FScopedWidgetSlotArguments(const FScopedWidgetSlotArguments&) = delete;
		FScopedWidgetSlotArguments& operator=(const FScopedWidgetSlotArguments&) = delete;

		virtual ~FScopedWidgetSlotArguments() override
		{
			Children.InsertSlot(MoveTemp(static_cast<typename SlotType::FSlotArguments&>(*this)), Index == INDEX_NONE ? Children.Num() : Index);
		}

	private:
		TPanelChildren<SlotType>& Children;
		int32 Index;
	};

private:
	TArray<TUniquePtr<SlotType>> Slots;
};
