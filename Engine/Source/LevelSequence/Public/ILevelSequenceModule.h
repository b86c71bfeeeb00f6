// The LevelSequence module.

#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

/** The module of level sequences; it owns the default rates of new sequences. */
class ILevelSequenceModule : public IModuleInterface
{
};
