// FPaths string rules, host-set folders, the file manager and whole-file reads and writes.

#include "HostTestSupport.h"

#include "GenericPlatform/GenericPlatformFile.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/CoreHost.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

#include <gtest/gtest.h>

using namespace HostTest;

TEST(PathsTest, SplitTreatsObjectPathsAsThePluginExpects)
{
	FString Path, Name, Extension;
	FPaths::Split(TEXT("/Game/LiveLink/StagePreset.StagePreset"), Path, Name, Extension);
	EXPECT_EQ(Utf8(Path), "/Game/LiveLink");
	EXPECT_EQ(Utf8(Name), "StagePreset");
	EXPECT_EQ(Utf8(Extension), "StagePreset");

	// A dot in a folder name is not an extension.
	FPaths::Split(TEXT("/Game/v1.2/Take"), Path, Name, Extension);
	EXPECT_EQ(Utf8(Path), "/Game/v1.2");
	EXPECT_EQ(Utf8(Name), "Take");
	EXPECT_EQ(Utf8(Extension), "");

	FPaths::Split(TEXT("NoFolder"), Path, Name, Extension);
	EXPECT_EQ(Utf8(Path), "");
	EXPECT_EQ(Utf8(Name), "NoFolder");
}

TEST(PathsTest, FileNamePartsAndExtensions)
{
	EXPECT_EQ(Utf8(FPaths::GetCleanFilename(TEXT("C:\\Stage\\Take.json"))), "Take.json");
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("/a/b/Take.umap.json"))), "Take.umap");
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("/a/b/Take.json"), false)), "/a/b/Take");
	EXPECT_EQ(Utf8(FPaths::GetExtension(TEXT("/a/b/Take.json"), true)), ".json");
	EXPECT_EQ(Utf8(FPaths::GetPathLeaf(TEXT("/a/Layouts/"))), "Layouts");
	EXPECT_EQ(Utf8(FPaths::ChangeExtension(TEXT("/a/b.txt"), TEXT("ini"))), "/a/b.ini");
	EXPECT_EQ(Utf8(FPaths::ChangeExtension(TEXT("/a.d/b"), TEXT("ini"))), "/a.d/b");
	EXPECT_EQ(Utf8(FPaths::SetExtension(TEXT("/a.d/b"), TEXT(".ini"))), "/a.d/b.ini");
}

TEST(PathsTest, CombineNormalizeAndCollapse)
{
	EXPECT_EQ(Utf8(FPaths::Combine(TEXT("a/"), TEXT("/b"), TEXT(""), TEXT("c"))), "a/b/c");
	EXPECT_EQ(Utf8(FPaths::Combine(FString(TEXT("/root")), TEXT("x.ini"))), "/root/x.ini");

	FString Dir(TEXT("C:\\Stage\\Layouts\\"));
	FPaths::NormalizeDirectoryName(Dir);
	EXPECT_EQ(Utf8(Dir), "C:/Stage/Layouts");
	FString Root(TEXT("/"));
	FPaths::NormalizeDirectoryName(Root);
	EXPECT_EQ(Utf8(Root), "/");

	FString Path(TEXT("/a/b/../c/./d/"));
	EXPECT_TRUE(FPaths::CollapseRelativeDirectories(Path));
	EXPECT_EQ(Utf8(Path), "/a/c/d/");
	FString Above(TEXT("/a/../../b"));
	EXPECT_FALSE(FPaths::CollapseRelativeDirectories(Above));
	EXPECT_EQ(Utf8(Above), "/a/../../b");

	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/work/Samples/DemoStage/"), TEXT("../../Plugins"))), "/work/Plugins");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/base"), TEXT("/abs//x"))), "/abs/x");
	EXPECT_TRUE(FPaths::IsRelative(TEXT("Content/Maps")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("/Content")));
	EXPECT_TRUE(FPaths::IsUnderDirectory(TEXT("/a/b/c.txt"), TEXT("/a/b/")));
	EXPECT_FALSE(FPaths::IsUnderDirectory(TEXT("/a/bc/c.txt"), TEXT("/a/b")));

	FString Relative(TEXT("/a/b/c/file.txt"));
	EXPECT_TRUE(FPaths::MakePathRelativeTo(Relative, TEXT("/a/x/")));
	EXPECT_EQ(Utf8(Relative), "../b/c/file.txt");
}

