// Boots the demo stage with maps of its own and watches what the VP subsystem's listeners hear.
#pragma once

#include "QuovexEditorTestFixture.h"
#include "EngineTestPrinters.h"

#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorHost.h"
#include "Engine/World.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "HostLogCapture.h"
#include "QuovexCamera.h"
#include "QuovexEditorFunctionLibrary.h"
#include "QuovexLiveLinkComponentController.h"
#include "QuovexTags.h"
#include "QuovexVPEditorSubsystem.h"

#include <string>

/** Readable failures for the label lists the tests compare. */
inline void PrintTo(const TArray<FString>& Value, std::ostream* Os)
{
	*Os << "{";
	for (int32 Index = 0; Index < Value.Num(); ++Index)
	{
		*Os << (Index > 0 ? ", \"" : " \"") << TCHAR_TO_UTF8(*Value[Index]) << "\"";
	}
	*Os << " }";
}

namespace QuovexTest
{
	class FVPSubsystemTest : public FQuovexEditorTest
	{
	protected:
		void SetUp() override
		{
			FQuovexEditorTest::SetUp();
			WriteMap("Empty", "");
		}

		void TearDown() override
		{
			if (UQuovexVPEditorSubsystem* Subsystem = UQuovexVPEditorSubsystem::Get())
			{
				Subsystem->OnActiveCameraChanged().RemoveAll(this);
			}
			FQuovexEditorTest::TearDown();
		}

		/** A map of the demo project from actor entries of the stand-in asset form. */
		void WriteMap(const std::string& Name, const std::string& ActorsJson)
		{
			HostTest::WriteFile(Temp.Path("Demo/Content/Maps/" + Name + ".umap.json"),
				R"({ "Class": "/Script/Engine.World", "Subobjects": [ { "Name": "PersistentLevel", "Class": "/Script/Engine.Level", "Subobjects": [ )" + ActorsJson + " ] } ] }");
		}

		/** One actor entry: a Quovex camera unless Class says otherwise. */
		static std::string ActorJson(const std::string& Name, const std::string& Label, const std::string& Tags, const std::string& Class = "/Script/QuovexVirtualProduction.QuovexCamera")
		{
			return "{ \"Name\": \"" + Name + "\", \"Class\": \"" + Class + "\", \"Properties\": { \"ActorLabel\": \"\\\"" + Label + "\\\"\", \"Tags\": \"(" + Tags + ")\" } }";
		}

		/** Boots, watches the subsystem's events and records every native camera notification. */
		void BootAndWatch()
		{
			ASSERT_TRUE(Boot());
			ASSERT_NE(Subsystem(), nullptr);
			Subsystem()->OnActiveCameraChanged().AddRaw(this, &FVPSubsystemTest::RecordNative);
			ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.WatchEvents"), Console));
			Log.Clear();
			Native.Empty();
		}

		void OpenMap(const TCHAR* Name)
		{
			ASSERT_TRUE(FEditorFileUtils::LoadMap(FString(TEXT("/Game/Maps/")) + Name));
		}

		static UQuovexVPEditorSubsystem* Subsystem()
		{
			return UQuovexVPEditorSubsystem::Get();
		}

		static UWorld* World()
		{
			return UQuovexEditorFunctionLibrary::GetCurrentWorld();
		}

		/** Places an actor as the editor does, its tags and controller in place before anyone hears of it. */
		template<typename ActorType = AQuovexCamera>
		static ActorType* Place(const TCHAR* Label, TArray<FName> Tags = {}, bool bController = false, FName Subject = NAME_None)
		{
			FActorSpawnParameters Parameters;
			Parameters.CustomPreSpawnInitalization = [&](AActor* Actor) {
				Actor->SetActorLabel(Label);
				for (const FName& Tag : Tags)
				{
					Actor->Tags.AddUnique(Tag);
				}
				if (bController)
				{
					UQuovexLiveLinkComponentController* Controller = NewObject<UQuovexLiveLinkComponentController>(Actor, TEXT("TrackerController"));
					Controller->SubjectRepresentation.Subject = Subject;
				}
			};
			return Cast<ActorType>(World()->SpawnActor(ActorType::StaticClass(), nullptr, nullptr, Parameters));
		}

		static AQuovexCamera* PlaceSequenceSpawned(const TCHAR* Label, bool bController = false)
		{
			return Place(Label, { QuovexTags::TAG_CAMERA, QuovexTags::TAG_SEQUENCE_SPAWNED }, bController);
		}

		static UQuovexLiveLinkComponentController* ControllerOf(const AActor* Actor)
		{
			return Actor ? Actor->GetComponentByClass<UQuovexLiveLinkComponentController>() : nullptr;
		}

		static FString SubjectOf(const AActor* Actor)
		{
			const UQuovexLiveLinkComponentController* Controller = ControllerOf(Actor);
			return Controller ? Controller->SubjectRepresentation.Subject.ToString() : FString(TEXT("(no controller)"));
		}

		static FString Label(const AActor* Actor)
		{
			return Actor ? Actor->GetActorLabel(false) : FString(TEXT("none"));
		}

		/** Labels of the native notifications since the last reset, then forgets them. */
		TArray<FString> TakeNative()
		{
			TArray<FString> Taken = MoveTemp(Native);
			Native.Empty();
			return Taken;
		}

		/** Blueprint delegate broadcasts seen by the watcher since the last reset, then forgets them. */
		int32 TakeBlueprint()
		{
			int32 Count = 0;
			for (const FString& Line : Log.GetLines())
			{
				Count += Line.Contains(TEXT("ActiveCameraChangedDelegate broadcast")) ? 1 : 0;
			}
			Log.Clear();
			return Count;
		}

		/** Both notifications, counted and forgotten: "label x native / blueprint". */
		void ExpectNotified(const TArray<FString>& ExpectedNative)
		{
			const int32 Blueprint = TakeBlueprint();
			EXPECT_EQ(TakeNative(), ExpectedNative);
			EXPECT_EQ(Blueprint, ExpectedNative.Num());
		}

		void RecordNative(TWeakObjectPtr<AActor> Camera)
		{
			Native.Add(Camera.IsValid() ? Label(Camera.Get()) : FString(TEXT("none")));
		}

		FHostLogCapture Log;
		FHostLogCapture Console;
		TArray<FString> Native;
	};
}
