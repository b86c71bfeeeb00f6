// Actors: objects placed in a level, with tags, an editor label, components and a transform.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "Engine/EngineTypes.h"
#include "Actor.generated.h"

class UActorComponent;
class USceneComponent;
class ULevel;
class UWorld;

/** Base class of everything that can be placed in or spawned into a level. */
UCLASS(BlueprintType, Blueprintable, config = Engine)
class ENGINE_API AActor : public UObject
{
	GENERATED_BODY()

public:
	AActor(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Array of tags that can be used for grouping and categorizing. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, AdvancedDisplay, Category = Actor)
	TArray<FName> Tags;

	/** Whether the actor carries Tag. */
	UFUNCTION(BlueprintCallable, Category = "Actor")
	bool ActorHasTag(FName Tag) const;

	/** The world of the level the actor is in; null for class defaults and templates. */
	virtual UWorld* GetWorld() const override;

	/** The level the actor is in. */
	ULevel* GetLevel() const;

	/** The actor that owns this one (set by SpawnActor's Owner). */
	AActor* GetOwner() const
	{
		return Owner;
	}

	/** Sets the actor that owns this one. */
	void SetOwner(AActor* NewOwner)
	{
		Owner = NewOwner;
	}

	/** Destroys the actor through its world; false when it could not be destroyed. */
	bool Destroy(bool bNetForce = false, bool bShouldModifyLevel = true);

	/** Destroy the actor. */
	UFUNCTION(BlueprintCallable, Category = "Actor", meta = (DisplayName = "DestroyActor"))
	virtual void K2_DestroyActor();

	/** Called by the world right before the actor is removed from its level. */
	virtual void Destroyed();

	/** True once destruction began or the actor is garbage. */
	bool IsPendingKillPending() const;

	/** True while the world destroys the actor. */
	bool IsActorBeingDestroyed() const
	{
		return bActorIsBeingDestroyed;
	}

	/** The world calls this when play starts, or on spawn in a world already playing. */
	void DispatchBeginPlay();

	/** Whether BeginPlay has run. */
	bool HasActorBegunPlay() const
	{
		return bActorHasBegunPlay;
	}

	/** Ends play for the actor and its components. */
	virtual void EndPlay(const EEndPlayReason::Type EndPlayReason);

	/** The component that defines the actor's transform. */
	USceneComponent* GetRootComponent() const
	{
		return RootComponent;
	}

	/** Makes NewRootComponent the root; false when it belongs to another actor. */
	bool SetRootComponent(USceneComponent* NewRootComponent);

	/** Returns the location of the RootComponent of this Actor. */
	UFUNCTION(BlueprintCallable, Category = "Transformation", meta = (DisplayName = "GetActorLocation"))
	FVector K2_GetActorLocation() const;

	/** Returns rotation of the RootComponent of this Actor. */
	UFUNCTION(BlueprintCallable, Category = "Transformation", meta = (DisplayName = "GetActorRotation"))
	FRotator K2_GetActorRotation() const;

	/** The root component's world location; zero without a root component. */
	FVector GetActorLocation() const;

	/** The root component's world rotation; zero without a root component. */
	FRotator GetActorRotation() const;

	/** Moves the root component; false without one. */
	bool SetActorLocation(const FVector& NewLocation);

	/** Rotates the root component; false without one. */
	bool SetActorRotation(FRotator NewRotation);

	/** Moves and rotates the root component; false without one. */
	bool SetActorLocationAndRotation(FVector NewLocation, FRotator NewRotation);

	/** Searches components array and returns first encountered component of the specified class. */
	UFUNCTION(BlueprintCallable, Category = "Actor", meta = (ComponentClass = "/Script/Engine.ActorComponent", DeterminesOutputType = "ComponentClass"))
	UActorComponent* GetComponentByClass(TSubclassOf<UActorComponent> ComponentClass) const;

	template<class T>
	T* GetComponentByClass() const
	{
		return static_cast<T*>(GetComponentByClass(T::StaticClass()));
	}

	/** Appends the owned components of class T, in the order they were added. */
	template<class T>
	void GetComponents(TArray<T*>& OutComponents, bool bIncludeFromChildActors = false) const
	{
		OutComponents.Reset();
		for (UActorComponent* Component : OwnedComponents)
		{
			if (T* Typed = Cast<T>(Component))
			{
				OutComponents.Add(Typed);
			}
		}
	}

	/** Every component owned by the actor, in the order they were added. */
	const TArray<UActorComponent*>& GetComponents() const
	{
		return OwnedComponents;
	}

	/** Called by a component whose owner is this actor. */
	void AddOwnedComponent(UActorComponent* Component);

	/** Called by a component that is destroyed. */
	void RemoveOwnedComponent(UActorComponent* Component);

	/** Registers a component added to one actor instance (not from its class). */
	void AddInstanceComponent(UActorComponent* Component);

	/** Components added to this instance, as opposed to created by the class. */
	const TArray<TObjectPtr<UActorComponent>>& GetInstanceComponents() const
	{
		return InstanceComponents;
	}

#if WITH_EDITOR
	/** The label shown in the editor; when empty and bCreateIfNone, a default label is made and kept. */
	const FString& GetActorLabel(bool bCreateIfNone = true) const;

	/** Sets the label shown in the editor. */
	void SetActorLabel(const FString& NewActorLabel, bool bMarkDirty = true);

	/** The label an unlabelled actor gets: its class name without a Blueprint suffix. */
	FString GetDefaultActorLabel() const;

	/** Called after the editor moved the actor; bFinished is false while a drag goes on. */
	virtual void PostEditMove(bool bFinished);
#endif

protected:
	/** Overridable native event for when play begins for this actor. */
	virtual void BeginPlay();

	/** The component that defines the transform (location, rotation, scale) of this Actor in the world. */
	UPROPERTY(BlueprintReadOnly, Category = "Utilities|Transformation")
	TObjectPtr<USceneComponent> RootComponent;

private:
	friend class UWorld;

	/** Owner of this Actor, used primarily for replication and visibility. */
	UPROPERTY()
	TObjectPtr<AActor> Owner;

	/** The editor's label of the actor. */
	UPROPERTY()
	FString ActorLabel;

	/** Components added to this actor instance only. */
	UPROPERTY(Instanced)
	TArray<TObjectPtr<UActorComponent>> InstanceComponents;

	/** All components whose owner is this actor, in the order they were added. */
	TArray<UActorComponent*> OwnedComponents;

	uint8 bActorIsBeingDestroyed : 1;
	uint8 bActorHasBegunPlay : 1;
};
