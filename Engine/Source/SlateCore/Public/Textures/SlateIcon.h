// An icon named by style set and style, resolved to a brush when drawn.

#pragma once

#include "CoreMinimal.h"

struct FSlateBrush;
class ISlateStyle;

struct SLATECORE_API FSlateIcon
{
	/** An unset icon. */
	FSlateIcon();

	/** A small style name of None means the style name followed by ".Small". */
	FSlateIcon(const FName InStyleSetName, const FName InStyleName, const FName InSmallStyleName = NAME_None, const FName InStatusOverlayStyleName = NAME_None);

	/** The brush of the style name in the style set; the no-brush when unset or the style set is unknown. */
	const FSlateBrush* GetIcon() const;
	const FSlateBrush* GetSmallIcon() const;
	const FSlateBrush* GetOptionalIcon() const;
	const FSlateBrush* GetOverlayIcon() const;

	/** The registered style set, or null when unset or not registered. */
	const ISlateStyle* GetStyleSet() const;

	const FName& GetStyleSetName() const
	{
		return StyleSetName;
	}
	const FName& GetStyleName() const
	{
		return StyleName;
	}
	const FName& GetSmallStyleName() const
	{
		return SmallStyleName;
	}
	const FName& GetOverlayStyleName() const
	{
		return StatusOverlayStyleName;
	}

	const bool IsSet() const
	{
		return bIsSet;
	}

	bool operator==(const FSlateIcon& Other) const
	{
		return bIsSet == Other.bIsSet && StyleSetName == Other.StyleSetName && StyleName == Other.StyleName && SmallStyleName == Other.SmallStyleName && StatusOverlayStyleName == Other.StatusOverlayStyleName;
	}
	bool operator!=(const FSlateIcon& Other) const
	{
		return !(*this == Other);
	}

private:
	FName StyleSetName;
	FName StyleName;
	FName SmallStyleName;
	FName StatusOverlayStyleName;
	bool bIsSet;
};
