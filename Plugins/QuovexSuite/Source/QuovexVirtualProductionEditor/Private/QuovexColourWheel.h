// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Components/Widget.h"

#include "QuovexColourWheel.generated.h"

class SColorWheel;

DECLARE_DYNAMIC_MULTICAST_DELEGATE_OneParam(FColourChangedEvent, const FLinearColor&, NewColor);
DECLARE_DYNAMIC_MULTICAST_DELEGATE(FMouseCaptureBeginEvent);
DECLARE_DYNAMIC_MULTICAST_DELEGATE(FMouseCaptureEndEvent);

/**
 * A hue and saturation wheel for the panels. The colour is kept in linear RGB; the Slate wheel works
 * in HSV, so the colour is converted on its way to and from the wheel.
 */
UCLASS(ClassGroup = (Quovex), meta = (DisplayName = "Quovex Colour Wheel"))
class UQuovexColourWheel : public UWidget
{
	GENERATED_BODY()

public:
	UQuovexColourWheel(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Event called when value is changed */
	UPROPERTY(BlueprintAssignable, Category = "Colour Wheel|Event")
	FColourChangedEvent OnColourChanged;

	/** Event called when the wheel captures the mouse, as a drag starts */
	UPROPERTY(BlueprintAssignable, Category = "Colour Wheel|Event")
	FMouseCaptureBeginEvent OnMouseCaptureBegin;

	/** Event called when the wheel releases the mouse, as a drag ends */
	UPROPERTY(BlueprintAssignable, Category = "Colour Wheel|Event")
	FMouseCaptureEndEvent OnMouseCaptureEnd;

	/**
	 * Sets the colour of the colourwheel
	 * @param NewColour A new linear color value
	 */
	UFUNCTION(BlueprintCallable, Category = "Colour Wheel|Functions", meta = (DisplayName = "Set Colour", Keywords = "set colour wheel"))
	void SetColour(const FLinearColor NewColour);

	/**
	 * Gets the colour of the colourwheel
	 * @return The current colour of the colorwheel
	 */
	UFUNCTION(BlueprintPure, Category = "Colour Wheel|Functions", meta = (DisplayName = "Get Colour", Keywords = "get colour wheel"))
	FLinearColor GetCurrentColour();

protected:
	virtual TSharedRef<SWidget> RebuildWidget() override;
	virtual void ReleaseSlateResources(bool bReleaseChildren) override;

	/** The live Slate wheel; empty until built and after release. */
	TSharedPtr<SColorWheel> ColourWheel;

	/** The current colour, linear RGB with alpha. */
	FLinearColor Colour;

private:
	/** What the wheel shows: the colour in HSV. */
	FLinearColor GetColour() const;

	/** The wheel's new HSV value, taken back to RGB. */
	void OnValueChanged(FLinearColor NewValue);

	void MouseCaptureBegin();
	void MouseCaptureEnd();
};
