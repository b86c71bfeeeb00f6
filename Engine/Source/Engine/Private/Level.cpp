#include "Engine/Level.h"

#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "UObject/UObjectGlobals.h"

ULevel::ULevel(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void ULevel::PostLoad()
{
	Super::PostLoad();

	// Actors listed as the level's subobjects belong to it even when the file has no Actors list.
	TArray<UObject*> Inner;
	GetObjectsWithOuter(this, Inner, false);
	for (UObject* Object : Inner)
	{
		AActor* Actor = Cast<AActor>(Object);
		if (Actor && !Actors.Contains(Actor))
		{
			Actors.Add(Actor);
		}
	}
	if (OwningWorld == nullptr)
	{
		OwningWorld = Cast<UWorld>(GetOuter());
	}
}

UWorld* ULevel::GetWorld() const
{
	return OwningWorld;
}
