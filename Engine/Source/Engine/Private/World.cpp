#include "Engine/World.h"

#include "Engine/Engine.h"
#include "Engine/Level.h"
#include "GameFramework/Actor.h"
#include "Components/SceneComponent.h"
#include "CoreGlobals.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogSpawn, Log, All);

FActorSpawnParameters::FActorSpawnParameters()
	: Name(NAME_None)
	, Template(nullptr)
	, Owner(nullptr)
	, OverrideLevel(nullptr)
	, NameMode(ESpawnActorNameMode::Required_Fatal)
	, ObjectFlags(RF_Transactional)
{
}

UWorld::UWorld(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, WorldType(EWorldType::None)
	, bIsWorldInitialized(false)
	, bBegunPlay(false)
{
}

void UWorld::BeginDestroy()
{
	// A world collected without being cleaned up still lets its subsystems go first.
	if (bIsWorldInitialized)
	{
		CleanupWorld();
	}
	Super::BeginDestroy();
}

void UWorld::InitWorld(const InitializationValues IVS)
{
	checkf(!bIsWorldInitialized, TEXT("World %s is already initialised"), *GetPathName());
	SubsystemCollection.Initialize(this);
	bIsWorldInitialized = true;
}

void UWorld::CleanupWorld(bool bSessionEnded, bool bCleanupResources, UWorld* NewWorld)
{
	if (!bIsWorldInitialized)
	{
		return;
	}
	SubsystemCollection.Deinitialize();
	bIsWorldInitialized = false;
}

void UWorld::PostLoad()
{
	Super::PostLoad();

	// A map file names its level as a subobject; adopt it when the reference was not written out.
	if (PersistentLevel == nullptr)
	{
		TArray<UObject*> Inner;
		GetObjectsWithOuter(this, Inner, false);
		for (UObject* Object : Inner)
		{
			if (ULevel* Level = Cast<ULevel>(Object))
			{
				PersistentLevel = Level;
				break;
			}
		}
	}
	if (PersistentLevel == nullptr)
	{
		PersistentLevel = NewObject<ULevel>(this, FName(TEXT("PersistentLevel")));
	}
	PersistentLevel->OwningWorld = this;
}

ULevel* UWorld::GetCurrentLevel() const
{
	return PersistentLevel;
}

UWorld* UWorld::CreateWorld(const EWorldType::Type InWorldType, bool bInformEngineOfWorld, FName WorldName, UPackage* InWorldPackage, bool bAddToRoot)
{
	UPackage* WorldPackage = InWorldPackage;
	if (WorldPackage == nullptr)
	{
		const FName PackageName = MakeUniqueObjectName(nullptr, UPackage::StaticClass(), FName(TEXT("/Temp/Untitled")));
		WorldPackage = CreatePackage(*PackageName.ToString());
		WorldPackage->SetPackageFlags(PKG_NewlyCreated);
	}
	if (InWorldType == EWorldType::PIE)
	{
		WorldPackage->SetPackageFlags(PKG_PlayInEditor);
	}

	const FName Name = WorldName != NAME_None ? WorldName : FName(TEXT("NewWorld"));
	UWorld* World = NewObject<UWorld>(WorldPackage, Name, RF_Public | RF_Standalone | RF_Transactional);
	World->WorldType = InWorldType;
	World->PersistentLevel = NewObject<ULevel>(World, FName(TEXT("PersistentLevel")));
	World->PersistentLevel->OwningWorld = World;
	World->InitWorld();

	if (bAddToRoot)
	{
		World->AddToRoot();
	}
	if (bInformEngineOfWorld && GEngine)
	{
		GEngine->CreateNewWorldContext(InWorldType).SetCurrentWorld(World);
	}
	return World;
}

void UWorld::DestroyWorld(bool bInformEngineOfWorld, UWorld* NewWorld)
{
	const EEndPlayReason::Type Reason = WorldType == EWorldType::PIE ? EEndPlayReason::EndPlayInEditor : EEndPlayReason::Quit;

	// Tearing a world down is not deleting its actors one by one: no level-actor events fire.
	if (PersistentLevel)
	{
		TArray<AActor*> Actors;
		for (AActor* Actor : PersistentLevel->Actors)
		{
			if (Actor)
			{
				Actors.Add(Actor);
			}
		}
		for (AActor* Actor : Actors)
		{
			if (Actor->HasActorBegunPlay())
			{
				Actor->EndPlay(Reason);
			}
		}
		for (AActor* Actor : Actors)
		{
			for (UActorComponent* Component : TArray<UActorComponent*>(Actor->GetComponents()))
			{
				Component->MarkAsGarbage();
			}
			Actor->MarkAsGarbage();
		}
		PersistentLevel->Actors.Empty();
		PersistentLevel->MarkAsGarbage();
	}
	bBegunPlay = false;
	CleanupWorld();

	if (bInformEngineOfWorld && GEngine)
	{
		GEngine->DestroyWorldContext(this);
	}
	RemoveFromRoot();
	MarkAsGarbage();
}

AActor* UWorld::SpawnActor(UClass* Class, FVector const* Location, FRotator const* Rotation, const FActorSpawnParameters& SpawnParameters)
{
	if (Class == nullptr)
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because no class was specified"));
		return nullptr;
	}
	if (Class->HasAnyClassFlags(CLASS_Deprecated))
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because class %s is deprecated"), *Class->GetName());
		return nullptr;
	}
	if (Class->HasAnyClassFlags(CLASS_Abstract))
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because class %s is abstract"), *Class->GetName());
		return nullptr;
	}
	if (!Class->IsChildOf(AActor::StaticClass()))
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because %s is not an actor class"), *Class->GetName());
		return nullptr;
	}
	if (SpawnParameters.Template && SpawnParameters.Template->GetClass() != Class)
	{
		UE_LOG(LogSpawn, Warning, TEXT("SpawnActor failed because template class (%s) does not match spawn class (%s)"), *SpawnParameters.Template->GetClass()->GetName(), *Class->GetName());
		return nullptr;
	}

	ULevel* Level = SpawnParameters.OverrideLevel ? SpawnParameters.OverrideLevel : GetCurrentLevel();
	checkf(Level, TEXT("SpawnActor needs a level in world %s"), *GetName());

	FName NewName = SpawnParameters.Name;
	if (NewName == NAME_None)
	{
		NewName = MakeUniqueObjectName(Level, Class, Class->GetFName());
	}
	else if (StaticFindObjectFast(nullptr, Level, NewName) != nullptr)
	{
		switch (SpawnParameters.NameMode)
		{
			case ESpawnActorNameMode::Required_Fatal:
				UE_LOG(LogSpawn, Fatal, TEXT("An actor of name '%s' already exists in level '%s'."), *NewName.ToString(), *Level->GetFullName());
				return nullptr;
			case ESpawnActorNameMode::Required_ErrorAndReturnNull:
				UE_LOG(LogSpawn, Error, TEXT("An actor of name '%s' already exists in level '%s'."), *NewName.ToString(), *Level->GetFullName());
				return nullptr;
			case ESpawnActorNameMode::Required_ReturnNull:
				return nullptr;
			case ESpawnActorNameMode::Requested:
				NewName = MakeUniqueObjectName(Level, Class, NewName);
				break;
		}
	}

	AActor* Actor = NewObject<AActor>(Level, Class, NewName, SpawnParameters.ObjectFlags, SpawnParameters.Template);
	Level->Actors.Add(Actor);
	Actor->SetOwner(SpawnParameters.Owner);

	if (SpawnParameters.CustomPreSpawnInitalization)
	{
		SpawnParameters.CustomPreSpawnInitalization(Actor);
	}

	if (Location || Rotation)
	{
		if (USceneComponent* Root = Actor->GetRootComponent())
		{
			if (Location)
			{
				Root->SetWorldLocation(*Location);
			}
			if (Rotation)
			{
				Root->SetWorldRotation(*Rotation);
			}
		}
	}

	if (bBegunPlay)
	{
		Actor->DispatchBeginPlay();
	}

