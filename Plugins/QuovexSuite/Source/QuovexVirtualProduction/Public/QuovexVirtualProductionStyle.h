// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

class FSlateStyleSet;
class ISlateStyle;

/** The plugin's Slate style set: the plugin icon at toolbar and tab sizes. */
class QUOVEXVIRTUALPRODUCTION_API FQuovexVirtualProductionStyle
{
public:
	/** Brush of the toolbar combo (40x40). */
	static const FName IconMediumName;

	/** Brush of panel tabs, menu entries and the placement category (16x16). */
	static const FName IconSmallName;

	/** Creates the style set and registers it with the Slate style registry; a second call does nothing. */
	static void Register();

	/** Unregisters and destroys the style set; does nothing when it is not registered. */
	static void Unregister();

	/** Name under which the style set is registered. */
	static FName GetStyleSetName();

	/** The registered style set; only valid between Register and Unregister. */
	static const ISlateStyle& Get();

	static bool IsRegistered();

private:
	static TSharedRef<FSlateStyleSet> Create();

	static TSharedPtr<FSlateStyleSet> StyleInstance;
};
