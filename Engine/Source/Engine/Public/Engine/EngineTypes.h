// Engine-wide enumerations and small value types shared by worlds, actors and the editor.

#pragma once

#include "CoreMinimal.h"
#include "Containers/EnumAsByte.h"
#include "Templates/Casts.h"
#include "UObject/Class.h"

namespace EWorldType
{
	/** What a world is used for; the editor world, play-in-editor copies and game worlds differ in behaviour. */
	enum Type
	{
		/** An untyped world. */
		None,
		/** The game world of a standalone game. */
		Game,
		/** The world being edited in the editor. */
		Editor,
		/** A play-in-editor world. */
		PIE,
		/** A preview world of an editor tool. */
		EditorPreview,
		/** A preview world of a game. */
		GamePreview,
		/** A minimal world of a remote-procedure-call game. */
		GameRPC,
		/** A loaded world that is not in use. */
		Inactive
	};
}

namespace EEndPlayReason
{
	/** Why an actor or component stops playing. */
	enum Type
	{
		/** Destroyed explicitly. */
		Destroyed,
		/** Its world changed level. */
		LevelTransition,
		/** A play-in-editor session ended. */
		EndPlayInEditor,
		/** Removed with a streaming level. */
		RemovedFromWorld,
		/** The application is shutting down. */
		Quit
	};
}

/** How SpawnActor treats a requested name that is already taken in the level. */
enum class ESpawnActorNameMode : uint8
{
	/** Fatal error when the name is taken. */
	Required_Fatal,
	/** Log an error and return null when the name is taken. */
	Required_ErrorAndReturnNull,
	/** Return null quietly when the name is taken. */
	Required_ReturnNull,
	/** Make the name unique when it is taken. */
	Requested
};
