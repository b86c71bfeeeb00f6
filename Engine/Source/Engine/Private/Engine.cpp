#include "Engine/Engine.h"

#include "Engine/World.h"
#include "HAL/IConsoleManager.h"
#include "Misc/OutputDevice.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogEngineWorld, Log, All);

UEngine* GEngine = nullptr;

FWorldContext::FWorldContext()
	: WorldType(EWorldType::None)
	, ContextHandle(NAME_None)
	, PIEInstance(-1)
	, ThisCurrentWorld(nullptr)
{
}

void FWorldContext::SetCurrentWorld(UWorld* World)
{
	ThisCurrentWorld = World;
}

UEngine::UEngine(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, NextWorldContextHandle(0)
{
}

void UEngine::Init(IEngineLoop* InEngineLoop)
{
	EngineSubsystemCollection.Initialize(this);
}

void UEngine::PreExit()
{
	EngineSubsystemCollection.Deinitialize();
}

void UEngine::Tick(float DeltaSeconds, bool bIdleMode)
{
	// The stand-in has no per-frame simulation of its own; subclasses process their deferred requests.
}

bool UEngine::Exec(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar)
{
	// Console variables and console commands come first, as the engine's console routes them.
	if (IConsoleManager::Get().ProcessUserConsoleInput(Cmd, Ar, InWorld))
	{
		return true;
	}
	return StaticExec(InWorld, Cmd, Ar);
}

FWorldContext& UEngine::CreateNewWorldContext(EWorldType::Type WorldType)
{
	FWorldContext* Context = new FWorldContext();
	Context->WorldType = WorldType;
	Context->ContextHandle = FName(*FString::Printf(TEXT("Context_%d"), NextWorldContextHandle++));
	WorldList.Add(Context);
	return *Context;
}

void UEngine::DestroyWorldContext(UWorld* InWorld)
{
	for (int32 Index = 0; Index < WorldList.Num(); ++Index)
	{
		if (WorldList[Index].World() == InWorld)
		{
			WorldList.RemoveAt(Index);
			return;
		}
	}
}

FWorldContext* UEngine::GetWorldContextFromWorld(const UWorld* InWorld)
{
	for (FWorldContext& Context : WorldList)
	{
		if (Context.World() == InWorld)
		{
			return &Context;
		}
	}
	return nullptr;
}

const FWorldContext* UEngine::GetWorldContextFromWorld(const UWorld* InWorld) const
{
	return const_cast<UEngine*>(this)->GetWorldContextFromWorld(InWorld);
}

FWorldContext& UEngine::GetWorldContextFromWorldChecked(const UWorld* InWorld)
{
	FWorldContext* Context = GetWorldContextFromWorld(InWorld);
	checkf(Context, TEXT("No world context holds world %s"), InWorld ? *InWorld->GetName() : TEXT("None"));
	return *Context;
}

UWorld* UEngine::GetWorldFromContextObject(const UObject* Object, EGetWorldErrorMode ErrorMode) const
{
	if (Object == nullptr)
	{
		switch (ErrorMode)
		{
			case EGetWorldErrorMode::Assert:
				checkf(false, TEXT("A null object was passed as a world context object to UEngine::GetWorldFromContextObject()."));
				break;
			case EGetWorldErrorMode::LogAndReturnNull:
				UE_LOG(LogEngineWorld, Warning, TEXT("A null object was passed as a world context object to UEngine::GetWorldFromContextObject()."));
				break;
			case EGetWorldErrorMode::ReturnNull:
				break;
		}
		return nullptr;
	}

	UWorld* World = Object->GetWorld();
	if (World == nullptr)
	{
		if (ErrorMode == EGetWorldErrorMode::Assert)
		{
			checkf(false, TEXT("No world was found for object (%s) passed in to UEngine::GetWorldFromContextObject()."), *Object->GetFullName());
		}
		else if (ErrorMode == EGetWorldErrorMode::LogAndReturnNull)
		{
			UE_LOG(LogEngineWorld, Warning, TEXT("No world was found for object (%s) passed in to UEngine::GetWorldFromContextObject()."), *Object->GetFullName());
		}
	}
	return World;
}

UWorld* UEngine::GetCurrentPlayWorld(UWorld* PossiblePlayWorld) const
{
	if (PossiblePlayWorld && PossiblePlayWorld->IsGameWorld())
	{
		return PossiblePlayWorld;
	}
	for (const FWorldContext& Context : WorldList)
	{
		if ((Context.WorldType == EWorldType::Game || Context.WorldType == EWorldType::PIE) && Context.World())
		{
			return Context.World();
		}
	}
	return nullptr;
}
