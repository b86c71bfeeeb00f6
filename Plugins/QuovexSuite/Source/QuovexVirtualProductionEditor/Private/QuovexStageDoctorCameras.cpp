// Copyright Quovex. All Rights Reserved.

// The stage doctor on the cameras of the current world, the active camera, and what the VP subsystem would bind next.

#include "QuovexStageDoctorChecks.h"

#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "ILiveLinkClient.h"
#include "Kismet/GameplayStatics.h"
#include "LiveLinkComponentController.h"
#include "QuovexCamera.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexLiveLinkComponentController.h"
#include "QuovexLiveLinkRole.h"
#include "QuovexTags.h"
#include "QuovexVPEditorSubsystem.h"
#include "UObject/Package.h"

namespace QuovexStageDoctor
{
	namespace
	{
		const EQuovexDoctorArea CamerasArea = EQuovexDoctorArea::Cameras;

		/** Label, else object name: the name the VP subsystem finds cameras by. */
		FString DisplayName(const AActor* Actor)
		{
			if (!Actor)
			{
				return TEXT("none");
			}
			const FString Label = Actor->GetActorLabel(false);
			return Label.IsEmpty() ? Actor->GetName() : Label;
		}

		/** Where the camera stands with its LiveLink subject; adds a finding per thing wrong, or one OK. */
		void ExamineCamera(const FLiveLinkPicture& LiveLink, const AActor* Camera, int32 Position, FReport& Report)
		{
			const FString Name = DisplayName(Camera);
			const bool bSequenceSpawned = Camera->ActorHasTag(QuovexTags::TAG_SEQUENCE_SPAWNED);
			const FString Spawned = bSequenceSpawned ? TEXT(", spawned by a level sequence") : TEXT("");
			const FString OfferedNames = JoinNames(LiveLink.Offered);
			const int32 FindingsBefore = Report.Findings.Num();

			if (!Camera->IsA<AQuovexCamera>())
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Name,
					FString::Printf(TEXT("It carries the camera tag at position %d but is a %s, not a Quovex camera, so placing it does not make it active and while active it reads as no camera."), Position, *Camera->GetClass()->GetName()),
					TEXT("Use a Quovex Camera actor, or take the QuovexCamera tag off this actor."));
			}

			const UQuovexLiveLinkComponentController* Controller = Cast<UQuovexLiveLinkComponentController>(Camera->GetComponentByClass(UQuovexLiveLinkComponentController::StaticClass()));
			if (!Controller)
			{
				const UActorComponent* Other = Camera->GetComponentByClass(ULiveLinkComponentController::StaticClass());
				Report.Add(EQuovexDoctorSeverity::Problem, CamerasArea, Name,
					FString::Printf(TEXT("It has no Quovex LiveLink controller%s, so it is never tracked%s."),
						Other ? *FString::Printf(TEXT(" (only a %s, which the plugin does not use)"), *Other->GetClass()->GetName()) : TEXT(""), *Spawned),
					TEXT("Add a Quovex LiveLink Controller component to the camera."));
				return;
			}

			const FName Subject = Controller->SubjectRepresentation.Subject.Name;
			if (Subject.IsNone())
			{
				if (bSequenceSpawned)
				{
					Report.Add(EQuovexDoctorSeverity::Problem, CamerasArea, Name,
						TEXT("It was spawned by a level sequence and follows no LiveLink subject; the plugin never binds such a camera when it is placed or its map opens, only when a new subject appears."),
						TEXT("Bind its controller to a subject in the take's sequence."));
				}
				else
				{
					Report.Add(EQuovexDoctorSeverity::Problem, CamerasArea, Name,
						FString::Printf(TEXT("Its controller follows no LiveLink subject, so it is not tracked; %s."),
							LiveLink.Offered.IsEmpty() ? *FString::Printf(TEXT("nothing binds it now because %s"), *LiveLink.NoOfferReason)
													   : TEXT("only a placed camera or the first camera of an opened map is bound automatically")),
						LiveLink.Offered.IsEmpty() ? LiveLink.NoOfferToDo : FString::Printf(TEXT("Set its controller's subject to one of: %s."), *OfferedNames));
				}
				return;
			}

