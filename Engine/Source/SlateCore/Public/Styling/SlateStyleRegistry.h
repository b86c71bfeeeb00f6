// Where style sets are registered by name, so icons and widgets can find them.

#pragma once

#include "CoreMinimal.h"

class ISlateStyle;
struct FSlateBrush;

class SLATECORE_API FSlateStyleRegistry
{
public:
	/** Registers a style under its own name; the name must not be taken. */
	static void RegisterSlateStyle(const ISlateStyle& InSlateStyle);

	/** Unregisters a registered style. */
	static void UnRegisterSlateStyle(const ISlateStyle& InSlateStyle);
	static void UnRegisterSlateStyle(const FName StyleSetName);

	/** The style registered under that name, or null. */
	static const ISlateStyle* FindSlateStyle(const FName& InSlateStyleName);

	/** Every registered style's brushes. */
	static void GetAllResources(TArray<const FSlateBrush*>& OutResources);

	/** Names of the registered styles, in registration order. */
	static void GetAllStyleSetNames(TArray<FName>& OutStyleSetNames);
};
