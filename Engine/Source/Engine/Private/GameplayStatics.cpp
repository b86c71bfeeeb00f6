#include "Kismet/GameplayStatics.h"

#include "Engine/Engine.h"
#include "EngineUtils.h"

static UWorld* GetQueryWorld(const UObject* WorldContextObject)
{
	return GEngine ? GEngine->GetWorldFromContextObject(WorldContextObject, EGetWorldErrorMode::LogAndReturnNull) : nullptr;
}

void UGameplayStatics::GetAllActorsOfClass(const UObject* WorldContextObject, TSubclassOf<AActor> ActorClass, TArray<AActor*>& OutActors)
{
	OutActors.Reset();
	if (ActorClass == nullptr)
	{
		return;
	}
	if (UWorld* World = GetQueryWorld(WorldContextObject))
	{
		for (TActorIterator<AActor> It(World, ActorClass); It; ++It)
		{
			OutActors.Add(*It);
		}
	}
}

void UGameplayStatics::GetAllActorsWithTag(const UObject* WorldContextObject, FName Tag, TArray<AActor*>& OutActors)
{
	OutActors.Reset();
	// No tag means no actors, not every actor.
	if (Tag == NAME_None)
	{
		return;
	}
	if (UWorld* World = GetQueryWorld(WorldContextObject))
	{
		for (FActorIterator It(World); It; ++It)
		{
			if (It->ActorHasTag(Tag))
			{
				OutActors.Add(*It);
			}
		}
	}
}

void UGameplayStatics::GetAllActorsOfClassWithTag(const UObject* WorldContextObject, TSubclassOf<AActor> ActorClass, FName Tag, TArray<AActor*>& OutActors)
{
	OutActors.Reset();
	if (ActorClass == nullptr || Tag == NAME_None)
	{
		return;
	}
	if (UWorld* World = GetQueryWorld(WorldContextObject))
	{
		for (TActorIterator<AActor> It(World, ActorClass); It; ++It)
		{
			if (It->ActorHasTag(Tag))
			{
				OutActors.Add(*It);
			}
		}
	}
}

AActor* UGameplayStatics::GetActorOfClass(const UObject* WorldContextObject, TSubclassOf<AActor> ActorClass)
{
	if (ActorClass == nullptr)
	{
		return nullptr;
	}
	if (UWorld* World = GetQueryWorld(WorldContextObject))
	{
		for (TActorIterator<AActor> It(World, ActorClass); It; ++It)
		{
			return *It;
		}
	}
	return nullptr;
}
