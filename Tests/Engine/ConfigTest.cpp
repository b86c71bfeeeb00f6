// The config cache: layered reads with the engine's line syntax, malformed input, writing back.

#include "HostTestSupport.h"

#include "CoreGlobals.h"
#include "HostLogCapture.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/CoreHost.h"

#include <gtest/gtest.h>

using namespace HostTest;

namespace
{
	/** An engine folder and a project folder in a temp dir, with GConfig built over them. */
	class ConfigTest : public ::testing::Test
	{
	protected:
		void Boot()
		{
			FCoreHost::SetEngineDir(Temp.Str("Engine"));
			FCoreHost::SetProjectFilePath(Temp.Str("Stage/Stage.uproject"));
			FConfigCacheIni::InitializeConfigSystem();
		}

		void TearDown() override
		{
			delete GConfig;
			GConfig = nullptr;
			FCoreHost::Reset();
		}

		TArray<FString> Array(const TCHAR* Section, const TCHAR* Key, const FString& File)
		{
			TArray<FString> Values;
			GConfig->GetArray(Section, Key, Values, File);
			return Values;
		}

		FScopedTempDir Temp;
	};

	std::vector<std::string> Strings(const TArray<FString>& Values)
	{
		std::vector<std::string> Out;
		for (const FString& Value : Values)
		{
			Out.push_back(Utf8(Value));
		}
		return Out;
	}
}

TEST_F(ConfigTest, ProjectDefaultsLayerOverEngineBase)
{
	WriteFile(Temp.Path("Engine/Config/BaseGame.ini"),
		"[/Script/Stage.Settings]\n"
		"Name=Base\n"
		"Kept=FromBase\n"
		"+Cameras=A\n"
		"+Cameras=B\n"
		"+Cameras=C\n"
		"Tags=Old1\n"
		"Tags=Old2\n");
	WriteFile(Temp.Path("Stage/Config/DefaultGame.ini"),
		"; the project's settings\n"
		"[/script/stage.settings]\n"
		"name=\"Studio One \"\n"
		"-Cameras=B\n"
		"+Cameras=A\n"
		".Cameras=A\n"
		"+Cameras=D\n"
		"Tags=New\n"
		"!Gone=ClearArray\n");
	Boot();

	FString Value;
	ASSERT_TRUE(GConfig->GetString(TEXT("/Script/Stage.Settings"), TEXT("Name"), Value, GGameIni));
	EXPECT_EQ(Utf8(Value), "Studio One ");
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("/Script/Stage.Settings"), TEXT("KEPT"), GGameIni)), "FromBase");
	// -B removes, +A is already there, .A adds a duplicate, +D appends.
	EXPECT_EQ(Strings(Array(TEXT("/Script/Stage.Settings"), TEXT("Cameras"), GGameIni)), (std::vector<std::string>{ "A", "C", "A", "D" }));
	// A plain key in a later file replaces the values of earlier files.
	EXPECT_EQ(Strings(Array(TEXT("/Script/Stage.Settings"), TEXT("Tags"), GGameIni)), (std::vector<std::string>{ "New" }));
	EXPECT_FALSE(GConfig->GetString(TEXT("/Script/Stage.Settings"), TEXT("Missing"), Value, GGameIni));
	EXPECT_FALSE(GConfig->DoesSectionExist(TEXT("Nope"), GGameIni));
	EXPECT_EQ(Utf8(GConfig->GetConfigFilename(TEXT("Game"))), Utf8(GGameIni));
}

TEST_F(ConfigTest, TypedReadsUseTheEngineRules)
{
	WriteFile(Temp.Path("Stage/Config/DefaultEngine.ini"),
		"[Values]\n"
		"Int=42\n"
		"Float=2.5\n"
		"Yes=yes\n"
		"On=On\n"
		"Off=False\n"
		"One=1\n");
	Boot();
	int32 Int = 0;
	float Float = 0;
	double Double = 0;
	bool bYes = false, bOn = false, bOff = true, bOne = false;
	EXPECT_TRUE(GConfig->GetInt(TEXT("Values"), TEXT("Int"), Int, GEngineIni));
	EXPECT_TRUE(GConfig->GetFloat(TEXT("Values"), TEXT("Float"), Float, GEngineIni));
	EXPECT_TRUE(GConfig->GetDouble(TEXT("Values"), TEXT("Float"), Double, GEngineIni));
	EXPECT_TRUE(GConfig->GetBool(TEXT("Values"), TEXT("Yes"), bYes, GEngineIni));
	GConfig->GetBool(TEXT("Values"), TEXT("On"), bOn, GEngineIni);
	GConfig->GetBool(TEXT("Values"), TEXT("Off"), bOff, GEngineIni);
	GConfig->GetBool(TEXT("Values"), TEXT("One"), bOne, GEngineIni);
	EXPECT_EQ(Int, 42);
	EXPECT_FLOAT_EQ(Float, 2.5f);
	EXPECT_DOUBLE_EQ(Double, 2.5);
	EXPECT_TRUE(bYes && bOn && bOne);
	EXPECT_FALSE(bOff);

	TArray<FString> Section;
	ASSERT_TRUE(GConfig->GetSection(TEXT("values"), Section, GEngineIni));
	ASSERT_EQ(Section.Num(), 6);
	EXPECT_EQ(Utf8(Section[0]), "Int=42");
}

