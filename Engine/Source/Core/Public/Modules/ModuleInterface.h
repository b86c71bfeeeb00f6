// The interface every module object implements, after the engine's IModuleInterface.
#pragma once

#include "CoreTypes.h"

class IModuleInterface
{
public:
	virtual ~IModuleInterface()
	{
	}

	/** Called once after the module object is created. */
	virtual void StartupModule()
	{
	}

	/** Called before the module is unloaded, ahead of ShutdownModule. */
	virtual void PreUnloadCallback()
	{
	}

	/** Called after the module is reloaded. */
	virtual void PostLoadCallback()
	{
	}

	/** Called once before the module object is destroyed. */
	virtual void ShutdownModule()
	{
	}

	virtual bool SupportsDynamicReloading()
	{
		return true;
	}

	/** Whether the module manager shuts it down at exit; otherwise it is abandoned. */
	virtual bool SupportsAutomaticShutdown()
	{
		return true;
	}

	virtual bool IsGameModule() const
	{
		return false;
	}
};
