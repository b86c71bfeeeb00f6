// Subsystems: objects whose lifetime follows an owner (engine, editor, world) and that the owner creates itself.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "Subsystem.generated.h"

class FSubsystemCollectionBase;

/**
 * Base of every subsystem. A subsystem collection creates one instance of each non-abstract subclass
 * of its base type, calls Initialize on it, and Deinitialize when the owner goes away.
 */
UCLASS(Abstract)
class ENGINE_API USubsystem : public UObject
{
	GENERATED_BODY()

public:
	USubsystem(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Called on the class default object: return false to have no instance created for this outer. */
	virtual bool ShouldCreateSubsystem(UObject* Outer) const
	{
		return true;
	}

	/** Called once, after the subsystem is created by its collection. */
	virtual void Initialize(FSubsystemCollectionBase& Collection);

	/** Called once, when the collection's owner shuts down. */
	virtual void Deinitialize();

private:
	friend class FSubsystemCollectionBase;

	/** The collection that created this subsystem; null once it deinitialised. */
	FSubsystemCollectionBase* InternalOwningSubsystem;
};

/** A subsystem whose classes may come from modules loaded after its collection initialised. */
UCLASS(Abstract)
class ENGINE_API UDynamicSubsystem : public USubsystem
{
	GENERATED_BODY()

public:
	UDynamicSubsystem(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());
};
