#include "Modules/ModuleManager.h"
#include "UMGPrivate.h"

DEFINE_LOG_CATEGORY(LogUMG);

IMPLEMENT_MODULE(FDefaultModuleImpl, UMG);
