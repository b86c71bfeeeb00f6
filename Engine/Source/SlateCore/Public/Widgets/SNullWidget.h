// The shared empty widget: what a slot holds when it holds nothing.

#pragma once

#include "CoreMinimal.h"

class SWidget;

class SLATECORE_API SNullWidget
{
public:
	static TSharedRef<SWidget> NullWidget;
};
