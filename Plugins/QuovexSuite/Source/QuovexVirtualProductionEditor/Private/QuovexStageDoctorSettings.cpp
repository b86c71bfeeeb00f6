// Copyright Quovex. All Rights Reserved.

// The stage doctor on the module's files and settings: the layouts, the level sequence rates and the lens calibration
// settings file.

#include "QuovexStageDoctorChecks.h"

#include "HAL/FileManager.h"
#include "HAL/IConsoleManager.h"
#include "Misc/App.h"
#include "Misc/CString.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/OutputDevice.h"
#include "Misc/Paths.h"
#include "QuovexLensCalSequenceGenerator.h"

namespace QuovexStageDoctor
{
	namespace
	{
		const EQuovexDoctorArea LayoutsArea = EQuovexDoctorArea::Layouts;
		const EQuovexDoctorArea TimecodeArea = EQuovexDoctorArea::Timecode;
		const EQuovexDoctorArea LensArea = EQuovexDoctorArea::LensCalibration;

		/** Collects what a text import complains about, for the finding. */
		class FImportErrors : public FOutputDevice
		{
		public:
			virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
			{
				Text += Text.IsEmpty() ? FString(V) : FString(TEXT("; ")) + V;
			}

			FString Text;
		};

		/** The rates SetLevelSequenceDefaultRates derives from the timecode rate, as "<display>fps" and "<tick>fps". */
		void ExpectedSequenceRates(const FFrameRate& Rate, FString& OutDisplay, FString& OutTick)
		{
			if (Rate.Denominator != 1001)
			{
				const int32 Whole = static_cast<int32>(static_cast<double>(Rate.Numerator) / static_cast<double>(Rate.Denominator));
				OutDisplay = FString::Printf(TEXT("%dfps"), Whole);
				OutTick = FString::Printf(TEXT("%dfps"), Whole * 1000);
				return;
			}
			// Drop-frame rates: two decimals, and the tick resolution from that rounded text in single precision.
			const FString Display = FString::Printf(TEXT("%.02f"), Rate.Numerator * 0.000999000999000999);
			const float Tick = static_cast<float>(FCString::Atod(*Display)) * 1000.0f;
			OutDisplay = Display + TEXT("fps");
			OutTick = FString::Printf(TEXT("%dfps"), static_cast<int32>(Tick));
		}

		void ExamineSequenceVariable(const TCHAR* Name, const FString& Expected, const FFrameRate& Rate, FReport& Report)
		{
			const IConsoleVariable* Variable = IConsoleManager::Get().FindConsoleVariable(Name);
			if (!Variable)
			{
				Report.Add(EQuovexDoctorSeverity::Warning, TimecodeArea, Name,
					TEXT("The console variable does not exist (the LevelSequence module is not loaded), so new sequences do not follow the timecode rate."),
					TEXT("Enable the level sequence support of the editor."));
				return;
			}
			const FString Value = Variable->GetString();
			if (!Value.TrimStartAndEnd().Equals(Expected, ESearchCase::IgnoreCase))
			{
				Report.Add(EQuovexDoctorSeverity::Warning, TimecodeArea, Name,
					FString::Printf(TEXT("It is %s, but the project's %d/%d timecode gives %s, so new level sequences do not run at the stage's rate."), *Value, Rate.Numerator, Rate.Denominator, *Expected),
					FString::Printf(TEXT("Run Quovex.SetLevelSequenceDefaultRates (or set %s to %s)."), Name, *Expected));
				return;
			}
			Report.Add(EQuovexDoctorSeverity::OK, TimecodeArea, Name,
				FString::Printf(TEXT("%s, as the project's %d/%d timecode gives."), *Value, Rate.Numerator, Rate.Denominator));
		}
	}

	void ExamineLayouts(FReport& Report)
	{
		const FString Subject = TEXT("Layouts");
		// The module's rule: the project's copy of the plugin first, else the engine's.
		const FString PluginLayoutsPath(TEXT("QuovexSuite/Content/Layouts"));
		const FString ProjectCandidate = FPaths::ProjectPluginsDir() + PluginLayoutsPath;
		const FString EngineCandidate = FPaths::EnginePluginsDir() + PluginLayoutsPath;
		const bool bProject = FPaths::DirectoryExists(ProjectCandidate);
		if (!bProject && !FPaths::DirectoryExists(EngineCandidate))
		{
			Report.Add(EQuovexDoctorSeverity::Problem, LayoutsArea, Subject,
				FString::Printf(TEXT("Neither %s nor %s exists, so start-up logged \"Could not find the plugins Layouts directory\" and copied no layout."), *ProjectCandidate, *EngineCandidate),
				TEXT("Put the plugin's Content/Layouts folder back in the project's or the engine's Plugins/QuovexSuite."));
			return;
		}

		FString Source = bProject ? ProjectCandidate : EngineCandidate;
		FPaths::NormalizeDirectoryName(Source);
		const FString Destination = FPaths::EngineUserLayoutDir();
		TArray<FString> Files;
		IFileManager::Get().FindFilesRecursive(Files, *Source, TEXT("*"), true, false);
		TArray<FString> Missing;
		for (const FString& File : Files)
		{
			const FString Relative = File.RightChop(Source.Len() + 1);
			if (!FPaths::FileExists(FPaths::Combine(Destination, Relative)))
			{
				Missing.Add(Relative);
			}
		}

		const FString From = FString::Printf(TEXT("from the %s's plugin folder %s"), bProject ? TEXT("project") : TEXT("engine"), *Source);
		if (Files.IsEmpty())
		{
			Report.Add(EQuovexDoctorSeverity::Warning, LayoutsArea, Subject,
				FString::Printf(TEXT("The layouts come %s, which holds no file, so Load Layout lists none of the plugin's layouts."), *From),
				TEXT("Put the plugin's layout files back in that folder and run Quovex.ResetLayoutsDirectory."));
		}
		else if (!Missing.IsEmpty())
		{
			Report.Add(EQuovexDoctorSeverity::Warning, LayoutsArea, Subject,
				FString::Printf(TEXT("The layouts come %s, but %d of its %d files are not in %s (%s), so Load Layout does not list them."), *From, Missing.Num(), Files.Num(), *Destination, *JoinNames(Missing)),
				TEXT("Run Quovex.ResetLayoutsDirectory (the Reset Layouts Directory command)."));
		}
		else
		{
			Report.Add(EQuovexDoctorSeverity::OK, LayoutsArea, Subject,
				FString::Printf(TEXT("%d layout files come %s and are all in %s."), Files.Num(), *From, *Destination));
		}
	}

