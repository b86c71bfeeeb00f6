// The colour wheel widget: linear RGB kept, HSV shown, and what a panel's graph hears while the user drags.

#include "QuovexEditorTestFixture.h"

#include "HostLogCapture.h"
#include "QuovexColourWheel.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UnrealType.h"
#include "Widgets/Colors/SColorWheel.h"

#include <cmath>

using namespace QuovexTest;

namespace
{
	/** The colour a wheel value of this hue and saturation stands for, value and alpha kept. */
	FLinearColor WheelColour(float Hue, float Saturation, const FLinearColor& Current)
	{
		const FLinearColor Shown = Current.LinearRGBToHSV();
		return FLinearColor(Hue, Saturation, Shown.B, Shown.A).HSVToLinearRGB();
	}

	/** A point on the wheel at an angle (degrees) and a distance from the centre (radii). */
	FVector2D PointAt(double Degrees, double Radius)
	{
		const double Radians = Degrees * UE_DOUBLE_PI / 180.0;
		return FVector2D(Radius * std::cos(Radians), Radius * std::sin(Radians));
	}

	class ColourWheelTest : public FQuovexEditorTest
	{
	protected:
		/** A wheel placed from the console, as a panel layout places one: its events are bound to a logging graph. */
		UQuovexColourWheel* Place(const TCHAR* Name)
		{
			FHostLogCapture Console;
			EXPECT_TRUE(FEditorHost::Exec(FString::Printf(TEXT("colourwheel new %s"), Name), Console));
			UQuovexColourWheel* Wheel = FindObject<UQuovexColourWheel>(GetTransientPackage(), Name);
			EXPECT_NE(Wheel, nullptr);
			return Wheel;
		}

		static TSharedPtr<SColorWheel> SlateWheel(UQuovexColourWheel* Wheel)
		{
			const TSharedPtr<SWidget> Built = Wheel->GetCachedWidget();
			return Built.IsValid() && Built->GetType() == FName(TEXT("SColorWheel")) ? StaticCastSharedPtr<SColorWheel>(Built) : nullptr;
		}

		/** What the bound graph heard, in order. */
		TArray<FString> Heard() const
		{
			TArray<FString> Events;
			for (const FString& Line : Log.GetLines())
			{
				if (Line.StartsWith(TEXT("LogColourWheel: ")))
				{
					Events.Add(Line.Mid(16));
				}
			}
			return Events;
		}

		FHostLogCapture Log;
	};
}

TEST_F(ColourWheelTest, AFreshWheelIsWhiteAndShowsWhiteOnceBuilt)
{
	ASSERT_TRUE(Boot());
	UQuovexColourWheel* Wheel = NewObject<UQuovexColourWheel>(GetTransientPackage(), TEXT("FreshWheel"));
	EXPECT_EQ(Wheel->GetCurrentColour(), FLinearColor(1.0f, 1.0f, 1.0f, 1.0f));
	EXPECT_FALSE(Wheel->IsConstructed());

	Wheel->TakeWidget();
	const TSharedPtr<SColorWheel> Slate = SlateWheel(Wheel);
	ASSERT_TRUE(Slate.IsValid());
	EXPECT_EQ(Slate->GetSelectedColor(), FLinearColor(0.0f, 0.0f, 1.0f, 1.0f));
	EXPECT_EQ(Wheel->GetCurrentColour(), FLinearColor::White);
}

TEST_F(ColourWheelTest, SetColourRaisesNothingReadsBackAndShowsOnTheWheelInHSV)
{
	ASSERT_TRUE(Boot());
	UQuovexColourWheel* Wheel = Place(TEXT("SetWheel"));
	ASSERT_NE(Wheel, nullptr);
	const TSharedPtr<SColorWheel> Slate = SlateWheel(Wheel);
	ASSERT_TRUE(Slate.IsValid());
	Log.Clear();

	const FLinearColor Orange(0.8f, 0.4f, 0.1f, 0.5f);
	Wheel->SetColour(Orange);
	EXPECT_EQ(Wheel->GetCurrentColour(), Orange);
	EXPECT_TRUE(Heard().IsEmpty());
	// The wheel re-reads its attribute: the new colour shows without being pushed to it.
	const FLinearColor Shown = Slate->GetSelectedColor();
	EXPECT_EQ(Shown, Orange.LinearRGBToHSV());
	EXPECT_NEAR(Shown.R, 25.714285f, 1e-3f);
	EXPECT_NEAR(Shown.G, 0.875f, 1e-6f);
	EXPECT_NEAR(Shown.B, 0.8f, 1e-6f);
	EXPECT_EQ(Shown.A, 0.5f);

	// Colours outside 0..1 are kept as given.
	const FLinearColor Bright(2.0f, 0.0f, -0.5f, 1.0f);
	Wheel->SetColour(Bright);
	EXPECT_EQ(Wheel->GetCurrentColour(), Bright);
	EXPECT_TRUE(Heard().IsEmpty());
}

