#include "Blueprint/WidgetBlueprintGeneratedClass.h"

#include "Blueprint/WidgetTree.h"
#include "Templates/Casts.h"

void UWidgetBlueprintGeneratedClass::SetWidgetTreeArchetype(UWidgetTree* InWidgetTree)
{
	WidgetTree = InWidgetTree;
}

UWidgetBlueprintGeneratedClass* UWidgetBlueprintGeneratedClass::FindWidgetTreeOwningClass() const
{
	// A Blueprint that subclasses another widget Blueprint without a tree of its own shows its parent's.
	for (UClass* Class = const_cast<UWidgetBlueprintGeneratedClass*>(this); Class != nullptr; Class = Class->GetSuperClass())
	{
		UWidgetBlueprintGeneratedClass* WidgetClass = Cast<UWidgetBlueprintGeneratedClass>(Class);
		if (WidgetClass != nullptr && WidgetClass->WidgetTree != nullptr)
		{
			return WidgetClass;
		}
	}
	return nullptr;
}
