// The editor engine class the editor runs.

#pragma once

#include "CoreMinimal.h"
#include "Editor/EditorEngine.h"
#include "Misc/NotifyHook.h"
#include "UnrealEdEngine.generated.h"

/** The editor engine of the full editor. */
UCLASS(config = Engine, transient)
class UNREALED_API UUnrealEdEngine : public UEditorEngine, public FNotifyHook
{
	GENERATED_BODY()

public:
	UUnrealEdEngine(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());
};
