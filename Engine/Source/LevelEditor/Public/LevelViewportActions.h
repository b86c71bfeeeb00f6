// The commands of level viewports, bound on each level viewport's command list.

#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/Commands.h"

class FUICommandInfo;

class LEVELEDITOR_API FLevelViewportCommands : public TCommands<FLevelViewportCommands>
{
public:
	FLevelViewportCommands();
	virtual ~FLevelViewportCommands();

	virtual void RegisterCommands() override;

	static FLevelViewportCommands& Get();

	/** Resets every show flag of the viewport to its default. */
	TSharedPtr<FUICommandInfo> UseDefaultShowFlags;
};
