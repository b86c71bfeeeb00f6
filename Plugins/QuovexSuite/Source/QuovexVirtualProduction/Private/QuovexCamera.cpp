// Copyright Quovex. All Rights Reserved.

#include "QuovexCamera.h"

#include "Engine/World.h"
#include "Kismet/GameplayStatics.h"
#include "QuovexTags.h"
#include "QuovexVirtualProduction.h"

AQuovexCamera::AQuovexCamera(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	Tags.AddUnique(QuovexTags::TAG_CAMERA);
}

void AQuovexCamera::SetActive()
{
	if (UWorld* World = GetWorld())
	{
		TArray<AActor*> Cameras;
		UGameplayStatics::GetAllActorsWithTag(World, QuovexTags::TAG_CAMERA, Cameras);
		for (AActor* Actor : Cameras)
		{
			if (AQuovexCamera* Camera = Cast<AQuovexCamera>(Actor))
			{
				Camera->bIsActiveCamera = false;
			}
		}
	}
	bIsActiveCamera = true;
	UE_LOG(LogQuovexVirtualProduction, Log, TEXT("%s is the camera the stage follows"), *GetActorLabel());
}

void AQuovexCamera::MapOpened()
{
	++MapsOpened;
}
