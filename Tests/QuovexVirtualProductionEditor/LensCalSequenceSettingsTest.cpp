// The lens calibration panel's settings: one record on the class default object, stamped and saved
// to the project's DefaultQuovexLensCalSequenceSettings.ini, read back at the next editor start.

#include "QuovexEditorTestFixture.h"
#include "HeadlessEditorProcess.h"

#include "EditorUtilityWidgetBlueprint.h"
#include "HostLogCapture.h"
#include "Misc/DateTime.h"
#include "QuovexLensCalSequenceGenerator.h"
#include "QuovexTabManager.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"

#include <regex>

using namespace QuovexTest;

namespace
{
	const char* const ConfigSection = "[/Script/QuovexVirtualProductionEditor.QuovexLensCalSequenceGenerator]";

	/** A record with every field set, distinct per seed. */
	FLensCalSequenceSettings Sample(int32 Seed)
	{
		FLensCalSequenceSettings Settings;
		Settings.NumFocusPos = 3 + Seed;
		Settings.NumZoomPos = 5 + Seed;
		Settings.RedLeftSideWideAngle = -12.25f - Seed;
		Settings.RedRightSideWideAngle = 12.5f + Seed;
		Settings.RedLeftSideNarrowAngle = -4.75f - Seed;
		Settings.RedRightSideNarrowAngle = 4.125f + Seed;
		Settings.GreenRightSideWideAngle = 11.0f + Seed;
		Settings.GreenRightSideNarrowAngle = 3.5f + Seed;
		Settings.BlueRightSideWideAngle = 10.0f + Seed;
		Settings.BlueRightSideNarrowAngle = 2.25f + Seed;
		Settings.FramesPerSecond = 23.976f + Seed;
		Settings.PanHoldTime = 1.5f + Seed;
		Settings.PanSpeed = 0.75f + Seed;
		Settings.FocusChangeSpeed = 0.3f + Seed;
		Settings.ZoomChangeSpeed = 0.6f + Seed;
		Settings.FOVScale = 1.0625f + Seed;
		Settings.AssetName = FString::Printf(TEXT("LensCal_%d"), Seed);
		Settings.CalibratorName = FString::Printf(TEXT("Calibrator %d"), Seed);
		Settings.TimeStamp = TEXT("1999.12.31-23.59.59");
		return Settings;
	}

	FString ToText(const FLensCalSequenceSettings& Settings)
	{
		FString Text;
		FLensCalSequenceSettings::StaticStruct()->ExportText(Text, &Settings, nullptr, nullptr, PPF_None, nullptr);
		return Text;
	}

	/** Equal in every field but the time stamp. */
	void ExpectSameExceptTimeStamp(FLensCalSequenceSettings Actual, FLensCalSequenceSettings Expected)
	{
		Actual.TimeStamp.Reset();
		Expected.TimeStamp.Reset();
		EXPECT_EQ(ToText(Actual), ToText(Expected));
	}

	bool IsDefaultTimeStampForm(const FString& Text)
	{
		return std::regex_match(HostTest::Utf8(Text), std::regex("[0-9]{4}\\.[0-9]{2}\\.[0-9]{2}-[0-9]{2}\\.[0-9]{2}\\.[0-9]{2}"));
	}

	int32 CountOf(const std::string& Text, const std::string& Part)
	{
		int32 Count = 0;
		for (size_t At = Text.find(Part); At != std::string::npos; At = Text.find(Part, At + 1))
		{
			++Count;
		}
		return Count;
	}

	class LensCalSequenceSettingsTest : public FQuovexEditorTest
	{
	protected:
		void TearDown() override
		{
			// The default object outlives the editor in this process; leave it as a fresh one would be.
			SetDefaultsRecord(FLensCalSequenceSettings());
			std::error_code Error;
			std::filesystem::permissions(ConfigFile(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add, Error);
			FQuovexEditorTest::TearDown();
		}

		std::filesystem::path ConfigFile() const
		{
			return Temp.Path("Demo/Config/DefaultQuovexLensCalSequenceSettings.ini");
		}

		static UQuovexLensCalSequenceGenerator* Defaults()
		{
			return GetMutableDefault<UQuovexLensCalSequenceGenerator>();
		}

		/** The record the default object holds, read as the garbage collector and config system see it. */
		static FLensCalSequenceSettings& RecordOf(UQuovexLensCalSequenceGenerator* Object)
		{
			const FStructProperty* Property = CastField<FStructProperty>(UQuovexLensCalSequenceGenerator::StaticClass()->FindPropertyByName(TEXT("SequenceSettings")));
			check(Property);
			return *Property->ContainerPtrToValuePtr<FLensCalSequenceSettings>(Object);
		}

		static void SetDefaultsRecord(const FLensCalSequenceSettings& Settings)
		{
			RecordOf(Defaults()) = Settings;
		}
	};

