// Iteration over the actors of a world.

#pragma once

#include "CoreMinimal.h"
#include "Engine/World.h"
#include "Engine/Level.h"
#include "GameFramework/Actor.h"

/** Walks a world's live actors of a class (and subclasses) in level order. The set is taken when the iterator is made. */
template<typename ActorType>
class TActorIterator
{
public:
	explicit TActorIterator(const UWorld* InWorld, TSubclassOf<ActorType> InClass = ActorType::StaticClass())
		: Index(-1)
	{
		if (InWorld && InWorld->PersistentLevel)
		{
			const TArray<TObjectPtr<AActor>>& LevelActors = InWorld->PersistentLevel->Actors;
			Actors.Reserve(LevelActors.Num());
			// Every actor is an AActor: the common whole-world walk skips the class test.
			const bool bAnyActor = InClass.Get() == AActor::StaticClass();
			for (AActor* Actor : LevelActors)
			{
				if (IsValid(Actor) && !Actor->IsPendingKillPending() && (bAnyActor || Actor->IsA(InClass)))
				{
					Actors.Add(static_cast<ActorType*>(Actor));
				}
			}
		}
		++(*this);
	}

	ActorType* operator*() const
	{
		return Actors[Index];
	}

	ActorType* operator->() const
	{
		return Actors[Index];
	}

	explicit operator bool() const
	{
		return Actors.IsValidIndex(Index);
	}

	TActorIterator& operator++()
	{
		// An actor destroyed after the snapshot is skipped rather than returned.
		do
		{
			++Index;
		} while (Actors.IsValidIndex(Index) && (!IsValid(Actors[Index]) || Actors[Index]->IsPendingKillPending()));
		return *this;
	}

private:
	TArray<ActorType*> Actors;
	int32 Index;
};

/** Walks every live actor of a world. */
class FActorIterator : public TActorIterator<AActor>
{
public:
	explicit FActorIterator(const UWorld* InWorld)
		: TActorIterator<AActor>(InWorld)
	{
	}
};

/** Range-for adaptor over TActorIterator. */
template<typename ActorType>
class TActorRange
{
public:
	explicit TActorRange(const UWorld* InWorld, TSubclassOf<ActorType> InClass = ActorType::StaticClass())
		: World(InWorld)
		, Class(InClass)
	{
	}

	struct FIterator
	{
		TActorIterator<ActorType>* It;
		ActorType* operator*() const
		{
			return **It;
		}
		FIterator& operator++()
		{
			++(*It);
			return *this;
		}
		bool operator!=(const FIterator&) const
		{
			return It && static_cast<bool>(*It);
		}
	};

	FIterator begin()
	{
		Iterator = MakeUnique<TActorIterator<ActorType>>(World, Class);
		return FIterator{ Iterator.Get() };
	}

	FIterator end()
	{
		return FIterator{ nullptr };
	}

private:
	const UWorld* World;
	TSubclassOf<ActorType> Class;
	TUniquePtr<TActorIterator<ActorType>> Iterator;
};
