// The Slate application: exists once per process between Create and Shutdown. The stand-in's
// application has no renderer or platform input; it owns the styles, windows and tab manager.

#pragma once

#include "CoreMinimal.h"

class SLATE_API FSlateApplication
{
public:
	/** Creates the application and sets up the core style (also the default application style). */
	static TSharedRef<FSlateApplication> Create();

	/** Tears the application down and unregisters the core style. */
	static void Shutdown(bool bShutdownPlatform = true);

	static bool IsInitialized();

	/** The application; fails when there is none. */
	static FSlateApplication& Get();

	/** Registers the core style; called by Create. */
	static void InitializeCoreStyle();

	virtual ~FSlateApplication();

protected:
	FSlateApplication();
};
