#include "LiveLinkComponentController.h"
#include "LiveLinkControllerBase.h"

#include "Components/ActorComponent.h"
#include "Modules/ModuleManager.h"

TSubclassOf<UActorComponent> ULiveLinkControllerBase::GetDesiredComponentClass() const
{
	return UActorComponent::StaticClass();
}

void ULiveLinkControllerBase::SetAttachedComponent(UActorComponent* ActorComponent)
{
	AttachedComponent = ActorComponent;
}

void ULiveLinkControllerBase::SetSelectedSubject(FLiveLinkSubjectRepresentation LiveLinkSubject)
{
	SelectedSubject = LiveLinkSubject;
}

ULiveLinkComponentController::ULiveLinkComponentController() = default;

void ULiveLinkComponentController::SetSubjectRepresentation(FLiveLinkSubjectRepresentation InSubjectRepresentation)
{
	const bool bRoleChanged = InSubjectRepresentation.Role != SubjectRepresentation.Role;
	SubjectRepresentation = InSubjectRepresentation;
	if (bRoleChanged)
	{
		// Controllers belong to a role; the stand-in does not create new ones by itself.
		ControllerMap.Empty();
	}
	for (auto& Pair : ControllerMap)
	{
		if (Pair.Value != nullptr)
		{
			Pair.Value->SetSelectedSubject(SubjectRepresentation);
		}
	}
}

bool ULiveLinkComponentController::IsControllerMapOutdated() const
{
	return SubjectRepresentation.Role.Get() != nullptr && !ControllerMap.Contains(SubjectRepresentation.Role);
}

IMPLEMENT_MODULE(FDefaultModuleImpl, LiveLinkComponents);
