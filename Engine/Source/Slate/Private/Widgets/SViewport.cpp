#include "Widgets/SViewport.h"

SViewport::SViewport()
{
}

void SViewport::Construct(const FArguments& InArgs)
{
	ChildSlot[InArgs._Content.Widget];
}
