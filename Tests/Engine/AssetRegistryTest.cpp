// Contract tests of the asset registry and the stand-in asset files: scan order, the
// files-loaded event, class queries, loading through the object system and saving.

#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "AssetRegistryHost.h"
#include "CoreGlobals.h"
#include "LiveLinkPreset.h"
#include "LiveLinkSubjectSettings.h"
#include "Misc/OutputDevice.h"
#include "Misc/PackageName.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Roles/LiveLinkCameraRole.h"
#include "Roles/LiveLinkTransformRole.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectGlobals.h"

#include "Templates/Casts.h"
#include "UObject/UnrealType.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace
{
	namespace fs = std::filesystem;

	/** Collects warnings and errors written to GLog while it lives. */
	class FLogCapture : public FOutputDevice
	{
	public:
		FLogCapture()
		{
			GLog->AddOutputDevice(this);
		}

		virtual ~FLogCapture()
		{
			GLog->RemoveOutputDevice(this);
		}

		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			if (Verbosity <= ELogVerbosity::Warning)
			{
				Problems.Add(FString(V));
			}
		}

		bool AnyContains(const FString& Text) const
		{
			for (const FString& Line : Problems)
			{
				if (Line.Contains(Text))
				{
					return true;
				}
			}
			return false;
		}

		TArray<FString> Problems;
	};

	/** A content folder in a fresh temporary directory under a content root no other test uses. */
	class AssetRegistryTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			static std::atomic<int32> Counter{ 0 };
			const int32 Id = ++Counter;
			Root = FString::Printf(TEXT("/RegistryTest%d"), Id);
			Dir = fs::temp_directory_path() / ("AssetRegistryTest_" + std::to_string(::getpid()) + "_" + std::to_string(Id));
			fs::remove_all(Dir);
			fs::create_directories(Dir);
		}

		virtual void TearDown() override
		{
			UE::AssetRegistryHost::Reset();
			for (UPackage* Package : LoadedPackages())
			{
				UE::ObjectHost::DestroyObjectNow(Package);
			}
			fs::remove_all(Dir);
		}

		/** Writes Text to <Dir>/<Relative>, creating folders. */
		void WriteFile(const std::string& Relative, const std::string& Text) const
		{
			const fs::path Path = Dir / Relative;
			fs::create_directories(Path.parent_path());
			std::ofstream(Path) << Text;
		}

		FString ContentDir() const
		{
			return FString(UTF8_TO_TCHAR(Dir.string().c_str()));
		}

		TArray<UPackage*> LoadedPackages() const
		{
			TArray<UPackage*> Result;
			for (const FString& Name : TouchedPackages)
			{
				if (UPackage* Package = FindPackage(nullptr, *Name))
				{
					Result.Add(Package);
				}
			}
			return Result;
		}

		FString PackageName(const TCHAR* Relative)
		{
			const FString Name = Root + TEXT("/") + Relative;
			TouchedPackages.Add(Name);
			return Name;
		}

		static TArray<FString> Names(const TArray<FAssetData>& Assets)
		{
			TArray<FString> Result;
			for (const FAssetData& Asset : Assets)
			{
				Result.Add(Asset.PackageName.ToString());
			}
			return Result;
		}

		FString Root;
		fs::path Dir;
		TArray<FString> TouchedPackages;
	};

	const char* const PresetClass = "/Script/LiveLink.LiveLinkPreset";

	std::string AssetOfClass(const char* ClassPath)
	{
		return std::string("{ \"Class\": \"") + ClassPath + "\" }";
	}
}

