// Copyright Quovex. All Rights Reserved.

#include "QuovexCamera.h"

#include "Engine/World.h"
#include "QuovexTags.h"
#include "QuovexVirtualProduction.h"

AQuovexCamera::AQuovexCamera(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	Tags.AddUnique(QuovexTags::TAG_CAMERA);
}

namespace QuovexCamera
{
	struct FActiveCamera
	{
		TWeakObjectPtr<const UWorld> World;
		TWeakObjectPtr<const AQuovexCamera> Camera;
	};

	/**
	 * The camera each world follows. Kept here rather than as a flag on every camera, so that switching costs the
	 * same on a stage of ten thousand actors as on an empty one; a few worlds exist at a time, so a list will do.
	 */
	static TArray<FActiveCamera>& ActiveCameras()
	{
		static TArray<FActiveCamera> Cameras;
		return Cameras;
	}
}

void AQuovexCamera::SetActive()
{
	TArray<QuovexCamera::FActiveCamera>& Cameras = QuovexCamera::ActiveCameras();
	// Worlds that have gone take their entries with them.
	Cameras.RemoveAll([](const QuovexCamera::FActiveCamera& Entry) { return !Entry.World.IsValid(); });
	const UWorld* World = GetWorld();
	QuovexCamera::FActiveCamera* Entry = Cameras.FindByPredicate([World](const QuovexCamera::FActiveCamera& Candidate) { return Candidate.World.Get() == World; });
	if (!Entry)
	{
		Entry = &Cameras.AddDefaulted_GetRef();
		Entry->World = World;
	}
	Entry->Camera = this;
	UE_LOG(LogQuovexVirtualProduction, Log, TEXT("%s is the camera the stage follows"), *GetActorLabel());
}

bool AQuovexCamera::IsActiveCamera() const
{
	const UWorld* World = GetWorld();
	const QuovexCamera::FActiveCamera* Entry = QuovexCamera::ActiveCameras().FindByPredicate([World](const QuovexCamera::FActiveCamera& Candidate) { return Candidate.World.IsValid() && Candidate.World.Get() == World; });
	return Entry && Entry->Camera.Get() == this;
}

void AQuovexCamera::MapOpened()
{
	++MapsOpened;
}
