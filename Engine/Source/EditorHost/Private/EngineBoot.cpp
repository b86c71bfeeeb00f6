// The engine's and editor's start and stop steps, in the order the host calls them.

#include "EngineBoot.h"

#include "AssetRegistryHost.h"
#include "CoreGlobals.h"
#include "Editor.h"
#include "Editor/UnrealEdEngine.h"
#include "Engine/Engine.h"
#include "Engine/GameEngine.h"
#include "Engine/World.h"
#include "FileHelpers.h"
#include "Framework/Docking/TabManager.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/PackageName.h"
#include "Modules/ModuleManager.h"
#include "UnrealEdGlobals.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY_STATIC(LogEngineBoot, Log, All);

namespace EngineBoot
{
	namespace
	{
		const TCHAR* const GameMapsSettingsSection = TEXT("/Script/EngineSettings.GameMapsSettings");

		/** A configured map ("/Game/Maps/Stage" or "/Game/Maps/Stage.Stage") as a package name. */
		FString ReadConfiguredMap(const TCHAR* Key)
		{
			FString Map;
			if (!GConfig->GetString(GameMapsSettingsSection, Key, Map, GEngineIni))
			{
				return FString();
			}
			int32 DotIndex = INDEX_NONE;
			if (Map.FindChar(TEXT('.'), DotIndex))
			{
				Map.LeftInline(DotIndex);
			}
			return Map.TrimStartAndEnd();
		}

		/** The game runs the configured default map; without one it keeps the empty world. */
		void LoadGameDefaultMap()
		{
			UGameEngine* GameEngine = CastChecked<UGameEngine>(GEngine);
			const FString MapName = ReadConfiguredMap(TEXT("GameDefaultMap"));
			UWorld* CurrentWorld = GameEngine->GetGameWorld();
			if (!MapName.IsEmpty())
			{
				const FString ObjectPath = MapName + TEXT(".") + FPackageName::GetShortName(MapName);
				if (UWorld* MapWorld = LoadObject<UWorld>(nullptr, *ObjectPath))
				{
					MapWorld->WorldType = EWorldType::Game;
					MapWorld->AddToRoot();
					MapWorld->InitWorld();
					GameEngine->GetWorldContextFromWorldChecked(CurrentWorld).SetCurrentWorld(MapWorld);
					CurrentWorld->DestroyWorld(false);
					CurrentWorld = MapWorld;
				}
				else
				{
					UE_LOG(LogEngineBoot, Warning, TEXT("The game default map %s could not be loaded; the game starts in an empty world"), *MapName);
				}
			}
			CurrentWorld->BeginPlay();
		}
	}

	void CreateEngine(bool bRunningGame)
	{
		checkf(GEngine == nullptr, TEXT("The engine already exists"));
		GIsEditor = !bRunningGame;
		if (bRunningGame)
		{
			GEngine = NewObject<UGameEngine>(GetTransientPackage());
		}
		else
		{
			UUnrealEdEngine* EditorEngine = NewObject<UUnrealEdEngine>(GetTransientPackage());
			GEngine = EditorEngine;
			GEditor = EditorEngine;
			GUnrealEd = EditorEngine;
		}
		GEngine->AddToRoot();
	}

	void MountContent(const FString& RootPath, const FString& ContentDir)
	{
		UE::AssetRegistryHost::MountContent(RootPath, ContentDir);
	}

	void StartAssetScan()
	{
		UE::AssetRegistryHost::StartAssetScan();
	}

	void InitEngine()
	{
		checkf(GEngine, TEXT("InitEngine needs CreateEngine first"));
		GEngine->Init(nullptr);
		if (GEditor == nullptr)
		{
			LoadGameDefaultMap();
		}
	}

	void CompleteAssetScan()
	{
		UE::AssetRegistryHost::CompleteAssetScan();
	}

	void StartEditorUI()
	{
		checkf(GEditor, TEXT("The editor UI needs the editor engine"));

		// What the main frame does: bring up the level editor tab, which builds its perspective viewport.
		FModuleManager::Get().LoadModuleChecked(TEXT("LevelEditor"));
		FGlobalTabmanager::Get()->TryInvokeTab(FTabId(TEXT("LevelEditor")));

		const FString StartupMap = ReadConfiguredMap(TEXT("EditorStartupMap"));
		if (StartupMap.IsEmpty())
		{
			UE_LOG(LogEngineBoot, Log, TEXT("No EditorStartupMap is configured; the editor opens an untitled map"));
		}
		else if (!FEditorFileUtils::LoadMap(StartupMap))
		{
			UE_LOG(LogEngineBoot, Warning, TEXT("The startup map %s could not be opened; the editor keeps an untitled map"), *StartupMap);
		}
	}

	void PreExitEngine()
	{
		if (GEngine)
		{
			GEngine->PreExit();
		}
	}

	void DestroyEngine()
	{
		// Mounts and scanned assets belong to this run; a later boot (tests) mounts its own.
		UE::AssetRegistryHost::Reset();
		if (GEngine == nullptr)
		{
			return;
		}

		TArray<UWorld*> Worlds;
		for (const FWorldContext& Context : GEngine->GetWorldContexts())
		{
			if (Context.World())
			{
				Worlds.Add(Context.World());
			}
		}
		for (UWorld* World : Worlds)
		{
			World->DestroyWorld(true);
		}

		GEngine->RemoveFromRoot();
		GEngine->MarkAsGarbage();
		GEngine = nullptr;
		GEditor = nullptr;
		GUnrealEd = nullptr;
		GIsEditor = false;

		// The engine's final purge: everything marked as garbage is destroyed before the next boot.
		CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	}
}
