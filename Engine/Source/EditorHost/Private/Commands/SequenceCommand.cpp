// `sequence <ObjectPath>`: every double channel of a level sequence, one line each, as the repair tools see it.

#include "CoreMinimal.h"
#include "Channels/MovieSceneChannelProxy.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "HostConsole.h"
#include "LevelSequence.h"
#include "Misc/OutputDevice.h"
#include "MovieScene.h"
#include "MovieSceneSection.h"
#include "MovieSceneTrack.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	const TCHAR* const SequenceUsage = TEXT("Usage: sequence <ObjectPath> (e.g. sequence /Game/Takes/Take_001)");

	/** "/Game/A/B" names the asset "/Game/A/B.B", as the content browser's paths do. */
	FString ToObjectPath(const FString& Path)
	{
		int32 Slash = INDEX_NONE;
		if (Path.Contains(TEXT(".")) || !Path.FindLastChar(TEXT('/'), Slash))
		{
			return Path;
		}
		return Path + TEXT(".") + Path.Mid(Slash + 1);
	}

	FString DescribeChannel(const FMovieSceneBinding& Binding, const UMovieSceneTrack& Track, int32 SectionIndex, int32 ChannelIndex, const FMovieSceneDoubleChannel& Channel)
	{
		TArray<FString> Values;
		for (const FMovieSceneDoubleValue& Value : Channel.GetValues())
		{
			Values.Add(FString::SanitizeFloat(Value.Value));
		}
		return FString::Printf(TEXT("%s | %s | %d | %d | %d | %s"), *Binding.GetName(), *Track.GetClass()->GetName(), SectionIndex, ChannelIndex, Channel.GetNumKeys(), *FString::Join(Values, TEXT(" ")));
	}

	bool RunSequenceCommand(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error) || Words.Num() != 1 || Words[0].IsEmpty())
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("sequence: %s%s"), Error.IsEmpty() ? TEXT("") : *(Error + TEXT("; ")), SequenceUsage));
			return false;
		}
		const FString ObjectPath = ToObjectPath(Words[0]);
		if (!ObjectPath.StartsWith(TEXT("/")))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("sequence: '%s' is not an object path; %s"), *Words[0], SequenceUsage));
			return false;
		}
		UObject* Object = StaticLoadObject(UObject::StaticClass(), nullptr, *ObjectPath, nullptr, LOAD_NoWarn);
		if (!Object)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("sequence: no asset at %s"), *ObjectPath));
			return false;
		}
		const ULevelSequence* Sequence = Cast<ULevelSequence>(Object);
		if (!Sequence)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("sequence: %s is a %s, not a level sequence"), *ObjectPath, *Object->GetClass()->GetName()));
			return false;
		}
		UMovieScene* MovieScene = Sequence->GetMovieScene();
		if (!MovieScene)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("sequence: %s has no movie scene"), *ObjectPath));
			return false;
		}

		int32 NumChannels = 0;
		for (const FMovieSceneBinding& Binding : MovieScene->GetBindings())
		{
			for (const UMovieSceneTrack* Track : Binding.GetTracks())
			{
				if (!Track)
				{
					continue;
				}
				const TArray<UMovieSceneSection*>& Sections = Track->GetAllSections();
				for (int32 SectionIndex = 0; SectionIndex < Sections.Num(); ++SectionIndex)
				{
					if (!Sections[SectionIndex])
					{
						continue;
					}
					const FMovieSceneChannelEntry* Entry = Sections[SectionIndex]->GetChannelProxy().FindEntry(FMovieSceneDoubleChannel::StaticStruct()->GetFName());
					if (!Entry)
					{
						continue;
					}
					const TArrayView<FMovieSceneChannel* const> Channels = Entry->GetChannels();
					for (int32 ChannelIndex = 0; ChannelIndex < Channels.Num(); ++ChannelIndex)
					{
						Ar.Log(DescribeChannel(Binding, *Track, SectionIndex, ChannelIndex, *static_cast<const FMovieSceneDoubleChannel*>(Channels[ChannelIndex])));
						++NumChannels;
					}
				}
			}
		}
		if (NumChannels == 0)
		{
			Ar.Log(FString::Printf(TEXT("%s has no double channels"), *ObjectPath));
		}
		return true;
	}

	FHostConsoleCommandRegistrant GSequenceCommand(
		TEXT("sequence"),
		TEXT("sequence <ObjectPath>: every double channel of a level sequence (binding | track class | section | channel | key count | values)"),
		&RunSequenceCommand);
}
