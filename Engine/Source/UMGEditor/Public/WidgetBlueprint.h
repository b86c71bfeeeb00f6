#pragma once

#include "CoreMinimal.h"
#include "Engine/Blueprint.h"

#include "WidgetBlueprint.generated.h"

class UWidgetTree;

/** A Blueprint whose generated class is a user widget built from a widget tree. */
UCLASS(BlueprintType, MinimalAPI)
class UWidgetBlueprint : public UBlueprint
{
	GENERATED_BODY()

public:
	/** A tree of the widget templates to be created. */
	UPROPERTY()
	TObjectPtr<UWidgetTree> WidgetTree;

	UMGEDITOR_API virtual UClass* GetBlueprintClass() const override;
	UMGEDITOR_API virtual void PostLoad() override;
};
