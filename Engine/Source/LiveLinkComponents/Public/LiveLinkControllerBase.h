#pragma once

#include "CoreMinimal.h"
#include "LiveLinkRole.h"
#include "LiveLinkTypes.h"
#include "Templates/SubclassOf.h"
#include "UObject/Object.h"

#include "LiveLinkControllerBase.generated.h"

class UActorComponent;

/** Applies a subject's data of one role to a component; a component controller holds one per role. */
UCLASS(Abstract, ClassGroup = (LiveLink), EditInlineNew)
class LIVELINKCOMPONENTS_API ULiveLinkControllerBase : public UObject
{
	GENERATED_BODY()

public:
	/** Whether the controller can apply data of the role. */
	virtual bool IsRoleSupported(const TSubclassOf<ULiveLinkRole>& RoleToSupport)
	{
		return false;
	}

	/** The kind of component the controller drives. */
	virtual TSubclassOf<UActorComponent> GetDesiredComponentClass() const;

	/** The component the controller drives. */
	virtual void SetAttachedComponent(UActorComponent* ActorComponent);

	/** The subject the controller reads. */
	virtual void SetSelectedSubject(FLiveLinkSubjectRepresentation LiveLinkSubject);

	/** Applies one evaluated frame. */
	virtual void Tick(float DeltaTime, const FLiveLinkSubjectFrameData& SubjectData)
	{
	}

protected:
	/** The subject the controller reads. */
	UPROPERTY()
	FLiveLinkSubjectRepresentation SelectedSubject;

	/** The component the controller drives. */
	UPROPERTY(Transient)
	TObjectPtr<UActorComponent> AttachedComponent;
};
