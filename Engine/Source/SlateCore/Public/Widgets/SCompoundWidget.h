// A widget made of one child slot that its Construct fills.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

class SLATECORE_API SCompoundWidget : public SWidget
{
public:
	virtual FChildren* GetChildren() override;

	/** The content of the child slot (the null widget when empty). */
	TSharedRef<SWidget> GetContent() const
	{
		return ChildSlot.GetWidget();
	}

protected:
	SCompoundWidget();

	FSingleWidgetChildrenWithBasicLayoutSlot ChildSlot;
};
