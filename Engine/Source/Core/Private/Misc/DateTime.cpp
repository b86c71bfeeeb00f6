#include "Misc/DateTime.h"

#include "Misc/AssertionMacros.h"

#include <chrono>
#include <ctime>

namespace
{
	/** Days from 0001-01-01 to 1970-01-01, where the system clock counts from. */
	constexpr int64 DaysToUnixEpoch = 719162;

	/** Days since 0001-01-01 of a Gregorian date (civil calendar arithmetic on 400-year eras). */
	int64 DaysFromCivil(int64 Year, int64 Month, int64 Day)
	{
		Year -= Month <= 2 ? 1 : 0;
		const int64 Era = (Year >= 0 ? Year : Year - 399) / 400;
		const int64 YearOfEra = Year - Era * 400;
		const int64 DayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
		const int64 DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
		return Era * 146097 + DayOfEra - 719468 + DaysToUnixEpoch;
	}

	void CivilFromDays(int64 Days, int32& OutYear, int32& OutMonth, int32& OutDay)
	{
		const int64 FromEpoch = Days - DaysToUnixEpoch + 719468;
		const int64 Era = (FromEpoch >= 0 ? FromEpoch : FromEpoch - 146096) / 146097;
		const int64 DayOfEra = FromEpoch - Era * 146097;
		const int64 YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
		const int64 DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
		const int64 MonthIndex = (5 * DayOfYear + 2) / 153;
		OutDay = int32(DayOfYear - (153 * MonthIndex + 2) / 5 + 1);
		OutMonth = int32(MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9);
		OutYear = int32(YearOfEra + Era * 400 + (OutMonth <= 2 ? 1 : 0));
	}

	FDateTime FromSystemClock(bool bLocal)
	{
		const auto Now = std::chrono::system_clock::now();
		const std::time_t Seconds = std::chrono::system_clock::to_time_t(Now);
		const int32 Millisecond = int32(std::chrono::duration_cast<std::chrono::milliseconds>(Now.time_since_epoch()).count() % 1000);
		// A leap second (60) is held at 59, as the calendar has no such second.
		std::tm Parts{};
		if (bLocal)
		{
			localtime_r(&Seconds, &Parts);
		}
		else
		{
			gmtime_r(&Seconds, &Parts);
		}
		return FDateTime(Parts.tm_year + 1900, Parts.tm_mon + 1, Parts.tm_mday, Parts.tm_hour, Parts.tm_min, Parts.tm_sec > 59 ? 59 : Parts.tm_sec, Millisecond < 0 ? 0 : Millisecond);
	}
}

FDateTime::FDateTime(int32 Year, int32 Month, int32 Day, int32 Hour, int32 Minute, int32 Second, int32 Millisecond)
{
	checkf(Validate(Year, Month, Day, Hour, Minute, Second, Millisecond), TEXT("FDateTime: %04d.%02d.%02d-%02d.%02d.%02d.%03d is not a valid date"), Year, Month, Day, Hour, Minute, Second, Millisecond);
	Ticks = DaysFromCivil(Year, Month, Day) * ETimespan::TicksPerDay
		+ Hour * ETimespan::TicksPerHour
		+ Minute * ETimespan::TicksPerMinute
		+ Second * ETimespan::TicksPerSecond
		+ Millisecond * ETimespan::TicksPerMillisecond;
}

FDateTime FDateTime::Now()
{
	return FromSystemClock(true);
}

FDateTime FDateTime::UtcNow()
{
	return FromSystemClock(false);
}

FDateTime FDateTime::Today()
{
	return Now().GetDate();
}

bool FDateTime::IsLeapYear(int32 Year)
{
	return (Year % 4 == 0) && (Year % 100 != 0 || Year % 400 == 0);
}

