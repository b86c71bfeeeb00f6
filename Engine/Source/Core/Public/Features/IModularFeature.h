#pragma once

#include "CoreTypes.h"

/** Base of every interface that is published through IModularFeatures. */
class IModularFeature
{
public:
	virtual ~IModularFeature() = default;
};
