// The movie scene: the bindings, tracks and rates of a sequence.
#pragma once

#include "CoreMinimal.h"
#include "Misc/FrameRate.h"
#include "Misc/Guid.h"
#include "MovieSceneBinding.h"
#include "MovieSceneSignedObject.h"
#include "Templates/Casts.h"
#include "Templates/SubclassOf.h"

#include "MovieScene.generated.h"

class UMovieSceneTrack;

/** What a sequence animates: object bindings with their tracks, in tick-resolution time. */
UCLASS()
class MOVIESCENE_API UMovieScene : public UMovieSceneSignedObject
{
	GENERATED_BODY()

public:
	UMovieScene(const FObjectInitializer& ObjectInitializer);

	virtual void PostLoad() override;

	/** Adds a binding for an object the sequence possesses; returns its new identifier. */
	FGuid AddPossessable(const FString& Name, UClass* Class);

	/** The binding with this identifier, or null. */
	FMovieSceneBinding* FindBinding(const FGuid& ForGuid);

	const TArray<FMovieSceneBinding>& GetBindings() const
	{
		return ObjectBindings;
	}

	TArray<FMovieSceneBinding>& GetBindings()
	{
		return ObjectBindings;
	}

	/** Adds a new track of TrackClass to the binding; null when there is no such binding. */
	UMovieSceneTrack* AddTrack(TSubclassOf<UMovieSceneTrack> TrackClass, const FGuid& ObjectGuid);

	template<typename TrackClass>
	TrackClass* AddTrack(const FGuid& ObjectGuid)
	{
		return Cast<TrackClass>(AddTrack(TrackClass::StaticClass(), ObjectGuid));
	}

	/** Adds an existing track (outered to this movie scene) to the binding; false when there is no such binding. */
	bool AddGivenTrack(UMovieSceneTrack* InTrack, const FGuid& ObjectGuid);

	/** The first track of exactly TrackClass in the binding, or null. */
	UMovieSceneTrack* FindTrack(TSubclassOf<UMovieSceneTrack> TrackClass, const FGuid& ObjectGuid) const;

	/** Removes a track from whichever binding holds it; true if anything was removed. */
	bool RemoveTrack(UMovieSceneTrack& Track);

	FFrameRate GetTickResolution() const
	{
		return TickResolution;
	}

	FFrameRate GetDisplayRate() const
	{
		return DisplayRate;
	}

	void SetTickResolutionDirectly(FFrameRate InTickResolution)
	{
		TickResolution = InTickResolution;
	}

	void SetDisplayRate(FFrameRate InDisplayRate)
	{
		DisplayRate = InDisplayRate;
	}

#if WITH_EDITORONLY_DATA
	/** Whether the movie scene is locked against edits in the editor. */
	bool IsReadOnly() const
	{
		return bReadOnly;
	}

	void SetReadOnly(bool bInReadOnly)
	{
		bReadOnly = bInReadOnly;
	}
#endif

private:
	/** Every object binding, in the order the editor lists them. */
	UPROPERTY()
	TArray<FMovieSceneBinding> ObjectBindings;

	/** The resolution key times count in. */
	UPROPERTY()
	FFrameRate TickResolution;

	/** The frame rate the sequence is shown and played at. */
	UPROPERTY()
	FFrameRate DisplayRate;

#if WITH_EDITORONLY_DATA
	/** Locked against edits in the editor. */
	UPROPERTY()
	bool bReadOnly;
#endif
};
