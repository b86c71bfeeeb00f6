// Copyright Quovex. All Rights Reserved.

// The stage doctor on the module's set-up: the LiveLink preset, the panel tabs, the layouts, the level sequence
// rates and the lens calibration settings file.

#include "QuovexStageDoctorChecks.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "EditorUtilityWidget.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Docking/TabManager.h"
#include "HAL/FileManager.h"
#include "HAL/IConsoleManager.h"
#include "ILiveLinkClient.h"
#include "LevelEditor.h"
#include "LiveLinkPreset.h"
#include "Misc/App.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/CString.h"
#include "Misc/OutputDevice.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "QuovexEditorUtilityWidget.h"
#include "QuovexLensCalSequenceGenerator.h"
#include "QuovexTabManager.h"
#include "QuovexVirtualProductionSettings.h"
#include "Widgets/Docking/SDockTab.h"

namespace QuovexStageDoctor
{
	namespace
	{
		const EQuovexDoctorArea PresetArea = EQuovexDoctorArea::Preset;
		const EQuovexDoctorArea PanelsArea = EQuovexDoctorArea::Panels;
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

		/** Whether the preset this name matched was applied: it is loaded and LiveLink has its sources. */
		void ExamineAppliedPreset(const FLiveLinkPicture& LiveLink, const FAssetData& Match, FReport& Report)
		{
			const FString Path = Match.GetObjectPathString();
			const ULiveLinkPreset* Preset = Cast<ULiveLinkPreset>(Match.FastGetAsset(false));
			if (!Preset)
			{
				Report.Add(EQuovexDoctorSeverity::Problem, PresetArea, Path,
					TEXT("The preset has not been loaded, so it was not applied: the asset registry has not finished, or the asset failed to load."),
					TEXT("Look for a load error of the preset in the start-up log, fix the asset and restart the editor."));
				return;
			}

			TArray<FString> Missing;
			for (const FLiveLinkSourcePreset& Source : Preset->GetSourcePresets())
			{
				if (!LiveLink.Sources.Contains(Source.Guid))
				{
					Missing.Add(Source.SourceType.ToString());
				}
			}
			if (!Missing.IsEmpty())
			{
				Report.Add(EQuovexDoctorSeverity::Warning, PresetArea, Path,
					FString::Printf(TEXT("The preset was applied at start-up, but LiveLink no longer has its %s %s."), Missing.Num() == 1 ? TEXT("source") : TEXT("sources"), *JoinNames(Missing)),
					TEXT("Apply the preset again from the LiveLink panel, or restart the editor."));
				return;
			}
			const int32 Sources = Preset->GetSourcePresets().Num();
			Report.Add(EQuovexDoctorSeverity::OK, PresetArea, Path,
				Sources == 1 ? FString(TEXT("Applied at start-up: its source is in LiveLink.")) : FString::Printf(TEXT("Applied at start-up: its %d sources are in LiveLink."), Sources));
		}

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

		/** Why a panel's Blueprint is not loaded, found in the asset registry without loading anything. */
		void ExamineUnloadedPanel(const FQuovexTabDescriptor& Tab, bool bHasTabManager, FReport& Report)
		{
			const FString Id = Tab.TabId.ToString();
			const FString Path = Tab.WidgetPath.ToString();
			if (!bHasTabManager)
			{
				Report.Add(EQuovexDoctorSeverity::Warning, PanelsArea, Id,
					TEXT("The level editor's tabs do not exist yet, so the panel is loaded and registered once they do."),
					TEXT("Wait for the editor window to come up."));
				return;
			}
			const FAssetData Asset = IAssetRegistry::GetChecked().GetAssetByObjectPath(Tab.WidgetPath);
			if (!Asset.IsValid())
			{
				Report.Add(EQuovexDoctorSeverity::Problem, PanelsArea, Id,
					FString::Printf(TEXT("Its Blueprint %s is missing, so the panel has no tab and opening it fails (\"Could not open tab %s\")."), *Path, *Id),
					FString::Printf(TEXT("Put %s.uasset back in the plugin's Content/Editor/Panels folder and restart the editor."), *Id));
				return;
			}
			const UClass* AssetClass = Asset.GetClass(EResolveClass::No);
			if (!AssetClass || !AssetClass->IsChildOf(UEditorUtilityWidgetBlueprint::StaticClass()))
			{
				Report.Add(EQuovexDoctorSeverity::Problem, PanelsArea, Id,
					FString::Printf(TEXT("Its asset %s is a %s, not an editor utility widget Blueprint, so the panel has no tab and opening it fails."), *Path, *Asset.AssetClassPath.ToString()),
					FString::Printf(TEXT("Replace %s with an editor utility widget Blueprint of that name."), *Id));
				return;
			}
			Report.Add(EQuovexDoctorSeverity::Problem, PanelsArea, Id,
				FString::Printf(TEXT("Its Blueprint %s is there but did not load, so the panel has no tab and opening it fails."), *Path),
				TEXT("Find the Blueprint's load error in the start-up log, fix it and restart the editor."));
		}

