// A named set of brushes and values that widgets and icons look up by name.

#pragma once

#include "CoreMinimal.h"
#include "Styling/StyleDefaults.h"
#include "Styling/SlateColor.h"

struct FSlateBrush;

class SLATECORE_API ISlateStyle
{
public:
	ISlateStyle()
	{
	}

	virtual ~ISlateStyle()
	{
	}

	/** The name the style is registered under. */
	virtual const FName& GetStyleSetName() const = 0;

	/** Every brush the style owns. */
	virtual void GetResources(TArray<const FSlateBrush*>& OutResources) const = 0;

	virtual float GetFloat(const FName PropertyName, const ANSICHAR* Specifier = nullptr, float DefaultValue = FStyleDefaults::GetFloat(), const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual const FLinearColor& GetColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FLinearColor& DefaultValue = FStyleDefaults::GetColor(), const ISlateStyle* RequestingStyle = nullptr) const = 0;
	virtual const FSlateColor GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateColor& DefaultValue = FSlateColor(FStyleDefaults::GetColor()), const ISlateStyle* RequestingStyle = nullptr) const = 0;

	/** The named brush; the default brush (and a warning) when the style has none of that name. */
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const ISlateStyle* RequestingStyle = nullptr) const = 0;

	/** The named brush, or DefaultBrush without a warning. */
	virtual const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush()) const = 0;

	virtual const FSlateBrush* GetDefaultBrush() const = 0;

	/** Appends B to A: "Icons" + ".Small" is "Icons.Small". */
	static FName Join(FName A, const ANSICHAR* B);
};
