// An editor viewport that belongs to a viewport layout.

#pragma once

#include "CoreMinimal.h"
#include "AssetEditorViewportLayout.h"
#include "SEditorViewport.h"

class UNREALED_API SAssetEditorViewport : public SEditorViewport
{
public:
	SLATE_BEGIN_ARGS(SAssetEditorViewport)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const FAssetEditorViewportConstructionArgs& InViewportConstructionArgs);

	FName GetConfigKey() const
	{
		return ConfigKey;
	}

	TSharedPtr<FAssetEditorViewportLayout> GetParentLayout() const
	{
		return ParentLayout.Pin();
	}

protected:
	TWeakPtr<FAssetEditorViewportLayout> ParentLayout;
	FName ConfigKey;
};
