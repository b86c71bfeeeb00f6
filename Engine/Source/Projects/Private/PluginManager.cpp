#include "Interfaces/IPluginManager.h"

#include "DescriptorJson.h"
#include "HAL/FileManager.h"
#include "Interfaces/IProjectManager.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "ProjectsHost.h"

DEFINE_LOG_CATEGORY_STATIC(LogPluginManager, Log, All);

namespace
{
	class FPlugin final : public IPlugin
	{
	public:
		FPlugin(const FString& InFileName, const FPluginDescriptor& InDescriptor, EPluginType InType, EPluginLoadedFrom InLoadedFrom)
			: Name(FPaths::GetBaseFilename(InFileName))
			, FileName(InFileName)
			, Descriptor(InDescriptor)
			, Type(InType)
			, LoadedFrom(InLoadedFrom)
		{
		}

		const FString& GetName() const override { return Name; }
		const FString& GetFriendlyName() const override { return Descriptor.FriendlyName.IsEmpty() ? Name : Descriptor.FriendlyName; }
		const FString& GetDescriptorFileName() const override { return FileName; }
		FString GetBaseDir() const override { return FPaths::GetPath(FileName); }
		FString GetContentDir() const override { return FPaths::Combine(GetBaseDir(), TEXT("Content")); }
		FString GetMountedAssetPath() const override { return FString::Printf(TEXT("/%s/"), *Name); }
		EPluginType GetType() const override { return Type; }
		EPluginLoadedFrom GetLoadedFrom() const override { return LoadedFrom; }
		bool IsEnabled() const override { return bEnabled; }
		bool IsHidden() const override { return Descriptor.bIsHidden; }
		bool CanContainContent() const override { return Descriptor.bCanContainContent; }
		const FPluginDescriptor& GetDescriptor() const override { return Descriptor; }

		bool IsEnabledByDefault(bool bAllowEnginePluginsEnabledByDefault) const override
		{
			if (Descriptor.EnabledByDefault != EPluginEnabledByDefault::Unspecified)
			{
				return Descriptor.EnabledByDefault == EPluginEnabledByDefault::Enabled
					&& (bAllowEnginePluginsEnabledByDefault || LoadedFrom == EPluginLoadedFrom::Project);
			}
			// Plugins that ship with a project are on unless it says otherwise; engine plugins are opt-in.
			return LoadedFrom == EPluginLoadedFrom::Project;
		}

		FString Name;
		FString FileName;
		FPluginDescriptor Descriptor;
		EPluginType Type;
		EPluginLoadedFrom LoadedFrom;
		bool bEnabled = false;
	};

	class FPluginManager final : public IPluginManager
	{
	public:
		void RefreshPluginsList() override
		{
			Discovered.Empty();
			Enabled.Empty();
			bMissingPlugin = false;
			Discover(FPaths::EnginePluginsDir(), EPluginType::Engine, EPluginLoadedFrom::Engine);
			const FProjectDescriptor* Project = IProjectManager::Get().GetCurrentProject();
			if (Project)
			{
				Discover(FPaths::ProjectPluginsDir(), EPluginType::Project, EPluginLoadedFrom::Project);
				for (const FString& Directory : Project->GetAdditionalPluginDirectories())
				{
					Discover(FPaths::ConvertRelativePathToFull(FPaths::ProjectDir(), Directory), EPluginType::External, EPluginLoadedFrom::Project);
				}
			}
			for (const FString& Directory : ExtraSearchPaths)
			{
				Discover(Directory, EPluginType::External, EPluginLoadedFrom::Project);
			}
			ResolveEnabled(Project);
		}

		bool LoadModulesForEnabledPlugins(const ELoadingPhase::Type LoadingPhase) override
		{
			// As the engine does, nothing of a project loads while a plugin it needs is missing.
			if (bMissingPlugin)
			{
				return false;
			}
			bool bAllLoaded = true;
			for (const TSharedRef<FPlugin>& Plugin : Enabled)
			{
				for (const FModuleDescriptor& Module : Plugin->Descriptor.Modules)
				{
					if (Module.LoadingPhase != LoadingPhase || !Module.IsLoadedInCurrentConfiguration())
					{
						continue;
					}
					if (FModuleManager::Get().IsModuleLoaded(Module.Name))
					{
						continue;
					}
					if (!FModuleManager::Get().LoadModule(Module.Name))
					{
						UE_LOG(LogPluginManager, Error, TEXT("Plugin '%s' failed to load because module '%s' could not be loaded."), *Plugin->Name, *Module.Name.ToString());
						bAllLoaded = false;
						continue;
					}
					UE_LOG(LogPluginManager, Log, TEXT("Loaded module %s (plugin %s, phase %s)"), *Module.Name.ToString(), *Plugin->Name, ELoadingPhase::ToString(LoadingPhase));
				}
			}
			LastCompletedPhase = LoadingPhase;
			return bAllLoaded;
		}

		ELoadingPhase::Type GetLastCompletedLoadingPhase() const override
		{
			return LastCompletedPhase;
		}

