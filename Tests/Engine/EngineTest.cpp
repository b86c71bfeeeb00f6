// Contract tests of the engine stand-in: console execution, worlds, actors and tag queries.

#include "EngineTestEnvironment.h"

#include "Camera/CameraActor.h"
#include "Camera/CameraComponent.h"
#include "Components/SceneComponent.h"
#include "Engine/Blueprint.h"
#include "Engine/BlueprintGeneratedClass.h"
#include "GameFramework/Actor.h"
#include "HAL/IConsoleManager.h"
#include "Kismet/GameplayStatics.h"
#include "UObject/WeakObjectPtr.h"

#include <gtest/gtest.h>

namespace
{
	AActor* SpawnTagged(UWorld* World, const TCHAR* Name, TArray<FName> InTags)
	{
		FActorSpawnParameters Params;
		Params.Name = FName(Name);
		AActor* Actor = World->SpawnActor<AActor>(Params);
		Actor->Tags = InTags;
		return Actor;
	}

	TArray<FString> NamesOf(const TArray<AActor*>& Actors)
	{
		TArray<FString> Names;
		for (AActor* Actor : Actors)
		{
			Names.Add(Actor->GetName());
		}
		return Names;
	}
}

TEST(EngineExec, ConsoleVariablesAreSetThroughTheEngine)
{
	FScopedTestEngine Engine;
	IConsoleVariable* Variable = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.EngineExecValue"), 1, TEXT("test"));

	EXPECT_TRUE(GEngine->Exec(nullptr, TEXT("Test.EngineExecValue 7")));
	EXPECT_EQ(Variable->GetInt(), 7);
	EXPECT_FALSE(GEngine->Exec(nullptr, TEXT("Test.NoSuchCommandAnywhere 1")));

	IConsoleManager::Get().UnregisterConsoleObject(TEXT("Test.EngineExecValue"), false);
}

TEST(EngineExec, LevelSequenceRatesStartAtTheEngineDefaultsAndTakeQuotedValues)
{
	FScopedTestEngine Engine;
	IConsoleVariable* DisplayRate = IConsoleManager::Get().FindConsoleVariable(TEXT("LevelSequence.DefaultDisplayRate"));
	IConsoleVariable* TickResolution = IConsoleManager::Get().FindConsoleVariable(TEXT("LevelSequence.DefaultTickResolution"));
	ASSERT_NE(DisplayRate, nullptr);
	ASSERT_NE(TickResolution, nullptr);
	EXPECT_EQ(DisplayRate->GetString(), FString(TEXT("30fps")));
	EXPECT_EQ(TickResolution->GetString(), FString(TEXT("24000fps")));

	EXPECT_TRUE(GEngine->Exec(nullptr, TEXT("LevelSequence.DefaultDisplayRate \"25fps\""), *GLog));
	EXPECT_EQ(DisplayRate->GetString(), FString(TEXT("25fps")));
	DisplayRate->Set(TEXT("30fps"));
}

TEST(WorldActors, TagQueriesReturnLiveActorsInLevelOrder)
{
	FScopedTestEngine Engine;
	UWorld* World = Engine.GetWorld();
	const FName Camera(TEXT("Camera"));
	AActor* First = SpawnTagged(World, TEXT("First"), { Camera });
	SpawnTagged(World, TEXT("Untagged"), { FName(TEXT("Other")) });
	SpawnTagged(World, TEXT("Second"), { FName(TEXT("Other")), FName(TEXT("camera")) });
	SpawnTagged(World, TEXT("Third"), { Camera });

	TArray<AActor*> Found;
	UGameplayStatics::GetAllActorsWithTag(World, Camera, Found);
	EXPECT_EQ(NamesOf(Found), (TArray<FString>{ TEXT("First"), TEXT("Second"), TEXT("Third") }));

	First->Destroy();
	UGameplayStatics::GetAllActorsWithTag(World, Camera, Found);
	EXPECT_EQ(NamesOf(Found), (TArray<FString>{ TEXT("Second"), TEXT("Third") }));

	// No tag is no actors, and the output is emptied rather than appended to.
	UGameplayStatics::GetAllActorsWithTag(World, NAME_None, Found);
	EXPECT_EQ(Found.Num(), 0);
}

