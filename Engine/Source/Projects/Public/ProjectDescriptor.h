// The contents of a .uproject file.
#pragma once

#include "CoreMinimal.h"
#include "ModuleDescriptor.h"
#include "PluginReferenceDescriptor.h"

struct PROJECTS_API FProjectDescriptor
{
	int32 FileVersion = 3;
	FString EngineAssociation;
	FString Category;
	FString Description;
	TArray<FModuleDescriptor> Modules;
	TArray<FPluginReferenceDescriptor> Plugins;

	/** Reads a project file; false with the reason when it is missing or not a valid descriptor. */
	bool Load(const FString& FileName, FText& OutFailReason);
	bool Read(const FString& Text, FText& OutFailReason);

	/** Extra folders searched for plugins, as written (relative to the project folder). */
	const TArray<FString>& GetAdditionalPluginDirectories() const
	{
		return AdditionalPluginDirectories;
	}

	bool AddPluginDirectory(const FString& AdditionalDir);

private:
	TArray<FString> AdditionalPluginDirectories;
};
