#include "Styling/CoreStyle.h"

#include "Brushes/SlateImageBrush.h"
#include "Brushes/SlateNoResource.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateStyleRegistry.h"

namespace
{
	TSharedPtr<ISlateStyle>& GetCoreStyleInstance()
	{
		static TSharedPtr<ISlateStyle> Instance;
		return Instance;
	}
}

TSharedRef<ISlateStyle> FCoreStyle::Create(const FName& InStyleSetName)
{
	TSharedRef<FSlateStyleSet> Style = MakeShared<FSlateStyleSet>(InStyleSetName);
	// Engine content is not shipped with the stand-in; the paths only name the files.
	Style->SetContentRoot(TEXT("Slate"));
	Style->SetCoreContentRoot(TEXT("Slate"));

	const FVector2D Icon16(16.0, 16.0);
	const FVector2D Icon20(20.0, 20.0);
	Style->Set(TEXT("Checkerboard"), new FSlateImageBrush(Style->RootToContentDir(TEXT("Checkerboard"), TEXT(".png")), Icon16, FLinearColor(1.0f, 1.0f, 1.0f, 1.0f), ESlateBrushTileType::Both));
	Style->Set(TEXT("Icons.Info"), new FSlateVectorImageBrush(Style->RootToCoreContentDir(TEXT("Starship/Common/Info"), TEXT(".svg")), Icon16));
	Style->Set(TEXT("Icons.Warning"), new FSlateVectorImageBrush(Style->RootToCoreContentDir(TEXT("Starship/Common/alert-triangle"), TEXT(".svg")), Icon16));
	Style->Set(TEXT("Icons.Error"), new FSlateVectorImageBrush(Style->RootToCoreContentDir(TEXT("Starship/Common/alert-circle"), TEXT(".svg")), Icon16));
	Style->Set(TEXT("Icons.Help"), new FSlateVectorImageBrush(Style->RootToCoreContentDir(TEXT("Starship/Common/help"), TEXT(".svg")), Icon16));
	Style->Set(TEXT("Icons.Settings"), new FSlateVectorImageBrush(Style->RootToCoreContentDir(TEXT("Starship/Common/settings"), TEXT(".svg")), Icon20));
	Style->Set(TEXT("ToolBar.Background"), new FSlateNoResource());
	Style->Set(TEXT("Menu.Background"), new FSlateNoResource());
	return Style;
}

void FCoreStyle::ResetToDefault()
{
	Shutdown();
	TSharedPtr<ISlateStyle>& Instance = GetCoreStyleInstance();
	Instance = Create();
	FSlateStyleRegistry::RegisterSlateStyle(*Instance);
}

void FCoreStyle::Shutdown()
{
	TSharedPtr<ISlateStyle>& Instance = GetCoreStyleInstance();
	if (Instance.IsValid())
	{
		FSlateStyleRegistry::UnRegisterSlateStyle(*Instance);
		Instance.Reset();
	}
}

const ISlateStyle& FCoreStyle::Get()
{
	const TSharedPtr<ISlateStyle>& Instance = GetCoreStyleInstance();
	checkf(Instance.IsValid(), TEXT("FCoreStyle::Get: the core style is not set up; create the Slate application first"));
	return *Instance;
}

bool FCoreStyle::IsInitialized()
{
	return GetCoreStyleInstance().IsValid();
}
