// The level editor's widget, as other modules see it: its viewports and its tab manager.

#pragma once

#include "CoreMinimal.h"
#include "Widgets/SCompoundWidget.h"

class FTabManager;
class SLevelViewport;

class ILevelEditor : public SCompoundWidget
{
public:
	/** The viewport that last had focus (the first one until another has). */
	virtual TSharedPtr<SLevelViewport> GetActiveViewportInterface() = 0;

	/** Every level viewport of this level editor. */
	virtual TArray<TSharedPtr<SLevelViewport>> GetViewports() const = 0;

	/** Adds a viewport made outside the level editor's own layout to the ones it knows. */
	virtual void AddStandaloneLevelViewport(const TSharedRef<SLevelViewport>& LevelViewport) = 0;

	virtual TSharedPtr<FTabManager> GetTabManager() const = 0;
};
