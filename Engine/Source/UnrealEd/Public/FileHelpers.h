// Loading and saving maps and packages from the editor.

#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "FileHelpers.generated.h"

class UPackage;
class UWorld;

/** Editor file operations that do not show dialogs. */
class UNREALED_API FEditorFileUtils
{
public:
	/**
	 * Opens a map as the edited world: Filename is a long package name ("/Game/Maps/Stage") or a map file
	 * under a mounted content folder. Broadcasts FEditorDelegates::OnMapOpened. Returns false when the
	 * map cannot be loaded (the edited world stays as it was).
	 */
	static bool LoadMap(const FString& Filename, bool bLoadAsTemplate = false, bool bShowProgress = true);
};

/** Blueprint access to loading and saving. */
UCLASS(transient)
class UNREALED_API UEditorLoadingAndSavingUtils : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()

public:
	/**
	 * Saves the specified packages. Returns true if every package was saved.
	 * @param PackagesToSave The packages to save.
	 * @param bOnlyDirty Only save packages that are dirty.
	 */
	UFUNCTION(BlueprintCallable, Category = "Editor Scripting | Editor Loading and Saving")
	static bool SavePackages(const TArray<UPackage*>& PackagesToSave, bool bOnlyDirty);

	/**
	 * Loads the map as the edited world; null when it cannot be loaded.
	 * @param Filename Map package name or file to load.
	 */
	UFUNCTION(BlueprintCallable, Category = "Editor Scripting | Editor Loading and Saving")
	static UWorld* LoadMap(const FString& Filename);
};
