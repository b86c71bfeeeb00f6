// A track that animates a double property.
#pragma once

#include "CoreMinimal.h"
#include "Tracks/MovieScenePropertyTrack.h"

#include "MovieSceneDoubleTrack.generated.h"

/** Handles manipulation of double properties in a movie scene. */
UCLASS()
class MOVIESCENETRACKS_API UMovieSceneDoubleTrack : public UMovieScenePropertyTrack
{
	GENERATED_BODY()

public:
	UMovieSceneDoubleTrack(const FObjectInitializer& ObjectInitializer);

	virtual bool SupportsType(TSubclassOf<UMovieSceneSection> SectionClass) const override;
	virtual UMovieSceneSection* CreateNewSection() override;
};
