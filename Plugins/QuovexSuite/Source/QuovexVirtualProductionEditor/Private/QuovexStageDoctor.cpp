// Copyright Quovex. All Rights Reserved.

#include "QuovexStageDoctor.h"

#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Misc/CoreMisc.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "QuovexStageDoctorChecks.h"
#include "QuovexVPEditorSubsystem.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "UObject/Class.h"

namespace QuovexStageDoctor
{
	void FReport::Add(EQuovexDoctorSeverity Severity, EQuovexDoctorArea Area, const FString& Subject, const FString& What, const FString& ToDo)
	{
		FQuovexDoctorFinding& Finding = Findings.AddDefaulted_GetRef();
		Finding.Severity = Severity;
		Finding.Area = Area;
		Finding.Subject = Subject;
		Finding.What = What;
		Finding.ToDo = ToDo;
	}

	FString JoinNames(const TArray<FString>& Names)
	{
		return Names.IsEmpty() ? FString(TEXT("none")) : FString::Join(Names, TEXT(", "));
	}

	FString JoinNames(const TArray<FName>& Names)
	{
		TArray<FString> Strings;
		for (const FName& Name : Names)
		{
			Strings.Add(Name.ToString());
		}
		return JoinNames(Strings);
	}

	FString ClassName(const UClass* Class)
	{
		return Class ? Class->GetName() : FString(TEXT("none"));
	}
}

TArray<FQuovexDoctorFinding> FQuovexStageDoctor::Examine()
{
	using namespace QuovexStageDoctor;

	FReport Report;
	const UQuovexVPEditorSubsystem* Subsystem = UQuovexVPEditorSubsystem::Get();
	const FLiveLinkPicture LiveLink = ReadLiveLink(Subsystem);
	ExamineEditor(LiveLink, Subsystem, Report);
	ExamineLiveLink(LiveLink, Report);
	ExamineCameras(LiveLink, Subsystem, Report);
	ExaminePreset(LiveLink, Report);
	// Panels and layouts are set up only when the editor runs as an editor; the editor check says so.
	if (!IsRunningGame())
	{
		ExaminePanels(Report);
		ExamineLayouts(Report);
	}
	ExamineTimecode(Report);
	ExamineLensCalibration(Report);
	return MoveTemp(Report.Findings);
}

TArray<FQuovexDoctorFinding> FQuovexStageDoctor::SortForReport(const TArray<FQuovexDoctorFinding>& Findings)
{
	TMap<EQuovexDoctorArea, EQuovexDoctorSeverity> WorstOfArea;
	for (const FQuovexDoctorFinding& Finding : Findings)
	{
		EQuovexDoctorSeverity& Worst = WorstOfArea.FindOrAdd(Finding.Area, EQuovexDoctorSeverity::OK);
		Worst = FMath::Max(Worst, Finding.Severity);
	}

	TArray<FQuovexDoctorFinding> Sorted = Findings;
	Sorted.StableSort([&WorstOfArea](const FQuovexDoctorFinding& A, const FQuovexDoctorFinding& B) {
		const EQuovexDoctorSeverity WorstA = WorstOfArea.FindChecked(A.Area);
		const EQuovexDoctorSeverity WorstB = WorstOfArea.FindChecked(B.Area);
		if (WorstA != WorstB)
		{
			return WorstA > WorstB;
		}
		if (A.Area != B.Area)
		{
			return A.Area < B.Area;
		}
		return A.Severity > B.Severity;
	});
	return Sorted;
}

FString FQuovexStageDoctor::ToJson(const TArray<FQuovexDoctorFinding>& Findings)
{
	TArray<TSharedPtr<FJsonValue>> Items;
	for (const FQuovexDoctorFinding& Finding : Findings)
	{
		const TSharedRef<FJsonObject> Item = MakeShared<FJsonObject>();
		Item->SetStringField(TEXT("severity"), SeverityName(Finding.Severity));
		Item->SetStringField(TEXT("area"), AreaName(Finding.Area));
		Item->SetStringField(TEXT("subject"), Finding.Subject);
		Item->SetStringField(TEXT("what"), Finding.What);
		Item->SetStringField(TEXT("todo"), Finding.ToDo);
		Items.Add(MakeShared<FJsonValueObject>(Item));
	}

	const TSharedRef<FJsonObject> Root = MakeShared<FJsonObject>();
	Root->SetNumberField(TEXT("problems"), Count(Findings, EQuovexDoctorSeverity::Problem));
	Root->SetNumberField(TEXT("warnings"), Count(Findings, EQuovexDoctorSeverity::Warning));
	Root->SetArrayField(TEXT("findings"), Items);

	// One line, so a script can take it from the rest of the console output.
	FString Text;
	const TSharedRef<TJsonWriter<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>> Writer = TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>::Create(&Text);
	FJsonSerializer::Serialize(Root, Writer);
	return Text;
}

const TCHAR* FQuovexStageDoctor::SeverityName(EQuovexDoctorSeverity Severity)
{
	switch (Severity)
	{
		case EQuovexDoctorSeverity::Problem:
			return TEXT("Problem");
		case EQuovexDoctorSeverity::Warning:
			return TEXT("Warning");
		default:
			return TEXT("OK");
	}
}

const TCHAR* FQuovexStageDoctor::AreaName(EQuovexDoctorArea Area)
{
	switch (Area)
	{
		case EQuovexDoctorArea::Editor:
			return TEXT("Editor");
		case EQuovexDoctorArea::LiveLink:
			return TEXT("LiveLink");
		case EQuovexDoctorArea::Cameras:
			return TEXT("Cameras");
		case EQuovexDoctorArea::Preset:
			return TEXT("Preset");
		case EQuovexDoctorArea::Panels:
			return TEXT("Panels");
		case EQuovexDoctorArea::Layouts:
			return TEXT("Layouts");
		case EQuovexDoctorArea::Timecode:
			return TEXT("Timecode");
		default:
			return TEXT("Lens calibration");
	}
}

int32 FQuovexStageDoctor::Count(const TArray<FQuovexDoctorFinding>& Findings, EQuovexDoctorSeverity Severity)
{
	int32 Counted = 0;
	for (const FQuovexDoctorFinding& Finding : Findings)
	{
		Counted += Finding.Severity == Severity ? 1 : 0;
	}
	return Counted;
}
