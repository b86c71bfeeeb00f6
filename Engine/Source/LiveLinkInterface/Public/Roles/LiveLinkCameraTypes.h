#pragma once

#include "CoreMinimal.h"
#include "Roles/LiveLinkTransformTypes.h"

#include "LiveLinkCameraTypes.generated.h"

/** Static data of a camera subject: which lens values its frames carry. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkCameraStaticData : public FLiveLinkTransformStaticData
{
	GENERATED_BODY()

	/** Whether frames carry a field of view. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsFieldOfViewSupported = false;

	/** Whether frames carry an aspect ratio. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsAspectRatioSupported = false;

	/** Whether frames carry a focal length. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsFocalLengthSupported = false;

	/** Whether frames carry an aperture. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsApertureSupported = false;

	/** Whether frames carry a focus distance. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	bool bIsFocusDistanceSupported = false;
};

/** One frame of a camera subject. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkCameraFrameData : public FLiveLinkTransformFrameData
{
	GENERATED_BODY()

	/** Horizontal field of view in degrees. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	float FieldOfView = 90.0f;

	/** Width over height. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	float AspectRatio = 1.777778f;

	/** Focal length in millimetres. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	float FocalLength = 50.0f;

	/** Aperture as an f-stop. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	float Aperture = 2.8f;

	/** Focus distance in centimetres. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	float FocusDistance = 100000.0f;
};
