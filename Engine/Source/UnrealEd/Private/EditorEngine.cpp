#include "Editor/EditorEngine.h"

#include "Editor.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "LevelEditorViewport.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogPlayLevel, Log, All);

namespace
{
	const TCHAR* const PIEPackagePrefix = TEXT("UEDPIE_0_");
}

UEditorEngine::UEditorEngine(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, bRequestEndPlayMapQueued(false)
	, bIsSimulatingInEditor(false)
{
}

void UEditorEngine::Init(IEngineLoop* InEngineLoop)
{
	Super::Init(InEngineLoop);

	// Until a map is opened the editor edits an empty untitled world.
	FWorldContext& EditorContext = CreateNewWorldContext(EWorldType::Editor);
	EditorContext.SetCurrentWorld(UWorld::CreateWorld(EWorldType::Editor, false, FName(TEXT("Untitled"))));

	EditorSubsystemCollection.Initialize(this);
}

void UEditorEngine::PreExit()
{
	if (PlayWorld)
	{
		EndPlayMap();
	}
	PlaySessionRequest.Reset();
	EditorSubsystemCollection.Deinitialize();
	Super::PreExit();
}

void UEditorEngine::Tick(float DeltaSeconds, bool bIdleMode)
{
	Super::Tick(DeltaSeconds, bIdleMode);

	if (bRequestEndPlayMapQueued)
	{
		EndPlayMap();
	}
	if (PlaySessionRequest.IsSet())
	{
		StartQueuedPlaySessionRequest();
	}
}

FWorldContext& UEditorEngine::GetEditorWorldContext(bool bEnsureIsGWorld)
{
	for (FWorldContext& Context : WorldList)
	{
		if (Context.WorldType == EWorldType::Editor)
		{
			return Context;
		}
	}
	checkf(false, TEXT("The editor engine has no editor world context"));
	return WorldList[0];
}

FWorldContext* UEditorEngine::GetPIEWorldContext(int32 WorldPIEInstance)
{
	for (FWorldContext& Context : WorldList)
	{
		if (Context.WorldType == EWorldType::PIE && Context.PIEInstance == WorldPIEInstance)
		{
			return &Context;
		}
	}
	return nullptr;
}

void UEditorEngine::AddLevelViewportClients(FLevelEditorViewportClient* ViewportClient)
{
	LevelViewportClients.AddUnique(ViewportClient);
}

void UEditorEngine::RemoveLevelViewportClients(FLevelEditorViewportClient* ViewportClient)
{
	LevelViewportClients.Remove(ViewportClient);
}

void UEditorEngine::RequestPlaySession(const FRequestPlaySessionParams& InParams)
{
	PlaySessionRequest = InParams;
}

void UEditorEngine::CancelRequestPlaySession()
{
	PlaySessionRequest.Reset();
}

void UEditorEngine::StartQueuedPlaySessionRequest()
{
	if (!PlaySessionRequest.IsSet())
	{
		return;
	}
	const FRequestPlaySessionParams Params = PlaySessionRequest.GetValue();
	PlaySessionRequest.Reset();

	if (PlayWorld)
	{
		UE_LOG(LogPlayLevel, Warning, TEXT("A play session is already running; the new request is ignored."));
		return;
	}
	StartPlayInEditorSession(Params);
}

void UEditorEngine::StartPlayInEditorSession(const FRequestPlaySessionParams& InRequestParams)
{
	const bool bSimulating = InRequestParams.WorldType == EPlaySessionWorldType::SimulateInEditor;
	FEditorDelegates::PreBeginPIE.Broadcast(bSimulating);
	FEditorDelegates::BeginPIE.Broadcast(bSimulating);

	UWorld* EditorWorld = GetEditorWorldContext().World();
	checkf(EditorWorld, TEXT("Play in editor needs an editor world"));

	// The play world lives in a package beside the map's, named with the play-in-editor prefix.
	const FString EditorPackageName = EditorWorld->GetOutermost()->GetName();
	int32 SlashIndex = INDEX_NONE;
	EditorPackageName.FindLastChar(TEXT('/'), SlashIndex);
	const FString PIEPackageName = EditorPackageName.Left(SlashIndex + 1) + PIEPackagePrefix + EditorPackageName.RightChop(SlashIndex + 1);
	UPackage* PIEPackage = CreatePackage(*PIEPackageName);
	PIEPackage->SetPackageFlags(PKG_PlayInEditor);

	UWorld* PIEWorld = UWorld::CreateWorld(EWorldType::PIE, false, EditorWorld->GetFName(), PIEPackage, true);
	for (AActor* EditorActor : EditorWorld->PersistentLevel->Actors)
	{
		if (!IsValid(EditorActor) || EditorActor->IsPendingKillPending())
		{
			continue;
		}
		// Same names in both worlds are what links an actor to its counterpart.
		AActor* PIEActor = Cast<AActor>(StaticDuplicateObject(EditorActor, PIEWorld->PersistentLevel, EditorActor->GetFName()));
		checkf(PIEActor, TEXT("Could not duplicate %s into the play world"), *EditorActor->GetName());
		PIEWorld->PersistentLevel->Actors.Add(PIEActor);
	}

	FWorldContext& PIEContext = CreateNewWorldContext(EWorldType::PIE);
	PIEContext.PIEInstance = 0;
	PIEContext.PIEPrefix = PIEPackagePrefix;
	PIEContext.SetCurrentWorld(PIEWorld);

	PlayWorld = PIEWorld;
	bIsSimulatingInEditor = bSimulating;

	UWorld* PreviousWorld = SetPlayInEditorWorld(PIEWorld);
	PIEWorld->BeginPlay();
	RestoreEditorWorld(PreviousWorld);

	FEditorDelegates::PostPIEStarted.Broadcast(bSimulating);
}

void UEditorEngine::RequestEndPlayMap()
{
	if (PlayWorld)
	{
		bRequestEndPlayMapQueued = true;
	}
}

void UEditorEngine::EndPlayMap()
{
	bRequestEndPlayMapQueued = false;
	if (PlayWorld == nullptr)
	{
		return;
	}
	const bool bSimulating = bIsSimulatingInEditor;
	FEditorDelegates::PrePIEEnded.Broadcast(bSimulating);
	FEditorDelegates::EndPIE.Broadcast(bSimulating);

	UWorld* World = PlayWorld;
	UPackage* Package = World->GetOutermost();
	World->DestroyWorld(true);
	Package->MarkAsGarbage();

	PlayWorld = nullptr;
	bIsSimulatingInEditor = false;
	FEditorDelegates::ShutdownPIE.Broadcast(bSimulating);

	// The play world's objects go now, so the next session can reuse their names.
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
}

void UEditorEngine::SetEditorWorld(UWorld* World)
{
	checkf(World, TEXT("SetEditorWorld needs a world"));
	checkf(PlayWorld == nullptr, TEXT("The edited world cannot change during a play session"));

	FWorldContext& Context = GetEditorWorldContext();
	UWorld* OldWorld = Context.World();
	if (OldWorld == World)
	{
		return;
	}
	World->WorldType = EWorldType::Editor;
	World->AddToRoot();
	// A loaded map is initialised when it becomes the edited world, as the editor's map load does.
	if (!World->bIsWorldInitialized)
	{
		World->InitWorld();
	}
	Context.SetCurrentWorld(World);
	if (OldWorld)
	{
		OldWorld->DestroyWorld(false);
		CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	}
}
