// Log categories: a name plus a runtime verbosity that the log command and config can change.
#pragma once

#include "CoreTypes.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

struct CORE_API FLogCategoryBase
{
	/** Registers with FLogSuppressionInterface so the category can be found by name. */
	FLogCategoryBase(const TCHAR* CategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity);
	~FLogCategoryBase();

	FLogCategoryBase(const FLogCategoryBase&) = delete;
	FLogCategoryBase& operator=(const FLogCategoryBase&) = delete;

	/** True when lines of this verbosity are not printed. */
	bool IsSuppressed(ELogVerbosity::Type VerbosityLevel) const
	{
		return !((VerbosityLevel & ELogVerbosity::VerbosityMask) <= Verbosity);
	}

	const FName& GetCategoryName() const { return CategoryName; }
	ELogVerbosity::Type GetVerbosity() const { return (ELogVerbosity::Type)Verbosity; }
	ELogVerbosity::Type GetDefaultVerbosity() const { return DefaultVerbosity; }
	ELogVerbosity::Type GetCompileTimeVerbosity() const { return CompileTimeVerbosity; }

	/** Sets the runtime verbosity, clamped to the compile-time maximum. */
	void SetVerbosity(ELogVerbosity::Type Verbosity);

	/** Restores the verbosity the category was declared with. */
	void ResetFromDefault();

private:
	ELogVerbosity::Type Verbosity;
	bool bDebugBreakOnLog = false;
	ELogVerbosity::Type DefaultVerbosity;
	ELogVerbosity::Type CompileTimeVerbosity;
	FName CategoryName;
};

template<ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity>
struct FLogCategory : public FLogCategoryBase
{
	static_assert((InDefaultVerbosity & ELogVerbosity::VerbosityMask) < ELogVerbosity::NumVerbosity, "Invalid default verbosity.");
	static_assert(InCompileTimeVerbosity < ELogVerbosity::NumVerbosity, "Invalid compile time verbosity.");

	enum
	{
		CompileTimeVerbosity = (int32)InCompileTimeVerbosity
	};

	FORCEINLINE FLogCategory(const TCHAR* InCategoryName)
		: FLogCategoryBase(InCategoryName, InDefaultVerbosity, InCompileTimeVerbosity)
	{
	}
};
