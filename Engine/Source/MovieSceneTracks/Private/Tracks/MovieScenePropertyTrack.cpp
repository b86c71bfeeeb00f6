#include "Tracks/MovieScenePropertyTrack.h"

#include "MovieSceneSection.h"

UMovieScenePropertyTrack::UMovieScenePropertyTrack(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

const TArray<UMovieSceneSection*>& UMovieScenePropertyTrack::GetAllSections() const
{
	return ToRawPtrTArrayUnsafe(Sections);
}

void UMovieScenePropertyTrack::AddSection(UMovieSceneSection& Section)
{
	Sections.Add(&Section);
}

void UMovieScenePropertyTrack::RemoveSection(UMovieSceneSection& Section)
{
	Sections.RemoveSingle(&Section);
}

bool UMovieScenePropertyTrack::HasSection(const UMovieSceneSection& Section) const
{
	return Sections.Contains(&Section);
}

bool UMovieScenePropertyTrack::IsEmpty() const
{
	return Sections.Num() == 0;
}
