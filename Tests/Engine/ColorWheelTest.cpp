// Contract tests of the Slate colour wheel: the selected colour polled from its attribute, the events
// of a drag, and how a position maps to hue and saturation.

#include "CoreMinimal.h"
#include "Widgets/Colors/SColorWheel.h"

#include <gtest/gtest.h>

namespace
{
	/** Records what the wheel reports, in order, and answers its attribute. */
	struct FWheelWatcher
	{
		TSharedRef<SColorWheel> Make()
		{
			return SNew(SColorWheel)
				.SelectedColor(TAttribute<FLinearColor>::CreateLambda([this]() { return Selected; }))
				.OnValueChanged(FOnLinearColorValueChanged::CreateLambda([this](FLinearColor Value) {
					Events.Add(TEXT("change ") + Value.ToString());
					Selected = Value;
				}))
				.OnMouseCaptureBegin(FSimpleDelegate::CreateLambda([this]() { Events.Add(TEXT("begin")); }))
				.OnMouseCaptureEnd(FSimpleDelegate::CreateLambda([this]() { Events.Add(TEXT("end")); }));
		}

		FLinearColor Selected = FLinearColor(0.0f, 0.0f, 0.5f, 0.25f);
		TArray<FString> Events;
	};

	FString Change(float Hue, float Saturation, float Value, float Alpha)
	{
		return TEXT("change ") + FLinearColor(Hue, Saturation, Value, Alpha).ToString();
	}
}

TEST(ColorWheel, TheSelectedColourIsReadFromItsAttributeEachTime)
{
	FWheelWatcher Watcher;
	const TSharedRef<SColorWheel> Wheel = Watcher.Make();
	EXPECT_EQ(Wheel->GetType(), FName(TEXT("SColorWheel")));
	EXPECT_EQ(Wheel->GetSelectedColor(), Watcher.Selected);
	Watcher.Selected = FLinearColor(120.0f, 0.5f, 1.0f, 1.0f);
	EXPECT_EQ(Wheel->GetSelectedColor(), Watcher.Selected);
	EXPECT_TRUE(Watcher.Events.IsEmpty());
}

TEST(ColorWheel, ADragBeginsCapturesChangesAtEveryPointAndEndsOnRelease)
{
	FWheelWatcher Watcher;
	const TSharedRef<SColorWheel> Wheel = Watcher.Make();
	Wheel->PressAt(FVector2D(0.5, 0.0));
	EXPECT_TRUE(Wheel->IsDragging());
	Wheel->MoveTo(FVector2D(0.0, 1.0));
	Wheel->MoveTo(FVector2D(-0.25, 0.0));
	Wheel->MoveTo(FVector2D(0.0, -0.75));
	Wheel->Release();
	EXPECT_FALSE(Wheel->IsDragging());
	// Hue is the angle (Y down, as in Slate), saturation the distance; value and alpha stay.
	// clang-format off
	EXPECT_EQ(Watcher.Events, (TArray<FString>{
		TEXT("begin"),
		Change(0.0f, 0.5f, 0.5f, 0.25f),
		Change(90.0f, 1.0f, 0.5f, 0.25f),
		Change(180.0f, 0.25f, 0.5f, 0.25f),
		Change(270.0f, 0.75f, 0.5f, 0.25f),
		TEXT("end"),
	}));
	// clang-format on
}

TEST(ColorWheel, OffTheWheelAPressOnlyCapturesAndAMoveTakesFullSaturation)
{
	FWheelWatcher Watcher;
	const TSharedRef<SColorWheel> Wheel = Watcher.Make();
	Wheel->PressAt(FVector2D(2.0, 0.0));
	Wheel->MoveTo(FVector2D(0.0, -4.0));
	Wheel->Release();
	EXPECT_EQ(Watcher.Events, (TArray<FString>{ TEXT("begin"), Change(270.0f, 1.0f, 0.5f, 0.25f), TEXT("end") }));
}

TEST(ColorWheel, WithoutACaptureMovesAndReleasesDoNothing)
{
	FWheelWatcher Watcher;
	const TSharedRef<SColorWheel> Wheel = Watcher.Make();
	Wheel->MoveTo(FVector2D(0.5, 0.5));
	Wheel->Release();
	EXPECT_TRUE(Watcher.Events.IsEmpty());

	// A second press while captured is part of the same drag.
	Wheel->PressAt(FVector2D(0.0, 0.0));
	Wheel->PressAt(FVector2D(0.5, 0.0));
	Wheel->Release();
	EXPECT_EQ(Watcher.Events, (TArray<FString>{ TEXT("begin"), Change(0.0f, 0.0f, 0.5f, 0.25f), TEXT("end") }));
}

TEST(ColorWheel, AWheelWithNothingBoundStillTakesADrag)
{
	const TSharedRef<SColorWheel> Wheel = SNew(SColorWheel);
	Wheel->PressAt(FVector2D(0.5, 0.0));
	Wheel->MoveTo(FVector2D(0.0, 0.5));
	Wheel->Release();
	EXPECT_FALSE(Wheel->IsDragging());
	EXPECT_EQ(Wheel->GetSelectedColor(), FLinearColor());
}
