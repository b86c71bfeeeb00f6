// Level editor viewports and the actors piloted in them.

#pragma once

#include "CoreMinimal.h"
#include "EditorViewportClient.h"
#include "GameFramework/Actor.h"
#include "UObject/WeakObjectPtr.h"

class SLevelViewport;

/** An actor a level viewport is locked to (piloted): the view follows it while it lives. */
struct FLevelViewportActorLock
{
	FLevelViewportActorLock() = default;

	explicit FLevelViewportActorLock(AActor* InActor)
		: LockedActor(InActor)
	{
	}

	/** The locked actor while it lives, else null. */
	AActor* GetLockedActor() const
	{
		return LockedActor.Get();
	}

	/** Whether the lock holds a live actor. */
	bool HasValidLockedActor() const
	{
		return LockedActor.IsValid();
	}

	/** The actor the viewport is locked to. */
	TWeakObjectPtr<AActor> LockedActor;
};

/**
 * The client of one level editor viewport. Constructing one registers it with the editor engine's
 * level viewport clients and destroying it unregisters it, as the level editor's viewports do.
 * It has two actor locks: the user's pilot lock and the cinematic lock (set by sequencer), which wins.
 */
class UNREALED_API FLevelEditorViewportClient : public FEditorViewportClient
{
public:
	FLevelEditorViewportClient(const TSharedPtr<class SLevelViewport>& InLevelViewport);
	virtual ~FLevelEditorViewportClient();

	virtual bool IsLevelEditorClient() const override
	{
		return true;
	}

	/** The view follows the active locked actor while there is one. */
	virtual FVector GetViewLocation() const override;
	virtual FRotator GetViewRotation() const override;

	/** Locks the viewport to Actor (null unlocks) and moves the view to it. */
	void SetActorLock(AActor* Actor);
	void SetActorLock(const FLevelViewportActorLock& InActorLock);

	/** Locks the viewport to Actor for cinematics (null unlocks). */
	void SetCinematicActorLock(AActor* Actor);

	const FLevelViewportActorLock& GetActorLock() const
	{
		return ActorLock;
	}

	FLevelViewportActorLock& GetActorLock()
	{
		return ActorLock;
	}

	const FLevelViewportActorLock& GetCinematicActorLock() const
	{
		return CinematicActorLock;
	}

	FLevelViewportActorLock& GetCinematicActorLock()
	{
		return CinematicActorLock;
	}

	/** The actor of the pilot lock, but only while the cinematic lock holds no live actor. */
	TWeakObjectPtr<AActor> GetActiveActorLock() const;

	/** Whether InActor is the actor of the lock in effect (the cinematic lock if it holds one, else the pilot lock). */
	bool IsActorLocked(const TWeakObjectPtr<const AActor> InActor) const;

	/** Whether Actor is the actor of either lock. */
	bool IsLockedToActor(AActor* Actor) const;

	/** Whether either lock holds a live actor. */
	bool IsAnyActorLocked() const;

private:
	/** The actor whose transform the view takes while locked: the cinematic lock wins. */
	AActor* GetViewDrivingActor() const;

	// Weak: the viewport widget owns its client.
	TWeakPtr<SLevelViewport> LevelViewport;
	FLevelViewportActorLock ActorLock;
	FLevelViewportActorLock CinematicActorLock;
};
