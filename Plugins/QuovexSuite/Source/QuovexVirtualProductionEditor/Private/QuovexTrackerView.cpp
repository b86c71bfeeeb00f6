// Copyright Quovex. All Rights Reserved.

// The camera tracker's read-out (status, location, rotation), laid over the level viewport hidden. Whoever
// shows it finds it in the viewport's widget tree; its texts are placeholders until then.

#include "QuovexVirtualProductionEditorModule.h"

#include "LevelEditor.h"
#include "Math/Vector2D.h"
#include "Modules/ModuleManager.h"
#include "SLevelViewport.h"
#include "Widgets/Layout/SGridPanel.h"
#include "Widgets/Layout/SUniformGridPanel.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

#define LOCTEXT_NAMESPACE "QuovexVirtualProductionEditorModule"

namespace QuovexTrackerView
{
	/** One axis cell of the values grid: its label beside its value. */
	static TSharedRef<SWidget> MakeAxisCell(const FText& AxisLabel, const FText& AxisValue)
	{
		const FMargin AxisPadding(5.0f, 0.0f, 5.0f, 0.0f);
		// clang-format off
		return SNew(SGridPanel)
			+ SGridPanel::Slot(0, 0)
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Fill)
			.Padding(AxisPadding)
			[
				SNew(STextBlock).Text(AxisLabel)
			]
			+ SGridPanel::Slot(1, 0)
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Fill)
			.Padding(AxisPadding)
			[
				SNew(STextBlock).Text(AxisValue)
			];
		// clang-format on
	}
}

void FQuovexVirtualProductionEditorModule::AddTrackerViewOverlay()
{
	FLevelEditorModule& LevelEditorModule = FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor"));
	const TSharedPtr<SLevelViewport> Viewport = LevelEditorModule.GetFirstActiveLevelViewport();

	const FMargin CellPadding(4.0f, 8.0f, 4.0f, 4.0f);
	TSharedPtr<SUniformGridPanel> Values;
	// clang-format off
	TSharedRef<SOverlay> TrackerView = SNew(SOverlay)
		+ SOverlay::Slot()
		.ZOrder(0)
		.HAlign(HAlign_Center)
		.VAlign(VAlign_Top)
		.Padding(FMargin(0.0f, 15.0f, 0.0f, 15.0f))
		[
			SNew(SGridPanel)
			// The status line sits above the values column.
			+ SGridPanel::Slot(1, 0)
			.HAlign(HAlign_Center)
			.VAlign(VAlign_Center)
			.Nudge(FVector2D(-45.0f, 0.0f))
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()
				.Padding(FMargin(0.0f, 0.0f, 2.5f, 0.0f))
				[
					SNew(STextBlock).Text(LOCTEXT("Status Text", "Status : "))
				]
				+ SHorizontalBox::Slot()
				.Padding(FMargin(2.5f, 0.0f, 0.0f, 0.0f))
				[
					SNew(STextBlock).Text(LOCTEXT("Value Text", "Value"))
				]
			]
			+ SGridPanel::Slot(0, 1)
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Center)
			.Padding(CellPadding)
			[
				SNew(SVerticalBox)
				+ SVerticalBox::Slot()
				[
					SNew(STextBlock).Text(LOCTEXT("Location Text", "Location: "))
				]
				+ SVerticalBox::Slot()
				[
					SNew(STextBlock).Text(LOCTEXT("Rotation Text", "Rotation: "))
				]
			]
			+ SGridPanel::Slot(1, 1)
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Center)
			.Padding(CellPadding)
			[
				SAssignNew(Values, SUniformGridPanel)
				.MinDesiredSlotWidth(60.0f)
			]
		];
	// clang-format on

	// Location in the first row of the values, rotation in the second, X, Y and Z across.
	struct FAxisCell
	{
		int32 Column;
		int32 Row;
		FText Label;
		FText Value;
	};
	const FAxisCell AxisCells[] = {
		{ 0, 0, LOCTEXT("Location X Text", "X: "), LOCTEXT("Location X Value Text", "0.0000") },
		{ 1, 0, LOCTEXT("Location Y Text", "Y: "), LOCTEXT("Location Y Value Text", "0.0000") },
		{ 2, 0, LOCTEXT("Location Z Text", "Z: "), LOCTEXT("Location Z Value Text", "0.0000") },
		{ 0, 1, LOCTEXT("Rotation X Text", "X: "), LOCTEXT("Rotation X Value Text", "0.0000") },
		{ 1, 1, LOCTEXT("Rotation Y Text", "Y: "), LOCTEXT("Rotation Y Value Text", "0.0000") },
		{ 2, 1, LOCTEXT("Rotation Z Text", "Z: "), LOCTEXT("Rotation Z Value Text", "0.0000") },
	};
	for (const FAxisCell& Cell : AxisCells)
	{
		// clang-format off
		Values->AddSlot(Cell.Column, Cell.Row)
			.HAlign(HAlign_Left)
			.VAlign(VAlign_Top)
			[
				QuovexTrackerView::MakeAxisCell(Cell.Label, Cell.Value)
			];
		// clang-format on
	}

	TrackerView->SetVisibility(EVisibility::Collapsed);

	// Without a viewport the panel has nowhere to go and is dropped.
	if (Viewport.IsValid())
	{
		Viewport->AddOverlayWidget(TrackerView);
	}
}

#undef LOCTEXT_NAMESPACE
