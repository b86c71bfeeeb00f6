// Project and plugin descriptors, plugin discovery and enabling, and phased module loading.

#include "HostTestSupport.h"

#include "HostLogCapture.h"
#include "Interfaces/IPluginManager.h"
#include "Interfaces/IProjectManager.h"
#include "Misc/CoreHost.h"
#include "Modules/ModuleManager.h"
#include "PluginDescriptor.h"
#include "ProjectsHost.h"

#include <gtest/gtest.h>

using namespace HostTest;

namespace
{
	std::vector<std::string>& Started()
	{
		static std::vector<std::string> Names;
		return Names;
	}

	template<int Id>
	struct TNamedModule : public IModuleInterface
	{
		static inline const char* Name = "";
		void StartupModule() override { Started().push_back(Name); }
		static IModuleInterface* Create() { return new TNamedModule(); }
	};

	std::string Plugin(const std::string& Modules, const std::string& References = "[]", const std::string& Extra = "")
	{
		return R"({ "FileVersion": 3, "CanContainContent": true, "Modules": )" + Modules + R"(, "Plugins": )" + References + Extra + " }";
	}

	class PluginManagerTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			WriteFile(Temp.Path("Engine/Plugins/Cameras/EngineCams/EngineCams.uplugin"), Plugin("[]"));
			WriteFile(Temp.Path("Engine/Plugins/Always/Always.uplugin"), Plugin("[]", "[]", R"(, "EnabledByDefault": true)"));
			// clang-format off
			WriteFile(Temp.Path("Stage/Plugins/Local/Local.uplugin"), Plugin(
				R"([ { "Name": "TestPmRuntime", "Type": "Runtime", "LoadingPhase": "Default" },
				     { "Name": "TestPmEditor", "Type": "Editor", "LoadingPhase": "PostEngineInit" },
				     { "Name": "TestPmWindows", "Type": "Runtime", "PlatformAllowList": [ "Win64" ] } ])"));
			WriteFile(Temp.Path("Shared/External/External.uplugin"), Plugin(
				R"([ { "Name": "TestPmExternal", "Type": "Runtime", "LoadingPhase": "Default" } ])",
				R"([ { "Name": "EngineCams", "Enabled": true }, { "Name": "LiveLink", "Enabled": true, "Optional": true } ])"));
			// clang-format on
			WriteFile(Temp.Path("Stage/Plugins/Off/Off.uplugin"), Plugin("[]"));
			WriteFile(Temp.Path("Stage/Plugins/Broken/Broken.uplugin"), "{ \"FileVersion\": ");
			WriteFile(Temp.Path("Stage/Stage.uproject"), R"({ "FileVersion": 3,
				"Plugins": [ { "Name": "Off", "Enabled": false }, { "Name": "External", "Enabled": true } ],
				"AdditionalPluginDirectories": [ "../Shared" ] })");
			FCoreHost::SetEngineDir(Temp.Str("Engine"));
			FCoreHost::SetProjectFilePath(Temp.Str("Stage/Stage.uproject"));

			TNamedModule<1>::Name = "TestPmRuntime";
			TNamedModule<2>::Name = "TestPmEditor";
			TNamedModule<3>::Name = "TestPmWindows";
			TNamedModule<4>::Name = "TestPmExternal";
			FModuleManager::RegisterLinkedModule(TEXT("TestPmRuntime"), &TNamedModule<1>::Create);
			FModuleManager::RegisterLinkedModule(TEXT("TestPmEditor"), &TNamedModule<2>::Create);
			FModuleManager::RegisterLinkedModule(TEXT("TestPmWindows"), &TNamedModule<3>::Create);
			FModuleManager::RegisterLinkedModule(TEXT("TestPmExternal"), &TNamedModule<4>::Create);
			Started().clear();
		}

		void TearDown() override
		{
			for (const TCHAR* Name : { TEXT("TestPmRuntime"), TEXT("TestPmEditor"), TEXT("TestPmWindows"), TEXT("TestPmExternal") })
			{
				FModuleManager::Get().UnloadModule(Name);
			}
			FProjectsHost::Reset();
			FCoreHost::Reset();
		}

		std::vector<std::string> EnabledNames()
		{
			std::vector<std::string> Names;
			for (const TSharedRef<IPlugin>& Enabled : IPluginManager::Get().GetEnabledPlugins())
			{
				Names.push_back(Utf8(Enabled->GetName()));
			}
			return Names;
		}

		FScopedTempDir Temp;
	};
}

