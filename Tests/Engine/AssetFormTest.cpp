// Edge cases of the stand-in asset form: nested subobjects and references to them, arrays of
// structs in text form, unknown property names, and soft paths that name nothing on disk.

#include "AssetRegistryHost.h"
#include "CoreGlobals.h"
#include "Engine/Blueprint.h"
#include "LiveLinkPreset.h"
#include "LiveLinkSubjectSettings.h"
#include "Misc/OutputDevice.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Roles/LiveLinkCameraRole.h"
#include "Roles/LiveLinkTransformRole.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace
{
	namespace fs = std::filesystem;

	/** Collects warnings and errors written to GLog while it lives. */
	class FProblemCapture : public FOutputDevice
	{
	public:
		FProblemCapture()
		{
			GLog->AddOutputDevice(this);
		}

		virtual ~FProblemCapture()
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
			return Problems.ContainsByPredicate([&Text](const FString& Line) { return Line.Contains(Text); });
		}

		TArray<FString> Problems;
	};

	/** A content root of its own, mounted on a fresh temporary folder. */
	class AssetFormTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			static std::atomic<int32> Counter{ 0 };
			const int32 Id = ++Counter;
			Root = FString::Printf(TEXT("/AssetFormTest%d"), Id);
			Dir = fs::temp_directory_path() / ("AssetFormTest_" + std::to_string(::getpid()) + "_" + std::to_string(Id));
			fs::remove_all(Dir);
			fs::create_directories(Dir);
			UE::AssetRegistryHost::MountContent(Root + TEXT("/"), FString(UTF8_TO_TCHAR(Dir.string().c_str())));
		}

		virtual void TearDown() override
		{
			UE::AssetRegistryHost::Reset();
			for (const FString& Name : Touched)
			{
				if (UPackage* Package = FindPackage(nullptr, *Name))
				{
					UE::ObjectHost::DestroyObjectNow(Package);
				}
			}
			fs::remove_all(Dir);
		}

		void WriteFile(const std::string& Relative, const std::string& Text) const
		{
			const fs::path Path = Dir / Relative;
			fs::create_directories(Path.parent_path());
			std::ofstream(Path) << Text;
		}

		std::string ReadFile(const std::string& Relative) const
		{
			std::ifstream Stream(Dir / Relative, std::ios::binary);
			return std::string((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
		}

		/** The package name under this test's root, remembered for clean-up. */
		FString Package(const TCHAR* Relative)
		{
			const FString Name = Root + TEXT("/") + Relative;
			Touched.Add(Name);
			return Name;
		}

		std::string Root8() const
		{
			return std::string(TCHAR_TO_UTF8(*Root));
		}

		FString Root;
		fs::path Dir;
		TArray<FString> Touched;
	};

	/** A preset whose one subject points at a settings object nested two levels below the asset. */
	std::string NestedPreset(const std::string& Root8)
	{
		// clang-format off
		return R"J({ "Class": "/Script/LiveLink.LiveLinkPreset",
			"Subobjects": [ { "Name": "Holder", "Class": "/Script/LiveLinkInterface.LiveLinkSubjectSettings",
				"Subobjects": [ { "Name": "Inner", "Class": "/Script/LiveLinkInterface.LiveLinkSubjectSettings",
					"Properties": { "bRebroadcastSubject": "True", "Role": "/Script/LiveLinkInterface.LiveLinkCameraRole" } } ] } ],
			"Properties": { "Subjects": "((Key=(SubjectName=(Name=\"Cam\")),Settings=\")J" + Root8 + R"J(/Nested.Nested:Holder.Inner\",bEnabled=True))" } })J";
		// clang-format on
	}

	void ExpectNestedSettings(const ULiveLinkPreset* Preset)
	{
		ASSERT_NE(Preset, nullptr);
		ASSERT_EQ(Preset->GetSubjectPresets().Num(), 1);
		const ULiveLinkSubjectSettings* Inner = Preset->GetSubjectPresets()[0].Settings.Get();
		ASSERT_NE(Inner, nullptr);
		EXPECT_EQ(Inner->GetName(), TEXT("Inner"));
		ASSERT_NE(Inner->GetOuter(), nullptr);
		EXPECT_EQ(Inner->GetOuter()->GetName(), TEXT("Holder"));
		EXPECT_EQ(Inner->GetOuter()->GetOuter(), Preset);
		EXPECT_TRUE(Inner->bRebroadcastSubject);
		EXPECT_EQ(Inner->Role.Get(), ULiveLinkCameraRole::StaticClass());
	}
}

