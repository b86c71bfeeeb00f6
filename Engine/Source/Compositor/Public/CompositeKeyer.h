// The composite keyer: an asset that holds a keying set-up for the compositor.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "CompositeKeyer.generated.h"

/** A keyer asset; the stand-in keeps none of its keying settings, only its identity as an asset. */
UCLASS(BlueprintType)
class COMPOSITOR_API UCompositeKeyer : public UObject
{
	GENERATED_BODY()
};