TEST(WorldActors, QueriesWithoutAWorldWarnAndReturnNothing)
{
	FScopedTestEngine Engine;
	FEngineTestLogCapture Log;
	TArray<AActor*> Found;
	Found.Add(nullptr);
	UGameplayStatics::GetAllActorsOfClass(nullptr, AActor::StaticClass(), Found);
	EXPECT_EQ(Found.Num(), 0);
	EXPECT_EQ(Log.Count(TEXT("A null object was passed as a world context object"), ELogVerbosity::Warning), 1);

	// A class default object lives in no world.
	UGameplayStatics::GetAllActorsWithTag(GetDefault<AActor>(), FName(TEXT("Any")), Found);
	EXPECT_EQ(Log.Count(TEXT("No world was found for object"), ELogVerbosity::Warning), 1);
}

TEST(WorldActors, SpawnRefusesWhatCannotBeAnActorAndResolvesNameClashesByMode)
{
	FScopedTestEngine Engine;
	UWorld* World = Engine.GetWorld();
	FEngineTestLogCapture Log;

	EXPECT_EQ(World->SpawnActor(nullptr), nullptr);
	EXPECT_EQ(World->SpawnActor(UCameraComponent::StaticClass()), nullptr);
	EXPECT_EQ(Log.Count(TEXT("is not an actor class"), ELogVerbosity::Warning), 1);

	FActorSpawnParameters Params;
	Params.Name = FName(TEXT("Taken"));
	AActor* Original = World->SpawnActor<AActor>(Params);
	ASSERT_NE(Original, nullptr);

	Params.NameMode = ESpawnActorNameMode::Required_ReturnNull;
	EXPECT_EQ(World->SpawnActor<AActor>(Params), nullptr);

	Params.NameMode = ESpawnActorNameMode::Required_ErrorAndReturnNull;
	EXPECT_EQ(World->SpawnActor<AActor>(Params), nullptr);
	EXPECT_EQ(Log.Count(TEXT("An actor of name 'Taken' already exists"), ELogVerbosity::Error), 1);

	Params.NameMode = ESpawnActorNameMode::Requested;
	AActor* Renamed = World->SpawnActor<AActor>(Params);
	ASSERT_NE(Renamed, nullptr);
	EXPECT_NE(Renamed->GetFName(), Original->GetFName());
	EXPECT_EQ(World->PersistentLevel->Actors.Num(), 2);
}

TEST(WorldActors, EditorLevelEventsAnnounceSpawnAndDeletionButNotTeardown)
{
	FScopedTestEngine Engine;
	UWorld* World = Engine.GetWorld();
	TArray<FString> Events;
	bool bDeletedWasStillValid = false;
	GEngine->OnLevelActorAdded().AddLambda([&Events](AActor* Actor) { Events.Add(TEXT("added ") + Actor->GetName()); });
	GEngine->OnLevelActorDeleted().AddLambda([&](AActor* Actor) {
		Events.Add(TEXT("deleted ") + Actor->GetName());
		bDeletedWasStillValid = IsValid(Actor);
	});

	AActor* Doomed = SpawnTagged(World, TEXT("Doomed"), {});
	AActor* Survivor = SpawnTagged(World, TEXT("Survivor"), {});
	TWeakObjectPtr<AActor> WeakDoomed(Doomed);
	TWeakObjectPtr<AActor> WeakSurvivor(Survivor);
	EXPECT_TRUE(Doomed->Destroy());

	EXPECT_EQ(Events, (TArray<FString>{ TEXT("added Doomed"), TEXT("added Survivor"), TEXT("deleted Doomed") }));
	EXPECT_TRUE(bDeletedWasStillValid);
	EXPECT_FALSE(WeakDoomed.IsValid());
	EXPECT_TRUE(Doomed->IsPendingKillPending());

	// Tearing a world down makes its actors stale without announcing each one.
	World->DestroyWorld(false);
	EXPECT_EQ(Events.Num(), 3);
	EXPECT_FALSE(WeakSurvivor.IsValid());

	GEditor->GetEditorWorldContext().SetCurrentWorld(UWorld::CreateWorld(EWorldType::Editor, false));
}

