// A section of a double track: one double channel.
#pragma once

#include "CoreMinimal.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "MovieSceneSection.h"

#include "MovieSceneDoubleSection.generated.h"

/** A single double section. */
UCLASS()
class MOVIESCENETRACKS_API UMovieSceneDoubleSection : public UMovieSceneSection
{
	GENERATED_BODY()

public:
	UMovieSceneDoubleSection(const FObjectInitializer& ObjectInitializer);

	const FMovieSceneDoubleChannel& GetChannel() const
	{
		return DoubleCurve;
	}

protected:
	virtual EMovieSceneChannelProxyType CacheChannelProxy() override;

	/** Double curve data. */
	UPROPERTY()
	FMovieSceneDoubleChannel DoubleCurve;
};
