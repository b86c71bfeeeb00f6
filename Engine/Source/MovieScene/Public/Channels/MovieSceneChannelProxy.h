// The channels a section exposes, grouped by channel type.
#pragma once

#include "CoreMinimal.h"
#include "Channels/MovieSceneChannel.h"
#include "Channels/MovieSceneChannelEditorData.h"
#include "Templates/SharedPointer.h"

/** The channels of one type in a proxy, in the order the section added them. */
struct FMovieSceneChannelEntry
{
	/** The struct name of this entry's channel type ("MovieSceneDoubleChannel"). */
	FName GetChannelTypeName() const
	{
		return ChannelTypeName;
	}

	/** The channels of this type. */
	TArrayView<FMovieSceneChannel* const> GetChannels() const
	{
		return Channels;
	}

	/** Meta data of each channel, parallel to GetChannels(). */
	TArrayView<const FMovieSceneChannelMetaData> GetMetaData() const
	{
		return MetaData;
	}

private:
	friend struct FMovieSceneChannelProxyData;
	friend struct FMovieSceneChannelProxy;

	FName ChannelTypeName;
	TArray<FMovieSceneChannel*> Channels;
	TArray<FMovieSceneChannelMetaData> MetaData;
};

/** What a section hands its proxy: its channels with their meta data. */
struct MOVIESCENE_API FMovieSceneChannelProxyData
{
	/** Adds a channel; entries are kept sorted by channel type name, channels of one type in the order added. */
	template<typename ChannelType>
	void Add(ChannelType& InChannel, const FMovieSceneChannelMetaData& InMetaData)
	{
		FMovieSceneChannelEntry& Entry = FindOrAddEntry(ChannelType::StaticStruct()->GetFName());
		Entry.Channels.Add(&InChannel);
		Entry.MetaData.Add(InMetaData);
	}

private:
	friend struct FMovieSceneChannelProxy;

	FMovieSceneChannelEntry& FindOrAddEntry(FName ChannelTypeName);

	TArray<FMovieSceneChannelEntry> Entries;
};

/**
 * The channels of a section, grouped by type. The proxy holds pointers into the section: use it at once and do not
 * keep it, as the section may rebuild it (a transform section does when its mask changes).
 */
struct MOVIESCENE_API FMovieSceneChannelProxy : public TSharedFromThis<FMovieSceneChannelProxy>
{
	FMovieSceneChannelProxy() = default;

	explicit FMovieSceneChannelProxy(FMovieSceneChannelProxyData&& InChannels);

	/** Every entry, sorted by channel type name. */
	TArrayView<const FMovieSceneChannelEntry> GetAllEntries() const
	{
		return Entries;
	}

	/** The entry of the channel type with this struct name; nullptr when the section has no channel of that type. */
	const FMovieSceneChannelEntry* FindEntry(FName ChannelTypeName) const;

	/** The channel of a type at an index within its entry; nullptr when there is none. */
	FMovieSceneChannel* GetChannel(FName ChannelTypeName, int32 ChannelIndex) const;

	template<typename ChannelType>
	ChannelType* GetChannel(int32 ChannelIndex) const
	{
		return static_cast<ChannelType*>(GetChannel(ChannelType::StaticStruct()->GetFName(), ChannelIndex));
	}

	/** The total number of channels of every type. */
	int32 NumChannels() const;

private:
	TArray<FMovieSceneChannelEntry> Entries;
};
