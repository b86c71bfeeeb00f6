// The editor's globals, its events, and helpers between the editor world and a play world.

#pragma once

#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "Editor/EditorEngine.h"
#include "Editor/UnrealEdEngine.h"

class AActor;
class UWorld;
class FProperty;

/** The editor engine; null when the process runs as a game. */
extern UNREALED_API class UEditorEngine* GEditor;

/** Editor-wide events. */
struct UNREALED_API FEditorDelegates
{
	/** Delegate for a PIE event (begin, end, pause/resume, etc) (Params: bool bIsSimulating) */
	DECLARE_MULTICAST_DELEGATE_OneParam(FOnPIEEvent, const bool);
	/** Delegate used when a map is opened (Params: const FString& Filename, bool bAsTemplate) */
	DECLARE_MULTICAST_DELEGATE_TwoParams(FOnMapOpened, const FString& /* Filename */, bool /*bAsTemplate*/);

	/** Sent when a PIE session is beginning (before we decide if PIE can run - allows clients to avoid blocking PIE) */
	static FOnPIEEvent PreBeginPIE;
	/** Sent when a PIE session is beginning (but hasn't actually started yet) */
	static FOnPIEEvent BeginPIE;
	/** Sent when a PIE session has fully started and after BeginPlay() has been called */
	static FOnPIEEvent PostPIEStarted;
	/** Sent when a PIE session is ending, before anything else happens */
	static FOnPIEEvent PrePIEEnded;
	/** Sent when a PIE session is ending */
	static FOnPIEEvent EndPIE;
	/** Sent when a PIE session is completely shut down, after everything else happened */
	static FOnPIEEvent ShutdownPIE;
	/** Sent when a PIE session is paused */
	static FOnPIEEvent PausePIE;
	/** Sent when a PIE session is resumed */
	static FOnPIEEvent ResumePIE;
	/** Sent when a PIE session is single-stepped */
	static FOnPIEEvent SingleStepPIE;
	/** Called when a map is opened, giving map name, and whether it was a template */
	static FOnMapOpened OnMapOpened;
};

/** Makes the play world the current one for play-in-editor code; returns the world that was current. */
UNREALED_API UWorld* SetPlayInEditorWorld(UWorld* PlayInEditorWorld);

/** Makes the editor world current again after SetPlayInEditorWorld. */
UNREALED_API void RestoreEditorWorld(UWorld* EditorWorld);

namespace EditorUtilities
{
	/** Given an actor in the editor world, its counterpart in the play world, or null. */
	UNREALED_API AActor* GetSimWorldCounterpartActor(AActor* Actor);

	/** Given an actor in the play world, its counterpart in the editor world, or null. */
	UNREALED_API AActor* GetEditorWorldCounterpartActor(AActor* Actor);

	namespace ECopyOptions
	{
		/** What CopyActorProperties does besides copying. */
		enum Type
		{
			/** Default copy options */
			Default = 0,
			/** Set this option to preview the changes and not actually copy anything. */
			PreviewOnly = 1 << 0,
			/** Call PostEditChangeProperty for each modified property */
			CallPostEditChangeProperty = 1 << 1,
			/** Call PostEditMove if we detect that a transform property was changed */
			CallPostEditMove = 1 << 2,
			/** Copy only Edit and Interp properties. */
			OnlyCopyEditOrInterpProperties = 1 << 3,
			/** Propagate property changes to archetype instances if the target actor is a CDO */
			PropagateChangesToArchetypeInstances = 1 << 4,
			/** Filters out Blueprint Read-only properties */
			FilterBlueprintReadOnly = 1 << 5,
			/** Filters out properties that are marked instance only. */
			SkipInstanceOnlyProperties = 1 << 6,
		};
	}

	/** Options of CopyActorProperties. */
	struct FCopyOptions
	{
		FCopyOptions(const ECopyOptions::Type InFlags)
			: Flags(InFlags)
		{
		}

		/** Whether a property passes the filter (true when there is none). */
		bool CanCopyProperty(FProperty& Property, UObject& Object) const
		{
			return !PropertyFilter || PropertyFilter(Property, Object);
		}

		/** Flags of the copy. */
		ECopyOptions::Type Flags;

		/** Optional filter: return false to skip a property. */
		TFunction<bool(FProperty&, UObject&)> PropertyFilter;
	};

	/** Copies the differing property values of SourceActor (and its components) to TargetActor; returns how many were copied. */
	UNREALED_API int32 CopyActorProperties(AActor* SourceActor, AActor* TargetActor, const FCopyOptions& Options);
}
