// A top-level window. The stand-in has no display: a window holds its content and a generic
// native window without an OS handle.

#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class FGenericWindow;

class SLATECORE_API SWindow : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SWindow)
		: _Title()
		, _ClientSize(FVector2D(1280.0, 720.0))
	{
	}
	SLATE_ATTRIBUTE(FText, Title)
	SLATE_ARGUMENT(FVector2D, ClientSize)
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_END_ARGS()

	SWindow();
	virtual ~SWindow();

	void Construct(const FArguments& InArgs);

	FText GetTitle() const;
	void SetTitle(const FText& InTitle);

	FVector2D GetClientSizeInScreen() const
	{
		return ClientSize;
	}

	void SetContent(TSharedRef<SWidget> InContent);

	/** The native window; valid once the application has added the window. */
	TSharedPtr<FGenericWindow> GetNativeWindow();
	TSharedPtr<const FGenericWindow> GetNativeWindow() const;
	void SetNativeWindow(TSharedRef<FGenericWindow> InNativeWindow);

	/** Runs when the window is closed. */
	DECLARE_DELEGATE_OneParam(FOnWindowClosed, const TSharedRef<SWindow>&);
	void SetOnWindowClosed(const FOnWindowClosed& InDelegate);
	/** Called by the application as it destroys the window. */
	void NotifyWindowBeingDestroyed();

private:
	TAttribute<FText> Title;
	FVector2D ClientSize;
	TSharedPtr<FGenericWindow> NativeWindow;
	FOnWindowClosed OnWindowClosed;
};