		TSharedPtr<IPlugin> FindPlugin(const FStringView Name) override
		{
			const FString Wanted(Name.Len(), Name.GetData());
			for (const TSharedRef<FPlugin>& Plugin : Discovered)
			{
				if (Plugin->Name.Equals(Wanted, ESearchCase::IgnoreCase))
				{
					return Plugin;
				}
			}
			return nullptr;
		}

		TArray<TSharedRef<IPlugin>> GetEnabledPlugins() override
		{
			TArray<TSharedRef<IPlugin>> Out;
			for (const TSharedRef<FPlugin>& Plugin : Enabled)
			{
				Out.Add(Plugin);
			}
			return Out;
		}

		TArray<TSharedRef<IPlugin>> GetEnabledPluginsWithContent() const override
		{
			TArray<TSharedRef<IPlugin>> Out;
			for (const TSharedRef<FPlugin>& Plugin : Enabled)
			{
				if (Plugin->CanContainContent())
				{
					Out.Add(Plugin);
				}
			}
			return Out;
		}

		TArray<TSharedRef<IPlugin>> GetDiscoveredPlugins() override
		{
			TArray<TSharedRef<IPlugin>> Out;
			for (const TSharedRef<FPlugin>& Plugin : Discovered)
			{
				Out.Add(Plugin);
			}
			return Out;
		}

		bool AddPluginSearchPath(const FString& ExtraDiscoveryPath, bool bRefresh) override
		{
			const FString Full = FPaths::ConvertRelativePathToFull(ExtraDiscoveryPath);
			if (ExtraSearchPaths.Contains(Full))
			{
				return false;
			}
			ExtraSearchPaths.Add(Full);
			if (bRefresh)
			{
				RefreshPluginsList();
			}
			return true;
		}

		void Reset()
		{
			Discovered.Empty();
			Enabled.Empty();
			bMissingPlugin = false;
			ExtraSearchPaths.Empty();
			LastCompletedPhase = ELoadingPhase::None;
		}

		bool FindModule(const FName ModuleName, FString& OutPluginName, ELoadingPhase::Type& OutPhase) const
		{
			for (const TSharedRef<FPlugin>& Plugin : Enabled)
			{
				for (const FModuleDescriptor& Module : Plugin->Descriptor.Modules)
				{
					if (Module.Name == ModuleName)
					{
						OutPluginName = Plugin->Name;
						OutPhase = Module.LoadingPhase;
						return true;
					}
				}
			}
			return false;
		}

	private:
		/** A folder holding a .uplugin is a plugin; other folders are searched further down. */
		void Discover(const FString& Directory, EPluginType Type, EPluginLoadedFrom LoadedFrom)
		{
			if (!FPaths::DirectoryExists(Directory))
			{
				return;
			}
			TArray<FString> Descriptors;
			IFileManager::Get().FindFiles(Descriptors, *Directory, TEXT("uplugin"));
			if (Descriptors.Num() > 0)
			{
				const FString FileName = FPaths::ConvertRelativePathToFull(FPaths::Combine(Directory, Descriptors[0]));
				AddPlugin(FileName, Type, LoadedFrom);
				return;
			}
			TArray<FString> SubDirectories;
			IFileManager::Get().FindFiles(SubDirectories, *FPaths::Combine(Directory, TEXT("*")), false, true);
			for (const FString& SubDirectory : SubDirectories)
			{
				Discover(FPaths::Combine(Directory, SubDirectory), Type, LoadedFrom);
			}
		}

		void AddPlugin(const FString& FileName, EPluginType Type, EPluginLoadedFrom LoadedFrom)
		{
			FPluginDescriptor Descriptor;
			FText FailReason;
			if (!Descriptor.Load(FileName, FailReason))
			{
				UE_LOG(LogPluginManager, Error, TEXT("Plugin descriptor skipped: %s"), *FailReason.ToString());
				return;
			}
			const FString Name = FPaths::GetBaseFilename(FileName);
			if (FindPlugin(Name).IsValid())
			{
				UE_LOG(LogPluginManager, Warning, TEXT("Plugin '%s' found twice; %s is ignored"), *Name, *FileName);
				return;
			}
			Discovered.Add(MakeShared<FPlugin>(FileName, Descriptor, Type, LoadedFrom));
		}

		TSharedPtr<FPlugin> FindDiscovered(const FString& Name) const
		{
			for (const TSharedRef<FPlugin>& Plugin : Discovered)
			{
				if (Plugin->Name.Equals(Name, ESearchCase::IgnoreCase))
				{
					return Plugin;
				}
			}
			return nullptr;
		}

