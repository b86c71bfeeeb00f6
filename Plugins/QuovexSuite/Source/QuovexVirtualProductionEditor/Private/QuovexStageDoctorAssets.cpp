// Copyright Quovex. All Rights Reserved.

// The stage doctor on the module's content: the LiveLink preset named in the settings and the panel tabs.

#include "QuovexStageDoctorChecks.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "EditorUtilityWidget.h"
#include "EditorUtilityWidgetBlueprint.h"
#include "Framework/Docking/TabManager.h"
#include "LevelEditor.h"
#include "LiveLinkPreset.h"
#include "Modules/ModuleManager.h"
#include "QuovexEditorUtilityWidget.h"
#include "QuovexTabManager.h"
#include "QuovexVirtualProductionSettings.h"
#include "Widgets/Docking/SDockTab.h"

namespace QuovexStageDoctor
{
	namespace
	{
		const EQuovexDoctorArea PresetArea = EQuovexDoctorArea::Preset;
		const EQuovexDoctorArea PanelsArea = EQuovexDoctorArea::Panels;

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
			const IAssetRegistry* AssetRegistry = IAssetRegistry::Get();
			if (!AssetRegistry)
			{
				Report.Add(EQuovexDoctorSeverity::Warning, PanelsArea, Id,
					TEXT("The asset registry is not up yet, so the panel's Blueprint cannot be looked for."),
					TEXT("Wait for the editor to finish loading, then ask again."));
				return;
			}
			const FAssetData Asset = AssetRegistry->GetAssetByObjectPath(Tab.WidgetPath);
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
		const IAssetRegistry* AssetRegistry = IAssetRegistry::Get();
		if (!Settings || !AssetRegistry || AssetRegistry->IsLoadingAssets())
		{
			Report.Add(EQuovexDoctorSeverity::Warning, PresetArea, Setting,
				TEXT("The asset registry has not finished its scan, so the preset has not been applied yet."),
				TEXT("Wait for the editor to finish loading, then ask again."));
			return;
		}

		TArray<FAssetData> Presets;
		AssetRegistry->GetAssetsByClass(ULiveLinkPreset::StaticClass()->GetClassPathName(), Presets, false);
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
}
