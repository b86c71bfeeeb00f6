// Files the editor reads that are empty, cut short, not text or not of their format: project files, plugin
// descriptors, ini files, assets and maps, and user layouts. Each is reported by its path and what is wrong
// with it, nothing crashes, and the file is still there afterwards exactly as it was.

#include "HostTestSupport.h"

#include "EditorHost.h"
#include "Components/SceneComponent.h"
#include "GameFramework/Actor.h"
#include "HostLogCapture.h"
#include "Misc/App.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/Paths.h"
#include "Templates/Casts.h"
#include "CoreGlobals.h"
#include "UObject/Object.h"
#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace HostTest;

namespace
{
	/** A file's name and the bytes it holds. */
	struct FBadFile
	{
		std::string Name;
		std::string Bytes;
		/** What the report must say besides the file's path. */
		const TCHAR* Problem;
	};

	std::string Nested(size_t Depth)
	{
		return std::string(Depth, '[') + std::string(Depth, ']');
	}

	/** Bytes that are no text at all: an image's header, then every byte value, NUL and invalid UTF-8 lead bytes included. */
	std::string Binary()
	{
		std::string Bytes("\x89PNG\r\n\x1a\n", 8);
		for (int Value = 0; Value < 256; ++Value)
		{
			Bytes.push_back(char(Value));
		}
		return Bytes;
	}

	/** Throw-away projects; the host is shut down after every test. */
	class FileBadInputTest : public ::testing::Test
	{
	protected:
		void TearDown() override
		{
			FEditorHost::Shutdown();
		}

		FEditorHostOptions Options(const std::string& ProjectFile)
		{
			FEditorHostOptions Result;
			Result.ProjectFile = Temp.Str(ProjectFile);
			Result.UserDir = Temp.Str("User") + TEXT("/");
			Result.BinariesDir = FString(TEXT(QUOVEX_BINARIES_DIR));
			return Result;
		}

		/** A project without plugins, its content and config beside it. */
		void WriteProject(const std::string& Folder, const std::string& EngineIni = std::string())
		{
			WriteFile(Temp.Path(Folder + "/" + Folder + ".uproject"), R"({ "FileVersion": 3, "EngineAssociation": "5.3", "Plugins": [] })");
			WriteFile(Temp.Path(Folder + "/Config/DefaultEngine.ini"), EngineIni);
		}

		bool Boot(const std::string& Folder)
		{
			return FEditorHost::Boot(Options(Folder + "/" + Folder + ".uproject"));
		}

		/** Whether a captured line names the file and the problem. */
		static bool Reports(const FHostLogCapture& Log, const std::filesystem::path& File, const TCHAR* Problem)
		{
			const FString Path(UTF8_TO_TCHAR(File.generic_string().c_str()));
			for (const FString& Line : Log.GetLines())
			{
				if (Line.Contains(Path) && Line.Contains(Problem))
				{
					return true;
				}
			}
			return false;
		}

		static std::string Dump(const FHostLogCapture& Log)
		{
			std::string Text;
			for (const FString& Line : Log.GetLines())
			{
				Text += Utf8(Line.Left(300)) + "\n";
			}
			return Text;
		}

		FScopedTempDir Temp;
	};
}