			if (!LiveLink.Client)
			{
				Report.Add(EQuovexDoctorSeverity::Problem, CamerasArea, Name,
					FString::Printf(TEXT("It follows %s, but LiveLink is not running, so it gets no tracker frames%s."), *Subject.ToString(), *Spawned),
					TEXT("Enable the LiveLink plugin and restart the editor."));
				return;
			}
			const FSubjectInfo* Known = LiveLink.FindSubject(Subject);
			const FString ToOffered = LiveLink.Offered.IsEmpty() ? FString() : FString::Printf(TEXT(" (offered now: %s)"), *OfferedNames);
			if (!Known)
			{
				Report.Add(EQuovexDoctorSeverity::Problem, CamerasArea, Name,
					FString::Printf(TEXT("It follows the subject %s, which LiveLink does not have, and the plugin never replaces a subject a controller already has%s."), *Subject.ToString(), *Spawned),
					FString::Printf(TEXT("Bring %s back into LiveLink, or set the controller's subject to one LiveLink has%s."), *Subject.ToString(), *ToOffered));
				return;
			}
			if (!Known->bEnabled)
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Name,
					FString::Printf(TEXT("It follows %s, which is disabled in LiveLink, so it gets no tracker frames."), *Subject.ToString()),
					FString::Printf(TEXT("Enable %s in the LiveLink panel."), *Subject.ToString()));
				return;
			}
			if (!IsTrackerRole(Known->Role))
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Name,
					FString::Printf(TEXT("It follows %s, whose role %s carries no lens values, so its zoom and focus read zero."), *Subject.ToString(), *ClassName(Known->Role)),
					FString::Printf(TEXT("Give %s the Quovex tracker role, or bind the camera to a tracker subject%s."), *Subject.ToString(), *ToOffered));
				return;
			}
			FLiveLinkSubjectFrameData Frame;
			if (!LiveLink.Client->EvaluateFrame_AnyThread(Subject, UQuovexLiveLinkRole::StaticClass(), Frame))
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Name,
					FString::Printf(TEXT("It follows %s, which has sent no tracker frame yet, so its position and lens values are not updated."), *Subject.ToString()),
					FString::Printf(TEXT("Check that the tracker of %s is switched on and streaming."), *Subject.ToString()));
				return;
			}

			if (Report.Findings.Num() == FindingsBefore)
			{
				Report.Add(EQuovexDoctorSeverity::OK, CamerasArea, Name,
					FString::Printf(TEXT("Quovex camera at position %d%s, following %s, which sends frames%s."), Position, *Spawned, *Subject.ToString(),
						bSequenceSpawned ? TEXT("; it keeps the subject its sequence gave it") : TEXT("")));
			}
		}

		/** The active camera as the subsystem holds it, and what its next read would make of it. */
		void ExamineActiveCamera(const UQuovexVPEditorSubsystem& Subsystem, const TArray<AActor*>& Cameras, FReport& Report)
		{
			const FString Subject = TEXT("Active camera");
			const AActor* Active = Subsystem.ActiveCamera.Get();
			const int32 StoredIndex = Subsystem.ActiveCameraIndex;

			if (Subsystem.bNeedsCameraUpdate)
			{
				// GetQuovexCamera's rule: the stored position while it is in range, else the first camera.
				if (Cameras.IsEmpty())
				{
					Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Subject,
						FString::Printf(TEXT("A re-resolution is pending, but the world has no camera, so the next read leaves %s active."), *DisplayName(Active)),
						TEXT("Place a Quovex Camera or open the stage's map."));
					return;
				}
				const int32 Next = (StoredIndex != INDEX_NONE && StoredIndex < Cameras.Num()) ? StoredIndex : 0;
				Report.Add(EQuovexDoctorSeverity::OK, CamerasArea, Subject,
					FString::Printf(TEXT("A re-resolution is pending (after Play-In-Editor or a take's camera went away): the next read makes %s at position %d active (stored index %d)."),
						*DisplayName(Cameras[Next]), Next, StoredIndex));
				return;
			}

			if (!Active)
			{
				if (Subsystem.ActiveCamera.IsStale())
				{
					Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Subject,
						TEXT("The active camera was destroyed without the editor telling (its world went away), so the panels and lens readouts see no camera."),
						TEXT("Choose the active camera again (SetActiveCamera or SetActiveCameraIndex), or open the stage's map."));
				}
				else if (!Cameras.IsEmpty())
				{
					Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Subject,
						FString::Printf(TEXT("No camera is active (stored index %d), so the panels and lens readouts see none."), StoredIndex),
						TEXT("Choose the active camera (SetActiveCamera or SetActiveCameraIndex), or open the stage's map."));
				}
				return;
			}

			const int32 Position = Cameras.IndexOfByKey(Active);
			if (Position == INDEX_NONE)
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Subject,
					FString::Printf(TEXT("%s is active but is not among the current world's cameras (it belongs to another world or lost its camera tag)."), *DisplayName(Active)),
					TEXT("Choose a camera of the current world as the active one."));
			}
			else if (!Active->IsA<AQuovexCamera>())
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Subject,
					FString::Printf(TEXT("%s at position %d is active but is not a Quovex camera, so GetActiveCamera and the lens readouts see none."), *DisplayName(Active), Position),
					TEXT("Make a Quovex camera the active one."));
			}
			else if (Position != StoredIndex)
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, Subject,
					FString::Printf(TEXT("%s is active at position %d, but the subsystem counts it at %d, which a re-resolution would use."), *DisplayName(Active), Position, StoredIndex),
					TEXT("Choose the active camera again so its position is counted anew."));
			}
			else
			{
				Report.Add(EQuovexDoctorSeverity::OK, CamerasArea, Subject,
					FString::Printf(TEXT("%s at position %d."), *DisplayName(Active), Position));
			}
		}

		/** What OnLevelActorsAdded and OnSubjectAdded would hand out now. */
		void ExamineNextBindings(const FLiveLinkPicture& LiveLink, const TArray<AActor*>& Cameras, FReport& Report)
		{
			if (LiveLink.Offered.IsEmpty())
			{
				Report.Add(EQuovexDoctorSeverity::Warning, CamerasArea, TEXT("Next camera"),
					FString::Printf(TEXT("A Quovex camera placed now becomes the active camera but gets no subject, because %s."), *LiveLink.NoOfferReason),
					LiveLink.NoOfferToDo);
			}
			else
			{
				Report.Add(EQuovexDoctorSeverity::OK, CamerasArea, TEXT("Next camera"),
					FString::Printf(TEXT("A Quovex camera placed now becomes the active camera, and a controller of it without a subject gets %s."), *LiveLink.Offered[0].ToString()));
			}

			TArray<FString> Unbound;
			for (const AActor* Camera : Cameras)
			{
				const UQuovexLiveLinkComponentController* Controller = Cast<UQuovexLiveLinkComponentController>(Camera->GetComponentByClass(UQuovexLiveLinkComponentController::StaticClass()));
				if (Controller && Controller->SubjectRepresentation.Subject.IsNone())
				{
					Unbound.Add(DisplayName(Camera));
				}
			}
			Report.Add(EQuovexDoctorSeverity::OK, CamerasArea, TEXT("Next subject"),
				Unbound.IsEmpty()
					? FString(TEXT("A subject that appears in LiveLink now goes to no camera: every controller already follows one."))
					: FString::Printf(TEXT("A subject that appears in LiveLink now goes to every controller still without one: %s."), *JoinNames(Unbound)));
		}
	}

	void ExamineCameras(const FLiveLinkPicture& LiveLink, const UQuovexVPEditorSubsystem* Subsystem, FReport& Report)
	{
		UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
		if (!World)
		{
			Report.Add(EQuovexDoctorSeverity::Problem, CamerasArea, TEXT("World"),
				TEXT("There is no current world, so there are no cameras."),
				TEXT("Open the stage's map."));
			return;
		}

		TArray<AActor*> Cameras;
		UGameplayStatics::GetAllActorsWithTag(World, QuovexTags::TAG_CAMERA, Cameras);
		const FString WorldName = World->GetOutermost()->GetName();
		if (Cameras.IsEmpty())
		{
			Report.Add(EQuovexDoctorSeverity::Problem, CamerasArea, TEXT("World"),
				FString::Printf(TEXT("No actor of %s carries the QuovexCamera tag, so there is no camera to track or make active."), *WorldName),
				TEXT("Place a Quovex Camera, or open the stage's map."));
		}
		else
		{
			Report.Add(EQuovexDoctorSeverity::OK, CamerasArea, TEXT("World"),
				FString::Printf(TEXT("%s has %d camera-tagged actors."), *WorldName, Cameras.Num()));
		}

		for (int32 Position = 0; Position < Cameras.Num(); ++Position)
		{
			ExamineCamera(LiveLink, Cameras[Position], Position, Report);
		}

		if (Subsystem)
		{
			ExamineActiveCamera(*Subsystem, Cameras, Report);
			ExamineNextBindings(LiveLink, Cameras, Report);
		}
	}
}
