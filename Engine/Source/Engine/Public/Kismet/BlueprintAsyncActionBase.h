// Base of latent Blueprint nodes that run as objects.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "BlueprintAsyncActionBase.generated.h"

/** An asynchronous Blueprint action; something must keep it referenced while it runs. */
UCLASS(MinimalAPI)
class UBlueprintAsyncActionBase : public UObject
{
	GENERATED_BODY()

public:
	/** Called to trigger the action once the delegates have been bound. */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true"))
	ENGINE_API virtual void Activate();
};
