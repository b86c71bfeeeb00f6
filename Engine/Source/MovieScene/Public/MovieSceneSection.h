// A section: a range of a track holding channels of keys.
#pragma once

#include "CoreMinimal.h"
#include "Channels/MovieSceneChannelProxy.h"
#include "Misc/EnumClassFlags.h"
#include "MovieSceneSignedObject.h"
#include "Templates/SharedPointer.h"

#include "MovieSceneSection.generated.h"

/** Defines for common transform 'type' sections. */
enum class EMovieSceneTransformChannel : uint32
{
	None = 0x000,

	TranslationX = 0x001,
	TranslationY = 0x002,
	TranslationZ = 0x004,
	Translation = TranslationX | TranslationY | TranslationZ,

	RotationX = 0x008,
	RotationY = 0x010,
	RotationZ = 0x020,
	Rotation = RotationX | RotationY | RotationZ,

	ScaleX = 0x040,
	ScaleY = 0x080,
	ScaleZ = 0x100,
	Scale = ScaleX | ScaleY | ScaleZ,

	AllTransform = Translation | Rotation | Scale,

	Weight = 0x200,

	All = Translation | Rotation | Scale | Weight,
};
ENUM_CLASS_FLAGS(EMovieSceneTransformChannel)

/** How a section's channel proxy is kept: built once, or rebuilt whenever it is asked for. */
enum class EMovieSceneChannelProxyType : uint8
{
	Static,
	Dynamic,
};

/** Base of every section; its channels are reached through GetChannelProxy(). */
UCLASS(Abstract)
class MOVIESCENE_API UMovieSceneSection : public UMovieSceneSignedObject
{
	GENERATED_BODY()

public:
	UMovieSceneSection(const FObjectInitializer& ObjectInitializer);

	/** This section's channels, grouped by type; the proxy is rebuilt when the channels change (use it at once). */
	FMovieSceneChannelProxy& GetChannelProxy() const;

protected:
	/** Builds ChannelProxy from this section's channels; sections with channels override it. */
	virtual EMovieSceneChannelProxyType CacheChannelProxy();

	/** The proxy of this section's channels. */
	TSharedPtr<FMovieSceneChannelProxy> ChannelProxy;
};
