#include "MovieScene.h"

#include "MovieSceneTrack.h"

UMovieScene::UMovieScene(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, TickResolution(24000, 1)
	, DisplayRate(30, 1)
#if WITH_EDITORONLY_DATA
	, bReadOnly(false)
#endif
{
}

void UMovieScene::PostLoad()
{
	Super::PostLoad();
	for (FMovieSceneBinding& Binding : ObjectBindings)
	{
		Binding.RemoveNullTracks();
	}
}

FGuid UMovieScene::AddPossessable(const FString& Name, UClass* Class)
{
	Modify();
	const FGuid NewGuid = FGuid::NewGuid();
	ObjectBindings.Add(FMovieSceneBinding(NewGuid, Name));
	return NewGuid;
}

FMovieSceneBinding* UMovieScene::FindBinding(const FGuid& ForGuid)
{
	for (FMovieSceneBinding& Binding : ObjectBindings)
	{
		if (Binding.GetObjectGuid() == ForGuid)
		{
			return &Binding;
		}
	}
	return nullptr;
}

UMovieSceneTrack* UMovieScene::AddTrack(TSubclassOf<UMovieSceneTrack> TrackClass, const FGuid& ObjectGuid)
{
	if (!FindBinding(ObjectGuid) || !TrackClass)
	{
		return nullptr;
	}
	Modify();
	UMovieSceneTrack* Track = NewObject<UMovieSceneTrack>(this, TrackClass, NAME_None, RF_Transactional);
	FindBinding(ObjectGuid)->AddTrack(*Track);
	return Track;
}

bool UMovieScene::AddGivenTrack(UMovieSceneTrack* InTrack, const FGuid& ObjectGuid)
{
	FMovieSceneBinding* Binding = FindBinding(ObjectGuid);
	if (!InTrack || !Binding)
	{
		return false;
	}
	Modify();
	Binding->AddTrack(*InTrack);
	return true;
}

UMovieSceneTrack* UMovieScene::FindTrack(TSubclassOf<UMovieSceneTrack> TrackClass, const FGuid& ObjectGuid) const
{
	for (const FMovieSceneBinding& Binding : ObjectBindings)
	{
		if (Binding.GetObjectGuid() != ObjectGuid)
		{
			continue;
		}
		for (UMovieSceneTrack* Track : Binding.GetTracks())
		{
			if (Track && Track->GetClass() == TrackClass)
			{
				return Track;
			}
		}
	}
	return nullptr;
}

bool UMovieScene::RemoveTrack(UMovieSceneTrack& Track)
{
	for (FMovieSceneBinding& Binding : ObjectBindings)
	{
		if (Binding.GetTracks().Contains(&Track))
		{
			Modify();
			return Binding.RemoveTrack(Track);
		}
	}
	return false;
}