		void ExaminePanel(const FQuovexTabDescriptor& Tab, const TSharedPtr<FTabManager>& TabManager, FReport& Report)
		{
			const FString Id = Tab.TabId.ToString();
			if (!Tab.Blueprint)
			{
				ExamineUnloadedPanel(Tab, TabManager.IsValid(), Report);
				return;
			}

			const UClass* Parent = Tab.Blueprint->ParentClass.Get();
			if (!Parent)
			{
				Report.Add(EQuovexDoctorSeverity::Problem, PanelsArea, Id,
					TEXT("Its Blueprint loaded but has no parent class (the class it was made from is missing), so its tab opens empty."),
					TEXT("Reparent the Blueprint to one of the Quovex editor utility widget classes."));
				return;
			}
			if (!Parent->IsChildOf(UEditorUtilityWidget::StaticClass()))
			{
				Report.Add(EQuovexDoctorSeverity::Problem, PanelsArea, Id,
					FString::Printf(TEXT("Its Blueprint derives from %s, which is not an editor utility widget, so it cannot fill a tab."), *Parent->GetName()),
					TEXT("Reparent the Blueprint to one of the Quovex editor utility widget classes."));
				return;
			}
			if (!TabManager.IsValid() || Tab.RegistrationName.IsNone() || !TabManager->HasTabSpawner(Tab.RegistrationName))
			{
				Report.Add(EQuovexDoctorSeverity::Problem, PanelsArea, Id,
					TEXT("Its Blueprint loaded but the level editor has no tab spawner for it, so the panel cannot open."),
					TEXT("Restart the editor so the panels are registered again."));
				return;
			}

			const bool bOpen = TabManager->FindExistingLiveTab(FTabId(Tab.RegistrationName)).IsValid();
			const FString State = FString::Printf(TEXT("Blueprint loaded (parent %s), tab spawner registered, %s"), *Parent->GetName(), bOpen ? TEXT("open") : TEXT("closed"));
			if (!Parent->IsChildOf(UQuovexEditorUtilityWidget::StaticClass()))
			{
				Report.Add(EQuovexDoctorSeverity::Warning, PanelsArea, Id,
					FString::Printf(TEXT("%s; the parent is not a Quovex editor utility widget, so the plugin's functions that take a Quovex panel refuse this one."), *State),
					TEXT("Reparent the Blueprint to one of the Quovex editor utility widget classes."));
				return;
			}
			Report.Add(EQuovexDoctorSeverity::OK, PanelsArea, Id, State + TEXT("."));
		}
	}

