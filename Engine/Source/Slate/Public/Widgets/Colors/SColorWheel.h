// The hue and saturation colour wheel.

#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Math/Color.h"
#include "Math/Vector2D.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

/**
 * A wheel on which the user picks a hue (the angle around the centre) and a saturation (the distance
 * from the centre). Colours are HSV held in an FLinearColor: hue in degrees in R, saturation in G,
 * value in B, alpha in A. A change keeps the value and alpha of the selected colour.
 */
class SLATE_API SColorWheel : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SColorWheel)
		: _SelectedColor()
	{
	}
	/** The current colour selected by the user, polled whenever the wheel draws. */
	SLATE_ATTRIBUTE(FLinearColor, SelectedColor)
	/** Invoked when the mouse is pressed and a capture begins. */
	SLATE_EVENT(FSimpleDelegate, OnMouseCaptureBegin)
	/** Invoked when the mouse is released and a capture ends. */
	SLATE_EVENT(FSimpleDelegate, OnMouseCaptureEnd)
	/** Invoked when a new value is selected on the colour wheel. */
	SLATE_EVENT(FOnLinearColorValueChanged, OnValueChanged)
	SLATE_END_ARGS()

	SColorWheel();
	virtual ~SColorWheel();

	void Construct(const FArguments& InArgs);

	// Host additions (not in UE): the stand-in has no mouse input, so a host plays the user's drag.
	// Positions are relative to the wheel's centre in wheel radii, Y pointing down as in Slate's
	// local space.

	/** The colour the wheel shows now: the selected colour attribute, read as a draw would. */
	FLinearColor GetSelectedColor() const;

	/** The left button goes down at Position: the capture begins, and a point on the wheel picks a colour. */
	void PressAt(const FVector2D& Position);

	/** The captured mouse moves to Position: every move picks a colour, outside the wheel at full saturation. */
	void MoveTo(const FVector2D& Position);

	/** The left button comes up: the capture ends. */
	void Release();

	/** Whether the mouse is captured (between PressAt and Release). */
	bool IsDragging() const
	{
		return bDragging;
	}

private:
	/** Turns a position into a hue and saturation and reports it; outside the wheel only when asked to. */
	void ProcessMouseAction(const FVector2D& Position, bool bProcessWhenOutsideColorWheel);

	TAttribute<FLinearColor> SelectedColor;
	FSimpleDelegate OnMouseCaptureBegin;
	FSimpleDelegate OnMouseCaptureEnd;
	FOnLinearColorValueChanged OnValueChanged;
	bool bDragging;
};
