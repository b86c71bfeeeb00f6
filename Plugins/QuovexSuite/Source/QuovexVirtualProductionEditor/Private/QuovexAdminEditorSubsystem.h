// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "QuovexEditorSubsystemBase.h"

#include "QuovexAdminEditorSubsystem.generated.h"

class ULevelSequence;

/** Subsystem for internal tools that we don't want to expose to customers */
UCLASS(BlueprintType)
class UQuovexAdminEditorSubsystem : public UQuovexEditorSubsystemBase
{
	GENERATED_BODY()

public:
	/** The editor's instance; null without an editor. */
	static UQuovexAdminEditorSubsystem* Get();

	/**
	 * Cleans up recorded camera motion: in the transform sections of every binding whose name starts with
	 * QuovexCamera, drops each key whose value repeats the next key's, lets the engine recompute automatic
	 * tangents, and saves the sequence. False when there is no sequence or it has no movie scene.
	 */
	UFUNCTION(BlueprintCallable, Category = "Quovex|Admin")
	bool FixLevelSequence(ULevelSequence* LevelSequence);
};
