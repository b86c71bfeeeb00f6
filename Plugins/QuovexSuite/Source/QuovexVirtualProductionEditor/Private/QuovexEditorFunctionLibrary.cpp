// Copyright Quovex. All Rights Reserved.

#include "QuovexEditorFunctionLibrary.h"

#include "Blueprint/UserWidget.h"
#include "Components/Widget.h"
#include "DesktopPlatformModule.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Engine/Engine.h"
#include "Engine/World.h"
#include "Framework/Application/SlateApplication.h"
#include "GameFramework/Actor.h"
#include "GenericPlatform/GenericWindow.h"
#include "HAL/FileManager.h"
#include "IDesktopPlatform.h"
#include "Misc/CoreMisc.h"
#include "Misc/Paths.h"
#include "QuovexEditorUtilityWidget.h"
#include "QuovexVirtualProductionEditorModule.h"
#include "Subsystems/UnrealEditorSubsystem.h"
#include "Widgets/SWindow.h"

UWorld* UQuovexEditorFunctionLibrary::GetCurrentWorld()
{
	if (IsRunningGame() && GEngine)
	{
		for (const FWorldContext& Context : GEngine->GetWorldContexts())
		{
			UWorld* World = Context.World();
			if (!World)
			{
				continue;
			}
			if (Context.WorldType == EWorldType::Game || (GIsEditor && Context.WorldType == EWorldType::PIE))
			{
				return World;
			}
		}
	}

	if (!GEditor)
	{
		return nullptr;
	}
	UUnrealEditorSubsystem* EditorSubsystem = GEditor->GetEditorSubsystem<UUnrealEditorSubsystem>();
	if (!EditorSubsystem)
	{
		return nullptr;
	}
	if (UWorld* GameWorld = EditorSubsystem->GetGameWorld())
	{
		return GameWorld;
	}
	return EditorSubsystem->GetEditorWorld();
}

bool UQuovexEditorFunctionLibrary::GetFilesWithExtension(const FString& Directory, const FString& Extension, TArray<FString>& OutFilenames)
{
	if (Directory.IsEmpty())
	{
		return false;
	}

	FString SearchDirectory = Directory;
	FPaths::NormalizeDirectoryName(SearchDirectory);

	FString Wildcard;
	if (Extension.IsEmpty())
	{
		Wildcard = TEXT("*.*");
	}
	else if (Extension[0] == TEXT('.'))
	{
		Wildcard = TEXT("*") + Extension;
	}
	else
	{
		Wildcard = TEXT("*.") + Extension;
	}

	IFileManager::Get().FindFiles(OutFilenames, *(SearchDirectory + TEXT("/") + Wildcard), true, false);
	return true;
}

bool UQuovexEditorFunctionLibrary::HasValidWorld(UObject* WorldContextObject)
{
	if (!WorldContextObject || !GEngine)
	{
		return false;
	}
	return GEngine->GetWorldFromContextObject(WorldContextObject, EGetWorldErrorMode::LogAndReturnNull) != nullptr;
}

bool UQuovexEditorFunctionLibrary::IsPIE()
{
	if (!GEditor)
	{
		return false;
	}
	return GEditor->PlayWorld != nullptr || GIsPlayInEditorWorld;
}

int32 UQuovexEditorFunctionLibrary::KeepActorSimulationChanges(AActor* SimWorldActor)
{
	if (!SimWorldActor)
	{
		return 0;
	}
	AActor* EditorWorldActor = EditorUtilities::GetEditorWorldCounterpartActor(SimWorldActor);
	if (!EditorWorldActor)
	{
		return 0;
	}

	const EditorUtilities::FCopyOptions Options(static_cast<EditorUtilities::ECopyOptions::Type>(
		EditorUtilities::ECopyOptions::CallPostEditChangeProperty
		| EditorUtilities::ECopyOptions::CallPostEditMove
		| EditorUtilities::ECopyOptions::FilterBlueprintReadOnly));
	return EditorUtilities::CopyActorProperties(SimWorldActor, EditorWorldActor, Options);
}

