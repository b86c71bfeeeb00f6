#include "MovieSceneTrack.h"

#include "MovieSceneSection.h"

UMovieSceneTrack::UMovieSceneTrack(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

const TArray<UMovieSceneSection*>& UMovieSceneTrack::GetAllSections() const
{
	// A track without sections of its own (the engine's pure virtual default).
	static const TArray<UMovieSceneSection*> NoSections;
	return NoSections;
}

bool UMovieSceneTrack::SupportsType(TSubclassOf<UMovieSceneSection> SectionClass) const
{
	return false;
}

UMovieSceneSection* UMovieSceneTrack::CreateNewSection()
{
	checkf(false, TEXT("%s::CreateNewSection is not implemented in the stand-in"), *GetClass()->GetName());
	return nullptr;
}

void UMovieSceneTrack::AddSection(UMovieSceneSection& Section)
{
	checkf(false, TEXT("%s::AddSection is not implemented in the stand-in"), *GetClass()->GetName());
}

void UMovieSceneTrack::RemoveSection(UMovieSceneSection& Section)
{
	checkf(false, TEXT("%s::RemoveSection is not implemented in the stand-in"), *GetClass()->GetName());
}

bool UMovieSceneTrack::HasSection(const UMovieSceneSection& Section) const
{
	return GetAllSections().Contains(&Section);
}

bool UMovieSceneTrack::IsEmpty() const
{
	return GetAllSections().Num() == 0;
}
