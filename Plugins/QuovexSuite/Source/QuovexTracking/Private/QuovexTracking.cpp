// Copyright Quovex. All Rights Reserved.

#include "QuovexTracking.h"

#include "Modules/ModuleManager.h"

DEFINE_LOG_CATEGORY(LogQuovexTracking);

void FQuovexTrackingModule::StartupModule()
{
}

void FQuovexTrackingModule::ShutdownModule()
{
}

IMPLEMENT_MODULE(FQuovexTrackingModule, QuovexTracking)