TEST_F(AssetRegistryTest, ScanFindsAssetsInMountOrderThenPackageOrderAndBroadcastsFilesLoadedOnce)
{
	WriteFile("Second/b.uasset.json", AssetOfClass(PresetClass));
	WriteFile("Second/A.uasset.json", AssetOfClass(PresetClass));
	WriteFile("First/Zed.uasset.json", AssetOfClass(PresetClass));
	WriteFile("First/Sub/Deep.umap.json", AssetOfClass(PresetClass));
	WriteFile("First/Notes.txt", "not an asset");
	const FString OtherRoot = Root + TEXT("Other");

	IAssetRegistry& Registry = IAssetRegistry::GetChecked();
	int32 FilesLoadedCount = 0;
	Registry.OnFilesLoaded().AddLambda([&FilesLoadedCount]() { ++FilesLoadedCount; });

	// Mounted second folder first: mount order wins over folder names.
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir() / TEXT("Second"));
	UE::AssetRegistryHost::MountContent(OtherRoot + TEXT("/"), ContentDir() / TEXT("First"));
	EXPECT_TRUE(Registry.IsLoadingAssets());

	UE::AssetRegistryHost::StartAssetScan();
	TArray<FAssetData> Assets;
	Registry.GetAllAssets(Assets);
	const TArray<FString> Expected = { Root + TEXT("/A"), Root + TEXT("/b"), OtherRoot + TEXT("/Sub/Deep"), OtherRoot + TEXT("/Zed") };
	EXPECT_EQ(Names(Assets), Expected);
	EXPECT_EQ(FilesLoadedCount, 0);
	EXPECT_TRUE(Registry.IsLoadingAssets());

	UE::AssetRegistryHost::CompleteAssetScan();
	UE::AssetRegistryHost::CompleteAssetScan();
	EXPECT_EQ(FilesLoadedCount, 1);
	EXPECT_FALSE(Registry.IsLoadingAssets());

	ASSERT_EQ(Assets.Num(), 4);
	EXPECT_EQ(Assets[2].PackagePath.ToString(), OtherRoot + TEXT("/Sub"));
	EXPECT_EQ(Assets[2].AssetName.ToString(), TEXT("Deep"));
	EXPECT_EQ(Assets[2].GetObjectPathString(), OtherRoot + TEXT("/Sub/Deep.Deep"));
	EXPECT_EQ(Assets[2].AssetClassPath.ToString(), TEXT("/Script/LiveLink.LiveLinkPreset"));
}

TEST_F(AssetRegistryTest, RootMountedAfterTheScanStartedIsScannedAtOnce)
{
	WriteFile("Late/Preset.uasset.json", AssetOfClass(PresetClass));
	IAssetRegistry& Registry = IAssetRegistry::GetChecked();
	TArray<FString> Added;
	Registry.OnAssetAdded().AddLambda([&Added](const FAssetData& Data) { Added.Add(Data.PackageName.ToString()); });

	UE::AssetRegistryHost::StartAssetScan();
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir() / TEXT("Late"));

	EXPECT_EQ(Added, TArray<FString>{ Root + TEXT("/Preset") });
	EXPECT_TRUE(Registry.GetAssetByObjectPath(FSoftObjectPath(Root + TEXT("/Preset.Preset"))).IsValid());
}

TEST_F(AssetRegistryTest, MalformedAssetFilesAndPackageNamesTooLongAreSkippedWithAWarningNamingTheFile)
{
	WriteFile("Good.uasset.json", AssetOfClass(PresetClass));
	WriteFile("Broken.uasset.json", "{ \"Class\": \"/Script/LiveLink.LiveLinkPreset\", ");
	WriteFile("NoClass.uasset.json", "{ \"Properties\": {} }");
	WriteFile("NotAnObject.uasset.json", "[1, 2]");
	// Five folders of 210 characters: the path is fine for the file system, the package name is too long for a name.
	std::string Deep;
	for (int32 Index = 0; Index < 5; ++Index)
	{
		Deep += "/" + std::string(210, char('A' + Index));
	}
	WriteFile(Deep.substr(1) + "/Deep.uasset.json", AssetOfClass(PresetClass));
	WriteFile(Deep.substr(1, 632) + "/Nested.uasset.json", AssetOfClass(PresetClass));

	FLogCapture Log;
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	UE::AssetRegistryHost::StartAssetScan();
	UE::AssetRegistryHost::CompleteAssetScan();

	TArray<FAssetData> Assets;
	IAssetRegistry::GetChecked().GetAllAssets(Assets);
	EXPECT_EQ(Names(Assets), (TArray<FString>{ Root + UTF8_TO_TCHAR(Deep.substr(0, 633).c_str()) + TEXT("/Nested"), Root + TEXT("/Good") }));
	EXPECT_TRUE(Log.AnyContains(TEXT("Broken.uasset.json")));
	EXPECT_TRUE(Log.AnyContains(TEXT("NoClass.uasset.json")));
	EXPECT_TRUE(Log.AnyContains(TEXT("NotAnObject.uasset.json")));
	EXPECT_TRUE(Log.AnyContains(FString::Printf(TEXT("Deep.uasset.json: its package name is %d characters long; names take up to 1023"), Root.Len() + 1055 + 5)));
}

