// Copyright Quovex. All Rights Reserved.

// LiveLink subjects for the stage's cameras, and the active camera's lens readouts.

#include "QuovexVPEditorSubsystem.h"

#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "ILiveLinkClient.h"
#include "QuovexCamera.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexLiveLinkComponentController.h"
#include "QuovexLiveLinkRole.h"
#include "QuovexLiveLinkSubjectSettings.h"
#include "QuovexTags.h"

namespace QuovexVPEditorSubsystemLiveLink
{
	/** The nearest float to 100 / 65535: a full-scale encoder count reads 100 percent. */
	static constexpr float RawToPercent = 100.0f / 65535.0f;

	/** Two decimals cut, not rounded, from the six-decimal text, so the readout never shows more than the lens reached. */
	static FString PercentText(int32 Raw)
	{
		const float Percent = static_cast<float>(Raw) * RawToPercent;
		FString Text = FString::SanitizeFloat(Percent, 1);
		int32 PointIndex = INDEX_NONE;
		if (Text.FindChar(TEXT('.'), PointIndex))
		{
			Text.LeftInline(PointIndex + 3);
		}
		return Text + TEXT("%");
	}
}

TArray<FName> UQuovexVPEditorSubsystem::GetSubjectNames()
{
	TArray<FName> Names;
	if (!LiveLinkClient)
	{
		return Names;
	}

	// With several trackers connected there is no telling which subject belongs to which camera.
	const TArray<FGuid> Sources = LiveLinkClient->GetSources(false);
	if (Sources.Num() != 1)
	{
		return Names;
	}

	for (const FLiveLinkSubjectKey& Subject : LiveLinkClient->GetSubjects(true, false))
	{
		const FLiveLinkSubjectKey Key(Sources[0], Subject.SubjectName);
		const UObject* Settings = LiveLinkClient->GetSubjectSettings(Key);
		if (Settings && Settings->IsA<UQuovexLiveLinkSubjectSettings>())
		{
			Names.Add(Subject.SubjectName);
		}
	}
	return Names;
}

TArray<UQuovexLiveLinkComponentController*> UQuovexVPEditorSubsystem::GetQuovexLiveLinkComponents() const
{
	TArray<UQuovexLiveLinkComponentController*> Controllers;
	UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
	if (!World)
	{
		return Controllers;
	}

	for (const AActor* Camera : GetCameraActors(World))
	{
		if (UQuovexLiveLinkComponentController* Controller = Cast<UQuovexLiveLinkComponentController>(Camera->GetComponentByClass(UQuovexLiveLinkComponentController::StaticClass())))
		{
			Controllers.Add(Controller);
		}
	}
	return Controllers;
}

void UQuovexVPEditorSubsystem::UpdateCameraLiveLinkSubject(TWeakObjectPtr<AActor> Camera)
{
	AActor* CameraActor = Camera.Get();
	// A take's spawned camera keeps the subject its sequence gave it.
	if (!CameraActor || CameraActor->ActorHasTag(QuovexTags::TAG_SEQUENCE_SPAWNED))
	{
		return;
	}

	const TArray<FName> Names = GetSubjectNames();
	UQuovexLiveLinkComponentController* Controller = Cast<UQuovexLiveLinkComponentController>(CameraActor->GetComponentByClass(UQuovexLiveLinkComponentController::StaticClass()));
	if (!Controller)
	{
		return;
	}

	FLiveLinkSubjectRepresentation Representation = Controller->SubjectRepresentation;
	if (Representation.Subject.IsNone() && Names.Num() > 0)
	{
		Representation.Subject = Names[0];
		Representation.Role = UQuovexLiveLinkRole::StaticClass();
	}
	// Applied even when unchanged, so a bound controller rebuilds its role controllers for the new level.
	Controller->SetSubjectRepresentation(Representation);
}

void UQuovexVPEditorSubsystem::OnSubjectAdded(FLiveLinkSubjectKey SubjectKey)
{
	for (UQuovexLiveLinkComponentController* Controller : GetQuovexLiveLinkComponents())
	{
		if (Controller->SubjectRepresentation.Subject.IsNone())
		{
			Controller->SubjectRepresentation.Subject = SubjectKey.SubjectName;
			Controller->SubjectRepresentation.Role = UQuovexLiveLinkRole::StaticClass();
		}
	}
}

UQuovexLiveLinkComponentController* UQuovexVPEditorSubsystem::GetCurrentQuovexCameraLiveLink()
{
	const TWeakObjectPtr<AQuovexCamera> Camera = GetQuovexCamera();
	if (!Camera.IsValid())
	{
		return nullptr;
	}
	return Cast<UQuovexLiveLinkComponentController>(Camera->GetComponentByClass(UQuovexLiveLinkComponentController::StaticClass()));
}

bool UQuovexVPEditorSubsystem::GetCurrentQuovexCameraZoomFocus(int32& Zoom, int32& Focus)
{
	const UQuovexLiveLinkComponentController* Controller = GetCurrentQuovexCameraLiveLink();
	if (!Controller)
	{
		return false;
	}
	Zoom = Controller->GetTrackingData().RawZoom;
	Focus = Controller->GetTrackingData().RawFocus;
	return true;
}

bool UQuovexVPEditorSubsystem::GetCurrentQuovexCameraZoomFocusPercent(float& Zoom, float& Focus)
{
	int32 RawZoom = 0;
	int32 RawFocus = 0;
	if (!GetCurrentQuovexCameraZoomFocus(RawZoom, RawFocus))
	{
		return false;
	}
	Zoom = static_cast<float>(RawZoom) * QuovexVPEditorSubsystemLiveLink::RawToPercent;
	Focus = static_cast<float>(RawFocus) * QuovexVPEditorSubsystemLiveLink::RawToPercent;
	return true;
}

bool UQuovexVPEditorSubsystem::GetCurrentQuovexCameraZoomFocusPercentString(FString& sZoom, FString& sFocus)
{
	int32 RawZoom = 0;
	int32 RawFocus = 0;
	if (!GetCurrentQuovexCameraZoomFocus(RawZoom, RawFocus))
	{
		return false;
	}
	sZoom = QuovexVPEditorSubsystemLiveLink::PercentText(RawZoom);
	sFocus = QuovexVPEditorSubsystemLiveLink::PercentText(RawFocus);
	return true;
}
