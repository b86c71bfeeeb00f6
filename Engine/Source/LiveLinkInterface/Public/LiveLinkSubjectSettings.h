#pragma once

#include "CoreMinimal.h"
#include "LiveLinkRole.h"
#include "Templates/SubclassOf.h"
#include "UObject/Object.h"

#include "LiveLinkSubjectSettings.generated.h"

/** Settings of one LiveLink subject; subclasses mark subjects for particular uses. */
UCLASS()
class LIVELINKINTERFACE_API ULiveLinkSubjectSettings : public UObject
{
	GENERATED_BODY()

public:
	/** The subject's role. */
	UPROPERTY(VisibleAnywhere, Category = "LiveLink")
	TSubclassOf<ULiveLinkRole> Role;

	/** Whether the subject is sent on to other LiveLink clients. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bRebroadcastSubject = false;
};
