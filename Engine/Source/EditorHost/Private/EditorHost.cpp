#include "EditorHost.h"

#include "CoreGlobals.h"
#include "EngineBoot.h"
#include "Engine/Engine.h"
#include "Framework/Application/SlateApplication.h"
#include "HAL/IConsoleManager.h"
#include "HostConsole.h"
#include "HostLocalization.h"
#include "Interfaces/IPluginManager.h"
#include "Interfaces/IProjectManager.h"
#include "Internationalization/Internationalization.h"
#include "Logging/LogSuppressionInterface.h"
#include "Misc/App.h"
#include "Misc/CommandLine.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/CoreDelegates.h"
#include "Misc/CoreHost.h"
#include "Misc/OutputDevice.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "ProjectsHost.h"

DEFINE_LOG_CATEGORY_STATIC(LogInit, Log, All);
DEFINE_LOG_CATEGORY_STATIC(LogExit, Log, All);
DEFINE_LOG_CATEGORY_STATIC(LogConsole, Log, All);

namespace
{
	enum class EHostStage
	{
		Down,
		EngineCreated,
		Running,
	};

	EHostStage GStage = EHostStage::Down;
	bool GCommandFailed = false;
	bool GQuitRequested = false;

	const TCHAR* const EngineSection = TEXT("/Script/Engine.Engine");

	/** "(Numerator=25,Denominator=1)", the engine's text form of FFrameRate. */
	bool ParseFrameRate(const FString& Text, FFrameRate& OutRate)
	{
		FString Inner = Text.TrimStartAndEnd();
		if (!Inner.StartsWith(TEXT("(")) || !Inner.EndsWith(TEXT(")")))
		{
			return false;
		}
		Inner = Inner.Mid(1, Inner.Len() - 2);
		TArray<FString> Fields;
		Inner.ParseIntoArray(Fields, TEXT(","), true);
		bool bHasNumerator = false;
		bool bHasDenominator = false;
		for (const FString& Field : Fields)
		{
			FString Key;
			FString Value;
			if (!Field.Split(TEXT("="), &Key, &Value))
			{
				return false;
			}
			Key = Key.TrimStartAndEnd();
			Value = Value.TrimStartAndEnd();
			if (!Value.IsNumeric())
			{
				return false;
			}
			if (Key.Equals(TEXT("Numerator"), ESearchCase::IgnoreCase))
			{
				OutRate.Numerator = FCString::Atoi(*Value);
				bHasNumerator = true;
			}
			else if (Key.Equals(TEXT("Denominator"), ESearchCase::IgnoreCase))
			{
				OutRate.Denominator = FCString::Atoi(*Value);
				bHasDenominator = true;
			}
		}
		return bHasNumerator && bHasDenominator;
	}

	void ApplyConfiguredTimecodeRate()
	{
		FString Text;
		if (!GConfig->GetString(EngineSection, TEXT("GenerateDefaultTimecodeFrameRate"), Text, GEngineIni))
		{
			return;
		}
		FFrameRate Rate = FApp::GetTimecodeFrameRate();
		if (!ParseFrameRate(Text, Rate) || !Rate.IsValid())
		{
			UE_LOG(LogInit, Warning, TEXT("[%s] GenerateDefaultTimecodeFrameRate=%s is not a frame rate like (Numerator=25,Denominator=1); the timecode rate stays %d/%d"),
				EngineSection, *Text, FApp::GetTimecodeFrameRate().Numerator, FApp::GetTimecodeFrameRate().Denominator);
			return;
		}
		FApp::SetTimecodeFrameRate(Rate);
		UE_LOG(LogInit, Log, TEXT("Timecode rate %d/%d"), Rate.Numerator, Rate.Denominator);
	}

	FString ConfiguredCulture(const FEditorHostOptions& Options)
	{
		if (!Options.Culture.IsEmpty())
		{
			return Options.Culture;
		}
		FString Culture;
		if (GConfig->GetString(TEXT("Internationalization"), TEXT("Culture"), Culture, GGameIni) && !Culture.IsEmpty())
		{
			return Culture;
		}
		return FString(TEXT("en"));
	}

