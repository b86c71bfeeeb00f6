// Copyright Quovex. All Rights Reserved.

#include "QuovexColourWheel.h"

#include "Widgets/Colors/SColorWheel.h"

UQuovexColourWheel::UQuovexColourWheel(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, Colour(FLinearColor::White)
{
}

void UQuovexColourWheel::SetColour(const FLinearColor NewColour)
{
	// The wheel polls GetColour, so it shows the new colour without being told.
	Colour = NewColour;
}

FLinearColor UQuovexColourWheel::GetCurrentColour()
{
	return Colour;
}

TSharedRef<SWidget> UQuovexColourWheel::RebuildWidget()
{
	// Bound to this object, so a wheel that outlives the widget object stops calling it.
	// clang-format off
	ColourWheel = SNew(SColorWheel)
		.SelectedColor(TAttribute<FLinearColor>::Create(TAttribute<FLinearColor>::FGetter::CreateUObject(this, &UQuovexColourWheel::GetColour)))
		.OnValueChanged(FOnLinearColorValueChanged::CreateUObject(this, &UQuovexColourWheel::OnValueChanged))
		.OnMouseCaptureBegin(FSimpleDelegate::CreateUObject(this, &UQuovexColourWheel::MouseCaptureBegin))
		.OnMouseCaptureEnd(FSimpleDelegate::CreateUObject(this, &UQuovexColourWheel::MouseCaptureEnd));
	// clang-format on
	return ColourWheel.ToSharedRef();
}

void UQuovexColourWheel::ReleaseSlateResources(bool bReleaseChildren)
{
	Super::ReleaseSlateResources(bReleaseChildren);
	ColourWheel.Reset();
}

FLinearColor UQuovexColourWheel::GetColour() const
{
	return Colour.LinearRGBToHSV();
}

void UQuovexColourWheel::OnValueChanged(FLinearColor NewValue)
{
	Colour = NewValue.HSVToLinearRGB();
	OnColourChanged.Broadcast(Colour);
}

void UQuovexColourWheel::MouseCaptureBegin()
{
	OnMouseCaptureBegin.Broadcast();
}

void UQuovexColourWheel::MouseCaptureEnd()
{
	OnMouseCaptureEnd.Broadcast();
}
