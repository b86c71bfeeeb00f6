#pragma once

#include "CoreMinimal.h"
#include "Engine/BlueprintGeneratedClass.h"

#include "WidgetBlueprintGeneratedClass.generated.h"

class UWidgetTree;

/** The class a widget Blueprint generates: carries the widget tree each instance copies. */
UCLASS(MinimalAPI)
class UWidgetBlueprintGeneratedClass : public UBlueprintGeneratedClass
{
	GENERATED_BODY()

public:
	/** The tree instances of this class start from; null when the Blueprint defines none. */
	UWidgetTree* GetWidgetTreeArchetype() const
	{
		return WidgetTree;
	}

	UMG_API void SetWidgetTreeArchetype(UWidgetTree* InWidgetTree);

	/** This class or the nearest widget Blueprint class above it that has a widget tree, else null. */
	UMG_API UWidgetBlueprintGeneratedClass* FindWidgetTreeOwningClass() const;

private:
	/** The widget tree archetype. */
	UPROPERTY()
	TObjectPtr<UWidgetTree> WidgetTree;
};
