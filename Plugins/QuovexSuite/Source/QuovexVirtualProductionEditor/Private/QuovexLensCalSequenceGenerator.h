// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "QuovexEditorUtilityWidget.h"

#include "QuovexLensCalSequenceGenerator.generated.h"

/** How a lens calibration sequence is laid out: positions to step through, angles per colour, rate and speeds. */
USTRUCT(BlueprintType)
struct FLensCalSequenceSettings
{
	GENERATED_BODY()

	/** Number of focus positions to step through. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	int32 NumFocusPos = 0;

	/** Number of zoom positions to step through. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	int32 NumZoomPos = 0;

	/** Angle for red, left side, wide angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float RedLeftSideWideAngle = 0.0f;

	/** Angle for red, right side, wide angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float RedRightSideWideAngle = 0.0f;

	/** Angle for red, left side, narrow angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float RedLeftSideNarrowAngle = 0.0f;

	/** Angle for red, right side, narrow angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float RedRightSideNarrowAngle = 0.0f;

	/** Angle for green, right side, wide angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float GreenRightSideWideAngle = 0.0f;

	/** Angle for green, right side, narrow angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float GreenRightSideNarrowAngle = 0.0f;

	/** Angle for blue, right side, wide angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float BlueRightSideWideAngle = 0.0f;

	/** Angle for blue, right side, narrow angle. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float BlueRightSideNarrowAngle = 0.0f;

	/** Frame rate of the generated sequence. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float FramesPerSecond = 0.0f;

	/** Hold time of a pan. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float PanHoldTime = 0.0f;

	/** Pan speed. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float PanSpeed = 0.0f;

	/** Speed of focus changes. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float FocusChangeSpeed = 0.0f;

	/** Speed of zoom changes. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float ZoomChangeSpeed = 0.0f;

	/** Field-of-view scale factor. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	float FOVScale = 0.0f;

	/** Name of the sequence asset to generate. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	FString AssetName;

	/** Name of the calibrator. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	FString CalibratorName;

	/** When the settings were last saved. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Lens Cal Sequence")
	FString TimeStamp;
};

/**
 * Native parent of the lens calibration panel. The settings live on the class default object, which
 * loads and saves them with the project's DefaultQuovexLensCalSequenceSettings.ini; every panel
 * instance reads and writes that one copy.
 */
UCLASS(BlueprintType, config = QuovexLensCalSequenceSettings)
class UQuovexLensCalSequenceGenerator : public UQuovexEditorUtilityWidgetVFX
{
	GENERATED_BODY()

public:
	UQuovexLensCalSequenceGenerator(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The saved lens calibration settings (those of the class default object). */
	UFUNCTION(BlueprintCallable, Category = "Lens Cal Sequence")
	FLensCalSequenceSettings GetSettings();

	/** Stores the settings, stamped with the current time, and writes them to the project's configuration. */
	UFUNCTION(BlueprintCallable, Category = "Lens Cal Sequence")
	void SaveSettings(FLensCalSequenceSettings settings);

private:
	UPROPERTY(config)
	FLensCalSequenceSettings SequenceSettings;
};
