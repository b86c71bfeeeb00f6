#include "EditorSubsystem.h"

#include "Modules/ModuleManager.h"

UEditorSubsystem::UEditorSubsystem()
{
}

IMPLEMENT_MODULE(FDefaultModuleImpl, EditorSubsystem);