#if WITH_EDITOR
	if (GIsEditor && GEngine)
	{
		GEngine->BroadcastLevelActorAdded(Actor);
	}
#endif
	return Actor;
}

bool UWorld::DestroyActor(AActor* Actor, bool bNetForce, bool bShouldModifyLevel)
{
	if (Actor == nullptr || Actor->IsPendingKillPending())
	{
		return Actor != nullptr;
	}
	checkf(Actor->GetWorld() == this, TEXT("Actor %s is destroyed through a world it is not in"), *Actor->GetName());

	Actor->bActorIsBeingDestroyed = true;
	if (Actor->HasActorBegunPlay())
	{
		Actor->EndPlay(EEndPlayReason::Destroyed);
	}
	Actor->Destroyed();

#if WITH_EDITOR
	// Listeners still see a live actor while the deletion is announced.
	if (GIsEditor && GEngine)
	{
		GEngine->BroadcastLevelActorDeleted(Actor);
	}
#endif

	if (ULevel* Level = Actor->GetLevel())
	{
		Level->Actors.RemoveSingle(Actor);
	}
	for (UActorComponent* Component : TArray<UActorComponent*>(Actor->GetComponents()))
	{
		Component->MarkAsGarbage();
	}
	Actor->MarkAsGarbage();
	if (bShouldModifyLevel)
	{
		Actor->GetOutermost()->MarkPackageDirty();
	}
	return true;
}

void UWorld::BeginPlay()
{
	if (bBegunPlay)
	{
		return;
	}
	bBegunPlay = true;
	if (PersistentLevel)
	{
		// BeginPlay may spawn actors; they begin play on spawn, so walk a copy.
		TArray<AActor*> Actors;
		for (AActor* Actor : PersistentLevel->Actors)
		{
			Actors.Add(Actor);
		}
		for (AActor* Actor : Actors)
		{
			if (IsValid(Actor) && !Actor->IsPendingKillPending())
			{
				Actor->DispatchBeginPlay();
			}
		}
	}
}

FString UWorld::GetMapName() const
{
	FString MapName = GetOutermost()->GetName();
	int32 SlashIndex = INDEX_NONE;
	if (MapName.FindLastChar(TEXT('/'), SlashIndex))
	{
		MapName = MapName.RightChop(SlashIndex + 1);
	}
	// Play-in-editor copies live in packages named UEDPIE_<Instance>_<Map>.
	if (MapName.StartsWith(TEXT("UEDPIE_")))
	{
		const int32 Separator = MapName.Find(TEXT("_"), ESearchCase::CaseSensitive, ESearchDir::FromStart, 7);
		if (Separator != INDEX_NONE)
		{
			MapName = MapName.RightChop(Separator + 1);
		}
	}
	return MapName;
}