	void ExaminePreset(const FLiveLinkPicture& LiveLink, FReport& Report)
	{
		const FString Setting = TEXT("LiveLinkPresetName");
		// Not created here: the default object would load its configuration, and the doctor changes nothing.
		const UQuovexVirtualProductionSettings* Settings = Cast<UQuovexVirtualProductionSettings>(UQuovexVirtualProductionSettings::StaticClass()->GetDefaultObject(false));
		IAssetRegistry& AssetRegistry = IAssetRegistry::GetChecked();
		if (!Settings || AssetRegistry.IsLoadingAssets())
		{
			Report.Add(EQuovexDoctorSeverity::Warning, PresetArea, Setting,
				TEXT("The asset registry has not finished its scan, so the preset has not been applied yet."),
				TEXT("Wait for the editor to finish loading, then ask again."));
			return;
		}

		TArray<FAssetData> Presets;
		AssetRegistry.GetAssetsByClass(ULiveLinkPreset::StaticClass()->GetClassPathName(), Presets, false);
		TArray<FString> PresetNames;
		TArray<FAssetData> Matches;
		const FString& Name = Settings->LiveLinkPresetName;
		for (const FAssetData& Preset : Presets)
		{
			PresetNames.Add(Preset.AssetName.ToString());
			// The module compares the object name of each preset with the setting, case ignored.
			if (Preset.AssetName.ToString().Equals(Name, ESearchCase::IgnoreCase))
			{
				Matches.Add(Preset);
			}
		}

		const FString ToSet = FString::Printf(TEXT("Set %s under [%s] in Config/DefaultGame.ini to one of: %s."), *Setting, *UQuovexVirtualProductionSettings::StaticClass()->GetPathName(), *JoinNames(PresetNames));
		if (Name.IsEmpty())
		{
			Report.Add(EQuovexDoctorSeverity::Warning, PresetArea, Setting,
				TEXT("The project settings name no LiveLink preset, so none is applied at start-up."),
				ToSet);
			return;
		}
		if (Matches.IsEmpty())
		{
			Report.Add(EQuovexDoctorSeverity::Problem, PresetArea, Setting,
				FString::Printf(TEXT("The project settings name the preset \"%s\", but no LiveLink preset has that name (presets: %s), so none was applied at start-up."), *Name, *JoinNames(PresetNames)),
				ToSet);
			return;
		}

		const FAssetData& Applied = Matches[0];
		if (Matches.Num() > 1)
		{
			TArray<FString> Paths;
			for (const FAssetData& Match : Matches)
			{
				Paths.Add(Match.GetObjectPathString());
			}
			Report.Add(EQuovexDoctorSeverity::Warning, PresetArea, Setting,
				FString::Printf(TEXT("\"%s\" matches %d presets whose names differ only in case (%s); the first in registry order, %s, is the one applied."), *Name, Matches.Num(), *JoinNames(Paths), *Applied.GetObjectPathString()),
				TEXT("Rename or remove the others so that one preset carries the name."));
		}
		else
		{
			const bool bCaseDiffers = !Applied.AssetName.ToString().Equals(Name, ESearchCase::CaseSensitive);
			Report.Add(EQuovexDoctorSeverity::OK, PresetArea, Setting,
				FString::Printf(TEXT("\"%s\" names %s%s."), *Name, *Applied.GetObjectPathString(), bCaseDiffers ? TEXT(" (the case differs; names match without regard to case)") : TEXT("")));
		}
		ExamineAppliedPreset(LiveLink, Applied, Report);
	}

	void ExaminePanels(FReport& Report)
	{
		// Looked up, not loaded: the doctor must not start the level editor.
		const FLevelEditorModule* LevelEditor = FModuleManager::GetModulePtr<FLevelEditorModule>(TEXT("LevelEditor"));
		const TSharedPtr<FTabManager> TabManager = LevelEditor ? LevelEditor->GetLevelEditorTabManager() : nullptr;
		for (const FQuovexTabDescriptor& Tab : FQuovexTabManager::Get().GetTabs())
		{
			ExaminePanel(Tab, TabManager, Report);
		}

		const FName OutputSpawner(TEXT("QuovexFOutputViewport"));
		if (!TabManager.IsValid())
		{
			return;
		}
		if (TabManager->HasTabSpawner(OutputSpawner))
		{
			Report.Add(EQuovexDoctorSeverity::OK, PanelsArea, OutputSpawner.ToString(),
				FString::Printf(TEXT("The output viewport tab spawner is registered (Window menu, \"Output\"); %s."),
					TabManager->FindExistingLiveTab(FTabId(OutputSpawner)).IsValid() ? TEXT("an output tab is open") : TEXT("no output tab is open")));
		}
		else
		{
			Report.Add(EQuovexDoctorSeverity::Problem, PanelsArea, OutputSpawner.ToString(),
				TEXT("The output viewport tab spawner is not registered, because it comes with the first panel whose Blueprint loads and none did."),
				TEXT("Restore the plugin's panel Blueprints (Content/Editor/Panels) and restart the editor."));
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
