// The platform window behind an SWindow. The stand-in has no display, so its windows are
// generic ones with no native handle, as the engine's null platform gives.

#pragma once

#include "CoreMinimal.h"

class APPLICATIONCORE_API FGenericWindow
{
public:
	FGenericWindow();
	virtual ~FGenericWindow();

	/** The native window handle; generic windows have none. */
	virtual void* GetOSWindowHandle() const;

	virtual void Show();
	virtual void Hide();
	virtual bool IsVisible() const;
	virtual void Destroy();

private:
	bool bIsVisible;
};
