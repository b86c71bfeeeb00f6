// Contract tests of the editor stand-in: subsystems, viewports, settings, maps, saving and duplication.

#include "EngineTestEnvironment.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "AssetToolsModule.h"
#include "Camera/CameraActor.h"
#include "FileHelpers.h"
#include "GameFramework/Actor.h"
#include "Kismet/GameplayStatics.h"
#include "LevelEditorViewport.h"
#include "Settings/EditorLoadingSavingSettings.h"
#include "Subsystems/UnrealEditorSubsystem.h"
#include "UObject/UnrealType.h"
#include "UObject/WeakObjectPtr.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(EditorSubsystems, AreCreatedOnceAtInitAndGoAwayAtPreExit)
{
	FScopedTestEngine Engine;
	UUnrealEditorSubsystem* Subsystem = GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>();
	ASSERT_NE(Subsystem, nullptr);
	EXPECT_EQ(GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>(), Subsystem);
	EXPECT_EQ(GEditor->GetEditorSubsystemBase(UUnrealEditorSubsystem::StaticClass()), Subsystem);
	// Asking for the base class finds a created subclass instance.
	EXPECT_NE(GEditor->GetEditorSubsystemBase(UEditorSubsystem::StaticClass()), nullptr);
	EXPECT_EQ(GEditor->GetEditorSubsystemBase(nullptr), nullptr);

	TWeakObjectPtr<UUnrealEditorSubsystem> Weak(Subsystem);
	Engine.PreExit();
	EXPECT_EQ(GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>(), nullptr);
	EXPECT_FALSE(Weak.IsValid());
}

TEST(EditorSubsystems, GameEnginesHaveNoEditorWorldOrSubsystems)
{
	FScopedTestEngine Engine(true);
	EXPECT_EQ(GEditor, nullptr);
	ASSERT_NE(Engine.GetWorld(), nullptr);
	EXPECT_EQ(Engine.GetWorld()->WorldType, EWorldType::Game);
	EXPECT_EQ(GEngine->GetCurrentPlayWorld(), Engine.GetWorld());
}

TEST(LevelViewports, CameraInfoComesFromTheFirstPerspectiveViewport)
{
	FScopedTestEngine Engine;
	ASSERT_TRUE(Engine.IsBooted());
	UUnrealEditorSubsystem* Subsystem = GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>();
	// The level editor brings up one perspective viewport.
	ASSERT_EQ(GEditor->GetLevelViewportClients().Num(), 1);
	FLevelEditorViewportClient* Main = GEditor->GetLevelViewportClients()[0];
	ASSERT_TRUE(Main->IsPerspective());

	Main->SetViewportType(LVT_OrthoXY);
	Main->SetViewLocation(FVector(9.0, 9.0, 9.0));
	FVector Location(1.0, 1.0, 1.0);
	FRotator Rotation(1.0, 1.0, 1.0);
	EXPECT_FALSE(Subsystem->GetLevelViewportCameraInfo(Location, Rotation));
	EXPECT_EQ(Location, FVector::ZeroVector);
	EXPECT_EQ(Rotation, FRotator::ZeroRotator);

	{
		FLevelEditorViewportClient Perspective(nullptr);
		Perspective.SetViewLocation(FVector(1.0, 2.0, 3.0));
		Perspective.SetViewRotation(FRotator(0.0, 45.0, 0.0));
		EXPECT_EQ(GEditor->GetLevelViewportClients().Num(), 2);
		EXPECT_TRUE(Subsystem->GetLevelViewportCameraInfo(Location, Rotation));
		EXPECT_EQ(Location, FVector(1.0, 2.0, 3.0));
		EXPECT_EQ(Rotation, FRotator(0.0, 45.0, 0.0));

		// A piloted actor drives the view while it lives.
		ACameraActor* Camera = Engine.GetWorld()->SpawnActor<ACameraActor>(FVector(50.0, 0.0, 0.0), FRotator(0.0, 90.0, 0.0));
		Perspective.SetActorLock(Camera);
		Camera->SetActorLocation(FVector(60.0, 0.0, 0.0));
		EXPECT_TRUE(Subsystem->GetLevelViewportCameraInfo(Location, Rotation));
		EXPECT_EQ(Location, FVector(60.0, 0.0, 0.0));
		Camera->Destroy();
		EXPECT_TRUE(Subsystem->GetLevelViewportCameraInfo(Location, Rotation));
		EXPECT_EQ(Location, FVector(50.0, 0.0, 0.0));
	}
	// A destroyed viewport client leaves the editor's list.
	EXPECT_EQ(GEditor->GetLevelViewportClients().Num(), 1);
	Main->SetViewportType(LVT_Perspective);
}