	/** Plugin modules of the phases the engine loads before its Init. */
	bool LoadPreInitModules()
	{
		const ELoadingPhase::Type Phases[] = {
			ELoadingPhase::EarliestPossible,
			ELoadingPhase::PostConfigInit,
			ELoadingPhase::PostSplashScreen,
			ELoadingPhase::PreEarlyLoadingScreen,
			ELoadingPhase::PreLoadingScreen,
			ELoadingPhase::PreDefault,
			ELoadingPhase::Default,
			ELoadingPhase::PostDefault,
		};
		bool bAllLoaded = true;
		for (ELoadingPhase::Type Phase : Phases)
		{
			bAllLoaded &= IPluginManager::Get().LoadModulesForEnabledPlugins(Phase);
			bAllLoaded &= IProjectManager::Get().LoadModulesForProject(Phase);
		}
		return bAllLoaded;
	}

	bool LoadPostEngineInitModules()
	{
		bool bAllLoaded = IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::PostEngineInit);
		bAllLoaded &= IProjectManager::Get().LoadModulesForProject(ELoadingPhase::PostEngineInit);
		return bAllLoaded;
	}

	void MountAllContent()
	{
		EngineBoot::MountContent(TEXT("/Engine/"), FPaths::EngineContentDir());
		if (FPaths::IsProjectFilePathSet())
		{
			EngineBoot::MountContent(TEXT("/Game/"), FPaths::ProjectContentDir());
		}
		for (const TSharedRef<IPlugin>& Plugin : IPluginManager::Get().GetEnabledPluginsWithContent())
		{
			EngineBoot::MountContent(Plugin->GetMountedAssetPath(), Plugin->GetContentDir());
		}
	}

	/** Back to the state of a process that never booted, so the next boot (in tests) starts clean. */
	void ResetProcessState()
	{
		delete GConfig;
		GConfig = nullptr;
		FProjectsHost::Reset();
		FCoreHost::Reset();
		FApp::SetProjectName(TEXT(""));
		FApp::SetTimecodeFrameRate(FFrameRate(30, 1));
		GIsEditor = true;
		GIsPlayInEditorWorld = false;
		GIsRunning = false;
	}
}

namespace
{
	/** One engine frame: the engine ticks, then end-of-frame work (latent actions, LiveLink) runs. */
	void RunEngineFrame()
	{
		FCoreDelegates::OnBeginFrame.Broadcast();
		if (GEngine)
		{
			GEngine->Tick(0.0f, false);
		}
		FCoreDelegates::OnEndFrame.Broadcast();
	}

	/** Why a console line cannot be run because of a control character in it (tabs are white space); empty when it can. */
	FString FindControlCharacter(const FString& Line)
	{
		for (int32 Index = 0; Index < Line.Len(); ++Index)
		{
			const TCHAR Char = Line[Index];
			if ((Char < TEXT(' ') && Char != TEXT('\t')) || Char == TCHAR(0x7F))
			{
				return FString::Printf(TEXT("The line holds the control character U+%04X at character %d; nothing was run"), uint32(Char), Index + 1);
			}
		}
		return FString();
	}

	/** Passes lines through and remembers whether any was an error, for commands that report failure only by logging. */
	class FErrorWatchingOutputDevice : public FOutputDevice
	{
	public:
		explicit FErrorWatchingOutputDevice(FOutputDevice& InInner)
			: Inner(InInner)
		{
		}

		void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			bSawError |= Verbosity <= ELogVerbosity::Error && Verbosity != ELogVerbosity::NoLogging;
			Inner.Serialize(V, Verbosity, Category);
		}

		bool bSawError = false;

	private:
		FOutputDevice& Inner;
	};

	/** Watches the log while it lives, for commands that report a failure through UE_LOG rather than their output. */
	class FLogErrorWatcher : public FOutputDevice
	{
	public:
		FLogErrorWatcher()
		{
			GLog->AddOutputDevice(this);
		}

		virtual ~FLogErrorWatcher() override
		{
			GLog->RemoveOutputDevice(this);
		}

		void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			bSawError |= Verbosity <= ELogVerbosity::Error && Verbosity != ELogVerbosity::NoLogging;
		}

		bool bSawError = false;
	};
}

