#include "Widgets/SWindow.h"

#include "GenericPlatform/GenericWindow.h"

SWindow::SWindow()
	: ClientSize(1280.0, 720.0)
{
}

SWindow::~SWindow()
{
}

void SWindow::Construct(const FArguments& InArgs)
{
	Title = InArgs._Title;
	ClientSize = InArgs._ClientSize;
	ChildSlot[InArgs._Content.Widget];
}

FText SWindow::GetTitle() const
{
	return Title.Get(FText::GetEmpty());
}

void SWindow::SetTitle(const FText& InTitle)
{
	Title = InTitle;
}

void SWindow::SetContent(TSharedRef<SWidget> InContent)
{
	ChildSlot[InContent];
}

TSharedPtr<FGenericWindow> SWindow::GetNativeWindow()
{
	return NativeWindow;
}

TSharedPtr<const FGenericWindow> SWindow::GetNativeWindow() const
{
	return NativeWindow;
}

void SWindow::SetNativeWindow(TSharedRef<FGenericWindow> InNativeWindow)
{
	checkf(!NativeWindow.IsValid(), TEXT("SWindow::SetNativeWindow: the window already has a native window"));
	NativeWindow = InNativeWindow;
}

void SWindow::SetOnWindowClosed(const FOnWindowClosed& InDelegate)
{
	OnWindowClosed = InDelegate;
}

void SWindow::NotifyWindowBeingDestroyed()
{
	OnWindowClosed.ExecuteIfBound(StaticCastSharedRef<SWindow>(AsShared()));
	if (NativeWindow.IsValid())
	{
		NativeWindow->Destroy();
	}
}
