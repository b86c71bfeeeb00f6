// Scene components: components with a transform, attachable to one another.

#pragma once

#include "CoreMinimal.h"
#include "Components/ActorComponent.h"
#include "SceneComponent.generated.h"

/** A component with a location and rotation relative to the component it is attached to. */
UCLASS(BlueprintType, Blueprintable)
class ENGINE_API USceneComponent : public UActorComponent
{
	GENERATED_BODY()

public:
	USceneComponent(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Location of the component relative to its parent. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = Transform)
	FVector RelativeLocation;

	/** Rotation of the component relative to its parent. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = Transform)
	FRotator RelativeRotation;

	//~ Begin UObject Interface
	virtual void PostLoad() override;
	//~ End UObject Interface

	/** Attaches this component to Parent before registration. */
	void SetupAttachment(USceneComponent* InParent, FName InSocketName = NAME_None);

	/** The component this one is attached to. */
	USceneComponent* GetAttachParent() const
	{
		return AttachParent;
	}

	/** The location of the component in world space. */
	UFUNCTION(BlueprintCallable, Category = "Transformation", meta = (DisplayName = "GetWorldLocation"))
	FVector K2_GetComponentLocation() const;

	/** The rotation of the component in world space. */
	UFUNCTION(BlueprintCallable, Category = "Transformation", meta = (DisplayName = "GetWorldRotation"))
	FRotator K2_GetComponentRotation() const;

	FVector GetComponentLocation() const;
	FRotator GetComponentRotation() const;

	const FVector& GetRelativeLocation() const
	{
		return RelativeLocation;
	}

	const FRotator& GetRelativeRotation() const
	{
		return RelativeRotation;
	}

	void SetRelativeLocation(FVector NewLocation);
	void SetRelativeRotation(FRotator NewRotation);

	/** Places the component at a world location. */
	void SetWorldLocation(FVector NewLocation);

	/** Gives the component a world rotation. */
	void SetWorldRotation(FRotator NewRotation);

private:
	/** The component this one is attached to. */
	UPROPERTY()
	TObjectPtr<USceneComponent> AttachParent;
};