TEST_F(ColourWheelTest, ADragRaisesCaptureBeginOneChangePerWheelChangeWithTheRGBColourThenCaptureEnd)
{
	ASSERT_TRUE(Boot());
	UQuovexColourWheel* Wheel = Place(TEXT("DragWheel"));
	ASSERT_NE(Wheel, nullptr);
	Wheel->SetColour(FLinearColor(0.5f, 0.5f, 0.5f, 0.75f));
	const TSharedPtr<SColorWheel> Slate = SlateWheel(Wheel);
	ASSERT_TRUE(Slate.IsValid());
	Log.Clear();

	const FLinearColor Grey(0.5f, 0.5f, 0.5f, 0.75f);
	Slate->PressAt(FVector2D(0.0, 0.5));
	const FLinearColor First = WheelColour(90.0f, 0.5f, Grey);
	EXPECT_EQ(Wheel->GetCurrentColour(), First);
	Slate->MoveTo(FVector2D(-0.25, 0.0));
	const FLinearColor Second = WheelColour(180.0f, 0.25f, First);
	// Past the rim the hue still follows the mouse, at full saturation.
	Slate->MoveTo(FVector2D(0.0, -3.0));
	const FLinearColor Third = WheelColour(270.0f, 1.0f, Second);
	Slate->Release();

	const TArray<FString> Expected = {
		TEXT("DragWheel: mouse capture begin"),
		FString(TEXT("DragWheel: colour changed to ")) + First.ToString(),
		FString(TEXT("DragWheel: colour changed to ")) + Second.ToString(),
		FString(TEXT("DragWheel: colour changed to ")) + Third.ToString(),
		TEXT("DragWheel: mouse capture end"),
	};
	EXPECT_EQ(Heard(), Expected);
	// Value and alpha of the grey came through the drag: purple at half value.
	EXPECT_EQ(First, FLinearColor(0.375f, 0.5f, 0.25f, 0.75f));
	EXPECT_EQ(Wheel->GetCurrentColour(), FLinearColor(0.25f, 0.0f, 0.5f, 0.75f));
}

TEST_F(ColourWheelTest, APressOffTheWheelCapturesWithoutAChange)
{
	ASSERT_TRUE(Boot());
	UQuovexColourWheel* Wheel = Place(TEXT("RimWheel"));
	ASSERT_NE(Wheel, nullptr);
	const TSharedPtr<SColorWheel> Slate = SlateWheel(Wheel);
	ASSERT_TRUE(Slate.IsValid());
	Log.Clear();

	Slate->PressAt(PointAt(45.0, 1.5));
	Slate->Release();
	EXPECT_EQ(Heard(), (TArray<FString>{ TEXT("RimWheel: mouse capture begin"), TEXT("RimWheel: mouse capture end") }));
	EXPECT_EQ(Wheel->GetCurrentColour(), FLinearColor::White);
}

TEST_F(ColourWheelTest, ReleasingAndRebuildingKeepsTheColourAndTheBoundEvents)
{
	ASSERT_TRUE(Boot());
	UQuovexColourWheel* Wheel = Place(TEXT("RebuiltWheel"));
	ASSERT_NE(Wheel, nullptr);
	const FLinearColor Teal(0.1f, 0.6f, 0.55f, 1.0f);
	Wheel->SetColour(Teal);
	const TSharedPtr<SColorWheel> Before = SlateWheel(Wheel);
	ASSERT_TRUE(Before.IsValid());

	// As a panel that closes does: through the widget base.
	static_cast<UWidget*>(Wheel)->ReleaseSlateResources(true);
	EXPECT_FALSE(Wheel->IsConstructed());
	EXPECT_EQ(Wheel->GetCurrentColour(), Teal);

	Wheel->TakeWidget();
	const TSharedPtr<SColorWheel> After = SlateWheel(Wheel);
	ASSERT_TRUE(After.IsValid());
	EXPECT_NE(After, Before);
	EXPECT_EQ(After->GetSelectedColor(), Teal.LinearRGBToHSV());

	Log.Clear();
	After->PressAt(PointAt(0.0, 1.0));
	After->Release();
	const FLinearColor Picked = WheelColour(0.0f, 1.0f, Teal);
	EXPECT_EQ(Heard(), (TArray<FString>{ TEXT("RebuiltWheel: mouse capture begin"), FString(TEXT("RebuiltWheel: colour changed to ")) + Picked.ToString(), TEXT("RebuiltWheel: mouse capture end") }));
}

