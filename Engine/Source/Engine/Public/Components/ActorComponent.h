// Components: reusable behaviour that actors own.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Engine/EngineTypes.h"
#include "ActorComponent.generated.h"

class AActor;
class UWorld;

/** Base class of components: owned by the actor they are created in. */
UCLASS(Abstract, BlueprintType, Blueprintable)
class ENGINE_API UActorComponent : public UObject
{
	GENERATED_BODY()

public:
	UActorComponent(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Array of tags that can be used for grouping and categorizing. Can also be accessed from scripting. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, AdvancedDisplay, Category = Tags)
	TArray<FName> ComponentTags;

	/** Whether the component activates itself when its owner begins play. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = Activation)
	uint8 bAutoActivate : 1;

	/** Follow the Outer chain to get the AActor that 'Owns' this component. */
	UFUNCTION(BlueprintCallable, Category = "Components")
	AActor* GetOwner() const;

	/** Whether the component carries Tag. */
	UFUNCTION(BlueprintCallable, Category = "Components")
	bool ComponentHasTag(FName Tag) const;

	/** Whether the component is active. */
	UFUNCTION(BlueprintCallable, Category = "Components|Activation")
	bool IsActive() const
	{
		return bIsActive;
	}

	/** Activates the component. */
	virtual void Activate(bool bReset = false);

	/** Deactivates the component. */
	virtual void Deactivate();

	/** Registers the component with its owner's world. */
	void RegisterComponent();

	/** Unregisters the component. */
	void UnregisterComponent();

	bool IsRegistered() const
	{
		return bRegistered;
	}

	/** Removes the component from its owner and marks it as garbage. */
	virtual void DestroyComponent(bool bPromoteChildren = false);

	virtual UWorld* GetWorld() const override;

	/** Links the component to its owner actor once its properties are set. */
	virtual void PostInitProperties() override;

	/** Called when the owner begins play. */
	virtual void BeginPlay();

	/** Called when the owner ends play. */
	virtual void EndPlay(const EEndPlayReason::Type EndPlayReason);

	bool HasBegunPlay() const
	{
		return bHasBegunPlay;
	}

private:
	uint8 bIsActive : 1;
	uint8 bRegistered : 1;
	uint8 bHasBegunPlay : 1;
};
