#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "IDesktopPlatform.h"

class DESKTOPPLATFORM_API FDesktopPlatformModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** The desktop platform; loads the module on first use. */
	static IDesktopPlatform* Get()
	{
		FDesktopPlatformModule& Module = FModuleManager::Get().LoadModuleChecked<FDesktopPlatformModule>(TEXT("DesktopPlatform"));
		return Module.GetSingleton();
	}

	/** The desktop platform if the module is loaded, else null. */
	static IDesktopPlatform* TryGet()
	{
		FDesktopPlatformModule* Module = FModuleManager::Get().GetModulePtr<FDesktopPlatformModule>(TEXT("DesktopPlatform"));
		return Module ? Module->GetSingleton() : nullptr;
	}

private:
	virtual IDesktopPlatform* GetSingleton() const
	{
		return DesktopPlatform;
	}

	IDesktopPlatform* DesktopPlatform = nullptr;
};
