#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "ToolMenus.h"

class FToolMenusModule : public IModuleInterface
{
public:
	virtual void StartupModule() override
	{
		UToolMenus::CreateSingleton();
	}

	virtual void ShutdownModule() override
	{
		UToolMenus::DestroySingleton();
	}
};

IMPLEMENT_MODULE(FToolMenusModule, ToolMenus);
