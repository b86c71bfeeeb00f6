#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtr.h"
#include "WidgetBlueprint.h"

#include "EditorUtilityWidgetBlueprint.generated.h"

class FSpawnTabArgs;
class SDockTab;
class SWidget;
class UEditorUtilityWidget;

/** A widget Blueprint whose widget, a UEditorUtilityWidget, runs in an editor tab. */
UCLASS(MinimalAPI)
class UEditorUtilityWidgetBlueprint : public UWidgetBlueprint
{
	GENERATED_BODY()

public:
	/** Builds a dock tab hosting a new instance of the Blueprint's widget; the tab spawner of the Blueprint calls it. */
	BLUTILITY_API TSharedRef<SDockTab> SpawnEditorUITab(const FSpawnTabArgs& SpawnTabArgs);

	/** Creates the slate widget from the UMG widget. */
	BLUTILITY_API TSharedRef<SWidget> CreateUtilityWidget();

	/** The widget created by the last spawn, or null. */
	BLUTILITY_API UEditorUtilityWidget* GetCreatedWidget() const;

	/** The name of the tab spawner that opens this Blueprint. */
	BLUTILITY_API FName GetRegistrationName() const;

	BLUTILITY_API void SetRegistrationName(FName InRegistrationName);

	/** The tab built by the last spawn while it is open, else null. */
	BLUTILITY_API TSharedPtr<SDockTab> GetCreatedTab() const;

protected:
	/** Should the widget be spawned on a Nomad tab to be docked anywhere. */
	UPROPERTY(EditAnywhere, Category = "Editor Utility")
	bool bSpawnAsNomadTab = false;

	TWeakPtr<SDockTab> CreatedTab;

	/** The widget of the last spawned tab. */
	UPROPERTY(Transient)
	TObjectPtr<UEditorUtilityWidget> CreatedUMGWidget;

	/** The stand-in's collector does not clear references, so the widget's death is read from a weak twin. */
	TWeakObjectPtr<UEditorUtilityWidget> CreatedUMGWidgetLifetime;

	/** The created widget while it lives; forgets it once it has died. */
	UEditorUtilityWidget* GetLiveCreatedWidget();

	FName RegistrationName;
};
