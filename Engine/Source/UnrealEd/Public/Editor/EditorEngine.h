// The editor engine: the editor world, play sessions, level viewports and editor subsystems.

#pragma once

#include "CoreMinimal.h"
#include "Engine/Engine.h"
#include "EditorSubsystem.h"
#include "PlayInEditorDataTypes.h"
#include "EditorEngine.generated.h"

class FLevelEditorViewportClient;
class UWorld;

/** The engine object of the editor. GEditor points at it. */
UCLASS(config = Engine, transient)
class UNREALED_API UEditorEngine : public UEngine
{
	GENERATED_BODY()

public:
	UEditorEngine(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** A pointer to a UWorld that is the duplicated/saved-loaded to be played in with "Play From Here". */
	UPROPERTY()
	TObjectPtr<UWorld> PlayWorld;

	/** Creates the editor world context (an empty untitled world) and the editor subsystems. */
	virtual void Init(IEngineLoop* InEngineLoop) override;

	/** Ends a play session, deinitialises the editor subsystems, then the engine's. */
	virtual void PreExit() override;

	/** Starts or ends the play session requested since the last tick. */
	virtual void Tick(float DeltaSeconds, bool bIdleMode) override;

	/** The context of the world being edited. */
	FWorldContext& GetEditorWorldContext(bool bEnsureIsGWorld = false);

	/** The context of the play-in-editor instance, or null outside a play session. */
	FWorldContext* GetPIEWorldContext(int32 WorldPIEInstance = 0);

	/** The level editor's viewport clients, in the order they were created. */
	const TArray<class FLevelEditorViewportClient*>& GetLevelViewportClients()
	{
		return LevelViewportClients;
	}

	const TArray<class FLevelEditorViewportClient*>& GetLevelViewportClients() const
	{
		return LevelViewportClients;
	}

	void AddLevelViewportClients(FLevelEditorViewportClient* ViewportClient);
	void RemoveLevelViewportClients(FLevelEditorViewportClient* ViewportClient);

	/** The editor subsystem of this class (or the first one derived from it), or null. */
	UEditorSubsystem* GetEditorSubsystemBase(TSubclassOf<UEditorSubsystem> SubsystemClass) const
	{
		return EditorSubsystemCollection.GetSubsystem<UEditorSubsystem>(SubsystemClass);
	}

	template<typename TEditorSubsystem>
	TEditorSubsystem* GetEditorSubsystem() const
	{
		return EditorSubsystemCollection.GetSubsystem<TEditorSubsystem>(TEditorSubsystem::StaticClass());
	}

	/** Asks for a play session; it starts on the next tick. */
	void RequestPlaySession(const FRequestPlaySessionParams& InParams);

	/** Whether a play session waits to start. */
	bool IsPlaySessionRequestQueued() const
	{
		return PlaySessionRequest.IsSet();
	}

	/** Drops a play session request that has not started yet. */
	void CancelRequestPlaySession();

	/** Starts the queued play session now. */
	void StartQueuedPlaySessionRequest();

	/** Whether a play session runs (or is being started). */
	bool IsPlaySessionInProgress() const
	{
		return PlayWorld != nullptr;
	}

	/** Whether the running session simulates rather than plays. */
	bool IsSimulateInEditorInProgress() const
	{
		return PlayWorld != nullptr && bIsSimulatingInEditor;
	}

	/** Asks for the play session to end on the next tick. */
	void RequestEndPlayMap();

	/** Whether the end of the play session has been requested. */
	bool ShouldEndPlayMap() const
	{
		return bRequestEndPlayMapQueued;
	}

	/** Ends the play session now: its world is torn down and the editor world is current again. */
	virtual void EndPlayMap();

	/** Makes World the edited world (a map was opened); the previous one is torn down. */
	void SetEditorWorld(UWorld* World);

protected:
	/** Duplicates the editor world into a play world and begins play in it. */
	virtual void StartPlayInEditorSession(const FRequestPlaySessionParams& InRequestParams);

private:
	TArray<FLevelEditorViewportClient*> LevelViewportClients;
	FSubsystemCollection<UEditorSubsystem> EditorSubsystemCollection;
	TOptional<FRequestPlaySessionParams> PlaySessionRequest;
	bool bRequestEndPlayMapQueued;
	bool bIsSimulatingInEditor;
};
