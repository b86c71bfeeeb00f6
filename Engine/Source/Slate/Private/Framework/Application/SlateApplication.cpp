#include "Framework/Application/SlateApplication.h"

#include "InputCoreTypes.h"
#include "Styling/CoreStyle.h"

namespace
{
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