TEST(PathsTest, HostSetFoldersDriveProjectAndUserPaths)
{
	FScopedTempDir Temp;
	FCoreHost::SetProjectFilePath(Temp.Str("Stage/Stage.uproject"));
	FCoreHost::SetEngineUserDir(Temp.Str("User"));
	FCoreHost::SetEngineDir(Temp.Str("Engine"));

	EXPECT_TRUE(FPaths::IsProjectFilePathSet());
	EXPECT_EQ(Utf8(FPaths::ProjectDir()), Utf8(Temp.Str("Stage/")));
	EXPECT_EQ(Utf8(FPaths::ProjectConfigDir()), Utf8(Temp.Str("Stage/Config/")));
	EXPECT_EQ(Utf8(FPaths::ProjectContentDir()), Utf8(Temp.Str("Stage/Content/")));
	EXPECT_EQ(Utf8(FPaths::ProjectPluginsDir()), Utf8(Temp.Str("Stage/Plugins/")));
	EXPECT_EQ(Utf8(FPaths::EnginePluginsDir()), Utf8(Temp.Str("Engine/Plugins/")));
	EXPECT_TRUE(FPaths::IsUnderDirectory(FPaths::EngineUserLayoutDir(), Temp.Str("User")));

	FCoreHost::Reset();
	EXPECT_FALSE(FPaths::IsProjectFilePathSet());
	EXPECT_FALSE(FPaths::IsUnderDirectory(FPaths::EngineUserDir(), Temp.Str()));
}

