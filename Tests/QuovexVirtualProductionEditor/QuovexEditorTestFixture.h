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
			const std::string Plugins = (std::filesystem::path(QUOVEX_SOURCE_ROOT) / "Plugins").generic_string();
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
