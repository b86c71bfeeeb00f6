#include "Widgets/Colors/SColorWheel.h"

#include <cmath>

SColorWheel::SColorWheel()
	: bDragging(false)
{
}

SColorWheel::~SColorWheel()
{
}

void SColorWheel::Construct(const FArguments& InArgs)
{
	SelectedColor = InArgs._SelectedColor;
	OnMouseCaptureBegin = InArgs._OnMouseCaptureBegin;
	OnMouseCaptureEnd = InArgs._OnMouseCaptureEnd;
	OnValueChanged = InArgs._OnValueChanged;
}

FLinearColor SColorWheel::GetSelectedColor() const
{
	return SelectedColor.Get();
}

void SColorWheel::PressAt(const FVector2D& Position)
{
	if (bDragging)
	{
		return;
	}
	OnMouseCaptureBegin.ExecuteIfBound();
	bDragging = true;
	ProcessMouseAction(Position, false);
}

void SColorWheel::MoveTo(const FVector2D& Position)
{
	// Without the capture the wheel does not react to the mouse passing over it.
	if (!bDragging)
	{
		return;
	}
	ProcessMouseAction(Position, true);
}

void SColorWheel::Release()
{
	if (!bDragging)
	{
		return;
	}
	bDragging = false;
	OnMouseCaptureEnd.ExecuteIfBound();
}

void SColorWheel::ProcessMouseAction(const FVector2D& Position, bool bProcessWhenOutsideColorWheel)
{
	const double Radius = std::sqrt(Position.X * Position.X + Position.Y * Position.Y);
	if (Radius > 1.0 && !bProcessWhenOutsideColorWheel)
	{
		return;
	}
	double Angle = std::atan2(Position.Y, Position.X);
	if (Angle < 0.0)
	{
		Angle += 2.0 * UE_DOUBLE_PI;
	}
	FLinearColor NewColor = SelectedColor.Get();
	NewColor.R = float(Angle * 180.0 / UE_DOUBLE_PI);
	NewColor.G = float(Radius < 1.0 ? Radius : 1.0);
	OnValueChanged.ExecuteIfBound(NewColor);
}
