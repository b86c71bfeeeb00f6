// A throw-away project with the engine up, for the engine and editor contract tests.

#pragma once

#include "AssetRegistryHost.h"
#include "EditorHost.h"
#include "CoreGlobals.h"
#include "CoreMinimal.h"
#include "Editor.h"
#include "Engine/Engine.h"
#include "Engine/GameEngine.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/OutputDeviceRedirector.h"
#include "UnrealEdGlobals.h"
#include "Templates/Function.h"
#include "UObject/Package.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

/** Collects log lines while it lives. */
class FEngineTestLogCapture : public FOutputDevice
{
public:
	FEngineTestLogCapture()
	{
		GLog->AddOutputDevice(this);
	}

	virtual ~FEngineTestLogCapture() override
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

/** Echoes log lines to stderr while it lives; QUOVEX_TEST_ECHO_LOG=1 turns it on for a test run. */
class FTestLogEcho : public FOutputDevice
{
public:
	FTestLogEcho()
	{
		GLog->AddOutputDevice(this);
	}

	virtual ~FTestLogEcho() override
	{
		GLog->RemoveOutputDevice(this);
	}

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
	{
		fprintf(stderr, "%s: %s\n", TCHAR_TO_UTF8(*Category.ToString()), TCHAR_TO_UTF8(V));
	}
};

/**
 * A temporary project (content mounted at /Game/, config and user folders of its own) booted through the
 * host as the editor (or as a game); the host shuts it down in the engine's order and removes the folder.
 */
class FScopedTestEngine
{
public:
	explicit FScopedTestEngine(bool bRunningGame = false, const std::string& DefaultEngineIni = std::string(), TFunction<void(FScopedTestEngine&)> BeforeBoot = nullptr)
	{
		static std::atomic<int32> Counter{ 0 };
		Root = std::filesystem::temp_directory_path() / ("QuovexEngineTest-" + std::to_string(::getpid()) + "-" + std::to_string(Counter++));
		std::filesystem::create_directories(Root / "Config");
		std::filesystem::create_directories(Root / "Content");
		std::filesystem::create_directories(Root / "User");
		WriteProjectFile("Test.uproject", "{ \"FileVersion\": 3 }\n");
		if (!DefaultEngineIni.empty())
		{
			WriteProjectFile("Config/DefaultEngine.ini", DefaultEngineIni);
		}
		if (BeforeBoot)
		{
			BeforeBoot(*this);
		}

		if (getenv("QUOVEX_TEST_ECHO_LOG"))
		{
			Echo = MakeUnique<FTestLogEcho>();
		}

		FEditorHostOptions Options;
		Options.ProjectFile = ToFString(Root / "Test.uproject");
		Options.UserDir = ToFString(Root / "User") + TEXT("/");
		Options.bRunningGame = bRunningGame;
		bBooted = FEditorHost::Boot(Options);
	}

	~FScopedTestEngine()
	{
		if (bBooted)
		{
			FEditorHost::Shutdown();
		}
		std::error_code Ignored;
		std::filesystem::remove_all(Root, Ignored);
	}

	bool IsBooted() const
	{
		return bBooted;
	}

	/** Runs the engine's pre-exit step ahead of shut-down (subsystems deinitialise); shut-down's own call then finds nothing left. */
	void PreExit()
	{
		GEngine->PreExit();
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
	bool bBooted = false;
	TUniquePtr<FTestLogEcho> Echo;
};