TEST_F(PluginManagerTest, EnablesProjectPluginsReferencesAndDefaultsInDependencyOrder)
{
	FHostLogCapture Log;
	ASSERT_TRUE(IProjectManager::Get().LoadProjectFile(Temp.Str("Stage/Stage.uproject")));
	IPluginManager::Get().RefreshPluginsList();

	// Engine plugins are off unless enabled by default or referenced; project plugins are on unless disabled.
	EXPECT_EQ(EnabledNames(), (std::vector<std::string>{ "Always", "Local", "EngineCams", "External" }));
	EXPECT_TRUE(Log.Contains(TEXT("Broken.uplugin")));
	EXPECT_TRUE(Log.Contains(TEXT("Optional plugin 'LiveLink' enabled by External.uplugin was not found; skipped")));
	EXPECT_FALSE(Log.Contains(TEXT("was not found in")));

	const TSharedPtr<IPlugin> External = IPluginManager::Get().FindPlugin(TEXT("external"));
	ASSERT_TRUE(External.IsValid());
	EXPECT_EQ(Utf8(External->GetBaseDir()), Utf8(Temp.Str("Shared/External")));
	EXPECT_EQ(Utf8(External->GetContentDir()), Utf8(Temp.Str("Shared/External/Content")));
	EXPECT_EQ(Utf8(External->GetMountedAssetPath()), "/External/");
	const TSharedPtr<IPlugin> Off = IPluginManager::Get().FindPlugin(TEXT("Off"));
	ASSERT_TRUE(Off.IsValid());
	EXPECT_FALSE(Off->IsEnabled());
	EXPECT_FALSE(IPluginManager::Get().FindPlugin(TEXT("Broken")).IsValid());
}

TEST_F(PluginManagerTest, LoadsEachPhasesModulesForThisPlatformAndRunMode)
{
	ASSERT_TRUE(IProjectManager::Get().LoadProjectFile(Temp.Str("Stage/Stage.uproject")));
	FCoreHost::SetRunningGame(true);
	IPluginManager::Get().RefreshPluginsList();

	EXPECT_TRUE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::Default));
	EXPECT_EQ(Started(), (std::vector<std::string>{ "TestPmRuntime", "TestPmExternal" }));
	EXPECT_EQ(IPluginManager::Get().GetLastCompletedLoadingPhase(), ELoadingPhase::Default);
	// Editor modules load in an editor build also when it runs as a game; Win64-only ones never here.
	EXPECT_TRUE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::PostEngineInit));
	EXPECT_EQ(Started().back(), "TestPmEditor");
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("TestPmWindows")));

	FString PluginName;
	ELoadingPhase::Type Phase = ELoadingPhase::None;
	ASSERT_TRUE(FProjectsHost::FindModuleDescriptor(TEXT("TestPmEditor"), PluginName, Phase));
	EXPECT_EQ(Utf8(PluginName), "Local");
	EXPECT_EQ(Phase, ELoadingPhase::PostEngineInit);
}

