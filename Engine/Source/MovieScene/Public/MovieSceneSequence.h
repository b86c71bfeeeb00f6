// Base of the sequence assets that own a movie scene.
#pragma once

#include "CoreMinimal.h"
#include "MovieSceneSignedObject.h"

#include "MovieSceneSequence.generated.h"

class UMovieScene;

/** A sequence asset: owns a movie scene of bindings and tracks. */
UCLASS(Abstract, BlueprintType)
class MOVIESCENE_API UMovieSceneSequence : public UMovieSceneSignedObject
{
	GENERATED_BODY()

public:
	UMovieSceneSequence(const FObjectInitializer& ObjectInitializer);

	/** The movie scene this sequence owns; null when it has none. */
	virtual UMovieScene* GetMovieScene() const;
};
