#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

#include "Visual.generated.h"

/** The base of everything a widget tree holds. */
UCLASS(Abstract, MinimalAPI)
class UVisual : public UObject
{
	GENERATED_BODY()

public:
	/** Drops the Slate widgets this object built; with bReleaseChildren, those of its children too. */
	UMG_API virtual void ReleaseSlateResources(bool bReleaseChildren);
};
