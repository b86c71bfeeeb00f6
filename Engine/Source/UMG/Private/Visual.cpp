#include "Components/Visual.h"

void UVisual::ReleaseSlateResources(bool bReleaseChildren)
{
}
