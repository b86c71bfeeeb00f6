// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

/** How much a finding of the stage doctor matters. */
enum class EQuovexDoctorSeverity : uint8
{
	/** As it should be; said so the operator sees what was looked at. */
	OK,
	/** Works now, but something the operator expects will not happen. */
	Warning,
	/** Something on the stage does not work: a camera is not tracked, a panel does not open, a preset is not applied. */
	Problem,
};

/** The part of the stage setup a finding belongs to, in the order the doctor looks at them. */
enum class EQuovexDoctorArea : uint8
{
	Editor,
	LiveLink,
	Cameras,
	Preset,
	Panels,
	Layouts,
	Timecode,
	LensCalibration,
};

/** One thing the stage doctor found. */
struct QUOVEXVIRTUALPRODUCTIONEDITOR_API FQuovexDoctorFinding
{
	EQuovexDoctorSeverity Severity = EQuovexDoctorSeverity::OK;
	EQuovexDoctorArea Area = EQuovexDoctorArea::Editor;

	/** What it concerns: a camera, a LiveLink subject, a panel, a setting or a file. */
	FString Subject;

	/** What is the case, in one sentence. */
	FString What;

	/** What to do about it, in one sentence; empty when nothing needs doing. */
	FString ToDo;
};

/**
 * The stage setup doctor. The module's failures are silent by design (a camera left without a subject, a panel
 * whose Blueprint did not load, a preset name that matches nothing); the doctor looks at the live editor and says
 * which of them happened and what to do. It only reads: it loads, binds, spawns and saves nothing.
 */
class QUOVEXVIRTUALPRODUCTIONEDITOR_API FQuovexStageDoctor
{
public:
	/** Every finding, area by area in the order of EQuovexDoctorArea. */
	static TArray<FQuovexDoctorFinding> Examine();

	/** The findings grouped by area, areas with Problems first, and within an area Problems, then Warnings, then OK. */
	static TArray<FQuovexDoctorFinding> SortForReport(const TArray<FQuovexDoctorFinding>& Findings);

	/** The findings as one line of JSON: {"problems":N,"warnings":N,"findings":[{"severity","area","subject","what","todo"}]}. */
	static FString ToJson(const TArray<FQuovexDoctorFinding>& Findings);

	/** "OK", "Warning" or "Problem". */
	static const TCHAR* SeverityName(EQuovexDoctorSeverity Severity);

	/** "Editor", "LiveLink", "Cameras", "Preset", "Panels", "Layouts", "Timecode" or "Lens calibration". */
	static const TCHAR* AreaName(EQuovexDoctorArea Area);

	/** How many findings have that severity. */
	static int32 Count(const TArray<FQuovexDoctorFinding>& Findings, EQuovexDoctorSeverity Severity);
};
