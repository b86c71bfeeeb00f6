// The level sequence asset: a movie scene of bindings to objects in a level.
#pragma once

#include "CoreMinimal.h"
#include "MovieSceneSequence.h"

#include "LevelSequence.generated.h"

class UMovieScene;

/** Movie scene animation for actors in a level (recorded takes are level sequences). */
UCLASS(BlueprintType)
class LEVELSEQUENCE_API ULevelSequence : public UMovieSceneSequence
{
	GENERATED_BODY()

public:
	ULevelSequence(const FObjectInitializer& ObjectInitializer);

	/** Gives a new sequence its movie scene (the factory does this for new assets). */
	void Initialize();

	virtual UMovieScene* GetMovieScene() const override;

	/** Pointer to the movie scene that controls this animation. */
	UPROPERTY()
	TObjectPtr<UMovieScene> MovieScene;
};
