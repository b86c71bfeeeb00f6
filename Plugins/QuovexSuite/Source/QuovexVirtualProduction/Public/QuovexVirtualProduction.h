// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

DECLARE_LOG_CATEGORY_EXTERN(LogQuovexVirtualProduction, Log, All);

/** Runtime module: the plugin's actors, style set and project settings. */
class FQuovexVirtualProductionModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
};
