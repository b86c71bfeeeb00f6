#include "Components/ActorComponent.h"

#include "GameFramework/Actor.h"
#include "Engine/World.h"

DEFINE_LOG_CATEGORY_STATIC(LogActorComponent, Log, All);

UActorComponent::UActorComponent(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, bAutoActivate(false)
	, bIsActive(false)
	, bRegistered(false)
	, bHasBegunPlay(false)
{
}

AActor* UActorComponent::GetOwner() const
{
	return GetTypedOuter<AActor>();
}

bool UActorComponent::ComponentHasTag(FName Tag) const
{
	return Tag != NAME_None && ComponentTags.Contains(Tag);
}

void UActorComponent::PostInitProperties()
{
	Super::PostInitProperties();
	// A component created inside an actor belongs to it from the start.
	if (AActor* Owner = GetOwner())
	{
		Owner->AddOwnedComponent(this);
	}
}

UWorld* UActorComponent::GetWorld() const
{
	AActor* Owner = GetOwner();
	return Owner ? Owner->GetWorld() : nullptr;
}

void UActorComponent::Activate(bool bReset)
{
	bIsActive = true;
}

void UActorComponent::Deactivate()
{
	bIsActive = false;
}

void UActorComponent::RegisterComponent()
{
	if (GetWorld() == nullptr)
	{
		UE_LOG(LogActorComponent, Warning, TEXT("RegisterComponent: %s has no world to register with"), *GetPathName());
		return;
	}
	bRegistered = true;
	if (bAutoActivate && !bIsActive)
	{
		Activate(true);
	}
}

void UActorComponent::UnregisterComponent()
{
	bRegistered = false;
}

void UActorComponent::DestroyComponent(bool bPromoteChildren)
{
	if (HasBegunPlay())
	{
		EndPlay(EEndPlayReason::Destroyed);
	}
	bRegistered = false;
	if (AActor* Owner = GetOwner())
	{
		Owner->RemoveOwnedComponent(this);
	}
	MarkAsGarbage();
}

void UActorComponent::BeginPlay()
{
	bHasBegunPlay = true;
}

void UActorComponent::EndPlay(const EEndPlayReason::Type EndPlayReason)
{
	bHasBegunPlay = false;
}