	class LensCalSequenceProcessTest : public FHeadlessEditorProcessTest
	{
	protected:
		std::filesystem::path ConfigFile() const
		{
			return Temp.Path("Demo/Config/DefaultQuovexLensCalSequenceSettings.ini");
		}

		/** The ReturnValue line of a run's GetSettings call. */
		static std::string SettingsLine(const FEditorRun& Run)
		{
			const size_t Index = Run.IndexOf("ReturnValue=(NumFocusPos=");
			return Index < Run.Lines.size() ? Run.Lines[Index] : std::string();
		}
	};
}

TEST_F(LensCalSequenceSettingsTest, BeforeAnySaveEveryFieldIsZeroOrEmpty)
{
	ASSERT_FALSE(std::filesystem::exists(ConfigFile()));
	ASSERT_TRUE(Boot());
	EXPECT_EQ(ToText(Defaults()->GetSettings()), ToText(FLensCalSequenceSettings()));
	const FLensCalSequenceSettings Settings = Defaults()->GetSettings();
	EXPECT_EQ(Settings.NumFocusPos, 0);
	EXPECT_EQ(Settings.FOVScale, 0.0f);
	EXPECT_TRUE(Settings.AssetName.IsEmpty());
	EXPECT_TRUE(Settings.TimeStamp.IsEmpty());
	EXPECT_FALSE(std::filesystem::exists(ConfigFile()));
}

TEST_F(LensCalSequenceSettingsTest, SavingReplacesThePassedTimeStampWithTheSaveTimeAndWritesTheRecord)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	const FLensCalSequenceSettings Passed = Sample(1);
	const FString Before = FDateTime::Now().ToString();
	Defaults()->SaveSettings(Passed);
	const FString After = FDateTime::Now().ToString();

	const FLensCalSequenceSettings Got = Defaults()->GetSettings();
	ExpectSameExceptTimeStamp(Got, Passed);
	EXPECT_NE(Got.TimeStamp, Passed.TimeStamp);
	EXPECT_TRUE(IsDefaultTimeStampForm(Got.TimeStamp)) << HostTest::Utf8(Got.TimeStamp);
	// The fixed-width form orders as the times do.
	EXPECT_LE(Before, Got.TimeStamp);
	EXPECT_LE(Got.TimeStamp, After);

	const std::string File = HostTest::ReadFile(ConfigFile());
	EXPECT_NE(File.find(ConfigSection), std::string::npos) << File;
	EXPECT_NE(File.find("SequenceSettings=" + HostTest::Utf8(ToText(Got))), std::string::npos) << File;
	// Nothing is logged.
	EXPECT_TRUE(Log.GetLines().IsEmpty()) << HostTest::Utf8(FString::Join(Log.GetLines(), TEXT("\n")));
}

TEST_F(LensCalSequenceSettingsTest, ASecondSaveOverwritesEveryFieldAndLeavesOnlyItsRecordInTheFile)
{
	ASSERT_TRUE(Boot());
	Defaults()->SaveSettings(Sample(1));
	const FLensCalSequenceSettings First = Defaults()->GetSettings();
	FLensCalSequenceSettings Second = Sample(7);
	Second.AssetName.Reset();
	Defaults()->SaveSettings(Second);

	const FLensCalSequenceSettings Got = Defaults()->GetSettings();
	ExpectSameExceptTimeStamp(Got, Second);
	EXPECT_TRUE(Got.AssetName.IsEmpty());
	const std::string File = HostTest::ReadFile(ConfigFile());
	EXPECT_EQ(CountOf(File, "SequenceSettings="), 1) << File;
	EXPECT_EQ(CountOf(File, ConfigSection), 1) << File;
	EXPECT_NE(File.find("SequenceSettings=" + HostTest::Utf8(ToText(Got))), std::string::npos) << File;
	EXPECT_EQ(File.find(HostTest::Utf8(First.AssetName)), std::string::npos) << File;
}

TEST_F(LensCalSequenceSettingsTest, EveryWidgetInstanceReadsAndWritesTheDefaultObjectsRecord)
{
	ASSERT_TRUE(Boot());
	UQuovexLensCalSequenceGenerator* Early = NewObject<UQuovexLensCalSequenceGenerator>(GetTransientPackage(), TEXT("LensCalPanelEarly"));
	Early->SaveSettings(Sample(2));
	const FLensCalSequenceSettings Saved = Defaults()->GetSettings();
	ExpectSameExceptTimeStamp(Saved, Sample(2));
	// The instance that saved kept no copy of its own.
	EXPECT_EQ(ToText(RecordOf(Early)), ToText(FLensCalSequenceSettings()));

	UQuovexLensCalSequenceGenerator* Late = NewObject<UQuovexLensCalSequenceGenerator>(GetTransientPackage(), TEXT("LensCalPanelLate"));
	EXPECT_EQ(ToText(Late->GetSettings()), ToText(Saved));
	Late->SaveSettings(Sample(3));
	// The instance made before the last save still reads the latest record.
	EXPECT_EQ(ToText(Early->GetSettings()), ToText(Defaults()->GetSettings()));
	ExpectSameExceptTimeStamp(Early->GetSettings(), Sample(3));
}

