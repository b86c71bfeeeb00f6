// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

DECLARE_LOG_CATEGORY_EXTERN(LogQuovexTracking, Log, All);

/** Tracking module: the LiveLink role, subject settings and component controller of the plugin's cameras. */
class FQuovexTrackingModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
};
