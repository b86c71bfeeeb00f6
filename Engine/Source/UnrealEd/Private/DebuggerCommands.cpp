#include "Kismet2/DebuggerCommands.h"

#include "Editor.h"

void FPlayWorldCommandCallbacks::StartPlayFromHere()
{
	StartPlayFromHere(TOptional<FVector>(), TOptional<FRotator>(), nullptr);
}

void FPlayWorldCommandCallbacks::StartPlayFromHere(const TOptional<FVector>& Location, const TOptional<FRotator>& Rotation, const TSharedPtr<IAssetViewport>& ActiveLevelViewport)
{
	checkf(GEditor, TEXT("Play in editor needs the editor"));
	FRequestPlaySessionParams Params;
	Params.StartLocation = Location;
	Params.StartRotation = Rotation;
	GEditor->RequestPlaySession(Params);
}

bool FPlayWorldCommandCallbacks::HasPlayWorld()
{
	return GEditor != nullptr && GEditor->PlayWorld != nullptr;
}
