// A reference from a project or plugin to a plugin it enables or disables.
#pragma once

#include "CoreMinimal.h"

struct PROJECTS_API FPluginReferenceDescriptor
{
	FString Name;
	bool bEnabled = false;
	bool bOptional = false;

	FPluginReferenceDescriptor(const FString& InName = FString(), bool bInEnabled = false)
		: Name(InName)
		, bEnabled(bInEnabled)
	{
	}
};
