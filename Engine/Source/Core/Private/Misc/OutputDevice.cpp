// FOutputDevice helpers, the GLog redirector and the log line format.

#include "Misc/OutputDevice.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Internationalization/Text.h"
#include <algorithm>

FOutputDevice::~FOutputDevice() = default;

void FOutputDevice::Log(const TCHAR* S)
{
	Serialize(S, ELogVerbosity::Log, NAME_None);
}

void FOutputDevice::Log(ELogVerbosity::Type Verbosity, const TCHAR* S)
{
	Serialize(S, Verbosity, NAME_None);
}

void FOutputDevice::Log(const FName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Str)
{
	Serialize(Str, Verbosity, Category);
}

void FOutputDevice::Log(const FString& S)
{
	Serialize(*S, ELogVerbosity::Log, NAME_None);
}

void FOutputDevice::Log(const FText& S)
{
	Serialize(*S.ToString(), ELogVerbosity::Log, NAME_None);
}

void FOutputDevice::Log(ELogVerbosity::Type Verbosity, const FString& S)
{
	Serialize(*S, Verbosity, NAME_None);
}

void FOutputDevice::Log(const FName& Category, ELogVerbosity::Type Verbosity, const FString& S)
{
	Serialize(*S, Verbosity, Category);
}

const TCHAR* FOutputDeviceHelper::VerbosityToString(ELogVerbosity::Type Verbosity)
{
	return ToString(Verbosity);
}

FString FOutputDeviceHelper::FormatLogLine(ELogVerbosity::Type Verbosity, const FName& Category, const TCHAR* Message)
{
	FString Line;
	if (!Category.IsNone())
	{
		Line += Category.ToString();
		Line += TEXT(": ");
	}
	const ELogVerbosity::Type Level = (ELogVerbosity::Type)(Verbosity & ELogVerbosity::VerbosityMask);
	if (Level != ELogVerbosity::Log)
	{
		Line += ToString(Level);
		Line += TEXT(": ");
	}
	if (Message)
	{
		Line += Message;
	}
	return Line;
}

FOutputDeviceRedirector* FOutputDeviceRedirector::Get()
{
	// Never destroyed: categories and devices may log during static destruction.
	static FOutputDeviceRedirector* Singleton = new FOutputDeviceRedirector();
	return Singleton;
}

FOutputDeviceRedirector* GetGlobalLogSingleton()
{
	return FOutputDeviceRedirector::Get();
}

void FOutputDeviceRedirector::AddOutputDevice(FOutputDevice* OutputDevice)
{
	if (!OutputDevice)
	{
		return;
	}
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	if (std::find(OutputDevices.begin(), OutputDevices.end(), OutputDevice) == OutputDevices.end())
	{
		OutputDevices.push_back(OutputDevice);
	}
}

void FOutputDeviceRedirector::RemoveOutputDevice(FOutputDevice* OutputDevice)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	OutputDevices.erase(std::remove(OutputDevices.begin(), OutputDevices.end(), OutputDevice), OutputDevices.end());
}

bool FOutputDeviceRedirector::IsRedirectingTo(FOutputDevice* OutputDevice)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	return std::find(OutputDevices.begin(), OutputDevices.end(), OutputDevice) != OutputDevices.end();
}

void FOutputDeviceRedirector::Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category)
{
	Serialize(Data, Verbosity, Category, -1.0);
}

void FOutputDeviceRedirector::Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category, const double Time)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	// A device may add or remove devices while handling a line; iterate over a snapshot.
	const std::vector<FOutputDevice*> Snapshot = OutputDevices;
	for (FOutputDevice* Device : Snapshot)
	{
		if (std::find(OutputDevices.begin(), OutputDevices.end(), Device) != OutputDevices.end())
		{
			Device->Serialize(Data, Verbosity, Category, Time);
		}
	}
}

void FOutputDeviceRedirector::Flush()
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	const std::vector<FOutputDevice*> Snapshot = OutputDevices;
	for (FOutputDevice* Device : Snapshot)
	{
		Device->Flush();
	}
}

void FOutputDeviceRedirector::TearDown()
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	const std::vector<FOutputDevice*> Snapshot = MoveTemp(OutputDevices);
	OutputDevices.clear();
	for (FOutputDevice* Device : Snapshot)
	{
		Device->TearDown();
	}
}
