// UE_LOG, log categories and their registry, output devices, and check/ensure.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include "Logging/LogSuppressionInterface.h"
#include <gtest/gtest.h>

DEFINE_LOG_CATEGORY_STATIC(LogLoggingTest, Log, All);
DEFINE_LOG_CATEGORY_STATIC(LogLoggingTestCapped, Warning, Warning);

TEST(LoggingTest, LinesReachOutputDevicesInTheEngineFormat)
{
	FTestLogCapture Capture;
	UE_LOG(LogLoggingTest, Log, TEXT("plain %d"), 1);
	UE_LOG(LogLoggingTest, Warning, TEXT("careful %s"), TEXT("now"));
	UE_LOG(LogLoggingTest, Display, TEXT("shown"));
	EXPECT_EQ(Capture.Lines, (TArray<FString>{ TEXT("LogLoggingTest: plain 1"), TEXT("LogLoggingTest: Warning: careful now"), TEXT("LogLoggingTest: Display: shown") }));
	EXPECT_TRUE(FOutputDeviceHelper::FormatLogLine(ELogVerbosity::Error, NAME_None, TEXT("bare")).Equals(TEXT("Error: bare")));
}

TEST(LoggingTest, VerbosityFiltersAndCanChangeAtRunTime)
{
	FTestLogCapture Capture;
	UE_LOG(LogLoggingTest, Verbose, TEXT("hidden"));
	LogLoggingTest.SetVerbosity(ELogVerbosity::Verbose);
	UE_LOG(LogLoggingTest, Verbose, TEXT("now visible"));
	LogLoggingTest.SetVerbosity(ELogVerbosity::Error);
	UE_LOG(LogLoggingTest, Warning, TEXT("suppressed"));
	LogLoggingTest.ResetFromDefault();
	EXPECT_EQ(Capture.Lines, (TArray<FString>{ TEXT("LogLoggingTest: Verbose: now visible") }));

	// The compile-time verbosity caps what can be turned on.
	LogLoggingTestCapped.SetVerbosity(ELogVerbosity::VeryVerbose);
	EXPECT_EQ(LogLoggingTestCapped.GetVerbosity(), ELogVerbosity::Warning);
	UE_LOG(LogLoggingTestCapped, Log, TEXT("never"));
	EXPECT_FALSE(Capture.Contains(TEXT("never")));
	LogLoggingTestCapped.ResetFromDefault();
}

TEST(LoggingTest, CategoriesAreFoundByNameAndSetByCommand)
{
	FLogSuppressionInterface& Registry = FLogSuppressionInterface::Get();
	EXPECT_EQ(Registry.FindCategory(FName(TEXT("logloggingtest"))), &LogLoggingTest);
	EXPECT_EQ(Registry.FindCategory(FName(TEXT("LogNoSuchCategoryHere"))), nullptr);
	EXPECT_TRUE(Registry.GetAllCategories().Contains(&LogTemp));

	FTestLogCapture Capture;
	FOutputDeviceNull Ignore;
	EXPECT_TRUE(Registry.ProcessLogCommand(TEXT("LogLoggingTest VeryVerbose"), Ignore));
	EXPECT_EQ(LogLoggingTest.GetVerbosity(), ELogVerbosity::VeryVerbose);
	EXPECT_TRUE(Registry.ProcessLogCommand(TEXT("LogLoggingTest off"), Ignore));
	UE_LOG(LogLoggingTest, Error, TEXT("silenced"));
	EXPECT_FALSE(Capture.Contains(TEXT("silenced")));
	EXPECT_TRUE(Registry.ProcessLogCommand(TEXT("LogLoggingTest default"), Ignore));
	EXPECT_EQ(LogLoggingTest.GetVerbosity(), ELogVerbosity::Log);
	EXPECT_FALSE(Registry.ProcessLogCommand(TEXT("LogLoggingTest Loud"), Ignore));
	EXPECT_FALSE(Registry.ProcessLogCommand(TEXT("LogNoSuchCategoryHere Log"), Ignore));
	EXPECT_EQ(ParseLogVerbosityFromString(TEXT("warning")), ELogVerbosity::Warning);
}

TEST(LoggingTest, RedirectorDeliversToEachDeviceOnce)
{
	FTestLogCapture First;
	FTestLogCapture Second;
	GLog->AddOutputDevice(&First);
	EXPECT_TRUE(GLog->IsRedirectingTo(&Second));
	UE_LOG(LogLoggingTest, Log, TEXT("once"));
	EXPECT_EQ(First.Lines.Num(), 1);
	EXPECT_EQ(Second.Lines.Num(), 1);
	GLog->RemoveOutputDevice(&Second);
	EXPECT_FALSE(GLog->IsRedirectingTo(&Second));
	UE_LOG(LogLoggingTest, Log, TEXT("twice"));
	EXPECT_EQ(Second.Lines.Num(), 1);
	GLog->AddOutputDevice(&Second);
}

TEST(LoggingTest, FatalAndFailedChecksAbortWithTheMessage)
{
	EXPECT_DEATH(UE_LOG(LogLoggingTest, Fatal, TEXT("cannot continue %d"), 7), "LogLoggingTest: Fatal: cannot continue 7");
	EXPECT_DEATH(check(1 + 1 == 3), "Assertion failed: 1 \\+ 1 == 3");
	EXPECT_DEATH(checkf(false, TEXT("Facility %s is not implemented in the stand-in"), TEXT("Widget")), "Facility Widget is not implemented");
	EXPECT_DEATH(checkNoEntry(), "Assertion failed");
	EXPECT_DEATH(unimplemented(), "Unimplemented");
}

TEST(LoggingTest, EnsureReportsOncePerSiteAndReturnsFalse)
{
	FTestLogCapture Capture;
	int32 Failures = 0;
	for (int32 Attempt = 0; Attempt < 3; ++Attempt)
	{
		if (!ensureMsgf(Attempt < 0, TEXT("attempt %d"), Attempt))
		{
			++Failures;
		}
	}
	EXPECT_EQ(Failures, 3);
	EXPECT_EQ(Capture.Lines.Num(), 1);
	EXPECT_TRUE(Capture.Contains(TEXT("LogOutputDevice: Error: Ensure condition failed")));
	EXPECT_TRUE(Capture.Contains(TEXT("attempt 0")));
	EXPECT_TRUE(ensure(true));

	for (int32 Attempt = 0; Attempt < 2; ++Attempt)
	{
		ensureAlways(Attempt < 0);
	}
	EXPECT_EQ(Capture.Lines.Num(), 3);
}
