// The widget a viewport renders into. The stand-in renders nothing; the widget marks where it would.

#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SLATE_API SViewport : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SViewport)
		: _Content()
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_END_ARGS()

	SViewport();

	void Construct(const FArguments& InArgs);
};
