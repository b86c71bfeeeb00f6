// Event graphs of Blueprint assets in the stand-in's asset form: calls of static functions.
#pragma once

#include "CoreMinimal.h"

class UBlueprint;

namespace UE::ObjectHost
{
	class FRuntimeClassBuilder;
}

namespace UE::BlueprintScript
{
	/** Adds one override per event of the Blueprint's graph; a call that cannot be resolved is reported and left out. */
	void AddEventGraph(const UBlueprint& Blueprint, UE::ObjectHost::FRuntimeClassBuilder& Builder);
}