TEST(LevelViewports, TheCinematicLockOverridesThePilotLock)
{
	FScopedTestEngine Engine;
	UWorld* World = Engine.GetWorld();
	AActor* Piloted = World->SpawnActor<ACameraActor>();
	AActor* Cinematic = World->SpawnActor<ACameraActor>();
	FLevelEditorViewportClient Client(nullptr);

	EXPECT_FALSE(Client.IsAnyActorLocked());
	Client.SetActorLock(Piloted);
	EXPECT_EQ(Client.GetActorLock().GetLockedActor(), Piloted);
	EXPECT_EQ(Client.GetActiveActorLock().Get(), Piloted);
	EXPECT_TRUE(Client.IsActorLocked(Piloted));

	Client.SetCinematicActorLock(Cinematic);
	EXPECT_FALSE(Client.GetActiveActorLock().IsValid());
	EXPECT_TRUE(Client.IsActorLocked(Cinematic));
	EXPECT_FALSE(Client.IsActorLocked(Piloted));
	EXPECT_TRUE(Client.IsLockedToActor(Piloted));
	EXPECT_EQ(Client.GetActorLock().GetLockedActor(), Piloted);

	// A destroyed cinematic actor hands the view back to the pilot lock.
	Cinematic->Destroy();
	EXPECT_EQ(Client.GetCinematicActorLock().GetLockedActor(), nullptr);
	EXPECT_EQ(Client.GetActiveActorLock().Get(), Piloted);

	Client.SetActorLock(nullptr);
	EXPECT_FALSE(Client.IsAnyActorLocked());
}

TEST(EditorSettings, LoadingSavingSettingsSaveToThePerProjectUserFile)
{
	FScopedTestEngine Engine;
	UEditorLoadingSavingSettings* Settings = GetMutableDefault<UEditorLoadingSavingSettings>();
	ASSERT_NE(Settings, nullptr);
	ASSERT_TRUE(Settings->bAutoSaveEnable);
	FName Changed(TEXT("Unset"));
	Settings->OnSettingChanged().AddLambda([&Changed](FName Property) { Changed = Property; });

	Settings->bAutoSaveEnable = false;
	Settings->PostEditChange();
	EXPECT_EQ(Changed, NAME_None);
	Settings->SaveConfig(CPF_Config, nullptr, GConfig, true);

	const TCHAR* Section = TEXT("/Script/UnrealEd.EditorLoadingSavingSettings");
	bool bSaved = true;
	ASSERT_TRUE(GConfig->GetBool(Section, TEXT("bAutoSaveEnable"), bSaved, GEditorPerProjectIni));
	EXPECT_FALSE(bSaved);
	// The neighbouring bits of the same word keep their own values.
	bool bMaps = false;
	ASSERT_TRUE(GConfig->GetBool(Section, TEXT("bAutoSaveMaps"), bMaps, GEditorPerProjectIni));
	EXPECT_TRUE(bMaps);
	EXPECT_TRUE(Settings->bAutoSaveMaps);

	Settings->bAutoSaveEnable = true;
	Settings->LoadConfig();
	EXPECT_FALSE(Settings->bAutoSaveEnable);

	Settings->bAutoSaveEnable = true;
	Settings->SaveConfig();
	Settings->OnSettingChanged().Clear();
}

