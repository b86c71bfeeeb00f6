// Host control of the stand-in editor: boot a project, run console lines, shut down in the
// engine's order. Used by the headless editor and tests only; plugin code never calls it.
#pragma once

#include "CoreMinimal.h"

class FOutputDevice;

struct FEditorHostOptions
{
	/** The .uproject to open; empty runs the engine without a project. */
	FString ProjectFile;
	/** Run as a game (-game): no editor UI, GIsEditor false, IsRunningGame() true. */
	bool bRunningGame = false;
	/** Culture to start in; empty takes the config's, else "en". */
	FString Culture;
	/** Overrides of the engine, per-user and binaries folders (tests point them at temporary folders). */
	FString EngineDir;
	FString UserDir;
	FString BinariesDir;
	/** A commandlet name (-run=NAME); the stand-in knows none, so boot fails with a message. */
	FString Commandlet;
	/** The full command line, as FCommandLine::Get() returns it. */
	FString CommandLine;
};

class EDITORHOST_API FEditorHost
{
public:
	/**
	 * Boots in the engine's order: paths, config, culture, timecode rate, engine, content mounts,
	 * asset scan, plugin modules up to PostDefault, engine init, PostEngineInit modules, scan
	 * completion, editor UI. False (reason logged) when the project or a plugin module cannot be
	 * loaded; whatever was started is shut down again.
	 */
	static bool Boot(const FEditorHostOptions& Options);

	/** Pre-exit, engine pre-exit, modules in reverse load order, engine destruction; then a fresh state. */
	static void Shutdown();

	static bool IsBooted();

	/** Runs one console line; false (and remembered) when it is unknown, malformed or fails. */
	static bool Exec(const FString& Line, FOutputDevice& Ar);

	/** Runs lines separated by ';' (as -ExecCmds gives them); false when any failed. */
	static bool ExecSequence(const FString& Lines, FOutputDevice& Ar);

	/** Runs engine frames (begin frame, engine tick, end-of-frame work such as LiveLink and latent actions). */
	static void RunFrames(int32 Count);

	/** Whether any command failed since boot. */
	static bool HasCommandFailed();

	/** Whether quit/exit was run. */
	static bool IsQuitRequested();

	/** Switches the culture and reloads translations; false for a culture the engine does not know. */
	static bool SetCulture(const FString& CultureName);
};
