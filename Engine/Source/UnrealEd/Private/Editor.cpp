#include "Editor.h"

#include "Components/ActorComponent.h"
#include "Components/SceneComponent.h"
#include "CoreGlobals.h"
#include "Engine/Level.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"

FEditorDelegates::FOnPIEEvent FEditorDelegates::PreBeginPIE;
FEditorDelegates::FOnPIEEvent FEditorDelegates::BeginPIE;
FEditorDelegates::FOnPIEEvent FEditorDelegates::PostPIEStarted;
FEditorDelegates::FOnPIEEvent FEditorDelegates::PrePIEEnded;
FEditorDelegates::FOnPIEEvent FEditorDelegates::EndPIE;
FEditorDelegates::FOnPIEEvent FEditorDelegates::ShutdownPIE;
FEditorDelegates::FOnPIEEvent FEditorDelegates::PausePIE;
FEditorDelegates::FOnPIEEvent FEditorDelegates::ResumePIE;
FEditorDelegates::FOnPIEEvent FEditorDelegates::SingleStepPIE;
FEditorDelegates::FOnMapOpened FEditorDelegates::OnMapOpened;

namespace
{
	/** The world play-in-editor code currently runs in; the editor world otherwise. */
	UWorld* GCurrentEditorOrPlayWorld = nullptr;

	bool IsPlayInEditorActor(const AActor* Actor)
	{
		return Actor->GetOutermost()->HasAnyPackageFlags(PKG_PlayInEditor);
	}

	AActor* FindActorByName(UWorld* World, FName Name)
	{
		if (World == nullptr || World->PersistentLevel == nullptr)
		{
			return nullptr;
		}
		AActor* Found = Cast<AActor>(StaticFindObjectFast(AActor::StaticClass(), World->PersistentLevel, Name));
		return IsValid(Found) && !Found->IsPendingKillPending() ? Found : nullptr;
	}
}

UWorld* SetPlayInEditorWorld(UWorld* PlayInEditorWorld)
{
	checkf(PlayInEditorWorld && PlayInEditorWorld->WorldType == EWorldType::PIE, TEXT("SetPlayInEditorWorld needs a play-in-editor world"));
	UWorld* Previous = GCurrentEditorOrPlayWorld ? GCurrentEditorOrPlayWorld : (GEditor ? GEditor->GetEditorWorldContext().World() : nullptr);
	GCurrentEditorOrPlayWorld = PlayInEditorWorld;
	GIsPlayInEditorWorld = true;
	return Previous;
}

void RestoreEditorWorld(UWorld* EditorWorld)
{
	GIsPlayInEditorWorld = EditorWorld != nullptr && EditorWorld->WorldType == EWorldType::PIE;
	// Only a play world is remembered: the edited world is asked of the editor each time, so a map change
	// or a new editor never hands back a world that is gone.
	GCurrentEditorOrPlayWorld = GIsPlayInEditorWorld ? EditorWorld : nullptr;
}

namespace EditorUtilities
{
	AActor* GetSimWorldCounterpartActor(AActor* Actor)
	{
		if (GEditor == nullptr || GEditor->PlayWorld == nullptr || !IsValid(Actor) || IsPlayInEditorActor(Actor))
		{
			return nullptr;
		}
		if (Actor->GetWorld() != GEditor->GetEditorWorldContext().World())
		{
			return nullptr;
		}
		return FindActorByName(GEditor->PlayWorld, Actor->GetFName());
	}

	AActor* GetEditorWorldCounterpartActor(AActor* Actor)
	{
		if (GEditor == nullptr || !IsValid(Actor) || !IsPlayInEditorActor(Actor))
		{
			return nullptr;
		}
		return FindActorByName(GEditor->GetEditorWorldContext().World(), Actor->GetFName());
	}

