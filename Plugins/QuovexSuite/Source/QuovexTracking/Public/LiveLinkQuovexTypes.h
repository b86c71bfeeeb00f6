// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Roles/LiveLinkCameraTypes.h"

#include "LiveLinkQuovexTypes.generated.h"

/** One frame of a Quovex tracker: the camera transform and lens, plus the lens encoders' raw counts. */
USTRUCT(BlueprintType)
struct QUOVEXTRACKING_API FLiveLinkQuovexFrameData : public FLiveLinkCameraFrameData
{
	GENERATED_BODY()

	/** Raw focus encoder count; 0 to 65535 spans the lens's focus travel. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Quovex")
	int32 RawFocus = 0;

	/** Raw zoom encoder count; 0 to 65535 spans the lens's zoom travel. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Quovex")
	int32 RawZoom = 0;

	/** Raw iris encoder count. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Quovex")
	int32 RawIris = 0;

	/** The tracker's own frame counter, to spot dropped frames. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Quovex")
	int32 TrackerFrame = 0;
};
