// Editor subsystem with the editor's worlds and the level viewport camera.

#pragma once

#include "CoreMinimal.h"
#include "EditorSubsystem.h"
#include "UnrealEditorSubsystem.generated.h"

class UWorld;

/** UUnrealEditorSubsystem: editor worlds and level viewport camera, for scripts and tools. */
UCLASS()
class UNREALED_API UUnrealEditorSubsystem : public UEditorSubsystem
{
	GENERATED_BODY()

public:
	/**
	 * Gets information about the camera position for the primary level editor viewport.
	 * In non-editor builds, these will be zeroed.
	 */
	UFUNCTION(BlueprintPure, Category = "Development|Editor")
	bool GetLevelViewportCameraInfo(FVector& CameraLocation, FRotator& CameraRotation);

	/** Sets information about the camera position for the primary level editor viewport. */
	UFUNCTION(BlueprintCallable, Category = "Development|Editor")
	void SetLevelViewportCameraInfo(FVector CameraLocation, FRotator CameraRotation);

	/** Find the World in the world editor. It can then be used as WorldContext by other libraries like GameplayStatics. */
	UFUNCTION(BlueprintCallable, Category = "Editor Scripting | Level Utility")
	UWorld* GetEditorWorld();

	/** Find the World of the current game (PIE). It can then be used as WorldContext by other libraries like GameplayStatics. */
	UFUNCTION(BlueprintCallable, Category = "Editor Scripting | Level Utility")
	UWorld* GetGameWorld();
};
