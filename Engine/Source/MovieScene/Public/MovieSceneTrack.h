// A track: the sections that animate one property or aspect of a binding.
#pragma once

#include "CoreMinimal.h"
#include "MovieSceneSignedObject.h"
#include "Templates/SubclassOf.h"

#include "MovieSceneTrack.generated.h"

class UMovieSceneSection;

/** Base of every track. */
UCLASS(Abstract)
class MOVIESCENE_API UMovieSceneTrack : public UMovieSceneSignedObject
{
	GENERATED_BODY()

public:
	UMovieSceneTrack(const FObjectInitializer& ObjectInitializer);

	/** Every section of the track, in order. */
	virtual const TArray<UMovieSceneSection*>& GetAllSections() const;

	/** Whether sections of this class belong on this track. */
	virtual bool SupportsType(TSubclassOf<UMovieSceneSection> SectionClass) const;

	/** A new section of the track's own section class, outered to the track (not added). */
	virtual UMovieSceneSection* CreateNewSection();

	virtual void AddSection(UMovieSceneSection& Section);
	virtual void RemoveSection(UMovieSceneSection& Section);
	virtual bool HasSection(const UMovieSceneSection& Section) const;
	virtual bool IsEmpty() const;
};
