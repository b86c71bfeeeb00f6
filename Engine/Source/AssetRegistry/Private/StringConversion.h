#pragma once

#include "CoreMinimal.h"
#include "Containers/StringConv.h"

#include <string>

/** UTF-8 bridges between FString and the standard library (file system, JSON). */
namespace AssetStrings
{
	inline std::string ToUtf8(const FString& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text));
	}

	inline std::string ToUtf8(const TCHAR* Text)
	{
		return std::string(TCHAR_TO_UTF8(Text));
	}

	inline FString FromUtf8(const std::string& Text)
	{
		return FString(UTF8_TO_TCHAR(Text.c_str()));
	}
}
