#include "Sections/MovieSceneDoubleSection.h"

UMovieSceneDoubleSection::UMovieSceneDoubleSection(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

EMovieSceneChannelProxyType UMovieSceneDoubleSection::CacheChannelProxy()
{
	FMovieSceneChannelProxyData Channels;
	Channels.Add(DoubleCurve, FMovieSceneChannelMetaData());
	ChannelProxy = MakeShared<FMovieSceneChannelProxy>(MoveTemp(Channels));
	return EMovieSceneChannelProxyType::Static;
}
