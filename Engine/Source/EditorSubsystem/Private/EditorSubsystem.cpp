#include "EditorSubsystem.h"

#include "Modules/ModuleManager.h"

UEditorSubsystem::UEditorSubsystem(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

IMPLEMENT_MODULE(FDefaultModuleImpl, EditorSubsystem);
