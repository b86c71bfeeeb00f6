#include "Editor/UnrealEdEngine.h"

#include "Editor.h"
#include "UnrealEdGlobals.h"
#include "Modules/ModuleManager.h"

UEditorEngine* GEditor = nullptr;
UUnrealEdEngine* GUnrealEd = nullptr;

UUnrealEdEngine::UUnrealEdEngine()
{
}

IMPLEMENT_MODULE(FDefaultModuleImpl, UnrealEd);
