// Copyright Quovex. All Rights Reserved.

#include "QuovexVirtualProduction.h"

#include "Modules/ModuleManager.h"

DEFINE_LOG_CATEGORY(LogQuovexVirtualProduction);

void FQuovexVirtualProductionModule::StartupModule()
{
}

void FQuovexVirtualProductionModule::ShutdownModule()
{
}

IMPLEMENT_MODULE(FQuovexVirtualProductionModule, QuovexVirtualProduction)
