// The level editor's widget: the content of the level editor's major tab, holding its level viewport.

#pragma once

#include "CoreMinimal.h"
#include "ILevelEditor.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

class SLevelEditor : public ILevelEditor
{
public:
	SLATE_BEGIN_ARGS(SLevelEditor)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	virtual TSharedPtr<SLevelViewport> GetActiveViewportInterface() override;
	virtual TArray<TSharedPtr<SLevelViewport>> GetViewports() const override;
	virtual void AddStandaloneLevelViewport(const TSharedRef<SLevelViewport>& LevelViewport) override;
	virtual TSharedPtr<FTabManager> GetTabManager() const override;

private:
	/** The perspective viewport of the level editor's own layout. */
	TSharedPtr<SLevelViewport> MainViewport;
	TArray<TWeakPtr<SLevelViewport>> StandaloneViewports;
};
