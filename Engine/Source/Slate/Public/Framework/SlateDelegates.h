// Delegate types shared by Slate widgets.

#pragma once

#include "CoreMinimal.h"

class SWidget;

DECLARE_DELEGATE_RetVal(TSharedRef<SWidget>, FOnGetContent);
DECLARE_DELEGATE_OneParam(FOnTextChanged, const FText&);
DECLARE_DELEGATE_OneParam(FOnFloatValueChanged, float);
DECLARE_DELEGATE_OneParam(FOnLinearColorValueChanged, FLinearColor);
