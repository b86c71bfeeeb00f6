#include "Settings/EditorLoadingSavingSettings.h"

#include "UObject/UnrealType.h"

UEditorLoadingSavingSettings::UEditorLoadingSavingSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, LoadLevelAtStartup(ELoadLevelAtStartup::ProjectDefault)
	, bForceCompilationAtStartup(false)
	, bRestoreOpenAssetTabsOnRestart(false)
	, bMonitorContentDirectories(true)
	, AutoReimportThreshold(3.0f)
	, bAutoCreateAssets(true)
	, bAutoDeleteAssets(true)
	, bDetectChangesOnStartup(true)
	, bPromptBeforeAutoImporting(true)
	, bDeleteSourceFilesWithAssets(false)
	, bAutomaticallyCheckoutOnAssetModification(false)
	, bPromptForCheckoutOnAssetModification(true)
	, bAutoSaveEnable(true)
	, bAutoSaveMaps(true)
	, bAutoSaveContent(true)
	, AutoSaveTimeMinutes(10)
	, AutoSaveInteractionDelayInSeconds(15)
	, AutoSaveWarningInSeconds(10)
	, AutoSaveMaxBackups(10)
	, bDirtyMigratedBlueprints(false)
	, bSCCUseGlobalSettings(false)
	, bSCCAutoAddNewFiles(true)
{
}

void UEditorLoadingSavingSettings::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
	Super::PostEditChangeProperty(PropertyChangedEvent);
	SettingChangedEvent.Broadcast(PropertyChangedEvent.GetPropertyName());
}
