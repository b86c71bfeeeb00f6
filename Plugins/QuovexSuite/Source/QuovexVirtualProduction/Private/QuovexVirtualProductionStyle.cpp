// Copyright Quovex. All Rights Reserved.

#include "QuovexVirtualProductionStyle.h"

#include "Brushes/SlateImageBrush.h"
#include "Misc/Paths.h"
#include "QuovexPluginUtils.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateStyleRegistry.h"

TSharedPtr<FSlateStyleSet> FQuovexVirtualProductionStyle::StyleInstance;

const FName FQuovexVirtualProductionStyle::IconMediumName(TEXT("QuovexVirtualProductionPlugin.Icon.Medium"));
const FName FQuovexVirtualProductionStyle::IconSmallName(TEXT("QuovexVirtualProductionPlugin.Icon.Small"));

void FQuovexVirtualProductionStyle::Register()
{
	if (StyleInstance.IsValid())
	{
		return;
	}
	StyleInstance = Create();
	FSlateStyleRegistry::RegisterSlateStyle(*StyleInstance);
}

void FQuovexVirtualProductionStyle::Unregister()
{
	if (!StyleInstance.IsValid())
	{
		return;
	}
	FSlateStyleRegistry::UnRegisterSlateStyle(*StyleInstance);
	StyleInstance.Reset();
}

FName FQuovexVirtualProductionStyle::GetStyleSetName()
{
	static const FName StyleSetName(TEXT("QuovexVirtualProductionStyle"));
	return StyleSetName;
}

const ISlateStyle& FQuovexVirtualProductionStyle::Get()
{
	check(StyleInstance.IsValid());
	return *StyleInstance;
}

bool FQuovexVirtualProductionStyle::IsRegistered()
{
	return StyleInstance.IsValid();
}

TSharedRef<FSlateStyleSet> FQuovexVirtualProductionStyle::Create()
{
	TSharedRef<FSlateStyleSet> Style = MakeShared<FSlateStyleSet>(GetStyleSetName());
	Style->SetContentRoot(FPaths::Combine(QuovexPluginUtils::GetPluginBaseDir(), TEXT("Resources")));

	const FString IconPath = Style->RootToContentDir(TEXT("Icon128"), TEXT(".png"));
	Style->Set(IconMediumName, new FSlateImageBrush(IconPath, FVector2D(40.0, 40.0)));
	Style->Set(IconSmallName, new FSlateImageBrush(IconPath, FVector2D(16.0, 16.0)));
	return Style;
}
