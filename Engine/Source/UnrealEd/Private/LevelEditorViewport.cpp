#include "LevelEditorViewport.h"

#include "Editor.h"

FEditorViewportClient::FEditorViewportClient(ELevelViewportType InViewportType)
	: EngineShowFlags(ESFIM_Editor)
	, ViewportType(InViewportType)
	, ViewLocation(FVector::ZeroVector)
	, ViewRotation(FRotator::ZeroRotator)
{
}

FEditorViewportClient::~FEditorViewportClient()
{
}

FLevelEditorViewportClient::FLevelEditorViewportClient(const TSharedPtr<SLevelViewport>& InLevelViewport)
	: FEditorViewportClient(LVT_Perspective)
	, LevelViewport(InLevelViewport)
{
	if (GEditor)
	{
		GEditor->AddLevelViewportClients(this);
	}
}

FLevelEditorViewportClient::~FLevelEditorViewportClient()
{
	if (GEditor)
	{
		GEditor->RemoveLevelViewportClients(this);
	}
}

AActor* FLevelEditorViewportClient::GetViewDrivingActor() const
{
	if (AActor* Cinematic = CinematicActorLock.GetLockedActor())
	{
		return Cinematic;
	}
	return ActorLock.GetLockedActor();
}

FVector FLevelEditorViewportClient::GetViewLocation() const
{
	const AActor* Locked = GetViewDrivingActor();
	return Locked ? Locked->GetActorLocation() : FEditorViewportClient::GetViewLocation();
}

FRotator FLevelEditorViewportClient::GetViewRotation() const
{
	const AActor* Locked = GetViewDrivingActor();
	return Locked ? Locked->GetActorRotation() : FEditorViewportClient::GetViewRotation();
}

void FLevelEditorViewportClient::SetActorLock(AActor* Actor)
{
	ActorLock.LockedActor = Actor;
	// Piloting moves the view to the actor; unlocking leaves the view where the actor was.
	if (Actor)
	{
		ViewLocation = Actor->GetActorLocation();
		ViewRotation = Actor->GetActorRotation();
	}
}

void FLevelEditorViewportClient::SetActorLock(const FLevelViewportActorLock& InActorLock)
{
	SetActorLock(InActorLock.GetLockedActor());
}

void FLevelEditorViewportClient::SetCinematicActorLock(AActor* Actor)
{
	CinematicActorLock.LockedActor = Actor;
}

TWeakObjectPtr<AActor> FLevelEditorViewportClient::GetActiveActorLock() const
{
	if (CinematicActorLock.HasValidLockedActor())
	{
		return TWeakObjectPtr<AActor>();
	}
	return ActorLock.LockedActor;
}

bool FLevelEditorViewportClient::IsActorLocked(const TWeakObjectPtr<const AActor> InActor) const
{
	if (!InActor.IsValid())
	{
		return false;
	}
	const AActor* Locked = GetViewDrivingActor();
	return Locked != nullptr && Locked == InActor.Get();
}

bool FLevelEditorViewportClient::IsLockedToActor(AActor* Actor) const
{
	return Actor != nullptr && (ActorLock.GetLockedActor() == Actor || CinematicActorLock.GetLockedActor() == Actor);
}

bool FLevelEditorViewportClient::IsAnyActorLocked() const
{
	return ActorLock.HasValidLockedActor() || CinematicActorLock.HasValidLockedActor();
}
