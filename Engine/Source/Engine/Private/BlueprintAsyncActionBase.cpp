#include "Kismet/BlueprintAsyncActionBase.h"

void UBlueprintAsyncActionBase::Activate()
{
	// Subclasses start their work here once the node's pins are bound.
}
