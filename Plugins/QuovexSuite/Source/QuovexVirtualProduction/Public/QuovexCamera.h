// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "GameFramework/Actor.h"

#include "QuovexCamera.generated.h"

/** A tracked studio camera. One camera of the level is the active one the stage follows. */
UCLASS(Blueprintable, meta = (DisplayName = "Quovex Camera"))
class QUOVEXVIRTUALPRODUCTION_API AQuovexCamera : public AActor
{
	GENERATED_BODY()

public:
	AQuovexCamera(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Makes this camera the active one; every other tracked camera of its world stops being active. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void SetActive();

	/** Called on every camera of a level once its map has opened; drops tracking state from the previous map. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void MapOpened();

	/** Whether the stage currently follows this camera. */
	UFUNCTION(BlueprintPure, Category = "Quovex|VP")
	bool IsActiveCamera() const;

	/** Number of maps this camera has seen opened since it was created. */
	UPROPERTY(VisibleAnywhere, Transient, Category = "Quovex|VP")
	int32 MapsOpened = 0;
};
