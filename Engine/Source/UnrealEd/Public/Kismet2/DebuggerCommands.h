// The editor's Play toolbar actions.

#pragma once

#include "CoreMinimal.h"
#include "Misc/Optional.h"
#include "Templates/SharedPointer.h"

class IAssetViewport;

/** What the Play toolbar buttons and menu entries do. */
class UNREALED_API FPlayWorldCommandCallbacks
{
public:
	/** Requests a play-in-editor session from the level's own start; it begins on the next engine tick. */
	static void StartPlayFromHere();

	/** Requests a play-in-editor session starting at Location/Rotation when given. */
	static void StartPlayFromHere(const TOptional<FVector>& Location, const TOptional<FRotator>& Rotation, const TSharedPtr<IAssetViewport>& ActiveLevelViewport);

	/** Whether a play world exists. */
	static bool HasPlayWorld();
};
