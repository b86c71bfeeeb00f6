#include "HostLogCapture.h"

#include "Misc/OutputDeviceRedirector.h"

FString FormatHostLogLine(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	return FOutputDeviceHelper::FormatLogLine(Verbosity, Category, V);
}

FHostLogCapture::FHostLogCapture()
{
	GLog->AddOutputDevice(this);
}

FHostLogCapture::~FHostLogCapture()
{
	GLog->RemoveOutputDevice(this);
}

void FHostLogCapture::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	Lines.Add(FormatHostLogLine(V, Verbosity, Category));
}

bool FHostLogCapture::Contains(const FString& Text) const
{
	return Find(Text) != INDEX_NONE;
}

int32 FHostLogCapture::Find(const FString& Text, int32 StartIndex) const
{
	for (int32 Index = StartIndex < 0 ? 0 : StartIndex; Index < Lines.Num(); ++Index)
	{
		if (Lines[Index].Contains(Text, ESearchCase::CaseSensitive))
		{
			return Index;
		}
	}
	return INDEX_NONE;
}