		void ResolveEnabled(const FProjectDescriptor* Project)
		{
			TMap<FString, bool> Wanted;
			for (const TSharedRef<FPlugin>& Plugin : Discovered)
			{
				Wanted.Add(Plugin->Name.ToLower(), Plugin->IsEnabledByDefault(true));
			}
			if (Project)
			{
				for (const FPluginReferenceDescriptor& Reference : Project->Plugins)
				{
					if (!FindDiscovered(Reference.Name).IsValid())
					{
						ReportMissing(Reference, FPaths::GetCleanFilename(FPaths::GetProjectFilePath()));
						continue;
					}
					Wanted.Add(Reference.Name.ToLower(), Reference.bEnabled);
				}
			}
			// Depth first, so a plugin's enabled references come before it in load order.
			TArray<FString> Visiting;
			for (const TSharedRef<FPlugin>& Plugin : Discovered)
			{
				const bool* bWanted = Wanted.Find(Plugin->Name.ToLower());
				if (bWanted && *bWanted)
				{
					Enable(Plugin, Visiting);
				}
			}
		}

		void Enable(const TSharedRef<FPlugin>& Plugin, TArray<FString>& Visiting)
		{
			if (Plugin->bEnabled || Visiting.Contains(Plugin->Name))
			{
				return;
			}
			Visiting.Add(Plugin->Name);
			for (const FPluginReferenceDescriptor& Reference : Plugin->Descriptor.Plugins)
			{
				if (!Reference.bEnabled)
				{
					continue;
				}
				const TSharedPtr<FPlugin> Dependency = FindDiscovered(Reference.Name);
				if (!Dependency.IsValid())
				{
					ReportMissing(Reference, FPaths::GetCleanFilename(Plugin->FileName));
					continue;
				}
				Enable(Dependency.ToSharedRef(), Visiting);
			}
			Plugin->bEnabled = true;
			Enabled.Add(Plugin);
		}

		void ReportMissing(const FPluginReferenceDescriptor& Reference, const FString& ReferencedBy)
		{
			if (!Reference.bEnabled)
			{
				return;
			}
			if (Reference.bOptional)
			{
				UE_LOG(LogPluginManager, Log, TEXT("Optional plugin '%s' enabled by %s was not found; skipped"), *Reference.Name, *ReferencedBy);
				return;
			}
			UE_LOG(LogPluginManager, Error, TEXT("Plugin '%s' enabled by %s was not found in the engine's, the project's or the additional plugin folders; install it there or remove it from %s"), *Reference.Name, *ReferencedBy, *ReferencedBy);
			bMissingPlugin = true;
		}

		TArray<TSharedRef<FPlugin>> Discovered;
		TArray<TSharedRef<FPlugin>> Enabled;
		TArray<FString> ExtraSearchPaths;
		bool bMissingPlugin = false;
		ELoadingPhase::Type LastCompletedPhase = ELoadingPhase::None;
	};

	FPluginManager& GetPluginManager()
	{
		static FPluginManager Manager;
		return Manager;
	}

	class FProjectManager final : public IProjectManager
	{
	public:
		const FProjectDescriptor* GetCurrentProject() const override
		{
			return bLoaded ? &Current : nullptr;
		}

		bool LoadProjectFile(const FString& ProjectFile) override
		{
			FProjectDescriptor Descriptor;
			FText FailReason;
			if (!Descriptor.Load(ProjectFile, FailReason))
			{
				UE_LOG(LogPluginManager, Error, TEXT("Could not load the project: %s"), *FailReason.ToString());
				return false;
			}
			Current = Descriptor;
			bLoaded = true;
			return true;
		}

		bool LoadModulesForProject(const ELoadingPhase::Type LoadingPhase) override
		{
			bool bAllLoaded = true;
			if (!bLoaded)
			{
				return true;
			}
			for (const FModuleDescriptor& Module : Current.Modules)
			{
				if (Module.LoadingPhase == LoadingPhase && Module.IsLoadedInCurrentConfiguration() && !FModuleManager::Get().LoadModule(Module.Name))
				{
					UE_LOG(LogPluginManager, Error, TEXT("The project's module '%s' could not be loaded."), *Module.Name.ToString());
					bAllLoaded = false;
				}
			}
			return bAllLoaded;
		}

		void Reset()
		{
			Current = FProjectDescriptor();
			bLoaded = false;
		}

		bool FindModule(const FName ModuleName, ELoadingPhase::Type& OutPhase) const
		{
			for (const FModuleDescriptor& Module : Current.Modules)
			{
				if (bLoaded && Module.Name == ModuleName)
				{
					OutPhase = Module.LoadingPhase;
					return true;
				}
			}
			return false;
		}

	private:
		FProjectDescriptor Current;
		bool bLoaded = false;
	};

	FProjectManager& GetProjectManager()
	{
		static FProjectManager Manager;
		return Manager;
	}
}

IPluginManager& IPluginManager::Get()
{
	return GetPluginManager();
}

IProjectManager& IProjectManager::Get()
{
	return GetProjectManager();
}

void FProjectsHost::Reset()
{
	GetPluginManager().Reset();
	GetProjectManager().Reset();
}

bool FProjectsHost::FindModuleDescriptor(const FName ModuleName, FString& OutPluginName, ELoadingPhase::Type& OutLoadingPhase)
{
	if (GetPluginManager().FindModule(ModuleName, OutPluginName, OutLoadingPhase))
	{
		return true;
	}
	OutPluginName.Empty();
	return GetProjectManager().FindModule(ModuleName, OutLoadingPhase);
}
