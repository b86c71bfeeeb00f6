// The platform window behind an SWindow. A generic window has no native handle, as in the engine;
// the Slate application gives the windows it adds one (see FSlateApplication::AddWindow).

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