TEST_F(ColourWheelTest, ASlateWheelLeftBehindByItsWidgetNoLongerCallsIt)
{
	ASSERT_TRUE(Boot());
	UQuovexColourWheel* Wheel = Place(TEXT("GoneWheel"));
	ASSERT_NE(Wheel, nullptr);
	Wheel->SetColour(FLinearColor::Red);
	const TSharedPtr<SColorWheel> Slate = SlateWheel(Wheel);
	ASSERT_TRUE(Slate.IsValid());
	const TWeakObjectPtr<UQuovexColourWheel> Watch = Wheel;

	Wheel->RemoveFromRoot();
	Wheel->MarkAsGarbage();
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	ASSERT_FALSE(Watch.IsValid());

	Log.Clear();
	Slate->PressAt(PointAt(90.0, 0.5));
	Slate->MoveTo(PointAt(180.0, 0.5));
	Slate->Release();
	EXPECT_TRUE(Heard().IsEmpty());
}

TEST_F(ColourWheelTest, PanelsSeeTheWidgetAndItsEventsUnderTheirBlueprintNames)
{
	UClass* Class = UQuovexColourWheel::StaticClass();
	EXPECT_TRUE(Class->IsChildOf(UWidget::StaticClass()));
	EXPECT_EQ(Class->GetMetaData(TEXT("DisplayName")), TEXT("Quovex Colour Wheel"));

	const UFunction* Set = Class->FindFunctionByName(TEXT("SetColour"));
	ASSERT_NE(Set, nullptr);
	EXPECT_TRUE(Set->HasAllFunctionFlags(FUNC_BlueprintCallable | FUNC_Final | FUNC_Native));
	EXPECT_EQ(Set->GetMetaData(TEXT("Category")), TEXT("Colour Wheel|Functions"));
	EXPECT_EQ(Set->GetMetaData(TEXT("DisplayName")), TEXT("Set Colour"));
	EXPECT_EQ(Set->GetMetaData(TEXT("Keywords")), TEXT("set colour wheel"));
	EXPECT_TRUE(Set->GetMetaData(TEXT("ToolTip")).StartsWith(TEXT("Sets the colour of the colourwheel")));
	EXPECT_TRUE(Set->GetMetaData(TEXT("ToolTip")).Contains(TEXT("A new linear color value")));

	const UFunction* Get = Class->FindFunctionByName(TEXT("GetCurrentColour"));
	ASSERT_NE(Get, nullptr);
	EXPECT_TRUE(Get->HasAllFunctionFlags(FUNC_BlueprintCallable | FUNC_BlueprintPure | FUNC_Final | FUNC_Native));
	EXPECT_EQ(Get->GetMetaData(TEXT("DisplayName")), TEXT("Get Colour"));
	EXPECT_EQ(Get->GetMetaData(TEXT("Keywords")), TEXT("get colour wheel"));
	EXPECT_TRUE(Get->GetMetaData(TEXT("ToolTip")).Contains(TEXT("The current colour of the colorwheel")));

	for (const TCHAR* Event : { TEXT("OnColourChanged"), TEXT("OnMouseCaptureBegin"), TEXT("OnMouseCaptureEnd") })
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Event));
		const FMulticastDelegateProperty* Property = CastField<FMulticastDelegateProperty>(Class->FindPropertyByName(Event));
		ASSERT_NE(Property, nullptr);
		EXPECT_TRUE(Property->HasAnyPropertyFlags(CPF_BlueprintAssignable));
		EXPECT_EQ(Property->GetMetaData(TEXT("Category")), TEXT("Colour Wheel|Event"));
	}
	EXPECT_EQ(Class->FindPropertyByName(TEXT("OnColourChanged"))->GetMetaData(TEXT("ToolTip")), TEXT("Event called when value is changed"));
	// The Slate wheel and the colour are not reflected.
	EXPECT_EQ(Class->FindPropertyByName(TEXT("Colour")), nullptr);
	EXPECT_EQ(Class->FindPropertyByName(TEXT("ColourWheel")), nullptr);
}

