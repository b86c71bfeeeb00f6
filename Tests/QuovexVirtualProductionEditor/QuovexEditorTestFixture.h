// Boots the editor on a temporary copy of the demo stage, with the plugin loaded from this checkout.
#pragma once

#include "HostTestSupport.h"

#include "CoreMinimal.h"
#include "EditorHost.h"
#include "Features/IModularFeatures.h"
#include "HostLogCapture.h"
#include "ILiveLinkClient.h"
#include "Misc/CoreDelegates.h"
#include "Modules/ModuleManager.h"
#include "QuovexVirtualProductionEditorModule.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace QuovexTest
{
	class FQuovexEditorTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			const std::filesystem::path Demo = std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Samples/DemoStage";
			std::filesystem::copy(Demo, Temp.Path("Demo"), std::filesystem::copy_options::recursive);
			std::filesystem::remove_all(Temp.Path("Demo/Saved"));

			// The plugin's descriptor and content, so a test may break a panel asset; its code comes from the build.
			const std::filesystem::path Plugin = std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Plugins/QuovexSuite";
			std::filesystem::create_directories(Temp.Path("Plugins/QuovexSuite"));
			std::filesystem::copy(Plugin / "QuovexSuite.uplugin", Temp.Path("Plugins/QuovexSuite/QuovexSuite.uplugin"));
			std::filesystem::copy(Plugin / "Content", Temp.Path("Plugins/QuovexSuite/Content"), std::filesystem::copy_options::recursive);
			const std::string Plugins = Temp.Path("Plugins").generic_string();
			HostTest::WriteFile(Temp.Path("Demo/DemoStage.uproject"),
				R"({ "FileVersion": 3, "EngineAssociation": "5.3", "Plugins": [ { "Name": "QuovexSuite", "Enabled": true }, { "Name": "LiveLink", "Enabled": true } ], "AdditionalPluginDirectories": [ ")" + Plugins + R"(" ] })");
		}

		void TearDown() override
		{
			FEditorHost::Shutdown();
		}

		/** Replaces the demo project's DefaultGame.ini. */
		void WriteGameIni(const std::string& Text)
		{
			HostTest::WriteFile(Temp.Path("Demo/Config/DefaultGame.ini"), Text);
		}

		/** The copied plugin's panel asset of a tab. */
		std::filesystem::path PanelAsset(const std::string& TabId) const
		{
			return Temp.Path("Plugins/QuovexSuite/Content/Editor/Panels/" + TabId + ".uasset.json");
		}

		/** Writes an asset file into the demo project's content ("LiveLink/Other" -> /Game/LiveLink/Other). */
		void WriteContent(const std::string& PackageRelative, const std::string& Json)
		{
			HostTest::WriteFile(Temp.Path("Demo/Content/" + PackageRelative + ".uasset.json"), Json);
		}

		bool Boot(bool bRunningGame = false)
		{
			FEditorHostOptions Options;
			Options.ProjectFile = Temp.Str("Demo/DemoStage.uproject");
			Options.UserDir = Temp.Str("User");
			Options.BinariesDir = FString(TEXT(QUOVEX_BINARIES_DIR));
			Options.bRunningGame = bRunningGame;
			return FEditorHost::Boot(Options);
		}

		/** Runs one frame's end, where latent editor work completes. */
		static void EndFrame()
		{
			FCoreDelegates::OnEndFrame.Broadcast();
		}

		static FQuovexVirtualProductionEditorModule* EditorModule()
		{
			return FModuleManager::GetModulePtr<FQuovexVirtualProductionEditorModule>(TEXT("QuovexVirtualProductionEditor"));
		}

		/** Names of the LiveLink client's subjects, in the client's order. */
		static std::vector<std::string> LiveLinkSubjects()
		{
			std::vector<std::string> Names;
			if (!IModularFeatures::Get().IsModularFeatureAvailable(ILiveLinkClient::ModularFeatureName))
			{
				return Names;
			}
			ILiveLinkClient& Client = IModularFeatures::Get().GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
			for (const FLiveLinkSubjectKey& Key : Client.GetSubjects(true, true))
			{
				Names.push_back(HostTest::Utf8(Key.SubjectName.ToString()));
			}
			return Names;
		}

		HostTest::FScopedTempDir Temp;
	};
}
