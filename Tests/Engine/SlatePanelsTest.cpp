// Panel widgets: slots declared with + Slot() keep their order, layout values and children; overlays
// stack by z-order; grids keep cells, spans and nudges; panels own their children as parents.

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/Layout/SGridPanel.h"
#include "Widgets/Layout/SUniformGridPanel.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

namespace
{
	TSharedRef<STextBlock> Text(const TCHAR* InText)
	{
		return SNew(STextBlock).Text(FText::FromString(InText));
	}

	FString TextOf(const TSharedRef<SWidget>& Widget)
	{
		return StaticCastSharedRef<STextBlock>(Widget)->GetText().ToString();
	}

	template<typename SlotType>
	const SlotType& SlotOf(SWidget& Panel, int32 Index)
	{
		return static_cast<const SlotType&>(Panel.GetChildren()->GetSlotAt(Index));
	}
}

TEST(SlatePanelsTest, OverlayLayersStackByZOrderWhateverOrderTheyAreAddedIn)
{
	TSharedRef<SOverlay> Overlay = SNew(SOverlay)
		+ SOverlay::Slot()[Text(TEXT("base"))]
		+ SOverlay::Slot().ZOrder(10).HAlign(HAlign_Right).VAlign(VAlign_Bottom).Padding(1.0f, 2.0f, 3.0f, 4.0f)[Text(TEXT("top"))];
	ASSERT_EQ(Overlay->GetNumWidgets(), 2);
	EXPECT_EQ(SlotOf<SOverlay::FOverlaySlot>(*Overlay, 0).GetZOrder(), 0);
	const SOverlay::FOverlaySlot& Top = SlotOf<SOverlay::FOverlaySlot>(*Overlay, 1);
	EXPECT_EQ(Top.GetZOrder(), 10);
	EXPECT_EQ(Top.GetHorizontalAlignment(), HAlign_Right);
	EXPECT_EQ(Top.GetVerticalAlignment(), VAlign_Bottom);
	EXPECT_EQ(Top.GetPadding(), FMargin(1.0f, 2.0f, 3.0f, 4.0f));

	// An explicit z-order goes between the layers around it; no z-order goes above everything.
	Overlay->AddSlot(5)[Text(TEXT("middle"))];
	Overlay->AddSlot()[Text(TEXT("above"))];
	FChildren* Layers = Overlay->GetChildren();
	ASSERT_EQ(Layers->Num(), 4);
	EXPECT_EQ(TextOf(Layers->GetChildAt(0)), TEXT("base"));
	EXPECT_EQ(TextOf(Layers->GetChildAt(1)), TEXT("middle"));
	EXPECT_EQ(TextOf(Layers->GetChildAt(2)), TEXT("top"));
	EXPECT_EQ(TextOf(Layers->GetChildAt(3)), TEXT("above"));
	EXPECT_EQ(SlotOf<SOverlay::FOverlaySlot>(*Overlay, 3).GetZOrder(), 11);

	// A layer added without alignment fills the overlay.
	EXPECT_EQ(SlotOf<SOverlay::FOverlaySlot>(*Overlay, 1).GetHorizontalAlignment(), HAlign_Fill);
	EXPECT_EQ(SlotOf<SOverlay::FOverlaySlot>(*Overlay, 1).GetPadding(), FMargin(0.0f));
}

TEST(SlatePanelsTest, RemovingALayerDetachesItsWidgetFromTheOverlay)
{
	TSharedRef<STextBlock> Child = Text(TEXT("child"));
	TSharedRef<SOverlay> Overlay = SNew(SOverlay) + SOverlay::Slot()[Child];
	EXPECT_EQ(Child->GetParentWidget(), StaticCastSharedRef<SWidget>(Overlay));

	EXPECT_TRUE(Overlay->RemoveSlot(Child));
	EXPECT_EQ(Overlay->GetNumWidgets(), 0);
	EXPECT_FALSE(Child->IsParentValid());
	EXPECT_FALSE(Overlay->RemoveSlot(Child));
	EXPECT_EQ(Overlay->RemoveSlot(3), INDEX_NONE);
}

TEST(SlatePanelsTest, BoxesKeepTheirSlotsInOrderWithPaddingAndSizing)
{
	TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot().Padding(FMargin(0.0f, 0.0f, 2.5f, 0.0f))[Text(TEXT("left"))]
		+ SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Center)[Text(TEXT("right"))];
	ASSERT_EQ(Row->NumSlots(), 2);
	EXPECT_EQ(Row->GetOrientation(), Orient_Horizontal);
	const SBoxPanel::FSlot& Left = SlotOf<SBoxPanel::FSlot>(*Row, 0);
	EXPECT_EQ(Left.GetPadding(), FMargin(0.0f, 0.0f, 2.5f, 0.0f));
	// A box slot stretches by default, with a share of one.
	EXPECT_EQ(Left.GetSizeRule(), ESizeRule::SizeRule_Stretch);
	EXPECT_EQ(Left.GetSizeValue(), 1.0f);
	EXPECT_EQ(SlotOf<SBoxPanel::FSlot>(*Row, 1).GetSizeRule(), ESizeRule::SizeRule_Auto);
	EXPECT_EQ(SlotOf<SBoxPanel::FSlot>(*Row, 1).GetVerticalAlignment(), VAlign_Center);

	TSharedRef<SVerticalBox> Column = SNew(SVerticalBox);
	Column->AddSlot().FillHeight(2.0f)[Text(TEXT("second"))];
	Column->InsertSlot(0)[Text(TEXT("first"))];
	EXPECT_EQ(Column->GetOrientation(), Orient_Vertical);
	ASSERT_EQ(Column->NumSlots(), 2);
	EXPECT_EQ(TextOf(Column->GetChildren()->GetChildAt(0)), TEXT("first"));
	EXPECT_EQ(SlotOf<SBoxPanel::FSlot>(*Column, 1).GetSizeValue(), 2.0f);
}

