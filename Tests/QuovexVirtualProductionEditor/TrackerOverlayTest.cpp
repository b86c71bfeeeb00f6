// The tracker read-out laid over the level viewport: collapsed, one more per call, and built exactly as
// its texts, cells, paddings, alignments and nudge say.

#include "QuovexEditorTestFixture.h"
#include "ConsoleLines.h"

#include "Framework/Docking/TabManager.h"
#include "Internationalization/Text.h"
#include "LevelEditor.h"
#include "SLevelViewport.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Layout/SGridPanel.h"
#include "Widgets/Layout/SUniformGridPanel.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

using namespace QuovexTest;

namespace
{
	class TrackerOverlayTest : public FQuovexEditorTest
	{
	protected:
		static TSharedPtr<SLevelViewport> Viewport()
		{
			return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).GetFirstActiveLevelViewport();
		}

		/** The widgets laid over the viewport (its first layer is the view itself). */
		static TArray<TSharedRef<SWidget>> Overlays()
		{
			TArray<TSharedRef<SWidget>> Widgets;
			FChildren* Layers = Viewport()->GetViewportOverlayForHost()->GetChildren();
			for (int32 Index = 1; Index < Layers->Num(); ++Index)
			{
				Widgets.Add(Layers->GetChildAt(Index));
			}
			return Widgets;
		}

		template<typename SlotType>
		static const SlotType& SlotOf(const TSharedRef<SWidget>& Panel, int32 Index)
		{
			return static_cast<const SlotType&>(Panel->GetChildren()->GetSlotAt(Index));
		}

		static TSharedRef<SWidget> ChildOf(const TSharedRef<SWidget>& Panel, int32 Index)
		{
			return Panel->GetChildren()->GetChildAt(Index);
		}

		/** Checks a text block: its text, and that the text is the module's localisable text of that key. */
		static void ExpectText(const TSharedRef<SWidget>& Widget, const TCHAR* Key, const TCHAR* Text)
		{
			SCOPED_TRACE(HostTest::Utf8(Key));
			ASSERT_EQ(Widget->GetType(), FName(TEXT("STextBlock")));
			const FText Shown = StaticCastSharedRef<STextBlock>(Widget)->GetText();
			EXPECT_EQ(Shown.ToString(), Text);
			EXPECT_EQ(FTextInspector::GetNamespace(Shown).Get(FString()), TEXT("QuovexVirtualProductionEditorModule"));
			EXPECT_EQ(FTextInspector::GetKey(Shown).Get(FString()), Key);
		}
	};
}

TEST_F(TrackerOverlayTest, EachCallLaysOneMoreCollapsedOverlayOverTheViewport)
{
	ASSERT_TRUE(Boot());
	EXPECT_TRUE(Overlays().IsEmpty());
	EditorModule()->AddTrackerViewOverlay();
	ASSERT_EQ(Overlays().Num(), 1);
	EXPECT_EQ(Overlays()[0]->GetType(), FName(TEXT("SOverlay")));
	EXPECT_EQ(Overlays()[0]->GetVisibility(), EVisibility::Collapsed);

	EditorModule()->AddTrackerViewOverlay();
	ASSERT_EQ(Overlays().Num(), 2);
	EXPECT_NE(Overlays()[0], Overlays()[1]);
	EXPECT_EQ(Overlays()[1]->GetVisibility(), EVisibility::Collapsed);
}

