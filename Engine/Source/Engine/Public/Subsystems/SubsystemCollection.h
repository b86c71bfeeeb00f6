// The set of subsystems one owner holds, created from every subclass of a base subsystem type.

#pragma once

#include "CoreMinimal.h"
#include "Templates/Casts.h"
#include "Templates/SubclassOf.h"
#include "Subsystems/Subsystem.h"

enum class EModuleChangeReason;

/** Creates, finds and tears down the subsystems of one owner. */
class ENGINE_API FSubsystemCollectionBase
{
public:
	/** Creates and initialises a subsystem this one depends on; only valid while the collection initialises. */
	USubsystem* InitializeDependency(TSubclassOf<USubsystem> SubsystemClass);

	template<typename TSubsystemClass>
	TSubsystemClass* InitializeDependency()
	{
		return Cast<TSubsystemClass>(InitializeDependency(TSubsystemClass::StaticClass()));
	}

	/** True between Initialize and Deinitialize. */
	bool IsInitialized() const
	{
		return Outer != nullptr;
	}

	/** The owner the subsystems were created for. */
	UObject* GetOuter() const
	{
		return Outer;
	}

	/** Creates every subsystem of the base type for NewOuter. */
	void Initialize(UObject* NewOuter);

	/** Deinitialises every subsystem, in creation order, and forgets them. */
	void Deinitialize();

	/** The subsystem of exactly this class, else the first one created whose class derives from it. */
	USubsystem* GetSubsystemInternal(UClass* SubsystemClass) const;

	/** Every subsystem whose class derives from SubsystemClass, in creation order. */
	TArray<USubsystem*> GetSubsystemArrayInternal(UClass* SubsystemClass) const;

protected:
	explicit FSubsystemCollectionBase(UClass* InBaseType);
	virtual ~FSubsystemCollectionBase();

private:
	USubsystem* AddAndInitializeSubsystem(UClass* SubsystemClass);
	void AddAllInstances();
	void RemoveInstancesOfModule(FName ModuleName);
	void OnModulesChanged(FName ModuleName, EModuleChangeReason Reason);

	UClass* BaseType;
	UObject* Outer;
	bool bPopulating;
	FDelegateHandle ModulesChangedHandle;

	/** Creation order matters for teardown, so the subsystems are kept in a list, not a map. */
	TArray<USubsystem*> Subsystems;
};

/** The subsystems of one base type, as an owner holds them. */
template<typename TBaseType>
class FSubsystemCollection : public FSubsystemCollectionBase
{
public:
	FSubsystemCollection()
		: FSubsystemCollectionBase(TBaseType::StaticClass())
	{
	}

	template<typename TSubsystemClass>
	TSubsystemClass* GetSubsystem(const TSubclassOf<TSubsystemClass>& SubsystemClass) const
	{
		return Cast<TSubsystemClass>(GetSubsystemInternal(SubsystemClass));
	}

	template<typename TSubsystemClass>
	TArray<TSubsystemClass*> GetSubsystemArray(const TSubclassOf<TSubsystemClass>& SubsystemClass) const
	{
		TArray<TSubsystemClass*> Result;
		for (USubsystem* Subsystem : GetSubsystemArrayInternal(SubsystemClass))
		{
			Result.Add(CastChecked<TSubsystemClass>(Subsystem));
		}
		return Result;
	}
};
