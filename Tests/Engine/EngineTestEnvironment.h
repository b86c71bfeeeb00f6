// A throw-away project with the engine up, for the engine and editor contract tests.

#pragma once

#include "AssetRegistryHost.h"
#include "CoreGlobals.h"
#include "CoreMinimal.h"
#include "Editor.h"
#include "Engine/Engine.h"
#include "Engine/GameEngine.h"
#include "Engine/World.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/CoreHost.h"
#include "Misc/OutputDeviceRedirector.h"
#include "UnrealEdGlobals.h"
#include "UObject/Package.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

/** Collects log lines while it lives. */
class FTestLogCapture : public FOutputDevice
{
public:
	FTestLogCapture()
	{
		GLog->AddOutputDevice(this);
	}

	virtual ~FTestLogCapture() override
	{
		GLog->RemoveOutputDevice(this);
	}

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
	{
		Lines.Add(FString::Printf(TEXT("%s: %s"), *Category.ToString(), V));
		Verbosities.Add(Verbosity);
	}

	/** How many lines at Verbosity contain Text. */
	int32 Count(const TCHAR* Text, ELogVerbosity::Type Verbosity) const
	{
		int32 Found = 0;
		for (int32 Index = 0; Index < Lines.Num(); ++Index)
		{
			if (Verbosities[Index] == Verbosity && Lines[Index].Contains(Text))
			{
				++Found;
			}
		}
		return Found;
	}

	TArray<FString> Lines;
	TArray<ELogVerbosity::Type> Verbosities;
};

/**
 * A temporary project folder (content mounted at /Game/, config and user folders of its own) with an
 * editor engine (or a game engine) created and initialised; everything is torn down in the engine's order.
 */
class FScopedTestEngine
{
public:
	explicit FScopedTestEngine(bool bRunningGame = false, const std::string& DefaultEngineIni = std::string())
	{
		static std::atomic<int32> Counter{0};
		Root = std::filesystem::temp_directory_path() / ("QuovexEngineTest-" + std::to_string(::getpid()) + "-" + std::to_string(Counter++));
		std::filesystem::create_directories(Root / "Config");
		std::filesystem::create_directories(Root / "Content");
		std::filesystem::create_directories(Root / "User");
		std::ofstream(Root / "Test.uproject") << "{ \"FileVersion\": 3 }\n";
		if (!DefaultEngineIni.empty())
		{
			std::ofstream(Root / "Config" / "DefaultEngine.ini") << DefaultEngineIni;
		}

		FCoreHost::Reset();
		FCoreHost::SetRunningGame(bRunningGame);
		FCoreHost::SetProjectFilePath(ToFString(Root / "Test.uproject"));
		FCoreHost::SetEngineUserDir(ToFString(Root / "User") + TEXT("/"));
		FConfigCacheIni::InitializeConfigSystem();

		UE::AssetRegistryHost::Reset();
		UE::AssetRegistryHost::MountContent(TEXT("/Game/"), GetContentDir());
		UE::AssetRegistryHost::StartAssetScan();
		UE::AssetRegistryHost::CompleteAssetScan();

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
		GEngine->Init(nullptr);
	}

	~FScopedTestEngine()
	{
		PreExit();
		TArray<UWorld*> Worlds;
		for (const FWorldContext& Context : GEngine->GetWorldContexts())
		{
			Worlds.Add(Context.World());
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
		GIsPlayInEditorWorld = false;
		UE::AssetRegistryHost::Reset();
		FCoreHost::Reset();
		std::error_code Ignored;
		std::filesystem::remove_all(Root, Ignored);
	}

	/** Runs the engine's pre-exit step once (subsystems deinitialise). */
	void PreExit()
	{
		if (!bPreExited)
		{
			bPreExited = true;
			GEngine->PreExit();
		}
	}

	/** The world being edited (or the game world). */
	UWorld* GetWorld() const
	{
		if (GEditor)
		{
			return GEditor->GetEditorWorldContext().World();
		}
		return CastChecked<UGameEngine>(GEngine)->GetGameWorld();
	}

	FString GetContentDir() const
	{
		return ToFString(Root / "Content") + TEXT("/");
	}

	/** Writes a file under the project folder (creating folders). */
	void WriteProjectFile(const std::string& RelativePath, const std::string& Text) const
	{
		const std::filesystem::path Path = Root / RelativePath;
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream(Path) << Text;
	}

	static FString ToFString(const std::filesystem::path& Path)
	{
		return FString(UTF8_TO_TCHAR(Path.generic_string().c_str()));
	}

private:
	std::filesystem::path Root;
	bool bPreExited = false;
};
