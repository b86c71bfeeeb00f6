#include "DesktopPlatformModule.h"

#include "DesktopPlatformHosted.h"

IMPLEMENT_MODULE(FDesktopPlatformModule, DesktopPlatform);

void FDesktopPlatformModule::StartupModule()
{
	DesktopPlatform = new FDesktopPlatformHosted();
}

void FDesktopPlatformModule::ShutdownModule()
{
	delete DesktopPlatform;
	DesktopPlatform = nullptr;
}
