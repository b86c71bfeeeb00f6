// A camera's view: field of view and aspect ratio.

#pragma once

#include "CoreMinimal.h"
#include "Components/SceneComponent.h"
#include "CameraComponent.generated.h"

/** Represents a camera viewpoint and its settings. */
UCLASS(BlueprintType, Blueprintable)
class ENGINE_API UCameraComponent : public USceneComponent
{
	GENERATED_BODY()

public:
	UCameraComponent(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The horizontal field of view (in degrees) in perspective mode (ignored in Orthographic mode). */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = CameraSettings, meta = (UIMin = "5.0", UIMax = "170", ClampMin = "0.001", ClampMax = "360.0", Units = deg))
	float FieldOfView;

	/** Aspect Ratio (Width/Height). */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = CameraSettings, meta = (ClampMin = "0.1", ClampMax = "100.0"))
	float AspectRatio;
};
