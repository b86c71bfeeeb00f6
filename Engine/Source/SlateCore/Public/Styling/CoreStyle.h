// The core style every Slate application starts with ("CoreStyle").

#pragma once

#include "CoreMinimal.h"

class ISlateStyle;

class SLATECORE_API FCoreStyle
{
public:
	/** Makes a fresh core style set (not registered). */
	static TSharedRef<ISlateStyle> Create(const FName& InStyleSetName = FName(TEXT("CoreStyle")));

	/** Replaces the registered core style with a fresh one. */
	static void ResetToDefault();

	/** Unregisters and drops the core style. */
	static void Shutdown();

	/** The core style; fails when Slate has not set it up. */
	static const ISlateStyle& Get();

	static bool IsInitialized();
};
