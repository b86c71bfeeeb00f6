#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class UUserWidget;

/** The Slate widget of a user widget: holds the root widget's Slate widget as its content. */
class UMG_API SObjectWidget : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SObjectWidget)
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UUserWidget* InWidgetObject);

	/** The user widget this Slate widget stands for. */
	UUserWidget* GetWidgetObject() const
	{
		return WidgetObject;
	}

private:
	UUserWidget* WidgetObject = nullptr;
};
