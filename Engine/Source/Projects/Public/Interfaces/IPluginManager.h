// Discovered and enabled plugins, after the engine's IPluginManager.
#pragma once

#include "CoreMinimal.h"
#include "ModuleDescriptor.h"
#include "PluginDescriptor.h"

enum class EPluginType
{
	Engine,
	Enterprise,
	Project,
	External,
	Mod,
};

enum class EPluginLoadedFrom
{
	Engine,
	Project,
};

class IPlugin : public TSharedFromThis<IPlugin>
{
public:
	virtual ~IPlugin() = default;

	virtual const FString& GetName() const = 0;
	virtual const FString& GetFriendlyName() const = 0;
	/** Full path of the .uplugin file. */
	virtual const FString& GetDescriptorFileName() const = 0;
	/** The plugin's folder, without a trailing slash. */
	virtual FString GetBaseDir() const = 0;
	virtual FString GetContentDir() const = 0;
	/** The package root its content mounts at: "/<Name>/". */
	virtual FString GetMountedAssetPath() const = 0;
	virtual EPluginType GetType() const = 0;
	virtual EPluginLoadedFrom GetLoadedFrom() const = 0;
	virtual bool IsEnabled() const = 0;
	virtual bool IsEnabledByDefault(bool bAllowEnginePluginsEnabledByDefault) const = 0;
	virtual bool IsHidden() const = 0;
	virtual bool CanContainContent() const = 0;
	virtual const FPluginDescriptor& GetDescriptor() const = 0;
};

class IPluginManager
{
public:
	virtual ~IPluginManager() = default;

	static PROJECTS_API IPluginManager& Get();

	/** Searches the engine, project and additional plugin folders again and works out which plugins are enabled. */
	virtual void RefreshPluginsList() = 0;

	/** Loads the modules of every enabled plugin for the phase; false when one could not be loaded. */
	virtual bool LoadModulesForEnabledPlugins(const ELoadingPhase::Type LoadingPhase) = 0;

	/** The last phase whose modules LoadModulesForEnabledPlugins has loaded; None before the first. */
	virtual ELoadingPhase::Type GetLastCompletedLoadingPhase() const = 0;

	/** Case-insensitive lookup among discovered plugins. */
	virtual TSharedPtr<IPlugin> FindPlugin(const FStringView Name) = 0;

	virtual TArray<TSharedRef<IPlugin>> GetEnabledPlugins() = 0;
	virtual TArray<TSharedRef<IPlugin>> GetEnabledPluginsWithContent() const = 0;
	virtual TArray<TSharedRef<IPlugin>> GetDiscoveredPlugins() = 0;

	/** An extra folder to search; with bRefresh the plugin list is rebuilt now. */
	virtual bool AddPluginSearchPath(const FString& ExtraDiscoveryPath, bool bRefresh = true) = 0;
};
