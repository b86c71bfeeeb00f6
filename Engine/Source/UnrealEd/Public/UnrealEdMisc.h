// Editor-wide helpers and the kinds of map change.

#pragma once

#include "CoreMinimal.h"

/** What happened to the editor's map. */
enum class EMapChangeType : uint8
{
	/** Map has just been loaded */
	LoadMap,
	/** Map is about to be saved */
	SaveMap,
	/** A new map is loaded */
	NewMap,
	/** The world is about to be torn down */
	TearDownWorld,
};
