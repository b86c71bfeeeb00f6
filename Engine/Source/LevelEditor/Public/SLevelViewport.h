// A level editor viewport: shows the level through its level editor viewport client, binds the level
// viewport commands on its command list, and can have widgets laid over it.

#pragma once

#include "CoreMinimal.h"
#include "AssetEditorViewportLayout.h"
#include "IAssetViewport.h"
#include "SAssetEditorViewport.h"

class FLevelEditorViewportClient;
class ILevelEditor;

class LEVELEDITOR_API SLevelViewport : public SAssetEditorViewport, public IAssetViewport
{
public:
	SLATE_BEGIN_ARGS(SLevelViewport)
	{
	}
	/** The level editor the viewport belongs to. */
	SLATE_ARGUMENT(TWeakPtr<ILevelEditor>, ParentLevelEditor)
	SLATE_END_ARGS()

	SLevelViewport();
	virtual ~SLevelViewport();

	void Construct(const FArguments& InArgs, const FAssetEditorViewportConstructionArgs& InConstructionArgs);

	virtual void AddOverlayWidget(TSharedRef<SWidget> OverlaidWidget) override;
	virtual void RemoveOverlayWidget(TSharedRef<SWidget> OverlaidWidget) override;
	virtual FEditorViewportClient& GetAssetViewportClient() override;

	FLevelEditorViewportClient& GetLevelViewportClient();

	TWeakPtr<ILevelEditor> GetParentLevelEditor() const
	{
		return ParentLevelEditor;
	}

protected:
	virtual TSharedRef<FEditorViewportClient> MakeEditorViewportClient() override;
	virtual void BindCommands() override;

private:
	/** Puts the viewport's show flags back to the defaults. */
	void OnUseDefaultShowFlags(bool bUseSavedDefaults);

	TSharedPtr<FLevelEditorViewportClient> LevelViewportClient;
	TWeakPtr<ILevelEditor> ParentLevelEditor;
};
