// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "LiveLinkTypes.h"
#include "QuovexEditorSubsystemBase.h"

#include "QuovexVPEditorSubsystem.generated.h"

class AActor;
class AQuovexCamera;
class ILiveLinkClient;
class UBlueprintAsyncActionBase;
class UCompositeKeyer;
class UCompositorSubsystem;
class UQuovexLiveLinkComponentController;
class UWorld;

/** bp shadower of the above */
DECLARE_DYNAMIC_MULTICAST_DELEGATE(FOnActiveCameraChangedDelegate);

/**
 * The panels' way to the stage: the tracked cameras of the open level and the active one, their LiveLink
 * subjects and lens readouts, Play-In-Editor, and the operator requests the panels listen for.
 */
UCLASS(meta = (BlueprintType = "true"))
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexVPEditorSubsystem : public UQuovexEditorSubsystemBase
{
	GENERATED_BODY()

public:
	DECLARE_EVENT_OneParam(UQuovexVPEditorSubsystem, FOnActiveCameraChangedEvent, TWeakObjectPtr<AActor>);
	DECLARE_EVENT(UQuovexVPEditorSubsystem, FOnOpenTakeRecorderEvent);
	DECLARE_EVENT(UQuovexVPEditorSubsystem, FOnResetTakeRecorderEvent);
	DECLARE_EVENT(UQuovexVPEditorSubsystem, FOnReconnectToSwitcherEvent);
	DECLARE_EVENT(UQuovexVPEditorSubsystem, FOnReconnectToKeyerEvent);

	/** The editor's instance; null without an editor. */
	static UQuovexVPEditorSubsystem* Get();

	virtual void Initialize(FSubsystemCollectionBase& Collection) override;
	virtual void Deinitialize() override;

	/** The active camera; null when there is none or it is not a Quovex camera. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	AQuovexCamera* GetActiveCamera();

	/** Position of the active camera among the current world's cameras; -1 when it is not among them. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	int32 GetActiveCameraIndex();

	/** The LiveLink controller of the active camera, or null. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	UQuovexLiveLinkComponentController* GetCurrentQuovexCameraLiveLink();

	/** Raw zoom and focus encoder values of the active camera; false (outputs untouched) without one. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	bool GetCurrentQuovexCameraZoomFocus(int32& Zoom, int32& Focus);

	/** Zoom and focus of the active camera in percent of the encoders' range; false (outputs untouched) without one. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	bool GetCurrentQuovexCameraZoomFocusPercent(float& Zoom, float& Focus);

	/** Zoom and focus of the active camera as percent texts for display; false (outputs untouched) without one. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	bool GetCurrentQuovexCameraZoomFocusPercentString(FString& sZoom, FString& sFocus);

	/** Check if the world has a QuovexCamera */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	bool HasQuovexCamera();

	/** Enter PIE */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void Play();

	/** Makes the camera the active one. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void SetActiveCamera(AQuovexCamera* CameraActor);

	/** Makes the camera at that position among the current world's cameras the active one. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void SetActiveCameraIndex(int32 CameraIndex);

	/** Exit PIE */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void Stop();

	/** The plugin's composite keyer asset; null when it cannot be loaded. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	UCompositeKeyer* GetCompositeKeyer();

	/** The compositor subsystem of the play world while one runs, else of the edited world; null without a world. */
	UCompositorSubsystem* GetCompositorSubsystem();

	/** Opens the focal distance wizard panel. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void OpenFocDistWiz();

	/** Closes the focal distance wizard panel. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void CloseFocDistWiz();

	/** Opens the near/wide tweak graph panel. */
	UFUNCTION(BlueprintCallable, Category = "Quovex|VP")
	void OpenNearWideTweakGraph();

	/** The active camera, re-resolved from the current world first when that is pending. */
	TWeakObjectPtr<AQuovexCamera> GetQuovexCamera();

	/** The first camera whose label (else object name) equals Name, case ignored. */
	TWeakObjectPtr<AQuovexCamera> GetQuovexCamera(FString Name);

	/** Appends the current world's Quovex cameras, in the world's tag query order. */
	void GetQuovexCameras(TArray<TWeakObjectPtr<AQuovexCamera>>& Cameras);

	FOnActiveCameraChangedEvent& OnActiveCameraChanged() { return ActiveCameraChangedEvent; }
	FOnOpenTakeRecorderEvent& OnOpenTakeRecorder() { return OpenTakeRecorderEvent; }
	FOnResetTakeRecorderEvent& OnResetTakeRecorder() { return ResetTakeRecorderEvent; }
	FOnReconnectToSwitcherEvent& OnReconnectToSwitcher() { return ReconnectToSwitcherEvent; }
	FOnReconnectToKeyerEvent& OnReconnectToKeyer() { return ReconnectToKeyerEvent; }

	/** Tells the native listeners of a camera change; changes nothing and leaves the Blueprint delegate alone. */
	void TriggerActiveCameraChanged(TWeakObjectPtr<AActor> Camera) const;
	void TriggerOpenTakeRecorder() const;
	void TriggerResetTakeRecorder() const;
	void TriggerReconnectToSwitcher() const;
	void TriggerReconnectToKeyer() const;

	/** Keeps a Blueprint async action alive across level switches. */
	void RegisterBlueprintAsyncAction(UBlueprintAsyncActionBase* Action);

	/** Releases an async action kept by RegisterBlueprintAsyncAction. */
	void UnregisterBlueprintAsyncAction(UBlueprintAsyncActionBase* Action);

	/** when we need to update the active camera */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Quovex|VP")
	bool bNeedsCameraUpdate = false;

	FOnActiveCameraChangedEvent ActiveCameraChangedEvent;
	FOnOpenTakeRecorderEvent OpenTakeRecorderEvent;
	FOnResetTakeRecorderEvent ResetTakeRecorderEvent;
	FOnReconnectToSwitcherEvent ReconnectToSwitcherEvent;
	FOnReconnectToKeyerEvent ReconnectToKeyerEvent;

	/** bp accessible events */
	UPROPERTY(BlueprintAssignable, Category = "Quovex|VP")
	FOnActiveCameraChangedDelegate ActiveCameraChangedDelegate;

	TWeakObjectPtr<AActor> ActiveCamera;
	int32 ActiveCameraIndex = 0;
	ILiveLinkClient* LiveLinkClient = nullptr;

private:
	/** The world's camera actors, in the tag query's order. Asked each time, never kept: actors come and go with maps, PIE and takes. */
	static TArray<AActor*> GetCameraActors(UWorld* World);

	void UpdateActiveCamera(TWeakObjectPtr<AActor> Camera);
	void SetActiveQuovexCameraIndex(TWeakObjectPtr<AActor> Camera);

	void OnLevelActorsAdded(AActor* Actor);
	void OnLevelActorsRemoved(AActor* Actor);
	void OnMapOpened(const FString& Filename, bool bAsTemplate);
	void PostPIEStarted(bool bIsSimulating);
	void EndPIE(bool bIsSimulating);
	void OnEnginePreExit();
	void OnSubjectAdded(FLiveLinkSubjectKey SubjectKey);

	TArray<FName> GetSubjectNames();
	TArray<UQuovexLiveLinkComponentController*> GetQuovexLiveLinkComponents() const;
	void UpdateCameraLiveLinkSubject(TWeakObjectPtr<AActor> Camera);

	/** List of async blueprint tasks that are being kept alive by this subsystem so will still work after switching level. */
	UPROPERTY()
	TArray<TObjectPtr<UBlueprintAsyncActionBase>> ReferencedAsyncActions;
};