TEST_F(AssetFormTest, AReferenceToANestedSubobjectResolvesToThatObject)
{
	const FString Name = Package(TEXT("Nested"));
	WriteFile("Nested.uasset.json", NestedPreset(Root8()));

	ULiveLinkPreset* Preset = LoadObject<ULiveLinkPreset>(nullptr, *(Name + TEXT(".Nested")));

	ExpectNestedSettings(Preset);
	// The nested object is found by its full path too.
	EXPECT_EQ(FSoftObjectPath(Name + TEXT(".Nested:Holder.Inner")).ResolveObject(), Preset->GetSubjectPresets()[0].Settings.Get());
}

TEST_F(AssetFormTest, SavingAndReloadingKeepsNestedSubobjectsAndTheReferenceToThem)
{
	const FString Name = Package(TEXT("Nested"));
	WriteFile("Nested.uasset.json", NestedPreset(Root8()));
	UPackage* First = LoadPackage(nullptr, *Name, LOAD_None);
	ASSERT_NE(First, nullptr);
	ASSERT_TRUE(UE::AssetRegistryHost::SavePackageToAssetFile(First));
	UE::ObjectHost::DestroyObjectNow(First);

	ExpectNestedSettings(LoadObject<ULiveLinkPreset>(nullptr, *(Name + TEXT(".Nested"))));
}

TEST_F(AssetFormTest, ArraysOfStructsKeepTheirOrderAndEachElementsFields)
{
	const FString Name = Package(TEXT("Many"));
	WriteFile("Many.uasset.json", R"J({ "Class": "/Script/LiveLink.LiveLinkPreset", "Properties": {
		"Sources": "((Guid=00000001000000020000000300000004,SourceType=INVTEXT(\"First\")),(Guid=0000000A0000000B0000000C0000000D,SourceType=INVTEXT(\"Second\")))",
		"Subjects": "((Key=(SubjectName=(Name=\"Zed\")),Role=\"/Script/LiveLinkInterface.LiveLinkTransformRole\",bEnabled=True),(Key=(SubjectName=(Name=\"Alpha\"))),(Key=(SubjectName=(Name=\"Mid\")),bEnabled=True))" } })J");

	ULiveLinkPreset* Preset = LoadObject<ULiveLinkPreset>(nullptr, *(Name + TEXT(".Many")));
	ASSERT_NE(Preset, nullptr);

	ASSERT_EQ(Preset->GetSourcePresets().Num(), 2);
	EXPECT_EQ(Preset->GetSourcePresets()[0].SourceType.ToString(), TEXT("First"));
	EXPECT_EQ(Preset->GetSourcePresets()[1].SourceType.ToString(), TEXT("Second"));
	EXPECT_NE(Preset->GetSourcePresets()[0].Guid, Preset->GetSourcePresets()[1].Guid);

	const TArray<FLiveLinkSubjectPreset>& Subjects = Preset->GetSubjectPresets();
	ASSERT_EQ(Subjects.Num(), 3);
	EXPECT_EQ(Subjects[0].Key.SubjectName.ToString(), TEXT("Zed"));
	EXPECT_EQ(Subjects[1].Key.SubjectName.ToString(), TEXT("Alpha"));
	EXPECT_EQ(Subjects[2].Key.SubjectName.ToString(), TEXT("Mid"));
	EXPECT_EQ(Subjects[0].Role.Get(), ULiveLinkTransformRole::StaticClass());
	// Fields an element leaves out keep the struct's defaults.
	EXPECT_EQ(Subjects[1].Role.Get(), nullptr);
	EXPECT_FALSE(Subjects[1].bEnabled);
	EXPECT_TRUE(Subjects[2].bEnabled);
}