namespace
{
	const char* const StageMap = R"json({
	"Class": "/Script/Engine.World",
	"Subobjects": [ { "Name": "PersistentLevel", "Class": "/Script/Engine.Level", "Subobjects": [
		{ "Name": "CamB", "Class": "/Script/Engine.CameraActor", "Properties": { "ActorLabel": "Camera B", "Tags": "(\"Camera\")" } },
		{ "Name": "Light", "Class": "/Script/Engine.Actor", "Properties": { "Tags": "(\"Other\")" } },
		{ "Name": "CamA", "Class": "/Script/Engine.CameraActor", "Properties": { "ActorLabel": "Camera A", "Tags": "(\"Other\",\"Camera\")" },
		  "Subobjects": [ { "Name": "SceneComponent", "Class": "/Script/Engine.SceneComponent", "Properties": { "RelativeLocation": "(X=1.0,Y=2.0,Z=3.0)" } } ] }
	] } ]
})json";
}

TEST(EditorMaps, TheStartupMapOpensAtBootAndLaterMapsReplaceIt)
{
	TArray<FString> Opened;
	FDelegateHandle Handle = FEditorDelegates::OnMapOpened.AddLambda([&Opened](const FString& Filename, bool bAsTemplate) { Opened.Add(Filename); });
	FScopedTestEngine Engine(false, "[/Script/EngineSettings.GameMapsSettings]\nEditorStartupMap=/Game/Maps/Stage.Stage\n", [](FScopedTestEngine& Project) {
		Project.WriteProjectFile("Content/Maps/Stage.umap.json", StageMap);
		Project.WriteProjectFile("Content/Maps/Empty.umap.json", R"({ "Class": "/Script/Engine.World" })");
	});
	ASSERT_TRUE(Engine.IsBooted());

	EXPECT_EQ(Opened, (TArray<FString>{ TEXT("/Game/Maps/Stage") }));
	UWorld* Stage = Engine.GetWorld();
	EXPECT_EQ(Stage->WorldType, EWorldType::Editor);
	EXPECT_EQ(Stage->GetMapName(), FString(TEXT("Stage")));
	EXPECT_EQ(GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>()->GetEditorWorld(), Stage);

	TArray<AActor*> Cameras;
	UGameplayStatics::GetAllActorsWithTag(Stage, FName(TEXT("Camera")), Cameras);
	ASSERT_EQ(Cameras.Num(), 2);
	EXPECT_EQ(Cameras[0]->GetActorLabel(), FString(TEXT("Camera B")));
	EXPECT_EQ(Cameras[1]->GetActorLabel(), FString(TEXT("Camera A")));
	EXPECT_EQ(Cameras[1]->GetActorLocation(), FVector(1.0, 2.0, 3.0));
	EXPECT_EQ(Cameras[1]->GetWorld(), Stage);

	// A map that cannot be loaded leaves the edited world alone and announces nothing.
	{
		FEngineTestLogCapture Log;
		EXPECT_FALSE(FEditorFileUtils::LoadMap(TEXT("/Game/Maps/Missing")));
		EXPECT_EQ(Engine.GetWorld(), Stage);
		EXPECT_EQ(Opened.Num(), 1);
		EXPECT_EQ(Log.Count(TEXT("failed to load map /Game/Maps/Missing"), ELogVerbosity::Warning), 1);
	}

	// Opening another map tears the previous world down.
	TWeakObjectPtr<AActor> WeakCamera(Cameras[0]);
	ASSERT_TRUE(FEditorFileUtils::LoadMap(TEXT("/Game/Maps/Empty")));
	EXPECT_EQ(Opened.Num(), 2);
	EXPECT_NE(Engine.GetWorld(), Stage);
	EXPECT_FALSE(WeakCamera.IsValid());
	UGameplayStatics::GetAllActorsWithTag(Engine.GetWorld(), FName(TEXT("Camera")), Cameras);
	EXPECT_EQ(Cameras.Num(), 0);
	FEditorDelegates::OnMapOpened.Remove(Handle);
}

