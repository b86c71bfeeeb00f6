// Copyright Quovex. All Rights Reserved.

// The words of a Quovex.* console command, read the one way every command of the editor's console reads its own.

#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "HAL/IConsoleManager.h"

class FOutputDevice;
class UWorld;

namespace QuovexConsoleWords
{
	/**
	 * The engine's console hands a command its line cut at white space; the words are joined again and split so
	 * that white space separates words, double quotes group them (the quotes are dropped; "" is an empty word) and
	 * a backslash takes the next character as it is. False, with the reason, on an open quote or a trailing backslash.
	 */
	bool Split(const TArray<FString>& Args, TArray<FString>& OutWords, FString& OutError);

	/** A command handler that takes the split words. */
	using FHandler = void (*)(const TArray<FString>& Words, UWorld* World, FOutputDevice& Ar);

	/** The delegate to register Command with: it runs Handler on the words, or fails with an Error naming what was wrong. */
	FConsoleCommandWithWorldArgsAndOutputDeviceDelegate InWords(const TCHAR* Command, FHandler Handler);
}
