// The part of a Blueprint that survives into cooked games: its generated class.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "BlueprintCore.generated.h"

/** Base of Blueprint assets: holds the class the Blueprint compiles to. */
UCLASS(MinimalAPI)
class UBlueprintCore : public UObject
{
	GENERATED_BODY()

public:
	/** Pointer to the 'most recent' fully generated class */
	UPROPERTY(nonTransactional)
	TSubclassOf<UObject> GeneratedClass;
};
