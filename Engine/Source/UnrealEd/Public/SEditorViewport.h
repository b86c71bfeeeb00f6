// The widget of an editor viewport: its client (what it looks at), its command list (bound by the
// viewport type) and an overlay on which other widgets can be laid over the view.

#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class FEditorViewportClient;
class FUICommandList;
class SOverlay;
class SViewport;

class UNREALED_API SEditorViewport : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SEditorViewport)
	{
	}
	SLATE_END_ARGS()

	SEditorViewport();
	virtual ~SEditorViewport();

	/** Makes the command list and the client, binds the commands, and lays the viewport out under its overlay. */
	void Construct(const FArguments& InArgs);

	const TSharedPtr<FUICommandList> GetCommandList() const
	{
		return CommandList;
	}

	TSharedPtr<FEditorViewportClient> GetViewportClient() const
	{
		return Client;
	}

	/** Stand-in host access: the overlay above the view; its first layer is the view itself. */
	TSharedPtr<SOverlay> GetViewportOverlayForHost() const
	{
		return ViewportOverlay;
	}

protected:
	/** The client the viewport type shows. */
	virtual TSharedRef<FEditorViewportClient> MakeEditorViewportClient() = 0;

	/** Maps the viewport's commands on CommandList. */
	virtual void BindCommands();

	TSharedPtr<SOverlay> ViewportOverlay;
	TSharedPtr<SViewport> ViewportWidget;
	TSharedPtr<FEditorViewportClient> Client;
	TSharedPtr<FUICommandList> CommandList;
};