TEST_F(FileBadInputTest, AProjectFileThatIsNoProjectFailsTheBootByNameAndStaysAsItWas)
{
	const std::vector<FBadFile> Files = {
		{ "Empty", "", TEXT("Not valid JSON") },
		{ "Truncated", R"({ "FileVersion": 3, "EngineAssociation": "5.)", TEXT("Not valid JSON") },
		{ "IniText", "[/Script/Engine.Engine]\nFileVersion=3\n", TEXT("Not valid JSON") },
		{ "Binary", Binary(), TEXT("Not valid JSON") },
		{ "List", "[ 3 ]", TEXT("The descriptor is not a JSON object") },
		{ "NoVersion", R"({ "EngineAssociation": "5.3" })", TEXT("has no \"FileVersion\"") },
		{ "VersionText", R"({ "FileVersion": "3" })", TEXT("has no \"FileVersion\"") },
		{ "PluginsNumber", R"({ "FileVersion": 3, "Plugins": 5 })", TEXT("\"Plugins\" is not an array") },
		{ "PluginWithoutName", R"({ "FileVersion": 3, "Plugins": [ { "Enabled": true } ] })", TEXT("A plugin reference has no \"Name\"") },
		{ "ModuleOfNoType", R"({ "FileVersion": 3, "Modules": [ { "Name": "Stage", "Type": "Sometimes" } ] })", TEXT("unknown type 'Sometimes'") },
		// Nested far deeper than any descriptor: refused while read, not walked until the stack runs out.
		{ "Deep", R"({ "FileVersion": 3, "Stage": )" + Nested(200000) + " }", TEXT("nests values more than 64 levels deep") },
	};
	for (const FBadFile& Bad : Files)
	{
		SCOPED_TRACE(Bad.Name);
		const std::filesystem::path File = Temp.Path(Bad.Name + "/" + Bad.Name + ".uproject");
		WriteFile(File, Bad.Bytes);
		FHostLogCapture Log;
		EXPECT_FALSE(Boot(Bad.Name));
		EXPECT_TRUE(Reports(Log, File, Bad.Problem)) << Dump(Log);
		EXPECT_TRUE(Log.Contains(TEXT("could not be read")));
		EXPECT_FALSE(FEditorHost::IsBooted());
		EXPECT_FALSE(FPaths::IsProjectFilePathSet());
		EXPECT_EQ(ReadFile(File), Bad.Bytes);
	}
}

TEST_F(FileBadInputTest, AProjectFileInAnotherEncodingStillOpens)
{
	// Latin-1 bytes in a description read as U+FFFD; UTF-16 with its byte order mark reads as it is.
	const std::string Latin1 = "{ \"FileVersion\": 3, \"Description\": \"B\xfchne 1\", \"Plugins\": [] }";
	WriteFile(Temp.Path("Latin/Latin.uproject"), Latin1);
	ASSERT_TRUE(Boot("Latin"));
	EXPECT_EQ(Utf8(FString(FApp::GetProjectName())), "Latin");
	FEditorHost::Shutdown();
	EXPECT_EQ(ReadFile(Temp.Path("Latin/Latin.uproject")), Latin1);

	const std::u16string Wide = u"\uFEFF{ \"FileVersion\": 3, \"Description\": \"Bühne 2\", \"Plugins\": [] }";
	WriteFile(Temp.Path("Wide/Wide.uproject"), std::string(reinterpret_cast<const char*>(Wide.data()), Wide.size() * 2));
	ASSERT_TRUE(Boot("Wide"));
	EXPECT_EQ(Utf8(FString(FApp::GetProjectName())), "Wide");
}

TEST_F(FileBadInputTest, APluginWhoseDescriptorNamesAMissingModuleStopsTheBootByName)
{
	const std::string Descriptor = R"({ "FileVersion": 3, "FriendlyName": "Stage Tools", "Modules": [ { "Name": "StageToolsRuntime", "Type": "Runtime", "LoadingPhase": "Default" } ] })";
	WriteFile(Temp.Path("Stage/Plugins/StageTools/StageTools.uplugin"), Descriptor);
	WriteFile(Temp.Path("Stage/Stage.uproject"), R"({ "FileVersion": 3, "Plugins": [ { "Name": "StageTools", "Enabled": true } ] })");
	FHostLogCapture Log;
	EXPECT_FALSE(Boot("Stage"));
	EXPECT_TRUE(Log.Contains(TEXT("Plugin 'StageTools' failed to load because module 'StageToolsRuntime' could not be loaded"))) << Dump(Log);
	EXPECT_TRUE(Log.Contains(TEXT("UnrealEditor-StageToolsRuntime.so")));
	EXPECT_TRUE(Log.Contains(TEXT("A plugin or one of its modules could not be loaded; the editor cannot start")));
	EXPECT_FALSE(FEditorHost::IsBooted());
	EXPECT_EQ(ReadFile(Temp.Path("Stage/Plugins/StageTools/StageTools.uplugin")), Descriptor);

	// The same project boots again once the descriptor names no module that is missing.
	WriteFile(Temp.Path("Stage/Plugins/StageTools/StageTools.uplugin"), R"({ "FileVersion": 3, "FriendlyName": "Stage Tools", "CanContainContent": true })");
	EXPECT_TRUE(Boot("Stage"));
}

