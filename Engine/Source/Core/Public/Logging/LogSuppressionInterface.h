// The registry of log categories by name, used by the `log <Category> <Verbosity>` command.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

struct FLogCategoryBase;
class FOutputDevice;

class CORE_API FLogSuppressionInterface
{
public:
	static FLogSuppressionInterface& Get();

	virtual ~FLogSuppressionInterface() = default;

	/** Called by every log category as it is constructed / destroyed. */
	virtual void AssociateSuppress(FLogCategoryBase* Destination) = 0;
	virtual void DisassociateSuppress(FLogCategoryBase* Destination) = 0;

	/** Applies the category verbosity settings given on the command line (-LogCmds="LogFoo Verbose, LogBar off"). */
	virtual void ProcessConfigAndCommandLine() = 0;

	// Stand-in host API: lookups the console's log command is built on.

	/** The category registered under this name (case-insensitive), or null. */
	virtual FLogCategoryBase* FindCategory(const FName& CategoryName) const = 0;

	/** Every registered category, in registration order. */
	virtual TArray<FLogCategoryBase*> GetAllCategories() const = 0;

	/**
	 * Runs a log command as the engine's console does: "<Category> <Verbosity|off|on|default>", "reset" (every
	 * category back to its default) or "list" (each category and its verbosity). Returns false if it did not parse.
	 */
	virtual bool ProcessLogCommand(const TCHAR* Cmd, FOutputDevice& Ar) = 0;

	/** Sets the -LogCmds value ProcessConfigAndCommandLine applies. */
	virtual void SetLogCmds(const FString& LogCmds) = 0;
};
