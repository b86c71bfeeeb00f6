// Subsystems that live as long as the engine object.

#pragma once

#include "CoreMinimal.h"
#include "Subsystems/Subsystem.h"
#include "EngineSubsystem.generated.h"

/** Base of subsystems created by the engine at its Init and deinitialised at its PreExit. */
UCLASS(Abstract)
class ENGINE_API UEngineSubsystem : public UDynamicSubsystem
{
	GENERATED_BODY()

public:
	UEngineSubsystem(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());
};
