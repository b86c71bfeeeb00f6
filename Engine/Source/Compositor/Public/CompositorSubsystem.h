// The compositor's per-world subsystem.

#pragma once

#include "CoreMinimal.h"
#include "Subsystems/WorldSubsystem.h"
#include "CompositorSubsystem.generated.h"

/** The compositor of one world; created with the world, as every world subsystem is. */
UCLASS(BlueprintType)
class COMPOSITOR_API UCompositorSubsystem : public UWorldSubsystem
{
	GENERATED_BODY()
};
