// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "EditorSubsystem.h"

#include "QuovexEditorSubsystemBase.generated.h"

/** Common base of the plugin's editor subsystems. */
UCLASS(Abstract)
class QUOVEXVIRTUALPRODUCTIONEDITOR_API UQuovexEditorSubsystemBase : public UEditorSubsystem
{
	GENERATED_BODY()
};
