// What a request to play in the editor asks for.

#pragma once

#include "CoreMinimal.h"
#include "Misc/Optional.h"

/** Whether a play session plays (with a player) or simulates (the world runs, no player). */
enum class EPlaySessionWorldType : uint8
{
	PlayInEditor,
	SimulateInEditor
};

/** The parameters of a requested play session, started on the editor engine's next tick. */
struct FRequestPlaySessionParams
{
	/** Play or simulate. */
	EPlaySessionWorldType WorldType = EPlaySessionWorldType::PlayInEditor;

	/** Where the player starts; unset means the level's own start. */
	TOptional<FVector> StartLocation;

	/** How the player starts rotated; unset means the level's own start. */
	TOptional<FRotator> StartRotation;
};
