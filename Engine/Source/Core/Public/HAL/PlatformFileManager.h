// Owner of the platform file layer, after the engine's FPlatformFileManager.
#pragma once

#include "CoreTypes.h"
#include "GenericPlatform/GenericPlatformFile.h"

class CORE_API FPlatformFileManager
{
public:
	static FPlatformFileManager& Get();

	/** The topmost platform file; the stand-in has only the physical one. */
	IPlatformFile& GetPlatformFile();

	/** The physical file system of the host. */
	static IPlatformFile& GetPlatformPhysical();
};