TEST(FileManagerTest, FindsFilesByWildcardAndRecursively)
{
	FScopedTempDir Temp;
	WriteFile(Temp.Path("Config/DefaultEngine.ini"), "");
	WriteFile(Temp.Path("Config/DefaultGame.ini"), "");
	WriteFile(Temp.Path("Config/Other.txt"), "");
	WriteFile(Temp.Path("Config/Layouts/Stage.json"), "");
	IFileManager& Files = IFileManager::Get();

	TArray<FString> Found;
	Files.FindFiles(Found, *Temp.Str("Config/default*.INI"), true, false);
	ASSERT_EQ(Found.Num(), 2);
	EXPECT_EQ(Utf8(Found[0]), "DefaultEngine.ini");
	EXPECT_EQ(Utf8(Found[1]), "DefaultGame.ini");

	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Config"), TEXT(".txt"));
	ASSERT_EQ(Found.Num(), 1);
	EXPECT_EQ(Utf8(Found[0]), "Other.txt");

	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Config/*"), false, true);
	ASSERT_EQ(Found.Num(), 1);
	EXPECT_EQ(Utf8(Found[0]), "Layouts");

	Files.FindFilesRecursive(Found, *Temp.Str(), TEXT("*.json"), true, false);
	ASSERT_EQ(Found.Num(), 1);
	EXPECT_EQ(Utf8(Found[0]), Utf8(Temp.Str("Config/Layouts/Stage.json")));
}

TEST(FileManagerTest, AllFilesPatternsTakeNamesWithoutAnExtension)
{
	FScopedTempDir Temp;
	WriteFile(Temp.Path("Take/README"), "");
	WriteFile(Temp.Path("Take/a.txt"), "");
	WriteFile(Temp.Path("Take/Clips/LICENSE"), "");
	IFileManager& Files = IFileManager::Get();
	const auto Names = [](TArray<FString> Found) {
		Found.Sort();
		std::vector<std::string> Result;
		for (const FString& Name : Found)
		{
			Result.push_back(Utf8(Name));
		}
		return Result;
	};
	const std::vector<std::string> Both = { "a.txt", "README" };

	TArray<FString> Found;
	Files.FindFiles(Found, *Temp.Str("Take/*.*"), true, false);
	EXPECT_EQ(Names(Found), Both);
	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Take/*"), true, false);
	EXPECT_EQ(Names(Found), Both);
	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Take/*.*"), false, true);
	EXPECT_EQ(Names(Found), std::vector<std::string>{ "Clips" });

	// Without an extension every file is listed; a given wildcard is searched as it stands.
	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Take"), TEXT(""));
	EXPECT_EQ(Names(Found), Both);
	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Take"), nullptr);
	EXPECT_EQ(Names(Found), Both);
	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Take"), TEXT("*.txt"));
	EXPECT_EQ(Names(Found), std::vector<std::string>{ "a.txt" });

	// Only the all-files patterns are special: any other pattern with a dot needs a dot in the name.
	Found.Empty();
	Files.FindFiles(Found, *Temp.Str("Take/READ*.*"), true, false);
	EXPECT_TRUE(Found.IsEmpty());

	Files.FindFilesRecursive(Found, *Temp.Str("Take"), TEXT("*.*"), true, false);
	EXPECT_EQ(Names(Found), (std::vector<std::string>{ Utf8(Temp.Str("Take/a.txt")), Utf8(Temp.Str("Take/Clips/LICENSE")), Utf8(Temp.Str("Take/README")) }));
}

TEST(FileManagerTest, CopyMoveAndDeleteFollowTheirFlags)
{
	FScopedTempDir Temp;
	IFileManager& Files = IFileManager::Get();
	WriteFile(Temp.Path("a.txt"), "first");
	WriteFile(Temp.Path("b.txt"), "second");

	EXPECT_EQ(Files.Copy(*Temp.Str("b.txt"), *Temp.Str("a.txt"), false), uint32(COPY_Fail));
	EXPECT_EQ(ReadFile(Temp.Path("b.txt")), "second");
	EXPECT_EQ(Files.Copy(*Temp.Str("deep/er/c.txt"), *Temp.Str("a.txt")), uint32(COPY_OK));
	EXPECT_EQ(ReadFile(Temp.Path("deep/er/c.txt")), "first");
	EXPECT_EQ(Files.FileSize(*Temp.Str("deep/er/c.txt")), 5);
	EXPECT_EQ(Files.FileSize(*Temp.Str("missing")), -1);

	EXPECT_FALSE(Files.Move(*Temp.Str("b.txt"), *Temp.Str("a.txt"), false));
	EXPECT_TRUE(Files.Move(*Temp.Str("moved/a.txt"), *Temp.Str("a.txt")));
	EXPECT_FALSE(Files.FileExists(*Temp.Str("a.txt")));

	EXPECT_FALSE(Files.DeleteDirectory(*Temp.Str("deep"), false, false));
	EXPECT_TRUE(Files.DirectoryExists(*Temp.Str("deep")));
	EXPECT_TRUE(Files.DeleteDirectory(*Temp.Str("deep"), false, true));
	EXPECT_FALSE(Files.DirectoryExists(*Temp.Str("deep")));
	EXPECT_TRUE(Files.Delete(*Temp.Str("nothing")));
	EXPECT_FALSE(Files.Delete(*Temp.Str("nothing"), true));
	EXPECT_FALSE(Files.MakeDirectory(*Temp.Str("x/y/z"), false));
	EXPECT_TRUE(Files.MakeDirectory(*Temp.Str("x/y/z"), true));
}

TEST(FileManagerTest, CopyDirectoryTreeOverwritesOnlyWhenAsked)
{
	FScopedTempDir Temp;
	WriteFile(Temp.Path("From/Layouts/A.json"), "new A");
	WriteFile(Temp.Path("From/Layouts/Sub/B.json"), "new B");
	WriteFile(Temp.Path("To/Layouts/A.json"), "old A");
	IPlatformFile& Platform = FPlatformFileManager::Get().GetPlatformFile();

	EXPECT_TRUE(Platform.CopyDirectoryTree(*Temp.Str("To"), *Temp.Str("From"), false));
	EXPECT_EQ(ReadFile(Temp.Path("To/Layouts/A.json")), "old A");
	EXPECT_EQ(ReadFile(Temp.Path("To/Layouts/Sub/B.json")), "new B");

	EXPECT_TRUE(Platform.CopyDirectoryTree(*Temp.Str("To"), *Temp.Str("From"), true));
	EXPECT_EQ(ReadFile(Temp.Path("To/Layouts/A.json")), "new A");
	EXPECT_FALSE(Platform.CopyDirectoryTree(*Temp.Str("To"), *Temp.Str("Missing"), true));
}

TEST(FileHelperTest, TextRoundTripsThroughEveryEncoding)
{
	FScopedTempDir Temp;
	const FString Text(TEXT("Kamera \u00e4\u00f6\u00fc \u65e5\u672c \U0001F3A5 end"));
	using EEncoding = FFileHelper::EEncodingOptions;
	for (EEncoding Encoding : { EEncoding::AutoDetect, EEncoding::ForceUnicode, EEncoding::ForceUTF8, EEncoding::ForceUTF8WithoutBOM })
	{
		const FString File = Temp.Str("sub/text.txt");
		ASSERT_TRUE(FFileHelper::SaveStringToFile(Text, *File, Encoding));
		FString Loaded;
		ASSERT_TRUE(FFileHelper::LoadFileToString(Loaded, *File));
		EXPECT_EQ(Utf8(Loaded), Utf8(Text)) << "encoding " << int(Encoding);
	}
	// Plain ASCII is written without a byte-order mark, as the engine does.
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("abc"), *Temp.Str("plain.txt")));
	EXPECT_EQ(ReadFile(Temp.Path("plain.txt")), "abc");

	FString Missing;
	EXPECT_FALSE(FFileHelper::LoadFileToString(Missing, *Temp.Str("none.txt")));
}

TEST(FileHelperTest, LinesAppendAndBytes)
{
	FScopedTempDir Temp;
	WriteFile(Temp.Path("lines.txt"), "\xEF\xBB\xBFone\r\n\r\ntwo\nthree");
	TArray<FString> Lines;
	ASSERT_TRUE(FFileHelper::LoadFileToStringArray(Lines, *Temp.Str("lines.txt")));
	ASSERT_EQ(Lines.Num(), 3);
	EXPECT_EQ(Utf8(Lines[0]), "one");
	EXPECT_EQ(Utf8(Lines[2]), "three");

	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("more"), *Temp.Str("lines.txt"), FFileHelper::EEncodingOptions::ForceAnsi, &IFileManager::Get(), FILEWRITE_Append));
	EXPECT_EQ(ReadFile(Temp.Path("lines.txt")).substr(ReadFile(Temp.Path("lines.txt")).size() - 9), "threemore");
	EXPECT_FALSE(FFileHelper::SaveStringToFile(TEXT("x"), *Temp.Str("lines.txt"), FFileHelper::EEncodingOptions::AutoDetect, &IFileManager::Get(), FILEWRITE_NoReplaceExisting));

	TArray<uint8> Bytes;
	ASSERT_TRUE(FFileHelper::LoadFileToArray(Bytes, *Temp.Str("lines.txt")));
	EXPECT_EQ(Bytes[0], 0xEF);
	ASSERT_TRUE(FFileHelper::SaveArrayToFile(Bytes, *Temp.Str("copy.bin")));
	EXPECT_EQ(ReadFile(Temp.Path("copy.bin")), ReadFile(Temp.Path("lines.txt")));
}
