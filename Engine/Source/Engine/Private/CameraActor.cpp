#include "Camera/CameraActor.h"

#include "Camera/CameraComponent.h"
#include "Components/SceneComponent.h"

ACameraActor::ACameraActor()
{
	SceneComponent = CreateDefaultSubobject<USceneComponent>(TEXT("SceneComponent"));
	RootComponent = SceneComponent;
	CameraComponent = CreateDefaultSubobject<UCameraComponent>(TEXT("CameraComponent"));
	CameraComponent->SetupAttachment(SceneComponent);
}

UCameraComponent::UCameraComponent()
	: FieldOfView(90.0f)
	, AspectRatio(1.777778f)
{
}
