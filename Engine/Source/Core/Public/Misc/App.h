// Application-wide state, after the engine's FApp.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Misc/FrameRate.h"

class CORE_API FApp
{
public:
	/** The project's name (the .uproject's base name); empty without a project. */
	static const TCHAR* GetProjectName();
	static void SetProjectName(const TCHAR* InProjectName);
	static bool HasProjectName();

	/** The engine's "branch" name of the build; the stand-in reports a fixed 5.3 editor build. */
	static FString GetBranchName();
	static const TCHAR* GetBuildVersion();

	/** Whether a game runs: not the editor, or a Play-In-Editor world is current, or -game. */
	static bool IsGame();

	/** Whether the process runs without a user to answer dialogues (always true headless). */
	static bool IsUnattended();

	/** The rate timecode is generated at; 30 fps until the engine's config sets another. */
	static FFrameRate GetTimecodeFrameRate();
	static void SetTimecodeFrameRate(FFrameRate InTimecodeFrameRate);
};
