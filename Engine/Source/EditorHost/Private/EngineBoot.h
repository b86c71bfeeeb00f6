// Engine and editor start and stop steps that the host runs around module loading.
// The host (EditorHost.cpp) decides the order; the steps themselves live with the engine
// stand-in modules that own the state (EngineBoot.cpp).

#pragma once

#include "CoreMinimal.h"

namespace EngineBoot
{
	/** Creates GEngine: an editor engine with GEditor set, or a game engine (GEditor null) for -game. */
	void CreateEngine(bool bRunningGame);

	/** Mounts a content root ("/Game/", "/QuovexSuite/") on a folder of stand-in assets. */
	void MountContent(const FString& RootPath, const FString& ContentDir);

	/** Starts the asset registry's scan of every mounted root; the files-loaded event is not fired yet. */
	void StartAssetScan();

	/** After the Default loading phase: the engine's Init (editor subsystems are created here). */
	void InitEngine();

	/** The asset registry finishes its scan and broadcasts its files-loaded event. */
	void CompleteAssetScan();

	/** Level editor UI and the startup map come up (after PostEngineInit modules). */
	void StartEditorUI();

	/** Before modules shut down: subsystems deinitialise. Called after FCoreDelegates::OnPreExit. */
	void PreExitEngine();

	/** After modules shut down: the engine object and the world go away. */
	void DestroyEngine();
}
