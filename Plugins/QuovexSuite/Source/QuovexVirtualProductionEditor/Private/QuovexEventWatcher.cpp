// Copyright Quovex. All Rights Reserved.

#include "QuovexEventWatcher.h"

#include "GameFramework/Actor.h"
#include "Modules/ModuleManager.h"
#include "QuovexVirtualProductionEditorModule.h"
#include "QuovexVPEditorSubsystem.h"
#include "UObject/Package.h"

UQuovexEventWatcher* UQuovexEventWatcher::Get()
{
	static TWeakObjectPtr<UQuovexEventWatcher> Instance;
	if (!Instance.IsValid())
	{
		UQuovexEventWatcher* Watcher = NewObject<UQuovexEventWatcher>(GetTransientPackage(), NAME_None, RF_Transient);
		Watcher->AddToRoot();
		Instance = Watcher;
	}
	return Instance.Get();
}

void UQuovexEventWatcher::Watch(UQuovexVPEditorSubsystem* Subsystem)
{
	if (!Subsystem || Watched.Get() == Subsystem)
	{
		return;
	}
	Unwatch();
	Watched = Subsystem;

	// The native camera event goes through the module's operation, as other modules reach it.
	FQuovexVirtualProductionEditorModule& Module = FModuleManager::LoadModuleChecked<FQuovexVirtualProductionEditorModule>(TEXT("QuovexVirtualProductionEditor"));
	Module.AddActiveCameraChangedHandler(UQuovexVPEditorSubsystem::FOnActiveCameraChangedEvent::FDelegate::CreateUObject(this, &UQuovexEventWatcher::HandleActiveCameraChanged));
	Subsystem->ActiveCameraChangedDelegate.AddDynamic(this, &UQuovexEventWatcher::HandleActiveCameraChangedDelegate);
	Subsystem->OnOpenTakeRecorder().AddUObject(this, &UQuovexEventWatcher::HandleOpenTakeRecorder);
	Subsystem->OnResetTakeRecorder().AddUObject(this, &UQuovexEventWatcher::HandleResetTakeRecorder);
	Subsystem->OnReconnectToSwitcher().AddUObject(this, &UQuovexEventWatcher::HandleReconnectToSwitcher);
	Subsystem->OnReconnectToKeyer().AddUObject(this, &UQuovexEventWatcher::HandleReconnectToKeyer);
}

void UQuovexEventWatcher::Unwatch()
{
	if (UQuovexVPEditorSubsystem* Subsystem = Watched.Get())
	{
		Subsystem->OnActiveCameraChanged().RemoveAll(this);
		Subsystem->ActiveCameraChangedDelegate.RemoveAll(this);
		Subsystem->OnOpenTakeRecorder().RemoveAll(this);
		Subsystem->OnResetTakeRecorder().RemoveAll(this);
		Subsystem->OnReconnectToSwitcher().RemoveAll(this);
		Subsystem->OnReconnectToKeyer().RemoveAll(this);
	}
	Watched.Reset();
}

bool UQuovexEventWatcher::IsWatching() const
{
	return Watched.IsValid();
}

void UQuovexEventWatcher::HandleActiveCameraChanged(TWeakObjectPtr<AActor> Camera)
{
	const AActor* CameraActor = Camera.Get();
	const int32 Index = Watched.IsValid() ? Watched->GetActiveCameraIndex() : INDEX_NONE;
	if (!CameraActor)
	{
		UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("Active camera changed: none (index %d)"), Index);
		return;
	}
	const FString Label = CameraActor->GetActorLabel(false);
	UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("Active camera changed: %s (index %d)"), Label.IsEmpty() ? *CameraActor->GetName() : *Label, Index);
}

void UQuovexEventWatcher::HandleActiveCameraChangedDelegate()
{
	UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("ActiveCameraChangedDelegate broadcast"));
}

void UQuovexEventWatcher::HandleOpenTakeRecorder()
{
	UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("Open take recorder requested"));
}

void UQuovexEventWatcher::HandleResetTakeRecorder()
{
	UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("Reset take recorder requested"));
}

void UQuovexEventWatcher::HandleReconnectToSwitcher()
{
	UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("Reconnect to switcher requested"));
}

void UQuovexEventWatcher::HandleReconnectToKeyer()
{
	UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("Reconnect to keyer requested"));
}