TEST_F(FileBadInputTest, AProjectEnablingAPluginThatIsNowhereStopsTheBootByName)
{
	// A copy of a project whose plugin folder moved: the editor must not start without the plugin its maps need.
	const std::string Project = R"({ "FileVersion": 3, "Plugins": [ { "Name": "StageTools", "Enabled": true } ], "AdditionalPluginDirectories": [ "../Moved" ] })";
	WriteFile(Temp.Path("Stage/Stage.uproject"), Project);
	FHostLogCapture Log;
	EXPECT_FALSE(Boot("Stage"));
	EXPECT_TRUE(Log.Contains(TEXT("Plugin 'StageTools' enabled by Stage.uproject was not found"))) << Dump(Log);
	EXPECT_TRUE(Log.Contains(TEXT("A plugin or one of its modules could not be loaded; the editor cannot start")));
	EXPECT_FALSE(FEditorHost::IsBooted());
	EXPECT_EQ(ReadFile(Temp.Path("Stage/Stage.uproject")), Project);

	WriteFile(Temp.Path("Moved/StageTools/StageTools.uplugin"), R"({ "FileVersion": 3, "FriendlyName": "Stage Tools", "CanContainContent": true })");
	EXPECT_TRUE(Boot("Stage"));
}

TEST_F(FileBadInputTest, APluginDescriptorThatIsNoDescriptorIsSkippedByNameAndTheRestBoots)
{
	const std::vector<FBadFile> Files = {
		{ "Empty", "", TEXT("Not valid JSON") },
		{ "Truncated", R"({ "FileVersion": 3, "Modules": [ { "Name": ")", TEXT("Not valid JSON") },
		{ "Binary", Binary(), TEXT("Not valid JSON") },
		{ "Text", "Stage tools, version 3\n", TEXT("Not valid JSON") },
		{ "ModulesObject", R"({ "FileVersion": 3, "Modules": { "Name": "A" } })", TEXT("\"Modules\" is not an array") },
		{ "PhaseOfNoPhase", R"({ "FileVersion": 3, "Modules": [ { "Name": "A", "Type": "Runtime", "LoadingPhase": "Whenever" } ] })", TEXT("unknown loading phase 'Whenever'") },
		{ "Deep", R"({ "FileVersion": 3, "Modules": )" + Nested(100000) + " }", TEXT("nests values more than 64 levels deep") },
		{ "LongModule", R"({ "FileVersion": 3, "Modules": [ { "Name": ")" + std::string(NAME_SIZE, 'M') + R"(", "Type": "Runtime" } ] })", TEXT("A module name is 1024 characters long; names take up to 1023") },
	};
	WriteProject("Stage");
	for (const FBadFile& Bad : Files)
	{
		WriteFile(Temp.Path("Stage/Plugins/" + Bad.Name + "/" + Bad.Name + ".uplugin"), Bad.Bytes);
	}
	FHostLogCapture Log;
	ASSERT_TRUE(Boot("Stage")) << Dump(Log);
	for (const FBadFile& Bad : Files)
	{
		SCOPED_TRACE(Bad.Name);
		const std::filesystem::path File = Temp.Path("Stage/Plugins/" + Bad.Name + "/" + Bad.Name + ".uplugin");
		EXPECT_TRUE(Reports(Log, File, TEXT("Plugin descriptor skipped")));
		EXPECT_TRUE(Reports(Log, File, Bad.Problem)) << Dump(Log);
	}
	FEditorHost::Shutdown();
	for (const FBadFile& Bad : Files)
	{
		EXPECT_EQ(ReadFile(Temp.Path("Stage/Plugins/" + Bad.Name + "/" + Bad.Name + ".uplugin")), Bad.Bytes) << Bad.Name;
	}
}