TEST_F(TrackerOverlayTest, TheReadOutIsBuiltExactly)
{
	ASSERT_TRUE(Boot());
	EditorModule()->AddTrackerViewOverlay();
	const TSharedRef<SWidget> Root = Overlays()[0];

	ASSERT_EQ(Root->GetChildren()->Num(), 1);
	const SOverlay::FOverlaySlot& RootSlot = SlotOf<SOverlay::FOverlaySlot>(Root, 0);
	EXPECT_EQ(RootSlot.GetZOrder(), 0);
	EXPECT_EQ(RootSlot.GetHorizontalAlignment(), HAlign_Center);
	EXPECT_EQ(RootSlot.GetVerticalAlignment(), VAlign_Top);
	EXPECT_EQ(RootSlot.GetPadding(), FMargin(0.0f, 15.0f, 0.0f, 15.0f));

	const TSharedRef<SWidget> Grid = ChildOf(Root, 0);
	ASSERT_EQ(Grid->GetType(), FName(TEXT("SGridPanel")));
	ASSERT_EQ(Grid->GetChildren()->Num(), 3);

	// The status line, above the values column.
	const SGridPanel::FSlot& StatusCell = SlotOf<SGridPanel::FSlot>(Grid, 0);
	EXPECT_EQ(StatusCell.GetColumn(), 1);
	EXPECT_EQ(StatusCell.GetRow(), 0);
	EXPECT_EQ(StatusCell.GetHorizontalAlignment(), HAlign_Center);
	EXPECT_EQ(StatusCell.GetVerticalAlignment(), VAlign_Center);
	EXPECT_EQ(StatusCell.GetNudge(), FVector2D(-45.0f, 0.0f));
	const TSharedRef<SWidget> Status = ChildOf(Grid, 0);
	ASSERT_EQ(Status->GetType(), FName(TEXT("SHorizontalBox")));
	ASSERT_EQ(Status->GetChildren()->Num(), 2);
	ExpectText(ChildOf(Status, 0), TEXT("Status Text"), TEXT("Status : "));
	EXPECT_EQ(SlotOf<SBoxPanel::FSlot>(Status, 0).GetPadding(), FMargin(0.0f, 0.0f, 2.5f, 0.0f));
	ExpectText(ChildOf(Status, 1), TEXT("Value Text"), TEXT("Value"));
	EXPECT_EQ(SlotOf<SBoxPanel::FSlot>(Status, 1).GetPadding(), FMargin(2.5f, 0.0f, 0.0f, 0.0f));

	// The row labels.
	const SGridPanel::FSlot& LabelsCell = SlotOf<SGridPanel::FSlot>(Grid, 1);
	EXPECT_EQ(LabelsCell.GetColumn(), 0);
	EXPECT_EQ(LabelsCell.GetRow(), 1);
	EXPECT_EQ(LabelsCell.GetHorizontalAlignment(), HAlign_Fill);
	EXPECT_EQ(LabelsCell.GetVerticalAlignment(), VAlign_Center);
	EXPECT_EQ(LabelsCell.GetPadding(), FMargin(4.0f, 8.0f, 4.0f, 4.0f));
	EXPECT_EQ(LabelsCell.GetNudge(), FVector2D::ZeroVector);
	const TSharedRef<SWidget> Labels = ChildOf(Grid, 1);
	ASSERT_EQ(Labels->GetType(), FName(TEXT("SVerticalBox")));
	ASSERT_EQ(Labels->GetChildren()->Num(), 2);
	ExpectText(ChildOf(Labels, 0), TEXT("Location Text"), TEXT("Location: "));
	ExpectText(ChildOf(Labels, 1), TEXT("Rotation Text"), TEXT("Rotation: "));

	// The values: location in the first row, rotation in the second.
	const SGridPanel::FSlot& ValuesCell = SlotOf<SGridPanel::FSlot>(Grid, 2);
	EXPECT_EQ(ValuesCell.GetColumn(), 1);
	EXPECT_EQ(ValuesCell.GetRow(), 1);
	EXPECT_EQ(ValuesCell.GetHorizontalAlignment(), HAlign_Fill);
	EXPECT_EQ(ValuesCell.GetVerticalAlignment(), VAlign_Center);
	EXPECT_EQ(ValuesCell.GetPadding(), FMargin(4.0f, 8.0f, 4.0f, 4.0f));
	const TSharedRef<SWidget> Values = ChildOf(Grid, 2);
	ASSERT_EQ(Values->GetType(), FName(TEXT("SUniformGridPanel")));
	EXPECT_EQ(StaticCastSharedRef<SUniformGridPanel>(Values)->GetMinDesiredSlotWidth(), 60.0f);
	ASSERT_EQ(Values->GetChildren()->Num(), 6);

	struct FAxisCell
	{
		int32 Column;
		int32 Row;
		const TCHAR* LabelKey;
		const TCHAR* Label;
		const TCHAR* ValueKey;
	};
	const FAxisCell Cells[] = {
		{ 0, 0, TEXT("Location X Text"), TEXT("X: "), TEXT("Location X Value Text") },
		{ 1, 0, TEXT("Location Y Text"), TEXT("Y: "), TEXT("Location Y Value Text") },
		{ 2, 0, TEXT("Location Z Text"), TEXT("Z: "), TEXT("Location Z Value Text") },
		{ 0, 1, TEXT("Rotation X Text"), TEXT("X: "), TEXT("Rotation X Value Text") },
		{ 1, 1, TEXT("Rotation Y Text"), TEXT("Y: "), TEXT("Rotation Y Value Text") },
		{ 2, 1, TEXT("Rotation Z Text"), TEXT("Z: "), TEXT("Rotation Z Value Text") },
	};
	for (int32 Index = 0; Index < 6; ++Index)
	{
		const FAxisCell& Expected = Cells[Index];
		SCOPED_TRACE(HostTest::Utf8(Expected.LabelKey));
		const SUniformGridPanel::FSlot& Cell = SlotOf<SUniformGridPanel::FSlot>(Values, Index);
		EXPECT_EQ(Cell.GetColumn(), Expected.Column);
		EXPECT_EQ(Cell.GetRow(), Expected.Row);
		EXPECT_EQ(Cell.GetHorizontalAlignment(), HAlign_Left);
		EXPECT_EQ(Cell.GetVerticalAlignment(), VAlign_Top);

		const TSharedRef<SWidget> Axis = ChildOf(Values, Index);
		ASSERT_EQ(Axis->GetType(), FName(TEXT("SGridPanel")));
		ASSERT_EQ(Axis->GetChildren()->Num(), 2);
		for (int32 Part = 0; Part < 2; ++Part)
		{
			const SGridPanel::FSlot& PartCell = SlotOf<SGridPanel::FSlot>(Axis, Part);
			EXPECT_EQ(PartCell.GetColumn(), Part);
			EXPECT_EQ(PartCell.GetRow(), 0);
			EXPECT_EQ(PartCell.GetHorizontalAlignment(), HAlign_Fill);
			EXPECT_EQ(PartCell.GetVerticalAlignment(), VAlign_Fill);
			EXPECT_EQ(PartCell.GetPadding(), FMargin(5.0f, 0.0f, 5.0f, 0.0f));
		}
		ExpectText(ChildOf(Axis, 0), Expected.LabelKey, Expected.Label);
		ExpectText(ChildOf(Axis, 1), Expected.ValueKey, TEXT("0.0000"));
	}
}

