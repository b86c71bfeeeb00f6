// FConfigFile: one ini file read on its own, with the config cache's line syntax, leaving GConfig alone.

#include "HostTestSupport.h"

#include "CoreGlobals.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/CoreHost.h"

#include <gtest/gtest.h>

using namespace HostTest;

TEST(ConfigFileTest, AFileReadOnItsOwnAnswersLikeTheCacheAndStaysOutOfIt)
{
	FScopedTempDir Temp;
	FCoreHost::SetEngineDir(Temp.Str("Engine"));
	FConfigCacheIni::InitializeConfigSystem();
	const FString Path = Temp.Str("Settings.ini");
	WriteFile(Temp.Path("Settings.ini"), "; saved by the panel\n[/Script/Mod.Class]\nName=\"  padded \"\nList=a\n+List=b\nbroken line\nname=second\n[Other]\nKey=1\n");

	FConfigFile File;
	File.Read(Path);
	FString Value;
	// Sections and keys ignore case; a key named twice in one file keeps both values, the first answers.
	EXPECT_TRUE(File.GetString(TEXT("/script/mod.class"), TEXT("NAME"), Value));
	EXPECT_EQ(Value, TEXT("  padded "));
	EXPECT_TRUE(File.GetString(TEXT("/Script/Mod.Class"), TEXT("List"), Value));
	EXPECT_EQ(Value, TEXT("a"));
	EXPECT_FALSE(File.GetString(TEXT("/Script/Mod.Class"), TEXT("Key"), Value));
	EXPECT_FALSE(File.GetString(TEXT("Missing"), TEXT("Key"), Value));
	EXPECT_FALSE(GConfig->IsFileLoaded(Path));

	// A file that is not there reads as empty; a copy keeps what it was given.
	FConfigFile Copy = File;
	Copy.Read(Temp.Str("Absent.ini"));
	EXPECT_TRUE(Copy.GetString(TEXT("Other"), TEXT("Key"), Value));
	EXPECT_EQ(Value, TEXT("1"));

	delete GConfig;
	GConfig = nullptr;
	FCoreHost::Reset();
}
