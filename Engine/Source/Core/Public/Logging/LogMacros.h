// UE_LOG and the log category declaration macros.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Logging/LogCategory.h"
#include "Logging/LogVerbosity.h"
#include "Misc/OutputDeviceRedirector.h"

namespace UE::Logging::Private
{
	/** Writes a formatted line through GLog; a Fatal line also aborts the process. */
	CORE_API void BasicLog(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const ANSICHAR* File, int32 Line, const TCHAR* Message);
	[[noreturn]] CORE_API void BasicFatal(const FLogCategoryBase& Category, const ANSICHAR* File, int32 Line, const TCHAR* Message);
}

#define UE_LOG(CategoryName, Verbosity, Format, ...) \
	do \
	{ \
		static_assert(::ELogVerbosity::Verbosity != ::ELogVerbosity::NoLogging, "Verbosity must not be NoLogging"); \
		if constexpr (::ELogVerbosity::Verbosity == ::ELogVerbosity::Fatal) \
		{ \
			::UE::Logging::Private::BasicFatal(CategoryName, __FILE__, __LINE__, *FString::Printf(Format, ##__VA_ARGS__)); \
		} \
		else if (((int32)::ELogVerbosity::Verbosity & ::ELogVerbosity::VerbosityMask) <= (int32) decltype(CategoryName)::CompileTimeVerbosity \
			&& !CategoryName.IsSuppressed(::ELogVerbosity::Verbosity)) \
		{ \
			::UE::Logging::Private::BasicLog(CategoryName, ::ELogVerbosity::Verbosity, __FILE__, __LINE__, *FString::Printf(Format, ##__VA_ARGS__)); \
		} \
	} while (0)

#define UE_CLOG(Condition, CategoryName, Verbosity, Format, ...) \
	do \
	{ \
		if (Condition) \
		{ \
			UE_LOG(CategoryName, Verbosity, Format, ##__VA_ARGS__); \
		} \
	} while (0)

#define UE_LOG_ACTIVE(CategoryName, Verbosity) \
	(((int32)::ELogVerbosity::Verbosity & ::ELogVerbosity::VerbosityMask) <= (int32) decltype(CategoryName)::CompileTimeVerbosity && !CategoryName.IsSuppressed(::ELogVerbosity::Verbosity))

#define UE_SUPPRESS(CategoryName, Verbosity, ExecuteIfUnsuppressed) \
	do \
	{ \
		if (UE_LOG_ACTIVE(CategoryName, Verbosity)) \
		{ \
			ExecuteIfUnsuppressed; \
		} \
	} while (0)

#define DECLARE_LOG_CATEGORY_EXTERN(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	extern struct FLogCategory##CategoryName : public FLogCategory<::ELogVerbosity::DefaultVerbosity, ::ELogVerbosity::CompileTimeVerbosity> \
	{ \
		FORCEINLINE FLogCategory##CategoryName() \
			: FLogCategory(TEXT(#CategoryName)) \
		{ \
		} \
	} CategoryName;

#define DEFINE_LOG_CATEGORY(CategoryName) FLogCategory##CategoryName CategoryName;

#define DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	static struct FLogCategory##CategoryName : public FLogCategory<::ELogVerbosity::DefaultVerbosity, ::ELogVerbosity::CompileTimeVerbosity> \
	{ \
		FORCEINLINE FLogCategory##CategoryName() \
			: FLogCategory(TEXT(#CategoryName)) \
		{ \
		} \
	} CategoryName;

#define DECLARE_LOG_CATEGORY_CLASS(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity)

#define DEFINE_LOG_CATEGORY_CLASS(Class, CategoryName)

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogTemp, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogCore, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogOutputDevice, Log, All);