TEST_F(AssetRegistryTest, GetAssetsByClassMatchesExactClassUnlessSubclassesAreAsked)
{
	WriteFile("Basic.uasset.json", AssetOfClass("/Script/LiveLinkInterface.LiveLinkBasicRole"));
	WriteFile("Camera.uasset.json", AssetOfClass("/Script/LiveLinkInterface.LiveLinkCameraRole"));
	WriteFile("Transform.uasset.json", AssetOfClass("/Script/LiveLinkInterface.LiveLinkTransformRole"));
	WriteFile("Unknown.uasset.json", AssetOfClass("/Script/NotLoaded.SomeClass"));
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	UE::AssetRegistryHost::StartAssetScan();

	const IAssetRegistry& Registry = IAssetRegistry::GetChecked();
	const FTopLevelAssetPath TransformRole = ULiveLinkTransformRole::StaticClass()->GetClassPathName();

	TArray<FAssetData> Exact;
	Registry.GetAssetsByClass(TransformRole, Exact);
	EXPECT_EQ(Names(Exact), TArray<FString>{ Root + TEXT("/Transform") });

	TArray<FAssetData> WithSubclasses;
	Registry.GetAssetsByClass(TransformRole, WithSubclasses, true);
	const TArray<FString> Expected = { Root + TEXT("/Camera"), Root + TEXT("/Transform") };
	EXPECT_EQ(Names(WithSubclasses), Expected);

	// An asset of a class that is not in memory is still listed under its own class path.
	TArray<FAssetData> Unknown;
	Registry.GetAssetsByClass(FTopLevelAssetPath(TEXT("/Script/NotLoaded.SomeClass")), Unknown);
	EXPECT_EQ(Unknown.Num(), 1);
}

TEST_F(AssetRegistryTest, PathAndFilterQueries)
{
	WriteFile("Top.uasset.json", AssetOfClass(PresetClass));
	WriteFile("Cams/One.uasset.json", AssetOfClass(PresetClass));
	WriteFile("Cams/Old/Two.uasset.json", AssetOfClass("/Script/LiveLinkInterface.LiveLinkCameraRole"));
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	UE::AssetRegistryHost::StartAssetScan();
	const IAssetRegistry& Registry = IAssetRegistry::GetChecked();

	TArray<FAssetData> Flat;
	Registry.GetAssetsByPath(FName(*(Root + TEXT("/Cams"))), Flat);
	EXPECT_EQ(Names(Flat), TArray<FString>{ Root + TEXT("/Cams/One") });

	TArray<FAssetData> Recursive;
	Registry.GetAssetsByPath(FName(*(Root + TEXT("/Cams"))), Recursive, true);
	EXPECT_EQ(Recursive.Num(), 2);

	FARFilter Filter;
	Filter.PackagePaths.Add(FName(*Root));
	Filter.bRecursivePaths = true;
	Filter.ClassPaths.Add(ULiveLinkPreset::StaticClass()->GetClassPathName());
	TArray<FAssetData> Filtered;
	Registry.GetAssets(Filter, Filtered);
	const TArray<FString> Expected = { Root + TEXT("/Cams/One"), Root + TEXT("/Top") };
	EXPECT_EQ(Names(Filtered), Expected);
}

