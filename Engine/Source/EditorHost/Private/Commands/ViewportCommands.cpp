// `viewport`: the level editor's first active viewport: the widgets laid over it, and its show flags.

#include "CoreMinimal.h"
#include "HostConsole.h"
#include "Layout/Children.h"
#include "LevelEditor.h"
#include "LevelEditorViewport.h"
#include "Misc/OutputDevice.h"
#include "Modules/ModuleManager.h"
#include "SLevelViewport.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
	const TCHAR* const ViewportUsage = TEXT("Usage: viewport overlays | viewport showflags | viewport showflag <Name> on|off");

	TSharedPtr<SLevelViewport> FindViewport(FOutputDevice& Ar)
	{
		FLevelEditorModule* LevelEditor = FModuleManager::GetModulePtr<FLevelEditorModule>(TEXT("LevelEditor"));
		TSharedPtr<SLevelViewport> Viewport = LevelEditor ? LevelEditor->GetFirstActiveLevelViewport() : nullptr;
		if (!Viewport.IsValid())
		{
			Ar.Log(ELogVerbosity::Error, TEXT("There is no active level viewport (is this a game run?)"));
		}
		return Viewport;
	}

	/** One line per widget: type, visibility and, for texts, the text in quotes; children indented below. */
	void PrintWidgetTree(const TSharedRef<SWidget>& Widget, int32 Depth, FOutputDevice& Ar)
	{
		FString Line = FString::ChrN(Depth * 2, TEXT(' ')) + Widget->GetTypeAsString() + TEXT(" ") + Widget->GetVisibility().ToString();
		if (Widget->GetType() == FName(TEXT("STextBlock")))
		{
			Line += FString::Printf(TEXT(" \"%s\""), *StaticCastSharedRef<STextBlock>(Widget)->GetText().ToString());
		}
		Ar.Log(Line);
		FChildren* Children = Widget->GetChildren();
		for (int32 Index = 0; Index < Children->Num(); ++Index)
		{
			PrintWidgetTree(Children->GetChildAt(Index), Depth + 1, Ar);
		}
	}

	bool RunViewport(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error))
		{
			Ar.Log(ELogVerbosity::Error, Error);
			return false;
		}
		if (Words.Num() == 0)
		{
			Ar.Log(ELogVerbosity::Error, ViewportUsage);
			return false;
		}
		const FString Verb = Words[0];

		if (Verb.Equals(TEXT("overlays"), ESearchCase::IgnoreCase) && Words.Num() == 1)
		{
			const TSharedPtr<SLevelViewport> Viewport = FindViewport(Ar);
			if (!Viewport.IsValid())
			{
				return false;
			}
			// The overlay's first layer is the view itself; the rest were laid over it.
			FChildren* Layers = Viewport->GetViewportOverlayForHost()->GetChildren();
			Ar.Log(FString::Printf(TEXT("Overlay widgets of the level viewport (%d):"), Layers->Num() - 1));
			for (int32 Index = 1; Index < Layers->Num(); ++Index)
			{
				PrintWidgetTree(Layers->GetChildAt(Index), 1, Ar);
			}
			return true;
		}

		if (Verb.Equals(TEXT("showflags"), ESearchCase::IgnoreCase) && Words.Num() == 1)
		{
			const TSharedPtr<SLevelViewport> Viewport = FindViewport(Ar);
			if (!Viewport.IsValid())
			{
				return false;
			}
			Ar.Log(Viewport->GetLevelViewportClient().EngineShowFlags.ToString());
			return true;
		}

		if (Verb.Equals(TEXT("showflag"), ESearchCase::IgnoreCase) && Words.Num() == 3)
		{
			const int32 FlagIndex = FEngineShowFlags::FindIndexByName(*Words[1]);
			if (FlagIndex == INDEX_NONE)
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No show flag named %s (run `viewport showflags` to list them)"), *Words[1]));
				return false;
			}
			const bool bOn = Words[2].Equals(TEXT("on"), ESearchCase::IgnoreCase);
			if (!bOn && !Words[2].Equals(TEXT("off"), ESearchCase::IgnoreCase))
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("A show flag is on or off, not '%s'"), *Words[2]));
				return false;
			}
			const TSharedPtr<SLevelViewport> Viewport = FindViewport(Ar);
			if (!Viewport.IsValid())
			{
				return false;
			}
			Viewport->GetLevelViewportClient().EngineShowFlags.SetSingleFlag(FlagIndex, bOn);
			Ar.Log(FString::Printf(TEXT("%s %s"), *FEngineShowFlags::FindNameByIndex(FlagIndex), bOn ? TEXT("on") : TEXT("off")));
			return true;
		}

		Ar.Log(ELogVerbosity::Error, ViewportUsage);
		return false;
	}

	FHostConsoleCommandRegistrant ViewportCommand(TEXT("viewport"),
		TEXT("viewport overlays: the widgets laid over the first active level viewport, as a tree; viewport showflags | showflag <Name> on|off: its show flags"),
		&RunViewport);
}
