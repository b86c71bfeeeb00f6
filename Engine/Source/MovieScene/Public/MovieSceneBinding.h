// A binding of the movie scene: an object the sequence animates, with its tracks.
#pragma once

#include "CoreMinimal.h"
#include "Misc/Guid.h"
#include "UObject/ObjectPtr.h"

#include "MovieSceneBinding.generated.h"

class UMovieSceneTrack;

/** An object binding: its identifier, display name, tracks and place in the editor's list. */
USTRUCT()
struct MOVIESCENE_API FMovieSceneBinding
{
	GENERATED_BODY()

	FMovieSceneBinding()
		: SortingOrder(-1)
	{
	}

	FMovieSceneBinding(const FGuid& InObjectGuid, const FString& InBindingName)
		: ObjectGuid(InObjectGuid)
		, BindingName(InBindingName)
		, SortingOrder(-1)
	{
	}

	const FGuid& GetObjectGuid() const
	{
		return ObjectGuid;
	}

	void SetObjectGuid(const FGuid& InGuid)
	{
		ObjectGuid = InGuid;
	}

	/** The binding's display name. */
	const FString& GetName() const
	{
		return BindingName;
	}

	void SetName(const FString& InBindingName)
	{
		BindingName = InBindingName;
	}

	/** The binding's tracks, in order; entries may be null (a track whose class failed to load). */
	const TArray<UMovieSceneTrack*>& GetTracks() const
	{
		return ToRawPtrTArrayUnsafe(Tracks);
	}

	void AddTrack(UMovieSceneTrack& NewTrack);
	bool RemoveTrack(UMovieSceneTrack& Track);

	/** Removes all null tracks from this binding. */
	void RemoveNullTracks();

	int32 GetSortingOrder() const
	{
		return SortingOrder;
	}

	void SetSortingOrder(const int32 InSortingOrder)
	{
		SortingOrder = InSortingOrder;
	}

	/**
	 * Reads the text form field by field; a track reference that names no object in memory is dropped with a
	 * Warning instead of failing the binding (as the engine's loader leaves a track whose class is missing null).
	 */
	bool ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText);

private:
	/** Object binding guid for runtime objects. */
	UPROPERTY()
	FGuid ObjectGuid;

	/** Display name. */
	UPROPERTY()
	FString BindingName;

	/** All tracks in this binding. */
	UPROPERTY()
	TArray<TObjectPtr<UMovieSceneTrack>> Tracks;

	/** Sorting order of the binding in the editor's list. */
	UPROPERTY()
	int32 SortingOrder;
};

template<>
struct TStructOpsTypeTraits<FMovieSceneBinding> : public TStructOpsTypeTraitsBase2<FMovieSceneBinding>
{
	enum
	{
		WithImportTextItem = true,
	};
};