bool FEditorHost::Boot(const FEditorHostOptions& Options)
{
	if (GStage != EHostStage::Down)
	{
		UE_LOG(LogInit, Error, TEXT("The editor is already running; shut it down before booting again"));
		return false;
	}
	GCommandFailed = false;
	GQuitRequested = false;

	// Command line and folders.
	FCommandLine::Set(*Options.CommandLine);
	if (!Options.EngineDir.IsEmpty())
	{
		FCoreHost::SetEngineDir(Options.EngineDir);
	}
	if (!Options.UserDir.IsEmpty())
	{
		FCoreHost::SetEngineUserDir(Options.UserDir);
	}
	if (!Options.BinariesDir.IsEmpty())
	{
		FCoreHost::SetBinariesDir(Options.BinariesDir);
	}
	FCoreHost::SetRunningGame(Options.bRunningGame);
	GIsEditor = !Options.bRunningGame;
	if (!Options.Commandlet.IsEmpty())
	{
		UE_LOG(LogInit, Error, TEXT("Unknown commandlet '%s': the stand-in editor has no commandlets"), *Options.Commandlet);
		ResetProcessState();
		return false;
	}

	if (!Options.ProjectFile.IsEmpty())
	{
		const FString ProjectFile = FPaths::ConvertRelativePathToFull(Options.ProjectFile);
		if (!FPaths::FileExists(ProjectFile))
		{
			UE_LOG(LogInit, Error, TEXT("Could not find the project file %s"), *ProjectFile);
			ResetProcessState();
			return false;
		}
		FCoreHost::SetProjectFilePath(ProjectFile);
		FApp::SetProjectName(*FPaths::GetBaseFilename(ProjectFile));
		UE_LOG(LogInit, Log, TEXT("Booting %s for project %s"), Options.bRunningGame ? TEXT("game") : TEXT("editor"), *ProjectFile);
		if (!IProjectManager::Get().LoadProjectFile(ProjectFile))
		{
			UE_LOG(LogInit, Error, TEXT("The project file %s could not be read; see the message above"), *ProjectFile);
			ResetProcessState();
			return false;
		}
	}
	else
	{
		UE_LOG(LogInit, Log, TEXT("Booting %s without a project"), Options.bRunningGame ? TEXT("game") : TEXT("editor"));
	}
	UE_LOG(LogInit, Log, TEXT("Engine folder %s, user folder %s"), *FPaths::EngineDir(), *FPaths::EngineUserDir());

	// Config, log settings, culture, timecode.
	FConfigCacheIni::InitializeConfigSystem();
	FLogSuppressionInterface::Get().ProcessConfigAndCommandLine();
	IPluginManager::Get().RefreshPluginsList();
	for (const TSharedRef<IPlugin>& Plugin : IPluginManager::Get().GetEnabledPlugins())
	{
		UE_LOG(LogInit, Log, TEXT("Plugin %s enabled (%s)"), *Plugin->GetName(), *Plugin->GetBaseDir());
	}
	UE::EditorHost::Private::LoadTranslations();
	const FString Culture = ConfiguredCulture(Options);
	if (!FInternationalization::Get().SetCurrentCulture(Culture))
	{
		UE_LOG(LogInit, Warning, TEXT("Unknown culture '%s'; staying with '%s'"), *Culture, *FInternationalization::Get().GetCurrentCulture()->GetName());
	}
	ApplyConfiguredTimecodeRate();

	// Engine, content, modules.
	// Slate is up before any plugin module starts, as in the editor: styles and tabs need it.
	if (!FSlateApplication::IsInitialized())
	{
		FSlateApplication::Create();
	}
	EngineBoot::CreateEngine(Options.bRunningGame);
	GStage = EHostStage::EngineCreated;
	MountAllContent();
	EngineBoot::StartAssetScan();
	// Engine modules the engine starts before any plugin: sequences in every run, editor utilities in the editor.
	FModuleManager::Get().LoadModule(TEXT("LevelSequence"));
	if (!Options.bRunningGame)
	{
		FModuleManager::Get().LoadModule(TEXT("Blutility"));
	}
	if (!LoadPreInitModules())
	{
		UE_LOG(LogInit, Error, TEXT("A plugin or one of its modules could not be loaded; the editor cannot start"));
		Shutdown();
		return false;
	}
	EngineBoot::InitEngine();
	FCoreDelegates::OnPostEngineInit.Broadcast();
	if (!LoadPostEngineInitModules())
	{
		UE_LOG(LogInit, Error, TEXT("A plugin or one of its modules could not be loaded; the editor cannot start"));
		Shutdown();
		return false;
	}
	FCoreDelegates::OnAllModuleLoadingPhasesComplete.Broadcast();
	EngineBoot::CompleteAssetScan();
	if (!Options.bRunningGame)
	{
		EngineBoot::StartEditorUI();
	}
	GIsRunning = true;
	GStage = EHostStage::Running;
	FCoreDelegates::OnFEngineLoopInitComplete.Broadcast();
	RunEngineFrame();
	UE_LOG(LogInit, Log, TEXT("%s is up"), Options.bRunningGame ? TEXT("Game") : TEXT("Editor"));
	return true;
}

