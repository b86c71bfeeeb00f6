#pragma once

#include "CoreMinimal.h"
#include "Roles/LiveLinkBasicRole.h"

#include "LiveLinkTransformRole.generated.h"

/** A subject with a transform. */
UCLASS(BlueprintType, meta = (DisplayName = "Transform Role"))
class LIVELINKINTERFACE_API ULiveLinkTransformRole : public ULiveLinkBasicRole
{
	GENERATED_BODY()

public:
	virtual UScriptStruct* GetStaticDataStruct() const override;
	virtual UScriptStruct* GetFrameDataStruct() const override;
	virtual FText GetDisplayName() const override;
};
