// Copyright Quovex. All Rights Reserved.

#include "QuovexVPEditorSubsystem.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/Engine.h"
#include "Engine/World.h"
#include "Features/IModularFeatures.h"
#include "GameFramework/Actor.h"
#include "ILiveLinkClient.h"
#include "Kismet/GameplayStatics.h"
#include "Misc/CoreDelegates.h"
#include "QuovexCamera.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexTags.h"
#include "UObject/Package.h"

namespace QuovexVPEditorSubsystem
{
	static ILiveLinkClient* FindLiveLinkClient()
	{
		return static_cast<ILiveLinkClient*>(IModularFeatures::Get().GetModularFeatureImplementation(ILiveLinkClient::ModularFeatureName, 0));
	}
}

TArray<AActor*> UQuovexVPEditorSubsystem::GetCameraActors(UWorld* World)
{
	TArray<AActor*> Cameras;
	UGameplayStatics::GetAllActorsWithTag(World, QuovexTags::TAG_CAMERA, Cameras);
	return Cameras;
}

UQuovexVPEditorSubsystem* UQuovexVPEditorSubsystem::Get()
{
	return GEditor ? GEditor->GetEditorSubsystem<UQuovexVPEditorSubsystem>() : nullptr;
}

void UQuovexVPEditorSubsystem::Initialize(FSubsystemCollectionBase& Collection)
{
	Super::Initialize(Collection);

	FEditorDelegates::PostPIEStarted.AddUObject(this, &UQuovexVPEditorSubsystem::PostPIEStarted);
	FEditorDelegates::EndPIE.AddUObject(this, &UQuovexVPEditorSubsystem::EndPIE);
	FEditorDelegates::OnMapOpened.AddUObject(this, &UQuovexVPEditorSubsystem::OnMapOpened);
	FCoreDelegates::OnEnginePreExit.AddUObject(this, &UQuovexVPEditorSubsystem::OnEnginePreExit);
	GEngine->OnLevelActorAdded().AddUObject(this, &UQuovexVPEditorSubsystem::OnLevelActorsAdded);
	GEngine->OnLevelActorDeleted().AddUObject(this, &UQuovexVPEditorSubsystem::OnLevelActorsRemoved);

	LiveLinkClient = QuovexVPEditorSubsystem::FindLiveLinkClient();
	if (LiveLinkClient)
	{
		LiveLinkClient->OnLiveLinkSubjectAdded().AddUObject(this, &UQuovexVPEditorSubsystem::OnSubjectAdded);
	}

	bNeedsCameraUpdate = false;
}

void UQuovexVPEditorSubsystem::Deinitialize()
{
	FEditorDelegates::PostPIEStarted.RemoveAll(this);
	FEditorDelegates::EndPIE.RemoveAll(this);
	FEditorDelegates::OnMapOpened.RemoveAll(this);
	FCoreDelegates::OnEnginePreExit.RemoveAll(this);
	if (GEngine)
	{
		GEngine->OnLevelActorAdded().RemoveAll(this);
		GEngine->OnLevelActorDeleted().RemoveAll(this);
	}

	// Looked up again: LiveLink may have gone (or come) since Initialize.
	LiveLinkClient = QuovexVPEditorSubsystem::FindLiveLinkClient();
	if (LiveLinkClient)
	{
		LiveLinkClient->OnLiveLinkSubjectAdded().RemoveAll(this);
	}

	Super::Deinitialize();
}

void UQuovexVPEditorSubsystem::UpdateActiveCamera(TWeakObjectPtr<AActor> Camera)
{
	SetActiveQuovexCameraIndex(Camera);
	ActiveCamera = Camera;
	ActiveCameraChangedEvent.Broadcast(Camera);
	ActiveCameraChangedDelegate.Broadcast();
}

void UQuovexVPEditorSubsystem::SetActiveQuovexCameraIndex(TWeakObjectPtr<AActor> Camera)
{
	ActiveCameraIndex = INDEX_NONE;
	if (UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld())
	{
		const AActor* CameraActor = Camera.Get();
		if (CameraActor)
		{
			ActiveCameraIndex = GetCameraActors(World).IndexOfByKey(CameraActor);
		}
	}
}

void UQuovexVPEditorSubsystem::SetActiveCamera(AQuovexCamera* CameraActor)
{
	if (CameraActor)
	{
		UpdateActiveCamera(CameraActor);
	}
}

void UQuovexVPEditorSubsystem::SetActiveCameraIndex(int32 CameraIndex)
{
	UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
	if (!World)
	{
		return;
	}
	const TArray<AActor*> Cameras = GetCameraActors(World);
	if (Cameras.IsValidIndex(CameraIndex))
	{
		UpdateActiveCamera(Cameras[CameraIndex]);
	}
}

