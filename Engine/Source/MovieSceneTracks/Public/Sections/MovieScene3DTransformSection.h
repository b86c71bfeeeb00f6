// A section of a transform track: nine double channels (location, rotation, scale) and a weight channel.
#pragma once

#include "CoreMinimal.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "Channels/MovieSceneFloatChannel.h"
#include "MovieSceneSection.h"

#include "MovieScene3DTransformSection.generated.h"

/** Which channels of a transform section are animated. */
USTRUCT()
struct MOVIESCENETRACKS_API FMovieSceneTransformMask
{
	GENERATED_BODY()

	FMovieSceneTransformMask()
		: Mask(0)
	{
	}

	FMovieSceneTransformMask(EMovieSceneTransformChannel Channel)
		: Mask((uint32)Channel)
	{
	}

	EMovieSceneTransformChannel GetChannels() const
	{
		return (EMovieSceneTransformChannel)Mask;
	}

private:
	UPROPERTY()
	uint32 Mask;
};

/** A 3D transform section. */
UCLASS()
class MOVIESCENETRACKS_API UMovieScene3DTransformSection : public UMovieSceneSection
{
	GENERATED_BODY()

public:
	UMovieScene3DTransformSection(const FObjectInitializer& ObjectInitializer);

	FMovieSceneTransformMask GetMask() const
	{
		return TransformMask;
	}

	/** Sets which channels are animated; the channel proxy is rebuilt. */
	void SetMask(FMovieSceneTransformMask NewMask);

	virtual void PostLoad() override;

protected:
	virtual EMovieSceneChannelProxyType CacheChannelProxy() override;

	UPROPERTY()
	FMovieSceneTransformMask TransformMask;

	// The engine keeps these as Translation[3], Rotation[3] and Scale[3]; the stand-in's header tool reflects no
	// static arrays, so each channel is its own member (in the same order).

	/** Translation curves. */
	UPROPERTY()
	FMovieSceneDoubleChannel TranslationX;

	UPROPERTY()
	FMovieSceneDoubleChannel TranslationY;

	UPROPERTY()
	FMovieSceneDoubleChannel TranslationZ;

	/** Rotation curves (roll, pitch, yaw). */
	UPROPERTY()
	FMovieSceneDoubleChannel RotationX;

	UPROPERTY()
	FMovieSceneDoubleChannel RotationY;

	UPROPERTY()
	FMovieSceneDoubleChannel RotationZ;

	/** Scale curves. */
	UPROPERTY()
	FMovieSceneDoubleChannel ScaleX;

	UPROPERTY()
	FMovieSceneDoubleChannel ScaleY;

	UPROPERTY()
	FMovieSceneDoubleChannel ScaleZ;

	/** Manual weight curve. */
	UPROPERTY()
	FMovieSceneFloatChannel ManualWeight;
};
