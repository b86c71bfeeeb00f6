// The usual style: brushes and values added by name, files found under a content root.

#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

class SLATECORE_API FSlateStyleSet : public ISlateStyle
{
public:
	FSlateStyleSet(const FName& InStyleSetName);
	virtual ~FSlateStyleSet();

	virtual const FName& GetStyleSetName() const override;
	virtual void GetResources(TArray<const FSlateBrush*>& OutResources) const override;

	/** Folder the style's image files are found under. */
	void SetContentRoot(const FString& InContentRootDir);
	void SetCoreContentRoot(const FString& InCoreContentRootDir);

	FString RootToContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension);
	FString RootToContentDir(const TCHAR* RelativePath, const TCHAR* Extension);
	FString RootToContentDir(const FString& RelativePath, const TCHAR* Extension);
	FString RootToContentDir(const ANSICHAR* RelativePath);
	FString RootToContentDir(const TCHAR* RelativePath);
	FString RootToContentDir(const FString& RelativePath);
	FString RootToCoreContentDir(const ANSICHAR* RelativePath, const TCHAR* Extension);
	FString RootToCoreContentDir(const TCHAR* RelativePath, const TCHAR* Extension);
	FString RootToCoreContentDir(const FString& RelativePath, const TCHAR* Extension);

	/** Adds or replaces a brush; the style set owns and deletes it. */
	void Set(const FName PropertyName, FSlateBrush* InBrush);
	void Set(const FName PropertyName, const float InFloat);
	void Set(const FName PropertyName, const FLinearColor& InColor);
	void Set(const FName PropertyName, const FSlateColor& InColor);

	virtual float GetFloat(const FName PropertyName, const ANSICHAR* Specifier = nullptr, float DefaultValue = FStyleDefaults::GetFloat(), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FLinearColor& GetColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FLinearColor& DefaultValue = FStyleDefaults::GetColor(), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FSlateColor GetSlateColor(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateColor& DefaultValue = FSlateColor(FStyleDefaults::GetColor()), const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const ISlateStyle* RequestingStyle = nullptr) const override;
	virtual const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush()) const override;
	virtual const FSlateBrush* GetDefaultBrush() const override;

protected:
	FName StyleSetName;
	FString ContentRootDir;
	FString CoreContentRootDir;

	TMap<FName, FSlateBrush*> BrushResources;
	TMap<FName, float> FloatValues;
	TMap<FName, FLinearColor> ColorValues;
	TMap<FName, FSlateColor> SlateColorValues;

	FSlateBrush* DefaultBrush;
};