TWeakObjectPtr<AQuovexCamera> UQuovexVPEditorSubsystem::GetQuovexCamera()
{
	if (bNeedsCameraUpdate)
	{
		UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
		if (!World)
		{
			return nullptr;
		}
		// The stored index survives the change that made the update pending; it may now name another camera.
		const TArray<AActor*> Cameras = GetCameraActors(World);
		if (Cameras.Num() > 0)
		{
			const bool bIndexUsable = ActiveCameraIndex != INDEX_NONE && ActiveCameraIndex < Cameras.Num();
			UpdateActiveCamera(Cameras[bIndexUsable ? ActiveCameraIndex : 0]);
		}
		bNeedsCameraUpdate = false;
	}
	return Cast<AQuovexCamera>(ActiveCamera.Get());
}

TWeakObjectPtr<AQuovexCamera> UQuovexVPEditorSubsystem::GetQuovexCamera(FString Name)
{
	TArray<TWeakObjectPtr<AQuovexCamera>> Cameras;
	GetQuovexCameras(Cameras);
	for (const TWeakObjectPtr<AQuovexCamera>& Camera : Cameras)
	{
		if (const AQuovexCamera* CameraActor = Camera.Get())
		{
			const FString Label = CameraActor->GetActorLabel(false);
			const FString DisplayName = Label.IsEmpty() ? CameraActor->GetName() : Label;
			if (DisplayName.Equals(Name, ESearchCase::IgnoreCase))
			{
				return Camera;
			}
		}
	}
	return nullptr;
}

void UQuovexVPEditorSubsystem::GetQuovexCameras(TArray<TWeakObjectPtr<AQuovexCamera>>& Cameras)
{
	UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
	if (!World)
	{
		return;
	}
	for (AActor* Actor : GetCameraActors(World))
	{
		if (AQuovexCamera* Camera = Cast<AQuovexCamera>(Actor))
		{
			Cameras.Add(Camera);
		}
	}
}

AQuovexCamera* UQuovexVPEditorSubsystem::GetActiveCamera()
{
	return Cast<AQuovexCamera>(ActiveCamera.Get());
}

int32 UQuovexVPEditorSubsystem::GetActiveCameraIndex()
{
	return ActiveCameraIndex;
}

bool UQuovexVPEditorSubsystem::HasQuovexCamera()
{
	return ActiveCamera.IsValid();
}

void UQuovexVPEditorSubsystem::TriggerActiveCameraChanged(TWeakObjectPtr<AActor> Camera) const
{
	ActiveCameraChangedEvent.Broadcast(Camera);
}

void UQuovexVPEditorSubsystem::OnLevelActorsAdded(AActor* Actor)
{
	if (Actor && Actor->IsA<AQuovexCamera>())
	{
		UpdateActiveCamera(Actor);
		UpdateCameraLiveLinkSubject(Actor);
	}
}

void UQuovexVPEditorSubsystem::OnLevelActorsRemoved(AActor* Actor)
{
	// A take's spawned camera going away shifts the list under the stored index; resolve it again when next asked.
	if (Actor && Actor->ActorHasTag(QuovexTags::TAG_CAMERA) && Actor->ActorHasTag(QuovexTags::TAG_SEQUENCE_SPAWNED))
	{
		bNeedsCameraUpdate = true;
	}
	if (ActiveCamera == TWeakObjectPtr<AActor>(Actor))
	{
		UpdateActiveCamera(nullptr);
	}
}

void UQuovexVPEditorSubsystem::OnMapOpened(const FString& /*Filename*/, bool /*bAsTemplate*/)
{
	UWorld* World = UQuovexEditorFunctionLibrary::GetCurrentWorld();
	const TArray<AActor*> Cameras = World ? GetCameraActors(World) : TArray<AActor*>();
	if (Cameras.Num() > 0)
	{
		if (AQuovexCamera* FirstCamera = Cast<AQuovexCamera>(Cameras[0]))
		{
			FirstCamera->SetActive();
		}
		UpdateActiveCamera(Cameras[0]);
		UpdateCameraLiveLinkSubject(Cameras[0]);
	}
	for (AActor* Actor : Cameras)
	{
		if (AQuovexCamera* Camera = Cast<AQuovexCamera>(Actor))
		{
			Camera->MapOpened();
		}
	}
}

void UQuovexVPEditorSubsystem::PostPIEStarted(bool /*bIsSimulating*/)
{
	AActor* EditorCamera = ActiveCamera.Get();
	if (EditorCamera && !EditorCamera->GetOutermost()->HasAnyPackageFlags(PKG_PlayInEditor))
	{
		UpdateActiveCamera(EditorUtilities::GetSimWorldCounterpartActor(EditorCamera));
	}
}

void UQuovexVPEditorSubsystem::EndPIE(bool /*bIsSimulating*/)
{
	// The play world is still current here; the editor world's camera is resolved when next asked.
	bNeedsCameraUpdate = true;
}
