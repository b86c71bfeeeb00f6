#include "Engine/GameEngine.h"

#include "Engine/World.h"

UGameEngine::UGameEngine(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UGameEngine::Init(IEngineLoop* InEngineLoop)
{
	Super::Init(InEngineLoop);

	FWorldContext& Context = CreateNewWorldContext(EWorldType::Game);
	Context.SetCurrentWorld(UWorld::CreateWorld(EWorldType::Game, false, FName(TEXT("Untitled"))));
}

void UGameEngine::PreExit()
{
	// The game world ends play before the engine subsystems go.
	if (UWorld* World = GetGameWorld())
	{
		World->DestroyWorld(true);
	}
	Super::PreExit();
}

UWorld* UGameEngine::GetGameWorld() const
{
	for (const FWorldContext& Context : WorldList)
	{
		if (Context.WorldType == EWorldType::Game)
		{
			return Context.World();
		}
	}
	return nullptr;
}