TEST_F(FileBadInputTest, AnIniFileThatIsEmptyCutShortOrNotTextOnlyWarnsLineByLine)
{
	const std::vector<FBadFile> Files = {
		{ "Empty", "", nullptr },
		{ "CutInAHeader", "[/Script/Engine.Engine]\nGenerateDefaultTimecodeFrameRate=(Numerator=24,Denominator=1)\n[/Script/Engine.Eng", TEXT(":3: malformed section header") },
		{ "CutInAValue", "[/Script/Engine.Engine]\nGenerateDefaultTimecodeFrameRate=(Numerator=24,Denomina", TEXT("is not a frame rate") },
		{ "Binary", Binary(), TEXT("is not UTF-8 text") },
		{ "Latin1", "[/Script/Engine.Engine]\n; B\xfchne\nGenerateDefaultTimecodeFrameRate=(Numerator=24,Denominator=1)\n", TEXT("is not UTF-8 text") },
		{ "NotIni", "{ \"FileVersion\": 3 }\n", TEXT(":1: expected Key=Value") },
	};
	for (const FBadFile& Bad : Files)
	{
		SCOPED_TRACE(Bad.Name);
		WriteProject(Bad.Name, Bad.Bytes);
		const std::filesystem::path File = Temp.Path(Bad.Name + "/Config/DefaultEngine.ini");
		FHostLogCapture Log;
		ASSERT_TRUE(Boot(Bad.Name)) << Dump(Log);
		if (Bad.Problem)
		{
			EXPECT_TRUE(Reports(Log, File, Bad.Problem) || Log.Contains(Bad.Problem)) << Dump(Log);
		}
		// The rate is the engine's default unless the file gave one whole.
		const bool bRateGiven = Bad.Name == "CutInAHeader" || Bad.Name == "Latin1";
		EXPECT_EQ(FApp::GetTimecodeFrameRate(), bRateGiven ? FFrameRate(24, 1) : FFrameRate(30, 1));
		FEditorHost::Shutdown();
		EXPECT_EQ(ReadFile(File), Bad.Bytes);
	}
}

TEST_F(FileBadInputTest, ASavedIniThatIsNotUtf8IsNeverRewritten)
{
	WriteProject("Stage");
	const std::string Saved = "[Stage]\n; B\xfchne 1, Kamera \xc4\n[/Script/Stage.Settings]\nOperator=J\xfcrgen\n";
	const std::filesystem::path File = Temp.Path("Stage/Saved/Config/LinuxEditor/EditorPerProjectUserSettings.ini");
	WriteFile(File, Saved);
	FHostLogCapture Log;
	ASSERT_TRUE(Boot("Stage"));
	EXPECT_TRUE(Reports(Log, File, TEXT("is not UTF-8 text"))) << Dump(Log);

	// A setting changed in the session is kept for the session, and the file keeps every byte.
	GConfig->SetString(TEXT("/Script/Stage.Settings"), TEXT("Operator"), TEXT("Ana"), GEditorPerProjectIni);
	GConfig->Flush(false, GEditorPerProjectIni);
	EXPECT_EQ(Utf8(GConfig->GetStr(TEXT("/Script/Stage.Settings"), TEXT("Operator"), GEditorPerProjectIni)), "Ana");
	EXPECT_EQ(ReadFile(File), Saved);
	FEditorHost::Shutdown();
	EXPECT_EQ(ReadFile(File), Saved);

	// The same change is written to a file that is text.
	WriteFile(File, "[/Script/Stage.Settings]\nOperator=Jürgen\n");
	ASSERT_TRUE(Boot("Stage"));
	GConfig->SetString(TEXT("/Script/Stage.Settings"), TEXT("Operator"), TEXT("Ana"), GEditorPerProjectIni);
	GConfig->Flush(false, GEditorPerProjectIni);
	EXPECT_NE(ReadFile(File).find("Operator=Ana"), std::string::npos);
}

