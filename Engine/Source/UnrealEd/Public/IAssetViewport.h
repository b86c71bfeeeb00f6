// What other code may do with an asset or level viewport without knowing its widget type.

#pragma once

#include "CoreMinimal.h"

class FEditorViewportClient;
class SWidget;

class IAssetViewport
{
public:
	virtual ~IAssetViewport()
	{
	}

	/** Lays a widget over the viewport, above the ones added before. */
	virtual void AddOverlayWidget(TSharedRef<SWidget> OverlaidWidget) = 0;

	virtual void RemoveOverlayWidget(TSharedRef<SWidget> OverlaidWidget) = 0;

	virtual FEditorViewportClient& GetAssetViewportClient() = 0;
};
