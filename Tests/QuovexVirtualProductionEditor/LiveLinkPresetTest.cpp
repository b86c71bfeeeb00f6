// The LiveLink preset named in the project settings is applied once the asset registry has found every asset.

#include "QuovexEditorTestFixture.h"

using namespace QuovexTest;

namespace
{
	/** A preset with one source and the given subjects, all with default settings. */
	std::string PresetJson(const std::vector<std::string>& Subjects)
	{
		// The property values are the engine's text form, escaped once more for JSON.
		const std::string Guid = "1F2E3D4C5B6A79880123456789ABCDEF";
		std::string SubjectList;
		for (const std::string& Subject : Subjects)
		{
			SubjectList += SubjectList.empty() ? "" : ",";
			SubjectList += "(Key=(Source=" + Guid + ",SubjectName=(Name=\\\"" + Subject + "\\\")),Role=\\\"/Script/QuovexTracking.QuovexLiveLinkRole\\\",bEnabled=True)";
		}
		return std::string("{ \"Class\": \"/Script/LiveLink.LiveLinkPreset\", \"Properties\": { ")
			+ "\"Sources\": \"((Guid=" + Guid + ",SourceType=INVTEXT(\\\"Test\\\")))\", "
			+ "\"Subjects\": \"(" + SubjectList + ")\" } }";
	}

	std::string GameIni(const std::string& PresetName)
	{
		return "[/Script/QuovexVirtualProduction.QuovexVirtualProductionSettings]\nLiveLinkPresetName=" + PresetName + "\n";
	}

	class LiveLinkPresetTest : public FQuovexEditorTest
	{
	};
}

TEST_F(LiveLinkPresetTest, TheConfiguredPresetIsAppliedAfterFilesLoad)
{
	ASSERT_TRUE(Boot());
	EndFrame();
	EXPECT_EQ(LiveLinkSubjects(), (std::vector<std::string>{ "CamA", "CamB", "StageOrigin" }));
}

TEST_F(LiveLinkPresetTest, PresetNamesMatchWithoutRegardToCase)
{
	WriteGameIni(GameIni("stagepreset"));
	ASSERT_TRUE(Boot());
	EndFrame();
	EXPECT_EQ(LiveLinkSubjects().size(), 3u);
}

TEST_F(LiveLinkPresetTest, AnEmptyOrUnknownNameLeavesTheClientAlone)
{
	for (const std::string& Name : { std::string(), std::string("NoSuchPreset"), std::string("Stage") })
	{
		SCOPED_TRACE(Name);
		WriteGameIni(GameIni(Name));
		ASSERT_TRUE(Boot());
		EndFrame();
		EXPECT_TRUE(LiveLinkSubjects().empty());
		FEditorHost::Shutdown();
	}
}

TEST_F(LiveLinkPresetTest, OfTwoNamesDifferingInCaseTheFirstInRegistryOrderWins)
{
	// Registry order follows the content folders: A/ is found before B/.
	WriteContent("LiveLink/A/RigPreset", PresetJson({ "FromA" }));
	WriteContent("LiveLink/B/rigpreset", PresetJson({ "FromB" }));
	WriteGameIni(GameIni("RIGPRESET"));
	ASSERT_TRUE(Boot());
	EndFrame();
	EXPECT_EQ(LiveLinkSubjects(), (std::vector<std::string>{ "FromA" }));
}

TEST_F(LiveLinkPresetTest, AnUnreadablePresetIsSkippedWithoutCrashing)
{
	WriteContent("LiveLink/Broken", "{ this is not json");
	WriteGameIni(GameIni("Broken"));
	ASSERT_TRUE(Boot());
	EndFrame();
	EXPECT_TRUE(LiveLinkSubjects().empty());
}
