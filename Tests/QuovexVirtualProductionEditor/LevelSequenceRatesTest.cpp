// Level sequence default rates follow the project's timecode rate.

#include "QuovexEditorTestFixture.h"

#include "HAL/IConsoleManager.h"
#include "Misc/App.h"
#include "Misc/FrameRate.h"

using namespace QuovexTest;

namespace
{
	std::string CVar(const TCHAR* Name)
	{
		IConsoleVariable* Variable = IConsoleManager::Get().FindConsoleVariable(Name);
		return Variable ? HostTest::Utf8(Variable->GetString()) : std::string("<missing>");
	}

	struct FRateCase
	{
		int32 Numerator;
		int32 Denominator;
		const char* Display;
		const char* Tick;
	};

	class LevelSequenceRatesTest : public FQuovexEditorTest
	{
	protected:
		void ApplyRate(int32 Numerator, int32 Denominator)
		{
			FApp::SetTimecodeFrameRate(FFrameRate(Numerator, Denominator));
			EditorModule()->SetLevelSequenceDefaultRates();
		}
	};
}

TEST_F(LevelSequenceRatesTest, RatesFollowTheTimecodeRate)
{
	ASSERT_TRUE(Boot());
	ASSERT_NE(EditorModule(), nullptr);

	const FRateCase Cases[] = {
		{ 25, 1, "25fps", "25000fps" },
		{ 50, 2, "25fps", "25000fps" },
		{ 24000, 1001, "23.98fps", "23980fps" },
		{ 30000, 1001, "29.97fps", "29970fps" },
		{ 60000, 1001, "59.94fps", "59940fps" },
		{ 24, 1, "24fps", "24000fps" },
		{ 49, 2, "24fps", "24000fps" },
	};
	for (const FRateCase& Case : Cases)
	{
		SCOPED_TRACE(std::to_string(Case.Numerator) + "/" + std::to_string(Case.Denominator));
		ApplyRate(Case.Numerator, Case.Denominator);
		EXPECT_EQ(CVar(TEXT("LevelSequence.DefaultDisplayRate")), Case.Display);
		EXPECT_EQ(CVar(TEXT("LevelSequence.DefaultTickResolution")), Case.Tick);
	}
}

TEST_F(LevelSequenceRatesTest, NonPositiveDenominatorsChangeNothing)
{
	ASSERT_TRUE(Boot());
	ApplyRate(30, 1);
	for (const int32 Denominator : { 0, -1, -1001 })
	{
		SCOPED_TRACE(Denominator);
		ApplyRate(24, Denominator);
		EXPECT_EQ(CVar(TEXT("LevelSequence.DefaultDisplayRate")), "30fps");
		EXPECT_EQ(CVar(TEXT("LevelSequence.DefaultTickResolution")), "30000fps");
	}
}

TEST_F(LevelSequenceRatesTest, ConsoleCommandUsesTheProjectRate)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	ASSERT_TRUE(FEditorHost::ExecSequence(TEXT("timecode 30000/1001; Quovex.SetLevelSequenceDefaultRates"), Log));
	EXPECT_EQ(CVar(TEXT("LevelSequence.DefaultDisplayRate")), "29.97fps");
	EXPECT_EQ(CVar(TEXT("LevelSequence.DefaultTickResolution")), "29970fps");
	EXPECT_FALSE(FEditorHost::Exec(TEXT("Quovex.SetLevelSequenceDefaultRates extra"), Log));
}