int32 FDateTime::DaysInMonth(int32 Year, int32 Month)
{
	checkf(Month >= 1 && Month <= 12, TEXT("FDateTime::DaysInMonth: month %d"), Month);
	static const int32 Days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
	return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

int32 FDateTime::DaysInYear(int32 Year)
{
	return IsLeapYear(Year) ? 366 : 365;
}

bool FDateTime::Validate(int32 Year, int32 Month, int32 Day, int32 Hour, int32 Minute, int32 Second, int32 Millisecond)
{
	return Year >= 1 && Year <= 9999
		&& Month >= 1 && Month <= 12
		&& Day >= 1 && Day <= DaysInMonth(Year, Month)
		&& Hour >= 0 && Hour <= 23
		&& Minute >= 0 && Minute <= 59
		&& Second >= 0 && Second <= 59
		&& Millisecond >= 0 && Millisecond <= 999;
}

void FDateTime::GetDate(int32& OutYear, int32& OutMonth, int32& OutDay) const
{
	CivilFromDays(Ticks / ETimespan::TicksPerDay, OutYear, OutMonth, OutDay);
}

int32 FDateTime::GetYear() const
{
	int32 Year, Month, Day;
	GetDate(Year, Month, Day);
	return Year;
}

int32 FDateTime::GetMonth() const
{
	int32 Year, Month, Day;
	GetDate(Year, Month, Day);
	return Month;
}

int32 FDateTime::GetDay() const
{
	int32 Year, Month, Day;
	GetDate(Year, Month, Day);
	return Day;
}

EDayOfWeek FDateTime::GetDayOfWeek() const
{
	// 0001-01-01 was a Monday.
	return static_cast<EDayOfWeek>((Ticks / ETimespan::TicksPerDay) % 7);
}

int32 FDateTime::GetDayOfYear() const
{
	const int32 Year = GetYear();
	return int32(Ticks / ETimespan::TicksPerDay - DaysFromCivil(Year, 1, 1)) + 1;
}

int32 FDateTime::GetHour12() const
{
	const int32 Hour = GetHour() % 12;
	return Hour == 0 ? 12 : Hour;
}

FString FDateTime::ToString() const
{
	return ToString(TEXT("%Y.%m.%d-%H.%M.%S"));
}

FString FDateTime::ToString(const TCHAR* Format) const
{
	FString Result;
	if (Format == nullptr)
	{
		return Result;
	}
	int32 Year, Month, Day;
	GetDate(Year, Month, Day);
	for (const TCHAR* Cursor = Format; *Cursor; ++Cursor)
	{
		if (*Cursor != TEXT('%') || Cursor[1] == 0)
		{
			Result.AppendChar(*Cursor);
			continue;
		}
		++Cursor;
		switch (*Cursor)
		{
			case TEXT('a'):
				Result += IsMorning() ? TEXT("am") : TEXT("pm");
				break;
			case TEXT('A'):
				Result += IsMorning() ? TEXT("AM") : TEXT("PM");
				break;
			case TEXT('d'):
				Result += FString::Printf(TEXT("%02d"), Day);
				break;
			case TEXT('D'):
				Result += FString::Printf(TEXT("%03d"), GetDayOfYear());
				break;
			case TEXT('m'):
				Result += FString::Printf(TEXT("%02d"), Month);
				break;
			case TEXT('y'):
				Result += FString::Printf(TEXT("%02d"), Year % 100);
				break;
			case TEXT('Y'):
				Result += FString::Printf(TEXT("%04d"), Year);
				break;
			case TEXT('h'):
				Result += FString::Printf(TEXT("%02d"), GetHour12());
				break;
			case TEXT('H'):
				Result += FString::Printf(TEXT("%02d"), GetHour());
				break;
			case TEXT('M'):
				Result += FString::Printf(TEXT("%02d"), GetMinute());
				break;
			case TEXT('S'):
				Result += FString::Printf(TEXT("%02d"), GetSecond());
				break;
			case TEXT('s'):
				Result += FString::Printf(TEXT("%03d"), GetMillisecond());
				break;
			default:
				Result.AppendChar(*Cursor);
				break;
		}
	}
	return Result;
}
