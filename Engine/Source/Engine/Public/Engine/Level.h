// A level: the list of actors of a world.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Level.generated.h"

class AActor;
class UWorld;

/** Holds a world's actors in the order they were added. */
UCLASS(MinimalAPI)
class ULevel : public UObject
{
	GENERATED_BODY()

public:
	ENGINE_API ULevel(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The level's actors, in the order they were added or loaded. */
	UPROPERTY()
	TArray<TObjectPtr<AActor>> Actors;

	/** The world this level belongs to. */
	UPROPERTY(Transient)
	TObjectPtr<UWorld> OwningWorld;

	/** A loaded level collects the actors created inside it that its Actors list does not name yet. */
	ENGINE_API virtual void PostLoad() override;

	virtual UWorld* GetWorld() const override;
};
