// Readable GoogleTest output for the engine's string types.
#pragma once

#include "Containers/StringConv.h"
#include "Containers/UnrealString.h"
#include "Internationalization/Text.h"
#include "UObject/NameTypes.h"
#include <ostream>

inline void PrintTo(const FString& Value, std::ostream* Os)
{
	*Os << '"' << TCHAR_TO_UTF8(*Value) << '"';
}

inline void PrintTo(const FName& Value, std::ostream* Os)
{
	*Os << "FName(" << TCHAR_TO_UTF8(*Value.ToString()) << ')';
}

inline void PrintTo(const FText& Value, std::ostream* Os)
{
	*Os << "FText(" << TCHAR_TO_UTF8(*Value.ToString()) << ')';
}

inline std::ostream& operator<<(std::ostream& Os, const FString& Value)
{
	return Os << TCHAR_TO_UTF8(*Value);
}

inline std::ostream& operator<<(std::ostream& Os, const FName& Value)
{
	return Os << TCHAR_TO_UTF8(*Value.ToString());
}

inline std::ostream& operator<<(std::ostream& Os, const FText& Value)
{
	return Os << TCHAR_TO_UTF8(*Value.ToString());
}

/** Collects log lines (formatted as the editor prints them) while in scope. */
#include "Misc/OutputDeviceRedirector.h"
#include "Containers/Array.h"

class FTestLogCapture : public FOutputDevice
{
public:
	FTestLogCapture()
	{
		GLog->AddOutputDevice(this);
	}

	virtual ~FTestLogCapture() override
	{
		GLog->RemoveOutputDevice(this);
	}

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
	{
		Lines.Add(FOutputDeviceHelper::FormatLogLine(Verbosity, Category, V));
	}

	bool Contains(const TCHAR* Fragment) const
	{
		return Lines.ContainsByPredicate([Fragment](const FString& Line) { return Line.Contains(Fragment, ESearchCase::CaseSensitive); });
	}

	TArray<FString> Lines;
};
