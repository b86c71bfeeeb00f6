// FDateTime: a date and time of day, counted in 100-nanosecond ticks since 0001-01-01 00:00:00
// in the proleptic Gregorian calendar, as the engine counts it.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

/** Days of the week; Monday first, as the engine numbers them. */
enum class EDayOfWeek
{
	Monday = 0,
	Tuesday,
	Wednesday,
	Thursday,
	Friday,
	Saturday,
	Sunday
};

/** Months of the year, January being 1. */
enum class EMonthOfYear
{
	January = 1,
	February,
	March,
	April,
	May,
	June,
	July,
	August,
	September,
	October,
	November,
	December
};

namespace ETimespan
{
	inline constexpr int64 TicksPerMillisecond = 10000;
	inline constexpr int64 TicksPerSecond = 10000000;
	inline constexpr int64 TicksPerMinute = 600000000;
	inline constexpr int64 TicksPerHour = 36000000000;
	inline constexpr int64 TicksPerDay = 864000000000;
}

struct CORE_API FDateTime
{
public:
	/** 0001-01-01 00:00:00.000. */
	FDateTime()
		: Ticks(0)
	{
	}

	explicit FDateTime(int64 InTicks)
		: Ticks(InTicks)
	{
	}

	/** A date and time; the parts must make a valid date (see Validate). */
	FDateTime(int32 Year, int32 Month, int32 Day, int32 Hour = 0, int32 Minute = 0, int32 Second = 0, int32 Millisecond = 0);

	/** The local date and time of this computer. */
	static FDateTime Now();

	/** The date and time of this computer in Coordinated Universal Time. */
	static FDateTime UtcNow();

	/** Today's local date at midnight. */
	static FDateTime Today();

	static int32 DaysInMonth(int32 Year, int32 Month);
	static int32 DaysInYear(int32 Year);
	static bool IsLeapYear(int32 Year);

	/** Whether the parts make a date the calendar has (year 1 to 9999, time of day in range). */
	static bool Validate(int32 Year, int32 Month, int32 Day, int32 Hour, int32 Minute, int32 Second, int32 Millisecond);

	static FDateTime MinValue()
	{
		return FDateTime(0);
	}

	static FDateTime MaxValue()
	{
		return FDateTime(3652059 * ETimespan::TicksPerDay - 1);
	}

	int64 GetTicks() const
	{
		return Ticks;
	}

	/** The date part (midnight of the same day). */
	FDateTime GetDate() const
	{
		return FDateTime(Ticks - (Ticks % ETimespan::TicksPerDay));
	}

	int32 GetYear() const;
	int32 GetMonth() const;
	EMonthOfYear GetMonthOfYear() const
	{
		return static_cast<EMonthOfYear>(GetMonth());
	}
	int32 GetDay() const;
	EDayOfWeek GetDayOfWeek() const;
	int32 GetDayOfYear() const;
	int32 GetHour() const
	{
		return int32((Ticks / ETimespan::TicksPerHour) % 24);
	}
	/** 1 to 12. */
	int32 GetHour12() const;
	int32 GetMinute() const
	{
		return int32((Ticks / ETimespan::TicksPerMinute) % 60);
	}
	int32 GetSecond() const
	{
		return int32((Ticks / ETimespan::TicksPerSecond) % 60);
	}
	int32 GetMillisecond() const
	{
		return int32((Ticks / ETimespan::TicksPerMillisecond) % 1000);
	}
	bool IsMorning() const
	{
		return GetHour() < 12;
	}
	bool IsAfternoon() const
	{
		return GetHour() >= 12;
	}

	/** The year, month and day of this date. */
	void GetDate(int32& OutYear, int32& OutMonth, int32& OutDay) const;

	/** The default form: yyyy.mm.dd-hh.mm.ss, every part zero-padded. */
	FString ToString() const;

	/**
	 * The date in a format of the engine's own syntax: %a am/pm, %A AM/PM, %d day 01-31, %D day of
	 * the year 001-366, %m month 01-12, %y year YY, %Y year YYYY, %h 12-hour hour 01-12, %H 24-hour
	 * hour 00-23, %M minute 00-59, %S second 00-59, %s millisecond 000-999.
	 */
	FString ToString(const TCHAR* Format) const;

	bool operator==(const FDateTime& Other) const
	{
		return Ticks == Other.Ticks;
	}
	bool operator!=(const FDateTime& Other) const
	{
		return Ticks != Other.Ticks;
	}
	bool operator<(const FDateTime& Other) const
	{
		return Ticks < Other.Ticks;
	}
	bool operator<=(const FDateTime& Other) const
	{
		return Ticks <= Other.Ticks;
	}
	bool operator>(const FDateTime& Other) const
	{
		return Ticks > Other.Ticks;
	}
	bool operator>=(const FDateTime& Other) const
	{
		return Ticks >= Other.Ticks;
	}

	friend uint32 GetTypeHash(const FDateTime& DateTime)
	{
		return GetTypeHash(DateTime.Ticks);
	}

private:
	int64 Ticks;
};