	void ExamineTimecode(FReport& Report)
	{
		const FFrameRate Rate = FApp::GetTimecodeFrameRate();
		const FString Subject = TEXT("Timecode rate");
		if (Rate.Denominator <= 0)
		{
			Report.Add(EQuovexDoctorSeverity::Problem, TimecodeArea, Subject,
				FString::Printf(TEXT("The project's timecode rate %d/%d is not a rate, so Quovex.SetLevelSequenceDefaultRates sets nothing and takes get the engine's default rates."), Rate.Numerator, Rate.Denominator),
				TEXT("Set GenerateDefaultTimecodeFrameRate under [/Script/Engine.Engine] in Config/DefaultEngine.ini."));
			return;
		}
		Report.Add(EQuovexDoctorSeverity::OK, TimecodeArea, Subject,
			FString::Printf(TEXT("The project's timecode runs at %d/%d."), Rate.Numerator, Rate.Denominator));

		FString Display;
		FString Tick;
		ExpectedSequenceRates(Rate, Display, Tick);
		ExamineSequenceVariable(TEXT("LevelSequence.DefaultDisplayRate"), Display, Rate, Report);
		ExamineSequenceVariable(TEXT("LevelSequence.DefaultTickResolution"), Tick, Rate, Report);
	}

	void ExamineLensCalibration(FReport& Report)
	{
		const FString FileName = TEXT("DefaultQuovexLensCalSequenceSettings.ini");
		const FString Subject = TEXT("Config/") + FileName;
		const FString Path = FPaths::ProjectConfigDir() + FileName;
		if (!FPaths::FileExists(Path))
		{
			Report.Add(EQuovexDoctorSeverity::OK, LensArea, Subject,
				TEXT("Not saved yet, so the lens calibration panel starts with every setting at zero."));
			return;
		}

		// Read on its own: reading through the config cache would add the file to it.
		FConfigFile File;
		File.Read(Path);
		const FString Section = UQuovexLensCalSequenceGenerator::StaticClass()->GetPathName();
		FString Text;
		if (!File.GetString(*Section, TEXT("SequenceSettings"), Text))
		{
			Report.Add(EQuovexDoctorSeverity::Warning, LensArea, Subject,
				FString::Printf(TEXT("The file has no SequenceSettings under [%s], so the lens calibration panel starts with every setting at zero."), *Section),
				TEXT("Save the settings again from the Lens Cal Sequence panel."));
			return;
		}

		FLensCalSequenceSettings Settings;
		FImportErrors Errors;
		const TCHAR* End = FLensCalSequenceSettings::StaticStruct()->ImportText(*Text, &Settings, nullptr, PPF_None, &Errors, FLensCalSequenceSettings::StaticStruct()->GetName());
		if (!End)
		{
			Report.Add(EQuovexDoctorSeverity::Problem, LensArea, Subject,
				FString::Printf(TEXT("Its SequenceSettings do not parse (%s), so the panel starts at zero and the saved calibration settings are lost."), Errors.Text.IsEmpty() ? TEXT("malformed text") : *Errors.Text),
				TEXT("Correct the SequenceSettings line or save the settings again from the Lens Cal Sequence panel."));
			return;
		}
		Report.Add(EQuovexDoctorSeverity::OK, LensArea, Subject,
			FString::Printf(TEXT("Saved %s by %s: %d focus and %d zoom positions at %s fps."),
				Settings.TimeStamp.IsEmpty() ? TEXT("without a time stamp") : *Settings.TimeStamp,
				Settings.CalibratorName.IsEmpty() ? TEXT("an unnamed calibrator") : *Settings.CalibratorName,
				Settings.NumFocusPos, Settings.NumZoomPos, *FString::SanitizeFloat(Settings.FramesPerSecond)));
	}
}
