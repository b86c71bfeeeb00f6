#include "ILiveLinkClient.h"
#include "Modules/ModuleManager.h"

FName ILiveLinkClient::ModularFeatureName(TEXT("ModularFeature_LiveLink"));

IMPLEMENT_MODULE(FDefaultModuleImpl, LiveLinkInterface);
