#include "Subsystems/UnrealEditorSubsystem.h"

#include "Editor.h"
#include "LevelEditorViewport.h"

bool UUnrealEditorSubsystem::GetLevelViewportCameraInfo(FVector& CameraLocation, FRotator& CameraRotation)
{
	CameraLocation = FVector::ZeroVector;
	CameraRotation = FRotator::ZeroRotator;
	if (GEditor == nullptr)
	{
		return false;
	}
	// The first perspective level viewport is the one scripts mean by "the" viewport.
	for (FLevelEditorViewportClient* Client : GEditor->GetLevelViewportClients())
	{
		if (Client && Client->IsPerspective())
		{
			CameraLocation = Client->GetViewLocation();
			CameraRotation = Client->GetViewRotation();
			return true;
		}
	}
	return false;
}

void UUnrealEditorSubsystem::SetLevelViewportCameraInfo(FVector CameraLocation, FRotator CameraRotation)
{
	if (GEditor == nullptr)
	{
		return;
	}
	for (FLevelEditorViewportClient* Client : GEditor->GetLevelViewportClients())
	{
		if (Client && Client->IsPerspective())
		{
			Client->SetViewLocation(CameraLocation);
			Client->SetViewRotation(CameraRotation);
			return;
		}
	}
}

UWorld* UUnrealEditorSubsystem::GetEditorWorld()
{
	return GEditor ? GEditor->GetEditorWorldContext(false).World() : nullptr;
}

UWorld* UUnrealEditorSubsystem::GetGameWorld()
{
	if (GEditor == nullptr)
	{
		return nullptr;
	}
	const FWorldContext* Context = GEditor->GetPIEWorldContext();
	return Context ? Context->World() : nullptr;
}
