#include "Channels/MovieSceneChannel.h"

// Channel types override what they support; the rest is not part of the stand-in.

int32 FMovieSceneChannel::GetNumKeys() const
{
	checkf(false, TEXT("FMovieSceneChannel::GetNumKeys is not implemented for this channel type in the stand-in"));
	return 0;
}

FKeyHandle FMovieSceneChannel::GetHandle(int32 Index)
{
	checkf(false, TEXT("FMovieSceneChannel::GetHandle is not implemented for this channel type in the stand-in"));
	return FKeyHandle::Invalid();
}

int32 FMovieSceneChannel::GetIndex(FKeyHandle Handle)
{
	checkf(false, TEXT("FMovieSceneChannel::GetIndex is not implemented for this channel type in the stand-in"));
	return INDEX_NONE;
}

void FMovieSceneChannel::DeleteKeys(TArrayView<const FKeyHandle> InHandles)
{
	checkf(false, TEXT("FMovieSceneChannel::DeleteKeys is not implemented for this channel type in the stand-in"));
}

void FMovieSceneChannel::Reset()
{
	checkf(false, TEXT("FMovieSceneChannel::Reset is not implemented for this channel type in the stand-in"));
}
