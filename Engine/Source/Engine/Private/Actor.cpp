#include "GameFramework/Actor.h"

#include "Components/ActorComponent.h"
#include "Components/SceneComponent.h"
#include "Engine/BlueprintGeneratedClass.h"
#include "Engine/Engine.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "UObject/Package.h"

DEFINE_LOG_CATEGORY_STATIC(LogActor, Log, All);

AActor::AActor(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, bActorIsBeingDestroyed(false)
	, bActorHasBegunPlay(false)
{
}

bool AActor::ActorHasTag(FName Tag) const
{
	return Tag != NAME_None && Tags.Contains(Tag);
}

ULevel* AActor::GetLevel() const
{
	return GetTypedOuter<ULevel>();
}

UWorld* AActor::GetWorld() const
{
	if (HasAnyFlags(RF_ClassDefaultObject))
	{
		return nullptr;
	}
	if (ULevel* Level = GetLevel())
	{
		return Level->OwningWorld;
	}
	return nullptr;
}

bool AActor::Destroy(bool bNetForce, bool bShouldModifyLevel)
{
	if (!IsPendingKillPending())
	{
		if (UWorld* World = GetWorld())
		{
			World->DestroyActor(this, bNetForce, bShouldModifyLevel);
		}
		else
		{
			UE_LOG(LogActor, Warning, TEXT("Destroying %s, which doesn't have a valid world pointer"), *GetPathName());
		}
	}
	return IsPendingKillPending();
}

void AActor::K2_DestroyActor()
{
	Destroy();
}

void AActor::Destroyed()
{
}

bool AActor::IsPendingKillPending() const
{
	return bActorIsBeingDestroyed || !IsValid(this);
}

void AActor::DispatchBeginPlay()
{
	if (bActorHasBegunPlay)
	{
		return;
	}
	bActorHasBegunPlay = true;
	BeginPlay();
}

void AActor::BeginPlay()
{
	for (UActorComponent* Component : TArray<UActorComponent*>(OwnedComponents))
	{
		if (Component->bAutoActivate && !Component->IsActive())
		{
			Component->Activate(true);
		}
		if (!Component->HasBegunPlay())
		{
			Component->BeginPlay();
		}
	}
}

void AActor::EndPlay(const EEndPlayReason::Type EndPlayReason)
{
	if (!bActorHasBegunPlay)
	{
		return;
	}
	bActorHasBegunPlay = false;
	for (UActorComponent* Component : TArray<UActorComponent*>(OwnedComponents))
	{
		if (Component->HasBegunPlay())
		{
			Component->EndPlay(EndPlayReason);
		}
	}
}

bool AActor::SetRootComponent(USceneComponent* NewRootComponent)
{
	if (NewRootComponent == nullptr || NewRootComponent->GetOwner() == this)
	{
		RootComponent = NewRootComponent;
		return true;
	}
	return false;
}

FVector AActor::K2_GetActorLocation() const
{
	return GetActorLocation();
}

FRotator AActor::K2_GetActorRotation() const
{
	return GetActorRotation();
}

FVector AActor::GetActorLocation() const
{
	return RootComponent ? RootComponent->GetComponentLocation() : FVector::ZeroVector;
}

FRotator AActor::GetActorRotation() const
{
	return RootComponent ? RootComponent->GetComponentRotation() : FRotator::ZeroRotator;
}

bool AActor::SetActorLocation(const FVector& NewLocation)
{
	if (RootComponent)
	{
		RootComponent->SetWorldLocation(NewLocation);
		return true;
	}
	return false;
}

bool AActor::SetActorRotation(FRotator NewRotation)
{
	if (RootComponent)
	{
		RootComponent->SetWorldRotation(NewRotation);
		return true;
	}
	return false;
}

bool AActor::SetActorLocationAndRotation(FVector NewLocation, FRotator NewRotation)
{
	if (RootComponent)
	{
		RootComponent->SetWorldLocation(NewLocation);
		RootComponent->SetWorldRotation(NewRotation);
		return true;
	}
	return false;
}

UActorComponent* AActor::GetComponentByClass(TSubclassOf<UActorComponent> ComponentClass) const
{
	if (ComponentClass == nullptr)
	{
		return nullptr;
	}
	for (UActorComponent* Component : OwnedComponents)
	{
		if (Component && Component->IsA(ComponentClass))
		{
			return Component;
		}
	}
	return nullptr;
}

void AActor::AddOwnedComponent(UActorComponent* Component)
{
	check(Component && Component->GetOwner() == this);
	OwnedComponents.AddUnique(Component);
}

void AActor::RemoveOwnedComponent(UActorComponent* Component)
{
	OwnedComponents.RemoveSingle(Component);
	InstanceComponents.RemoveSingle(Component);
	if (RootComponent == Component)
	{
		RootComponent = nullptr;
	}
}

void AActor::AddInstanceComponent(UActorComponent* Component)
{
	check(Component && Component->GetOwner() == this);
	InstanceComponents.AddUnique(Component);
	OwnedComponents.AddUnique(Component);
}

#if WITH_EDITOR
const FString& AActor::GetActorLabel(bool bCreateIfNone) const
{
	if (bCreateIfNone && ActorLabel.IsEmpty())
	{
		// The label is made once and kept, so it stays stable across calls.
		FString DefaultLabel = GetDefaultActorLabel();
		const int32 NameNumber = GetFName().GetNumber();
		if (NameNumber != NAME_NO_NUMBER_INTERNAL)
		{
			DefaultLabel += FString::Printf(TEXT("%d"), NAME_INTERNAL_TO_EXTERNAL(NameNumber));
		}
		const_cast<AActor*>(this)->ActorLabel = DefaultLabel;
	}
	return ActorLabel;
}

void AActor::SetActorLabel(const FString& NewActorLabel, bool bMarkDirty)
{
	const FString Trimmed = NewActorLabel.TrimStartAndEnd();
	if (Trimmed.Equals(ActorLabel, ESearchCase::CaseSensitive))
	{
		return;
	}
	ActorLabel = Trimmed;
	if (bMarkDirty)
	{
		GetOutermost()->MarkPackageDirty();
	}
}

FString AActor::GetDefaultActorLabel() const
{
	FString Label = GetClass()->GetName();
	// Blueprint classes carry a generated-class suffix that the editor hides.
	if (Cast<UBlueprintGeneratedClass>(GetClass()) != nullptr)
	{
		Label.RemoveFromEnd(TEXT("_C"));
	}
	return Label;
}

void AActor::PostEditMove(bool bFinished)
{
	// Listeners (viewports, the level editor's details) hear of every move, finished or not.
	if (GEngine)
	{
		GEngine->BroadcastOnActorMoving(this);
	}
	if (bFinished)
	{
		GetOutermost()->MarkPackageDirty();
	}
}
#endif
