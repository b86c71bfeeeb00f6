// Viewport layouts of editor viewport tabs: the arguments each viewport of a layout is built from,
// and the factory a tab's owner gives to build them.

#pragma once

#include "CoreMinimal.h"
#include "Editor/UnrealEdTypes.h"
#include "Misc/Attribute.h"
#include "Templates/Function.h"

class FAssetEditorViewportLayout;
class FEditorViewportTabContent;
class SDockTab;
class SEditorViewport;
class SWidget;

/** What one viewport of a layout is built from. */
struct FAssetEditorViewportConstructionArgs
{
	FAssetEditorViewportConstructionArgs()
		: ViewportType(LVT_Perspective)
		, bRealtime(false)
	{
	}

	/** The layout the viewport belongs to. */
	TSharedPtr<FAssetEditorViewportLayout> ParentLayout;

	/** The key the viewport's settings are kept under: the layout string and the pane. */
	FName ConfigKey;

	ELevelViewportType ViewportType;
	bool bRealtime;
	TAttribute<bool> IsEnabled;
};

/** Builds one viewport of a layout. */
using AssetEditorViewportFactoryFunction = TFunction<TSharedRef<SEditorViewport>(const FAssetEditorViewportConstructionArgs& InArgs)>;

/** A viewport layout: the panes of a tab and the viewports built for them. The stand-in knows one pane. */
class UNREALED_API FAssetEditorViewportLayout : public TSharedFromThis<FAssetEditorViewportLayout>
{
public:
	virtual ~FAssetEditorViewportLayout();

	/** Builds the layout's viewports through the factory and returns the widget holding them. */
	TSharedRef<SWidget> BuildViewportLayout(const AssetEditorViewportFactoryFunction& Func, TSharedPtr<SDockTab> InParentDockTab, TSharedPtr<FEditorViewportTabContent> InParentTabContent, const FString& LayoutString);

	/** The layout's type ("OnePane"). */
	FName GetLayoutTypeName() const;

	const TMap<FName, TSharedPtr<SEditorViewport>>& GetViewports() const
	{
		return Viewports;
	}

	TSharedPtr<SDockTab> GetParentTab() const
	{
		return ParentTab.Pin();
	}

private:
	TMap<FName, TSharedPtr<SEditorViewport>> Viewports;
	TWeakPtr<SDockTab> ParentTab;
	TWeakPtr<FEditorViewportTabContent> ParentTabContent;
};
