// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Engine/DeveloperSettings.h"

#include "QuovexVirtualProductionSettings.generated.h"

/** Project settings of the Quovex virtual-production plugin. */
UCLASS(config = Game, defaultconfig, meta = (DisplayName = "Quovex Virtual Production"))
class QUOVEXVIRTUALPRODUCTION_API UQuovexVirtualProductionSettings : public UDeveloperSettings
{
	GENERATED_BODY()

public:
	/** Object name of the LiveLink preset applied when the editor has found all assets; empty for none. */
	UPROPERTY(config, EditAnywhere, BlueprintReadOnly, Category = "LiveLink")
	FString LiveLinkPresetName;
};
