// Copyright Quovex. All Rights Reserved.

#include "QuovexAdminEditorSubsystem.h"

#include "Channels/MovieSceneChannelProxy.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorAssetLibrary.h"
#include "LevelSequence.h"
#include "MovieScene.h"
#include "MovieSceneSection.h"
#include "MovieSceneTrack.h"
#include "Sections/MovieScene3DTransformSection.h"
#include "Tracks/MovieScene3DTransformTrack.h"

namespace QuovexAdminEditorSubsystem
{
	/** Camera bindings of a take are named after the camera actor: QuovexCamera, QuovexCamera_2 ... */
	static const TCHAR* const CameraBindingPrefix = TEXT("QuovexCamera");

	/** Tracker noise below a thousandth counts as no motion; the float literal is kept as takes were always judged with it. */
	static const double HeldKeyTolerance = 0.001f;

	/** Drops every key whose value the next key repeats, then lets the engine recompute the automatic tangents. */
	static void RemoveHeldKeys(FMovieSceneDoubleChannel& Channel)
	{
		TMovieSceneChannelData<FMovieSceneDoubleValue> ChannelData = Channel.GetData();
		const int32 NumKeys = ChannelData.GetTimes().Num();
		const TArrayView<FMovieSceneDoubleValue> Values = ChannelData.GetValues();

		// Every pair is judged before any key goes; "not greater" so that a pair with a NaN counts as held.
		TArray<FKeyHandle> KeysToRemove;
		for (int32 KeyIndex = 0; KeyIndex < NumKeys - 1; ++KeyIndex)
		{
			if (!(FMath::Abs(Values[KeyIndex].Value - Values[KeyIndex + 1].Value) > HeldKeyTolerance))
			{
				KeysToRemove.Add(ChannelData.GetHandle(KeyIndex));
			}
		}

		// By handle: each removal shifts the indices of the keys after it.
		for (const FKeyHandle KeyHandle : KeysToRemove)
		{
			const int32 KeyIndex = ChannelData.GetIndex(KeyHandle);
			if (KeyIndex != INDEX_NONE)
			{
				ChannelData.RemoveKey(KeyIndex);
			}
		}

		Channel.AutoSetTangents(0.0f);
	}
}

UQuovexAdminEditorSubsystem* UQuovexAdminEditorSubsystem::Get()
{
	return GEditor ? GEditor->GetEditorSubsystem<UQuovexAdminEditorSubsystem>() : nullptr;
}

bool UQuovexAdminEditorSubsystem::FixLevelSequence(ULevelSequence* LevelSequence)
{
	if (!LevelSequence)
	{
		return false;
	}
	UMovieScene* MovieScene = LevelSequence->GetMovieScene();
	if (!MovieScene)
	{
		return false;
	}

	// Locked takes are repaired too.
	MovieScene->Modify(true);
	MovieScene->SetReadOnly(false);

	// Copies, so that the walk stays stable while keys change underneath it.
	const TArray<FMovieSceneBinding> Bindings = MovieScene->GetBindings();
	for (const FMovieSceneBinding& Binding : Bindings)
	{
		if (!Binding.GetName().StartsWith(QuovexAdminEditorSubsystem::CameraBindingPrefix, ESearchCase::IgnoreCase))
		{
			continue;
		}

		const TArray<UMovieSceneTrack*> Tracks = Binding.GetTracks();
		for (UMovieSceneTrack* Track : Tracks)
		{
			if (!Track || !Track->GetClass()->IsChildOf(UMovieScene3DTransformTrack::StaticClass()))
			{
				continue;
			}

			const TArray<UMovieSceneSection*> Sections = Track->GetAllSections();
			for (UMovieSceneSection* Section : Sections)
			{
				if (!Section || !Section->GetClass()->IsChildOf(UMovieScene3DTransformSection::StaticClass()))
				{
					continue;
				}

				const FMovieSceneChannelEntry* DoubleChannels = Section->GetChannelProxy().FindEntry(FMovieSceneDoubleChannel::StaticStruct()->GetFName());
				if (!DoubleChannels)
				{
					continue;
				}
				for (FMovieSceneChannel* Channel : DoubleChannels->GetChannels())
				{
					if (Channel)
					{
						QuovexAdminEditorSubsystem::RemoveHeldKeys(*static_cast<FMovieSceneDoubleChannel*>(Channel));
					}
				}
			}
		}
	}

	// Always written, dirty or not; a failed save leaves the edits in memory with the asset dirty.
	UEditorAssetLibrary::SaveLoadedAsset(LevelSequence, false);
	return true;
}
