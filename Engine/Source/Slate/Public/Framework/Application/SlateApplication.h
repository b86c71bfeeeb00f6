// The Slate application: exists once per process between Create and Shutdown. The stand-in's
// application has no renderer or platform input; it owns the styles, windows and tab manager.

#pragma once

#include "CoreMinimal.h"

class FGlobalTabmanager;
class SWidget;
class SWindow;

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

	/** Adds a top-level window and gives it a native window. */
	TSharedRef<SWindow> AddWindow(TSharedRef<SWindow> InSlateWindow, const bool bShowImmediately = true);

	/** Closes a window: its closed callback runs and it leaves the application. */
	void RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy);

	const TArray<TSharedRef<SWindow>>& GetTopLevelWindows() const
	{
		return Windows;
	}

	/** The window a widget is in, found through its parents; null when it is in none. */
	virtual TSharedPtr<SWindow> FindWidgetWindow(TSharedRef<const SWidget> InWidget) const;

	TSharedRef<FGlobalTabmanager> GetGlobalTabManager() const;

	virtual ~FSlateApplication();

protected:
	FSlateApplication();

private:
	TArray<TSharedRef<SWindow>> Windows;
};
