// The `livelink` console command through the host console: listing, adding sources and subjects,
// pushing frames, and clear failures on bad arguments.

#include "Features/IModularFeatures.h"
#include "HostConsole.h"
#include "ILiveLinkClient.h"
#include "LiveLinkSubjectSettings.h"
#include "Misc/OutputDevice.h"
#include "Modules/ModuleManager.h"
#include "Roles/LiveLinkCameraRole.h"
#include "Roles/LiveLinkCameraTypes.h"

#include "Templates/Casts.h"
#include "UObject/UnrealType.h"

#include <gtest/gtest.h>

namespace
{
	/** Keeps what a command printed, with errors marked. */
	class FCommandOutput : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.Add(Verbosity == ELogVerbosity::Error ? FString(TEXT("ERROR ")) + V : FString(V));
		}

		FString Joined() const
		{
			return FString::Join(Lines, TEXT("\n"));
		}

		TArray<FString> Lines;
	};

	class LiveLinkCommandTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			FModuleManager::Get().LoadModule(TEXT("LiveLink"));
			Client = &IModularFeatures::Get().GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
		}

		virtual void TearDown() override
		{
			FModuleManager::Get().UnloadModule(TEXT("LiveLink"));
		}

		/** Runs a console line; the output of this line only is in Output. */
		bool Run(const TCHAR* Line)
		{
			Output.Lines.Reset();
			bool bFound = false;
			const bool bResult = FHostConsoleCommands::Execute(Line, Output, bFound);
			EXPECT_TRUE(bFound) << TCHAR_TO_UTF8(Line);
			return bResult;
		}

		ILiveLinkClient* Client = nullptr;
		FCommandOutput Output;
	};
}

TEST_F(LiveLinkCommandTest, AddedSourcesAndSubjectsAreListedWithTheirDetails)
{
	ASSERT_TRUE(Run(TEXT("livelink")));
	EXPECT_EQ(Output.Lines, (TArray<FString>{ TEXT("LiveLink sources (0):"), TEXT("LiveLink subjects (0):") }));

	ASSERT_TRUE(Run(TEXT("livelink add-source \"Stage Tracker\" tracker-01")));
	ASSERT_EQ(Client->GetSources().Num(), 1);
	const FGuid Source = Client->GetSources()[0];
	ASSERT_TRUE(Run(TEXT("livelink add-subject 0 CamA LiveLinkCameraRole LiveLinkSubjectSettings")));
	ASSERT_TRUE(Run(*FString::Printf(TEXT("livelink add-subject %s CamB /Script/LiveLinkInterface.LiveLinkTransformRole disabled"), *Source.ToString())));

	const FLiveLinkSubjectKey CamA(Source, TEXT("CamA"));
	EXPECT_EQ(Client->GetSubjectRole_AnyThread(CamA).Get(), ULiveLinkCameraRole::StaticClass());
	const ULiveLinkSubjectSettings* Settings = Cast<ULiveLinkSubjectSettings>(Client->GetSubjectSettings(CamA));
	ASSERT_NE(Settings, nullptr);
	EXPECT_EQ(Settings->Role.Get(), ULiveLinkCameraRole::StaticClass());
	EXPECT_FALSE(Client->IsSubjectEnabled(FLiveLinkSubjectKey(Source, TEXT("CamB")), false));

	ASSERT_TRUE(Run(TEXT("livelink")));
	const TArray<FString> Expected = {
		TEXT("LiveLink sources (1):"),
		FString::Printf(TEXT("  [0] %s | type: Stage Tracker | machine: tracker-01 | status: Active"), *Source.ToString()),
		TEXT("LiveLink subjects (2):"),
		TEXT("  CamA | role: LiveLinkCameraRole | enabled | source: [0] | settings: LiveLinkSubjectSettings"),
		TEXT("  CamB | role: LiveLinkTransformRole | disabled | source: [0] | settings: LiveLinkSubjectSettings"),
	};
	EXPECT_EQ(Output.Lines, Expected);
}

TEST_F(LiveLinkCommandTest, PushedFrameIsWhatTheSubjectEvaluatesTo)
{
	ASSERT_TRUE(Run(TEXT("livelink add-source Tracker host")));
	ASSERT_TRUE(Run(TEXT("livelink add-subject 0 CamA LiveLinkCameraRole")));
	ASSERT_TRUE(Run(TEXT("livelink push CamA FocalLength=35 FocusDistance=250.5")));

	FLiveLinkSubjectFrameData Frame;
	ASSERT_TRUE(Client->EvaluateFrame_AnyThread(FName(TEXT("CamA")), ULiveLinkCameraRole::StaticClass(), Frame));
	const FLiveLinkCameraFrameData* Camera = Frame.FrameData.Cast<FLiveLinkCameraFrameData>();
	ASSERT_NE(Camera, nullptr);
	EXPECT_EQ(Camera->FocalLength, 35.0f);
	EXPECT_EQ(Camera->FocusDistance, 250.5f);
}

TEST_F(LiveLinkCommandTest, BadArgumentsFailWithAMessageAndChangeNothing)
{
	ASSERT_TRUE(Run(TEXT("livelink add-source Tracker host")));
	const TCHAR* const BadLines[] = {
		TEXT("livelink add-source OnlyType"),
		TEXT("livelink add-subject 3 CamA LiveLinkCameraRole"),
		TEXT("livelink add-subject 0 CamA NotARole"),
		TEXT("livelink add-subject 0 CamA LiveLinkCameraRole LiveLinkCameraRole"),
		TEXT("livelink remove-source 00000000000000000000000000000001"),
		TEXT("livelink push Nobody FocalLength=1"),
		TEXT("livelink frobnicate"),
	};
	for (const TCHAR* Line : BadLines)
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
		ASSERT_FALSE(Output.Lines.IsEmpty()) << TCHAR_TO_UTF8(Line);
		EXPECT_TRUE(Output.Lines.Last().StartsWith(TEXT("ERROR livelink: "))) << TCHAR_TO_UTF8(*Output.Joined());
	}
	EXPECT_EQ(Client->GetSources().Num(), 1);
	EXPECT_TRUE(Client->GetSubjects(true, true).IsEmpty());

	ASSERT_TRUE(Run(TEXT("livelink add-subject 0 CamA LiveLinkCameraRole")));
	EXPECT_FALSE(Run(TEXT("livelink push CamA NoSuchField=1")));
	EXPECT_FALSE(Run(TEXT("livelink push CamA FocalLength=abc")));
	FLiveLinkSubjectFrameData Frame;
	EXPECT_FALSE(Client->EvaluateFrame_AnyThread(FName(TEXT("CamA")), ULiveLinkCameraRole::StaticClass(), Frame));
}
