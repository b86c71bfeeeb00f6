#include "Misc/Guid.h"

#include <random>

FGuid FGuid::NewGuid()
{
	static std::random_device Device;
	static std::mt19937_64 Generator(Device());
	FGuid Guid;
	do
	{
		const uint64 High = Generator();
		const uint64 Low = Generator();
		Guid = FGuid(uint32(High >> 32), uint32(High), uint32(Low >> 32), uint32(Low));
	} while (!Guid.IsValid());
	return Guid;
}

FString FGuid::ToString(EGuidFormats::Type Format) const
{
	switch (Format)
	{
		case EGuidFormats::Type::DigitsWithHyphens:
			return FString::Printf(TEXT("%08X-%04X-%04X-%04X-%04X%08X"), A, B >> 16, B & 0xFFFF, C >> 16, C & 0xFFFF, D);
		case EGuidFormats::Type::DigitsWithHyphensInBraces:
			return FString::Printf(TEXT("{%08X-%04X-%04X-%04X-%04X%08X}"), A, B >> 16, B & 0xFFFF, C >> 16, C & 0xFFFF, D);
		case EGuidFormats::Type::Digits:
		default:
			return FString::Printf(TEXT("%08X%08X%08X%08X"), A, B, C, D);
	}
}

namespace
{
	/** Reads 32 hexadecimal digits, skipping nothing; false on any other character. */
	bool ParseDigits(const FString& Digits, FGuid& OutGuid)
	{
		if (Digits.Len() != 32)
		{
			return false;
		}
		uint32 Parts[4] = { 0, 0, 0, 0 };
		for (int32 Index = 0; Index < 32; ++Index)
		{
			const TCHAR Char = Digits[Index];
			uint32 Value = 0;
			if (Char >= TEXT('0') && Char <= TEXT('9'))
			{
				Value = uint32(Char - TEXT('0'));
			}
			else if (Char >= TEXT('A') && Char <= TEXT('F'))
			{
				Value = uint32(Char - TEXT('A') + 10);
			}
			else if (Char >= TEXT('a') && Char <= TEXT('f'))
			{
				Value = uint32(Char - TEXT('a') + 10);
			}
			else
			{
				return false;
			}
			Parts[Index / 8] = (Parts[Index / 8] << 4) | Value;
		}
		OutGuid = FGuid(Parts[0], Parts[1], Parts[2], Parts[3]);
		return true;
	}

	bool IsHyphenated(const FString& Text)
	{
		return Text.Len() == 36 && Text[8] == TEXT('-') && Text[13] == TEXT('-') && Text[18] == TEXT('-') && Text[23] == TEXT('-');
	}
}

bool FGuid::ParseExact(const FString& GuidString, EGuidFormats::Type Format, FGuid& OutGuid)
{
	FString Digits;
	switch (Format)
	{
		case EGuidFormats::Type::Digits:
			Digits = GuidString;
			break;
		case EGuidFormats::Type::DigitsWithHyphens:
			if (!IsHyphenated(GuidString))
			{
				return false;
			}
			Digits = GuidString.Replace(TEXT("-"), TEXT(""));
			break;
		case EGuidFormats::Type::DigitsWithHyphensInBraces:
			if (GuidString.Len() != 38 || GuidString[0] != TEXT('{') || GuidString[37] != TEXT('}') || !IsHyphenated(GuidString.Mid(1, 36)))
			{
				return false;
			}
			Digits = GuidString.Mid(1, 36).Replace(TEXT("-"), TEXT(""));
			break;
	}
	return ParseDigits(Digits, OutGuid);
}

bool FGuid::Parse(const FString& GuidString, FGuid& OutGuid)
{
	for (const EGuidFormats::Type Format : { EGuidFormats::Type::Digits, EGuidFormats::Type::DigitsWithHyphens, EGuidFormats::Type::DigitsWithHyphensInBraces })
	{
		if (ParseExact(GuidString, Format, OutGuid))
		{
			return true;
		}
	}
	OutGuid.Invalidate();
	return false;
}
