#include "Subsystems/Subsystem.h"
#include "Subsystems/EngineSubsystem.h"
#include "Subsystems/SubsystemCollection.h"
#include "Subsystems/WorldSubsystem.h"

#include "Engine/World.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

USubsystem::USubsystem(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, InternalOwningSubsystem(nullptr)
{
}

void USubsystem::Initialize(FSubsystemCollectionBase& Collection)
{
}

void USubsystem::Deinitialize()
{
}

UDynamicSubsystem::UDynamicSubsystem(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UEngineSubsystem::UEngineSubsystem(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FSubsystemCollectionBase::FSubsystemCollectionBase(UClass* InBaseType)
	: BaseType(InBaseType)
	, Outer(nullptr)
	, bPopulating(false)
{
	check(BaseType);
}

FSubsystemCollectionBase::~FSubsystemCollectionBase()
{
	checkf(Outer == nullptr, TEXT("Subsystem collection of %s destroyed without Deinitialize"), *BaseType->GetName());
}

void FSubsystemCollectionBase::Initialize(UObject* NewOuter)
{
	checkf(NewOuter, TEXT("Subsystem collection needs an outer"));
	checkf(Outer == nullptr, TEXT("Subsystem collection of %s initialised twice"), *BaseType->GetName());
	Outer = NewOuter;

	bPopulating = true;
	AddAllInstances();
	bPopulating = false;

	// Subsystem classes of modules loaded later (plugins of late loading phases) are added as they arrive.
	if (BaseType->IsChildOf(UDynamicSubsystem::StaticClass()))
	{
		ModulesChangedHandle = FModuleManager::Get().OnModulesChanged().AddRaw(this, &FSubsystemCollectionBase::OnModulesChanged);
	}
}

void FSubsystemCollectionBase::Deinitialize()
{
	if (ModulesChangedHandle.IsValid())
	{
		FModuleManager::Get().OnModulesChanged().Remove(ModulesChangedHandle);
		ModulesChangedHandle.Reset();
	}

	TArray<USubsystem*> ToDeinitialize = MoveTemp(Subsystems);
	Subsystems.Reset();
	for (USubsystem* Subsystem : ToDeinitialize)
	{
		Subsystem->Deinitialize();
		Subsystem->InternalOwningSubsystem = nullptr;
		Subsystem->RemoveFromRoot();
		Subsystem->MarkAsGarbage();
	}
	Outer = nullptr;
}

USubsystem* FSubsystemCollectionBase::InitializeDependency(TSubclassOf<USubsystem> SubsystemClass)
{
	checkf(SubsystemClass, TEXT("InitializeDependency needs a subsystem class"));
	checkf(bPopulating, TEXT("InitializeDependency may only be called from a subsystem's Initialize"));
	return AddAndInitializeSubsystem(SubsystemClass);
}

USubsystem* FSubsystemCollectionBase::GetSubsystemInternal(UClass* SubsystemClass) const
{
	if (SubsystemClass == nullptr)
	{
		return nullptr;
	}
	for (USubsystem* Subsystem : Subsystems)
	{
		if (Subsystem->GetClass() == SubsystemClass)
		{
			return Subsystem;
		}
	}
	for (USubsystem* Subsystem : Subsystems)
	{
		if (Subsystem->IsA(SubsystemClass))
		{
			return Subsystem;
		}
	}
	return nullptr;
}

TArray<USubsystem*> FSubsystemCollectionBase::GetSubsystemArrayInternal(UClass* SubsystemClass) const
{
	TArray<USubsystem*> Result;
	for (USubsystem* Subsystem : Subsystems)
	{
		if (SubsystemClass && Subsystem->IsA(SubsystemClass))
		{
			Result.Add(Subsystem);
		}
	}
	return Result;
}

USubsystem* FSubsystemCollectionBase::AddAndInitializeSubsystem(UClass* SubsystemClass)
{
	checkf(SubsystemClass->IsChildOf(BaseType), TEXT("%s is not a %s"), *SubsystemClass->GetName(), *BaseType->GetName());
	for (USubsystem* Subsystem : Subsystems)
	{
		if (Subsystem->GetClass() == SubsystemClass)
		{
			return Subsystem;
		}
	}
	if (SubsystemClass->HasAnyClassFlags(CLASS_Abstract))
	{
		return nullptr;
	}

	const USubsystem* Default = SubsystemClass->GetDefaultObject<USubsystem>();
	if (!Default->ShouldCreateSubsystem(Outer))
	{
		return nullptr;
	}

	USubsystem* Subsystem = NewObject<USubsystem>(Outer, SubsystemClass);
	// The collection is what keeps its subsystems alive.
	Subsystem->AddToRoot();
	Subsystem->InternalOwningSubsystem = this;
	Subsystems.Add(Subsystem);
	Subsystem->Initialize(*this);
	return Subsystem;
}

void FSubsystemCollectionBase::AddAllInstances()
{
	const bool bNativeOnly = BaseType->IsChildOf(UDynamicSubsystem::StaticClass());
	TArray<UClass*> Classes;
	GetDerivedClasses(BaseType, Classes, true);
	for (UClass* Class : Classes)
	{
		if (Class->HasAnyClassFlags(CLASS_Abstract | CLASS_Deprecated))
		{
			continue;
		}
		if (bNativeOnly && !Class->HasAnyClassFlags(CLASS_Native))
		{
			continue;
		}
		AddAndInitializeSubsystem(Class);
	}
}

void FSubsystemCollectionBase::RemoveInstancesOfModule(FName ModuleName)
{
	const FString ScriptPackage = FString(TEXT("/Script/")) + ModuleName.ToString();
	for (int32 Index = Subsystems.Num() - 1; Index >= 0; --Index)
	{
		USubsystem* Subsystem = Subsystems[Index];
		if (Subsystem->GetClass()->GetOutermost()->GetName().Equals(ScriptPackage, ESearchCase::IgnoreCase))
		{
			Subsystems.RemoveAt(Index);
			Subsystem->Deinitialize();
			Subsystem->InternalOwningSubsystem = nullptr;
			Subsystem->RemoveFromRoot();
			Subsystem->MarkAsGarbage();
		}
	}
}

void FSubsystemCollectionBase::OnModulesChanged(FName ModuleName, EModuleChangeReason Reason)
{
	if (Outer == nullptr)
	{
		return;
	}
	if (Reason == EModuleChangeReason::ModuleLoaded)
	{
		bPopulating = true;
		AddAllInstances();
		bPopulating = false;
	}
	else if (Reason == EModuleChangeReason::ModuleUnloaded)
	{
		RemoveInstancesOfModule(ModuleName);
	}
}

UWorldSubsystem::UWorldSubsystem(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UWorld* UWorldSubsystem::GetWorld() const
{
	return Cast<UWorld>(GetOuter());
}

UWorld& UWorldSubsystem::GetWorldRef() const
{
	UWorld* World = GetWorld();
	checkf(World, TEXT("World subsystem %s has no world"), *GetName());
	return *World;
}

bool UWorldSubsystem::ShouldCreateSubsystem(UObject* Outer) const
{
	if (!Super::ShouldCreateSubsystem(Outer))
	{
		return false;
	}
	const UWorld* World = Cast<UWorld>(Outer);
	return World && DoesSupportWorldType(World->WorldType);
}

bool UWorldSubsystem::DoesSupportWorldType(const EWorldType::Type WorldType) const
{
	return WorldType == EWorldType::Game || WorldType == EWorldType::Editor || WorldType == EWorldType::PIE;
}