TEST_F(FileBadInputTest, AnAssetFileThatIsNoAssetIsSkippedByNameAndStaysAsItWas)
{
	const std::vector<FBadFile> Files = {
		{ "Empty", "", TEXT("is malformed") },
		{ "Truncated", R"({ "Class": "/Script/Engine.Actor", "Properties": { "Tags": "(\"A)", TEXT("is malformed") },
		{ "Binary", Binary(), TEXT("is malformed") },
		{ "List", R"([ { "Class": "/Script/Engine.Actor" } ])", TEXT("has no \"Class\" string") },
		{ "NoClass", R"({ "Properties": {} })", TEXT("has no \"Class\" string") },
		{ "ClassNumber", R"({ "Class": 7 })", TEXT("has no \"Class\" string") },
		{ "EmptyName", R"({ "Class": "/Script/Engine.Actor", "Name": "" })", TEXT("its \"Name\" is not a name") },
		{ "UnknownClass", R"({ "Class": "/Script/Stage.NoSuchClass" })", TEXT("unknown class /Script/Stage.NoSuchClass") },
		{ "AbstractClass", R"({ "Class": "/Script/Engine.ActorComponent" })", TEXT("abstract class /Script/Engine.ActorComponent for AbstractClass") },
		{ "SubobjectsObject", R"({ "Class": "/Script/Engine.Actor", "Subobjects": { "Name": "A" } })", TEXT("is not a list") },
		{ "LongName", R"({ "Class": "/Script/Engine.Actor", "Name": ")" + std::string(1100, 'N') + R"(" })", TEXT("holds a name of 1100 characters") },
		{ "LongClass", R"({ "Class": "/Script/Engine.)" + std::string(1030, 'C') + R"(" })", TEXT("holds a name of 1045 characters") },
		{ "LongSubobject", R"({ "Class": "/Script/Engine.Actor", "Subobjects": [ { "Name": ")" + std::string(1024, 'S') + R"(", "Class": "/Script/Engine.SceneComponent" } ] })", TEXT("holds a name of 1024 characters") },
		{ "LongPropertyName", R"({ "Class": "/Script/Engine.Actor", "Properties": { ")" + std::string(2000, 'P') + R"(": "1" } })", TEXT("holds a name of 2000 characters") },
		{ "DottedSubobject", R"({ "Class": "/Script/Engine.Actor", "Subobjects": [ { "Name": "Root.Mesh", "Class": "/Script/Engine.SceneComponent" } ] })", TEXT("the object name \"Root.Mesh\" holds '.' at 4") },
		{ "ColonName", R"({ "Class": "/Script/Engine.Actor", "Name": "Stage:Camera" })", TEXT("the object name \"Stage:Camera\" holds ':' at 5") },
		// Each would end the text of a saved reference to the object early, so the package would not load back the same.
		{ "ParenSubobject", R"({ "Class": "/Script/Engine.Actor", "Subobjects": [ { "Name": "Transform)Section_0", "Class": "/Script/Engine.SceneComponent" } ] })", TEXT("the object name \"Transform)Section_0\" holds ')' at 9") },
		{ "CommaName", R"({ "Class": "/Script/Engine.Actor", "Name": "Camera,A" })", TEXT("holds ',' at 6") },
		{ "SpacedName", R"({ "Class": "/Script/Engine.Actor", "Name": "Camera A" })", TEXT("holds ' ' at 6") },
		{ "TabQuoteName", R"({ "Class": "/Script/Engine.Actor", "Name": "Cam\t\"A" })", TEXT("the object name \"Cam\\t\\\"A\" holds '\\t' at 3") },
		{ "TwinSubobjects", R"({ "Class": "/Script/Engine.Actor", "Subobjects": [ { "Name": "Mesh", "Class": "/Script/Engine.SceneComponent" }, { "Name": "MESH", "Class": "/Script/Engine.SceneComponent" } ] })", TEXT("TwinSubobjects has two subobjects named MESH") },
	};
	WriteProject("Stage");
	for (const FBadFile& Bad : Files)
	{
		WriteFile(Temp.Path("Stage/Content/Broken/" + Bad.Name + ".uasset.json"), Bad.Bytes);
	}
	FHostLogCapture Log;
	ASSERT_TRUE(Boot("Stage")) << Dump(Log);
	for (const FBadFile& Bad : Files)
	{
		SCOPED_TRACE(Bad.Name);
		const std::filesystem::path File = Temp.Path("Stage/Content/Broken/" + Bad.Name + ".uasset.json");
		const FString ObjectPath = FString::Printf(TEXT("/Game/Broken/%s.%s"), UTF8_TO_TCHAR(Bad.Name.c_str()), UTF8_TO_TCHAR(Bad.Name.c_str()));
		EXPECT_EQ(StaticLoadObject(UObject::StaticClass(), nullptr, *ObjectPath), nullptr);
		EXPECT_TRUE(Reports(Log, File, Bad.Problem)) << Dump(Log);
	}
	FEditorHost::Shutdown();
	for (const FBadFile& Bad : Files)
	{
		EXPECT_EQ(ReadFile(Temp.Path("Stage/Content/Broken/" + Bad.Name + ".uasset.json")), Bad.Bytes) << Bad.Name;
	}
}

