// What a panel's graph would hear from a colour wheel the console placed: every event as a log line.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

#include "HostColourWheelListener.generated.h"

/** Bound to a colour wheel's Blueprint events; logs each one under the wheel's name. */
UCLASS(Transient)
class UHostColourWheelListener : public UObject
{
	GENERATED_BODY()

public:
	/** Logs the colour the wheel reports, in the engine's text form. */
	UFUNCTION()
	void HandleColourChanged(const FLinearColor& NewColor);

	/** Logs the start of a drag. */
	UFUNCTION()
	void HandleMouseCaptureBegin();

	/** Logs the end of a drag. */
	UFUNCTION()
	void HandleMouseCaptureEnd();
};