TEST_F(ConfigTest, MalformedLinesAreReportedWithFileAndLineAndSkipped)
{
	WriteFile(Temp.Path("Stage/Config/DefaultEngine.ini"),
		"Orphan=1\n"
		"[Good]\n"
		"Before=1\n"
		"this line has no equals sign\n"
		"=NoKey\n"
		"After=2\n"
		"[Broken\n"
		"Hidden=3\n"
		"[Later]\n"
		"Fine=4\n");
	FHostLogCapture Log;
	Boot();

	const std::string File = Utf8(Temp.Str("Stage/Config/DefaultEngine.ini"));
	EXPECT_TRUE(Log.Contains(FString(UTF8_TO_TCHAR((File + ":1:").c_str()))));
	EXPECT_TRUE(Log.Contains(FString(UTF8_TO_TCHAR((File + ":4:").c_str()))));
	EXPECT_TRUE(Log.Contains(FString(UTF8_TO_TCHAR((File + ":5:").c_str()))));
	EXPECT_TRUE(Log.Contains(FString(UTF8_TO_TCHAR((File + ":7:").c_str()))));
	EXPECT_FALSE(Log.Contains(FString(UTF8_TO_TCHAR((File + ":8:").c_str()))));

	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("Good"), TEXT("Before"), GEngineIni)), "1");
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("Good"), TEXT("After"), GEngineIni)), "2");
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("Later"), TEXT("Fine"), GEngineIni)), "4");
	FString Hidden;
	EXPECT_FALSE(GConfig->GetString(TEXT("Good"), TEXT("Hidden"), Hidden, GEngineIni));
	EXPECT_FALSE(GConfig->GetString(TEXT("Broken"), TEXT("Hidden"), Hidden, GEngineIni));
}

TEST_F(ConfigTest, SavingOneSectionKeepsTheRestOfTheFile)
{
	const std::string Original =
		"; Lens calibration defaults\n"
		"[/Script/Quovex.Other]\n"
		"; keep this comment\n"
		"Untouched = some value\n"
		"\n"
		"[/Script/Quovex.LensCal]\n"
		"Steps=3\n"
		"Old=1\n"
		"\n";
	WriteFile(Temp.Path("Stage/Config/DefaultLensCal.ini"), Original);
	Boot();
	const FString File = Temp.Str("Stage/Config/DefaultLensCal.ini");

	GConfig->SetInt(TEXT("/Script/Quovex.LensCal"), TEXT("Steps"), 12, File);
	GConfig->RemoveKey(TEXT("/Script/Quovex.LensCal"), TEXT("Old"), File);
	GConfig->SetString(TEXT("/Script/Quovex.LensCal"), TEXT("Label"), TEXT("  padded  "), File);
	// A carriage return at an end would be taken for the line's ending (a file written on Windows) and lost.
	GConfig->SetString(TEXT("/Script/Quovex.LensCal"), TEXT("Ends"), TEXT("\rreturns\r"), File);
	GConfig->SetArray(TEXT("/Script/Quovex.New"), TEXT("Paths"), { TEXT("/Game/A"), TEXT("/Game/B") }, File);
	// Nothing is written before Flush.
	EXPECT_EQ(ReadFile(Temp.Path("Stage/Config/DefaultLensCal.ini")), Original);
	GConfig->Flush(false, File);

	const std::string Written = ReadFile(Temp.Path("Stage/Config/DefaultLensCal.ini"));
	EXPECT_EQ(Written.rfind("; Lens calibration defaults\n[/Script/Quovex.Other]\n; keep this comment\nUntouched = some value\n", 0), 0u) << Written;
	EXPECT_NE(Written.find("Steps=12\n"), std::string::npos);
	EXPECT_EQ(Written.find("Old="), std::string::npos);

	// A fresh cache reads back what was written.
	delete GConfig;
	GConfig = new FConfigCacheIni();
	int32 Steps = 0;
	EXPECT_TRUE(GConfig->GetInt(TEXT("/Script/Quovex.LensCal"), TEXT("Steps"), Steps, File));
	EXPECT_EQ(Steps, 12);
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("/Script/Quovex.LensCal"), TEXT("Label"), File)), "  padded  ");
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("/Script/Quovex.LensCal"), TEXT("Ends"), File)), "\rreturns\r");
	EXPECT_EQ(Strings(Array(TEXT("/Script/Quovex.New"), TEXT("Paths"), File)), (std::vector<std::string>{ "/Game/A", "/Game/B" }));
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("/Script/Quovex.Other"), TEXT("Untouched"), File)), "some value");
}

