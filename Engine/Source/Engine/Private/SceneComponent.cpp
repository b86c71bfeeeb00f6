#include "Components/SceneComponent.h"

USceneComponent::USceneComponent()
	: RelativeLocation(FVector::ZeroVector)
	, RelativeRotation(FRotator::ZeroRotator)
	, AttachParent(nullptr)
{
}

void USceneComponent::SetupAttachment(USceneComponent* InParent, FName InSocketName)
{
	checkf(InParent != this, TEXT("Cannot attach %s to itself"), *GetName());
	AttachParent = InParent;
}

FVector USceneComponent::K2_GetComponentLocation() const
{
	return GetComponentLocation();
}

FRotator USceneComponent::K2_GetComponentRotation() const
{
	return GetComponentRotation();
}

FVector USceneComponent::GetComponentLocation() const
{
	if (AttachParent)
	{
		return AttachParent->GetComponentLocation() + AttachParent->GetComponentRotation().RotateVector(RelativeLocation);
	}
	return RelativeLocation;
}

FRotator USceneComponent::GetComponentRotation() const
{
	if (AttachParent)
	{
		return (AttachParent->GetComponentRotation().Quaternion() * RelativeRotation.Quaternion()).Rotator();
	}
	return RelativeRotation;
}

void USceneComponent::SetRelativeLocation(FVector NewLocation)
{
	RelativeLocation = NewLocation;
}

void USceneComponent::SetRelativeRotation(FRotator NewRotation)
{
	RelativeRotation = NewRotation;
}

void USceneComponent::SetWorldLocation(FVector NewLocation)
{
	if (AttachParent)
	{
		RelativeLocation = AttachParent->GetComponentRotation().UnrotateVector(NewLocation - AttachParent->GetComponentLocation());
	}
	else
	{
		RelativeLocation = NewLocation;
	}
}

void USceneComponent::SetWorldRotation(FRotator NewRotation)
{
	if (AttachParent)
	{
		RelativeRotation = (AttachParent->GetComponentRotation().Quaternion().Inverse() * NewRotation.Quaternion()).Rotator();
	}
	else
	{
		RelativeRotation = NewRotation;
	}
}