const void* UQuovexEditorFunctionLibrary::FindParentWindowHandle(UQuovexEditorUtilityWidget* ParentWidget)
{
	// A panel without a root widget has nothing on screen yet, so its dialogue opens unparented.
	UWidget* RootWidget = ParentWidget ? ParentWidget->GetRootWidget() : nullptr;
	if (!RootWidget || !FSlateApplication::IsInitialized())
	{
		return nullptr;
	}
	const TSharedPtr<SWindow> Window = FSlateApplication::Get().FindWidgetWindow(RootWidget->TakeWidget());
	if (!Window.IsValid() || !Window->GetNativeWindow().IsValid())
	{
		return nullptr;
	}
	return Window->GetNativeWindow()->GetOSWindowHandle();
}

bool UQuovexEditorFunctionLibrary::OpenDirectoryDialogue(UQuovexEditorUtilityWidget* ParentWidget, const FString& DefaultDirectory, FString& OutFolderName, const FString& DialogTitle)
{
	IDesktopPlatform* DesktopPlatform = FModuleManager::LoadModuleChecked<FDesktopPlatformModule>(TEXT("DesktopPlatform")).Get();
	if (!DesktopPlatform || !ParentWidget)
	{
		return false;
	}
	const void* ParentWindowHandle = FindParentWindowHandle(ParentWidget);
	return DesktopPlatform->OpenDirectoryDialog(ParentWindowHandle, DialogTitle, DefaultDirectory, OutFolderName);
}

bool UQuovexEditorFunctionLibrary::OpenFileDialogue(UQuovexEditorUtilityWidget* ParentWidget, const FString& DefaultDirectory, const FString& FileTypes, TArray<FString>& OutFileNames, const FString& DialogTitle)
{
	IDesktopPlatform* DesktopPlatform = FModuleManager::LoadModuleChecked<FDesktopPlatformModule>(TEXT("DesktopPlatform")).Get();
	if (!DesktopPlatform || !ParentWidget)
	{
		return false;
	}
	const void* ParentWindowHandle = FindParentWindowHandle(ParentWidget);
	return DesktopPlatform->OpenFileDialog(ParentWindowHandle, DialogTitle, DefaultDirectory, FString(), FileTypes, 0, OutFileNames);
}

void UQuovexEditorFunctionLibrary::PrintErrorToOutputLog(const FString& Message)
{
	UE_LOG(LogQuovexVirtualProductionEditor, Error, TEXT("%s"), *Message);
}

void UQuovexEditorFunctionLibrary::PrintToOutputLog(const FString& Message)
{
	UE_LOG(LogQuovexVirtualProductionEditor, Log, TEXT("%s"), *Message);
}

void UQuovexEditorFunctionLibrary::PrintWarningToOutputLog(const FString& Message)
{
	UE_LOG(LogQuovexVirtualProductionEditor, Warning, TEXT("%s"), *Message);
}

int32 UQuovexEditorFunctionLibrary::CompareCodeUnits(const FString& StringA, const FString& StringB)
{
	// Both buffers end in a zero code unit, which takes part: a proper prefix sorts first.
	const TCHAR* A = *StringA;
	const TCHAR* B = *StringB;
	for (;; ++A, ++B)
	{
		const uint16 UnitA = static_cast<uint16>(*A);
		const uint16 UnitB = static_cast<uint16>(*B);
		if (UnitA != UnitB)
		{
			return UnitA < UnitB ? -1 : 1;
		}
		if (UnitA == 0)
		{
			return 0;
		}
	}
}

bool UQuovexEditorFunctionLibrary::SGreaterThan(const FString& StringA, const FString& StringB)
{
	return CompareCodeUnits(StringA, StringB) > 0;
}

bool UQuovexEditorFunctionLibrary::SLessThan(const FString& StringA, const FString& StringB)
{
	return CompareCodeUnits(StringA, StringB) < 0;
}
