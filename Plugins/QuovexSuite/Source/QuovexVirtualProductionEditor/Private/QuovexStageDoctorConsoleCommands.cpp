// Copyright Quovex. All Rights Reserved.

// Quovex.Doctor: the stage doctor's findings on the console, for the operator or, as JSON, for scripts.

#include "Engine/World.h"
#include "HAL/IConsoleManager.h"
#include "Misc/OutputDevice.h"
#include "QuovexConsoleWords.h"
#include "QuovexStageDoctor.h"

namespace QuovexStageDoctorConsole
{
	static const TCHAR* const Usage = TEXT("Usage: Quovex.Doctor [json]");

	static void PrintReport(const TArray<FQuovexDoctorFinding>& Findings, FOutputDevice& Ar)
	{
		bool bFirst = true;
		EQuovexDoctorArea Area = EQuovexDoctorArea::Editor;
		for (const FQuovexDoctorFinding& Finding : Findings)
		{
			if (bFirst || Finding.Area != Area)
			{
				Area = Finding.Area;
				bFirst = false;
				Ar.Logf(TEXT("[%s]"), FQuovexStageDoctor::AreaName(Area));
			}
			Ar.Logf(TEXT("  %s | %s | %s | %s"), FQuovexStageDoctor::SeverityName(Finding.Severity), *Finding.Subject, *Finding.What,
				Finding.ToDo.IsEmpty() ? TEXT("-") : *Finding.ToDo);
		}
	}

	static FString Counted(int32 Count, const TCHAR* Noun)
	{
		return FString::Printf(TEXT("%d %s%s"), Count, Noun, Count == 1 ? TEXT("") : TEXT("s"));
	}

	/** The closing line: at Error verbosity when there is a Problem, so a scripted run fails; at Warning for Warnings. */
	static void PrintSummary(const TArray<FQuovexDoctorFinding>& Findings, FOutputDevice& Ar)
	{
		const int32 Problems = FQuovexStageDoctor::Count(Findings, EQuovexDoctorSeverity::Problem);
		const int32 Warnings = FQuovexStageDoctor::Count(Findings, EQuovexDoctorSeverity::Warning);
		if (Problems > 0)
		{
			TArray<FString> Subjects;
			for (const FQuovexDoctorFinding& Finding : Findings)
			{
				if (Finding.Severity == EQuovexDoctorSeverity::Problem)
				{
					Subjects.Add(FString::Printf(TEXT("%s: %s"), FQuovexStageDoctor::AreaName(Finding.Area), *Finding.Subject));
				}
			}
			Ar.Logf(ELogVerbosity::Error, TEXT("Stage doctor: %s (%s), %s"), *Counted(Problems, TEXT("problem")), *FString::Join(Subjects, TEXT("; ")), *Counted(Warnings, TEXT("warning")));
		}
		else if (Warnings > 0)
		{
			Ar.Logf(ELogVerbosity::Warning, TEXT("Stage doctor: no problem, %s"), *Counted(Warnings, TEXT("warning")));
		}
		else
		{
			Ar.Log(TEXT("Stage doctor: no problem, no warning"));
		}
	}

	static void RunDoctor(const TArray<FString>& Words, UWorld*, FOutputDevice& Ar)
	{
		bool bJson = false;
		for (const FString& Word : Words)
		{
			if (!Word.Equals(TEXT("json"), ESearchCase::IgnoreCase) || bJson)
			{
				Ar.Logf(ELogVerbosity::Error, TEXT("Quovex.Doctor: unexpected argument '%s'. %s"), *Word, Usage);
				return;
			}
			bJson = true;
		}

		const TArray<FQuovexDoctorFinding> Findings = FQuovexStageDoctor::SortForReport(FQuovexStageDoctor::Examine());
		if (bJson)
		{
			Ar.Log(FQuovexStageDoctor::ToJson(Findings));
		}
		else
		{
			PrintReport(Findings, Ar);
		}
		PrintSummary(Findings, Ar);
	}

	static FAutoConsoleCommandWithWorldArgsAndOutputDevice DoctorCommand(
		TEXT("Quovex.Doctor"),
		TEXT("[json]: says why a camera is not tracked, a panel does not open or the preset did not apply (Problems fail a scripted run)"),
		QuovexConsoleWords::InWords(TEXT("Quovex.Doctor"), &RunDoctor));
}