	/** A scene component's placement relative to its parent. */
	static bool IsTransformProperty(const FProperty* Property, const UObject& Object)
	{
		return Object.IsA(USceneComponent::StaticClass()) && (Property->GetFName() == FName(TEXT("RelativeLocation")) || Property->GetFName() == FName(TEXT("RelativeRotation")));
	}

	/** Whether a property of an object may be copied between worlds under Options. */
	static bool ShouldCopyProperty(FProperty* Property, UObject& Target, const FCopyOptions& Options)
	{
		if (Property->HasAnyPropertyFlags(CPF_Transient | CPF_DuplicateTransient | CPF_NonPIEDuplicateTransient | CPF_Deprecated))
		{
			return false;
		}
		if ((Options.Flags & ECopyOptions::OnlyCopyEditOrInterpProperties) && !Property->HasAnyPropertyFlags(CPF_Edit | CPF_Interp))
		{
			return false;
		}
		// A moved component keeps its place even though Blueprints may only read it: keeping simulation changes is
		// mostly about where things ended up.
		if ((Options.Flags & ECopyOptions::FilterBlueprintReadOnly) && Property->HasAnyPropertyFlags(CPF_BlueprintReadOnly) && !IsTransformProperty(Property, Target))
		{
			return false;
		}
		if ((Options.Flags & ECopyOptions::SkipInstanceOnlyProperties) && Property->HasAnyPropertyFlags(CPF_DisableEditOnTemplate))
		{
			return false;
		}
		// References would point the editor object into the play world, so only values are copied.
		if (CastField<FObjectPropertyBase>(Property) != nullptr)
		{
			return false;
		}
		return Options.CanCopyProperty(*Property, Target);
	}

	/** Copies the differing properties of one object to another of the same class; returns how many differed. */
	static int32 CopyObjectProperties(UObject& Source, UObject& Target, const FCopyOptions& Options, bool& bOutTransformChanged)
	{
		int32 Copied = 0;
		for (TFieldIterator<FProperty> It(Source.GetClass()); It; ++It)
		{
			FProperty* Property = *It;
			if (!ShouldCopyProperty(Property, Target, Options) || Property->Identical_InContainer(&Source, &Target))
			{
				continue;
			}
			++Copied;
			if (Options.Flags & ECopyOptions::PreviewOnly)
			{
				continue;
			}
			Property->CopyCompleteValue_InContainer(&Target, &Source);
			if (IsTransformProperty(Property, Target))
			{
				bOutTransformChanged = true;
			}
			if (Options.Flags & ECopyOptions::CallPostEditChangeProperty)
			{
				FPropertyChangedEvent ChangedEvent(Property);
				Target.PostEditChangeProperty(ChangedEvent);
			}
		}
		return Copied;
	}

	int32 CopyActorProperties(AActor* SourceActor, AActor* TargetActor, const FCopyOptions& Options)
	{
		if (!IsValid(SourceActor) || !IsValid(TargetActor) || SourceActor->GetClass() != TargetActor->GetClass())
		{
			return 0;
		}

		bool bTransformChanged = false;
		int32 Copied = CopyObjectProperties(*SourceActor, *TargetActor, Options, bTransformChanged);

		// Components are matched by name: a component made by the class has the same name in both worlds.
		for (UActorComponent* SourceComponent : SourceActor->GetComponents())
		{
			for (UActorComponent* TargetComponent : TargetActor->GetComponents())
			{
				if (TargetComponent->GetFName() == SourceComponent->GetFName() && TargetComponent->GetClass() == SourceComponent->GetClass())
				{
					Copied += CopyObjectProperties(*SourceComponent, *TargetComponent, Options, bTransformChanged);
					break;
				}
			}
		}

		if (Copied > 0 && !(Options.Flags & ECopyOptions::PreviewOnly))
		{
			TargetActor->GetOutermost()->MarkPackageDirty();
			if (bTransformChanged && (Options.Flags & ECopyOptions::CallPostEditMove))
			{
				TargetActor->PostEditMove(true);
			}
		}
		return Copied;
	}
}