TEST(WorldActors, GameWorldsDoNotAnnounceLevelActors)
{
	FScopedTestEngine Engine(true);
	int32 Announced = 0;
	GEngine->OnLevelActorAdded().AddLambda([&Announced](AActor*) { ++Announced; });
	AActor* Actor = Engine.GetWorld()->SpawnActor<AActor>();
	ASSERT_NE(Actor, nullptr);
	EXPECT_EQ(Announced, 0);
	// The game world plays, so a spawned actor begins play at once.
	EXPECT_TRUE(Actor->HasActorBegunPlay());
}

TEST(ActorLabels, UnlabelledActorsGetAStableClassLabel)
{
	FScopedTestEngine Engine;
	ACameraActor* Camera = Engine.GetWorld()->SpawnActor<ACameraActor>();
	EXPECT_TRUE(Camera->GetActorLabel(false).IsEmpty());
	const FString Label = Camera->GetActorLabel();
	EXPECT_TRUE(Label.StartsWith(TEXT("CameraActor")));
	EXPECT_EQ(Camera->GetActorLabel(false), Label);

	Camera->SetActorLabel(TEXT("  Camera A "));
	EXPECT_EQ(Camera->GetActorLabel(), FString(TEXT("Camera A")));
	// The label is not the object name.
	EXPECT_NE(Camera->GetName(), FString(TEXT("Camera A")));
}

TEST(ActorTransforms, AttachedComponentsFollowTheirParent)
{
	FScopedTestEngine Engine;
	const FVector Location(100.0, 200.0, 300.0);
	const FRotator Facing(0.0, 90.0, 0.0);
	ACameraActor* Camera = Engine.GetWorld()->SpawnActor<ACameraActor>(Location, Facing);
	ASSERT_NE(Camera, nullptr);
	EXPECT_EQ(Camera->GetActorLocation(), Location);

	UCameraComponent* Lens = Camera->GetCameraComponent();
	ASSERT_NE(Lens, nullptr);
	EXPECT_EQ(Lens->GetOwner(), Camera);
	EXPECT_EQ(Camera->GetComponentByClass<UCameraComponent>(), Lens);

	// One unit forward of a root turned 90 degrees of yaw is one unit along +Y.
	Lens->SetRelativeLocation(FVector(10.0, 0.0, 0.0));
	const FVector LensLocation = Lens->GetComponentLocation();
	EXPECT_NEAR(LensLocation.X, 100.0, 1e-6);
	EXPECT_NEAR(LensLocation.Y, 210.0, 1e-6);
	EXPECT_NEAR(LensLocation.Z, 300.0, 1e-6);

	Lens->SetRelativeRotation(FRotator(10.0, 20.0, 0.0));
	const FRotator LensRotation = Lens->GetComponentRotation();
	EXPECT_NEAR(LensRotation.Pitch, 10.0, 1e-6);
	EXPECT_NEAR(LensRotation.Yaw, 110.0, 1e-6);
	EXPECT_NEAR(LensRotation.Roll, 0.0, 1e-6);

	Lens->SetWorldRotation(FRotator(0.0, 45.0, 0.0));
	EXPECT_NEAR(Lens->GetRelativeRotation().Yaw, -45.0, 1e-6);
}

TEST(BlueprintAssets, LoadingMakesAGeneratedClassFromTheParent)
{
	FScopedTestEngine Engine;
	Engine.WriteProjectFile("Content/Blueprints/BP_Camera.uasset.json", R"({ "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "/Script/Engine.CameraActor" } })");
	Engine.WriteProjectFile("Content/Blueprints/BP_Orphan.uasset.json", R"({ "Class": "/Script/Engine.Blueprint" })");

	UBlueprint* Blueprint = LoadObject<UBlueprint>(nullptr, TEXT("/Game/Blueprints/BP_Camera.BP_Camera"));
	ASSERT_NE(Blueprint, nullptr);
	UClass* Generated = Blueprint->GeneratedClass;
	ASSERT_NE(Generated, nullptr);
	EXPECT_EQ(Generated->GetName(), FString(TEXT("BP_Camera_C")));
	EXPECT_TRUE(Generated->IsChildOf(ACameraActor::StaticClass()));
	EXPECT_EQ(Generated->GetClass(), UBlueprintGeneratedClass::StaticClass());
	EXPECT_EQ(CastChecked<UBlueprintGeneratedClass>(Generated)->GetGeneratedBy(), Blueprint);

	// Instances are cameras, labelled after the Blueprint.
	AActor* Spawned = Engine.GetWorld()->SpawnActor<AActor>(Generated);
	ASSERT_NE(Spawned, nullptr);
	EXPECT_NE(Cast<ACameraActor>(Spawned), nullptr);
	EXPECT_TRUE(Spawned->GetActorLabel().StartsWith(TEXT("BP_Camera")));
	EXPECT_FALSE(Spawned->GetActorLabel().StartsWith(TEXT("BP_Camera_C")));

	FEngineTestLogCapture Log;
	UBlueprint* Orphan = LoadObject<UBlueprint>(nullptr, TEXT("/Game/Blueprints/BP_Orphan.BP_Orphan"));
	ASSERT_NE(Orphan, nullptr);
	EXPECT_EQ(Orphan->GeneratedClass, nullptr);
	EXPECT_EQ(Log.Count(TEXT("BP_Orphan has no parent class"), ELogVerbosity::Warning), 1);
}