TEST_F(AssetRegistryTest, LoadThroughSoftObjectPathCreatesObjectsAndImportsProperties)
{
	const FString PresetPackage = PackageName(TEXT("LiveLink/StagePreset"));
	const std::string Root8 = TCHAR_TO_UTF8(*Root);
	// clang-format off
	WriteFile("LiveLink/StagePreset.uasset.json", R"J({
		"Class": "/Script/LiveLink.LiveLinkPreset",
		"Subobjects": [ { "Name": "CamSettings", "Class": "/Script/LiveLinkInterface.LiveLinkSubjectSettings",
			"Properties": { "bRebroadcastSubject": "True" } } ],
		"Properties": {
			"Sources": "((Guid=0000000A0000000B0000000C0000000D,SourceType=INVTEXT(\"Tracker\")))",
			"Subjects": "((Key=(Source=0000000A0000000B0000000C0000000D,SubjectName=(Name=\"CamA\")),Role=\"/Script/LiveLinkInterface.LiveLinkCameraRole\",Settings=\")J" + Root8 + R"J(/LiveLink/StagePreset.StagePreset:CamSettings\",bEnabled=True))"
		} })J");
	// clang-format on
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	UE::AssetRegistryHost::StartAssetScan();

	const FAssetData Data = IAssetRegistry::GetChecked().GetAssetByObjectPath(FSoftObjectPath(PresetPackage + TEXT(".StagePreset")));
	ASSERT_TRUE(Data.IsValid());
	EXPECT_FALSE(Data.IsAssetLoaded());
	EXPECT_EQ(Data.FastGetAsset(false), nullptr);

	UObject* Loaded = FSoftObjectPath(PresetPackage + TEXT(".StagePreset")).TryLoad();
	ULiveLinkPreset* Preset = Cast<ULiveLinkPreset>(Loaded);
	ASSERT_NE(Preset, nullptr);
	EXPECT_TRUE(Data.IsAssetLoaded());
	EXPECT_EQ(Data.FastGetAsset(false), Preset);

	ASSERT_EQ(Preset->GetSourcePresets().Num(), 1);
	EXPECT_EQ(Preset->GetSourcePresets()[0].SourceType.ToString(), TEXT("Tracker"));
	ASSERT_EQ(Preset->GetSubjectPresets().Num(), 1);
	const FLiveLinkSubjectPreset& Subject = Preset->GetSubjectPresets()[0];
	EXPECT_EQ(Subject.Key.SubjectName.ToString(), TEXT("CamA"));
	EXPECT_EQ(Subject.Key.Source, Preset->GetSourcePresets()[0].Guid);
	EXPECT_EQ(Subject.Role.Get(), ULiveLinkCameraRole::StaticClass());
	EXPECT_TRUE(Subject.bEnabled);
	// The reference between two objects of the same file resolves to the subobject.
	ASSERT_NE(Subject.Settings.Get(), nullptr);
	EXPECT_EQ(Subject.Settings->GetOuter(), Preset);
	EXPECT_TRUE(Subject.Settings->bRebroadcastSubject);
}

TEST_F(AssetRegistryTest, UnloadableAssetsGiveNullAndAClearMessage)
{
	const FString UnknownClass = PackageName(TEXT("UnknownClass"));
	const FString Malformed = PackageName(TEXT("Malformed"));
	WriteFile("UnknownClass.uasset.json", AssetOfClass("/Script/NotLoaded.SomeClass"));
	WriteFile("Malformed.uasset.json", "{ oops");
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());

	FLogCapture Log;
	EXPECT_EQ(LoadObject<UObject>(nullptr, *(UnknownClass + TEXT(".UnknownClass"))), nullptr);
	EXPECT_TRUE(Log.AnyContains(TEXT("/Script/NotLoaded.SomeClass")));
	EXPECT_EQ(LoadObject<UObject>(nullptr, *(Malformed + TEXT(".Malformed"))), nullptr);
	EXPECT_TRUE(Log.AnyContains(TEXT("Malformed.uasset.json")));
}

TEST_F(AssetRegistryTest, BadPropertyValueKeepsItsDefaultAndTheRestLoads)
{
	const FString Package = PackageName(TEXT("Settings"));
	WriteFile("Settings.uasset.json", R"J({ "Class": "/Script/LiveLinkInterface.LiveLinkSubjectSettings",
		"Properties": { "NoSuchProperty": "1", "Role": "/Script/LiveLinkInterface.LiveLinkTransformRole", "bRebroadcastSubject": "True" } })J");
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());

	FLogCapture Log;
	ULiveLinkSubjectSettings* Settings = LoadObject<ULiveLinkSubjectSettings>(nullptr, *(Package + TEXT(".Settings")));
	ASSERT_NE(Settings, nullptr);
	EXPECT_TRUE(Log.AnyContains(TEXT("NoSuchProperty")));
	EXPECT_EQ(Settings->Role.Get(), ULiveLinkTransformRole::StaticClass());
	EXPECT_TRUE(Settings->bRebroadcastSubject);
}

