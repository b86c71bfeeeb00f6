// The engine object: world contexts, console execution, level actor events and engine subsystems.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Misc/Exec.h"
#include "Containers/IndirectArray.h"
#include "Engine/EngineTypes.h"
#include "Subsystems/SubsystemCollection.h"
#include "Subsystems/EngineSubsystem.h"
#include "Engine.generated.h"

class AActor;
class UWorld;
class IEngineLoop;

/** What GetWorldFromContextObject does when the object has no world. */
enum class EGetWorldErrorMode
{
	/** Return null quietly. */
	ReturnNull,
	/** Log a warning and return null. */
	LogAndReturnNull,
	/** Fail an assertion. */
	Assert
};

/** One world the engine knows about, with what it is used for. */
struct ENGINE_API FWorldContext
{
	FWorldContext();

	/** The kind of world this context holds. */
	TEnumAsByte<EWorldType::Type> WorldType;

	/** Unique name of the context, for lookups by name. */
	FName ContextHandle;

	/** Index of the play-in-editor instance; -1 outside play-in-editor. */
	int32 PIEInstance;

	/** Package name prefix of play-in-editor copies ("UEDPIE_0_"). */
	FString PIEPrefix;

	/** The world currently held. */
	UWorld* World() const
	{
		return ThisCurrentWorld;
	}

	/** Replaces the world held. */
	void SetCurrentWorld(UWorld* World);

private:
	UWorld* ThisCurrentWorld;
};

/** The engine: owns the world contexts and runs console input. The editor and the game derive from it. */
UCLASS(Abstract, config = Engine, transient)
class ENGINE_API UEngine : public UObject, public FExec
{
	GENERATED_BODY()

public:
	UEngine(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Brings the engine up: engine subsystems are created here. */
	virtual void Init(IEngineLoop* InEngineLoop);

	/** Called before modules shut down: engine subsystems deinitialise here. */
	virtual void PreExit();

	/** Advances the engine one frame; deferred requests (play sessions) are processed here. */
	virtual void Tick(float DeltaSeconds, bool bIdleMode);

	/** Runs one console line: console variables and commands first, then the engine's own commands. */
	virtual bool Exec(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar = *GLog) override;

	/** Every world context, in creation order. */
	const TIndirectArray<FWorldContext>& GetWorldContexts() const
	{
		return WorldList;
	}

	/** Adds a context of the given type without a world. */
	FWorldContext& CreateNewWorldContext(EWorldType::Type WorldType);

	/** Removes the context that holds InWorld, if any. */
	void DestroyWorldContext(UWorld* InWorld);

	/** The context holding InWorld, or null. */
	FWorldContext* GetWorldContextFromWorld(const UWorld* InWorld);
	const FWorldContext* GetWorldContextFromWorld(const UWorld* InWorld) const;

	/** The context holding InWorld; fails a check when there is none. */
	FWorldContext& GetWorldContextFromWorldChecked(const UWorld* InWorld);

	/** The world an object belongs to, with the chosen behaviour when it has none. */
	UWorld* GetWorldFromContextObject(const UObject* Object, EGetWorldErrorMode ErrorMode) const;

	/** The world an object belongs to; fails a check when it has none. */
	UWorld* GetWorldFromContextObjectChecked(const UObject* Object) const
	{
		return GetWorldFromContextObject(Object, EGetWorldErrorMode::Assert);
	}

	/** The game or play-in-editor world being played, preferring PossiblePlayWorld when it is one. */
	virtual UWorld* GetCurrentPlayWorld(UWorld* PossiblePlayWorld = nullptr) const;

	DECLARE_EVENT_OneParam(UEngine, FLevelActorAddedEvent, AActor*);
	DECLARE_EVENT_OneParam(UEngine, FLevelActorDeletedEvent, AActor*);
	DECLARE_EVENT_OneParam(UEngine, FOnActorMovingEvent, AActor*);

	/** Fires when an actor is added to a level while the editor runs. */
	FLevelActorAddedEvent& OnLevelActorAdded()
	{
		return LevelActorAddedEvent;
	}

	/** Fires when an actor is removed from a level while the editor runs. */
	FLevelActorDeletedEvent& OnLevelActorDeleted()
	{
		return LevelActorDeletedEvent;
	}

	void BroadcastLevelActorAdded(AActor* InActor)
	{
		LevelActorAddedEvent.Broadcast(InActor);
	}

	void BroadcastLevelActorDeleted(AActor* InActor)
	{
		LevelActorDeletedEvent.Broadcast(InActor);
	}

	/** Editor-only event triggered when an actor is being moved, rotated or scaled (AActor::PostEditMove). */
	FOnActorMovingEvent& OnActorMoving()
	{
		return ActorMovingEvent;
	}

	void BroadcastOnActorMoving(AActor* Actor)
	{
		ActorMovingEvent.Broadcast(Actor);
	}

	/** The engine subsystem of this class, or null. */
	UEngineSubsystem* GetEngineSubsystemBase(TSubclassOf<UEngineSubsystem> SubsystemClass) const
	{
		return EngineSubsystemCollection.GetSubsystem<UEngineSubsystem>(SubsystemClass);
	}

	template<typename TEngineSubsystemClass>
	TEngineSubsystemClass* GetEngineSubsystem() const
	{
		return EngineSubsystemCollection.GetSubsystem<TEngineSubsystemClass>(TEngineSubsystemClass::StaticClass());
	}

protected:
	/** The engine's world contexts; a context's address stays stable while it lives. */
	TIndirectArray<FWorldContext> WorldList;

	/** Counter behind unique context handles. */
	int32 NextWorldContextHandle;

private:
	FLevelActorAddedEvent LevelActorAddedEvent;
	FLevelActorDeletedEvent LevelActorDeletedEvent;
	FOnActorMovingEvent ActorMovingEvent;
	FSubsystemCollection<UEngineSubsystem> EngineSubsystemCollection;
};

/** The engine object of this process: the editor engine in the editor, a game engine otherwise. */
extern ENGINE_API class UEngine* GEngine;
