#include "GenericPlatform/GenericWindow.h"

#include "Modules/ModuleManager.h"

IMPLEMENT_MODULE(FDefaultModuleImpl, ApplicationCore);

FGenericWindow::FGenericWindow()
	: bIsVisible(false)
{
}

FGenericWindow::~FGenericWindow()
{
}

void* FGenericWindow::GetOSWindowHandle() const
{
	return nullptr;
}

void FGenericWindow::Show()
{
	bIsVisible = true;
}

void FGenericWindow::Hide()
{
	bIsVisible = false;
}

bool FGenericWindow::IsVisible() const
{
	return bIsVisible;
}

void FGenericWindow::Destroy()
{
	bIsVisible = false;
}