TEST_F(PluginManagerTest, AnEnabledPluginThatIsNowhereStopsEveryPhaseByNameUntilTheReferenceIsMended)
{
	const std::string Project = R"({ "FileVersion": 3, "Plugins": [ { "Name": "External", "Enabled": true }, { "Name": "Nowhere", "Enabled": true } ],
		"AdditionalPluginDirectories": [ "../Shared" ] })";
	WriteFile(Temp.Path("Stage/Stage.uproject"), Project);
	WriteFile(Temp.Path("Shared/External/External.uplugin"), Plugin(R"([ { "Name": "TestPmExternal", "Type": "Runtime", "LoadingPhase": "Default" } ])", R"([ { "Name": "Gone", "Enabled": true } ])"));
	ASSERT_TRUE(IProjectManager::Get().LoadProjectFile(Temp.Str("Stage/Stage.uproject")));
	FHostLogCapture Log;
	IPluginManager::Get().RefreshPluginsList();

	EXPECT_TRUE(Log.Contains(TEXT("Error: Plugin 'Nowhere' enabled by Stage.uproject was not found in the engine's, the project's or the additional plugin folders; install it there or remove it from Stage.uproject")));
	EXPECT_TRUE(Log.Contains(TEXT("Error: Plugin 'Gone' enabled by External.uplugin was not found")));
	EXPECT_FALSE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::Default));
	EXPECT_FALSE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::PostEngineInit));
	EXPECT_TRUE(Started().empty());
	EXPECT_EQ(ReadFile(Temp.Path("Stage/Stage.uproject")), Project);

	// Mended, the same project loads: a missing plugin is not remembered past the next refresh.
	WriteFile(Temp.Path("Stage/Stage.uproject"), R"({ "FileVersion": 3, "Plugins": [ { "Name": "External", "Enabled": true } ], "AdditionalPluginDirectories": [ "../Shared" ] })");
	WriteFile(Temp.Path("Shared/External/External.uplugin"), Plugin(R"([ { "Name": "TestPmExternal", "Type": "Runtime", "LoadingPhase": "Default" } ])"));
	ASSERT_TRUE(IProjectManager::Get().LoadProjectFile(Temp.Str("Stage/Stage.uproject")));
	IPluginManager::Get().RefreshPluginsList();
	EXPECT_TRUE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::Default));
	EXPECT_EQ(Started(), (std::vector<std::string>{ "TestPmRuntime", "TestPmExternal" }));
}

TEST_F(PluginManagerTest, AModuleThatCannotLoadFailsThePhase)
{
	WriteFile(Temp.Path("Stage/Plugins/Missing/Missing.uplugin"), Plugin(R"([ { "Name": "TestPmNoLibrary", "Type": "Runtime" } ])"));
	ASSERT_TRUE(IProjectManager::Get().LoadProjectFile(Temp.Str("Stage/Stage.uproject")));
	IPluginManager::Get().RefreshPluginsList();
	FHostLogCapture Log;
	EXPECT_FALSE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::Default));
	EXPECT_TRUE(Log.Contains(TEXT("Plugin 'Missing' failed to load because module 'TestPmNoLibrary' could not be loaded.")));
	// The other plugins' modules of the phase still load.
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("TestPmRuntime")));
}

TEST(PluginDescriptorTest, RejectsUnknownTypesPhasesAndMissingNames)
{
	FPluginDescriptor Descriptor;
	FText Reason;
	EXPECT_TRUE(Descriptor.Read(TEXT(R"({ "FileVersion": 3, "FriendlyName": "Quovex", "Modules": [ { "Name": "M", "Type": "Editor", "LoadingPhase": "PostEngineInit" } ] })"), Reason));
	ASSERT_EQ(Descriptor.Modules.Num(), 1);
	EXPECT_EQ(Descriptor.Modules[0].Type, EHostType::Editor);
	EXPECT_EQ(Descriptor.Modules[0].LoadingPhase, ELoadingPhase::PostEngineInit);
	EXPECT_EQ(Utf8(Descriptor.FriendlyName), "Quovex");

	EXPECT_FALSE(Descriptor.Read(TEXT(R"({ "FileVersion": 3, "Modules": [ { "Name": "M", "Type": "Sometimes" } ] })"), Reason));
	EXPECT_NE(Utf8(Reason.ToString()).find("Sometimes"), std::string::npos);
	EXPECT_FALSE(Descriptor.Read(TEXT(R"({ "FileVersion": 3, "Modules": [ { "Name": "M", "LoadingPhase": "Whenever" } ] })"), Reason));
	EXPECT_FALSE(Descriptor.Read(TEXT(R"({ "FileVersion": 3, "Modules": [ { "Type": "Runtime" } ] })"), Reason));
	EXPECT_FALSE(Descriptor.Read(TEXT(R"({ "Modules": [] })"), Reason));
	EXPECT_FALSE(Descriptor.Read(TEXT("[1, 2]"), Reason));
}
