// Base of tracks that animate a property of their binding's object.
#pragma once

#include "CoreMinimal.h"
#include "MovieSceneTrack.h"

#include "MovieScenePropertyTrack.generated.h"

class UMovieSceneSection;

/** A track of sections that animate one property. */
UCLASS(Abstract)
class MOVIESCENETRACKS_API UMovieScenePropertyTrack : public UMovieSceneTrack
{
	GENERATED_BODY()

public:
	UMovieScenePropertyTrack(const FObjectInitializer& ObjectInitializer);

	virtual const TArray<UMovieSceneSection*>& GetAllSections() const override;
	virtual void AddSection(UMovieSceneSection& Section) override;
	virtual void RemoveSection(UMovieSceneSection& Section) override;
	virtual bool HasSection(const UMovieSceneSection& Section) const override;
	virtual bool IsEmpty() const override;

protected:
	/** All the sections in this track. */
	UPROPERTY()
	TArray<TObjectPtr<UMovieSceneSection>> Sections;
};
