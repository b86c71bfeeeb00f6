#include "SlateGlobals.h"

#include "Modules/ModuleManager.h"

DEFINE_LOG_CATEGORY(LogSlate);
DEFINE_LOG_CATEGORY(LogSlateStyles);

IMPLEMENT_MODULE(FDefaultModuleImpl, SlateCore);
