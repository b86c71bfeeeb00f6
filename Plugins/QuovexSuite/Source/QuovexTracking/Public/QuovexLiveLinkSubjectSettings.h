// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "LiveLinkSubjectSettings.h"

#include "QuovexLiveLinkSubjectSettings.generated.h"

/** Settings that mark a LiveLink subject as one of the plugin's tracking subjects. */
UCLASS(BlueprintType)
class QUOVEXTRACKING_API UQuovexLiveLinkSubjectSettings : public ULiveLinkSubjectSettings
{
	GENERATED_BODY()

public:
	/** Serial number of the tracker hardware that feeds this subject. */
	UPROPERTY(EditAnywhere, Category = "Quovex")
	FString TrackerSerial;
};
