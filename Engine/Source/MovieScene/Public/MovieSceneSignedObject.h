// Base of the movie scene's objects (sequence data that is signed for change tracking in the engine).
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

#include "MovieSceneSignedObject.generated.h"

/** Base of movie scenes, tracks and sections. */
UCLASS()
class MOVIESCENE_API UMovieSceneSignedObject : public UObject
{
	GENERATED_BODY()

public:
	UMovieSceneSignedObject(const FObjectInitializer& ObjectInitializer);
};
