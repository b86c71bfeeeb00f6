// The base of widgets that arrange several children in slots (overlays, boxes, grids).

#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

class SLATECORE_API SPanel : public SWidget
{
public:
	/** Panels pass their visibility on to how their children are drawn; setting it is final here. */
	virtual void SetVisibility(TAttribute<EVisibility> InVisibility) override final;

protected:
	SPanel();
};
