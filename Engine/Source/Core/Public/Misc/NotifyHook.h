// FNotifyHook: receives property change notifications from editors (details panels, undo).
#pragma once

#include "CoreTypes.h"

class FProperty;
class FEditPropertyChain;
struct FPropertyChangedEvent;

class CORE_API FNotifyHook
{
public:
	virtual ~FNotifyHook() = default;

	virtual void NotifyPreChange(FProperty* PropertyAboutToChange) {}
	virtual void NotifyPostChange(const FPropertyChangedEvent& PropertyChangedEvent, FProperty* PropertyThatChanged) {}
	virtual void NotifyPreChange(FEditPropertyChain* PropertyAboutToChange);
	virtual void NotifyPostChange(const FPropertyChangedEvent& PropertyChangedEvent, FEditPropertyChain* PropertyThatChanged);
};
