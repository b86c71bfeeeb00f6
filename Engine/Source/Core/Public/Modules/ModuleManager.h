// Loading and unloading of modules, after the engine's FModuleManager.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"
#include "Delegates/Delegate.h"
#include "Misc/AssertionMacros.h"
#include "Modules/ModuleInterface.h"
#include "UObject/NameTypes.h"

#include <memory>

enum class EModuleChangeReason
{
	ModuleLoaded,
	ModuleUnloaded,
	PluginDirectoryChanged,
};

enum class EModuleLoadResult
{
	Success,
	FileNotFound,
	FileIncompatible,
	CouldNotBeLoadedByOS,
	FailedToInitialize,
};

enum class ELoadModuleFlags
{
	None = 0x0,
	LogFailures = 1 << 0,
};

struct FModuleStatus
{
	FString Name;
	/** The library the module lives in. */
	FString FilePath;
	bool bIsLoaded = false;
	bool bIsGameModule = false;
	/** Position in load order (0 first); -1 when not loaded. */
	int32 LoadOrder = -1;
};

typedef IModuleInterface* (*FInitializeModuleFunctionPtr)(void);

class FModuleManager;
DECLARE_EVENT_TwoParams(FModuleManager, FModulesChangedEvent, FName, EModuleChangeReason);

/**
 * Every module is created through the InitializeModule entry of its library, as in a modular
 * editor build. Libraries already linked into the process are known from IMPLEMENT_MODULE;
 * others are looked for as (lib)UnrealEditor-<Module>.so in the binaries folders.
 */
class CORE_API FModuleManager
{
public:
	static FModuleManager& Get();

	/** Loads the module (library, object, StartupModule); null when it cannot be loaded. */
	IModuleInterface* LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);
	IModuleInterface* LoadModuleWithFailureReason(const FName InModuleName, EModuleLoadResult& OutFailureReason, ELoadModuleFlags InLoadModuleFlags = ELoadModuleFlags::None);
	/** As LoadModule; a module that cannot be loaded is a fatal error. */
	IModuleInterface& LoadModuleChecked(const FName InModuleName);

	template<typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(const FName ModuleName)
	{
		return static_cast<TModuleInterface&>(Get().LoadModuleChecked(ModuleName));
	}

	template<typename TModuleInterface>
	static TModuleInterface* LoadModulePtr(const FName ModuleName)
	{
		return static_cast<TModuleInterface*>(Get().LoadModule(ModuleName));
	}

	bool IsModuleLoaded(const FName InModuleName) const;
	IModuleInterface* GetModule(const FName InModuleName);

	template<typename TModuleInterface>
	static TModuleInterface& GetModuleChecked(const FName ModuleName)
	{
		IModuleInterface* Module = Get().GetModule(ModuleName);
		checkf(Module, TEXT("Tried to get module interface for unloaded module: '%s'"), *ModuleName.ToString());
		return static_cast<TModuleInterface&>(*Module);
	}

	template<typename TModuleInterface>
	static TModuleInterface* GetModulePtr(const FName ModuleName)
	{
		return static_cast<TModuleInterface*>(Get().GetModule(ModuleName));
	}

	/** ShutdownModule, then the module object is destroyed. The library stays mapped. */
	bool UnloadModule(const FName InModuleName, bool bIsShutdown = false, bool bAllowUnloadCode = true);

	/** Every loaded module in reverse load order: PreUnloadCallback for all, then ShutdownModule and destruction. */
	void UnloadModulesAtShutdown();

	/** Whether a library for the module is linked in or can be found. */
	bool ModuleExists(const TCHAR* ModuleName) const;
	int32 GetModuleCount() const;
	void FindModules(const TCHAR* WildcardWithoutExtension, TArray<FName>& OutModules) const;
	/** Loaded modules, in load order. */
	void QueryModules(TArray<FModuleStatus>& OutModuleStatuses) const;
	bool QueryModule(const FName InModuleName, FModuleStatus& OutModuleStatus) const;

	void AddBinariesDirectory(const TCHAR* InDirectory, bool bIsGameDirectory);

	FModulesChangedEvent& OnModulesChanged()
	{
		return ModulesChangedEvent;
	}

	/** Called by IMPLEMENT_MODULE at static initialisation: the module's library is part of the process. */
	static void RegisterLinkedModule(const TCHAR* InModuleName, FInitializeModuleFunctionPtr InCreateFunction);

	FModuleManager();
	~FModuleManager();

private:
	struct FImpl;
	std::unique_ptr<FImpl> Impl;
	FModulesChangedEvent ModulesChangedEvent;
};

/** Runs at static initialisation of a module library. */
struct FModuleLibraryRegistrant
{
	FModuleLibraryRegistrant(const TCHAR* InModuleName, FInitializeModuleFunctionPtr InCreateFunction)
	{
		FModuleManager::RegisterLinkedModule(InModuleName, InCreateFunction);
	}
};

/** A module with no code of its own. */
class FDefaultModuleImpl : public IModuleInterface
{
};

class FDefaultGameModuleImpl : public FDefaultModuleImpl
{
public:
	bool IsGameModule() const override
	{
		return true;
	}
};

/**
 * Defines the module's InitializeModule entry (looked up by name in the module's library) and
 * records the library with the module manager when it is linked into the process.
 */
#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName) \
	static IModuleInterface* UE_CreateModule_##ModuleName() \
	{ \
		return new ModuleImplClass(); \
	} \
	extern "C" __attribute__((visibility("default"))) IModuleInterface* InitializeModule() \
	{ \
		return UE_CreateModule_##ModuleName(); \
	} \
	static FModuleLibraryRegistrant UE_ModuleRegistrant_##ModuleName(TEXT(#ModuleName), &UE_CreateModule_##ModuleName);

#define IMPLEMENT_GAME_MODULE(ModuleImplClass, ModuleName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)

#define IMPLEMENT_PRIMARY_GAME_MODULE(ModuleImplClass, ModuleName, GameName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)
