#pragma once

#include "CoreMinimal.h"
#include "LiveLinkRole.h"

#include "LiveLinkBasicRole.generated.h"

/** A subject of generic named values only. */
UCLASS(BlueprintType, meta = (DisplayName = "Basic Role"))
class LIVELINKINTERFACE_API ULiveLinkBasicRole : public ULiveLinkRole
{
	GENERATED_BODY()

public:
	virtual UScriptStruct* GetStaticDataStruct() const override;
	virtual UScriptStruct* GetFrameDataStruct() const override;
	virtual FText GetDisplayName() const override;
};
