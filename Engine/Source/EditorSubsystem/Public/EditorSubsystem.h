// Subsystems that live as long as the editor engine.

#pragma once

#include "CoreMinimal.h"
#include "Subsystems/Subsystem.h"
#include "EditorSubsystem.generated.h"

/**
 * Base of editor subsystems: the editor engine creates one instance of every native subclass at its
 * Init (and of subclasses in modules loaded later, as they load) and deinitialises them at PreExit.
 */
UCLASS(Abstract)
class EDITORSUBSYSTEM_API UEditorSubsystem : public UDynamicSubsystem
{
	GENERATED_BODY()

public:
	UEditorSubsystem(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());
};
