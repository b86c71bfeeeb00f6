// Subsystems that live as long as a world.

#pragma once

#include "CoreMinimal.h"
#include "Engine/EngineTypes.h"
#include "Subsystems/Subsystem.h"
#include "WorldSubsystem.generated.h"

class UWorld;

/**
 * Base of subsystems that share the lifetime of a world: the world creates one of each subclass when
 * it is initialised (UWorld::InitWorld) and deinitialises them when it is cleaned up.
 */
UCLASS(Abstract)
class ENGINE_API UWorldSubsystem : public USubsystem
{
	GENERATED_BODY()

public:
	UWorldSubsystem(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The world this subsystem belongs to. */
	virtual UWorld* GetWorld() const override final;

	/** The world this subsystem belongs to; it always has one. */
	UWorld& GetWorldRef() const;

	/** Creates the subsystem only for worlds of a supported type. */
	virtual bool ShouldCreateSubsystem(UObject* Outer) const override;

protected:
	/** Game, editor and play-in-editor worlds by default. */
	virtual bool DoesSupportWorldType(const EWorldType::Type WorldType) const;
};
