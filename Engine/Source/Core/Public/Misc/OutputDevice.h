// FOutputDevice: a sink for log lines.
#pragma once

#include "CoreTypes.h"
#include "Logging/LogVerbosity.h"
#include "Misc/VarArgs.h"
#include "UObject/NameTypes.h"

class CORE_API FOutputDevice
{
public:
	FOutputDevice() = default;
	FOutputDevice(FOutputDevice&&) = default;
	FOutputDevice(const FOutputDevice&) = default;
	FOutputDevice& operator=(FOutputDevice&&) = default;
	FOutputDevice& operator=(const FOutputDevice&) = default;
	virtual ~FOutputDevice();

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) = 0;

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category, const double Time)
	{
		Serialize(V, Verbosity, Category);
	}

	virtual void Flush() {}
	virtual void TearDown() {}
	virtual bool CanBeUsedOnAnyThread() const { return false; }
	virtual bool CanBeUsedOnMultipleThreads() const { return false; }
	virtual bool IsMemoryOnly() const { return false; }

	void SetSuppressEventTag(bool bInSuppressEventTag) { bSuppressEventTag = bInSuppressEventTag; }
	bool GetSuppressEventTag() const { return bSuppressEventTag; }
	void SetAutoEmitLineTerminator(bool bInAutoEmitLineTerminator) { bAutoEmitLineTerminator = bInAutoEmitLineTerminator; }
	bool GetAutoEmitLineTerminator() const { return bAutoEmitLineTerminator; }

	void Log(const TCHAR* S);
	void Log(ELogVerbosity::Type Verbosity, const TCHAR* S);
	void Log(const FName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Str);
	void Log(const FString& S);
	void Log(const FText& S);
	void Log(ELogVerbosity::Type Verbosity, const FString& S);
	void Log(const FName& Category, ELogVerbosity::Type Verbosity, const FString& S);

	template<typename... ArgTypes>
	void Logf(const TCHAR* Fmt, ArgTypes... Args)
	{
		Log(*FString::Printf(Fmt, Args...));
	}

	template<typename... ArgTypes>
	void Logf(ELogVerbosity::Type Verbosity, const TCHAR* Fmt, ArgTypes... Args)
	{
		Log(Verbosity, *FString::Printf(Fmt, Args...));
	}

	template<typename... ArgTypes>
	void CategorizedLogf(const FName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Fmt, ArgTypes... Args)
	{
		Log(Category, Verbosity, *FString::Printf(Fmt, Args...));
	}

protected:
	bool bSuppressEventTag = false;
	bool bAutoEmitLineTerminator = true;
};

/** Discards everything. */
class CORE_API FOutputDeviceNull : public FOutputDevice
{
public:
	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override {}
};

/** Formats log lines the way the engine prints them. */
struct CORE_API FOutputDeviceHelper
{
	/** "Category: Verbosity: Message"; the verbosity word is left out for Log, the category for NAME_None. */
	static FString FormatLogLine(ELogVerbosity::Type Verbosity, const FName& Category, const TCHAR* Message = nullptr);

	static const TCHAR* VerbosityToString(ELogVerbosity::Type Verbosity);
};
