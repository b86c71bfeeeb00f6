#pragma once

#include "CoreMinimal.h"
#include "EditorSubsystem.h"
#include "UObject/SoftObjectPath.h"

#include "EditorUtilitySubsystem.generated.h"

class FTabManager;
class UEditorUtilityWidget;
class UEditorUtilityWidgetBlueprint;

/** The editor's registry of editor utility widget tabs, opened and closed through the level editor's tab manager. */
UCLASS(Config = EditorPerProjectUserSettings, MinimalAPI)
class UEditorUtilitySubsystem : public UEditorSubsystem
{
	GENERATED_BODY()

public:
	BLUTILITY_API UEditorUtilitySubsystem();

	BLUTILITY_API virtual void Initialize(FSubsystemCollectionBase& Collection) override;
	BLUTILITY_API virtual void Deinitialize() override;

	/** Editor utility widget Blueprints recorded as loaded script UIs. */
	UPROPERTY()
	TArray<FSoftObjectPath> LoadedUIs;

	/** Tab spawner names and the Blueprints they spawn. */
	TMap<FName, UEditorUtilityWidgetBlueprint*> RegisteredTabs;

	/** Given an ID for a tab, try to find a tab spawner that matches, and then spawn a tab. Returns true if it was able to find a matching tab spawner. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	BLUTILITY_API bool SpawnRegisteredTabByID(FName NewTabID);

	/** Given an ID for a tab, try to find an existing tab. Returns true if it found a tab. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	BLUTILITY_API bool DoesTabExist(FName NewTabID);

	/** Given an ID for a tab, try to find and close an existing tab. Returns true if it found a tab to close. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	BLUTILITY_API bool CloseTabByID(FName NewTabID);

	/** Registers a tab spawner for the Blueprint in the level editor and returns its ID. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	BLUTILITY_API void RegisterTabAndGetID(UEditorUtilityWidgetBlueprint* InBlueprint, FName& NewTabID);

	/** Registers a tab spawner for the Blueprint, opens its tab and returns the widget and the tab's ID. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	BLUTILITY_API UEditorUtilityWidget* SpawnAndRegisterTabAndGetID(UEditorUtilityWidgetBlueprint* InBlueprint, FName& NewTabID);

	/** Registers a tab spawner for the Blueprint, opens its tab and returns the widget. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	BLUTILITY_API UEditorUtilityWidget* SpawnAndRegisterTab(UEditorUtilityWidgetBlueprint* InBlueprint);

	/** Given an editor utility widget blueprint, get the widget it creates. This will return a null pointer if the widget is not currently in a tab. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	BLUTILITY_API UEditorUtilityWidget* FindUtilityWidgetFromBlueprint(UEditorUtilityWidgetBlueprint* InBlueprint);

private:
	/** The level editor's tab manager; empty before the level editor's UI exists. */
	TSharedPtr<FTabManager> GetLevelEditorTabManager() const;
};
