#include "Slate/SObjectWidget.h"

void SObjectWidget::Construct(const FArguments& InArgs, UUserWidget* InWidgetObject)
{
	WidgetObject = InWidgetObject;
	ChildSlot[InArgs._Content.Widget];
}
