// Engine-wide notifications of Core, after the engine's FCoreDelegates.
#pragma once

#include "CoreTypes.h"
#include "Delegates/Delegate.h"

class CORE_API FCoreDelegates
{
public:
	/** Before the engine starts exiting: modules are still loaded. */
	static FSimpleMulticastDelegate OnPreExit;

	/** Before core modules shut down, after OnPreExit. */
	static FSimpleMulticastDelegate OnEnginePreExit;

	/** When the engine exits, after modules shut down. */
	static FSimpleMulticastDelegate OnExit;

	/** After the engine is initialised (GEngine exists and Init ran), before PostEngineInit modules load. */
	static FSimpleMulticastDelegate OnPostEngineInit;

	/** When the engine loop's initialisation is complete: every module loaded, the editor up. */
	static FSimpleMulticastDelegate OnFEngineLoopInitComplete;

	/** At the start of each engine frame. */
	static FSimpleMulticastDelegate OnBeginFrame;

	/** At the end of each engine frame, after the engine ticked. */
	static FSimpleMulticastDelegate OnEndFrame;

	/** When the last loading phase's modules have been loaded. */
	static FSimpleMulticastDelegate OnAllModuleLoadingPhasesComplete;
};
