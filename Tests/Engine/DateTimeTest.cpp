// Contract tests of FDateTime: the engine's tick count, the Gregorian calendar, the default text form
// and the format syntax of ToString, and the local clock behind Now.

#include "CoreMinimal.h"
#include "Misc/DateTime.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(DateTime, TicksCountHundredNanosecondsFromTheFirstDayOfYearOne)
{
	EXPECT_EQ(FDateTime(1, 1, 1).GetTicks(), 0);
	// The Unix epoch, as the engine and .NET count it.
	EXPECT_EQ(FDateTime(1970, 1, 1).GetTicks(), 621355968000000000LL);
	EXPECT_EQ(FDateTime(2000, 1, 1, 0, 0, 1, 500).GetTicks() - FDateTime(2000, 1, 1).GetTicks(), 15000000);
	EXPECT_EQ(FDateTime(621355968000000000LL), FDateTime(1970, 1, 1));
	EXPECT_LT(FDateTime(2023, 12, 31, 23, 59, 59, 999), FDateTime(2024, 1, 1));
}

TEST(DateTime, PartsComeBackAsTheyWereGiven)
{
	const FDateTime Time(2024, 2, 29, 13, 7, 5, 42);
	int32 Year = 0, Month = 0, Day = 0;
	Time.GetDate(Year, Month, Day);
	EXPECT_EQ(Year, 2024);
	EXPECT_EQ(Month, 2);
	EXPECT_EQ(Day, 29);
	EXPECT_EQ(Time.GetYear(), 2024);
	EXPECT_EQ(Time.GetMonthOfYear(), EMonthOfYear::February);
	EXPECT_EQ(Time.GetHour(), 13);
	EXPECT_EQ(Time.GetHour12(), 1);
	EXPECT_EQ(Time.GetMinute(), 7);
	EXPECT_EQ(Time.GetSecond(), 5);
	EXPECT_EQ(Time.GetMillisecond(), 42);
	EXPECT_TRUE(Time.IsAfternoon());
	EXPECT_EQ(Time.GetDayOfWeek(), EDayOfWeek::Thursday);
	EXPECT_EQ(Time.GetDayOfYear(), 60);
	EXPECT_EQ(Time.GetDate(), FDateTime(2024, 2, 29));
	EXPECT_EQ(FDateTime(1, 1, 1).GetDayOfWeek(), EDayOfWeek::Monday);
	EXPECT_EQ(FDateTime(9999, 12, 31, 23, 59, 59, 999).GetYear(), 9999);
	EXPECT_EQ(FDateTime(2024, 12, 31).GetDayOfYear(), 366);
}

TEST(DateTime, LeapYearsFollowTheGregorianRules)
{
	EXPECT_TRUE(FDateTime::IsLeapYear(2000));
	EXPECT_TRUE(FDateTime::IsLeapYear(2024));
	EXPECT_FALSE(FDateTime::IsLeapYear(1900));
	EXPECT_FALSE(FDateTime::IsLeapYear(2023));
	EXPECT_EQ(FDateTime::DaysInMonth(2000, 2), 29);
	EXPECT_EQ(FDateTime::DaysInMonth(1900, 2), 28);
	EXPECT_EQ(FDateTime::DaysInMonth(2023, 4), 30);
	EXPECT_EQ(FDateTime::DaysInYear(2024), 366);
	EXPECT_TRUE(FDateTime::Validate(2000, 2, 29, 0, 0, 0, 0));
	EXPECT_FALSE(FDateTime::Validate(1900, 2, 29, 0, 0, 0, 0));
	EXPECT_FALSE(FDateTime::Validate(2023, 13, 1, 0, 0, 0, 0));
	EXPECT_FALSE(FDateTime::Validate(2023, 1, 1, 24, 0, 0, 0));
	EXPECT_FALSE(FDateTime::Validate(0, 1, 1, 0, 0, 0, 0));
}

TEST(DateTime, TheDefaultTextIsYearMonthDayDashHourMinuteSecondZeroPadded)
{
	EXPECT_EQ(FDateTime(2024, 3, 7, 5, 4, 9, 321).ToString(), TEXT("2024.03.07-05.04.09"));
	EXPECT_EQ(FDateTime(987, 11, 30, 23, 59, 59).ToString(), TEXT("0987.11.30-23.59.59"));
	EXPECT_EQ(FDateTime(1, 1, 1).ToString(), TEXT("0001.01.01-00.00.00"));
}

TEST(DateTime, FormatsUseTheEnginesOwnSpecifiers)
{
	const FDateTime Morning(2009, 1, 5, 0, 30, 8, 7);
	EXPECT_EQ(Morning.ToString(TEXT("%Y-%m-%d %H:%M:%S.%s")), TEXT("2009-01-05 00:30:08.007"));
	EXPECT_EQ(Morning.ToString(TEXT("%y/%D %h%a %A")), TEXT("09/005 12am AM"));
	EXPECT_EQ(FDateTime(2009, 1, 5, 12, 0, 0).ToString(TEXT("%h %a")), TEXT("12 pm"));
	// Text around the specifiers is copied; an unknown specifier and a trailing percent sign are kept as written.
	EXPECT_EQ(Morning.ToString(TEXT("Take %Y %q 100%")), TEXT("Take 2009 q 100%"));
}

TEST(DateTime, NowIsTheLocalClockAndUtcNowTheUniversalOne)
{
	// Read both clocks within one second, retrying across a second boundary.
	for (int32 Attempt = 0; Attempt < 3; ++Attempt)
	{
		const std::time_t Seconds = std::time(nullptr);
		std::tm Local{};
		std::tm Universal{};
		localtime_r(&Seconds, &Local);
		gmtime_r(&Seconds, &Universal);
		const FDateTime Now = FDateTime::Now();
		const FDateTime UtcNow = FDateTime::UtcNow();
		if (std::time(nullptr) != Seconds)
		{
			continue;
		}
		EXPECT_EQ(Now.GetDate(), FDateTime(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday));
		EXPECT_EQ(Now.GetHour(), Local.tm_hour);
		EXPECT_EQ(Now.GetMinute(), Local.tm_min);
		EXPECT_EQ(UtcNow.GetDate(), FDateTime(Universal.tm_year + 1900, Universal.tm_mon + 1, Universal.tm_mday));
		EXPECT_EQ(UtcNow.GetHour(), Universal.tm_hour);
		EXPECT_EQ(FDateTime::Today(), Now.GetDate());
		return;
	}
	ADD_FAILURE() << "the clock kept crossing seconds";
}