TEST_F(FileBadInputTest, AnOverlongNameInAPropertyIsSkippedByNameWhileLongTextLoads)
{
	const std::string Label(3000, 'L');
	const std::string Tag(NAME_SIZE, 'T');
	WriteProject("Stage");
	WriteFile(Temp.Path("Stage/Content/Long/Actor.uasset.json"), R"J({ "Class": "/Script/Engine.Actor", "Properties": { "ActorLabel": ")J" + Label + R"J(", "Tags": "(\"Short\",\")J" + Tag + R"J(\")" } })J");
	WriteFile(Temp.Path("Stage/Content/Long/Tagged.uasset.json"), R"J({ "Class": "/Script/Engine.Actor", "Properties": { "ActorLabel": "Kept", "Tags": "(\"Short\",\")J" + Tag.substr(1) + R"J(\")" } })J");
	FHostLogCapture Log;
	ASSERT_TRUE(Boot("Stage")) << Dump(Log);

	const AActor* Actor = Cast<AActor>(StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/Long/Actor.Actor")));
	ASSERT_NE(Actor, nullptr) << Dump(Log);
	EXPECT_EQ(Actor->GetActorLabel().Len(), 3000);
	EXPECT_TRUE(Actor->Tags.IsEmpty());
	EXPECT_TRUE(Reports(Log, Temp.Path("Stage/Content/Long/Actor.uasset.json"), TEXT("could not import Actor.Tags: its text holds a name of 1024 characters"))) << Dump(Log);

	// A quoted name is read whole, delimiters and all; an array whose text fails part way keeps the value it had.
	const std::string Spaced = [] {
		std::string Out;
		for (int32 Word = 0; Word < 500; ++Word)
		{
			Out += Word ? " AB" : "AB";
		}
		return Out;
	}();
	WriteFile(Temp.Path("Stage/Content/Long/Quoted.uasset.json"), R"J({ "Class": "/Script/Engine.Actor", "Properties": { "Tags": "(\"A\",\")J" + Spaced + R"J(\")" } })J");
	WriteFile(Temp.Path("Stage/Content/Long/Cut.uasset.json"), R"J({ "Class": "/Script/Engine.Actor", "Properties": { "Tags": "(A,B,\"C" } })J");
	for (const TCHAR* Path : { TEXT("/Game/Long/Quoted.Quoted"), TEXT("/Game/Long/Cut.Cut") })
	{
		const AActor* Kept = Cast<AActor>(StaticLoadObject(UObject::StaticClass(), nullptr, Path));
		ASSERT_NE(Kept, nullptr) << Dump(Log);
		EXPECT_TRUE(Kept->Tags.IsEmpty()) << TCHAR_TO_UTF8(Path);
	}
	EXPECT_TRUE(Reports(Log, Temp.Path("Stage/Content/Long/Quoted.uasset.json"), TEXT("could not import Quoted.Tags"))) << Dump(Log);
	EXPECT_TRUE(Log.Contains(TEXT("Tags: a name of 1499 characters; names take up to 1023"))) << Dump(Log);
	EXPECT_TRUE(Reports(Log, Temp.Path("Stage/Content/Long/Cut.uasset.json"), TEXT("could not import Cut.Tags"))) << Dump(Log);

	// One character shorter is the longest name there is: it loads.
	const AActor* Tagged = Cast<AActor>(StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/Long/Tagged.Tagged")));
	ASSERT_NE(Tagged, nullptr) << Dump(Log);
	ASSERT_EQ(Tagged->Tags.Num(), 2);
	EXPECT_EQ(Tagged->Tags[1].ToString().Len(), NAME_SIZE - 1);
}