TEST(SlatePanelsTest, GridCellsKeepColumnRowSpanLayerAndNudge)
{
	// clang-format off
	TSharedRef<SGridPanel> Grid = SNew(SGridPanel)
		.FillColumn(1, 2.0f)
		+ SGridPanel::Slot(1, 0).HAlign(HAlign_Center).VAlign(VAlign_Center).Nudge(FVector2D(-45.0f, 0.0f))[Text(TEXT("status"))]
		+ SGridPanel::Slot(0, 1, SGridPanel::Layer(2)).ColumnSpan(2).Padding(FMargin(4.0f, 8.0f, 4.0f, 4.0f))[Text(TEXT("labels"))];
	// clang-format on
	ASSERT_EQ(Grid->GetChildren()->Num(), 2);
	const SGridPanel::FSlot& Status = SlotOf<SGridPanel::FSlot>(*Grid, 0);
	EXPECT_EQ(Status.GetColumn(), 1);
	EXPECT_EQ(Status.GetRow(), 0);
	EXPECT_EQ(Status.GetNudge(), FVector2D(-45.0f, 0.0f));
	EXPECT_EQ(Status.GetColumnSpan(), 1);
	EXPECT_EQ(Status.GetHorizontalAlignment(), HAlign_Center);
	const SGridPanel::FSlot& Labels = SlotOf<SGridPanel::FSlot>(*Grid, 1);
	EXPECT_EQ(Labels.GetColumn(), 0);
	EXPECT_EQ(Labels.GetRow(), 1);
	EXPECT_EQ(Labels.GetLayer(), 2);
	EXPECT_EQ(Labels.GetColumnSpan(), 2);
	EXPECT_EQ(Labels.GetNudge(), FVector2D::ZeroVector);
	EXPECT_EQ(Labels.GetPadding(), FMargin(4.0f, 8.0f, 4.0f, 4.0f));
	EXPECT_EQ(Grid->GetColumnFill(1), 2.0f);
	EXPECT_EQ(Grid->GetColumnFill(0), 0.0f);
}

TEST(SlatePanelsTest, UniformGridCellsShareTheMinimumSlotSize)
{
	// clang-format off
	TSharedRef<SUniformGridPanel> Grid = SNew(SUniformGridPanel)
		.MinDesiredSlotWidth(60.0f)
		+ SUniformGridPanel::Slot(2, 1).HAlign(HAlign_Left).VAlign(VAlign_Top)[Text(TEXT("cell"))];
	// clang-format on
	EXPECT_EQ(Grid->GetMinDesiredSlotWidth(), 60.0f);
	EXPECT_EQ(Grid->GetMinDesiredSlotHeight(), 0.0f);
	EXPECT_EQ(Grid->GetSlotPadding(), FMargin(0.0f));
	const SUniformGridPanel::FSlot& Cell = SlotOf<SUniformGridPanel::FSlot>(*Grid, 0);
	EXPECT_EQ(Cell.GetColumn(), 2);
	EXPECT_EQ(Cell.GetRow(), 1);
	EXPECT_EQ(Cell.GetHorizontalAlignment(), HAlign_Left);
	EXPECT_EQ(Cell.GetVerticalAlignment(), VAlign_Top);

	// Cells added later keep the fill alignment unless told otherwise.
	Grid->AddSlot(0, 0)[Text(TEXT("later"))];
	EXPECT_EQ(SlotOf<SUniformGridPanel::FSlot>(*Grid, 1).GetHorizontalAlignment(), HAlign_Fill);
}

TEST(SlatePanelsTest, APanelsVisibilityIsItsOwnAndLeavesItsChildrensAlone)
{
	TSharedRef<STextBlock> Child = Text(TEXT("child"));
	TSharedRef<SOverlay> Overlay = SNew(SOverlay) + SOverlay::Slot()[Child];
	Overlay->SetVisibility(EVisibility::Collapsed);
	EXPECT_EQ(Overlay->GetVisibility(), EVisibility::Collapsed);
	EXPECT_EQ(Child->GetVisibility(), EVisibility::Visible);
}

TEST(SlatePanelsTest, ChildrenOfNonPanelsHaveNoSlots)
{
	TSharedRef<STextBlock> Leaf = Text(TEXT("leaf"));
	EXPECT_DEATH(Leaf->GetChildren()->GetSlotAt(0), "not kept in panel slots");
}
