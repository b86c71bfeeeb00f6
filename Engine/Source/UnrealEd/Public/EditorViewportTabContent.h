// The content of a viewport tab: the layout of viewports shown in one dock tab, built through the
// factory the tab's owner gives.

#pragma once

#include "CoreMinimal.h"
#include "AssetEditorViewportLayout.h"

class SDockTab;
class SEditorViewport;

class UNREALED_API FEditorViewportTabContent : public TSharedFromThis<FEditorViewportTabContent>
{
public:
	FEditorViewportTabContent();
	virtual ~FEditorViewportTabContent();

	/** Builds the viewports through Func and puts them in InParentTab; InLayoutString names the layout's settings. */
	virtual void Initialize(AssetEditorViewportFactoryFunction Func, TSharedPtr<SDockTab> InParentTab, const FString& InLayoutString);

	/** Whether the tab content's tab is still open. */
	bool IsVisible() const;

	bool BelongsToTab(TSharedRef<SDockTab> InParentTab) const;

	/** The active layout's type ("OnePane"); None before Initialize. */
	FName GetViewportConfigurationName() const;

	/** The viewports of the active layout. */
	TArray<TSharedPtr<SEditorViewport>> GetViewportsForHost() const;

	/** Stand-in host access: the layout string the content was initialised with. */
	const FString& GetLayoutStringForHost() const
	{
		return LayoutString;
	}

	/** Stand-in host access: the tab contents alive now, in the order they were initialised. */
	static TArray<TSharedRef<FEditorViewportTabContent>> GetLiveTabContentsForHost();

protected:
	TWeakPtr<SDockTab> ParentTab;
	FString LayoutString;
	TSharedPtr<FAssetEditorViewportLayout> ActiveViewportLayout;
};
