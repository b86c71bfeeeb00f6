// Contract tests of object configuration: SaveConfig writes the class's section in text form and
// LoadConfig reads it back; class default objects load their section when created.

#include "CoreMinimal.h"
#include "CoreGlobals.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/FileHelper.h"
#include "ReflectionTestTypes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
	/** A private config cache in GConfig's place and a temp folder, both gone afterwards. */
	class FObjectConfigTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			Directory = std::filesystem::temp_directory_path() / ("ObjectConfigTest_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
			std::filesystem::create_directories(Directory);
			Filename = FString(Directory.u16string().c_str()) + TEXT("/DefaultReflectionTest.ini");
			PreviousConfig = GConfig;
			GConfig = &Config;
		}

		void TearDown() override
		{
			GConfig = PreviousConfig;
			std::filesystem::remove_all(Directory);
		}

		FString ReadFile()
		{
			FString Text;
			FFileHelper::LoadFileToString(Text, *Filename);
			return Text;
		}

		std::filesystem::path Directory;
		FString Filename;
		FConfigCacheIni Config;
		FConfigCacheIni* PreviousConfig = nullptr;
	};
}

TEST_F(FObjectConfigTest, SaveConfigWritesTheClassSectionInTextForm)
{
	UReflectionTestObject* Object = NewObject<UReflectionTestObject>();
	Object->Settings.Count = 4;
	Object->Settings.Label = TEXT("Lens A");
	Object->Settings.Items = { TEXT("x") };
	Object->Counter = 12;
	Object->bFlagA = 1;
	Object->SaveConfig(CPF_None, *Filename, &Config, false);

	const FString Text = ReadFile();
	EXPECT_TRUE(Text.Contains(TEXT("[/Script/ReflectionTestTypes.ReflectionTestObject]")));
	EXPECT_TRUE(Text.Contains(TEXT("Settings=(Count=4,Scale=0.0,Label=\"Lens A\",Tag=,bEnabled=False,Items=(\"x\"),Mode=First,Target=None)")));
	EXPECT_TRUE(Text.Contains(TEXT("Counter=12")));
	// Only configuration properties are written.
	EXPECT_FALSE(Text.Contains(TEXT("bFlagA")));
	UE::ObjectHost::DestroyObjectNow(Object);
}

TEST_F(FObjectConfigTest, LoadConfigReadsBackWhatSaveConfigWrote)
{
	UReflectionTestObject* Writer = NewObject<UReflectionTestObject>();
	Writer->Settings.Count = 9;
	Writer->Settings.Mode = EReflectionTestMode::Third;
	Writer->Settings.Tag = TEXT("Cam");
	Writer->Counter = 3;
	Writer->SaveConfig(CPF_Config, *Filename, &Config, false);

	UReflectionTestObject* Reader = NewObject<UReflectionTestObject>();
	EXPECT_EQ(Reader->Settings.Count, GetDefault<UReflectionTestObject>()->Settings.Count);
	Reader->LoadConfig(nullptr, *Filename);
	EXPECT_EQ(Reader->Settings.Count, 9);
	EXPECT_EQ(Reader->Settings.Mode, EReflectionTestMode::Third);
	EXPECT_EQ(Reader->Settings.Tag, FName(TEXT("Cam")));
	EXPECT_EQ(Reader->Counter, 3);

	// A second save replaces the values; nothing of the first remains.
	Writer->Settings.Items = { TEXT("only") };
	Writer->Settings.Count = 1;
	Writer->SaveConfig(CPF_Config, *Filename, &Config, false);
	const FString Text = ReadFile();
	EXPECT_FALSE(Text.Contains(TEXT("Count=9")));
	EXPECT_TRUE(Text.Contains(TEXT("Count=1,")));
	UE::ObjectHost::DestroyObjectNow(Writer);
	UE::ObjectHost::DestroyObjectNow(Reader);
}

TEST_F(FObjectConfigTest, SavingAnInstanceUpdatesTheClassDefaultsWhenAllowed)
{
	UReflectionTestDerived* Defaults = GetMutableDefault<UReflectionTestDerived>();
	const FReflectionTestSettings OldSettings = Defaults->Settings;
	UReflectionTestDerived* Object = NewObject<UReflectionTestDerived>();
	Object->Settings.Label = TEXT("Saved");
	Object->SaveConfig(CPF_Config, *Filename, &Config, true);
	EXPECT_EQ(Defaults->Settings.Label, FString(TEXT("Saved")));
	EXPECT_EQ(NewObject<UReflectionTestDerived>()->Settings.Label, FString(TEXT("Saved")));

	Object->Settings.Label = TEXT("Not copied");
	Object->SaveConfig(CPF_Config, *Filename, &Config, false);
	EXPECT_EQ(Defaults->Settings.Label, FString(TEXT("Saved")));
	Defaults->Settings = OldSettings;
	UE::ObjectHost::DestroyObjectNow(Object);
}