TEST_F(ColourWheelTest, TheConsolePlacesSetsReadsAndDragsAWheel)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Console;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("colourwheel new ConsoleWheel"), Console));
	ASSERT_TRUE(FEditorHost::Exec(TEXT("colourwheel set ConsoleWheel (R=0,G=0,B=1,A=1)"), Console));
	Console.Clear();
	ASSERT_TRUE(FEditorHost::Exec(TEXT("colourwheel get ConsoleWheel"), Console));
	EXPECT_EQ(Console.GetLines(), (TArray<FString>{ TEXT("Colour=(R=0.000000,G=0.000000,B=1.000000,A=1.000000)"), TEXT("Wheel=(R=240.000000,G=1.000000,B=1.000000,A=1.000000)") }));

	Log.Clear();
	ASSERT_TRUE(FEditorHost::Exec(TEXT("colourwheel drag ConsoleWheel 1,0 0,1 \"-1, 0\""), Console));
	// clang-format off
	EXPECT_EQ(Heard(), (TArray<FString>{
		TEXT("ConsoleWheel: mouse capture begin"),
		TEXT("ConsoleWheel: colour changed to (R=1.000000,G=0.000000,B=0.000000,A=1.000000)"),
		TEXT("ConsoleWheel: colour changed to (R=0.500000,G=1.000000,B=0.000000,A=1.000000)"),
		TEXT("ConsoleWheel: colour changed to (R=0.000000,G=1.000000,B=1.000000,A=1.000000)"),
		TEXT("ConsoleWheel: mouse capture end"),
	}));
	// clang-format on

	Console.Clear();
	ASSERT_TRUE(FEditorHost::Exec(TEXT("colourwheel rebuild ConsoleWheel"), Console));
	ASSERT_TRUE(FEditorHost::Exec(TEXT("colourwheel get ConsoleWheel"), Console));
	EXPECT_TRUE(Console.Contains(TEXT("Colour=(R=0.000000,G=1.000000,B=1.000000,A=1.000000)")));
	EXPECT_FALSE(FEditorHost::HasCommandFailed());
}

TEST_F(ColourWheelTest, BadConsoleInputSaysWhatWasWrongAndFails)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Console;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("colourwheel new Taken"), Console));
	const struct
	{
		const TCHAR* Line;
		const TCHAR* Message;
	} BadLines[] = {
		{ TEXT("colourwheel"), TEXT("Usage: colourwheel") },
		{ TEXT("colourwheel spin Taken"), TEXT("unknown action 'spin'") },
		{ TEXT("colourwheel new Taken"), TEXT("'Taken' is not a free object name") },
		{ TEXT("colourwheel new Bad/Name"), TEXT("'Bad/Name' is not a free object name") },
		{ TEXT("colourwheel get Nobody"), TEXT("no colour wheel 'Nobody'") },
		{ TEXT("colourwheel set Taken red"), TEXT("'red' is not a colour") },
		{ TEXT("colourwheel set Taken (R=1,G=0"), TEXT("'(R=1,G=0' is not a colour") },
		{ TEXT("colourwheel set Taken"), TEXT("Usage: colourwheel") },
		{ TEXT("colourwheel drag Taken"), TEXT("Usage: colourwheel") },
		{ TEXT("colourwheel drag Taken 0.5"), TEXT("'0.5' is not a point X,Y") },
		{ TEXT("colourwheel drag Taken 0.5,north"), TEXT("'0.5,north' is not a point X,Y") },
		{ TEXT("colourwheel get \"Taken"), TEXT("Usage: colourwheel") },
	};
	for (const auto& Bad : BadLines)
	{
		SCOPED_TRACE(HostTest::Utf8(Bad.Line));
		Console.Clear();
		Log.Clear();
		EXPECT_FALSE(FEditorHost::Exec(Bad.Line, Console));
		ASSERT_FALSE(Console.GetLines().IsEmpty());
		EXPECT_TRUE(Console.GetLines().Last().Contains(TEXT("Error: colourwheel: "))) << HostTest::Utf8(Console.GetLines().Last());
		EXPECT_TRUE(Console.GetLines().Last().Contains(Bad.Message)) << HostTest::Utf8(Console.GetLines().Last());
		EXPECT_TRUE(Heard().IsEmpty());
	}
	UQuovexColourWheel* Taken = FindObject<UQuovexColourWheel>(GetTransientPackage(), TEXT("Taken"));
	ASSERT_NE(Taken, nullptr);
	EXPECT_EQ(Taken->GetCurrentColour(), FLinearColor::White);
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
}
