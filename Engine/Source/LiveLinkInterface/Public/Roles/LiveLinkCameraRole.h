#pragma once

#include "CoreMinimal.h"
#include "Roles/LiveLinkTransformRole.h"

#include "LiveLinkCameraRole.generated.h"

/** A subject that is a camera: a transform and lens values. */
UCLASS(BlueprintType, meta = (DisplayName = "Camera Role"))
class LIVELINKINTERFACE_API ULiveLinkCameraRole : public ULiveLinkTransformRole
{
	GENERATED_BODY()

public:
	virtual UScriptStruct* GetStaticDataStruct() const override;
	virtual UScriptStruct* GetFrameDataStruct() const override;
	virtual FText GetDisplayName() const override;
};
