#pragma once

#include "DesktopPlatformHost.h"

namespace UE::DesktopPlatformHost::Private
{
	/** Records the dialogue and returns its answer; a dialogue nobody can answer is a host error. */
	FString AskHost(const FDialogRequest& Request);
}