TEST_F(AssetFormTest, AnEmptyArrayInTextFormLoadsAsEmpty)
{
	const FString Name = Package(TEXT("Empty"));
	WriteFile("Empty.uasset.json", R"J({ "Class": "/Script/LiveLink.LiveLinkPreset", "Properties": { "Sources": "()", "Subjects": "()" } })J");

	FProblemCapture Log;
	ULiveLinkPreset* Preset = LoadObject<ULiveLinkPreset>(nullptr, *(Name + TEXT(".Empty")));

	ASSERT_NE(Preset, nullptr);
	EXPECT_TRUE(Preset->GetSourcePresets().IsEmpty());
	EXPECT_TRUE(Preset->GetSubjectPresets().IsEmpty());
	EXPECT_TRUE(Log.Problems.IsEmpty());
}

TEST_F(AssetFormTest, AnUnknownPropertyOnASubobjectIsReportedAndTheSubobjectStillLoads)
{
	const FString Name = Package(TEXT("Odd"));
	WriteFile("Odd.uasset.json", R"J({ "Class": "/Script/LiveLink.LiveLinkPreset",
		"Subobjects": [ { "Name": "S", "Class": "/Script/LiveLinkInterface.LiveLinkSubjectSettings",
			"Properties": { "bNoSuchFlag": "True", "bRebroadcastSubject": "True" } } ] })J");

	FProblemCapture Log;
	ULiveLinkPreset* Preset = LoadObject<ULiveLinkPreset>(nullptr, *(Name + TEXT(".Odd")));

	ASSERT_NE(Preset, nullptr);
	EXPECT_TRUE(Log.AnyContains(TEXT("bNoSuchFlag")));
	const ULiveLinkSubjectSettings* Settings = FindObject<ULiveLinkSubjectSettings>(Preset, TEXT("S"));
	ASSERT_NE(Settings, nullptr);
	EXPECT_TRUE(Settings->bRebroadcastSubject);
}

TEST_F(AssetFormTest, ASoftPathIntoAMissingPackageLoadsNothing)
{
	const FString Missing = Package(TEXT("NotThere"));

	EXPECT_EQ(FSoftObjectPath(Missing + TEXT(".NotThere")).TryLoad(), nullptr);
	EXPECT_EQ(FindPackage(nullptr, *Missing), nullptr);
	// Under a root nobody mounted, too.
	EXPECT_EQ(FSoftObjectPath(TEXT("/NoSuchMountRoot/Thing.Thing")).TryLoad(), nullptr);
	EXPECT_EQ(LoadObject<ULiveLinkPreset>(nullptr, *(Missing + TEXT(".NotThere"))), nullptr);
}

TEST_F(AssetFormTest, ASoftPathToAMissingSubobjectOfARealAssetLoadsNothing)
{
	const FString Name = Package(TEXT("Nested"));
	WriteFile("Nested.uasset.json", NestedPreset(Root8()));

	EXPECT_EQ(FSoftObjectPath(Name + TEXT(".Nested:Holder.Missing")).TryLoad(), nullptr);
	EXPECT_EQ(FSoftObjectPath(Name + TEXT(".Other")).TryLoad(), nullptr);
	// The asset itself is still there to load.
	EXPECT_NE(FSoftObjectPath(Name + TEXT(".Nested")).TryLoad(), nullptr);
}

TEST_F(AssetFormTest, AFileThatFailsToLoadLeavesNothingBehindAndTheNextLoadReadsItAfresh)
{
	const FString Name = Package(TEXT("Retry"));
	// A subobject without a name stops the load after the asset itself was made.
	WriteFile("Retry.uasset.json", R"J({ "Name": "Stale", "Class": "/Script/LiveLink.LiveLinkPreset",
		"Subobjects": [ { "Class": "/Script/LiveLinkInterface.LiveLinkSubjectSettings" } ] })J");
	FProblemCapture Log;
	EXPECT_EQ(LoadPackage(nullptr, *Name, LOAD_None), nullptr);
	EXPECT_EQ(FindPackage(nullptr, *Name), nullptr);

	WriteFile("Retry.uasset.json", R"J({ "Class": "/Script/LiveLink.LiveLinkPreset" })J");
	UPackage* Loaded = LoadPackage(nullptr, *Name, LOAD_None);
	ASSERT_NE(Loaded, nullptr);
	TArray<UObject*> TopLevel;
	GetObjectsWithOuter(Loaded, TopLevel, false);
	ASSERT_EQ(TopLevel.Num(), 1);
	EXPECT_EQ(TopLevel[0]->GetName(), TEXT("Retry"));
	// The stale asset made a second top-level object, and the save stopped the process.
	EXPECT_TRUE(UE::AssetRegistryHost::SavePackageToAssetFile(Loaded));
}

