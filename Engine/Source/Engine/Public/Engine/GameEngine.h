// The engine of a standalone game: one game world.

#pragma once

#include "CoreMinimal.h"
#include "Engine/Engine.h"
#include "GameEngine.generated.h"

/** The engine used when the process runs as a game: it owns a single game world context. */
UCLASS(config = Engine, transient)
class ENGINE_API UGameEngine : public UEngine
{
	GENERATED_BODY()

public:
	UGameEngine(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Creates the game world context (with an empty world) after the base engine's Init. */
	virtual void Init(IEngineLoop* InEngineLoop) override;

	/** Tears the game world down before the base engine's PreExit. */
	virtual void PreExit() override;

	/** The world of the game context. */
	UWorld* GetGameWorld() const;
};