TEST_F(ConfigTest, AReadOnlyFileIsLeftAsItIsWithoutAMessageWhileTheCacheKeepsTheNewValue)
{
	const std::string Original = "[/Script/Quovex.LensCal]\nSteps=3\n";
	WriteFile(Temp.Path("Stage/Config/DefaultLensCal.ini"), Original);
	std::filesystem::permissions(Temp.Path("Stage/Config/DefaultLensCal.ini"), std::filesystem::perms::owner_write | std::filesystem::perms::group_write | std::filesystem::perms::others_write, std::filesystem::perm_options::remove);
	Boot();
	const FString File = Temp.Str("Stage/Config/DefaultLensCal.ini");
	FHostLogCapture Log;

	GConfig->SetInt(TEXT("/Script/Quovex.LensCal"), TEXT("Steps"), 12, File);
	GConfig->Flush(false, File);
	EXPECT_EQ(ReadFile(Temp.Path("Stage/Config/DefaultLensCal.ini")), Original);
	EXPECT_TRUE(Log.GetLines().IsEmpty());
	int32 Steps = 0;
	EXPECT_TRUE(GConfig->GetInt(TEXT("/Script/Quovex.LensCal"), TEXT("Steps"), Steps, File));
	EXPECT_EQ(Steps, 12);

	// Once writable again, the next flush writes what is still pending.
	std::filesystem::permissions(Temp.Path("Stage/Config/DefaultLensCal.ini"), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
	GConfig->Flush(false, File);
	EXPECT_NE(ReadFile(Temp.Path("Stage/Config/DefaultLensCal.ini")).find("Steps=12\n"), std::string::npos);
}

TEST_F(ConfigTest, BranchChangesGoToTheSavedLayerNotTheDefaults)
{
	const std::string Defaults = "[Stage]\nMode=Default\nOther=1\n";
	WriteFile(Temp.Path("Stage/Config/DefaultGame.ini"), Defaults);
	Boot();
	GConfig->SetString(TEXT("Stage"), TEXT("Mode"), TEXT("User"), GGameIni);
	GConfig->Flush(false);

	EXPECT_EQ(ReadFile(Temp.Path("Stage/Config/DefaultGame.ini")), Defaults);
	const std::string Saved = ReadFile(Temp.Path("Stage/Saved/Config/LinuxEditor/Game.ini"));
	EXPECT_NE(Saved.find("Mode=User"), std::string::npos);
	EXPECT_EQ(Saved.find("Other"), std::string::npos);

	// The next start reads the saved layer over the defaults.
	FConfigCacheIni::InitializeConfigSystem();
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("Stage"), TEXT("Mode"), GGameIni)), "User");
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("Stage"), TEXT("Other"), GGameIni)), "1");
}

TEST_F(ConfigTest, UnknownFilesAreNotCreatedByReads)
{
	Boot();
	const FString File = Temp.Str("Stage/Config/DefaultNothing.ini");
	FString Value;
	EXPECT_FALSE(GConfig->GetString(TEXT("S"), TEXT("K"), Value, File));
	EXPECT_FALSE(GConfig->IsFileLoaded(File));
	GConfig->Flush(false);
	EXPECT_FALSE(std::filesystem::exists(Temp.Path("Stage/Config/DefaultNothing.ini")));
	EXPECT_TRUE(GConfig->EmptySection(TEXT("S"), File) == false);
}

TEST_F(ConfigTest, AKeyThatWouldReadAsAnotherLineIsReportedSkippedAndTheFileReadsTheSameAfterASave)
{
	// "++Paths" gave the key "+Paths", which a save wrote back as "+Paths=B": an add to "Paths".
	WriteFile(Temp.Path("Stage/Config/DefaultPaths.ini"),
		"[/Script/Quovex.Paths]\n"
		"+Paths=A\n"
		"++Paths=B\n"
		"+;Commented=1\n"
		"-[Section=2\n"
		".//Slashes=3\n"
		"+ Spaced=4\n");
	Boot();
	FHostLogCapture Log;
	const FString File = Temp.Str("Stage/Config/DefaultPaths.ini");

	TArray<FString> Lines;
	ASSERT_TRUE(GConfig->GetSection(TEXT("/Script/Quovex.Paths"), Lines, File));
	EXPECT_EQ(Strings(Lines), (std::vector<std::string>{ "Paths=A", "Spaced=4" }));
	const std::string Name = Utf8(File);
	for (const char* Line : { ":3:", ":4:", ":5:", ":6:" })
	{
		EXPECT_TRUE(Log.Contains(FString(UTF8_TO_TCHAR((Name + Line).c_str())))) << Line;
	}
	EXPECT_FALSE(Log.Contains(FString(UTF8_TO_TCHAR((Name + ":7:").c_str()))));

	GConfig->SetString(TEXT("/Script/Quovex.Paths"), TEXT("Spaced"), TEXT("4"), File);
	GConfig->Flush(false, File);
	delete GConfig;
	GConfig = new FConfigCacheIni();
	ASSERT_TRUE(GConfig->GetSection(TEXT("/Script/Quovex.Paths"), Lines, File));
	EXPECT_EQ(Strings(Lines), (std::vector<std::string>{ "Paths=A", "Spaced=4" }));
}
