// FExec: something that handles console commands.
#pragma once

#include "CoreTypes.h"

class FOutputDevice;
class UWorld;

class CORE_API FExec
{
public:
	virtual ~FExec();

	/** Tries the runtime, development and editor handlers in turn; true if one handled Cmd. */
	virtual bool Exec(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar);

protected:
	virtual bool Exec_Runtime(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar) { return false; }
	virtual bool Exec_Dev(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar) { return false; }
	virtual bool Exec_Editor(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar) { return false; }
};
