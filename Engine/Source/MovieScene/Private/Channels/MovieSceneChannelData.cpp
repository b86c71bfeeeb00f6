#include "Channels/MovieSceneChannelData.h"

FMovieSceneChannelData::FMovieSceneChannelData(TArray<FFrameNumber>* InTimes, FKeyHandleLookupTable* InKeyHandles)
	: Times(InTimes)
	, KeyHandles(InKeyHandles)
{
}

FKeyHandle FMovieSceneChannelData::GetHandle(int32 Index)
{
	checkf(Times->IsValidIndex(Index), TEXT("FMovieSceneChannelData::GetHandle: no key at index %d of %d"), Index, Times->Num());
	return KeyHandles ? KeyHandles->FindOrAddKeyHandle(Index) : FKeyHandle::Invalid();
}

int32 FMovieSceneChannelData::GetIndex(FKeyHandle Handle)
{
	return KeyHandles ? KeyHandles->GetIndex(Handle) : INDEX_NONE;
}

int32 FMovieSceneChannelData::FindKey(FFrameNumber InTime, FFrameNumber InTolerance)
{
	const int32 Candidate = GetInsertIndex(FFrameNumber(InTime.Value - InTolerance.Value - 1));
	return Candidate < Times->Num() && (*Times)[Candidate].Value <= InTime.Value + InTolerance.Value ? Candidate : INDEX_NONE;
}

int32 FMovieSceneChannelData::GetInsertIndex(FFrameNumber InTime) const
{
	// Upper bound: the first key after InTime.
	int32 First = 0;
	int32 Count = Times->Num();
	while (Count > 0)
	{
		const int32 Half = Count / 2;
		if ((*Times)[First + Half] <= InTime)
		{
			First += Half + 1;
			Count -= Half + 1;
		}
		else
		{
			Count = Half;
		}
	}
	return First;
}
