#include "Styling/AppStyle.h"

#include "Styling/SlateStyleRegistry.h"

namespace
{
	FName& GetAppStyleName()
	{
		static FName AppStyleName(TEXT("CoreStyle"));
		return AppStyleName;
	}
}

const ISlateStyle& FAppStyle::Get()
{
	const ISlateStyle* AppStyle = FSlateStyleRegistry::FindSlateStyle(GetAppStyleName());
	checkf(AppStyle, TEXT("FAppStyle::Get: the application style set '%s' is not registered (is the Slate application up?)"), *GetAppStyleName().ToString());
	return *AppStyle;
}

const FName FAppStyle::GetAppStyleSetName()
{
	return GetAppStyleName();
}

void FAppStyle::SetAppStyleSetName(const FName& InName)
{
	GetAppStyleName() = InName;
}

void FAppStyle::SetAppStyleSet(const ISlateStyle& InStyle)
{
	GetAppStyleName() = InStyle.GetStyleSetName();
}

const FSlateBrush* FAppStyle::GetBrush(const FName PropertyName, const ANSICHAR* Specifier)
{
	return Get().GetBrush(PropertyName, Specifier);
}

const FSlateBrush* FAppStyle::GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier, const FSlateBrush* const DefaultBrush)
{
	return Get().GetOptionalBrush(PropertyName, Specifier, DefaultBrush);
}

float FAppStyle::GetFloat(const FName PropertyName, const ANSICHAR* Specifier, float DefaultValue)
{
	return Get().GetFloat(PropertyName, Specifier, DefaultValue);
}
