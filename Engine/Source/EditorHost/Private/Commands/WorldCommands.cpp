// The world as the operator sees it: list actors, spawn and delete them, open a map, start and stop play.

#include "CoreMinimal.h"
#include "Editor.h"
#include "Engine/Engine.h"
#include "Engine/GameEngine.h"
#include "Engine/World.h"
#include "EngineUtils.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "Components/ActorComponent.h"
#include "HostConsole.h"
#include "LiveLinkComponentController.h"
#include "Misc/OutputDevice.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	/** The world the operator works in: the play world during play-in-editor, else the edited (or game) world. */
	UWorld* GetCurrentWorld()
	{
		if (GEditor)
		{
			return GEditor->PlayWorld ? GEditor->PlayWorld.Get() : GEditor->GetEditorWorldContext().World();
		}
		if (UGameEngine* GameEngine = Cast<UGameEngine>(GEngine))
		{
			return GameEngine->GetGameWorld();
		}
		return nullptr;
	}

	FString DescribeActor(AActor* Actor)
	{
		TArray<FString> TagNames;
		for (const FName& Tag : Actor->Tags)
		{
			TagNames.Add(Tag.ToString());
		}
		FString Line = FString::Printf(TEXT("  %s [%s] tags: %s"), *Actor->GetActorLabel(), *Actor->GetClass()->GetName(), TagNames.Num() > 0 ? *FString::Join(TagNames, TEXT(", ")) : TEXT("(none)"));
		if (const ULiveLinkComponentController* Controller = Actor->GetComponentByClass<ULiveLinkComponentController>())
		{
			Line += FString::Printf(TEXT(" subject: %s"), *Controller->GetSubjectRepresentation().Subject.ToString());
		}
		return Line;
	}

	/** An actor of the current world by label (case-insensitive) or object name. */
	AActor* FindActor(UWorld* World, const FString& LabelOrName)
	{
		for (FActorIterator It(World); It; ++It)
		{
			if (It->GetActorLabel(false).Equals(LabelOrName, ESearchCase::IgnoreCase) || It->GetName().Equals(LabelOrName, ESearchCase::IgnoreCase))
			{
				return *It;
			}
		}
		return nullptr;
	}

	bool RunActors(const FString& Args, FOutputDevice& Ar)
	{
		FString Error;
		if (!FHostConsoleCommands::NoArguments(Args, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("actors: %s. Usage: actors"), *Error));
			return false;
		}
		UWorld* World = GetCurrentWorld();
		if (World == nullptr)
		{
			Ar.Log(TEXT("There is no world."));
			return true;
		}
		TArray<AActor*> Actors;
		for (FActorIterator It(World); It; ++It)
		{
			Actors.Add(*It);
		}
		Ar.Log(FString::Printf(TEXT("World %s (%s), %d actors:"), *World->GetOutermost()->GetName(), World->IsPlayInEditor() ? TEXT("play in editor") : (World->IsGameWorld() ? TEXT("game") : TEXT("editor")), Actors.Num()));
		for (AActor* Actor : Actors)
		{
			Ar.Log(DescribeActor(Actor));
		}
		return true;
	}

	const TCHAR* const SpawnUsage = TEXT("Usage: spawn <ClassPath> [Label] [Tag,Tag...] [controller=<ComponentClass>] [subject=<Subject>]");

	/** What spawn gives the actor before the editor hears of it, as a placed Blueprint's components and tags would be. */
	struct FSpawnRequest
	{
		UClass* Class = nullptr;
		FString Label;
		TArray<FName> Tags;
		UClass* ControllerClass = nullptr;
		FName Subject;
	};

	bool ParseSpawn(const FString& Args, FSpawnRequest& Out, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("spawn: %s. %s"), *Error, SpawnUsage));
			return false;
		}
		TArray<FString> Positional;
		bool bHasSubject = false;
		for (const FString& Word : Words)
		{
			if (Word.StartsWith(TEXT("controller="), ESearchCase::IgnoreCase))
			{
				const FString ClassText = Word.Mid(11);
				Out.ControllerClass = FHostConsoleCommands::FindClass(ClassText, UActorComponent::StaticClass());
				if (Out.ControllerClass == nullptr || Out.ControllerClass->HasAnyClassFlags(CLASS_Abstract))
				{
					Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("spawn: '%s' is not a component class that can be made"), *ClassText));
					return false;
				}
			}
			else if (Word.StartsWith(TEXT("subject="), ESearchCase::IgnoreCase))
			{
				Out.Subject = FName(*Word.Mid(8));
				bHasSubject = true;
			}
			else
			{
				Positional.Add(Word);
			}
		}
		if (Positional.Num() < 1 || Positional.Num() > 3)
		{
			Ar.Log(ELogVerbosity::Error, SpawnUsage);
			return false;
		}
		if (bHasSubject && (Out.ControllerClass == nullptr || !Out.ControllerClass->IsChildOf(ULiveLinkComponentController::StaticClass())))
		{
			Ar.Log(ELogVerbosity::Error, TEXT("spawn: subject= needs controller= naming a LiveLink component controller class"));
			return false;
		}
		Out.Class = FHostConsoleCommands::FindClass(Positional[0], AActor::StaticClass());
		if (Out.Class == nullptr || Out.Class->HasAnyClassFlags(CLASS_Abstract))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("spawn: '%s' is not an actor class that can be placed"), *Positional[0]));
			return false;
		}
		if (Positional.Num() > 1)
		{
			Out.Label = Positional[1];
		}
		if (Positional.Num() > 2)
		{
			TArray<FString> TagNames;
			Positional[2].ParseIntoArray(TagNames, TEXT(","), true);
			for (const FString& Tag : TagNames)
			{
				Out.Tags.Add(FName(*Tag.TrimStartAndEnd()));
			}
		}
		return true;
	}

	bool RunSpawn(const FString& Args, FOutputDevice& Ar)
	{
		FSpawnRequest Request;
		if (!ParseSpawn(Args, Request, Ar))
		{
			return false;
		}
		UWorld* World = GetCurrentWorld();
		if (World == nullptr)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("spawn: there is no world"));
			return false;
		}
		FActorSpawnParameters Parameters;
		Parameters.CustomPreSpawnInitalization = [&Request](AActor* Actor) {
			if (!Request.Label.IsEmpty())
			{
				Actor->SetActorLabel(Request.Label);
			}
			for (const FName& Tag : Request.Tags)
			{
				Actor->Tags.AddUnique(Tag);
			}
			if (Request.ControllerClass)
			{
				UActorComponent* Component = NewObject<UActorComponent>(Actor, Request.ControllerClass, MakeUniqueObjectName(Actor, Request.ControllerClass));
				if (ULiveLinkComponentController* Controller = Cast<ULiveLinkComponentController>(Component))
				{
					Controller->SubjectRepresentation.Subject = Request.Subject;
				}
			}
		};
		AActor* Actor = World->SpawnActor(Request.Class, nullptr, nullptr, Parameters);
		if (Actor == nullptr)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("spawn: the world refused to spawn %s"), *Request.Class->GetPathName()));
			return false;
		}
		Ar.Log(FString::Printf(TEXT("Spawned %s"), *DescribeActor(Actor).TrimStart()));
		return true;
	}

	bool RunDelete(const FString& Args, FOutputDevice& Ar)
	{
		FString Name;
		FString Error;
		if (!FHostConsoleCommands::SingleArgument(Args, Name, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Usage: delete <Label or Name> (%s)"), *Error));
			return false;
		}
		UWorld* World = GetCurrentWorld();
		AActor* Actor = World ? FindActor(World, Name) : nullptr;
		if (Actor == nullptr)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("No actor %s in the current world."), *Name));
			return false;
		}
		const FString Label = Actor->GetActorLabel();
		Actor->Destroy();
		Ar.Log(FString::Printf(TEXT("Deleted %s"), *Label));
		return true;
	}

	bool RunMap(const FString& Args, FOutputDevice& Ar)
	{
		FString Map;
		FString Error;
		if (!FHostConsoleCommands::SingleArgument(Args, Map, Error))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Usage: map <MapPackage> (%s)"), *Error));
			return false;
		}
		if (GEditor == nullptr)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("Maps are opened in the editor only."));
			return false;
		}
		if (!FEditorFileUtils::LoadMap(Map))
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Could not open map %s"), *Map));
			return false;
		}
		Ar.Log(FString::Printf(TEXT("Opened map %s"), *Map));
		return true;
	}

	bool RunPie(const FString& Args, FOutputDevice& Ar)
	{
		FString Verb;
		FString Error;
		const bool bOneWord = FHostConsoleCommands::SingleArgument(Args, Verb, Error);
		const bool bStart = bOneWord && Verb.Equals(TEXT("start"), ESearchCase::IgnoreCase);
		const bool bStop = bOneWord && Verb.Equals(TEXT("stop"), ESearchCase::IgnoreCase);
		if (!bStart && !bStop)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Usage: pie start | pie stop (%s)"), bOneWord ? *FString::Printf(TEXT("not '%s'"), *Verb) : *Error));
			return false;
		}
		if (GEditor == nullptr)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("Play in editor needs the editor."));
			return false;
		}
		// As the toolbar's buttons: the request is served on the next engine frame, which the console runs now.
		if (bStart)
		{
			if (GEditor->PlayWorld)
			{
				Ar.Log(ELogVerbosity::Error, TEXT("pie start: a play session is already running"));
				return false;
			}
			GEditor->RequestPlaySession(FRequestPlaySessionParams());
			GEngine->Tick(0.0f, false);
			Ar.Log(GEditor->PlayWorld ? TEXT("Play in editor started.") : TEXT("Play in editor did not start."));
			return true;
		}
		if (GEditor->PlayWorld == nullptr)
		{
			Ar.Log(ELogVerbosity::Error, TEXT("pie stop: no play session is running"));
			return false;
		}
		GEditor->RequestEndPlayMap();
		GEngine->Tick(0.0f, false);
		Ar.Log(TEXT("Play in editor stopped."));
		return true;
	}

	FHostConsoleCommandRegistrant ActorsCommand(TEXT("actors"), TEXT("lists the current world's actors: label, class, tags, LiveLink subject"), &RunActors);
	FHostConsoleCommandRegistrant SpawnCommand(TEXT("spawn"), TEXT("spawn <ClassPath> [Label] [Tag,Tag...]: spawns an actor in the current world"), &RunSpawn);
	FHostConsoleCommandRegistrant DeleteCommand(TEXT("delete"), TEXT("delete <Label or Name>: deletes an actor of the current world"), &RunDelete);
	FHostConsoleCommandRegistrant MapCommand(TEXT("map"), TEXT("map <MapPackage>: opens a map in the editor"), &RunMap);
	FHostConsoleCommandRegistrant PieCommand(TEXT("pie"), TEXT("pie start | pie stop: starts or ends play in editor as the toolbar's Play and Stop do"), &RunPie);
}
