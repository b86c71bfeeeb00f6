// The application's style: the core style until the application names another.

#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

class SLATECORE_API FAppStyle
{
public:
	/** The registered style named by GetAppStyleSetName(); fails when it is not registered. */
	static const ISlateStyle& Get();

	static const FName GetAppStyleSetName();

	static void SetAppStyleSetName(const FName& InName);
	static void SetAppStyleSet(const ISlateStyle& InStyle);

	static const FSlateBrush* GetBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr);
	static const FSlateBrush* GetOptionalBrush(const FName PropertyName, const ANSICHAR* Specifier = nullptr, const FSlateBrush* const DefaultBrush = FStyleDefaults::GetNoBrush());
	static float GetFloat(const FName PropertyName, const ANSICHAR* Specifier = nullptr, float DefaultValue = FStyleDefaults::GetFloat());
};