TEST_F(LensCalSequenceSettingsTest, TheLensCalibrationPanelIsAWidgetOfThisClassAndReadsTheSavedRecord)
{
	ASSERT_TRUE(Boot());
	Defaults()->SaveSettings(Sample(6));
	ASSERT_TRUE(FQuovexTabManager::Get().OpenTab(FQuovexTabManager::LensCalSequenceGeneratorTab.TabId));
	const UEditorUtilityWidgetBlueprint* Panel = LoadObject<UEditorUtilityWidgetBlueprint>(nullptr, TEXT("/QuovexSuite/Editor/Panels/QuovexLensCalSequenceGenerator.QuovexLensCalSequenceGenerator"));
	ASSERT_NE(Panel, nullptr);
	UQuovexLensCalSequenceGenerator* Widget = Cast<UQuovexLensCalSequenceGenerator>(Panel->GetCreatedWidget());
	ASSERT_NE(Widget, nullptr);
	EXPECT_TRUE(Widget->IsA(UQuovexEditorUtilityWidgetVFX::StaticClass()));
	EXPECT_EQ(ToText(Widget->GetSettings()), ToText(Defaults()->GetSettings()));
}

TEST_F(LensCalSequenceSettingsTest, AnUnwritableFileLeavesTheRecordUpdatedTheFileUnchangedAndNoMessage)
{
	const std::string Prior = std::string(ConfigSection) + "\nSequenceSettings=(NumFocusPos=9,AssetName=\"Prior\")\n";
	HostTest::WriteFile(ConfigFile(), Prior);
	std::filesystem::permissions(ConfigFile(), std::filesystem::perms::owner_write | std::filesystem::perms::group_write | std::filesystem::perms::others_write, std::filesystem::perm_options::remove);
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;

	Defaults()->SaveSettings(Sample(4));
	ExpectSameExceptTimeStamp(Defaults()->GetSettings(), Sample(4));
	EXPECT_EQ(HostTest::ReadFile(ConfigFile()), Prior);
	EXPECT_TRUE(Log.GetLines().IsEmpty()) << HostTest::Utf8(FString::Join(Log.GetLines(), TEXT("\n")));
}

TEST_F(LensCalSequenceSettingsTest, TheGenericCallReachesTheDefaultObject)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Console;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexLensCalSequenceGenerator.SaveSettings settings=(NumFocusPos=4,AssetName=\"Console Take\",TimeStamp=\"x\")"), Console));
	const FLensCalSequenceSettings Saved = Defaults()->GetSettings();
	EXPECT_EQ(Saved.NumFocusPos, 4);
	EXPECT_EQ(Saved.AssetName, TEXT("Console Take"));
	EXPECT_TRUE(IsDefaultTimeStampForm(Saved.TimeStamp));

	Console.Clear();
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexLensCalSequenceGenerator.GetSettings"), Console));
	EXPECT_TRUE(Console.Contains(FString(TEXT("ReturnValue=")) + ToText(Saved))) << HostTest::Utf8(FString::Join(Console.GetLines(), TEXT("\n")));
}

TEST_F(LensCalSequenceSettingsTest, ASettingsArgumentThatIsNoRecordFailsAndChangesNothing)
{
	ASSERT_TRUE(Boot());
	Defaults()->SaveSettings(Sample(5));
	const FLensCalSequenceSettings Before = Defaults()->GetSettings();
	const std::string FileBefore = HostTest::ReadFile(ConfigFile());

	for (const TCHAR* Line : {
			 TEXT("call QuovexLensCalSequenceGenerator.SaveSettings settings=(NumFocusPos=two)"),
			 TEXT("call QuovexLensCalSequenceGenerator.SaveSettings settings=(NumFocusPos=1,Lens=2)"),
			 TEXT("call QuovexLensCalSequenceGenerator.SaveSettings settings=NumFocusPos"),
			 TEXT("call QuovexLensCalSequenceGenerator.SaveSettings settings=(AssetName=\"open"),
			 TEXT("call QuovexLensCalSequenceGenerator.SaveSettings settings=(NumFocusPos=1"),
			 TEXT("call QuovexLensCalSequenceGenerator.SaveSettings record=(NumFocusPos=1)") })
	{
		SCOPED_TRACE(HostTest::Utf8(Line));
		FHostLogCapture Console;
		EXPECT_FALSE(FEditorHost::Exec(Line, Console));
		ASSERT_FALSE(Console.GetLines().IsEmpty());
		EXPECT_TRUE(Console.GetLines().Last().Contains(TEXT("Error: "))) << HostTest::Utf8(Console.GetLines().Last());
		EXPECT_TRUE(Console.GetLines().Last().Contains(TEXT("settings")) || Console.GetLines().Last().Contains(TEXT("quote")) || Console.GetLines().Last().Contains(TEXT("parenthes")))
			<< HostTest::Utf8(Console.GetLines().Last());
	}
	EXPECT_EQ(ToText(Defaults()->GetSettings()), ToText(Before));
	EXPECT_EQ(HostTest::ReadFile(ConfigFile()), FileBefore);
}