TEST_F(AssetFormTest, ABlueprintSavesWithoutItsGeneratedClassAndBuildsItAgainOnLoad)
{
	const FString Name = Package(TEXT("Logger"));
	WriteFile("Logger.uasset.json", R"J({ "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "\"/Script/CoreUObject.Object\"" } })J");
	UPackage* Loaded = LoadPackage(nullptr, *Name, LOAD_None);
	ASSERT_NE(Loaded, nullptr);
	const UBlueprint* Blueprint = FindObject<UBlueprint>(Loaded, TEXT("Logger"));
	ASSERT_NE(Blueprint, nullptr);
	ASSERT_NE(Blueprint->GeneratedClass, nullptr);
	Blueprint->GeneratedClass->GetDefaultObject();

	ASSERT_TRUE(UE::AssetRegistryHost::SavePackageToAssetFile(Loaded));
	const std::string Saved = ReadFile("Logger.uasset.json");
	EXPECT_NE(Saved.find("\"/Script/Engine.Blueprint\""), std::string::npos) << Saved;
	// The generated class and its default object are not written as objects of their own.
	EXPECT_EQ(Saved.find("BlueprintGeneratedClass"), std::string::npos) << Saved;
	EXPECT_EQ(Saved.find("Default__"), std::string::npos) << Saved;

	UE::ObjectHost::DestroyObjectNow(Loaded);
	const UBlueprint* Reloaded = LoadObject<UBlueprint>(nullptr, *(Name + TEXT(".Logger")));
	ASSERT_NE(Reloaded, nullptr);
	EXPECT_NE(Reloaded->GeneratedClass, nullptr);
}

TEST_F(AssetFormTest, SubobjectsAreSavedInNameOrderWhateverOrderTheyWereMadeIn)
{
	const FString Name = Package(TEXT("Sorted"));
	UPackage* Created = CreatePackage(*Name);
	ULiveLinkPreset* Preset = NewObject<ULiveLinkPreset>(Created, TEXT("Sorted"), RF_Public | RF_Standalone);
	NewObject<ULiveLinkSubjectSettings>(Preset, TEXT("Zulu"), RF_Public);
	NewObject<ULiveLinkSubjectSettings>(Preset, TEXT("Alpha"), RF_Public);
	NewObject<ULiveLinkSubjectSettings>(Preset, TEXT("Mike"), RF_Public);

	ASSERT_TRUE(UE::AssetRegistryHost::SavePackageToAssetFile(Created));
	const std::string Saved = ReadFile("Sorted.uasset.json");
	const size_t Alpha = Saved.find("\"Alpha\"");
	const size_t Mike = Saved.find("\"Mike\"");
	const size_t Zulu = Saved.find("\"Zulu\"");
	ASSERT_NE(Zulu, std::string::npos) << Saved;
	EXPECT_LT(Alpha, Mike) << Saved;
	EXPECT_LT(Mike, Zulu) << Saved;
}

TEST_F(AssetFormTest, MountedRootsAreStillThereWhenTheRegistryUnmountsThemAtExit)
{
	// A process that ends with content mounted: the registry, destroyed with the statics, unmounts its roots then.
	const pid_t Child = fork();
	ASSERT_NE(Child, -1);
	if (Child == 0)
	{
		std::exit(0);
	}
	int Status = 0;
	ASSERT_EQ(waitpid(Child, &Status, 0), Child);
	EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << Status;
}
