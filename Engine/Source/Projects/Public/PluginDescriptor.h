// The contents of a .uplugin file.
#pragma once

#include "CoreMinimal.h"
#include "ModuleDescriptor.h"
#include "PluginReferenceDescriptor.h"

enum class EPluginEnabledByDefault : uint8
{
	Unspecified,
	Enabled,
	Disabled,
};

struct PROJECTS_API FPluginDescriptor
{
	int32 Version = 0;
	FString VersionName;
	FString FriendlyName;
	FString Description;
	FString Category;
	FString CreatedBy;
	FString CreatedByURL;
	FString DocsURL;
	FString MarketplaceURL;
	FString SupportURL;
	FString EngineVersion;
	TArray<FModuleDescriptor> Modules;
	EPluginEnabledByDefault EnabledByDefault = EPluginEnabledByDefault::Unspecified;
	bool bCanContainContent = false;
	bool bIsBetaVersion = false;
	bool bIsExperimentalVersion = false;
	bool bInstalled = false;
	bool bIsHidden = false;
	TArray<FPluginReferenceDescriptor> Plugins;

	/** Reads a descriptor file; false with the reason when it is missing or not a valid descriptor. */
	bool Load(const FString& FileName, FText& OutFailReason);

	/** Reads descriptor text (JSON). */
	bool Read(const FString& Text, FText& OutFailReason);
};
