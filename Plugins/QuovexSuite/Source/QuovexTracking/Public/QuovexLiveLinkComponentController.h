// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "LiveLinkComponentController.h"
#include "LiveLinkQuovexTypes.h"

#include "QuovexLiveLinkComponentController.generated.h"

/** LiveLink controller of a tracked camera; also hands the editor the tracker's raw lens values. */
UCLASS(ClassGroup = (Quovex), meta = (DisplayName = "Quovex LiveLink Controller", BlueprintSpawnableComponent))
class QUOVEXTRACKING_API UQuovexLiveLinkComponentController : public ULiveLinkComponentController
{
	GENERATED_BODY()

public:
	// The engine's controller has only a default constructor, so ours declares one too.
	UQuovexLiveLinkComponentController();

	/** The latest tracker frame of the controlled subject; a default frame while the subject sends none. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|Tracking")
	FLiveLinkQuovexFrameData GetTrackingData() const;
};