TEST(EditorSaving, SavePackagesWritesAssetPackagesAndRefusesTransientOnes)
{
	FScopedTestEngine Engine;
	UPackage* Package = CreatePackage(TEXT("/Game/Saved/Thing"));
	UEditorLoadingSavingSettings* Thing = NewObject<UEditorLoadingSavingSettings>(Package, FName(TEXT("Thing")), RF_Public | RF_Standalone);
	Thing->AutoSaveTimeMinutes = 42;
	FString Filename;
	ASSERT_TRUE(UE::AssetRegistryHost::TryConvertPackageNameToFilename(TEXT("/Game/Saved/Thing"), Filename));

	// A clean package is skipped when only dirty ones are asked for.
	Package->SetDirtyFlag(false);
	EXPECT_TRUE(UEditorLoadingAndSavingUtils::SavePackages({ Package }, true));
	EXPECT_FALSE(std::filesystem::exists(TCHAR_TO_UTF8(*Filename)));

	EXPECT_TRUE(UEditorLoadingAndSavingUtils::SavePackages({ Package }, false));
	EXPECT_TRUE(std::filesystem::exists(TCHAR_TO_UTF8(*Filename)));
	EXPECT_FALSE(Package->IsDirty());

	FEngineTestLogCapture Log;
	EXPECT_FALSE(UEditorLoadingAndSavingUtils::SavePackages({ GetTransientPackage() }, false));
	EXPECT_FALSE(UEditorLoadingAndSavingUtils::SavePackages({ Package, nullptr }, false));
}

TEST(AssetTools, DuplicateAssetCopiesIntoANewRegisteredPackageOnlyOnce)
{
	FScopedTestEngine Engine;
	UPackage* Package = CreatePackage(TEXT("/Game/Source/Original"));
	UEditorLoadingSavingSettings* Original = NewObject<UEditorLoadingSavingSettings>(Package, FName(TEXT("Original")), RF_Public | RF_Standalone);
	Original->AutoSaveTimeMinutes = 42;
	IAssetTools& AssetTools = FAssetToolsModule::GetModule().Get();

	UObject* Copy = AssetTools.DuplicateAsset(TEXT("Copy"), TEXT("/Game/Copies"), Original);
	ASSERT_NE(Copy, nullptr);
	EXPECT_NE(Copy, Original);
	EXPECT_EQ(Copy->GetPathName(), FString(TEXT("/Game/Copies/Copy.Copy")));
	EXPECT_EQ(CastChecked<UEditorLoadingSavingSettings>(Copy)->AutoSaveTimeMinutes, 42);
	EXPECT_TRUE(Copy->GetOutermost()->IsDirty());
	TArray<FAssetData> Registered;
	IAssetRegistry::GetChecked().GetAssetsByPackageName(FName(TEXT("/Game/Copies/Copy")), Registered);
	EXPECT_EQ(Registered.Num(), 1);

	FEngineTestLogCapture Log;
	EXPECT_EQ(AssetTools.DuplicateAsset(TEXT("Copy"), TEXT("/Game/Copies"), Original), nullptr);
	EXPECT_EQ(AssetTools.DuplicateAssetWithDialog(TEXT("Copy"), TEXT("/Game/Copies/"), Original), nullptr);
	EXPECT_EQ(AssetTools.DuplicateAsset(TEXT("Bad.Name"), TEXT("/Game/Copies"), Original), nullptr);
	EXPECT_EQ(AssetTools.DuplicateAsset(TEXT(""), TEXT("/Game/Copies"), Original), nullptr);
	EXPECT_EQ(AssetTools.DuplicateAsset(TEXT("Other"), TEXT("NotAPath"), Original), nullptr);
	EXPECT_EQ(AssetTools.DuplicateAsset(TEXT("Other"), TEXT("/Game/Copies"), nullptr), nullptr);
	// A folder and a name that each fit a name but not together: refused, and no package is made.
	const FString LongFolder = TEXT("/Game/") + FString::ChrN(NAME_SIZE - 10, TEXT('F'));
	EXPECT_EQ(AssetTools.DuplicateAsset(TEXT("LongEnough"), LongFolder, Original), nullptr);
	EXPECT_EQ(Log.Count(*FString::Printf(TEXT("would be %d characters long; names take up to %d"), LongFolder.Len() + 11, NAME_SIZE - 1), ELogVerbosity::Warning), 1);
	EXPECT_EQ(AssetTools.DuplicateAsset(TEXT("Fits"), LongFolder.Left(NAME_SIZE - 6), Original)->GetOutermost()->GetName().Len(), NAME_SIZE - 1);
	EXPECT_EQ(&IAssetTools::Get(), &AssetTools);
}
