// The track that animates an object's transform (location, rotation, scale).
#pragma once

#include "CoreMinimal.h"
#include "Tracks/MovieScenePropertyTrack.h"

#include "MovieScene3DTransformTrack.generated.h"

/** Handles manipulation of component transforms in a movie scene. */
UCLASS()
class MOVIESCENETRACKS_API UMovieScene3DTransformTrack : public UMovieScenePropertyTrack
{
	GENERATED_BODY()

public:
	UMovieScene3DTransformTrack(const FObjectInitializer& ObjectInitializer);

	virtual bool SupportsType(TSubclassOf<UMovieSceneSection> SectionClass) const override;
	virtual UMovieSceneSection* CreateNewSection() override;
};