TEST_F(TrackerOverlayTest, WithoutAViewportNothingIsAttachedOrReported)
{
	ASSERT_TRUE(Boot());
	{
		const TSharedPtr<SDockTab> LevelEditorTab = FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FLevelEditorModule::LevelEditorTabName));
		ASSERT_TRUE(LevelEditorTab.IsValid());
		LevelEditorTab->RequestCloseTab();
	}
	ASSERT_FALSE(Viewport().IsValid());
	FHostLogCapture Log;
	EditorModule()->AddTrackerViewOverlay();
	EXPECT_TRUE(Log.GetLines().IsEmpty());
}

TEST_F(TrackerOverlayTest, TheConsoleAddsItAndShowsTheTree)
{
	ASSERT_TRUE(Boot());
	FConsoleLines Out;
	ASSERT_TRUE(Out.Run(TEXT("Quovex.AddTrackerViewOverlay")));
	ASSERT_TRUE(Out.Run(TEXT("viewport overlays")));
	ASSERT_GE(Out.Lines.Num(), 8);
	EXPECT_EQ(Out.Lines[0], TEXT("Overlay widgets of the level viewport (1):"));
	EXPECT_EQ(Out.Lines[1], TEXT("  SOverlay Collapsed"));
	EXPECT_EQ(Out.Lines[2], TEXT("    SGridPanel Visible"));
	EXPECT_EQ(Out.Lines[3], TEXT("      SHorizontalBox Visible"));
	EXPECT_EQ(Out.Lines[4], TEXT("        STextBlock Visible \"Status : \""));
	EXPECT_EQ(Out.Lines.Last(), TEXT("          STextBlock Visible \"0.0000\""));
}
