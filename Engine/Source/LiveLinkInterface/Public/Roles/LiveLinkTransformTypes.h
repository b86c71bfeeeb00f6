#pragma once

#include "CoreMinimal.h"
#include "LiveLinkTypes.h"
#include "Math/Transform.h"

#include "LiveLinkTransformTypes.generated.h"

/** Static data of a transform subject. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkTransformStaticData : public FLiveLinkBaseStaticData
{
	GENERATED_BODY()

	/** Whether frames carry a location. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsLocationSupported = true;

	/** Whether frames carry a rotation. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsRotationSupported = true;

	/** Whether frames carry a scale. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsScaleSupported = true;
};

/** One frame of a transform subject. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkTransformFrameData : public FLiveLinkBaseFrameData
{
	GENERATED_BODY()

	/** The subject's transform. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	FTransform Transform;
};
