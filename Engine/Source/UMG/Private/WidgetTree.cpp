#include "Blueprint/WidgetTree.h"

#include "Blueprint/UserWidget.h"
#include "UMGPrivate.h"
#include "UObject/UObjectHash.h"

UWidget* UWidgetTree::FindWidget(const FName& Name) const
{
	TArray<UWidget*> Widgets;
	GetAllWidgets(Widgets);
	for (UWidget* Widget : Widgets)
	{
		if (Widget->GetFName() == Name)
		{
			return Widget;
		}
	}
	return nullptr;
}

void UWidgetTree::GetAllWidgets(TArray<UWidget*>& Widgets) const
{
	// The tree owns its widgets, so they are exactly its widget subobjects.
	TArray<UObject*> Inner;
	GetObjectsWithOuter(this, Inner, false);
	for (UObject* Object : Inner)
	{
		if (UWidget* Widget = Cast<UWidget>(Object))
		{
			Widgets.Add(Widget);
		}
	}
}

UWidget* UWidgetTree::ConstructWidgetOfClass(UClass* WidgetClass, FName WidgetName)
{
	if (WidgetClass == nullptr || !WidgetClass->IsChildOf(UWidget::StaticClass()) || WidgetClass->HasAnyClassFlags(CLASS_Abstract))
	{
		UE_LOG(LogUMG, Error, TEXT("Cannot construct a widget of class %s in %s"), WidgetClass ? *WidgetClass->GetName() : TEXT("None"), *GetPathName());
		return nullptr;
	}
	if (WidgetClass->IsChildOf(UUserWidget::StaticClass()))
	{
		return UUserWidget::CreateWidgetInstance(*this, WidgetClass, WidgetName);
	}
	return NewObject<UWidget>(this, WidgetClass, WidgetName, RF_Transactional);
}
