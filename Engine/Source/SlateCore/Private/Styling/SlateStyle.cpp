#include "Styling/SlateStyle.h"

#include "Brushes/SlateImageBrush.h"
#include "SlateGlobals.h"

namespace
{
	FName MakeStyleKey(const FName PropertyName, const ANSICHAR* Specifier)
	{
		return Specifier ? ISlateStyle::Join(PropertyName, Specifier) : PropertyName;
	}

	FString JoinContentPath(const FString& Root, const FString& RelativePath, const TCHAR* Extension)
	{
		FString Result = Root;
		if (!Result.IsEmpty() && !Result.EndsWith(TEXT("/")))
		{
			Result += TEXT("/");
		}
		Result += RelativePath;
		if (Extension)
		{
			Result += Extension;
		}
		return Result;
	}
}

FName ISlateStyle::Join(FName A, const ANSICHAR* B)
{
	if (!B)
	{
		return A;
	}
	return FName(*(A.ToString() + FString(B)));
}

FSlateStyleSet::FSlateStyleSet(const FName& InStyleSetName)
	: StyleSetName(InStyleSetName)
	// Missing brushes draw as the checkerboard, so a wrong name shows up on screen.
	, DefaultBrush(new FSlateImageBrush(FName(TEXT("Checkerboard")), FVector2D(16.0, 16.0), FLinearColor(1.0f, 1.0f, 1.0f, 1.0f), ESlateBrushTileType::Both))
{
}

FSlateStyleSet::~FSlateStyleSet()
{
	for (TPair<FName, FSlateBrush*>& Pair : BrushResources)
	{
		delete Pair.Value;
	}
	BrushResources.Empty();
	delete DefaultBrush;
	DefaultBrush = nullptr;
}

const FName& FSlateStyleSet::GetStyleSetName() const
{
	return StyleSetName;
}

void FSlateStyleSet::GetResources(TArray<const FSlateBrush*>& OutResources) const
{
	for (const TPair<FName, FSlateBrush*>& Pair : BrushResources)
	{
		OutResources.Add(Pair.Value);
	}
}

void FSlateStyleSet::SetContentRoot(const FString& InContentRootDir)
{
	ContentRootDir = InContentRootDir;
}

void FSlateStyleSet::SetCoreContentRoot(const FString& InCoreContentRootDir)
{
	CoreContentRootDir = InCoreContentRootDir;
}

FString FSlateStyleSet::RootToContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension)
{
	return JoinContentPath(ContentRootDir, FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToContentDir(const TCHAR* RelativePath, const TCHAR* Extension)
{
	return JoinContentPath(ContentRootDir, FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToContentDir(const FString& RelativePath, const TCHAR* Extension)
{
	return JoinContentPath(ContentRootDir, RelativePath, Extension);
}

FString FSlateStyleSet::RootToContentDir(const ANSICHAR* RelativePath)
{
	return JoinContentPath(ContentRootDir, FString(RelativePath), nullptr);
}

FString FSlateStyleSet::RootToContentDir(const TCHAR* RelativePath)
{
	return JoinContentPath(ContentRootDir, FString(RelativePath), nullptr);
}

FString FSlateStyleSet::RootToContentDir(const FString& RelativePath)
{
	return JoinContentPath(ContentRootDir, RelativePath, nullptr);
}

FString FSlateStyleSet::RootToCoreContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension)
{
	return JoinContentPath(CoreContentRootDir, FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToCoreContentDir(const TCHAR* RelativePath, const TCHAR* Extension)
{
	return JoinContentPath(CoreContentRootDir, FString(RelativePath), Extension);
}

FString FSlateStyleSet::RootToCoreContentDir(const FString& RelativePath, const TCHAR* Extension)
{
	return JoinContentPath(CoreContentRootDir, RelativePath, Extension);
}

void FSlateStyleSet::Set(const FName PropertyName, FSlateBrush* InBrush)
{
	checkf(InBrush, TEXT("FSlateStyleSet::Set: null brush for '%s'"), *PropertyName.ToString());
	FSlateBrush** Existing = BrushResources.Find(PropertyName);
	if (Existing)
	{
		if (*Existing != InBrush)
		{
			delete *Existing;
		}
		*Existing = InBrush;
	}
	else
	{
		BrushResources.Add(PropertyName, InBrush);
	}
}

void FSlateStyleSet::Set(const FName PropertyName, const float InFloat)
{
	FloatValues.Add(PropertyName, InFloat);
}

void FSlateStyleSet::Set(const FName PropertyName, const FLinearColor& InColor)
{
	ColorValues.Add(PropertyName, InColor);
}

void FSlateStyleSet::Set(const FName PropertyName, const FSlateColor& InColor)
{
	SlateColorValues.Add(PropertyName, InColor);
}

float FSlateStyleSet::GetFloat(const FName PropertyName, const ANSICHAR* Specifier, float DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const FName Key = MakeStyleKey(PropertyName, Specifier);
	const float* Result = FloatValues.Find(Key);
	if (!Result)
	{
		UE_LOG(LogSlateStyles, Warning, TEXT("Unable to find float property '%s' in style '%s'."), *Key.ToString(), *StyleSetName.ToString());
		return DefaultValue;
	}
	return *Result;
}

const FLinearColor& FSlateStyleSet::GetColor(const FName PropertyName, const ANSICHAR* Specifier, const FLinearColor& DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const FName Key = MakeStyleKey(PropertyName, Specifier);
	const FLinearColor* Result = ColorValues.Find(Key);
	if (!Result)
	{
		UE_LOG(LogSlateStyles, Warning, TEXT("Unable to find color property '%s' in style '%s'."), *Key.ToString(), *StyleSetName.ToString());
		return DefaultValue;
	}
	return *Result;
}

const FSlateColor FSlateStyleSet::GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier, const FSlateColor& DefaultValue, const ISlateStyle* RequestingStyle) const
{
	const FName Key = MakeStyleKey(PropertyName, Specifier);
	if (const FSlateColor* SlateColor = SlateColorValues.Find(Key))
	{
		return *SlateColor;
	}
	if (const FLinearColor* Color = ColorValues.Find(Key))
	{
		return FSlateColor(*Color);
	}
	UE_LOG(LogSlateStyles, Warning, TEXT("Unable to find Slate color '%s' in style '%s'."), *Key.ToString(), *StyleSetName.ToString());
	return DefaultValue;
}

const FSlateBrush* FSlateStyleSet::GetBrush(const FName PropertyName, const ANSICHAR* Specifier, const ISlateStyle* RequestingStyle) const
{
	const FName Key = MakeStyleKey(PropertyName, Specifier);
	FSlateBrush* const* Result = BrushResources.Find(Key);
	if (!Result)
	{
		UE_LOG(LogSlateStyles, Warning, TEXT("Unable to find Brush '%s'."), *Key.ToString());
		return GetDefaultBrush();
	}
	return *Result;
}

const FSlateBrush* FSlateStyleSet::GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier, const FSlateBrush* const InDefaultBrush) const
{
	FSlateBrush* const* Result = BrushResources.Find(MakeStyleKey(PropertyName, Specifier));
	return Result ? *Result : InDefaultBrush;
}

const FSlateBrush* FSlateStyleSet::GetDefaultBrush() const
{
	return DefaultBrush;
}
