// A widget without children (text, images, the null widget).

#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

class SLATECORE_API SLeafWidget : public SWidget
{
public:
	virtual FChildren* GetChildren() override;

protected:
	SLeafWidget();

private:
	FNoChildren NoChildrenInstance;
};
