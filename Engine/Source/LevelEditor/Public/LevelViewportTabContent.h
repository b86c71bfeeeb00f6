// The content of a level viewport tab: level viewports laid out in a dock tab.

#pragma once

#include "CoreMinimal.h"
#include "EditorViewportTabContent.h"

class LEVELEDITOR_API FLevelViewportTabContent : public FEditorViewportTabContent
{
public:
	virtual ~FLevelViewportTabContent();

	virtual void Initialize(AssetEditorViewportFactoryFunction Func, TSharedPtr<SDockTab> InParentTab, const FString& InLayoutString) override;
};
