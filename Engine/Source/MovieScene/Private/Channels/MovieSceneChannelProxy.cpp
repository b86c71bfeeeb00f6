#include "Channels/MovieSceneChannelProxy.h"

FMovieSceneChannelEntry& FMovieSceneChannelProxyData::FindOrAddEntry(FName ChannelTypeName)
{
	const FString TypeName = ChannelTypeName.ToString();
	int32 InsertIndex = 0;
	for (; InsertIndex < Entries.Num(); ++InsertIndex)
	{
		if (Entries[InsertIndex].ChannelTypeName == ChannelTypeName)
		{
			return Entries[InsertIndex];
		}
		if (TypeName.Compare(Entries[InsertIndex].ChannelTypeName.ToString(), ESearchCase::IgnoreCase) < 0)
		{
			break;
		}
	}
	FMovieSceneChannelEntry Entry;
	Entry.ChannelTypeName = ChannelTypeName;
	Entries.Insert(MoveTemp(Entry), InsertIndex);
	return Entries[InsertIndex];
}

FMovieSceneChannelProxy::FMovieSceneChannelProxy(FMovieSceneChannelProxyData&& InChannels)
	: Entries(MoveTemp(InChannels.Entries))
{
}

const FMovieSceneChannelEntry* FMovieSceneChannelProxy::FindEntry(FName ChannelTypeName) const
{
	for (const FMovieSceneChannelEntry& Entry : Entries)
	{
		if (Entry.ChannelTypeName == ChannelTypeName)
		{
			return &Entry;
		}
	}
	return nullptr;
}

FMovieSceneChannel* FMovieSceneChannelProxy::GetChannel(FName ChannelTypeName, int32 ChannelIndex) const
{
	const FMovieSceneChannelEntry* Entry = FindEntry(ChannelTypeName);
	return Entry && Entry->Channels.IsValidIndex(ChannelIndex) ? Entry->Channels[ChannelIndex] : nullptr;
}

int32 FMovieSceneChannelProxy::NumChannels() const
{
	int32 Count = 0;
	for (const FMovieSceneChannelEntry& Entry : Entries)
	{
		Count += Entry.Channels.Num();
	}
	return Count;
}
