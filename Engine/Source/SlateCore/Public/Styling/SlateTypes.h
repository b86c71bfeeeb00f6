// Value types shared by Slate widgets and the command system.

#pragma once

#include "CoreMinimal.h"

/** The state of a check box, or of a toggle or radio command. */
enum class ECheckBoxState : uint8
{
	Unchecked,
	Checked,
	Undetermined
};