TEST_F(FileBadInputTest, AnAttachmentLoopInAFileIsCutAtLoadSoLocationsCanBeAsked)
{
	// Root follows itself; in the second actor A and B follow each other, and C hangs below the loop.
	WriteProject("Stage");
	WriteFile(Temp.Path("Stage/Content/Loops/Self.uasset.json"), R"J({ "Class": "/Script/Engine.Actor", "Properties": { "RootComponent": "/Game/Loops/Self.Self.Root" },
		"Subobjects": [ { "Name": "Root", "Class": "/Script/Engine.SceneComponent", "Properties": { "RelativeLocation": "(X=1,Y=2,Z=3)", "AttachParent": "/Game/Loops/Self.Self.Root" } } ] })J");
	WriteFile(Temp.Path("Stage/Content/Loops/Pair.uasset.json"), R"J({ "Class": "/Script/Engine.Actor", "Properties": { "RootComponent": "/Game/Loops/Pair.Pair.C" }, "Subobjects": [
		{ "Name": "C", "Class": "/Script/Engine.SceneComponent", "Properties": { "RelativeLocation": "(X=100,Y=0,Z=0)", "AttachParent": "/Game/Loops/Pair.Pair.A" } },
		{ "Name": "A", "Class": "/Script/Engine.SceneComponent", "Properties": { "RelativeLocation": "(X=10,Y=0,Z=0)", "AttachParent": "/Game/Loops/Pair.Pair.B" } },
		{ "Name": "B", "Class": "/Script/Engine.SceneComponent", "Properties": { "RelativeLocation": "(X=1,Y=0,Z=0)", "AttachParent": "/Game/Loops/Pair.Pair.A" } } ] })J");
	FHostLogCapture Log;
	ASSERT_TRUE(Boot("Stage")) << Dump(Log);
	auto Warnings = [&Log](const TCHAR* Text) {
		int32 Count = 0;
		for (const FString& Line : Log.GetLines())
		{
			Count += Line.Contains(TEXT("Warning")) && Line.Contains(Text) ? 1 : 0;
		}
		return Count;
	};

	const AActor* Self = Cast<AActor>(StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/Loops/Self.Self")));
	ASSERT_NE(Self, nullptr) << Dump(Log);
	ASSERT_NE(Self->GetRootComponent(), nullptr);
	EXPECT_EQ(Self->GetRootComponent()->GetAttachParent(), nullptr);
	EXPECT_EQ(Self->GetRootComponent()->GetComponentLocation(), FVector(1.0, 2.0, 3.0));
	EXPECT_EQ(Warnings(TEXT("/Game/Loops/Self.Self:Root: its attach parents lead back to itself, so it is detached")), 1) << Dump(Log);

	const AActor* Pair = Cast<AActor>(StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/Loops/Pair.Pair")));
	ASSERT_NE(Pair, nullptr) << Dump(Log);
	// One link of the loop is cut (the first of its members to load, A); C still hangs below A.
	EXPECT_EQ(Warnings(TEXT("/Game/Loops/Pair.Pair:A: its attach parents lead back to itself, so it is detached")), 1) << Dump(Log);
	EXPECT_EQ(Warnings(TEXT("Pair.Pair:B: its attach parents")), 0) << Dump(Log);
	EXPECT_EQ(Pair->GetRootComponent()->GetComponentLocation(), FVector(110.0, 0.0, 0.0));
}

TEST_F(FileBadInputTest, AStartupMapThatIsNoMapLeavesAnEmptyEditorAndTheFileAsItWas)
{
	const std::string Map = R"({ "Class": "/Script/Engine.World", "Subobjects": [ { "Name": "PersistentLevel", "Class": "/Script/Engine.Level", "Subobjects": [ { "Name": "CamA", )";
	WriteProject("Stage", "[/Script/EngineSettings.GameMapsSettings]\nEditorStartupMap=/Game/Maps/Stage\n");
	WriteFile(Temp.Path("Stage/Content/Maps/Stage.umap.json"), Map);
	FHostLogCapture Log;
	ASSERT_TRUE(Boot("Stage")) << Dump(Log);
	EXPECT_TRUE(Reports(Log, Temp.Path("Stage/Content/Maps/Stage.umap.json"), TEXT("is malformed"))) << Dump(Log);
	FHostLogCapture Console;
	EXPECT_FALSE(FEditorHost::Exec(TEXT("map /Game/Maps/Stage"), Console));
	EXPECT_TRUE(Console.Contains(TEXT("Could not open map /Game/Maps/Stage")));
	FEditorHost::Shutdown();
	EXPECT_EQ(ReadFile(Temp.Path("Stage/Content/Maps/Stage.umap.json")), Map);
}

TEST_F(FileBadInputTest, UserLayoutsThatAreNoLayoutsAreListedByFileNameAndLeftAlone)
{
	const std::vector<FBadFile> Files = {
		{ "Empty", "", nullptr },
		{ "Binary", Binary(), nullptr },
		{ "CutShort", "[EditorLayouts]\nLayoutName=NSLOCTEXT(\"LayoutNamespace\", \"Cut\", \"Cut Sh", nullptr },
		{ "Latin1", "[EditorLayouts]\nLayoutName=NSLOCTEXT(\"LayoutNamespace\", \"Stage\", \"B\xfchne\")\n", nullptr },
	};
	WriteProject("Stage");
	for (const FBadFile& Bad : Files)
	{
		WriteFile(Temp.Path("User/Saved/Config/Layouts/" + Bad.Name + ".ini"), Bad.Bytes);
	}
	ASSERT_TRUE(Boot("Stage"));
	FHostLogCapture Console;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("menu LevelEditor.MainMenu.Window LoadLayout"), Console));
	const FString Menu = FString::Join(Console.GetLines(), TEXT("\n"));
	// A file without a readable name is listed by its file name; a name in another encoding shows what could be read.
	EXPECT_TRUE(Menu.Contains(TEXT("  Empty | Empty | ")) && Menu.Contains(TEXT("  Binary | Binary | ")) && Menu.Contains(TEXT("  CutShort | CutShort | "))) << Utf8(Menu);
	EXPECT_TRUE(Menu.Contains(TEXT("  Latin1 | B\uFFFDhne | "))) << Utf8(Menu);
	FEditorHost::Shutdown();
	for (const FBadFile& Bad : Files)
	{
		EXPECT_EQ(ReadFile(Temp.Path("User/Saved/Config/Layouts/" + Bad.Name + ".ini")), Bad.Bytes) << Bad.Name;
	}
}
