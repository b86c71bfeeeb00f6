// Copyright Quovex. All Rights Reserved.

// The compositing objects the panels reach (keyer asset, compositor subsystem) and the lens-tool panels.

#include "QuovexVPEditorSubsystem.h"

#include "CompositeKeyer.h"
#include "CompositorSubsystem.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/World.h"
#include "Modules/ModuleManager.h"
#include "QuovexVirtualProductionEditorModule.h"
#include "UObject/UObjectGlobals.h"

namespace QuovexVPEditorSubsystemCompositing
{
	static const TCHAR* const CompositeKeyerPath = TEXT("/QuovexSuite/QuovexNewKeyer/QuovexNewCompositeKeyer.QuovexNewCompositeKeyer");
	static const FName EditorModuleName(TEXT("QuovexVirtualProductionEditor"));

	static FQuovexVirtualProductionEditorModule& EditorModule()
	{
		return FModuleManager::LoadModuleChecked<FQuovexVirtualProductionEditorModule>(EditorModuleName);
	}
}

UCompositeKeyer* UQuovexVPEditorSubsystem::GetCompositeKeyer()
{
	return Cast<UCompositeKeyer>(StaticLoadObject(UCompositeKeyer::StaticClass(), nullptr, QuovexVPEditorSubsystemCompositing::CompositeKeyerPath, nullptr, LOAD_None, nullptr, true));
}

UCompositorSubsystem* UQuovexVPEditorSubsystem::GetCompositorSubsystem()
{
	UWorld* World = nullptr;
	if (GEditor)
	{
		// The play world while a session runs, so a panel keys what the operator sees playing.
		if (FWorldContext* PIEWorldContext = GEditor->GetPIEWorldContext(0))
		{
			World = PIEWorldContext->World();
		}
		else
		{
			World = GEditor->GetEditorWorldContext().World();
		}
	}
	else
	{
		World = GetWorld();
	}
	if (!World)
	{
		return nullptr;
	}
	return World->GetSubsystem<UCompositorSubsystem>();
}

void UQuovexVPEditorSubsystem::OpenFocDistWiz()
{
	QuovexVPEditorSubsystemCompositing::EditorModule().OpenFocDistWiz();
}

void UQuovexVPEditorSubsystem::CloseFocDistWiz()
{
	QuovexVPEditorSubsystemCompositing::EditorModule().CloseFocDistWiz();
}

void UQuovexVPEditorSubsystem::OpenNearWideTweakGraph()
{
	QuovexVPEditorSubsystemCompositing::EditorModule().OpenNearWideTweakGraph();
}
