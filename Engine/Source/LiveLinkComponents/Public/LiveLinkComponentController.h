#pragma once

#include "CoreMinimal.h"
#include "Components/ActorComponent.h"
#include "LiveLinkControllerBase.h"
#include "LiveLinkRole.h"
#include "Templates/SubclassOf.h"

#include "LiveLinkComponentController.generated.h"

/** Drives components of its actor from a LiveLink subject. */
UCLASS(ClassGroup = (LiveLink), meta = (DisplayName = "LiveLink Controller", BlueprintSpawnableComponent))
class LIVELINKCOMPONENTS_API ULiveLinkComponentController : public UActorComponent
{
	GENERATED_BODY()

public:
	ULiveLinkComponentController();

	/** The subject and role the component reads. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, BlueprintGetter = GetSubjectRepresentation, BlueprintSetter = SetSubjectRepresentation, Category = "LiveLink")
	FLiveLinkSubjectRepresentation SubjectRepresentation;

	/** Instanced controllers used to control the desired role */
	UPROPERTY(EditAnywhere, Instanced, Category = "LiveLink")
	TMap<TSubclassOf<ULiveLinkRole>, TObjectPtr<ULiveLinkControllerBase>> ControllerMap;

	/** If false, will not evaluate live link, effectively pausing. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "LiveLink")
	bool bEvaluateLiveLink = true;

	/** Whether the controller updates its components in the editor, outside play. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bUpdateInEditor = true;

	/** If true, will not evaluate LiveLink if the attached actor is a spawnable in Sequencer */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bDisableEvaluateLiveLinkWhenSpawnable = true;

	/** Sets the subject and role; a new role drops the controllers of the old one. */
	UFUNCTION(BlueprintSetter)
	void SetSubjectRepresentation(FLiveLinkSubjectRepresentation InSubjectRepresentation);

	/** The subject and role the component reads. */
	UFUNCTION(BlueprintGetter)
	FLiveLinkSubjectRepresentation GetSubjectRepresentation() const
	{
		return SubjectRepresentation;
	}

	/** Returns true if ControllerMap needs to be updated for the current Role. */
	bool IsControllerMapOutdated() const;
};
