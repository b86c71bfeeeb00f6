#include "Textures/SlateIcon.h"

#include "Styling/ISlateStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/StyleDefaults.h"

FSlateIcon::FSlateIcon()
	: bIsSet(false)
{
}

FSlateIcon::FSlateIcon(const FName InStyleSetName, const FName InStyleName, const FName InSmallStyleName, const FName InStatusOverlayStyleName)
	: StyleSetName(InStyleSetName)
	, StyleName(InStyleName)
	, SmallStyleName(InSmallStyleName.IsNone() ? ISlateStyle::Join(InStyleName, ".Small") : InSmallStyleName)
	, StatusOverlayStyleName(InStatusOverlayStyleName)
	, bIsSet(true)
{
}

const ISlateStyle* FSlateIcon::GetStyleSet() const
{
	return bIsSet ? FSlateStyleRegistry::FindSlateStyle(StyleSetName) : nullptr;
}

const FSlateBrush* FSlateIcon::GetIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet ? StyleSet->GetBrush(StyleName) : FStyleDefaults::GetNoBrush();
}

const FSlateBrush* FSlateIcon::GetSmallIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet ? StyleSet->GetBrush(SmallStyleName) : FStyleDefaults::GetNoBrush();
}

const FSlateBrush* FSlateIcon::GetOptionalIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return StyleSet ? StyleSet->GetOptionalBrush(StyleName) : FStyleDefaults::GetNoBrush();
}

const FSlateBrush* FSlateIcon::GetOverlayIcon() const
{
	const ISlateStyle* StyleSet = GetStyleSet();
	return (StyleSet && !StatusOverlayStyleName.IsNone()) ? StyleSet->GetOptionalBrush(StatusOverlayStyleName) : nullptr;
}
