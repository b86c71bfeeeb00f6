#include "WidgetBlueprint.h"

#include "Blueprint/WidgetBlueprintGeneratedClass.h"
#include "Blueprint/WidgetTree.h"
#include "Templates/Casts.h"

UClass* UWidgetBlueprint::GetBlueprintClass() const
{
	return UWidgetBlueprintGeneratedClass::StaticClass();
}

void UWidgetBlueprint::PostLoad()
{
	Super::PostLoad();

	// The class is built from the Blueprint at load; its instances copy this tree.
	if (UWidgetBlueprintGeneratedClass* WidgetClass = Cast<UWidgetBlueprintGeneratedClass>(GeneratedClass.Get()))
	{
		WidgetClass->SetWidgetTreeArchetype(WidgetTree);
	}
}
