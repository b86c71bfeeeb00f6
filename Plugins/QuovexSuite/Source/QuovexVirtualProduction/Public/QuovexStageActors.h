// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "GameFramework/Actor.h"
#include "QuovexCamera.h"

#include "QuovexStageActors.generated.h"

/** A tracked camera that also drives an nDisplay cluster's view. */
UCLASS(Blueprintable, meta = (DisplayName = "Quovex Camera (nDisplay)"))
class QUOVEXVIRTUALPRODUCTION_API AQuovexCameraNDisplay : public AQuovexCamera
{
	GENERATED_BODY()
};

/** The physical stage volume: floor, walls and tracking origin. */
UCLASS(Blueprintable, meta = (DisplayName = "Quovex Stage"))
class QUOVEXVIRTUALPRODUCTION_API AQuovexStage : public AActor
{
	GENERATED_BODY()
};

/** Geometry composited over the camera feed. */
UCLASS(Blueprintable, meta = (DisplayName = "Quovex Composite Mesh"))
class QUOVEXVIRTUALPRODUCTION_API AQuovexCompositeMesh : public AActor
{
	GENERATED_BODY()
};

/** Snaps motion-capture performers to a stage mark. */
UCLASS(Blueprintable, meta = (DisplayName = "Quovex MoCap Magnet"))
class QUOVEXVIRTUALPRODUCTION_API AQuovexMoCapMagnet : public AActor
{
	GENERATED_BODY()
};

/** A matte applied before the keyer. */
UCLASS(Blueprintable, meta = (DisplayName = "Quovex Pre-Keyer Matte"))
class QUOVEXVIRTUALPRODUCTION_API AQuovexPreKeyerMatte : public AActor
{
	GENERATED_BODY()
};

/** A matte covering an LED wall section. */
UCLASS(Blueprintable, meta = (DisplayName = "Quovex LED Matte"))
class QUOVEXVIRTUALPRODUCTION_API AQuovexLedMatte : public AActor
{
	GENERATED_BODY()
};
