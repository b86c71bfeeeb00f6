// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintFunctionLibrary.h"

#include "QuovexEditorFunctionLibrary.generated.h"

class AActor;
class UQuovexEditorUtilityWidget;
class UWorld;

/**
 * General utilities the panels call often, such as IsPIE and GetCurrentWorld.
 * The more specific helpers are meant to move to libraries of their own.
 */
UCLASS(meta = (ClassGroupNames = "Quovex"))
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorFunctionLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()

public:
	/** Get the current world depending if we are in PIE or not */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static UWorld* GetCurrentWorld();

	/** Helper to fetch all files of a given extension in a directory */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static bool GetFilesWithExtension(const FString& Directory, const FString& Extension, TArray<FString>& OutFilenames);

	/** Check if the object has a valid world */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static bool HasValidWorld(UObject* WorldContextObject);

	/** Is the editor in Play In Editor */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static bool IsPIE();

	/**
	 * Copies properties from game actor to its editor world counterpart. Does not save animations
	 * @param SimWorldActor Pointer to actor in the game world
	 * @return Number of properties copied
	 */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static int32 KeepActorSimulationChanges(AActor* SimWorldActor);

	/** Helper to open a directory dialogue */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static bool OpenDirectoryDialogue(UPARAM(meta = (EditInline = "true")) UQuovexEditorUtilityWidget* ParentWidget, const FString& DefaultDirectory, FString& OutFolderName, const FString& DialogTitle = TEXT("Choose a folder"));

	/** Helper to open a file dialogue */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static bool OpenFileDialogue(UPARAM(meta = (EditInline = "true")) UQuovexEditorUtilityWidget* ParentWidget, const FString& DefaultDirectory, const FString& FileTypes, TArray<FString>& OutFileNames, const FString& DialogTitle = TEXT("Choose a file"));

	/** Log error to output log */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static void PrintErrorToOutputLog(const FString& Message);

	/** Log message to output log */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static void PrintToOutputLog(const FString& Message);

	/** Log warning to output log */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	static void PrintWarningToOutputLog(const FString& Message);

	UFUNCTION(BlueprintPure, Category = "Game", meta = (DisplayName = "String > String", CompactNodeTitle = ">", Keywords = "Compare String Greater"))
	static bool SGreaterThan(const FString& StringA, const FString& StringB);

	UFUNCTION(BlueprintPure, Category = "Game", meta = (DisplayName = "String < String", CompactNodeTitle = "<", Keywords = "Compare String Less"))
	static bool SLessThan(const FString& StringA, const FString& StringB);

private:
	/** The OS handle of the window that shows ParentWidget, or null when it has none. */
	static const void* FindParentWindowHandle(UQuovexEditorUtilityWidget* ParentWidget);

	/** Ordinal comparison of UTF-16 code units, the terminator included: <0, 0 or >0. */
	static int32 CompareCodeUnits(const FString& StringA, const FString& StringB);
};