TEST_F(LensCalSequenceProcessTest, StringsWithQuotesCommasParenthesesBackslashesAndAccentsSurviveARestartExactly)
{
	const std::string AssetName = R"(Take \"A\", (wide) \\ end)";
	const std::string Calibrator = "Jörg Ærøskøbing, Łódź 東京";
	const std::string Save = "call QuovexLensCalSequenceGenerator.SaveSettings settings=(NumFocusPos=12,FramesPerSecond=23.976,FOVScale=1.0625,AssetName=\"" + AssetName + "\",CalibratorName=\"" + Calibrator + "\")";
	const FEditorRun First = RunEditor({}, Save + "\ncall QuovexLensCalSequenceGenerator.GetSettings\n");
	ASSERT_EQ(First.ExitStatus, 0) << First.Joined();
	const std::string Saved = SettingsLine(First);
	ASSERT_FALSE(Saved.empty()) << First.Joined();
	EXPECT_NE(Saved.find("AssetName=\"" + AssetName + "\""), std::string::npos) << Saved;
	EXPECT_NE(Saved.find("CalibratorName=\"" + Calibrator + "\""), std::string::npos) << Saved;
	EXPECT_NE(Saved.find("NumFocusPos=12,"), std::string::npos) << Saved;

	// A new editor reads the file at start-up and hands out exactly what was saved, time stamp included.
	const FEditorRun Second = RunEditor({}, "call QuovexLensCalSequenceGenerator.GetSettings\n");
	ASSERT_EQ(Second.ExitStatus, 0) << Second.Joined();
	EXPECT_EQ(SettingsLine(Second), Saved) << Second.Joined();
	EXPECT_FALSE(Second.Has("Warning")) << Second.Joined();
}

TEST_F(LensCalSequenceProcessTest, AMalformedFileIsReportedByNameAndLeavesTheRecordEmptyAndTheRestOfTheFileKept)
{
	HostTest::WriteFile(ConfigFile(),
		"; studio notes\n"
		"[/Script/Other.Settings]\n"
		"Kept=Yes\n"
		"\n"
		"[/Script/QuovexVirtualProductionEditor.QuovexLensCalSequenceGenerator]\n"
		"this line has no value\n"
		"SequenceSettings=(NumFocusPos=lots,AssetName=\"Broken\")\n");
	const FEditorRun Run = RunEditor({}, "call QuovexLensCalSequenceGenerator.GetSettings\n");
	ASSERT_EQ(Run.ExitStatus, 0) << Run.Joined();
	EXPECT_TRUE(Run.Has("Warning: " + ConfigFile().generic_string() + ":6:")) << Run.Joined();
	EXPECT_TRUE(Run.Has("Warning: LoadConfig: [/Script/QuovexVirtualProductionEditor.QuovexLensCalSequenceGenerator] SequenceSettings: cannot read")) << Run.Joined();
	EXPECT_NE(SettingsLine(Run).find("NumFocusPos=0,"), std::string::npos) << Run.Joined();

	// Saving puts a good record in its section and keeps the other section and the notes.
	const FEditorRun Save = RunEditor({}, "call QuovexLensCalSequenceGenerator.SaveSettings settings=(NumFocusPos=2)\n");
	ASSERT_EQ(Save.ExitStatus, 0) << Save.Joined();
	const std::string File = HostTest::ReadFile(ConfigFile());
	EXPECT_NE(File.find("; studio notes"), std::string::npos) << File;
	EXPECT_NE(File.find("[/Script/Other.Settings]\nKept=Yes\n"), std::string::npos) << File;
	EXPECT_EQ(File.find("lots"), std::string::npos) << File;
	const FEditorRun After = RunEditor({}, "call QuovexLensCalSequenceGenerator.GetSettings\n");
	EXPECT_NE(SettingsLine(After).find("NumFocusPos=2,"), std::string::npos) << After.Joined();
	EXPECT_FALSE(After.Has("Warning")) << After.Joined();
}
