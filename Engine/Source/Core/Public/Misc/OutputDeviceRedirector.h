// FOutputDeviceRedirector: GLog, which fans each log line out to every registered output device.
#pragma once

#include "CoreTypes.h"
#include "Misc/OutputDevice.h"
#include <mutex>
#include <vector>

class CORE_API FOutputDeviceRedirector : public FOutputDevice
{
public:
	FOutputDeviceRedirector() = default;

	/** The global log (also reachable as GLog). */
	static FOutputDeviceRedirector* Get();

	void AddOutputDevice(FOutputDevice* OutputDevice);
	void RemoveOutputDevice(FOutputDevice* OutputDevice);
	bool IsRedirectingTo(FOutputDevice* OutputDevice);

	/** Lines are delivered synchronously, in the order the devices were added. */
	virtual void Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category) override;
	virtual void Serialize(const TCHAR* Data, ELogVerbosity::Type Verbosity, const FName& Category, const double Time) override;
	virtual void Flush() override;
	virtual void TearDown() override;
	virtual bool CanBeUsedOnMultipleThreads() const override { return true; }

	void FlushThreadedLogs() {}
	void PanicFlushThreadedLogs() { Flush(); }
	void SetCurrentThreadAsPrimaryThread() {}

private:
	std::recursive_mutex Mutex;
	std::vector<FOutputDevice*> OutputDevices;
};

/** The global log redirector, created on first use. */
CORE_API FOutputDeviceRedirector* GetGlobalLogSingleton();

#ifndef GLog
	#define GLog GetGlobalLogSingleton()
#endif