void FEditorHost::Shutdown()
{
	if (GStage == EHostStage::Down)
	{
		return;
	}
	UE_LOG(LogExit, Log, TEXT("Shutting down"));
	GIsRunning = false;
	RequestEngineExit(TEXT("Host shut-down"));
	FCoreDelegates::OnPreExit.Broadcast();
	EngineBoot::PreExitEngine();
	FCoreDelegates::OnEnginePreExit.Broadcast();
	FModuleManager::Get().UnloadModulesAtShutdown();
	EngineBoot::DestroyEngine();
	if (FSlateApplication::IsInitialized())
	{
		FSlateApplication::Shutdown();
	}
	FCoreDelegates::OnExit.Broadcast();
	if (GConfig)
	{
		GConfig->Flush(false);
	}
	GStage = EHostStage::Down;
	ResetProcessState();
	UE_LOG(LogExit, Log, TEXT("Exit complete"));
}

bool FEditorHost::IsBooted()
{
	return GStage == EHostStage::Running;
}

bool FEditorHost::Exec(const FString& Line, FOutputDevice& Ar)
{
	const FString Trimmed = Line.TrimStartAndEnd();
	if (Trimmed.IsEmpty())
	{
		return true;
	}
	// Terminal escapes and other control characters are never part of a command; a name holding one would
	// print as something else than it is.
	const FString ControlCharacter = FindControlCharacter(Trimmed);
	if (!ControlCharacter.IsEmpty())
	{
		Ar.Log(ELogVerbosity::Error, ControlCharacter);
		GCommandFailed = true;
		return false;
	}
	// An error the command (or the frame it runs) writes to the log fails it, as one written to its output does:
	// a scripted run must not end well after "Error: Could not save asset".
	FLogErrorWatcher LogErrors;
	bool bFound = false;
	bool bSucceeded = FHostConsoleCommands::Execute(Trimmed, Ar, bFound);
	if (!bFound)
	{
		FErrorWatchingOutputDevice Watched(Ar);
		bFound = IConsoleManager::Get().ProcessUserConsoleInput(*Trimmed, Watched, nullptr);
		if (!bFound && GEngine)
		{
			bFound = GEngine->Exec(nullptr, *Trimmed, Watched);
		}
		bSucceeded = bFound && !Watched.bSawError;
		if (!bFound)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Unknown command: %s"), *Trimmed));
		}
	}
	if (GStage == EHostStage::Running)
	{
		RunEngineFrame();
	}
	bSucceeded &= !LogErrors.bSawError;
	GCommandFailed |= !bSucceeded;
	return bSucceeded;
}

bool FEditorHost::ExecSequence(const FString& Lines, FOutputDevice& Ar)
{
	TArray<FString> Commands;
	Lines.ParseIntoArray(Commands, TEXT(";"), true);
	bool bAllSucceeded = true;
	for (const FString& Command : Commands)
	{
		if (GQuitRequested)
		{
			break;
		}
		bAllSucceeded &= Exec(Command, Ar);
	}
	return bAllSucceeded;
}

void FEditorHost::RunFrames(int32 Count)
{
	for (int32 Frame = 0; Frame < Count && GStage == EHostStage::Running; ++Frame)
	{
		RunEngineFrame();
	}
}

bool FEditorHost::HasCommandFailed()
{
	return GCommandFailed;
}

bool FEditorHost::IsQuitRequested()
{
	return GQuitRequested;
}

bool FEditorHost::SetCulture(const FString& CultureName)
{
	if (!FInternationalization::Get().SetCurrentCulture(CultureName))
	{
		return false;
	}
	UE::EditorHost::Private::LoadTranslations();
	return true;
}

namespace UE::EditorHost::Private
{
	/** Called by the quit command. */
	void RequestQuit()
	{
		GQuitRequested = true;
	}
}
