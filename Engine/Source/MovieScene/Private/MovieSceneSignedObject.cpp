#include "MovieSceneSignedObject.h"

#include "MovieSceneSequence.h"

UMovieSceneSignedObject::UMovieSceneSignedObject(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UMovieSceneSequence::UMovieSceneSequence(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UMovieScene* UMovieSceneSequence::GetMovieScene() const
{
	checkf(false, TEXT("UMovieSceneSequence::GetMovieScene is pure virtual: %s must override it"), *GetClass()->GetName());
	return nullptr;
}
