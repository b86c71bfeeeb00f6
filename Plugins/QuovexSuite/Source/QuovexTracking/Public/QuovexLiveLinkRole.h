// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Roles/LiveLinkCameraRole.h"

#include "QuovexLiveLinkRole.generated.h"

/** Role of a Quovex tracker subject: a camera transform plus raw lens encoder values. */
UCLASS(BlueprintType, meta = (DisplayName = "Quovex Tracker Role"))
class QUOVEXTRACKING_API UQuovexLiveLinkRole : public ULiveLinkCameraRole
{
	GENERATED_BODY()

public:
	virtual UScriptStruct* GetFrameDataStruct() const override;
	virtual FText GetDisplayName() const override;
};
