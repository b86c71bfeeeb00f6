// Base of every channel of keys a section owns.
#pragma once

#include "CoreMinimal.h"
#include "Curves/KeyHandle.h"
#include "Misc/FrameNumber.h"

#include "MovieSceneChannel.generated.h"

/** Base of the channels of keys in sections (double, float ...); reached through a section's channel proxy. */
USTRUCT()
struct MOVIESCENE_API FMovieSceneChannel
{
	GENERATED_BODY()

	FMovieSceneChannel() = default;
	virtual ~FMovieSceneChannel() = default;

	/** The number of keys in this channel. */
	virtual int32 GetNumKeys() const;

	/** The handle of the key at Index. */
	virtual FKeyHandle GetHandle(int32 Index);

	/** The index of the key with this handle; INDEX_NONE when it names no key of this channel. */
	virtual int32 GetIndex(FKeyHandle Handle);

	/** Removes the keys with these handles. */
	virtual void DeleteKeys(TArrayView<const FKeyHandle> InHandles);

	/** Removes every key (and the default value). */
	virtual void Reset();
};
