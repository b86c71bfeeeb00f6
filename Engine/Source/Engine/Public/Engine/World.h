// A world: a persistent level of actors, with a type (editor, play-in-editor, game).

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "Engine/EngineTypes.h"
#include "Subsystems/SubsystemCollection.h"
#include "Subsystems/WorldSubsystem.h"
#include "World.generated.h"

class AActor;
class ULevel;
class UPackage;

/** Options of one SpawnActor call. */
struct ENGINE_API FActorSpawnParameters
{
	FActorSpawnParameters();

	/** Name of the new actor; NAME_None makes one from the class. */
	FName Name;

	/** An actor whose property values the new actor starts with, instead of the class default. */
	AActor* Template;

	/** The actor that owns the new one. */
	AActor* Owner;

	/** The level to spawn in; null means the world's current level. */
	ULevel* OverrideLevel;

	/** What happens when Name is already taken in the level. */
	ESpawnActorNameMode NameMode;

	/** Object flags the new actor is created with. */
	EObjectFlags ObjectFlags;

	/** Custom function allowing the caller to specific a function to execute post actor construction but before other systems see this actor spawn. */
	TFunction<void(AActor*)> CustomPreSpawnInitalization;
};

/** The world: its persistent level holds the actors; its type says what it is used for. */
UCLASS()
class ENGINE_API UWorld : public UObject
{
	GENERATED_BODY()

public:
	UWorld(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Options of InitWorld; the stand-in's worlds have none of the engine's scene, physics or navigation to set up. */
	struct InitializationValues
	{
		InitializationValues()
		{
		}
	};

	/** The level that is always loaded; every actor of this stand-in lives in it. */
	UPROPERTY(Transient)
	TObjectPtr<ULevel> PersistentLevel;

	/** What this world is used for. */
	TEnumAsByte<EWorldType::Type> WorldType;

	virtual UWorld* GetWorld() const override
	{
		return const_cast<UWorld*>(this);
	}

	virtual void PostLoad() override;
	virtual void BeginDestroy() override;

	/** Makes the world ready for use: creates its world subsystems. */
	void InitWorld(const InitializationValues IVS = InitializationValues());

	/** Undoes InitWorld: deinitialises and forgets the world subsystems. */
	void CleanupWorld(bool bSessionEnded = true, bool bCleanupResources = true, UWorld* NewWorld = nullptr);

	/** Whether InitWorld ran and CleanupWorld has not. */
	bool bIsWorldInitialized;

	/** The world subsystem of exactly this class, else the first whose class derives from it; null before InitWorld. */
	UWorldSubsystem* GetSubsystemBase(TSubclassOf<UWorldSubsystem> SubsystemClass) const
	{
		return SubsystemCollection.GetSubsystem<UWorldSubsystem>(SubsystemClass);
	}

	template<typename TSubsystemClass>
	TSubsystemClass* GetSubsystem() const
	{
		return SubsystemCollection.GetSubsystem<TSubsystemClass>(TSubsystemClass::StaticClass());
	}

	template<typename TSubsystemClass>
	static FORCEINLINE TSubsystemClass* GetSubsystem(const UWorld* World)
	{
		return World ? World->GetSubsystem<TSubsystemClass>() : nullptr;
	}

	template<typename TSubsystemClass>
	const TArray<TSubsystemClass*> GetSubsystemArray() const
	{
		return SubsystemCollection.GetSubsystemArray<TSubsystemClass>(TSubsystemClass::StaticClass());
	}

	/** The level new actors go to. */
	ULevel* GetCurrentLevel() const;

	/** Creates a world with an empty persistent level in its own package (or InWorldPackage). */
	static UWorld* CreateWorld(const EWorldType::Type InWorldType, bool bInformEngineOfWorld, FName WorldName = NAME_None, UPackage* InWorldPackage = nullptr, bool bAddToRoot = true);

	/** Ends play, destroys every actor and, when asked, removes the world from the engine's contexts. */
	void DestroyWorld(bool bInformEngineOfWorld, UWorld* NewWorld = nullptr);

	/** Spawns an actor of Class in the current level; null (with a warning) when the class cannot be spawned. */
	AActor* SpawnActor(UClass* Class, FVector const* Location = nullptr, FRotator const* Rotation = nullptr, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters());

	template<class T>
	T* SpawnActor(const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(T::StaticClass(), nullptr, nullptr, SpawnParameters));
	}

	template<class T>
	T* SpawnActor(FVector const& Location, FRotator const& Rotation, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(T::StaticClass(), &Location, &Rotation, SpawnParameters));
	}

	template<class T>
	T* SpawnActor(UClass* Class, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(Class, nullptr, nullptr, SpawnParameters));
	}

	template<class T>
	T* SpawnActor(UClass* Class, FVector const& Location, FRotator const& Rotation, const FActorSpawnParameters& SpawnParameters = FActorSpawnParameters())
	{
		return Cast<T>(SpawnActor(Class, &Location, &Rotation, SpawnParameters));
	}

	/** Removes an actor from its level and marks it as garbage; false when it cannot be destroyed. */
	bool DestroyActor(AActor* Actor, bool bNetForce = false, bool bShouldModifyLevel = true);

	/** Starts play: every actor's BeginPlay, in level order. */
	void BeginPlay();

	/** Whether BeginPlay has run. */
	bool HasBegunPlay() const
	{
		return bBegunPlay;
	}

	/** The map's short name, without play-in-editor prefix. */
	FString GetMapName() const;

	bool IsPlayInEditor() const
	{
		return WorldType == EWorldType::PIE;
	}

	bool IsGameWorld() const
	{
		return WorldType == EWorldType::Game || WorldType == EWorldType::PIE || WorldType == EWorldType::GamePreview || WorldType == EWorldType::GameRPC;
	}

	bool IsEditorWorld() const
	{
		return WorldType == EWorldType::Editor || WorldType == EWorldType::EditorPreview || WorldType == EWorldType::PIE;
	}

private:
	bool bBegunPlay;

	FSubsystemCollection<UWorldSubsystem> SubsystemCollection;
};
