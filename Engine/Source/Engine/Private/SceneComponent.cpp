#include "Components/SceneComponent.h"

#include "Containers/Set.h"
#include "Logging/LogMacros.h"

DEFINE_LOG_CATEGORY_STATIC(LogSceneComponent, Log, All);

namespace
{
	/** A rotation as the three world directions of its local axes. */
	struct FRotationAxes
	{
		FVector X;
		FVector Y;
		FVector Z;
	};

	FRotationAxes ToAxes(const FRotator& Rotation)
	{
		return { Rotation.RotateVector(FVector(1.0, 0.0, 0.0)), Rotation.RotateVector(FVector(0.0, 1.0, 0.0)), Rotation.RotateVector(FVector(0.0, 0.0, 1.0)) };
	}

	/** The rotator whose axes these are (yaw and pitch from the forward axis, roll from the right axis). */
	FRotator FromAxes(const FRotationAxes& Axes)
	{
		const double Pitch = FMath::RadiansToDegrees(FMath::Atan2(Axes.X.Z, FMath::Sqrt(Axes.X.X * Axes.X.X + Axes.X.Y * Axes.X.Y)));
		const double Yaw = FMath::RadiansToDegrees(FMath::Atan2(Axes.X.Y, Axes.X.X));
		const FVector UnrolledY = FRotator(Pitch, Yaw, 0.0).RotateVector(FVector(0.0, 1.0, 0.0));
		const double Roll = FMath::RadiansToDegrees(FMath::Atan2(FVector::DotProduct(Axes.Z, UnrolledY), FVector::DotProduct(Axes.Y, UnrolledY)));
		return FRotator(Pitch, Yaw, Roll);
	}

	/** Parent * Child: the child's rotation expressed in the parent's frame, then the parent's. */
	FRotator Compose(const FRotator& Parent, const FRotator& Child)
	{
		const FRotationAxes ChildAxes = ToAxes(Child);
		return FromAxes({ Parent.RotateVector(ChildAxes.X), Parent.RotateVector(ChildAxes.Y), Parent.RotateVector(ChildAxes.Z) });
	}

	/** Inverse(Parent) * World. */
	FRotator Relative(const FRotator& Parent, const FRotator& World)
	{
		const FRotationAxes WorldAxes = ToAxes(World);
		return FromAxes({ Parent.UnrotateVector(WorldAxes.X), Parent.UnrotateVector(WorldAxes.Y), Parent.UnrotateVector(WorldAxes.Z) });
	}
}

USceneComponent::USceneComponent(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, RelativeLocation(FVector::ZeroVector)
	, RelativeRotation(FRotator::ZeroRotator)
	, AttachParent(nullptr)
{
}

void USceneComponent::PostLoad()
{
	Super::PostLoad();
	// Attaching refuses a loop, but a file can still name one, and every world transform would then recurse without
	// end: the component whose parents lead back to it is detached. A loop further up is cut by its own members.
	TSet<const USceneComponent*> Seen;
	for (const USceneComponent* Parent = AttachParent; Parent != nullptr; Parent = Parent->AttachParent)
	{
		if (Parent == this)
		{
			UE_LOG(LogSceneComponent, Warning, TEXT("%s: its attach parents lead back to itself, so it is detached"), *GetPathName());
			AttachParent = nullptr;
			return;
		}
		bool bSeen = false;
		Seen.Add(Parent, &bSeen);
		if (bSeen)
		{
			return;
		}
	}
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
		return Compose(AttachParent->GetComponentRotation(), RelativeRotation);
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
		RelativeRotation = Relative(AttachParent->GetComponentRotation(), NewRotation);
	}
	else
	{
		RelativeRotation = NewRotation;
	}
}