TEST(BlueprintAssets, ABlueprintWhoseClassNameIsTakenOrTooLongHasNoClassAndTheRestLoads)
{
	FScopedTestEngine Engine;
	// Two Blueprints of one name in one package (the file can nest them; the engine's packages cannot), a package whose
	// asset holds the name a Blueprint's class would take, and a Blueprint whose name leaves no room for "_C".
	Engine.WriteProjectFile("Content/Blueprints/BP_Twins.uasset.json", R"({ "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "/Script/Engine.CameraActor" },
		"Subobjects": [ { "Name": "Inner", "Class": "/Script/Engine.Actor", "Subobjects": [ { "Name": "BP_Twins", "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "/Script/Engine.Actor" } } ] } ] })");
	Engine.WriteProjectFile("Content/Blueprints/BP_Taken.uasset.json", R"({ "Class": "/Script/Engine.Actor", "Name": "Thing_C",
		"Subobjects": [ { "Name": "Thing", "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "/Script/Engine.Actor" } } ] })");
	// "Default__" + name + "_C" is the longest name a Blueprint makes: 1,013 characters leave it no room, 1,012 do.
	const std::string TooLong(1013, 'L');
	const std::string Longest(1012, 'K');
	Engine.WriteProjectFile("Content/Blueprints/BP_Long.uasset.json", R"({ "Class": "/Script/Engine.Actor", "Subobjects": [
		{ "Name": ")"
			+ TooLong + R"(", "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "/Script/Engine.Actor" } },
		{ "Name": ")"
			+ Longest + R"(", "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "/Script/Engine.Actor" } } ] })");

	FEngineTestLogCapture Log;
	// Children load first: the nested twin takes BP_Twins_C, the top-level one finds it taken.
	UBlueprint* Twins = LoadObject<UBlueprint>(nullptr, TEXT("/Game/Blueprints/BP_Twins.BP_Twins"));
	ASSERT_NE(Twins, nullptr);
	EXPECT_EQ(Twins->GeneratedClass, nullptr);
	EXPECT_EQ(Log.Count(TEXT("Blueprint /Game/Blueprints/BP_Twins.BP_Twins cannot make its class: /Game/Blueprints/BP_Twins.BP_Twins_C is taken by a BlueprintGeneratedClass"), ELogVerbosity::Warning), 1);

	AActor* Taken = LoadObject<AActor>(nullptr, TEXT("/Game/Blueprints/BP_Taken.Thing_C"));
	ASSERT_NE(Taken, nullptr);
	EXPECT_EQ(Log.Count(TEXT("Thing cannot make its class: /Game/Blueprints/BP_Taken.Thing_C is taken by a Actor; it has no generated class"), ELogVerbosity::Warning), 1);

	AActor* Holder = LoadObject<AActor>(nullptr, TEXT("/Game/Blueprints/BP_Long.BP_Long"));
	ASSERT_NE(Holder, nullptr);
	EXPECT_EQ(Log.Count(TEXT("has a name too long for its class's default object (1024 characters, names take up to 1023)"), ELogVerbosity::Warning), 1);
	const UBlueprint* Fits = FindObject<UBlueprint>(Holder, UTF8_TO_TCHAR(Longest.c_str()));
	ASSERT_NE(Fits, nullptr);
	ASSERT_NE(Fits->GeneratedClass, nullptr);
	EXPECT_EQ(Fits->GeneratedClass->GetDefaultObject()->GetName().Len(), NAME_SIZE - 1);
}
