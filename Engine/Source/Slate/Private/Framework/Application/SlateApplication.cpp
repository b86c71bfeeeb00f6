#include "Framework/Application/SlateApplication.h"

#include "Framework/Docking/TabManager.h"
#include "GenericPlatform/GenericWindow.h"
#include "InputCoreTypes.h"
#include "Styling/CoreStyle.h"
#include "Widgets/SWindow.h"

namespace
{
	/**
	 * The platform window behind an added SWindow. Nothing is shown, but it has a handle of its own, as a desktop
	 * window does, so a dialogue can be checked for the window it was parented to.
	 */
	class FHostPlatformWindow : public FGenericWindow
	{
	public:
		virtual void* GetOSWindowHandle() const override
		{
			return const_cast<FHostPlatformWindow*>(this);
		}
	};

	TSharedPtr<FSlateApplication>& GetCurrentApplication()
	{
		static TSharedPtr<FSlateApplication> CurrentApplication;
		return CurrentApplication;
	}
}

FSlateApplication::FSlateApplication()
{
}

FSlateApplication::~FSlateApplication()
{
}

TSharedRef<FSlateApplication> FSlateApplication::Create()
{
	TSharedPtr<FSlateApplication>& Current = GetCurrentApplication();
	checkf(!Current.IsValid(), TEXT("FSlateApplication::Create: the Slate application already exists"));

	EKeys::Initialize();
	InitializeCoreStyle();
	Current = MakeShareable(new FSlateApplication());
	return Current.ToSharedRef();
}

void FSlateApplication::Shutdown(bool bShutdownPlatform)
{
	TSharedPtr<FSlateApplication>& Current = GetCurrentApplication();
	if (Current.IsValid())
	{
		TArray<TSharedRef<SWindow>> WindowsToClose = Current->Windows;
		for (const TSharedRef<SWindow>& Window : WindowsToClose)
		{
			Current->RequestDestroyWindow(Window);
		}
		Current.Reset();
		FCoreStyle::Shutdown();
	}
}

bool FSlateApplication::IsInitialized()
{
	return GetCurrentApplication().IsValid();
}

FSlateApplication& FSlateApplication::Get()
{
	TSharedPtr<FSlateApplication>& Current = GetCurrentApplication();
	checkf(Current.IsValid(), TEXT("FSlateApplication::Get: the Slate application has not been created"));
	return *Current;
}

void FSlateApplication::InitializeCoreStyle()
{
	if (!FCoreStyle::IsInitialized())
	{
		FCoreStyle::ResetToDefault();
	}
}

TSharedRef<SWindow> FSlateApplication::AddWindow(TSharedRef<SWindow> InSlateWindow, const bool bShowImmediately)
{
	if (!InSlateWindow->GetNativeWindow().IsValid())
	{
		InSlateWindow->SetNativeWindow(MakeShared<FHostPlatformWindow>());
	}
	if (bShowImmediately)
	{
		InSlateWindow->GetNativeWindow()->Show();
	}
	Windows.AddUnique(InSlateWindow);
	return InSlateWindow;
}

void FSlateApplication::RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy)
{
	const int32 Removed = Windows.RemoveAll([&WindowToDestroy](const TSharedRef<SWindow>& Window) {
		return &Window.Get() == &WindowToDestroy.Get();
	});
	if (Removed > 0)
	{
		WindowToDestroy->NotifyWindowBeingDestroyed();
	}
}

TSharedPtr<SWindow> FSlateApplication::FindWidgetWindow(TSharedRef<const SWidget> InWidget) const
{
	// Walk up the parents; the first window found must be one of the application's.
	TSharedPtr<const SWidget> Current = InWidget;
	while (Current.IsValid())
	{
		for (const TSharedRef<SWindow>& Window : Windows)
		{
			if (static_cast<const SWidget*>(&Window.Get()) == Current.Get())
			{
				return Window;
			}
		}
		Current = Current->GetParentWidget();
	}
	return TSharedPtr<SWindow>();
}

TSharedRef<FGlobalTabmanager> FSlateApplication::GetGlobalTabManager() const
{
	return FGlobalTabmanager::Get();
}
