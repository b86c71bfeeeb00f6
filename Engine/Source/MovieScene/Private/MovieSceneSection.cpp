#include "MovieSceneSection.h"

UMovieSceneSection::UMovieSceneSection(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FMovieSceneChannelProxy& UMovieSceneSection::GetChannelProxy() const
{
	// Built on first use: the section's own CacheChannelProxy cannot run from the base constructor.
	if (!ChannelProxy.IsValid())
	{
		const_cast<UMovieSceneSection*>(this)->CacheChannelProxy();
	}
	return *ChannelProxy;
}

EMovieSceneChannelProxyType UMovieSceneSection::CacheChannelProxy()
{
	// A section without channels of its own has an empty proxy.
	ChannelProxy = MakeShared<FMovieSceneChannelProxy>();
	return EMovieSceneChannelProxyType::Static;
}
