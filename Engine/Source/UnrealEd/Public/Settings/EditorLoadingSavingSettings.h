// The level editor's loading and saving settings (auto-save, auto-reimport, source control).

#pragma once

#include "CoreMinimal.h"
#include "Containers/EnumAsByte.h"
#include "UObject/Object.h"
#include "EditorLoadingSavingSettings.generated.h"

/** Which level the editor opens at start-up. */
UENUM()
namespace ELoadLevelAtStartup
{
	enum Type : int
	{
		None,
		ProjectDefault,
		LastOpened
	};
}

/** Implements the Level Editor's loading and saving settings. */
UCLASS(config = EditorPerProjectUserSettings, AutoExpandCategories = (AutoSave, AutoReimport, Blueprints), MinimalAPI)
class UEditorLoadingSavingSettings : public UObject
{
	GENERATED_BODY()

public:
	UNREALED_API UEditorLoadingSavingSettings(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Whether to load a default example map at startup */
	UPROPERTY(EditAnywhere, config, Category = Startup)
	TEnumAsByte<ELoadLevelAtStartup::Type> LoadLevelAtStartup;

	/** Force resave of all blueprints at startup? */
	UPROPERTY(EditAnywhere, config, Category = Blueprints, meta = (DisplayName = "Force Compilation of All Blueprints on Startup"))
	uint32 bForceCompilationAtStartup : 1;

	/** Whether to restore previously open assets at startup */
	UPROPERTY(EditAnywhere, config, Category = Startup)
	uint32 bRestoreOpenAssetTabsOnRestart : 1;

	/** Automatically reimports textures when a change to source content is detected */
	UPROPERTY(EditAnywhere, config, Category = AutoReimport, meta = (DisplayName = "Detect Changes to Source Content"))
	uint32 bMonitorContentDirectories : 1;

	/** Internal setting to control the number of seconds before an auto-reimport triggers */
	UPROPERTY(config)
	float AutoReimportThreshold;

	/** Auto create assets when a new source content file is detected in a monitored directory */
	UPROPERTY(EditAnywhere, config, Category = AutoReimport)
	bool bAutoCreateAssets;

	/** Auto delete assets when their source content file is deleted */
	UPROPERTY(EditAnywhere, config, Category = AutoReimport)
	bool bAutoDeleteAssets;

	/** Detect changes to source content that happened while the editor was closed */
	UPROPERTY(EditAnywhere, config, Category = AutoReimport)
	bool bDetectChangesOnStartup;

	/** Whether to prompt the user before auto-importing new source files */
	UPROPERTY(EditAnywhere, config, Category = AutoReimport)
	bool bPromptBeforeAutoImporting;

	/** Internal setting to control whether we should ask the user whether we should automatically delete source files when their assets are deleted */
	UPROPERTY(config)
	bool bDeleteSourceFilesWithAssets;

	/** Whether to automatically checkout on asset modification */
	UPROPERTY(EditAnywhere, config, Category = SourceControl)
	uint32 bAutomaticallyCheckoutOnAssetModification : 1;

	/** Whether to prompt for checkout on asset modification */
	UPROPERTY(EditAnywhere, config, Category = SourceControl)
	uint32 bPromptForCheckoutOnAssetModification : 1;

	/** Whether to automatically save after a time interval */
	UPROPERTY(EditAnywhere, config, Category = AutoSave, meta = (DisplayName = "Enable AutoSave"))
	uint32 bAutoSaveEnable : 1;

	/** Whether to automatically save maps during an autosave */
	UPROPERTY(EditAnywhere, config, Category = AutoSave, meta = (DisplayName = "Save Maps"))
	uint32 bAutoSaveMaps : 1;

	/** Whether to automatically save content packages during an autosave */
	UPROPERTY(EditAnywhere, config, Category = AutoSave, meta = (DisplayName = "Save Packages"))
	uint32 bAutoSaveContent : 1;

	/** The time interval after which to auto save */
	UPROPERTY(EditAnywhere, config, Category = AutoSave, meta = (DisplayName = "Frequency in Minutes", ClampMin = "1"))
	int32 AutoSaveTimeMinutes;

	/** The minimum number of seconds to wait after the last user interactions (with the editor) before auto-save can trigger */
	UPROPERTY(EditAnywhere, config, Category = AutoSave, meta = (ClampMin = "1"))
	int32 AutoSaveInteractionDelayInSeconds;

	/** The number of seconds warning before an autosave */
	UPROPERTY(EditAnywhere, config, Category = AutoSave, meta = (DisplayName = "Warning in seconds", ClampMin = "0", UIMin = "0", UIMax = "20"))
	int32 AutoSaveWarningInSeconds;

	/** How many auto save files to keep around */
	UPROPERTY(EditAnywhere, config, Category = AutoSave, meta = (ClampMin = "1"))
	int32 AutoSaveMaxBackups;

	/** Whether to mark blueprints dirty if they are automatically migrated during loads */
	UPROPERTY(EditAnywhere, config, Category = Blueprints)
	bool bDirtyMigratedBlueprints;

	/** Whether to use global source control settings rather than per-project ones */
	UPROPERTY(config)
	uint32 bSCCUseGlobalSettings : 1;

	/** Whether to add new files to source control automatically */
	UPROPERTY(EditAnywhere, config, Category = SourceControl)
	uint32 bSCCAutoAddNewFiles : 1;

	/** Returns an event delegate that is executed when a setting has changed. */
	DECLARE_EVENT_OneParam(UEditorLoadingSavingSettings, FSettingChangedEvent, FName /*PropertyName*/);
	FSettingChangedEvent& OnSettingChanged()
	{
		return SettingChangedEvent;
	}

	/** Whether checkout on modification is on. */
	bool GetAutomaticallyCheckoutOnAssetModification() const
	{
		return bAutomaticallyCheckoutOnAssetModification;
	}

protected:
	/** Announces the changed setting (NAME_None when the whole object changed). */
	UNREALED_API virtual void PostEditChangeProperty(struct FPropertyChangedEvent& PropertyChangedEvent) override;

private:
	FSettingChangedEvent SettingChangedEvent;
};
