#include "Misc/Exec.h"
#include "Misc/NotifyHook.h"

FExec::~FExec() = default;

bool FExec::Exec(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar)
{
	return Exec_Runtime(InWorld, Cmd, Ar) || Exec_Dev(InWorld, Cmd, Ar) || Exec_Editor(InWorld, Cmd, Ar);
}

void FNotifyHook::NotifyPreChange(FEditPropertyChain* PropertyAboutToChange)
{
	// Without a chain to walk, the hook sees no single property, as when the engine's chain is empty.
	NotifyPreChange((FProperty*)nullptr);
}

void FNotifyHook::NotifyPostChange(const FPropertyChangedEvent& PropertyChangedEvent, FEditPropertyChain* PropertyThatChanged)
{
	NotifyPostChange(PropertyChangedEvent, (FProperty*)nullptr);
}
