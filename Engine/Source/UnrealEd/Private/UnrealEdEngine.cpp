#include "Editor/UnrealEdEngine.h"

#include "Editor.h"
#include "UnrealEdGlobals.h"
#include "Modules/ModuleManager.h"

UEditorEngine* GEditor = nullptr;
UUnrealEdEngine* GUnrealEd = nullptr;

UUnrealEdEngine::UUnrealEdEngine(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

IMPLEMENT_MODULE(FDefaultModuleImpl, UnrealEd);