TEST_F(AssetRegistryTest, SavedPackageLoadsBackWithItsSubobjectsAndIsRegistered)
{
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	UE::AssetRegistryHost::StartAssetScan();
	const FString Package = PackageName(TEXT("Saved/Settings"));

	{
		UPackage* Outer = CreatePackage(*Package);
		ULiveLinkSubjectSettings* Settings = NewObject<ULiveLinkSubjectSettings>(Outer, TEXT("Settings"), RF_Public | RF_Standalone);
		Settings->Role = ULiveLinkCameraRole::StaticClass();
		Settings->bRebroadcastSubject = true;
		ASSERT_TRUE(UE::AssetRegistryHost::SavePackageToAssetFile(Outer));
		UE::ObjectHost::DestroyObjectNow(Outer);
	}
	EXPECT_TRUE(fs::exists(Dir / "Saved" / "Settings.uasset.json"));
	TArray<FAssetData> Registered;
	IAssetRegistry::GetChecked().GetAssetsByPackageName(FName(*Package), Registered, true);
	ASSERT_EQ(Registered.Num(), 1);
	EXPECT_EQ(Registered[0].AssetClassPath, ULiveLinkSubjectSettings::StaticClass()->GetClassPathName());

	ULiveLinkSubjectSettings* Reloaded = LoadObject<ULiveLinkSubjectSettings>(nullptr, *(Package + TEXT(".Settings")));
	ASSERT_NE(Reloaded, nullptr);
	EXPECT_EQ(Reloaded->Role.Get(), ULiveLinkCameraRole::StaticClass());
	EXPECT_TRUE(Reloaded->bRebroadcastSubject);
}

TEST_F(AssetRegistryTest, SaveAndReloadOfAPresetKeepsReferencesToItsSubobjects)
{
	const FString PresetPackage = PackageName(TEXT("RoundTrip"));
	const std::string Root8 = TCHAR_TO_UTF8(*Root);
	// clang-format off
	WriteFile("RoundTrip.uasset.json", R"J({ "Class": "/Script/LiveLink.LiveLinkPreset",
		"Subobjects": [ { "Name": "S", "Class": "/Script/LiveLinkInterface.LiveLinkSubjectSettings", "Properties": { "bRebroadcastSubject": "True" } } ],
		"Properties": { "Subjects": "((Key=(SubjectName=(Name=\"Cam\")),Role=\"/Script/LiveLinkInterface.LiveLinkTransformRole\",Settings=\")J" + Root8 + R"J(/RoundTrip.RoundTrip:S\",bEnabled=True))" } })J");
	// clang-format on
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());

	UPackage* First = LoadPackage(nullptr, *PresetPackage, LOAD_None);
	ASSERT_NE(First, nullptr);
	ASSERT_TRUE(UE::AssetRegistryHost::SavePackageToAssetFile(First));
	UE::ObjectHost::DestroyObjectNow(First);

	ULiveLinkPreset* Preset = LoadObject<ULiveLinkPreset>(nullptr, *(PresetPackage + TEXT(".RoundTrip")));
	ASSERT_NE(Preset, nullptr);
	ASSERT_EQ(Preset->GetSubjectPresets().Num(), 1);
	const FLiveLinkSubjectPreset& Subject = Preset->GetSubjectPresets()[0];
	EXPECT_EQ(Subject.Key.SubjectName.ToString(), TEXT("Cam"));
	ASSERT_NE(Subject.Settings.Get(), nullptr);
	EXPECT_EQ(Subject.Settings->GetOuter(), Preset);
	EXPECT_TRUE(Subject.Settings->bRebroadcastSubject);
}

