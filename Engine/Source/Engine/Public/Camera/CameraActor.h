// A placeable camera.

#pragma once

#include "CoreMinimal.h"
#include "GameFramework/Actor.h"
#include "CameraActor.generated.h"

class UCameraComponent;
class USceneComponent;

/** An actor that holds a camera component under a scene root. */
UCLASS(BlueprintType, Blueprintable)
class ENGINE_API ACameraActor : public AActor
{
	GENERATED_BODY()

public:
	ACameraActor(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Returns CameraComponent subobject. */
	UCameraComponent* GetCameraComponent() const
	{
		return CameraComponent;
	}

private:
	/** The camera component pointing at the scene to be viewed. */
	UPROPERTY(Category = CameraActor, VisibleAnywhere, BlueprintReadOnly, meta = (AllowPrivateAccess = "true"))
	TObjectPtr<UCameraComponent> CameraComponent;

	/** The root of the actor's transform. */
	UPROPERTY()
	TObjectPtr<USceneComponent> SceneComponent;
};
