// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

#include "QuovexEventWatcher.generated.h"

class AActor;
class UQuovexVPEditorSubsystem;

/** Logs what the VP subsystem's listeners hear, one line per broadcast, so an operator sees what a panel would. */
UCLASS(Transient)
class UQuovexEventWatcher : public UObject
{
	GENERATED_BODY()

public:
	/** The watcher of this editor run, made on first use. */
	static UQuovexEventWatcher* Get();

	/** Starts logging the subsystem's events; watching another subsystem stops watching the previous one. */
	void Watch(UQuovexVPEditorSubsystem* Subsystem);

	/** Stops logging. */
	void Unwatch();

	bool IsWatching() const;

private:
	void HandleActiveCameraChanged(TWeakObjectPtr<AActor> Camera);
	void HandleOpenTakeRecorder();
	void HandleResetTakeRecorder();
	void HandleReconnectToSwitcher();
	void HandleReconnectToKeyer();

	/** Bound to the Blueprint delegate, which only reaches reflected functions. */
	UFUNCTION()
	void HandleActiveCameraChangedDelegate();

	TWeakObjectPtr<UQuovexVPEditorSubsystem> Watched;
};