TEST_F(AssetRegistryTest, MountedRootsResolvePackageFilesUntilUnmounted)
{
	WriteFile("Cams/Preset.uasset.json", AssetOfClass(PresetClass));
	const FString Package = Root + TEXT("/Cams/Preset");
	EXPECT_FALSE(FPackageName::DoesPackageExist(Package));

	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	FString Filename;
	EXPECT_TRUE(FPackageName::DoesPackageExist(Package, &Filename));
	ASSERT_TRUE(UE::AssetRegistryHost::TryConvertPackageNameToFilename(Package, Filename));
	EXPECT_EQ(Filename, ContentDir() / TEXT("Cams/Preset.uasset.json"));
	// Other spellings of the name are no package: loading one would make a second copy of the file's package.
	EXPECT_FALSE(UE::AssetRegistryHost::TryConvertPackageNameToFilename(Root + TEXT("/Cams//Preset"), Filename));
	EXPECT_FALSE(UE::AssetRegistryHost::TryConvertPackageNameToFilename(Root + TEXT("//Cams/Preset"), Filename));
	EXPECT_FALSE(UE::AssetRegistryHost::TryConvertPackageNameToFilename(Package + TEXT("/"), Filename));
	UObject* Loaded = LoadObject<UObject>(nullptr, *(Package + TEXT(".Preset")));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(LoadObject<UObject>(nullptr, *(Root + TEXT("/Cams//Preset.Preset")), nullptr, LOAD_NoWarn), nullptr);
	EXPECT_EQ(FindPackage(nullptr, *(Root + TEXT("/Cams//Preset"))), nullptr);
	UE::ObjectHost::DestroyObjectNow(Loaded->GetOutermost());

	UE::AssetRegistryHost::UnmountContent(Root + TEXT("/"));
	EXPECT_FALSE(FPackageName::DoesPackageExist(Package));
	EXPECT_FALSE(UE::AssetRegistryHost::TryConvertPackageNameToFilename(Package, Filename));
}

TEST_F(AssetRegistryTest, AssetsCreatedInMemoryAreListedButNotAsOnDiskUntilSaved)
{
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	UE::AssetRegistryHost::StartAssetScan();
	IAssetRegistry& Registry = IAssetRegistry::GetChecked();
	const FString Package = PackageName(TEXT("Fresh"));
	UPackage* Outer = CreatePackage(*Package);
	ULiveLinkSubjectSettings* Asset = NewObject<ULiveLinkSubjectSettings>(Outer, TEXT("Fresh"), RF_Public | RF_Standalone);

	FAssetRegistryModule::AssetCreated(Asset);
	TArray<FAssetData> All;
	Registry.GetAllAssets(All);
	TArray<FAssetData> OnDisk;
	Registry.GetAllAssets(OnDisk, true);
	EXPECT_EQ(Names(All), TArray<FString>{ Package });
	EXPECT_TRUE(OnDisk.IsEmpty());
	EXPECT_EQ(All[0].FastGetAsset(false), Asset);

	ASSERT_TRUE(UE::AssetRegistryHost::SavePackageToAssetFile(Outer));
	OnDisk.Reset();
	Registry.GetAllAssets(OnDisk, true);
	EXPECT_EQ(Names(OnDisk), TArray<FString>{ Package });

	TArray<FString> Removed;
	Registry.OnAssetRemoved().AddLambda([&Removed](const FAssetData& Data) { Removed.Add(Data.PackageName.ToString()); });
	FAssetRegistryModule::AssetDeleted(Asset);
	EXPECT_EQ(Removed, TArray<FString>{ Package });
	All.Reset();
	Registry.GetAllAssets(All);
	EXPECT_TRUE(All.IsEmpty());
}

TEST_F(AssetRegistryTest, PackagesWhoseNamesDifferOnlyInCaseAreKeptOnceInRegistryOrder)
{
	WriteFile("StagePreset.uasset.json", AssetOfClass(PresetClass));
	WriteFile("stagepreset.uasset.json", AssetOfClass("/Script/LiveLinkInterface.LiveLinkSubjectSettings"));
	FLogCapture Log;
	UE::AssetRegistryHost::MountContent(Root + TEXT("/"), ContentDir());
	UE::AssetRegistryHost::StartAssetScan();

	TArray<FAssetData> Assets;
	IAssetRegistry::GetChecked().GetAllAssets(Assets);
	ASSERT_EQ(Assets.Num(), 1);
	// Ordinal order puts the upper-case name first; the other file is reported and skipped.
	EXPECT_EQ(Assets[0].AssetClassPath, ULiveLinkPreset::StaticClass()->GetClassPathName());
	EXPECT_TRUE(Log.AnyContains(TEXT("stagepreset.uasset.json")));
}
